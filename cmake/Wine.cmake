# Windows programs run under Wine: CTest uses wine-run.sh as the emulator, and
# every Wine test needs the "wine" fixture, which starts one session (prefix,
# persistent wineserver, Xvfb) for the whole run and stops it at the end.
set(VARNOLT_WINE_STATE ${CMAKE_BINARY_DIR}/wine)
# One plain program as the emulator: CTest's test discovery cannot take an
# emulator with arguments.
configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(VARNOLT_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VARNOLT_WINE_RUN})

add_test(NAME wine.start COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-session.sh start ${VARNOLT_WINE_STATE})
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine)
add_test(NAME wine.stop COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-session.sh stop ${VARNOLT_WINE_STATE})
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)
# A second session on a full HD screen, which the game's 1024x768 mode does
# not fit: the scaled picture's scenarios run there.
set(VARNOLT_WIDE_WINE_STATE ${CMAKE_BINARY_DIR}/wine-wide)
add_test(NAME wine-wide.start
    COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-session.sh start ${VARNOLT_WIDE_WINE_STATE} 1920x1080)
set_tests_properties(wine-wide.start PROPERTIES FIXTURES_SETUP wine-wide RESOURCE_LOCK xdisplay)
add_test(NAME wine-wide.stop
    COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-session.sh stop ${VARNOLT_WIDE_WINE_STATE})
set_tests_properties(wine-wide.stop PROPERTIES FIXTURES_CLEANUP wine-wide)

# Registers the tests of a Windows GoogleTest program, each run under Wine.
function(varnolt_add_wine_gtest target)
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 240
        PROPERTIES FIXTURES_REQUIRED wine)
endfunction()
