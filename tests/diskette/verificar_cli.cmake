# `vorda --verificar` on the file a run of the program has just written, on a
# file that is not a presentation file and on a missing one.
#
#   cmake -DVORDA=<vorda> -DSEED=<seed_presentation> -DSCRIPT=<drive B script>
#         -DWORKDIR=<dir> -P verificar_cli.cmake
file(REMOVE_RECURSE "${WORKDIR}")
file(MAKE_DIRECTORY "${WORKDIR}")
execute_process(COMMAND "${SEED}" 2 WORKING_DIRECTORY "${WORKDIR}" RESULT_VARIABLE status)
execute_process(COMMAND "${VORDA}" --script "${SCRIPT}" WORKING_DIRECTORY "${WORKDIR}"
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "writing the presentation file failed: ${status}")
endif()

function(verify file expected_status expected_output)
  execute_process(COMMAND "${VORDA}" --verificar "${file}" WORKING_DIRECTORY "${WORKDIR}"
                  OUTPUT_VARIABLE out RESULT_VARIABLE status)
  if(NOT status EQUAL expected_status OR NOT out MATCHES "${expected_output}")
    message(FATAL_ERROR "vorda --verificar ${file}: status ${status}, output:\n${out}")
  endif()
endfunction()

verify(unidad_b/DJ200103.DAT 0
  "^6 REGISTROS: 1 DE TIPO 1, 1 DE TIPO 2, 1 DE TIPO 3, 1 DE TIPO 4, 2 DE TIPO 5, 0 DE TIPO 6\n$")
verify(vorda.INI 1 "^NO SE PUDO LEER EL ARCHIVO vorda.INI: ")
verify(no_existe.DAT 1 "^NO EXISTE EL ARCHIVO no_existe.DAT\n$")
if(EXISTS "${WORKDIR}/unidad_b/DJ200103.DAT.lck" OR EXISTS "${WORKDIR}/vorda.INI.lck")
  message(FATAL_ERROR "the check left a lock file behind")
endif()
