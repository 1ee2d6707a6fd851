# The solver checked against the engine: won games replayed, the same legal
# moves, unwinnable answers confirmed by a plain search, and the tool's input.
if(TARGET risolutore)
    solvintra_test(tst_risolutore PER_FUNZIONE
        SOURCES
            tst_risolutore.cpp
            risolutore/tricercapiana.cpp
        LIBS risolvi_strumenti prova_core Qt6::Test
        COSTI stessaRispostaDellaPiana=7/38 ciecoGiocaSoloIlVisibile=5/21
              risposteControllate=5/14 fermatoOLimitatoNonDecide=4/11 nucleoPersoSoloSePerso=2/10)
    target_include_directories(tst_risolutore PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/risolutore)
    # The plain search does the solver's work over again, position by position:
    # it is optimized like the solver, not like the tests around it.
    set_source_files_properties(risolutore/tricercapiana.cpp PROPERTIES COMPILE_OPTIONS -O2)
    target_compile_definitions(tst_risolutore PRIVATE
        SOLVINTRA_DATI="${CMAKE_CURRENT_SOURCE_DIR}/dati"
        SOLVINTRA_RISOLVI="$<TARGET_FILE:solvintra-risolvi>")
    add_dependencies(tst_risolutore solvintra-risolvi)

    # The blind player and its study's file.
    solvintra_test(tst_cieco PER_FUNZIONE
        SOURCES risolutore/tst_cieco.cpp
        LIBS risolvi_strumenti prova_core Qt6::Test
        COSTI esitiRegistrati=14/46 soloIlVisibile=3/12)
    target_compile_definitions(tst_cieco PRIVATE SOLVINTRA_RISOLVI="$<TARGET_FILE:solvintra-risolvi>")
    add_dependencies(tst_cieco solvintra-risolvi)

    # The study's unwinnable answers given to the plain search (docs/winnability.md):
    #   conferma_impossibili 2000000 1000 < studio.csv
    add_executable(conferma_impossibili risolutore/conferma.cpp risolutore/tricercapiana.cpp)
    target_link_libraries(conferma_impossibili PRIVATE risolutore solvintra_opzioni)
    # A tool for the study, not a test: the sanitized tree builds only what its suite runs.
    if(SOLVINTRA_SANITIZE)
        set_target_properties(conferma_impossibili PROPERTIES EXCLUDE_FROM_ALL ON)
    endif()
endif()
