# GoogleTest, and how test programs are run.
#
# Native builds use the system's GoogleTest. A cross build for Windows builds
# it from Debian's sources (package googletest) and runs the test programs
# under Wine, in a prefix of the build's own that a test fixture prepares.

if(CMAKE_CROSSCOMPILING AND WIN32)
    set(VELK_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${VELK_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

    set(VELK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/cmake/wine-run.sh ${VELK_WINEPREFIX})
    add_test(NAME wine_prefix_start COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-prefix.sh start ${VELK_WINEPREFIX})
    add_test(NAME wine_prefix_stop COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-prefix.sh stop ${VELK_WINEPREFIX})
    set_tests_properties(wine_prefix_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# velk_add_gtest(TARGET): registers a GoogleTest program with ctest. Natively
# every test case is its own ctest test; under Wine the program runs once, as
# starting Wine costs far more than any of the cases.
function(velk_add_gtest target)
    if(CMAKE_CROSSCOMPILING AND WIN32)
        add_test(NAME ${target} COMMAND ${target})
        set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
    else()
        gtest_discover_tests(${target} NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 60 ${ARGN})
    endif()
endfunction()
