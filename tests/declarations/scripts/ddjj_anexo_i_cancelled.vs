# A declaration without an Annex I whose Annex I form is cancelled keeps its
# inciso H as it was, and no Annex I record is stored.
start DDJJ:FICHA insert
type ?DDJ:NRO_AGENTE "1/23.45.678"
type ?DDJ:MES "4"
type ?DDJ:AÑO "2001"
press ?OK
start DDJJ:FICHA change
choose ?CurrentTab "DDJJ (cont.)"
type ?DDJ:INCISO_H "77"
press ?ANEXOI
show window
type ?A1:TARJETA_1 "5"
press ?CANCEL
answer No
show window
show ?DDJ:INCISO_H
press ?ANEXOI
show ?A1:TARJETA_1
press ?CANCEL
show ?DDJ:INCISO_H
press ?OK
start DDJJ:FICHA change
choose ?CurrentTab "DDJJ (cont.)"
show ?DDJ:INCISO_H
press ?CANCEL
# A new form after that starts from a cleared record.
start DDJJ:FICHA insert
show ?DDJ:NRO_AGENTE
show ?DDJ:MES
show ?DDJ:PRESENTACION
close
show windows
