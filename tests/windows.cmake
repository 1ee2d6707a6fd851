solvintra_test(tst_windows
    SOURCES tst_windows.cpp
    LIBS windows store Qt6::Widgets Qt6::Test)
