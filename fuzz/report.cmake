# Stored report files: loading, reading every page and replaying it.
fundorix_add_fuzzer(stored_report_fuzz SOURCES ${CMAKE_CURRENT_LIST_DIR}/stored_report_fuzz.cpp LIBS fundorix_report_store)
