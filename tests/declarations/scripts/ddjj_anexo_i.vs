# "Anexo I" on a declaration without an Annex I: the form opens with eleven
# zero amounts; 100.00 for Cabal and 50.50 for Visa make inciso H 150.50.
# Cancelling the declaration form without saving leaves the stored inciso H
# as it was, while the Annex I record stays stored.
menu "&Tablas" "Declaraciones Juradas"
press "&Modificar"
choose ?CurrentTab "DDJJ (cont.)"
show ?DDJ:INCISO_H
press ?ANEXOI
show window
show ?A1:TARJETA_1
show ?A1:TARJETA_11
type ?A1:TARJETA_1 "100"
type ?A1:TARJETA_8 "50.50"
press ?OK
show window
show ?DDJ:INCISO_H
press ?CANCEL
answer No
show windows
press "&Modificar"
choose ?CurrentTab "DDJJ (cont.)"
show ?DDJ:INCISO_H
press ?ANEXOI
show ?A1:TARJETA_1
show ?A1:TARJETA_8
# A cancelled Annex I form: inciso H is read back from the stored record.
type ?A1:TARJETA_2 "9.50"
press ?CANCEL
answer No
show ?DDJ:INCISO_H
press ?OK
show windows
press "&Modificar"
choose ?CurrentTab "DDJJ (cont.)"
show ?DDJ:INCISO_H
# The stored amounts are shown and a change is written.
press ?ANEXOI
type ?A1:TARJETA_8 "49.50"
press ?OK
show ?DDJ:INCISO_H
press ?OK
press "&Modificar"
choose ?CurrentTab "DDJJ (cont.)"
show ?DDJ:INCISO_H
press ?CANCEL
show windows
