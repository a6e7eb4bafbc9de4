# An agent number that is not in the register opens the selection list:
# leaving it with "Salir" keeps the focus on the number as typed; choosing an
# agent puts its number in the form and shows its name.
start DDJJ:FICHA insert
type ?DDJ:NRO_AGENTE "9/99.99.999"
show windows
show list ?BROWSE:1
press "Salir"
show windows
show ?DDJ:NRO_AGENTE
type ?DDJ:MES "4"
show ?DDJ:NRO_AGENTE
show ?DDJ:MES
type ?DDJ:NRO_AGENTE "2/00"
show window
key ?BROWSE:1 Down
press "&Elegir"
show windows
show ?DDJ:NRO_AGENTE
show ?AGE:DENOMINACION
type ?DDJ:AÑO "2001"
press ?OK
show windows
start DDJJ:FICHA change
show ?DDJ:NRO_AGENTE
show ?AGE:DENOMINACION
show ?DDJ:MES
show ?DDJ:AÑO
close
show windows
