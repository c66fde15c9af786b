# Key agreement and key tables of the Secure component (portable; unit-tested natively).
add_library(kivet_secure_keys STATIC
    key_agreement.cpp
    key_table.cpp
)
target_include_directories(kivet_secure_keys PUBLIC ${PROJECT_SOURCE_DIR})
