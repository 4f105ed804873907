# Native builds use the installed GoogleTest; the cross build compiles the
# sources that Debian's googletest package ships.
if(CMAKE_CROSSCOMPILING)
    set(VX_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(${VX_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# One test executable per suite; under Wine the tests are not discovered at
# build time, so each executable is one CTest test.
function(vx_add_test name)
    add_executable(${name} ${ARGN})
    if(CMAKE_CROSSCOMPILING)
        # Unicode programs start at wmain, which GoogleTest's main is not.
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/win32/gtest_wmain.cpp)
        target_link_libraries(${name} PRIVATE GTest::gtest vx_warnings)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main vx_warnings)
    endif()
    target_compile_definitions(${name} PRIVATE VX_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${name} COMMAND ${name})
    else()
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
    endif()
endfunction()
