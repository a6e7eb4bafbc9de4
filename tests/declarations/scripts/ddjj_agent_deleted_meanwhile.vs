# The agent typed into a new declaration is deleted from another window
# before the declaration is stored: "Aceptar" finds no such agent and opens
# the selection list; leaving it keeps the form open on the agent number and
# nothing is stored.
menu "&Tablas" "Declaraciones Juradas"
press "&Agregar"
type ?DDJ:NRO_AGENTE "2/00.00.001"
show ?AGE:DENOMINACION
type ?DDJ:MES "4"
type ?DDJ:AÑO "2001"
menu "&Tablas" "Agentes"
key ?BROWSE:1 Down
show ?BROWSE:1
press "&Borrar"
press ?OK
show list ?BROWSE:1
close
press ?OK
show windows
show list ?BROWSE:1
press "Salir"
show windows
show ?DDJ:NRO_AGENTE
close
answer No
show list ?BROWSE:1
