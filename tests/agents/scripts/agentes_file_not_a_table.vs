# Agentes.tps is not a table: the fatal notice names the file and says why in
# the user's words, with the driver's code.
menu "&Tablas" "Agentes"
answer Ok
