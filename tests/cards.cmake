solvintra_test(tst_cards SOURCES tst_cards.cpp LIBS cards Qt6::Test)
