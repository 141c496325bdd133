# Precompiled headers. Every translation unit parses the Windows headers, and every test
# source GoogleTest's as well, which costs seconds a file: they are compiled once into two
# headers, one for the programs and libraries and one for the test programs and their
# support libraries, and every target reuses one of them. All targets share the root's
# compile definitions and options, which the headers are built with; a library's own
# macros (a DLL's export macro) are not used by these headers, so GCC accepts the shared
# header for it too, and -Winvalid-pch, which CMake adds, reports a header GCC rejects.
# The headers' dependency files bring the precompiled headers up to date when a header
# they include changes.
set(VELL_PCH_HEADERS <winsock2.h> <windows.h> <commctrl.h> <algorithm> <functional> <map> <memory> <string> <vector>)
set(VELL_TEST_PCH_HEADERS ${VELL_PCH_HEADERS} <gtest/gtest.h>)

set(_vell_pch_source ${CMAKE_BINARY_DIR}/vell_pch.cpp)
file(CONFIGURE OUTPUT ${_vell_pch_source} CONTENT "// Compiles the precompiled headers of the project.\n")

# Adds HOST, a target that only builds the precompiled header of HEADERS for others.
function(_vell_add_pch_host host)
    add_library(${host} OBJECT ${_vell_pch_source})
    target_precompile_headers(${host} PRIVATE ${ARGN})
endfunction()

# Appends to OUT every build target defined in DIR and the folders below it.
function(_vell_collect_targets dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(sub ${subdirs})
        _vell_collect_targets(${sub} below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Sets OUT to TRUE when TARGET links GoogleTest, itself or through the libraries it links
# (static libraries may link each other in a circle: each is looked at once).
function(_vell_links_gtest target out)
    set(pending ${target})
    set(seen "")
    while(pending)
        list(POP_FRONT pending current)
        get_target_property(libs ${current} LINK_LIBRARIES)
        foreach(lib ${libs})
            if(lib STREQUAL "gtest")
                set(${out} TRUE PARENT_SCOPE)
                return()
            elseif(TARGET ${lib} AND NOT lib IN_LIST seen)
                list(APPEND seen ${lib})
                list(APPEND pending ${lib})
            endif()
        endforeach()
    endwhile()
    set(${out} FALSE PARENT_SCOPE)
endfunction()

# Lets every C++ target of the project reuse one of the two precompiled headers.
function(vell_precompile_targets)
    _vell_collect_targets(${CMAKE_SOURCE_DIR} targets)
    _vell_add_pch_host(vell_pch ${VELL_PCH_HEADERS})
    if(TARGET gtest)
        _vell_add_pch_host(vell_test_pch ${VELL_TEST_PCH_HEADERS})
        target_link_libraries(vell_test_pch PRIVATE gtest)
    endif()
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        get_target_property(sources ${target} SOURCES)
        if(type MATCHES "^(INTERFACE_LIBRARY|UTILITY)$" OR NOT sources MATCHES "\\.(cpp|cc)(;|$)"
           OR target MATCHES "^(gtest|gtest_main)$")
            continue()
        endif()
        _vell_links_gtest(${target} testing)
        if(testing)
            target_precompile_headers(${target} REUSE_FROM vell_test_pch)
        else()
            target_precompile_headers(${target} REUSE_FROM vell_pch)
        endif()
    endforeach()
endfunction()
