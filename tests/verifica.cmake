# The checker of the certificates of unwinnable deals, against the solver
# that writes them: the same steps, the same dead positions, and every kind
# of bad certificate refused.
if(TARGET verifica AND TARGET risolutore)
    solvintra_test(tst_verifica PER_FUNZIONE
        SOURCES verifica/tst_verifica.cpp
        LIBS verifica risolvi_strumenti Qt6::Test)
    target_compile_definitions(tst_verifica PRIVATE
        SOLVINTRA_SORGENTI="${PROJECT_SOURCE_DIR}"
        SOLVINTRA_RISOLVI="$<TARGET_FILE:solvintra-risolvi>"
        SOLVINTRA_VERIFICA="$<TARGET_FILE:solvintra-verifica>")
    add_dependencies(tst_verifica solvintra-risolvi solvintra-verifica)
endif()

# Its manual page against its --help.
if(TARGET solvintra-verifica)
    add_test(NAME tst_pagina_verifica
             COMMAND ${BASH} ${CMAKE_CURRENT_SOURCE_DIR}/verifica/controlla_pagina.sh
                     $<TARGET_FILE:solvintra-verifica> ${PROJECT_SOURCE_DIR}/packaging/solvintra-verifica.6)
    set_tests_properties(tst_pagina_verifica PROPERTIES TIMEOUT 60)
endif()
