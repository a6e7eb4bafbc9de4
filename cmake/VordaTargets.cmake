# Helpers shared by every layer: warnings as errors on our own code and the
# optional sanitizer build.

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

# vorda_library(<name> SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
function(vorda_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  vorda_warnings(${name})
endfunction()

# vorda_test(<name> SOURCES ... LIBS ...) - one GoogleTest executable, run by CTest.
function(vorda_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  vorda_warnings(${name})
  include(GoogleTest)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT ${ARG_TIMEOUT})
endfunction()
