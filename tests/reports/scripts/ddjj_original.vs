# The declaration form of an original declaration: the agent's block with its
# e-mail cut to 30 characters, the incisos, their total to the cent (0.10 +
# 0.20), the legal texts with their double blanks, the signature captions.
set AGENTE_PERIODO "1/23.45.67820050500"
start IMPRIMIR_DDJJ
show windows
wait 1
show windows
show page
preview close
show windows
