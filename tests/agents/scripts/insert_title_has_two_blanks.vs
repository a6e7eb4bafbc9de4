# The insert title has two blanks between "un" and "Agente"; an unchanged
# form closes without a question.
start AGENTES:FICHA insert
show window
show "General"
press "Cancelar"
show windows
