# With the declaration list open, DDJJ cannot be opened exclusively: the
# closing message names it instead of claiming success.
menu "&Tablas" "Declaraciones Juradas"
menu "&Archivo" "&Reorganizar Archivos"
press ?OKBUTTON
answer Cerrar
show windows
