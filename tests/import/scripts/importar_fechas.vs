# A document dated 15/07/1998 is refused; 01/01/1999 is loaded.
set AGENTE_PERIODO "1/23.45.67820010300"
start IMPORTAR_ANEXOII
type ?NOMBRE_ARCHIVO "fecha_1998.txt"
press ?OK
wait 100
answer Cerrar
answer Cerrar
start IMPORTAR_ANEXOII
type ?NOMBRE_ARCHIVO "fecha_1999.txt"
press ?OK
wait 100
answer Cerrar
start IMPRIMIR_ANEXOII
wait 100
show page
