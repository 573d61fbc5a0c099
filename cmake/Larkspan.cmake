# Helpers every folder uses: warnings as errors on the project's own code, and tests run by CTest.
include(GoogleTest)

function(lk_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# Every test case ends within this many seconds, a hung one fails; listing a program's cases as well.
set(LK_TEST_TIMEOUT 60)

# lk_add_test(name SOURCES a.cpp ... LIBS lib ...): one GoogleTest executable, its cases listed to CTest.
function(lk_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    lk_warnings(${name})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
    target_compile_options(${name} PRIVATE -include ${PROJECT_SOURCE_DIR}/tests/support/qt_printers.h)
    target_compile_definitions(${name} PRIVATE LK_SOURCE_DIR="${PROJECT_SOURCE_DIR}" LK_BINARY_DIR="${PROJECT_BINARY_DIR}")
    # One environment value only: PRE_TEST discovery flattens a list value into the property pairs, which
    # would take the time-out with it.
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT ${LK_TEST_TIMEOUT}
        PROPERTIES TIMEOUT ${LK_TEST_TIMEOUT} ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()

# lk_add_fuzzer(name SOURCES a.cpp ... LIBS lib ...): a coverage-guided fuzzer, only where the compiler has
# libFuzzer (a build folder configured with CC=clang CXX=clang++). The sources are compiled in again,
# instrumented, so they name the code under test itself rather than its library.
function(lk_add_fuzzer name)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        return()
    endif()
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address)
    lk_warnings(${name})
endfunction()

# The program folder (the planner's executable, the class-file template "CLASS.NEW", "LKFormat.dat",
# "reports.mdb") and the built sample courses (course/README.md).
set(LK_PROGRAM_DIR ${PROJECT_BINARY_DIR}/bin)
set(LK_COURSE_DIR ${PROJECT_BINARY_DIR}/course)

# lk_use_sample_courses(target): the target builds after the sample courses and finds them through
# LK_COURSE_DIR and LK_PROGRAM_DIR.
function(lk_use_sample_courses target)
    target_compile_definitions(${target} PRIVATE LK_COURSE_DIR="${LK_COURSE_DIR}" LK_PROGRAM_DIR="${LK_PROGRAM_DIR}")
    add_dependencies(${target} lk_sample_courses)
endfunction()

# lk_program_version(target product): how the target's about box names its program and version
# (LK_PRODUCT_NAME, LK_VERSION_MAJOR, LK_VERSION_MINOR, LK_VERSION_PATCH).
function(lk_program_version target product)
    set(revision ${PROJECT_VERSION_PATCH})
    if(NOT revision)
        set(revision 0)
    endif()
    target_compile_definitions(${target} PRIVATE LK_PRODUCT_NAME="${product}"
        LK_VERSION_MAJOR=${PROJECT_VERSION_MAJOR} LK_VERSION_MINOR=${PROJECT_VERSION_MINOR}
        LK_VERSION_PATCH=${revision})
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/LarkspanOcx.cmake)
