# The declaration was deleted by another station after the list showed it:
# the form prints nothing, "No hay Registros".
set AGENTE_PERIODO "1/23.45.67820050599"
start IMPRIMIR_DDJJ
answer Ok
wait 1
show windows
