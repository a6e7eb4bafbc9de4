# What an Annex II line refuses: a value below 50000.00 (the message, the
# focus stays on the value), a wrong CUIT, a negative rate (message 18);
# letters in amounts, dates and order numbers and a date that does not exist
# are refused at the entry. 50000.00 and a blank CUIT are accepted.
menu "&Tablas" "Declaraciones Juradas"
press "&Modificar"
choose ?CurrentTab "Anexo II"
press ?INSERT
type ?A2:DOCUMENTO "Contrato"
choose ?A2:INCISO "d"
type ?A2:FECHA_DOCUMENTO "31/02/2001"
show ?A2:FECHA_DOCUMENTO
type ?A2:FECHA_DOCUMENTO "3l/O3/2001"
show ?A2:FECHA_DOCUMENTO
type ?A2:FECHA_DOCUMENTO "20/03/2001"
type ?A2:CUIT "20123456787"
answer Cerrar
show ?A2:CUIT
type ?A2:CUIT ""
type ?A2:NRO_ORDEN "12a"
show ?A2:NRO_ORDEN
type ?A2:VALOR "49,999.99x"
answer Cerrar
show ?A2:VALOR
type ?A2:VALOR "50000"
type ?A2:ALICUOTA "-0.01"
answer Ok
# The focus enters the rate again: the rate in force is looked up anew.
show ?A2:ALICUOTA
type ?A2:ALICUOTA "0"
show ?A2:IMPUESTO
press ?OK
show window
show list ?LIST
# The same checks run again on "Aceptar": a line below the threshold is
# not stored.
press ?INSERT
choose ?A2:INCISO "f"
type ?A2:FECHA_DOCUMENTO "21/03/2001"
press ?OK
answer Cerrar
show window
type ?A2:VALOR "50000.01"
type ?A2:CUIT "20-12345678-6"
press ?OK
show window
show list ?LIST
