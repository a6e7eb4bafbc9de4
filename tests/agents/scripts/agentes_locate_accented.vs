# "Buscar Denominación:" shows accented letters as typed, upper-cased, and
# locates with them.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "11111111"
type ?AGE:NRO_CUIT "20000000001"
type ?AGE:DENOMINACION "Olmos"
press ?OK
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "22222222"
type ?AGE:NRO_CUIT "20100000059"
type ?AGE:DENOMINACION "Oñate"
press ?OK
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "33333333"
type ?AGE:NRO_CUIT "20123456786"
type ?AGE:DENOMINACION "Ñandú"
press ?OK
menu "&Tablas" "Agentes"
choose ?CURRENTTAB "Por Denominación"
key ?BROWSE:1 "ñ"
show ?LOC:DENOMINACION
show ?BROWSE:1
key ?BROWSE:1 Backspace
key ?BROWSE:1 "o"
key ?BROWSE:1 "é"
show ?LOC:DENOMINACION
show ?BROWSE:1
# A letter of the code page above U+00FF, then one the stored keys cannot hold.
key ?BROWSE:1 Backspace
key ?BROWSE:1 "š"
key ?BROWSE:1 "電"
show ?LOC:DENOMINACION
