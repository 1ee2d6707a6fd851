# Installation and the Debian package, checked from the outside with the
# desktop's own tools; both start the installed game on a private X server.
find_program(BASH bash REQUIRED)
add_test(NAME tst_packaging
         COMMAND ${BASH} ${CMAKE_CURRENT_SOURCE_DIR}/packaging/controlla_installazione.sh
                 ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/packaging/schermata_installata.png)
add_test(NAME tst_packaging_deb
         COMMAND ${BASH} ${CMAKE_CURRENT_SOURCE_DIR}/packaging/controlla_deb.sh
                 ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
# Each starts its own X server, so they may run beside the other tests.
# Real X servers once failed to take a client while the robustness test's
# copies of the game loaded the machine: never at the same time.
set_tests_properties(tst_packaging tst_packaging_deb PROPERTIES TIMEOUT 120
    RESOURCE_LOCK server_x_e_copie)
