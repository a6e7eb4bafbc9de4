# Letters typed into the digit templates are refused; the digits stay.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12ab34"
show ?AGE:NRO_AGENTE
type ?AGE:NRO_CUIT "2x0-1234y5678-6"
show ?AGE:NRO_CUIT
press ?OK
start AGENTES:FICHA change
show ?AGE:NRO_AGENTE
show ?AGE:NRO_CUIT
press "Cancelar"
