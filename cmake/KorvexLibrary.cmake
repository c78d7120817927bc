# korvex_library(NAME SOURCES ... LINKS ...)
# A static library of the program's core whose headers are included as "folder/Header.h"
# relative to src/.
function(korvex_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_BINARY_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()

# korvex_test(NAME [MAIN main.cpp] [LABELS ...] SOURCES ... LINKS ...)
# A GoogleTest program whose tests ctest discovers one by one, each with the given labels (tests
# that call slow outside programs such as LibreOffice carry "oracle"). Without MAIN it runs inside a
# QCoreApplication. Widget test mains choose Qt's offscreen platform when none is set.
function(korvex_test name)
    cmake_parse_arguments(ARG "" "MAIN" "SOURCES;LINKS;LABELS" ${ARGN})
    if(NOT ARG_MAIN)
        set(ARG_MAIN ${PROJECT_SOURCE_DIR}/tests/support/CoreTestMain.cpp)
    endif()
    add_executable(${name} ${ARG_MAIN} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LINKS} korvex_test_support GTest::gtest)
    if(ARG_LABELS)
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS "${ARG_LABELS}")
    else()
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
    endif()
endfunction()
