# The agent lists locate incrementally on every tab: on "Por Denominación"
# "S" goes to the first name beginning with S, a second "S" searches for
# "SS" (the first name not below it), not for the next name beginning with S.
menu "&Tablas" "Agentes"
choose ?CURRENTTAB "Por Denominación"
show list ?BROWSE:1
key ?BROWSE:1 "s"
show ?LOC:DENOMINACION
show list ?BROWSE:1
key ?BROWSE:1 "S"
show ?LOC:DENOMINACION
show list ?BROWSE:1
# Backspace goes back to the first name beginning with S.
key ?BROWSE:1 Backspace
show ?LOC:DENOMINACION
show ?BROWSE:1
