# Tests of the portable CAST-128 cipher and buffer helper, with a cross-check against OpenSSL's
# CAST5, and the throughput benchmark (a tool, not a test).
find_package(OpenSSL REQUIRED)

add_executable(secure_cipher_tests
    secure/cast128_test.cpp
    secure/block_buffer_test.cpp
    secure/cast128_openssl_test.cpp
)
target_include_directories(secure_cipher_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(secure_cipher_tests PRIVATE kivet_secure_cipher OpenSSL::Crypto gtest gtest_main)
gtest_discover_tests(secure_cipher_tests DISCOVERY_TIMEOUT 60)

add_executable(cast128_bench ${PROJECT_SOURCE_DIR}/tools/bench/cast128_bench.cpp)
target_link_libraries(cast128_bench PRIVATE kivet_secure_cipher OpenSSL::Crypto)
