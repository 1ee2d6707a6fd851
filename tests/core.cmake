solvintra_test(tst_core
    SOURCES
        tst_core.cpp
        tst_core_base.cpp
        tst_core_regole.cpp
        tst_core_distribuzione.cpp
        tst_core_gesti.cpp
        tst_core_partite.cpp
    LIBS prova_core Qt6::Test)
