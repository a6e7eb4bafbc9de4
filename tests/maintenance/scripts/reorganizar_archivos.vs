# "Archivo -> Reorganizar Archivos": the window asks, "Aceptar" closes it at
# once and the rebuild tells how it went.
menu "&Archivo" "&Reorganizar Archivos"
show window
show ?STRING1
press ?OKBUTTON
answer Cerrar
show windows
