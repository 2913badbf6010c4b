# GoogleTest from Debian's sources, built with the same compiler (cross or native) and flags
# as the project, and a helper that registers a test program with ctest.
include(GoogleTest)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# A test program's own code needs no optimisation: without it GoogleTest and the tests' sources
# (its assertion macros above all) compile in half the time. The code under test, and the
# helpers that benchmarks share, keep the build's flags.
function(kz_unoptimised target)
    target_compile_options(${target} PRIVATE -O0)
endfunction()
kz_unoptimised(gtest)
kz_unoptimised(gtest_main)

# Every test case runs in a process of its own, so process-wide state (the overlay's singleton,
# the engine) starts fresh in each. Discovery happens when ctest runs, so building needs neither
# a display nor Wine.
function(kz_add_test target)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    kz_warnings(${target})
    kz_unoptimised(${target})
    if(WIN32)
        target_link_options(${target} PRIVATE -static)
    endif()
    # PROPERTIES: ctest properties of every test case of the program (a RESOURCE_LOCK, say).
    set(properties)
    if(ARG_PROPERTIES)
        set(properties PROPERTIES ${ARG_PROPERTIES})
    endif()
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} ${properties})
endfunction()
