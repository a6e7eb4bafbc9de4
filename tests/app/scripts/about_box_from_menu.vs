# "Acerca de..." opens the about box; a click, a right click or a double
# click closes it.
wait 500
menu "&Ayuda" "&Acerca de..."
show windows
key "PROVINCIA DEL VESPRA" Click
show windows
menu "&Ayuda" "&Acerca de..."
key "V.O.R.D.A. 2.0" RightClick
show windows
menu "&Ayuda" "&Acerca de..."
key "DIRECCION GENERAL DE TOLMAS" DoubleClick
show windows
# "Agentes" opens the register of agents on a thread of its own.
menu "&Tablas" "Agentes"
show windows
close
# "Declaraciones Juradas" opens the list of declarations the same way.
menu "&Tablas" "Declaraciones Juradas"
show windows
close
show windows
