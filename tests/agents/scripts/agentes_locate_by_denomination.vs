# On "Por Denominación" typed characters locate; Backspace takes one away.
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
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "33333333"
type ?AGE:NRO_CUIT "20123456786"
type ?AGE:DENOMINACION "Banco"
press ?OK
menu "&Tablas" "Agentes"
show list ?BROWSE:1
choose ?CURRENTTAB "Por Denominación"
show list ?BROWSE:1
key ?BROWSE:1 "b"
key ?BROWSE:1 "e"
show ?LOC:DENOMINACION
show ?BROWSE:1
key ?BROWSE:1 Backspace
show ?LOC:DENOMINACION
show ?BROWSE:1
