# Fifteen invalid records: ten messages, the other five only counted, then
# the list of all fifteen, saved as a text file, then "NO SE REALIZO LA CARGA".
set AGENTE_PERIODO "1/23.45.67820010300"
start IMPORTAR_ANEXOII
type ?NOMBRE_ARCHIVO "quince_malos.txt"
press ?OK
wait 100
answer Cerrar
answer Cerrar
answer Cerrar
answer Cerrar
answer Cerrar
answer Cerrar
answer Cerrar
answer Cerrar
answer Cerrar
answer Cerrar
show window
show ?Cantidad
show list ?Registros
file "lista.txt"
press ?Guardar
answer Cerrar
press ?Cerrar
answer Cerrar
show windows
