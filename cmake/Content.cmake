# The game's content, drawn by the native content tool (tools/content) into
# VARNOLT_CONTENT_DIR: its pictures and music are staged next to each
# Varnolt.exe, and its resources (icon, pointers, dialog pictures, sounds)
# are compiled into the program through content.rc.
if(NOT EXISTS ${VARNOLT_CONTENT_DIR}/manifest.txt)
    message(FATAL_ERROR "${VARNOLT_CONTENT_DIR} holds no content yet: "
        "build the native 'content' target first (make release does).")
endif()

set(VARNOLT_CONTENT_MANIFEST ${VARNOLT_CONTENT_DIR}/manifest.txt)
set(VARNOLT_RESOURCE_SCRIPT ${CMAKE_SOURCE_DIR}/src/resources/varnolt.rc)
set(stamps)
foreach(folder game game-diag)
    set(destination ${CMAKE_BINARY_DIR}/${folder})
    set(stamp ${destination}/.content-staged)
    add_custom_command(
        OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${destination}/Data
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${VARNOLT_CONTENT_DIR}/Data ${destination}/Data
        COMMAND ${CMAKE_COMMAND} -E copy ${VARNOLT_CONTENT_DIR}/Varnolt1.mid ${destination}/Varnolt1.mid
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${VARNOLT_CONTENT_MANIFEST}
        COMMENT "Staging the content in ${folder}/"
        VERBATIM)
    list(APPEND stamps ${stamp})
endforeach()
add_custom_target(varnolt_stage_content ALL DEPENDS ${stamps})
add_dependencies(varnolt_game varnolt_stage_content)
add_dependencies(varnolt_game_diag varnolt_stage_content)

# The resource script includes content.rc and finds the files it names on
# its include path; it is compiled again whenever the content changes.
set_property(SOURCE ${VARNOLT_RESOURCE_SCRIPT} TARGET_DIRECTORY varnolt_game varnolt_game_diag
    APPEND PROPERTY INCLUDE_DIRECTORIES ${VARNOLT_CONTENT_DIR}/resources)
set_property(SOURCE ${VARNOLT_RESOURCE_SCRIPT} TARGET_DIRECTORY varnolt_game varnolt_game_diag
    APPEND PROPERTY COMPILE_DEFINITIONS VARNOLT_HAVE_CONTENT)
set_property(SOURCE ${VARNOLT_RESOURCE_SCRIPT} TARGET_DIRECTORY varnolt_game varnolt_game_diag
    APPEND PROPERTY OBJECT_DEPENDS ${VARNOLT_CONTENT_MANIFEST})
