# A clerk adds a declaration for an agent of the register: a new form shows
# presentation "00" ("Original") and cannot reach the annexes; the month,
# year and presentation are completed as typed; the list then shows it.
menu "&Tablas" "Declaraciones Juradas"
press "&Agregar"
show window
show ?DDJ:PRESENTACION
show ?DETALLEPRESENTACION
show enabled ?ANEXOI
show enabled ?ANEXOII
show enabled ?ANEXOIII
type ?DDJ:NRO_AGENTE "2/00.00.001"
show ?AGE:DENOMINACION
type ?DDJ:MES "5"
show ?DDJ:MES
type ?DDJ:AÑO "5"
show ?DDJ:AÑO
type ?DDJ:PRESENTACION "1"
show ?DDJ:PRESENTACION
show ?DETALLEPRESENTACION
type ?DDJ:INCISO_A "1234.5"
choose ?CurrentTab "DDJJ (cont.)"
type ?DDJ:INCISO_N "10"
press ?OK
show windows
show list ?BROWSE:1
# Opened again, the declaration keeps its key and reaches its annexes.
press "&Modificar"
show window
show ?DDJ:INCISO_A
show ?DDJ:INCISO_N
show enabled ?DDJ:NRO_AGENTE
show enabled ?DDJ:MES
show enabled ?DDJ:AÑO
show enabled ?DDJ:PRESENTACION
show enabled ?ANEXOI
show enabled ?ANEXOII
press ?CANCEL
show windows
