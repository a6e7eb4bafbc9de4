# A rectifying declaration (presentation 01) prints "Rectificativa" in the
# header of the form and of each annex, one preview closed before the next.
set AGENTE_PERIODO "1/23.45.67820050501"
start IMPRIMIR_DDJJ
wait 1
show page
preview close
start IMPRIMIR_ANEXOI
wait 1
show page
preview close
start IMPRIMIR_ANEXOII
wait 1
show page
preview close
start IMPRIMIR_ANEXOIII
wait 1
show page
preview close
show windows
