# A second declaration of the same agent, period and presentation is refused
# with the duplicate-key message naming "Por Nº de DDJJ"; the form stays open
# with what was typed, and storing it as a rectifying one succeeds.
menu "&Tablas" "Declaraciones Juradas"
press "&Agregar"
type ?DDJ:NRO_AGENTE "1/23.45.678"
type ?DDJ:MES "3"
type ?DDJ:AÑO "2001"
type ?DDJ:INCISO_B "250"
press ?OK
answer Ok
show windows
show ?DDJ:INCISO_B
show ?DDJ:PRESENTACION
type ?DDJ:PRESENTACION "1"
press ?OK
show windows
show list ?BROWSE:1
press "&Modificar"
show ?DDJ:INCISO_B
press ?CANCEL
