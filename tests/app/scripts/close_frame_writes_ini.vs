# Closing the main window ends the program with status 0 and writes vorda.INI.
show windows
menu "&Archivo" "&Salir"
