# Ctrl+' and the toolbar's "Valor Previo" bring back the values of the agent
# saved last through the form.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
type ?AGE:LOCALIDAD "Tolmas"
press ?OK
start AGENTES:FICHA insert
show ?AGE:LOCALIDAD
key ?AGE:LOCALIDAD Ctrl+'
show ?AGE:LOCALIDAD
focus ?AGE:NRO_AGENTE
toolbar 2011
show ?AGE:NRO_AGENTE
show ?AGE:DOMICILIO
close
answer No
show windows
