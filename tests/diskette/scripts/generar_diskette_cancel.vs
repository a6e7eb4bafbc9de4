# The dialog shows the folder of each letter; "Cancelar" writes nothing.
set AGENTE_PERIODO "1/23.45.67820010300"
start GENERAR_DISKETTE
show window
show ?UNIDAD_DISKETTE
show ?CarpetaA
show ?CarpetaB
press ?Cancel
show windows
