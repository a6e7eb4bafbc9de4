# A declaration form waits on the first list's thread while an agent list
# and a second declaration list move through their tables on threads of
# their own: "Aceptar" saves the form's own declaration and nothing else.
menu "&Tablas" "Declaraciones Juradas"
key ?BROWSE:1 Down
press "&Modificar"
show window
show ?DDJ:NRO_AGENTE
show ?DDJ:MES
show ?DDJ:PRESENTACION
menu "&Tablas" "Agentes"
key ?BROWSE:1 End
show ?BROWSE:1
menu "&Tablas" "Declaraciones Juradas"
key ?BROWSE:1 End
show ?BROWSE:1
choose ?CURRENTTAB "Por Agente"
key ?BROWSE:1 Home
show ?BROWSE:1
type ?DDJ:INCISO_A "123.45"
press ?OK
show windows
# The second list (active again) reads every declaration: only the form's
# own has the amount typed into it.
choose ?CURRENTTAB "Por Nº de DDJJ"
key ?BROWSE:1 Home
press "&Modificar"
show ?DDJ:MES
show ?DDJ:INCISO_A
press "Cancelar"
key ?BROWSE:1 Down
press "&Modificar"
show ?DDJ:MES
show ?DDJ:INCISO_A
press "Cancelar"
key ?BROWSE:1 Down
press "&Modificar"
show ?DDJ:MES
show ?DDJ:PRESENTACION
show ?DDJ:INCISO_A
press "Cancelar"
key ?BROWSE:1 End
press "&Modificar"
show ?DDJ:NRO_AGENTE
show ?DDJ:INCISO_A
press "Cancelar"
show windows
