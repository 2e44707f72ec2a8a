# The Windows Installer package of the shipped game folder, built with wixl
# beside the game folders: build/windows/Varnolt.msi. Its version is the
# project's, the same one the resource script and the about box carry.
find_program(VARNOLT_WIXL wixl)
if(NOT VARNOLT_WIXL)
    message(WARNING "wixl not found: no installer package (scripts/install-deps.sh installs it)")
    return()
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(VARNOLT_MSI ${CMAKE_BINARY_DIR}/Varnolt.msi)
add_custom_command(
    OUTPUT ${VARNOLT_MSI}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/make-msi.py
        ${CMAKE_BINARY_DIR}/game ${VARNOLT_CONTENT_DIR}/resources/Varnolt.ico
        ${PROJECT_VERSION} ${VARNOLT_MSI}
    DEPENDS varnolt_game ${CMAKE_BINARY_DIR}/game/.content-staged
        ${CMAKE_SOURCE_DIR}/scripts/make-msi.py ${VARNOLT_CONTENT_MANIFEST}
    COMMENT "Packing the installer Varnolt.msi"
    VERBATIM)
add_custom_target(varnolt_msi ALL DEPENDS ${VARNOLT_MSI})
