# The real game in a real X server, driven with xdotool. The tools are
# installed by tools/install-deps.sh; without them the build stops here rather
# than leave the test out.
add_executable(gui_piano ${CMAKE_CURRENT_SOURCE_DIR}/gui/piano.cpp)
target_link_libraries(gui_piano PRIVATE table Qt6::Gui)
solvintra_flags(gui_piano)

find_program(XVFB_RUN xvfb-run REQUIRED)
find_program(XDOTOOL xdotool REQUIRED)
find_program(IMPORT import REQUIRED)
add_test(NAME gui_solvintra
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24 -noreset"
            bash ${CMAKE_CURRENT_SOURCE_DIR}/gui/prova_gui.sh ${CMAKE_BINARY_DIR}
            $<TARGET_FILE:gui_piano> ${CMAKE_CURRENT_BINARY_DIR}/gui)
# -noreset: the script's short-lived clients (the plan, xdotool) would
# otherwise reset the server as each leaves, dropping the game if it
# connects at that moment.
set_tests_properties(gui_solvintra PROPERTIES TIMEOUT 120)
add_dependencies(gui_piano solvintra immagini)
