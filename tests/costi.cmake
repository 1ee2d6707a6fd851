# What each test takes, in seconds, from a run of the plain suite with two at
# a time on a busy machine; only their order matters. ctest starts the
# costliest first, so the short tests fill in beside the long ones instead of
# a long one running alone at the end; after a first run ctest uses its own
# timings instead. A test not listed is taken to cost COSTO_IGNOTO: give a
# new test its own figure here.
#
# Gives every test of the calling folder its cost; the table lives in the
# function so that folders outside tests/ see it too.
function(solvintra_costi)
    set(COSTI
        tst_packaging_deb 41
        tst_packaging 27
        tst_robustezza 25
        tst_robustezza_1 25
        tst_robustezza_2 25
        tst_immagini 23
        wayland_solvintra_2 25
        gui_solvintra 22
        wayland_solvintra_1 12
        tst_doppio 15
        tst_store 9
        tst_doppio_1_5 8
        tst_risolutore 8
        tst_core 5
        tst_table 3
        misura_avvio_smoke 3
        bench_risolutore_smoke 3
        tst_table_sessione 1
        tst_table_gioco 1
        bench_trascinamento_smoke_1x 1
        bench_trascinamento_smoke_2x 1
        tst_windows 1
        tst_cards 1
        regressioni_fuzz 1
        regressioni_impostazioni 1
        regressioni_bmp24 1
        tst_table_scala 1
        bench_core_smoke 1)
    # Under the sanitizers the engine's and the solver's tests slow down far
    # more than those that wait on X servers: their own figures, from a run of
    # the sanitized suite on a busy machine.
    if(SOLVINTRA_SANITIZE)
        set(COSTI
            tst_risolutore 66
            tst_doppio 42
            tst_doppio_1_5 30
            wayland_solvintra_2 20
            tst_immagini 19
            tst_packaging 17
            tst_robustezza 14
            tst_robustezza_1 14
            tst_robustezza_2 14
            tst_core 13
            tst_packaging_deb 11
            tst_table 8
            gui_solvintra 8
            wayland_solvintra_1 5
            tst_store 3
            tst_table_sessione 1
            tst_table_scala 1
            tst_table_gioco 1
            tst_windows 1
            tst_cards 1
            regressioni_fuzz 1
            regressioni_impostazioni 1
            regressioni_bmp24 1)
    endif()
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
