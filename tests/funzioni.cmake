# Writes into ELENCO the test functions of the Qt Test program PROGRAMMA, as
# the list `funzioni`. Run by the build after each link (cmake -P).
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        ASAN_OPTIONS=detect_leaks=0 ${PROGRAMMA} -functions
                OUTPUT_VARIABLE testo RESULT_VARIABLE esito)
string(REGEX MATCHALL "[A-Za-z_][A-Za-z0-9_]*\\(\\)" funzioni "${testo}")
if(NOT esito EQUAL 0 OR NOT funzioni)
    message(FATAL_ERROR "${PROGRAMMA} -functions listed no test function: ${esito}")
endif()
list(TRANSFORM funzioni REPLACE "\\(\\)$" "")
file(WRITE ${ELENCO} "set(funzioni ${funzioni})\n")
