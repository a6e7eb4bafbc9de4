# A document dated before every rate row: "Error en Alícuotas", then the
# inciso's fallback: rate 1 for "c", 10.20 for "l", and for "e" a tax of
# 20800.00 with a rate of 0. The user may type over it.
menu "&Tablas" "Declaraciones Juradas"
press "&Modificar"
choose ?CurrentTab "Anexo II"
press ?INSERT
choose ?A2:INCISO "c"
type ?A2:FECHA_DOCUMENTO "31/12/1989"
# Leaving the value, the focus enters the rate.
type ?A2:VALOR "60000"
answer Cerrar
show ?A2:ALICUOTA
focus ?A2:IMPUESTO
show ?A2:IMPUESTO
choose ?A2:INCISO "l"
focus ?A2:ALICUOTA
answer Cerrar
show ?A2:ALICUOTA
choose ?A2:INCISO "e"
focus ?A2:ALICUOTA
answer Cerrar
show ?A2:ALICUOTA
show ?A2:IMPUESTO
type ?A2:ALICUOTA "0.50"
show ?A2:IMPUESTO
show ?A2:ALICUOTA
focus ?A2:IMPUESTO
show ?A2:IMPUESTO
# Without a date no rate row applies either.
choose ?A2:INCISO "b"
type ?A2:FECHA_DOCUMENTO ""
focus ?A2:ALICUOTA
answer Cerrar
show ?A2:ALICUOTA
close
answer No
show windows
