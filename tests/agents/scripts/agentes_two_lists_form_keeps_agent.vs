# A form open from one list keeps its own agent while a second list moves
# through the register: "Cancelar" on an untouched form asks nothing,
# "Aceptar" saves the agent the form shows, and only it, or deletes it.
menu "&Tablas" "Agentes"
key ?BROWSE:1 PgDn
press "&Cambiar"
show ?AGE:NRO_AGENTE
menu "&Tablas" "Agentes"
choose ?CURRENTTAB "Por Denominación"
key ?BROWSE:1 Down
show ?BROWSE:1
press "Cancelar"
show windows
close
show windows
press "&Cambiar"
menu "&Tablas" "Agentes"
choose ?CURRENTTAB "Por Denominación"
key ?BROWSE:1 Down
type ?AGE:DENOMINACION "Banco Once"
press ?OK
show windows
show list ?BROWSE:1
close
show list ?BROWSE:1
# A delete from the first list removes its own agent, not the other's.
press "&Borrar"
menu "&Tablas" "Agentes"
key ?BROWSE:1 Ctrl+End
show ?BROWSE:1
press ?OK
close
show list ?BROWSE:1
