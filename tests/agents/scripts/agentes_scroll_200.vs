# 200 agents in a list of ten rows, ordered by number: the keys and the thumb
# move through the register a row or a page at a time, reading only the edge.
menu "&Tablas" "Agentes"
show list ?BROWSE:1
# Down on the last row: the first row goes, the next agent comes in selected.
choose ?BROWSE:1 "10"
key ?BROWSE:1 Down
show list ?BROWSE:1
# PgDn shows the next page; the selection keeps its row.
key ?BROWSE:1 PgDn
show list ?BROWSE:1
# Ctrl+End: the last page, the last agent selected.
key ?BROWSE:1 Ctrl+End
show list ?BROWSE:1
# Up on the first row reads one agent before it, five times.
choose ?BROWSE:1 "1"
key ?BROWSE:1 Up
key ?BROWSE:1 Up
key ?BROWSE:1 Up
key ?BROWSE:1 Up
key ?BROWSE:1 Up
show list ?BROWSE:1
# PgDn with only five agents left: the selection goes a full page of agents on.
key ?BROWSE:1 PgDn
show list ?BROWSE:1
# Ctrl+Home: back to the first page, the first agent selected.
key ?BROWSE:1 Ctrl+Home
show list ?BROWSE:1
# The thumb: 100 % is the last page, 1 % the first.
key ?BROWSE:1 PgDn
key ?BROWSE:1 PgDn
show ?BROWSE:1
thumb ?BROWSE:1 100
show ?BROWSE:1
thumb ?BROWSE:1 1
show list ?BROWSE:1
