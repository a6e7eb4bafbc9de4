# A type-6 record at line 3 of an Annex II file is reported as record 3; the
# records after it are still checked (record 5) and nothing is loaded. Two
# invalid records give two messages before "NO SE REALIZO LA CARGA".
set AGENTE_PERIODO "1/23.45.67820010300"
start IMPORTAR_ANEXOII
type ?NOMBRE_ARCHIVO "tipo6_linea3.txt"
press ?OK
wait 100
answer Cerrar
answer Cerrar
answer Cerrar
start IMPORTAR_ANEXOII
type ?NOMBRE_ARCHIVO "dos_invalidos.txt"
press ?OK
wait 100
answer Cerrar
answer Cerrar
answer Cerrar
# Nothing was loaded: the Annex II report has no line to print.
start IMPRIMIR_ANEXOII
answer Ok
wait 100
show windows
