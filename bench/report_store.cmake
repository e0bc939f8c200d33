# Page store: the splay-tree code on 1 MB and reading pages of a stored report.
fundorix_add_bench(report_store_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/report_store_bench.cpp LIBS fundorix_report_store)
