# Annex II: a value of 50000.00 is refused and nothing is loaded; 50000.01
# is loaded, and the Annex II report of the declaration shows the line.
set AGENTE_PERIODO "1/23.45.67820010300"
start IMPORTAR_ANEXOII
show window
show ?NOMBRE_ARCHIVO
type ?NOMBRE_ARCHIVO "valor_50000.txt"
press ?OK
show windows
wait 100
answer Cerrar
answer Cerrar
show windows
start IMPORTAR_ANEXOII
type ?NOMBRE_ARCHIVO "valor_50000_01.txt"
press ?OK
wait 100
answer Cerrar
start IMPRIMIR_ANEXOII
wait 100
show page
