# How every target of VORDA is declared, and how the build keeps the layers
# apart.
#
# Layers. Each target belongs to a layer folder (platform/types, framework,
# data, agents, tests/framework ...). Code includes the project's headers by
# their path from the repository root ("framework/filemanager.h"), but the
# repository root is on no include path. Each target gets an include root of
# its own in the build tree, layers/<target>/, holding a link to each header
# of its folder (not of its subfolders: those are layers of their own). A
# target therefore sees its own headers and those of the libraries it links:
# a PUBLIC link passes the linked library's headers on to whoever links this
# one, a PRIVATE link does not. Including a header of a layer the target does
# not link (an upward or sideways include) fails to compile:
#
#   fatal error: framework/filemanager.h: No such file or directory
#
# Link PUBLIC what the target's headers include, PRIVATE what only its
# sources include.
#
# Functions (LAYER defaults to the folder of the calling CMakeLists.txt):
#
#   vorda_library(<name> [LAYER <folder>] SOURCES <file>...
#                 [HEADERS <file>...] [PUBLIC_LIBS <lib>...] [PRIVATE_LIBS <lib>...])
#       A static library of the layer. Without HEADERS it owns every header
#       of the folder that an earlier library of the same folder did not
#       list; two libraries share a folder only when the first lists its
#       HEADERS (platform/store: the driver-file contract and the SQLite
#       driver).
#
#   vorda_test(<name> [LAYER <folder>] SOURCES <file>... LIBS <lib>...
#              [TIMEOUT <seconds>] [ENVIRONMENT <VAR=value>...])
#       A GoogleTest executable whose tests CTest runs (default timeout 300 s).
#       It sees the headers of its folder (fixtures) and of what it links.
#
#   vorda_executable(<name> [LAYER <folder>] SOURCES <file>... LIBS <lib>...)
#       Any other program: the program itself, the build's tools, the
#       benchmarks, the seed programs of the end-to-end tests.
#
# Every target compiles with -Wall -Wextra -Wpedantic -Werror.

if(VORDA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  # The instrumentation makes GCC 12 report variants of std::string as maybe
  # uninitialized where they are not; the normal build keeps the warning.
  add_compile_options(-Wno-maybe-uninitialized)
endif()

if(VORDA_FUZZ)
  # What the fuzz targets link is instrumented for libFuzzer's coverage and
  # checked by the sanitizers (clang only).
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# vorda_warnings(<target>) - our code compiles cleanly under strict warnings.
function(vorda_warnings target)
  # GCC 12 gives false -Wrestrict warnings on string concatenation at -O2.
  # The fuzz build (clang) warns where GCC does not; it is for finding
  # crashes, so its warnings stay warnings.
  if(VORDA_FUZZ)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unknown-warning-option)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror -Wno-restrict)
  endif()
endfunction()

# The layer folder of a target: LAYER when given, else the calling folder.
function(_vorda_layer_folder out layer)
  if(NOT layer)
    file(RELATIVE_PATH layer ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  if(NOT IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${layer})
    message(FATAL_ERROR "Layer folder ${layer} does not exist")
  endif()
  set(${out} ${layer} PARENT_SCOPE)
endfunction()

# The headers of `layer` a target owns: `listed` when given, else every
# header of the folder not owned by an earlier library (when `claim` is set,
# the result is recorded as owned).
function(_vorda_layer_headers out layer listed claim)
  set(dir ${PROJECT_SOURCE_DIR}/${layer})
  if(listed)
    set(headers ${listed})
  else()
    file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${dir} ${dir}/*.h)
    get_property(owned GLOBAL PROPERTY VORDA_OWNED_HEADERS_${layer})
    if(owned)
      list(REMOVE_ITEM headers ${owned})
    endif()
  endif()
  if(claim)
    set_property(GLOBAL APPEND PROPERTY VORDA_OWNED_HEADERS_${layer} ${headers})
  endif()
  set(${out} ${headers} PARENT_SCOPE)
endfunction()

# Builds layers/<target>/<layer>/<header> links and puts layers/<target> on
# the target's include path (`scope`: PUBLIC for libraries).
function(_vorda_include_root target layer headers scope)
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${layer})
  foreach(header IN LISTS headers)
    set(source ${PROJECT_SOURCE_DIR}/${layer}/${header})
    if(NOT EXISTS ${source})
      message(FATAL_ERROR "${target}: header ${layer}/${header} does not exist")
    endif()
    file(CREATE_LINK ${source} ${root}/${layer}/${header} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()

function(vorda_library name)
  cmake_parse_arguments(ARG "" "LAYER" "SOURCES;HEADERS;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  _vorda_layer_folder(layer "${ARG_LAYER}")
  _vorda_layer_headers(headers ${layer} "${ARG_HEADERS}" ON)
  add_library(${name} STATIC ${ARG_SOURCES})
  _vorda_include_root(${name} ${layer} "${headers}" PUBLIC)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  vorda_warnings(${name})
endfunction()

function(vorda_executable name)
  cmake_parse_arguments(ARG "" "LAYER" "SOURCES;LIBS" ${ARGN})
  _vorda_layer_folder(layer "${ARG_LAYER}")
  _vorda_layer_headers(headers ${layer} "" OFF)
  add_executable(${name} ${ARG_SOURCES})
  _vorda_include_root(${name} ${layer} "${headers}" PRIVATE)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  vorda_warnings(${name})
endfunction()

function(vorda_test name)
  cmake_parse_arguments(ARG "" "LAYER;TIMEOUT" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  vorda_executable(${name} LAYER "${ARG_LAYER}" SOURCES ${ARG_SOURCES}
                   LIBS ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  include(GoogleTest)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set(properties TIMEOUT ${ARG_TIMEOUT})
  if(ARG_ENVIRONMENT)
    list(APPEND properties ENVIRONMENT "${ARG_ENVIRONMENT}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
endfunction()
