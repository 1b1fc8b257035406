# The printed reports' engine: layouts of bands, prepared pages, painting,
# PDF and the preview window.
target_sources(tabel_platform PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/reportnumber.h ${CMAKE_CURRENT_LIST_DIR}/reportnumber.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reportexpr.h ${CMAKE_CURRENT_LIST_DIR}/reportexpr.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report.h ${CMAKE_CURRENT_LIST_DIR}/report.cpp
    ${CMAKE_CURRENT_LIST_DIR}/reportrender.cpp
)
target_link_libraries(tabel_platform PUBLIC Qt6::PrintSupport)
