# Annex II lines on the shipped rates table. Inciso "b" dated 15/03/2001
# takes rate 2 of the row in force since 01/01/2000 (1.20) when the focus
# enters the rate, and value x rate / 100 as its tax when it enters the tax.
menu "&Tablas" "Declaraciones Juradas"
press "&Modificar"
choose ?CurrentTab "Anexo II"
show list ?LIST
press ?INSERT
show window
type ?A2:DOCUMENTO "Pagaré"
choose ?A2:INCISO "b"
type ?A2:FECHA_DOCUMENTO "15/03/2001"
type ?A2:CONTRATANTE "Juan Pérez"
type ?A2:NRO_ORDEN "17"
show ?A2:NRO_ORDEN
type ?A2:VALOR "100000"
focus ?A2:ALICUOTA
show ?A2:ALICUOTA
show ?PERCENT
focus ?A2:IMPUESTO
show ?A2:IMPUESTO
# A rate typed by hand is replaced when the focus enters the rate again.
type ?A2:ALICUOTA "2"
focus ?A2:IMPUESTO
show ?A2:IMPUESTO
focus ?A2:ALICUOTA
show ?A2:ALICUOTA
# Inciso "l" takes rate 1 of the same row; "e" the module amount as its tax
# and a rate of 0, after which the tax field leaves the tax alone.
choose ?A2:INCISO "l"
focus ?A2:ALICUOTA
show ?A2:ALICUOTA
choose ?A2:INCISO "e"
focus ?A2:ALICUOTA
show ?A2:ALICUOTA
show ?A2:IMPUESTO
focus ?A2:IMPUESTO
show ?A2:IMPUESTO
# On and after 01/07/2001 rate 2 is 1.50.
choose ?A2:INCISO "k"
type ?A2:FECHA_DOCUMENTO "01/07/2001"
focus ?A2:ALICUOTA
show ?A2:ALICUOTA
focus ?A2:IMPUESTO
show ?A2:IMPUESTO
press ?OK
show window
show list ?LIST
