# libFuzzer target for the relay client's group-list reader; included from this folder's
# CMakeLists.txt, which builds the tree with -fsanitize=fuzzer-no-link,address,undefined.
add_executable(relay_fuzz relay_fuzz.cpp)
target_include_directories(relay_fuzz PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(relay_fuzz PRIVATE kivet_relay)
target_link_options(relay_fuzz PRIVATE -fsanitize=fuzzer)

# A bounded run under ctest, starting from nothing; what it finds stays in the build tree.
set(KIVET_RELAY_FUZZ_FOUND ${CMAKE_CURRENT_BINARY_DIR}/corpus/relay_fuzz)
file(MAKE_DIRECTORY ${KIVET_RELAY_FUZZ_FOUND})
add_test(NAME relay_fuzz
    COMMAND relay_fuzz -max_total_time=20 -max_len=8192 -timeout=10 -rss_limit_mb=2048 ${KIVET_RELAY_FUZZ_FOUND})
set_tests_properties(relay_fuzz PROPERTIES TIMEOUT 120)
