# What each test takes, relative to the others, from a run of the whole suite
# with two at a time. ctest starts the costliest first, so the short tests fill
# in beside the long ones instead of a long one running alone at the end; after
# a first run ctest uses its own timings instead. A test not listed is taken to
# cost COSTO_IGNOTO: give a new test its own figure here.
#
# Gives every test of the calling folder its cost; the table lives in the
# function so that folders outside tests/ see it too.
function(solvintra_costi)
    set(COSTI
        tst_packaging_deb 120
        tst_packaging 65
        tst_robustezza 55
        tst_robustezza_1 50
        tst_robustezza_2 50
        gui_solvintra 52
        tst_immagini 44
        tst_doppio 35
        tst_risolutore 25
        tst_doppio_1_5 17
        tst_core 16
        misura_avvio_smoke 10
        bench_risolutore_smoke 9
        tst_store 7
        tst_table 6
        tst_table_sessione 2
        tst_table_gioco 2
        bench_trascinamento_smoke 2
        tst_windows 1
        tst_cards 1
        regressioni_fuzz 1
        bench_core_smoke 1)
    set(COSTO_IGNOTO 10)

    get_property(prove DIRECTORY PROPERTY TESTS)
    foreach(prova IN LISTS prove)
        list(FIND COSTI ${prova} posizione)
        set(costo ${COSTO_IGNOTO})
        if(posizione GREATER_EQUAL 0)
            math(EXPR posizione "${posizione} + 1")
            list(GET COSTI ${posizione} costo)
        endif()
        set_tests_properties(${prova} PROPERTIES COST ${costo})
    endforeach()
endfunction()
