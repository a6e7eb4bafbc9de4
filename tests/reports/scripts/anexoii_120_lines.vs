# 120 Annex II lines take three pages, each with the header and the
# signature lines; the total follows the last line. The page spin, the zoom
# list and the status bar follow the user.
set AGENTE_PERIODO "1/23.45.67820050500"
start IMPRIMIR_ANEXOII
wait 1
show ?Page
show page
preview page 3
show ?Page
show page
preview page 4
show ?Page
preview zoom -2
show ?ZoomList
preview zoom 150
show ?ZoomList
preview close
