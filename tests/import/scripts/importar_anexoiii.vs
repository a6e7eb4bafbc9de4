# Annex III: a value of 0.00 is refused; 0.01 is loaded, with its blank
# exempting law kept blank.
set AGENTE_PERIODO "1/23.45.67820010300"
start IMPORTAR_ANEXOIII
show window
type ?NOMBRE_ARCHIVO "anexoiii_cero.txt"
press ?OK
wait 100
answer Cerrar
answer Cerrar
start IMPORTAR_ANEXOIII
type ?NOMBRE_ARCHIVO "anexoiii_centavo.txt"
press ?OK
wait 100
answer Cerrar
start IMPRIMIR_ANEXOIII
wait 100
show page
