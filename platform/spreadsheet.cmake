# The spreadsheet application behind the exports: .xlsx files written with
# libxlsxwriter, and a recording back end for the tests.
target_sources(tabel_platform PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/spreadsheet.h ${CMAKE_CURRENT_LIST_DIR}/spreadsheet.cpp
)
target_link_libraries(tabel_platform PUBLIC PkgConfig::XLSXWRITER Qt6::Gui)
