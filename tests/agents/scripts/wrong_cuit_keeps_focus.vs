# A wrong check digit: message, the focus stays on the CUIT entry.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
type ?AGE:NRO_CUIT "20123456787"
answer Ok
type ?AGE:DENOMINACION "Banco"
# "Aceptar" checks every entry again: the wrong CUIT stops the save.
press ?OK
answer Ok
show window
show ?AGE:NRO_CUIT
# A known prefix is required too (21 is none).
type ?AGE:NRO_CUIT "21123456782"
answer Ok
# Remainder 1: the only accepted check digit is 9.
type ?AGE:NRO_CUIT "20100000059"
type ?AGE:NRO_CUIT "20123456786"
press ?OK
show windows
