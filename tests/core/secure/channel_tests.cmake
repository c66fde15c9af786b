# Loopback tests of TcpChannel and the connection slots. Each test picks its own free port, so the
# discovered tests may run in parallel; TIMEOUT is a last guard behind the tests' own watchdogs.
add_executable(secure_channel_tests
    secure/tcp_channel_test.cpp
    secure/connection_slots_test.cpp
)
target_include_directories(secure_channel_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(secure_channel_tests PRIVATE kivet_secure_channel gtest gtest_main)
gtest_discover_tests(secure_channel_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 60)
