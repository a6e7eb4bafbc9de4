# An empty declaration list hands on a blank key: the agent is not found.
set AGENTE_PERIODO ""
start GENERAR_DISKETTE
press "Aceptar"
answer Cerrar
show windows
