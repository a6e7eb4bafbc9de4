# Drive B: the count, the prompt for B:, the copy into unidad_b.
set AGENTE_PERIODO "1/23.45.67820010300"
start GENERAR_DISKETTE
choose ?UNIDAD_DISKETTE "B"
press ?OK
answer Cerrar
answer Aceptar
answer Aceptar
show windows
