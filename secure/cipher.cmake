# The portable CAST-128 cipher and the buffer helper its callers share (no <windows.h>).
add_library(kivet_secure_cipher STATIC cast128.cpp cast128_sboxes.cpp block_buffer.cpp)
target_include_directories(kivet_secure_cipher PUBLIC ${PROJECT_SOURCE_DIR})
