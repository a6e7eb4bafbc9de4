# "Por Nº de DDJJ" orders by agent, year, month and presentation; "Por
# Agente" by agent number only, a run of one agent in the order it was
# stored. A typed character moves to the first declaration whose key starts
# with it.
menu "&Tablas" "Declaraciones Juradas"
show list ?BROWSE:1
choose ?CURRENTTAB "Por Agente"
show list ?BROWSE:1
choose ?CURRENTTAB "Por Nº de DDJJ"
show list ?BROWSE:1
key ?BROWSE:1 2
show ?BROWSE:1
key ?BROWSE:1 2
show list ?BROWSE:1
key ?BROWSE:1 3
show list ?BROWSE:1
close
show windows
