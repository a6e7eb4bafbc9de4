# A declaration without Annex II lines: "No hay Registros" once, no preview.
set AGENTE_PERIODO "1/23.45.67820050500"
start IMPRIMIR_ANEXOII
answer Ok
wait 1
show windows
