# vx_host_program(NAME SOURCES file... [DEPENDS file...]): in the cross build,
# builds NAME with the build machine's compiler into
# ${PROJECT_BINARY_DIR}/host/NAME, for programs that run during the build;
# rebuilt when a source or one of DEPENDS changes.
function(vx_host_program name)
    cmake_parse_arguments(arg "" "" "SOURCES;DEPENDS" ${ARGN})
    find_program(VX_HOST_CXX NAMES c++ g++ REQUIRED
                 DOC "The build machine's C++ compiler, for programs that run during the build")
    set(program ${PROJECT_BINARY_DIR}/host/${name})
    add_custom_command(
        OUTPUT ${program}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/host
        COMMAND ${VX_HOST_CXX} -std=c++20 -I${PROJECT_SOURCE_DIR} ${arg_SOURCES} -o ${program}
        DEPENDS ${arg_SOURCES} ${arg_DEPENDS}
        COMMENT "Building ${name} for the build machine"
        VERBATIM)
endfunction()
