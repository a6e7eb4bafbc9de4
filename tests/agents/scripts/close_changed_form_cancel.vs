# Closing a changed form asks error 35; Cancel keeps the form and its values.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
close
answer Cancel
show window
show ?AGE:NRO_AGENTE
press ?OK
show windows
