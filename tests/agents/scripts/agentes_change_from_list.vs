# "&Cambiar" opens the form on the selected agent; a saved new name shows the
# agent in its new place of "Por Denominación", selected.
menu "&Tablas" "Agentes"
choose ?CURRENTTAB "Por Denominación"
choose ?BROWSE:1 "2"
show ?BROWSE:1
press "&Cambiar"
show window
show ?AGE:NRO_AGENTE
show ?AGE:DENOMINACION
type ?AGE:DENOMINACION "Zonda 001"
press ?OK
show windows
show list ?BROWSE:1
# Ctrl+Enter changes as well; the name moves back to the top of the page.
key ?BROWSE:1 Ctrl+Enter
show window
type ?AGE:DENOMINACION "Abasto 001"
press ?OK
show list ?BROWSE:1
