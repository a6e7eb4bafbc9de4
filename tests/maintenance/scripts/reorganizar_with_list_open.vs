# With the agent list open, AGENTES cannot be opened exclusively: the
# closing message says so instead of claiming success.
menu "&Tablas" "Agentes"
menu "&Archivo" "&Reorganizar Archivos"
press ?OKBUTTON
answer Cerrar
show windows
