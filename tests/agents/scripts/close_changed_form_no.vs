# Closing a changed form asks error 35; No closes without saving.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
close
answer No
show windows
# Nothing was saved: the same number can be added.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
press ?OK
show windows
