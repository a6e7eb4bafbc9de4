# Runs `vorda --pdf` in a fresh working directory and checks the PDF's text.
#
#   cmake -DVORDA=<vorda> -DWORKDIR=<dir> -DSEED=<command> -DAGENT=<nro>
#         -DPERIOD=<aaaammpp> -DEXPECTED=<file> [-DSTATUS=<exit status, 0>]
#         -P run_pdf_test.cmake
#
# EXPECTED holds one check a line: a text the PDF's text must contain (each
# line of `pdftotext -layout` with its runs of blanks made one), "COUNT n
# <text>" for a text that must appear exactly n times, "STDERR <text>" for a
# text standard error must contain. Lines starting with '#' are comments.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORKDIR}")
file(MAKE_DIRECTORY "${WORKDIR}")
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
execute_process(COMMAND "${VORDA}" --pdf out.pdf "${AGENT}" "${PERIOD}"
                WORKING_DIRECTORY "${WORKDIR}"
                ERROR_VARIABLE errors
                RESULT_VARIABLE status)
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${errors}")
endif()
set(text "")
if(EXISTS "${WORKDIR}/out.pdf")
  execute_process(COMMAND pdftotext -layout out.pdf -
                  WORKING_DIRECTORY "${WORKDIR}"
                  OUTPUT_VARIABLE text
                  RESULT_VARIABLE pdf_status)
  if(NOT pdf_status EQUAL 0)
    message(FATAL_ERROR "pdftotext could not read the PDF")
  endif()
  string(REGEX REPLACE "[ ]+" " " text "${text}")
  file(WRITE "${WORKDIR}/out.txt" "${text}")
elseif(STATUS EQUAL 0)
  message(FATAL_ERROR "no PDF was written\n${errors}")
endif()

file(STRINGS "${EXPECTED}" checks ENCODING UTF-8)
set(failures "")
foreach(check IN LISTS checks)
  if(check MATCHES "^#" OR check STREQUAL "")
    continue()
  endif()
  if(check MATCHES "^STDERR (.*)$")
    string(FIND "${errors}" "${CMAKE_MATCH_1}" at)
    if(at EQUAL -1)
      string(APPEND failures "standard error lacks: ${CMAKE_MATCH_1}\n")
    endif()
  elseif(check MATCHES "^COUNT ([0-9]+) (.*)$")
    set(wanted ${CMAKE_MATCH_1})
    set(needle "${CMAKE_MATCH_2}")
    string(LENGTH "${needle}" needle_length)
    set(rest "${text}")
    set(found 0)
    while(TRUE)
      string(FIND "${rest}" "${needle}" at)
      if(at EQUAL -1)
        break()
      endif()
      math(EXPR found "${found} + 1")
      math(EXPR from "${at} + ${needle_length}")
      string(SUBSTRING "${rest}" ${from} -1 rest)
    endwhile()
    if(NOT found EQUAL wanted)
      string(APPEND failures "found ${found} times, expected ${wanted}: ${needle}\n")
    endif()
  else()
    string(FIND "${text}" "${check}" at)
    if(at EQUAL -1)
      string(APPEND failures "the PDF lacks: ${check}\n")
    endif()
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}--- PDF text:\n${text}\n--- stderr:\n${errors}")
endif()
