# From the declaration list: "Importar Anexo II" loads the file into the
# declaration highlighted, and its lines appear in the declaration form's
# Annex II list; "Importar Anexo III" likewise.
menu "&Tablas" "Declaraciones Juradas"
press "Importar Anexo II"
show window
type ?NOMBRE_ARCHIVO "tres_lineas.txt"
press ?OK
wait 100
answer Cerrar
press "Importar Anexo III"
show window
type ?NOMBRE_ARCHIVO "anexoiii_centavo.txt"
press ?OK
wait 100
answer Cerrar
press "&Modificar"
choose ?CurrentTab "Anexo II"
show list ?LIST
choose ?CurrentTab "Anexo III"
show list ?LIST:2
