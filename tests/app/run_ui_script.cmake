# Runs one UI script through the real program and compares its transcript.
#
#   cmake -DVORDA=<vorda> -DSCRIPT=<file.vs> -DEXPECTED=<file.out> -DWORKDIR=<dir>
#         [-DSTATUS=<exit status, default 0>] [-DSETUP=<file to copy in>]
#         [-DSETUP_AS=<its name there>] [-DSEED=<command run there first>]
#         [-DEXPECT_FILE=<file that must exist afterwards>]
#         -P run_ui_script.cmake
#
# WORKDIR is emptied first, so every script starts from a fresh working
# directory: no tables, no vorda.INI unless SETUP or SEED puts them there.
file(REMOVE_RECURSE "${WORKDIR}")
file(MAKE_DIRECTORY "${WORKDIR}")
if(SETUP)
  file(COPY_FILE "${SETUP}" "${WORKDIR}/${SETUP_AS}")
endif()
if(SEED)
  separate_arguments(seed_command UNIX_COMMAND "${SEED}")
  execute_process(COMMAND ${seed_command} WORKING_DIRECTORY "${WORKDIR}"
                  RESULT_VARIABLE seed_status)
  if(NOT seed_status EQUAL 0)
    message(FATAL_ERROR "seeding the working directory failed: ${seed_status}")
  endif()
endif()
if(NOT DEFINED STATUS)
  set(STATUS 0)
endif()

execute_process(COMMAND "${VORDA}" --script "${SCRIPT}"
                WORKING_DIRECTORY "${WORKDIR}"
                OUTPUT_VARIABLE transcript
                ERROR_VARIABLE errors
                RESULT_VARIABLE status)
file(WRITE "${WORKDIR}/transcript.out" "${transcript}")
file(READ "${EXPECTED}" expected)

if(NOT transcript STREQUAL expected)
  message(FATAL_ERROR "transcript differs from ${EXPECTED}\n--- got:\n${transcript}\n"
                      "--- expected:\n${expected}\n--- stderr:\n${errors}")
endif()
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${errors}")
endif()
if(EXPECT_FILE AND NOT EXISTS "${WORKDIR}/${EXPECT_FILE}")
  message(FATAL_ERROR "${EXPECT_FILE} was not written")
endif()
