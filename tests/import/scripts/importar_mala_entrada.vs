# Before reading anything: a blank declaration (an empty list) and one that
# no longer exists are refused; a missing file, a folder and no name at all
# keep the dialog open on the name; an empty file reads no record. The "..."
# button fills the name from the file chooser.
set AGENTE_PERIODO ""
start IMPORTAR_ANEXOII
press ?OK
answer Cerrar
set AGENTE_PERIODO "1/23.45.67820010400"
start IMPORTAR_ANEXOII
press ?OK
answer Cerrar
set AGENTE_PERIODO "1/23.45.67820010300"
start IMPORTAR_ANEXOII
type ?NOMBRE_ARCHIVO "no_existe.txt"
press ?OK
answer Cerrar
show window
type ?NOMBRE_ARCHIVO "carpeta.txt"
press ?OK
answer Cerrar
type ?NOMBRE_ARCHIVO ""
press ?OK
answer Cerrar
file "inciso_b.txt"
press ?Examinar
show ?NOMBRE_ARCHIVO
type ?NOMBRE_ARCHIVO "vacio.txt"
press ?OK
answer Ok
wait 100
answer Cerrar
show windows
start IMPORTAR_ANEXOII
press ?Cancel
show windows
