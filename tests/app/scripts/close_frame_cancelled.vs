# Closing the frame is abandoned when the form's user cancels (error 35,
# Cancel); closing the form afterwards does not close the frame.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
menu "&Archivo" "&Salir"
answer Cancel
wait 20
show windows
close
answer No
show windows
