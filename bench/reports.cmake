# The detailed report by workers over a year and the product export of
# 10,000 rows (see bench/README.md).
add_executable(bench_reports ${CMAKE_CURRENT_LIST_DIR}/bench_reports.cpp)
target_link_libraries(bench_reports PRIVATE tabel_reports tabel_benchsupport)
