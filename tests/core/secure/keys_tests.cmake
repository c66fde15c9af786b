add_executable(secure_keys_tests
    secure/key_agreement_test.cpp
    secure/key_table_test.cpp
)
target_include_directories(secure_keys_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(secure_keys_tests PRIVATE kivet_secure_keys gtest gtest_main)
gtest_discover_tests(secure_keys_tests DISCOVERY_TIMEOUT 60)
