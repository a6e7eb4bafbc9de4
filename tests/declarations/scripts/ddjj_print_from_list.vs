# "Imprimir DDJJ" prints the selected declaration's form and then its three
# annexes, each preview closed before the next one opens.
menu "&Tablas" "Declaraciones Juradas"
show ?BROWSE:1
press "Imprimir DDJJ"
wait 1
show page
preview close
wait 1
show page
preview close
wait 1
show page
preview close
wait 1
show page
preview close
wait 1
show windows
# A declaration without annexes: the form, then "No hay Registros" for each
# annex, one after the other.
key ?BROWSE:1 Down
show ?BROWSE:1
press "Imprimir DDJJ"
wait 1
show page
preview close
answer Ok
wait 1
answer Ok
wait 1
answer Ok
wait 1
show windows
