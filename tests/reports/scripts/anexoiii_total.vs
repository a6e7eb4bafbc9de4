# Annex III lines of 60000.00 and 100.00 (below $50,000 is normal here):
# the total of the value column is 60.100,00.
set AGENTE_PERIODO "1/23.45.67820050500"
start IMPRIMIR_ANEXOIII
wait 1
show page
preview close
