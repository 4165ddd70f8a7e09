# GoogleTest, and how test programs are run.
#
# Native builds use the system's GoogleTest. A cross build for Windows builds
# it from Debian's sources (package googletest) and runs the test programs
# under Wine, in a prefix of the build's own that a test fixture prepares.

# velk_wine_test(TEST...): tests that run Windows programs under Wine, each in
# a prefix of its own copied from the stage's template.
function(velk_wine_test)
    set_tests_properties(${ARGN} PROPERTIES FIXTURES_REQUIRED wine_template
                                            ENVIRONMENT VELK_WINE_TEMPLATE=${VELK_WINE_TEMPLATE})
endfunction()

if(CMAKE_CROSSCOMPILING AND WIN32)
    set(VELK_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${VELK_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

    # One prefix is booted; every test under Wine runs in a copy of its own,
    # so that they run side by side (velk_wine_test).
    set(VELK_WINE_TEMPLATE ${CMAKE_BINARY_DIR}/wineprefix-template)
    add_test(NAME wine_prefix_template COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-prefix.sh template ${VELK_WINE_TEMPLATE})
    set_tests_properties(wine_prefix_template PROPERTIES FIXTURES_SETUP wine_template TIMEOUT 300)
    set(VELK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/cmake/wine-run.sh ${VELK_WINEPREFIX})
    add_test(NAME wine_prefix_start COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-prefix.sh start ${VELK_WINEPREFIX})
    add_test(NAME wine_prefix_stop COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-prefix.sh stop ${VELK_WINEPREFIX})
    set_tests_properties(wine_prefix_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    velk_wine_test(wine_prefix_start)
    set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
else()
    find_package(GTest REQUIRED)
endif()

# velk_add_gtest(TARGET [ARGS arg...] [ENVIRONMENT var=value...]): registers
# a GoogleTest program with ctest as one test: the program runs all its cases
# in one process (starting one per case cost minutes, and under Wine far
# more), and a failed case is named in its output. Natively a skipped case
# fails it too: a case that skipped has shown nothing. (Under Wine some cases
# skip by design: Windows' permission bits hold no read right to take away.)
function(velk_add_gtest target)
    cmake_parse_arguments(GTEST "" "" "ARGS;ENVIRONMENT" ${ARGN})
    add_test(NAME ${target} COMMAND ${target} ${GTEST_ARGS})
    set_tests_properties(${target} PROPERTIES TIMEOUT 300)
    if(GTEST_ENVIRONMENT)
        set_tests_properties(${target} PROPERTIES ENVIRONMENT "${GTEST_ENVIRONMENT}")
    endif()
    if(CMAKE_CROSSCOMPILING AND WIN32)
        set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED wine)
    else()
        set_tests_properties(${target} PROPERTIES FAIL_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
    endif()
endfunction()
