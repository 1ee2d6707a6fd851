# Bad input from outside: damaged pictures beside the real executable,
# settings files of odd shapes, and the kept fuzz inputs replayed.

# A testing aid Qt loads into the unchanged game: answers message boxes and
# ends the game at its first paint (see tst_robustezza_sonda.h).
add_library(sonda MODULE
    ${CMAKE_CURRENT_SOURCE_DIR}/tst_robustezza_sonda.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tst_robustezza_sonda.h
    ${CMAKE_CURRENT_SOURCE_DIR}/tst_robustezza_plugin.cpp
)
target_link_libraries(sonda PRIVATE Qt6::Widgets)
set_target_properties(sonda PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/sonda/generic)
solvintra_flags(sonda)

solvintra_test(tst_robustezza
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_robustezza.cpp ${CMAKE_CURRENT_SOURCE_DIR}/tscheggia.cpp
    LIBS table store Qt6::Test)
add_dependencies(tst_robustezza solvintra immagini sonda)
target_compile_definitions(tst_robustezza PRIVATE
    SOLVINTRA_ESEGUIBILE="$<TARGET_FILE:solvintra>"
    SOLVINTRA_IMMAGINI="${CMAKE_BINARY_DIR}/Immagini"
    SOLVINTRA_SONDA="${CMAKE_BINARY_DIR}/sonda"
    SOLVINTRA_TEMPORANEI="${CMAKE_CURRENT_BINARY_DIR}")
set_tests_properties(tst_robustezza PROPERTIES TIMEOUT 900)
# Each damaged picture starts the game once per kind of damage, some four
# hundred starts: spread over runs that the other tests can fill in around.
solvintra_schegge(tst_robustezza 3 FUNZIONI immagineGuasta)

# Every input the fuzzers ever kept, replayed through the same checks with
# this build's compiler and sanitizers.
set(FUZZ ${CMAKE_SOURCE_DIR}/fuzz)
function(ripeti_regressioni eseguibile prova sorgente libreria cartella)
    add_executable(${eseguibile} ${FUZZ}/ripeti.cpp ${sorgente})
    target_link_libraries(${eseguibile} PRIVATE ${libreria})
    solvintra_flags(${eseguibile})
    add_test(NAME ${prova} COMMAND ${eseguibile} ${cartella}/regressioni ${cartella}/corpus)
endfunction()
ripeti_regressioni(ripeti_fuzz regressioni_fuzz ${FUZZ}/partita_fuzz.cpp prova_core ${FUZZ})
ripeti_regressioni(ripeti_impostazioni regressioni_impostazioni
                   ${FUZZ}/impostazioni/impostazioni_fuzz.cpp store ${FUZZ}/impostazioni)
ripeti_regressioni(ripeti_bmp24 regressioni_bmp24 ${FUZZ}/bmp24/bmp24_fuzz.cpp table
                   ${FUZZ}/bmp24)
