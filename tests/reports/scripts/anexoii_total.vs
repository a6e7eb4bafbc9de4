# Two Annex II lines with tax 1500.00 and 2500.50: "Total:" 4.000,50.
set AGENTE_PERIODO "1/23.45.67820050500"
start IMPRIMIR_ANEXOII
wait 1
show page
preview close
