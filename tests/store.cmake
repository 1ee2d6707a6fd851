# A copy of the game's counting code on its own, so that the test can run
# several at once against one settings file.
add_executable(store_contatore store_contatore.cpp)
target_link_libraries(store_contatore PRIVATE store Qt6::Core)
solvintra_flags(store_contatore)

solvintra_test(tst_store SOURCES tst_store.cpp LIBS store Qt6::Widgets Qt6::Test)
add_dependencies(tst_store store_contatore)
target_compile_definitions(tst_store PRIVATE
    STORE_CONTATORE="$<TARGET_FILE:store_contatore>")
