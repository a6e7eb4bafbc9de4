# vorda_ui_script_test(<name> [STATUS n] [SETUP file AS name] [SEED command...]
#                      [EXPECT_FILE name])
# Registers a CTest test that replays scripts/<name>.vs through `vorda
# --script` in a fresh working directory and diffs the transcript against
# scripts/<name>.out.
set(VORDA_UI_SCRIPT_DRIVER ${CMAKE_CURRENT_LIST_DIR}/run_ui_script.cmake)

function(vorda_ui_script_test name)
  cmake_parse_arguments(ARG "" "STATUS;SETUP;AS;EXPECT_FILE" "SEED" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR}/scripts)
  set(args -DVORDA=$<TARGET_FILE:vorda> -DSCRIPT=${dir}/${name}.vs
           -DEXPECTED=${dir}/${name}.out
           -DWORKDIR=${CMAKE_CURRENT_BINARY_DIR}/work/${name})
  if(DEFINED ARG_STATUS)
    list(APPEND args -DSTATUS=${ARG_STATUS})
  endif()
  if(ARG_SETUP)
    list(APPEND args -DSETUP=${dir}/${ARG_SETUP} -DSETUP_AS=${ARG_AS})
  endif()
  if(ARG_SEED)
    list(JOIN ARG_SEED " " seed)
    list(APPEND args "-DSEED=${seed}")
  endif()
  if(ARG_EXPECT_FILE)
    list(APPEND args -DEXPECT_FILE=${ARG_EXPECT_FILE})
  endif()
  add_test(NAME ui_script.${name}
           COMMAND ${CMAKE_COMMAND} ${args} -P ${VORDA_UI_SCRIPT_DRIVER})
  set_tests_properties(ui_script.${name} PROPERTIES TIMEOUT 60)
endfunction()
