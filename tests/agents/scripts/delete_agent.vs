# A delete shows the agent; "Cancelar" keeps it, "Aceptar" deletes it.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
type ?AGE:DENOMINACION "Banco del Vespra"
press ?OK
start AGENTES:FICHA delete
show window
show ?AGE:NRO_AGENTE
show ?AGE:DENOMINACION
press "Cancelar"
show windows
start AGENTES:FICHA delete
press ?OK
show windows
# It is gone: the same number can be added again.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
press ?OK
show windows
