# GoogleTest built from Debian's sources with the cross compiler; every test program
# runs under Wine in a display slot of its own (a virtual display, a Wine prefix and its
# wineserver, prepared by scripts/test.sh in the build tree), through
# cmake/run-wine-test.sh.
option(VELL_BUILD_TESTS "Build the test programs" ON)
set(VELL_SLOTS_DIR ${CMAKE_BINARY_DIR}/slots CACHE PATH "Display slots of the test runs")

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

# vell_add_test(NAME SOURCES ... LIBS ... [PEERS ...] [CHECK script] [TIMEOUT s]
#               [UNMANAGED_WINDOWS])
# One ctest entry per test program, run by cmake/run-wine-test.sh under Wine in a
# display slot of its own: ctest hands the slots out as the resource "display", so as
# many programs run at once as there are slots, and none shares a desktop, an input
# state, a registry or a prefix's files with another. PEERS names the servers the
# program talks to: smtp, ftp, odbc, printer, audio (see run-wine-test.sh; the printer
# is the one state all slots share: its programs take the lock vell_printer; each
# program has a sound server of its own). CHECK is a script (a path like those of
# SOURCES) that checks what the program left behind once it has passed. TIMEOUT
# (default 300 s) bounds the program; ctest stops the whole entry VELL_TEST_TEARDOWN
# seconds later, which leaves the runner time to start and stop the peers, to report
# the time-out and to clean the slot.
# UNMANAGED_WINDOWS: Wine keeps the program's windows itself (no window manager), so
# hiding or destroying an activated window costs no two-second wait; for programs whose
# windows the code under test activates.
set(VELL_TEST_PEERS smtp ftp odbc printer audio)
set(VELL_TEST_TEARDOWN 60)
function(vell_add_test name)
    if(NOT VELL_BUILD_TESTS)
        return()
    endif()
    cmake_parse_arguments(T "UNMANAGED_WINDOWS" "TIMEOUT;CHECK" "SOURCES;LIBS;PEERS" ${ARGN})
    if(T_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "${name}: unknown arguments of vell_add_test: ${T_UNPARSED_ARGUMENTS}.")
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} testmain)

    set(runner --slots ${VELL_SLOTS_DIR} --timeout ${T_TIMEOUT})
    foreach(peer ${T_PEERS})
        if(NOT peer IN_LIST VELL_TEST_PEERS)
            message(FATAL_ERROR "${name}: unknown peer \"${peer}\" (known: ${VELL_TEST_PEERS}).")
        endif()
        list(APPEND runner --peer ${peer})
    endforeach()
    if(T_UNMANAGED_WINDOWS)
        list(APPEND runner --windows unmanaged)
    endif()
    if(T_CHECK)
        get_filename_component(check ${T_CHECK} ABSOLUTE)
        list(APPEND runner --check ${check})
    endif()
    add_test(NAME ${name}
             COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/run-wine-test.sh ${runner} $<TARGET_FILE:${name}>)
    math(EXPR limit "${T_TIMEOUT} + ${VELL_TEST_TEARDOWN}")
    # 77: the runner skipped the program, as a peer it needs is left out of this run.
    # The longest programs start first (ctest runs the costliest first; without the
    # figures of an earlier run it takes COST), so that none is left to run alone at
    # the end. A program's time-out is a fair measure of its length.
    set_tests_properties(${name} PROPERTIES TIMEOUT ${limit} SKIP_RETURN_CODE 77 RESOURCE_GROUPS display:1
                                            COST ${T_TIMEOUT})
    if("printer" IN_LIST T_PEERS)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK vell_printer)
    endif()
endfunction()
