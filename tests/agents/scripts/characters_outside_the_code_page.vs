# Characters a stored text cannot hold are refused as they are typed, as
# letters are in digit pictures: what the entry shows is what is stored.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "1"
type ?AGE:DENOMINACION "Banco😀 電話Sur ñú€"
show ?AGE:DENOMINACION
press ?OK
start AGENTES:FICHA change
show ?AGE:DENOMINACION
press "Cancelar"
