# Closing the frame while a list has its form open: the form asks first
# (error 35) and closes, then the list below it closes too, and the program
# ends.
menu "&Tablas" "Agentes"
press "&Agregar"
type ?AGE:NRO_AGENTE "12345678"
menu "&Archivo" "&Salir"
answer No
wait 50
show windows
