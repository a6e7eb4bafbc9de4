# From the declaration list: "Generar Diskette" writes the highlighted
# declaration to drive A, prints it, and leaves the list as it was.
menu "&Tablas" "Declaraciones Juradas"
show ?BROWSE:1
press "Generar Diskette"
show window
press ?OK
answer Cerrar
answer Aceptar
answer Aceptar
wait 100
preview close
wait 100
preview close
wait 100
preview close
answer Ok
wait 100
show windows
show ?BROWSE:1
