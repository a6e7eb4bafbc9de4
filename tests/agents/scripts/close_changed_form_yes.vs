# Closing a changed form asks error 35; Yes saves the agent.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
close
answer Yes
show windows
# It was saved: the same number is now a duplicate.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
press ?OK
answer Ok
close
answer No
show windows
