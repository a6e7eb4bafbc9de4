# Loading the same file twice gives every line twice.
set AGENTE_PERIODO "1/23.45.67820010300"
start IMPORTAR_ANEXOII
type ?NOMBRE_ARCHIVO "tres_lineas.txt"
press ?OK
wait 100
answer Cerrar
start IMPORTAR_ANEXOII
type ?NOMBRE_ARCHIVO "tres_lineas.txt"
press ?OK
wait 100
answer Cerrar
start IMPRIMIR_ANEXOII
wait 100
show page
