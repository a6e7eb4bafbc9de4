# The inciso letters B, a, h, m and n are refused, one message each, and the
# file is not loaded; b is loaded.
set AGENTE_PERIODO "1/23.45.67820010300"
start IMPORTAR_ANEXOII
type ?NOMBRE_ARCHIVO "incisos_malos.txt"
press ?OK
wait 100
answer Cerrar
answer Cerrar
answer Cerrar
answer Cerrar
answer Cerrar
answer Cerrar
start IMPORTAR_ANEXOII
type ?NOMBRE_ARCHIVO "inciso_b.txt"
press ?OK
wait 100
answer Cerrar
start IMPRIMIR_ANEXOII
wait 100
show page
