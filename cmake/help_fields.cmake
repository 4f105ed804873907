# help_fields: the program that makes the help's field table from the field
# catalogue (scripts/help_fields.cpp). It runs on the build machine: natively
# it is a target of this build (and tested there); in the cross build the
# host's compiler builds it from the few portable sources it needs.
#
# Sets VX_HELP_FIELDS_PROGRAM, the program to run, and a target help_fields
# that builds it.
include(${CMAKE_CURRENT_LIST_DIR}/host_program.cmake)
if(CMAKE_CROSSCOMPILING)
    set(help_fields_sources
        ${PROJECT_SOURCE_DIR}/scripts/help_fields.cpp
        ${PROJECT_SOURCE_DIR}/settings/codepage.cpp
        ${PROJECT_SOURCE_DIR}/settings/driver_font_keys.cpp
        ${PROJECT_SOURCE_DIR}/settings/field_catalogue.cpp
        ${PROJECT_SOURCE_DIR}/settings/field_values.cpp
        ${PROJECT_SOURCE_DIR}/settings/font_names.cpp
        ${PROJECT_SOURCE_DIR}/settings/font_type_numbers.cpp
        ${PROJECT_SOURCE_DIR}/settings/leading_integer.cpp
        ${PROJECT_SOURCE_DIR}/settings/settings_store.cpp
        # The host's code page layer.
        ${PROJECT_SOURCE_DIR}/settings/posix/codepage_posix.cpp)
    # Rebuilt when the catalogue or any header of the settings changes.
    file(GLOB help_fields_headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/settings/*.h)
    vx_host_program(help_fields SOURCES ${help_fields_sources} DEPENDS ${help_fields_headers})
    set(VX_HELP_FIELDS_PROGRAM ${PROJECT_BINARY_DIR}/host/help_fields)
    add_custom_target(help_fields DEPENDS ${VX_HELP_FIELDS_PROGRAM})
else()
    add_executable(help_fields ${PROJECT_SOURCE_DIR}/scripts/help_fields.cpp)
    target_link_libraries(help_fields PRIVATE vx_settings vx_warnings)
    set(VX_HELP_FIELDS_PROGRAM $<TARGET_FILE:help_fields>)
endif()
