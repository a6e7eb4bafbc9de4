# A double click on a row of the selection list chooses it and closes.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "11111111"
type ?AGE:NRO_CUIT "20000000001"
type ?AGE:DENOMINACION "Alfa"
press ?OK
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "22222222"
type ?AGE:NRO_CUIT "20100000059"
type ?AGE:DENOMINACION "Beta"
press ?OK
start AGENTES:ELEGIR select
show window
show list ?BROWSE:1
show enabled "&Elegir"
key ?BROWSE:1 Down
key ?BROWSE:1 DoubleClick
show windows
