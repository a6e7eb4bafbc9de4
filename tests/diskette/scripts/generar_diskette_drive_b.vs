# Drive B: the count, the prompt for B:, the copy into unidad_b, then the
# declaration and its annexes printed (the declaration has no Annex III line).
set AGENTE_PERIODO "1/23.45.67820010300"
start GENERAR_DISKETTE
choose ?UNIDAD_DISKETTE "B"
press ?OK
answer Cerrar
answer Aceptar
answer Aceptar
wait 100
preview close
wait 100
preview close
wait 100
preview close
answer Ok
wait 100
show windows
