solvintra_test(tst_cards SOURCES tst_cards.cpp LIBS cards risorse Qt6::Test)
