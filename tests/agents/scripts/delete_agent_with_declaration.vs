# The working directory holds a declaration of agent 1/23.45.678: deleting
# the agent is refused (30) and the form asks question 33 once (Yes tries
# again, No closes the form, Cancel stays on it).
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
press ?OK
start AGENTES:FICHA delete
press ?OK
answer Ok
answer Cancel
show window
press ?OK
answer Ok
answer Yes
answer Ok
answer No
show windows
# The agent is still there: adding it again is a duplicate.
start AGENTES:FICHA insert
type ?AGE:NRO_AGENTE "12345678"
press ?OK
answer Ok
close
answer No
show windows
