# event_messages: the program that makes the message table of the event
# log's texts (scripts/event_messages.cpp) from events/event_messages.cpp.
# It runs on the build machine: natively it is a target of this build (and
# tested there); in the cross build the host's compiler builds it.
#
# In the cross build, the target event_message_table makes
# generated/event_messages.bin, which resources/event_messages.rc puts into
# the programs (VX_EVENT_MESSAGES_RC names that script).
set(event_messages_sources ${PROJECT_SOURCE_DIR}/scripts/event_messages.cpp
                           ${PROJECT_SOURCE_DIR}/events/event_messages.cpp)
include(${CMAKE_CURRENT_LIST_DIR}/host_program.cmake)
if(CMAKE_CROSSCOMPILING)
    # With the host's code page layer.
    list(APPEND event_messages_sources ${PROJECT_SOURCE_DIR}/settings/codepage.cpp
         ${PROJECT_SOURCE_DIR}/settings/posix/codepage_posix.cpp)
    set(event_messages_program ${PROJECT_BINARY_DIR}/host/event_messages)
    vx_host_program(event_messages SOURCES ${event_messages_sources}
                    DEPENDS ${PROJECT_SOURCE_DIR}/events/event_messages.h)
    set(VX_EVENT_MESSAGES_BIN ${PROJECT_BINARY_DIR}/generated/event_messages.bin)
    add_custom_command(
        OUTPUT ${VX_EVENT_MESSAGES_BIN}
        COMMAND ${event_messages_program} ${VX_EVENT_MESSAGES_BIN}
        DEPENDS ${event_messages_program}
        COMMENT "Making the event log's message table"
        VERBATIM)
    add_custom_target(event_message_table DEPENDS ${VX_EVENT_MESSAGES_BIN})
    set(VX_EVENT_MESSAGES_RC ${PROJECT_SOURCE_DIR}/resources/event_messages.rc)

    # Puts the message table into a program's resources.
    function(vx_add_event_messages target)
        target_sources(${target} PRIVATE ${VX_EVENT_MESSAGES_RC})
        set_source_files_properties(${VX_EVENT_MESSAGES_RC} PROPERTIES OBJECT_DEPENDS
                                    ${VX_EVENT_MESSAGES_BIN})
        target_link_libraries(${target} PRIVATE vx_version)
        add_dependencies(${target} event_message_table)
    endfunction()
else()
    add_executable(event_messages ${event_messages_sources})
    target_link_libraries(event_messages PRIVATE vx_settings vx_warnings)
endif()
