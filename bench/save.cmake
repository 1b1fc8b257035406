# Saving a shift position: the dialog's whole save next to its raw statements
# (see bench/README.md). The program exports its libpq wrappers, which count
# the round trips of the Qt driver, so the executable exports its symbols.
add_executable(bench_save ${CMAKE_CURRENT_LIST_DIR}/bench_save.cpp)
target_link_libraries(bench_save PRIVATE tabel_forms tabel_benchsupport ${CMAKE_DL_LIBS})
set_target_properties(bench_save PROPERTIES ENABLE_EXPORTS ON)
