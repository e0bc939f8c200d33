# Benchmarks of calc/: the simulation core with its floor, and the searches.
fundorix_add_bench(fundorix_calc_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/calc_bench.cpp LIBS fundorix_calc)
set_target_properties(fundorix_calc_bench PROPERTIES AUTOMOC OFF)
