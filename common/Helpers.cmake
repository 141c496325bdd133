# Memory DC, path and file helpers, system, text and help helpers, the fax client library.
target_sources(common PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CMemoryDC.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PathValidation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PathHelpers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemHelpers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextHelpers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AppHelp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CEmailContentType.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CFaxClientLibrary.cpp)
target_link_libraries(common PUBLIC gdi32 msimg32 shell32)

vell_add_test(helpers_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/CMemoryDCTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PathValidationTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/PathHelpersTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/SystemHelpersTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/TextHelpersTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/AppHelpTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CEmailContentTypeTest.cpp
    LIBS common)

# The help file that the help test opens, compiled with chmcmd (Debian fp-utils) into
# the programs' folder, where ShowHtmlHelp looks for it.
if(TARGET helpers_tests)
    find_program(VELL_CHMCMD chmcmd)
    if(VELL_CHMCMD)
        set(_help_work ${CMAKE_CURRENT_BINARY_DIR}/helpers_tests_help)
        file(MAKE_DIRECTORY ${_help_work})
        add_custom_command(
            OUTPUT ${VELL_BIN_DIR}/helpers_tests.chm
            COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_LIST_DIR}/tests/help ${_help_work}
            COMMAND ${VELL_CHMCMD} --no-html-scan --verbosity 0 helpers_tests.hhp
            COMMAND ${CMAKE_COMMAND} -E copy helpers_tests.chm ${VELL_BIN_DIR}/helpers_tests.chm
            WORKING_DIRECTORY ${_help_work}
            DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tests/help/helpers_tests.hhp ${CMAKE_CURRENT_LIST_DIR}/tests/help/topic.htm
            VERBATIM)
        add_custom_target(helpers_tests_help DEPENDS ${VELL_BIN_DIR}/helpers_tests.chm)
        add_dependencies(helpers_tests helpers_tests_help)
    else()
        message(WARNING "chmcmd (Debian fp-utils) not found: the help test has no help file to open.")
    endif()
endif()
