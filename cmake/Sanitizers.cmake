# The sanitizer test build: every program, tool and test with AddressSanitizer and
# UndefinedBehaviorSanitizer; the first report of either ends the program with a failure.
#   cmake -S . -B build-asan -G Ninja -DSKYRUN_SANITIZE=ON
# Benchmarks are left out (they measure nothing useful here). cardwright and its Qt tests
# are kept: Qt runs fine under ASan (uninstrumented, but every call into it from our code is
# checked); only leaks inside the system libraries below it are suppressed, by library name.
option(SKYRUN_SANITIZE "Build programs and tests with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(NOT SKYRUN_SANITIZE)
    return()
endif()
if(SKYRUN_FUZZ)
    message(FATAL_ERROR "SKYRUN_SANITIZE and SKYRUN_FUZZ are separate builds")
endif()

set(SKYRUN_SANITIZER_FLAGS
    -fsanitize=address,undefined
    -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
add_compile_options(${SKYRUN_SANITIZER_FLAGS})
add_link_options(-fsanitize=address,undefined)
# -Og with line tables only: reports still name every function, file and line, and the
# build takes about 40% less time than at -O1 with full debug information (the tests need
# no speed, and this build is the longest step of ./check).
set(CMAKE_C_FLAGS_RELWITHDEBINFO "-Og -g1 -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELWITHDEBINFO "-Og -g1 -DNDEBUG")

# The runtime options and the leak suppressions are compiled into every program (an object
# linked into each target), so they hold wherever the program runs: in the build, in CTest,
# by hand. Environment variables (ASAN_OPTIONS ...) still add to them.
set(SKYRUN_LSAN_FILE ${CMAKE_CURRENT_LIST_DIR}/lsan.supp)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${SKYRUN_LSAN_FILE})
file(STRINGS ${SKYRUN_LSAN_FILE} suppression_lines REGEX "^[^#]")
list(JOIN suppression_lines "\\n" SKYRUN_LSAN_SUPPRESSIONS)
configure_file(${CMAKE_CURRENT_LIST_DIR}/SanitizerDefaults.c.in ${CMAKE_BINARY_DIR}/SanitizerDefaults.c @ONLY)
add_library(sanitizerdefaults OBJECT ${CMAKE_BINARY_DIR}/SanitizerDefaults.c)
set_target_properties(sanitizerdefaults PROPERTIES POSITION_INDEPENDENT_CODE ON)
link_libraries(sanitizerdefaults)
