# An empty register: no rows, "&Cambiar" and "&Borrar" disabled; "&Agregar" adds and selects.
menu "&Tablas" "Agentes"
show window
show list ?BROWSE:1
show enabled "&Cambiar"
show enabled "&Borrar"
press "&Agregar"
show window
type ?AGE:NRO_AGENTE "12345678"
type ?AGE:DENOMINACION "Banco del Vespra"
press ?OK
show window
show list ?BROWSE:1
show enabled "&Cambiar"
