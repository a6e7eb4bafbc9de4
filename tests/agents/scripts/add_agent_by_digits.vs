# Adding an agent: digits typed into the number and CUIT templates.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
show ?AGE:NRO_AGENTE
type ?AGE:NRO_CUIT "20123456786"
show ?AGE:NRO_CUIT
type ?AGE:DENOMINACION "Banco del Vespra"
type ?AGE:LOCALIDAD "Tolmas"
press ?OK
show windows
# After the save the current record is the saved agent.
start AGENTES:FICHA change
show window
show ?AGE:NRO_AGENTE
show ?AGE:NRO_CUIT
show ?AGE:DENOMINACION
show ?AGE:LOCALIDAD
press "Cancelar"
# A blank CUIT is accepted without a message.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "2"
type ?AGE:NRO_CUIT ""
press ?OK
show windows
