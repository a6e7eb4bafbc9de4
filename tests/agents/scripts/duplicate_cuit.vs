# A second agent with the same CUIT, then with the same number, is refused
# and the form stays open on the record.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
type ?AGE:NRO_CUIT "20123456786"
press ?OK
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "87654321"
type ?AGE:NRO_CUIT "20123456786"
press ?OK
answer Ok
show window
show ?AGE:NRO_AGENTE
type ?AGE:NRO_AGENTE "12345678"
type ?AGE:NRO_CUIT "20000000001"
press ?OK
answer Ok
show window
type ?AGE:NRO_AGENTE "87654321"
press ?OK
show windows
