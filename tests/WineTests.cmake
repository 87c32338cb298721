# Running Windows test executables under Wine through ctest.
#
# Every test executable of the tree shares one Wine prefix (created on first use, about 9 s and 700 MB)
# and one persistent wine server, started by a setup fixture and stopped by a cleanup fixture.
# GoogleTest is built from the distribution's sources with the same mingw-w64 compiler.

set(LUMO_WINE_LOADER /usr/lib/wine/wine64)
set(LUMO_WINE_PREFIX ${PROJECT_BINARY_DIR}/wineprefix)
set(LUMO_WINE_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/wine)

# 32-bit executables need the 32-bit loader, which the machines may not have; an i686 executable under
# the 64-bit loader exits 0 without running anything, so such tests are not registered at all.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(LUMO_WINE_LOADER /usr/lib/wine/wine)
endif()
if(EXISTS ${LUMO_WINE_LOADER})
    set(LUMO_CAN_RUN_TESTS ON)
else()
    set(LUMO_CAN_RUN_TESTS OFF)
    message(STATUS "No ${LUMO_WINE_LOADER}: the ${CMAKE_SYSTEM_PROCESSOR} tests are built but not run")
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Test executables of this tree run through the checking runner (see wine-test.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR ${LUMO_WINE_SCRIPTS}/wine-test.sh ${LUMO_WINE_PREFIX})

if(LUMO_CAN_RUN_TESTS)
    add_test(NAME wine_setup COMMAND ${LUMO_WINE_SCRIPTS}/wine-prefix.sh setup ${LUMO_WINE_PREFIX})
    add_test(NAME wine_cleanup COMMAND ${LUMO_WINE_SCRIPTS}/wine-prefix.sh cleanup ${LUMO_WINE_PREFIX})
    set_tests_properties(wine_setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    set_tests_properties(wine_cleanup PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
endif()

# lumo_add_wine_test(<name> SOURCES <file>... [LINK <target>...]): a GoogleTest executable with the
# watchdog main, registered as one ctest test that must exit with 0 and print "[  PASSED  ]".
function(lumo_add_wine_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINK")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE LumoTestSupport ${arg_LINK})
    target_precompile_headers(${name} REUSE_FROM LumoTestSupport)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
    if(LUMO_CAN_RUN_TESTS)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
    endif()
endfunction()
