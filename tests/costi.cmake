# The tests' costs: what each test of a tree took in a measured run, in
# ctest's own file format, so that on a fresh tree ctest starts the longest
# first (tests/CMakeLists.txt hands the file to ctest).
#   cmake -D ALBERO=build -D COSTI=tests/costi/plain.txt -P tests/costi.cmake
# checks the last run of the tree ALBERO (its prove.xml, written by ctest's
# test preset) against COSTI: it fails when a test has no cost there, and
# warns when one ran more than twice its cost and at least Margine seconds
# longer, since then ctest may start it too late. With -D SCRIVI=ON it writes
# that run's times into COSTI instead (make costs).
# Only a missing cost fails: a test's time beside others is no fixed figure.
# In two fresh clones of one commit the sanitized tst_robustezza took 14 s
# and 20 s against its cost of 7 s; in a third the plain package test took
# 59 s against its 29 s, with the sanitized build beside it.
set(Margine 15)

# Sets `decimi` to the tenths of a second in the text `secondi` ("12.345").
function(in_decimi secondi decimi)
    string(REGEX MATCH "^([0-9]+)(\\.([0-9]))?" trovato "${secondi}")
    set(parte "${CMAKE_MATCH_3}")
    if(parte STREQUAL "")
        set(parte 0)
    endif()
    math(EXPR valore "${CMAKE_MATCH_1} * 10 + ${parte}")
    set(${decimi} ${valore} PARENT_SCOPE)
endfunction()

file(READ ${ALBERO}/prove.xml junit)
string(REGEX MATCHALL "<testcase [^>]*>" casi "${junit}")
if(NOT casi)
    message(FATAL_ERROR "${ALBERO}/prove.xml holds no test")
endif()
set(prove "")
foreach(caso IN LISTS casi)
    string(REGEX MATCH " name=\"([^\"]+)\"" trovato "${caso}")
    set(prova "${CMAKE_MATCH_1}")
    string(REGEX MATCH " time=\"([0-9.]+)\"" trovato "${caso}")
    set(tempo_${prova} "${CMAKE_MATCH_1}")
    list(APPEND prove ${prova})
endforeach()

if(SCRIVI)
    set(righe "")
    foreach(prova IN LISTS prove)
        list(APPEND righe "${prova} 1 ${tempo_${prova}}")
    endforeach()
    list(SORT righe)
    list(JOIN righe "\n" testo)
    file(WRITE ${COSTI} "${testo}\n")
    return()
endif()

file(STRINGS ${COSTI} righe)
foreach(riga IN LISTS righe)
    string(REPLACE " " ";" campi "${riga}")
    list(GET campi 0 prova)
    list(GET campi 2 costo_${prova})
endforeach()
set(mancanti "")
set(lenti "")
foreach(prova IN LISTS prove)
    if(NOT DEFINED costo_${prova})
        string(APPEND mancanti "\n  ${prova}: no cost")
        continue()
    endif()
    in_decimi(${tempo_${prova}} tempo)
    in_decimi(${costo_${prova}} costo)
    math(EXPR doppio "2 * ${costo}")
    math(EXPR piu_margine "${costo} + ${Margine} * 10")
    if(tempo GREATER doppio AND tempo GREATER piu_margine)
        string(APPEND lenti "\n  ${prova}: ${tempo_${prova}} s, cost ${costo_${prova}} s")
    endif()
endforeach()
set(rimedio "Run both suites (make test), then make costs, and commit ${COSTI}.")
if(lenti)
    message(WARNING "${COSTI} may be stale for the last run of ${ALBERO}:${lenti}\n${rimedio}")
endif()
if(mancanti)
    message(FATAL_ERROR "${COSTI} lacks tests of the last run of ${ALBERO}:${mancanti}\n${rimedio}")
endif()
