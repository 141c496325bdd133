# Event log: reports, reads and clears the Application log; under Wine through a file
# store of the project's own.
target_sources(common PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CEventLog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IEventLogStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CSystemEventLogStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CFileEventLogStore.cpp)
target_link_libraries(common PUBLIC advapi32 shell32)

# The message table that makes a program the message file of its event source: one
# message, id 1, "%1" and CR LF. The copy gets CR LF line ends whatever the checkout has,
# since the message text keeps the line end of its source line.
set(_vell_mc_dir ${CMAKE_CURRENT_BINARY_DIR}/eventlog_messages)
configure_file(${CMAKE_CURRENT_LIST_DIR}/EventLogMessages.mc ${_vell_mc_dir}/EventLogMessages.mc
    @ONLY NEWLINE_STYLE CRLF)
set(VELL_EVENTLOG_MESSAGES_RC ${_vell_mc_dir}/EventLogMessages.rc
    CACHE INTERNAL "The compiled message table of programs that report to the event log")
add_custom_command(
    OUTPUT ${VELL_EVENTLOG_MESSAGES_RC} ${_vell_mc_dir}/EventLogMessages_MSG00409.bin
    COMMAND ${CMAKE_MC_COMPILER} -U -b -h ${_vell_mc_dir} -r ${_vell_mc_dir} ${_vell_mc_dir}/EventLogMessages.mc
    DEPENDS ${_vell_mc_dir}/EventLogMessages.mc
    VERBATIM)
add_custom_target(eventlog_messages DEPENDS ${VELL_EVENTLOG_MESSAGES_RC})

# vell_add_event_messages(target): compiles the message table into a program that reports.
function(vell_add_event_messages target)
    target_sources(${target} PRIVATE ${VELL_EVENTLOG_MESSAGES_RC})
    add_dependencies(${target} eventlog_messages)
endfunction()

vell_add_test(eventlog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CEventLogTest.cpp
    LIBS common shell32)
if(TARGET eventlog_tests)
    vell_add_event_messages(eventlog_tests)
endif()
