# The real game as a native Wayland client of weston, at scale 1 and 2, with
# pointer input through weston's x11 backend in a private X server.
# The X screen is the compositor's 1200 x 900 output at the scale and a
# strip beside it, where the pointer can leave the output; every screenshot
# of a larger one costs more.
foreach(scala 1 2)
    math(EXPR largo "1300 * ${scala}")
    math(EXPR alto "950 * ${scala}")
    add_test(NAME wayland_solvintra_${scala}
        COMMAND xvfb-run -a -s "-screen 0 ${largo}x${alto}x24 -noreset"
                bash ${CMAKE_CURRENT_SOURCE_DIR}/wayland/prova_wayland.sh ${CMAKE_BINARY_DIR}
                $<TARGET_FILE:gui_piano> ${CMAKE_CURRENT_BINARY_DIR}/wayland-${scala} ${scala})
    set_tests_properties(wayland_solvintra_${scala} PROPERTIES TIMEOUT 120)
endforeach()
add_dependencies(gui_piano solvintra immagini)
