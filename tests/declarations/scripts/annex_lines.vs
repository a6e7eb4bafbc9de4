# The lines of the annexes inside the declaration form. Annex III takes any
# amount (0 and below 50000 too) and a blank CUIT; a wrong CUIT keeps the
# focus. Changing a line shows it; deleting one shows it and removes it on
# "Aceptar". Each list shows only this declaration's lines.
menu "&Tablas" "Declaraciones Juradas"
press "&Modificar"
choose ?CurrentTab "Anexo III"
show list ?LIST:2
press ?INSERT:2
show window
type ?A3:DOCUMENTO "Escritura"
type ?A3:FECHA_DOCUMENTO "02/03/2001"
type ?A3:CONTRATANTE "Municipalidad"
type ?A3:NRO_CUIT "30-12345678-0"
answer Cerrar
show ?A3:NRO_CUIT
type ?A3:NRO_CUIT ""
type ?A3:NRO_ORDEN "0"
show ?A3:NRO_ORDEN
type ?A3:VALOR "0"
type ?A3:LEY_DECRETO "Ley 5678"
press ?OK
show list ?LIST:2
press ?INSERT:2
type ?A3:VALOR "49999.99"
press ?OK
show list ?LIST:2
key ?LIST:2 Up
press ?DELETE:2
show window
show ?A3:CONTRATANTE
press ?OK
show list ?LIST:2
# Annex II: a line changed and a line deleted.
choose ?CurrentTab "Anexo II"
key ?LIST Down
press ?CHANGE
show window
show ?A2:CONTRATANTE
show ?A2:INCISO
type ?A2:CONTRATANTE "Cambiado"
press ?OK
show list ?LIST
press ?DELETE
show window
press ?OK
show list ?LIST
press ?OK
show windows
