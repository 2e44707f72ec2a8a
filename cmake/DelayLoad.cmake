# Delay-loaded system libraries. Their functions are bound at the first call
# of one of them instead of when the program starts, so a library that only
# a rarely used feature needs costs nothing at start-up. The import library
# is made from cmake/delay/<dll>.def, which lists the functions the game
# calls; mingw-w64's runtime supplies the loader (__delayLoadHelper2).

# Links target (and what links it) against <dll> delay-loaded.
function(varnolt_delay_load target dll)
    set(def ${CMAKE_SOURCE_DIR}/cmake/delay/${dll}.def)
    set(lib ${CMAKE_BINARY_DIR}/delay/lib${dll}_delay.a)
    add_custom_command(OUTPUT ${lib}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay
        COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll}.dll --output-delaylib ${lib}
        DEPENDS ${def}
        COMMENT "Making the delay-load import library of ${dll}.dll"
        VERBATIM)
    add_custom_target(${dll}_delay_import DEPENDS ${lib})
    add_dependencies(${target} ${dll}_delay_import)
    target_link_libraries(${target} PUBLIC ${lib})
endfunction()
