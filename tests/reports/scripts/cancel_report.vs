# "Cancelar" in the progress window ends the run: no preview.
set AGENTE_PERIODO "1/23.45.67820050500"
start IMPRIMIR_ANEXOII
show windows
press "Cancelar"
wait 1
show windows
