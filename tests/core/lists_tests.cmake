# The personal lists and Auto-Reply mode, on the in-memory registry and the code-page table of
# the transport tests.
add_executable(lists_tests
    lists/name_list_test.cpp
    lists/my_groups_test.cpp
    lists/auto_replies_test.cpp
    lists/list_entry_test.cpp
    lists/auto_reply_mode_test.cpp
    lists/personal_lists_test.cpp
    transport/table_codec.cpp
    ../fakes/memory_registry.cpp
)
target_include_directories(lists_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(lists_tests PRIVATE kivet_lists gtest gtest_main)
gtest_discover_tests(lists_tests DISCOVERY_TIMEOUT 60)
