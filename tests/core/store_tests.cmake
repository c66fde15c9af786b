# The message store and the relay-server client.
add_executable(store_tests
    store/message_store_counters_test.cpp
    store/message_store_duplicates_test.cpp
    store/message_store_navigation_test.cpp
    store/message_store_delete_test.cpp
    store/message_store_fields_test.cpp
    store/message_store_concurrency_test.cpp
)
target_include_directories(store_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(store_tests PRIVATE kivet_store gtest gtest_main)
gtest_discover_tests(store_tests DISCOVERY_TIMEOUT 60)

add_executable(relay_tests
    relay/relay_datagrams_test.cpp
    relay/relay_answers_test.cpp
    relay/relay_writers_test.cpp
    relay/relay_refresh_test.cpp
    relay/server_group_list_test.cpp
)
target_include_directories(relay_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(relay_tests PRIVATE kivet_relay gtest gtest_main)
gtest_discover_tests(relay_tests DISCOVERY_TIMEOUT 60)
