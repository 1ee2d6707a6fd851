# The main window offscreen: start-up, layout, menus and the abandon question;
# then play through real pointer events on the cards.
add_library(tst_table_tavola STATIC ${CMAKE_CURRENT_SOURCE_DIR}/tst_table_tavola.cpp)
target_link_libraries(tst_table_tavola PUBLIC table Qt6::Widgets Qt6::Test)
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
