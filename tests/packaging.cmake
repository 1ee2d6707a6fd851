# Installation and the Debian package, checked from the outside with the
# desktop's own tools; both start the installed game on a private X server.
find_program(BASH bash REQUIRED)
add_test(NAME tst_packaging
         COMMAND ${BASH} ${CMAKE_CURRENT_SOURCE_DIR}/packaging/controlla_installazione.sh
                 ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/packaging/schermata_installata.png)
# The package check also builds the package a second time, from a copy of the
# sources, in a folder kept for the next run.
add_test(NAME tst_packaging_deb
         COMMAND ${BASH} ${CMAKE_CURRENT_SOURCE_DIR}/packaging/controlla_deb.sh
                 ${CMAKE_BINARY_DIR} ${PROJECT_VERSION} ${CMAKE_SOURCE_DIR}
                 $<BOOL:${SOLVINTRA_SANITIZE}> ${CMAKE_BINARY_DIR}/packaging/riprova)
# Each starts its own X server, so they may run beside the other tests.
set_tests_properties(tst_packaging PROPERTIES TIMEOUT 120)
# A first run builds the whole game again.
set_tests_properties(tst_packaging_deb PROPERTIES TIMEOUT 900)

# The manual pages against the solver's --help and the game's sources: cheap,
# no X server.
if(TARGET solvintra-risolvi)
    add_test(NAME tst_pagine_man
             COMMAND ${BASH} ${CMAKE_CURRENT_SOURCE_DIR}/packaging/controlla_pagine_man.sh
                     $<TARGET_FILE:solvintra-risolvi> ${CMAKE_SOURCE_DIR})
    set_tests_properties(tst_pagine_man PROPERTIES TIMEOUT 60)
endif()
