# "Guardar como PDF..." writes the pages; a folder that does not exist is
# reported and the preview stays open.
set AGENTE_PERIODO "1/23.45.67820050500"
start IMPRIMIR_ANEXOII
wait 1
preview pdf "/no/existe/anexo.pdf"
answer Ok
show window
preview pdf "anexo.pdf"
preview close
