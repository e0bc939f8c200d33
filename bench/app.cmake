# The form model's recompute (field corrections, simulation, result texts and
# hints) and the goal-seeking operations driven through the form.
fundorix_add_bench(app_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/app_bench.cpp LIBS fundorix_form)
