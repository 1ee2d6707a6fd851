solvintra_test(tst_immagini
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_immagini.cpp
    LIBS Qt6::Gui Qt6::Test risorse)
# The test reads the folder that the build draws.
add_dependencies(tst_immagini immagini)
