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

# GoogleTest with every assertion counted: every source of a test program
# (and of its helper libraries) includes the counting header first.
set(vx_counted_assertions ${PROJECT_SOURCE_DIR}/tests/support/counted_assertions.h)
add_library(vx_gtest INTERFACE)
target_link_libraries(vx_gtest INTERFACE GTest::gtest)
target_include_directories(vx_gtest INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_options(vx_gtest INTERFACE
    "$<$<COMPILE_LANGUAGE:CXX>:$<IF:$<CXX_COMPILER_ID:MSVC>,/FI,-include>${vx_counted_assertions}>")

# The main of every test program: a test that evaluates no assertion fails,
# and so does a run in which no test ran.
add_library(vx_test_main STATIC ${PROJECT_SOURCE_DIR}/tests/support/test_main.cpp)
target_link_libraries(vx_test_main PUBLIC vx_gtest PRIVATE vx_warnings)

# Each test program writes GoogleTest's XML report of its cases into a folder
# of its own here; scripts/test.sh counts the cases from these reports.
set(VX_TEST_RESULTS_DIR ${CMAKE_BINARY_DIR}/test-results)

# One test executable per suite. Natively each test case is one CTest test;
# under Wine the tests are not discovered at build time, so each executable
# is one CTest test. Either way the CTest tests carry the program's name as
# their label.
function(vx_add_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE vx_test_main vx_warnings)
    target_compile_definitions(${name} PRIVATE VX_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
    if(CMAKE_CROSSCOMPILING)
        # The program runs under Wine: the folder as a Windows path (drive
        # Z: is the Unix root). A folder, so that a program that CTest runs
        # more than once in one test keeps a report of each run.
        add_test(NAME ${name} COMMAND ${name} --gtest_output=xml:Z:${VX_TEST_RESULTS_DIR}/${name}/)
        set_tests_properties(${name} PROPERTIES LABELS ${name})
    else()
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                             XML_OUTPUT_DIR ${VX_TEST_RESULTS_DIR}/${name}
                             PROPERTIES LABELS ${name})
    endif()
endfunction()
