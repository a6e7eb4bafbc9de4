# A malformed vorda.INI reads as defaults: the program starts and ends normally.
show windows
start AGENTES:FICHA insert
show window
press "Cancelar"
menu "&Archivo" "&Salir"
