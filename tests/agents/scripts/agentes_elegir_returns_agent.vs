# The selection list hands its caller the agent record: "Salir" gives back
# the record the caller had, "&Elegir" and a double click the chosen agent.
# The caller's record is shown by opening the agent form for a change, which
# shows the stored agent whose number the record holds.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "10000013"
type ?AGE:DENOMINACION "Zonda 013"
press ?OK
start AGENTES:ELEGIR select
show window
key ?BROWSE:1 Down
key ?BROWSE:1 Down
show ?BROWSE:1
press "Salir"
show windows
start AGENTES:FICHA change
show ?AGE:NRO_AGENTE
show ?AGE:DENOMINACION
press "Cancelar"
# "&Elegir" on the third agent.
start AGENTES:ELEGIR select
key ?BROWSE:1 Down
key ?BROWSE:1 Down
show enabled "&Elegir"
press "&Elegir"
show windows
start AGENTES:FICHA change
show ?AGE:NRO_AGENTE
show ?AGE:DENOMINACION
press "Cancelar"
# A double click on "Por Denominación", after locating "Se".
start AGENTES:ELEGIR select
choose ?CURRENTTAB "Por Denominación"
key ?BROWSE:1 "S"
key ?BROWSE:1 "e"
key ?BROWSE:1 Down
show ?BROWSE:1
key ?BROWSE:1 DoubleClick
show windows
start AGENTES:FICHA change
show ?AGE:NRO_AGENTE
show ?AGE:DENOMINACION
press "Cancelar"
