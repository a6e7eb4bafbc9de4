# The period and the presentation as typed. Month: the spin takes 1 to 12
# (typed or stepped), "5" becomes "05". Year: one or two digits are a year of
# this century, a year below 2000 is refused with a message, letters are not
# taken. Presentation: kept with two digits; "00" is the original.
start DDJJ:FICHA insert
type ?DDJ:MES "13"
show ?DDJ:MES
type ?DDJ:MES "0"
show ?DDJ:MES
type ?DDJ:MES "x"
show ?DDJ:MES
type ?DDJ:MES "12"
show ?DDJ:MES
key ?DDJ:MES Up
show ?DDJ:MES
type ?DDJ:MES "5"
show ?DDJ:MES
type ?DDJ:MES "05"
show ?DDJ:MES
type ?DDJ:AÑO "1999"
answer Cerrar
show ?DDJ:AÑO
type ?DDJ:AÑO "99"
show ?DDJ:AÑO
type ?DDJ:AÑO "5"
show ?DDJ:AÑO
type ?DDJ:AÑO "20a1"
answer Cerrar
show ?DDJ:AÑO
type ?DDJ:AÑO "2000"
show ?DDJ:AÑO
type ?DDJ:PRESENTACION "-1"
show ?DDJ:PRESENTACION
show ?DETALLEPRESENTACION
type ?DDJ:PRESENTACION "00"
show ?DETALLEPRESENTACION
type ?DDJ:PRESENTACION "2"
show ?DDJ:PRESENTACION
show ?DETALLEPRESENTACION
# A blank year is not taken for 2000.
type ?DDJ:AÑO ""
answer Cerrar
close
answer No
show windows
