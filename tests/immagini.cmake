solvintra_test(tst_immagini
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_immagini.cpp
    LIBS Qt6::Gui Qt6::Test risorse)
# The test reads the folder that the build draws.
add_dependencies(tst_immagini immagini)
# It also runs the generator, to check that a failed run leaves no half folder.
target_compile_definitions(tst_immagini PRIVATE GENERATORE="$<TARGET_FILE:genera_immagini>")
