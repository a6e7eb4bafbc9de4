# "Pages to Print" starts at "1-" and the page count; lists that name no real
# page are refused with the reason; "2-3" prints two pages.
set AGENTE_PERIODO "1/23.45.67820050500"
start IMPRIMIR_ANEXOII
wait 1
menu "&File" "Pa&ges to Print..."
show window
show ?PagesToPrint
type ?PagesToPrint "0"
press "&Ok"
answer Ok
type ?PagesToPrint "3-2"
press "&Ok"
answer Ok
type ?PagesToPrint "4"
press "&Ok"
answer Ok
type ?PagesToPrint "a"
press "&Ok"
answer Ok
type ?PagesToPrint "2-3"
press "&Ok"
preview print
show windows
