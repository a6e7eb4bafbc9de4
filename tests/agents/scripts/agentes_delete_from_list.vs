# "&Borrar" shows the selected agent in the form; "Aceptar" deletes it and
# the following agent is selected, or the one before when it was the last.
menu "&Tablas" "Agentes"
choose ?BROWSE:1 "5"
press "&Borrar"
show window
show ?AGE:NRO_AGENTE
show ?AGE:DENOMINACION
press ?OK
show windows
show ?BROWSE:1
# The last agent: the one before it takes its place.
key ?BROWSE:1 Ctrl+End
show ?BROWSE:1
press "&Borrar"
press ?OK
show list ?BROWSE:1
# The Delete key asks through the form as well.
choose ?BROWSE:1 "1"
key ?BROWSE:1 Delete
show window
press ?OK
show list ?BROWSE:1
