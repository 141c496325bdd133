# GoogleTest built from Debian's sources with the cross compiler; every test program
# runs under Wine in the build tree's own prefix.
option(VELL_BUILD_TESTS "Build the test programs" ON)
set(VELL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix of the test runs")

set(VELL_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest's source folder (Debian's googletest package)")

if(VELL_BUILD_TESTS)
    if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
        message(FATAL_ERROR "The test programs run under Wine, and wine64 was not found in /usr/lib/wine: "
                            "install Debian's wine64 package, or configure with -DVELL_BUILD_TESTS=OFF.")
    endif()
    if(NOT EXISTS ${VELL_GOOGLETEST_DIR}/CMakeLists.txt)
        message(FATAL_ERROR "GoogleTest's sources were not found in ${VELL_GOOGLETEST_DIR}: install Debian's "
                            "googletest package or set VELL_GOOGLETEST_DIR.")
    endif()
    enable_testing()
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${VELL_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# vell_add_test(NAME SOURCES ... LIBS ... [LOCKS ...] [TIMEOUT s] [RUNNER script])
# One ctest entry per test program. LOCKS names shared state (e.g. the settings
# registry key) that test programs must not touch at the same time. RUNNER is the
# script that starts the program's peers around its run (called as
# "script WINE PROGRAM ARGUMENTS..."); by default cmake/run-wine-test.sh.
function(vell_add_test name)
    if(NOT VELL_BUILD_TESTS)
        return()
    endif()
    cmake_parse_arguments(T "" "TIMEOUT;RUNNER" "SOURCES;LIBS;LOCKS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    if(NOT T_RUNNER)
        set(T_RUNNER ${CMAKE_SOURCE_DIR}/cmake/run-wine-test.sh)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} testmain)
    add_test(NAME ${name}
             COMMAND bash ${T_RUNNER} ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}> --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "WINEPREFIX=${VELL_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=winemenubuilder.exe=d\;winedbg.exe=d\;mscoree=d\;mshtml=d")
    if(T_LOCKS)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${T_LOCKS}")
    endif()
endfunction()
