# "Tablas" -> "Agentes" twice opens two lists, each on its own thread with its
# own page and order; a form open on the first does not hold up the second.
menu "&Tablas" "Agentes"
key ?BROWSE:1 PgDn
show ?BROWSE:1
menu "&Tablas" "Agentes"
show windows
show ?BROWSE:1
choose ?CURRENTTAB "Por Denominación"
key ?BROWSE:1 Down
show ?BROWSE:1
close
show windows
show ?CURRENTTAB
show ?BROWSE:1
press "&Cambiar"
menu "&Tablas" "Agentes"
show windows
key ?BROWSE:1 PgDn
show ?BROWSE:1
