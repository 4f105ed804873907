# Import libraries whose DLL is loaded at the first call into it rather than
# when the program starts: vx_delay_loaded(TARGET LIBRARY DLL) makes the
# interface target TARGET link a delay-load version of the toolchain's
# libLIBRARY.a for DLL. Under Wine loading the spooler's DLL alone costs
# about 20 ms, which the tool spends on a worker thread instead.
#
# The exports are read from the toolchain's own import library (nm) and
# dlltool writes the delay-load library at configure time; mingw-w64's
# runtime supplies the loader helper.
function(vx_delay_loaded target library dll)
    find_library(vx_import_${library} NAMES lib${library}.a REQUIRED NO_CACHE)
    get_filename_component(prefix ${CMAKE_CXX_COMPILER} NAME)
    string(REGEX REPLACE "g\\+\\+.*$" "" prefix ${prefix})
    find_program(VX_DLLTOOL NAMES ${prefix}dlltool REQUIRED)
    find_program(VX_NM NAMES ${prefix}nm REQUIRED)

    set(dir ${CMAKE_BINARY_DIR}/delay-load)
    set(def ${dir}/${library}.def)
    set(out ${dir}/lib${library}_delayed.a)
    execute_process(COMMAND ${VX_NM} -g ${vx_import_${library}}
                    OUTPUT_VARIABLE symbols ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
    # Every import thunk "I __imp_Name" names one export.
    string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@]+" thunks "${symbols}")
    list(TRANSFORM thunks REPLACE " I __imp_" "")
    list(REMOVE_DUPLICATES thunks)
    list(LENGTH thunks count)
    if(count EQUAL 0)
        message(FATAL_ERROR "no exports found in ${vx_import_${library}}")
    endif()
    list(JOIN thunks "\n" exports)
    file(MAKE_DIRECTORY ${dir})
    file(WRITE ${def} "LIBRARY ${dll}\nEXPORTS\n${exports}\n")
    # dlltool names the library's symbols after the output path it is given:
    # written by a relative name in a folder of its own, the same exports give
    # the same bytes, and the library in use is replaced only when they
    # differ. Otherwise every configure would relink every program.
    file(MAKE_DIRECTORY ${dir}/new)
    execute_process(COMMAND ${VX_DLLTOOL} --input-def ${def} --dllname ${dll}
                            --output-delaylib lib${library}_delayed.a
                    WORKING_DIRECTORY ${dir}/new
                    COMMAND_ERROR_IS_FATAL ANY)
    file(COPY_FILE ${dir}/new/lib${library}_delayed.a ${out} ONLY_IF_DIFFERENT)
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE ${out})
endfunction()
