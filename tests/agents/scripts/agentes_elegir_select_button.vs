# "&Elegir" is usable only when the list is selecting and a row is selected:
# disabled on an empty register, hidden when the list is not selecting.
start AGENTES:ELEGIR select
show list ?BROWSE:1
show enabled "&Elegir"
press "Salir"
show windows
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "10000001"
press ?OK
start AGENTES:ELEGIR
show list ?BROWSE:1
show enabled "&Elegir"
key ?BROWSE:1 DoubleClick
show windows
