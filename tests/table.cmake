# The main window offscreen: start-up, layout, menus and the abandon question;
# then play through real pointer events on the cards.
add_library(tst_table_tavola STATIC ${CMAKE_CURRENT_SOURCE_DIR}/tst_table_tavola.cpp)
target_link_libraries(tst_table_tavola PUBLIC table prova_core Qt6::Widgets Qt6::Test)
solvintra_flags(tst_table_tavola)

solvintra_test(tst_table
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_table.cpp
    LIBS tst_table_tavola store windows risorse)
add_dependencies(tst_table solvintra immagini)
target_compile_definitions(tst_table PRIVATE SOLVINTRA_ESEGUIBILE="$<TARGET_FILE:solvintra>")

solvintra_test(tst_table_gioco
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_table_gioco.cpp
    LIBS tst_table_tavola store windows risorse)
add_dependencies(tst_table_gioco immagini)

# The abandon question in the language of a fresh environment, one run per
# language, and the end of the desktop session.
add_executable(table_domanda ${CMAKE_CURRENT_SOURCE_DIR}/table_domanda.cpp)
target_link_libraries(table_domanda PRIVATE table store Qt6::Widgets)
solvintra_flags(table_domanda)

solvintra_test(tst_table_sessione
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_table_sessione.cpp
    LIBS tst_table_tavola store windows risorse)
add_dependencies(tst_table_sessione table_domanda immagini)
target_compile_definitions(tst_table_sessione PRIVATE
    TABLE_DOMANDA="$<TARGET_FILE:table_domanda>")

# The table at device pixel ratios above 1: 2, where device pixels meet the 2x
# pictures one to one, and the fractional 1.5.
solvintra_test(tst_doppio
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_doppio.cpp
    LIBS tst_table_tavola store windows risorse)
add_dependencies(tst_doppio immagini)
set_property(TEST tst_doppio APPEND PROPERTY ENVIRONMENT QT_SCALE_FACTOR=2)
add_test(NAME tst_doppio_1_5 COMMAND tst_doppio)
get_test_property(tst_doppio ENVIRONMENT ambiente_doppio)
list(TRANSFORM ambiente_doppio REPLACE "^QT_SCALE_FACTOR=.*" "QT_SCALE_FACTOR=1.5")
set_tests_properties(tst_doppio_1_5 PROPERTIES ENVIRONMENT "${ambiente_doppio}")

# The device pixel ratio changing at run time: two offscreen screens, of
# ratio 1 and 2, and the window moved between them.
solvintra_test(tst_table_scala
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tst_table_scala.cpp
    LIBS tst_table_tavola store windows risorse)
add_dependencies(tst_table_scala immagini)
get_test_property(tst_table_scala ENVIRONMENT ambiente_scala)
list(TRANSFORM ambiente_scala REPLACE "^QT_QPA_PLATFORM=.*"
     "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/tst_table_scala.json")
set_tests_properties(tst_table_scala PROPERTIES ENVIRONMENT "${ambiente_scala}")
