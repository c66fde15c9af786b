# The LAN message transport's portable core, tested with in-memory mailslots and a code-page
# table that is not the identity.
add_executable(transport_tests
    text_codec_test.cpp
    transport/plain_datagram_build_test.cpp
    transport/plain_datagram_parse_test.cpp
    transport/group_datagram_test.cpp
    transport/auto_reply_datagram_test.cpp
    transport/writers_test.cpp
    transport/receipt_table_test.cpp
    transport/poll_plain_test.cpp
    transport/poll_plain_auto_reply_test.cpp
    transport/poll_group_test.cpp
    transport/poll_auto_reply_test.cpp
    transport/table_codec.cpp
    transport/fakes.cpp
)
target_include_directories(transport_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(transport_tests PRIVATE kivet_transport gtest gtest_main)
gtest_discover_tests(transport_tests DISCOVERY_TIMEOUT 60)
