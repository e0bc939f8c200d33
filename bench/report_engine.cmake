# Generating a multi-page report into the page store.
fundorix_add_bench(report_engine_bench
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/report_engine_bench.cpp
    LIBS fundorix_report_engine fundorix_report_store Qt6::Gui)
