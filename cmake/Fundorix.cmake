# fundorix_add_tests(<name> SOURCES <files...> LIBS <targets...> [QT])
# Builds one GoogleTest executable and registers its tests with CTest.
# QT: link the test main that starts a QApplication on the offscreen platform;
# otherwise GoogleTest's own main is used.
function(fundorix_add_tests name)
    if(NOT FUNDORIX_TESTS)
        return()
    endif()
    cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_QT)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} fundorix_qt_test_main GTest::gtest GTest::gmock)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
    endif()
    target_compile_definitions(${name} PRIVATE FUNDORIX_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests/data")
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# fundorix_add_bench(<name> SOURCES <files...> LIBS <targets...>)
# A Google Benchmark executable; bench/run runs every one of them.
function(fundorix_add_bench name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench/bin)
endfunction()

# fundorix_add_fuzzer(<name> SOURCES <files...> LIBS <targets...>)
# A libFuzzer target; fuzz/run runs every one of them for a minute.
function(fundorix_add_fuzzer name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz/bin)
endfunction()
