fundorix_add_bench(chart_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/chart_bench.cpp LIBS fundorix_chart)
