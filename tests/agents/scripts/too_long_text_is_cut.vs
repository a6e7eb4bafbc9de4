# A text longer than its entry is cut to the field's width, and stored so.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "1"
type ?AGE:LOCALIDAD "Villa General Tolmas del Sur"
show ?AGE:LOCALIDAD
type ?AGE:TELEFONO "0351-4123456-789"
show ?AGE:TELEFONO
press ?OK
start AGENTES:FICHA change
show ?AGE:LOCALIDAD
show ?AGE:TELEFONO
press "Cancelar"
