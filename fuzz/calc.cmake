# Fuzz targets of calc/.
fundorix_add_fuzzer(number_parse_fuzz SOURCES ${CMAKE_CURRENT_LIST_DIR}/number_parse_fuzz.cpp LIBS fundorix_calc)
set_target_properties(number_parse_fuzz PROPERTIES AUTOMOC OFF)
