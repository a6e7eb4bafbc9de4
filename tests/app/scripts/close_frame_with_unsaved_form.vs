# Closing the frame while a form holds unsaved changes: the form asks first
# (error 35); once it has closed, the frame closes and the program ends.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
menu "&Archivo" "&Salir"
answer No
show windows
