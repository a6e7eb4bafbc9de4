# "Cancelar" closes the window; nothing is rebuilt and nothing is said.
menu "&Archivo" "&Reorganizar Archivos"
press ?CANCELBUTTON
show windows
