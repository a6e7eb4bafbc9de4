# Deleting a declaration from the list shows the form with the declaration;
# "Aceptar" removes it together with its Annex I record and its Annex II and
# Annex III lines. The other declaration keeps its own lines.
menu "&Tablas" "Declaraciones Juradas"
show list ?BROWSE:1
press "&Borrar"
show window
show ?DDJ:NRO_AGENTE
show ?DDJ:INCISO_A
show enabled ?DDJ:NRO_AGENTE
press ?OK
show windows
show list ?BROWSE:1
press "&Modificar"
choose ?CurrentTab "Anexo II"
show list ?LIST
choose ?CurrentTab "Anexo III"
show list ?LIST:2
press ?CANCEL
# Added again, the deleted declaration has no lines and no Annex I left.
press "&Agregar"
type ?DDJ:NRO_AGENTE "1/23.45.678"
type ?DDJ:MES "3"
type ?DDJ:AÑO "2001"
press ?OK
press "&Modificar"
choose ?CurrentTab "Anexo II"
show list ?LIST
choose ?CurrentTab "Anexo III"
show list ?LIST:2
choose ?CurrentTab "DDJJ (cont.)"
press ?ANEXOI
show ?A1:TARJETA_1
press ?CANCEL
press ?CANCEL
show windows
