# The settings file reader: any bytes must read without a crash, and what the
# form writes back must read back to the same file.
fundorix_add_fuzzer(settings_file_fuzz SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_file_fuzz.cpp LIBS fundorix_form)
