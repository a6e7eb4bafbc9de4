# A form opened from the list leaves the page where it was: cancelled, the
# list shows the same rows and selection; a delete only takes its row away.
menu "&Tablas" "Agentes"
choose ?BROWSE:1 "10"
key ?BROWSE:1 Down
show list ?BROWSE:1
press "&Cambiar"
show window
press "Cancelar"
show windows
show list ?BROWSE:1
# A changed name cancelled without saving.
press "&Cambiar"
type ?AGE:DENOMINACION "Zonda 011"
press "Cancelar"
answer No
show windows
show list ?BROWSE:1
# A delete cancelled, then carried out on the fifth row.
choose ?BROWSE:1 "5"
press "&Borrar"
press "Cancelar"
show list ?BROWSE:1
press "&Borrar"
press ?OK
show list ?BROWSE:1
