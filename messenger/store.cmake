# The message store and the relay-server client: portable, no <windows.h>.
find_package(Threads REQUIRED)

add_library(kivet_store STATIC
    store/message_store.cpp
    store/record_builder.cpp
)
target_link_libraries(kivet_store PUBLIC kivet_common Threads::Threads)

add_library(kivet_relay STATIC
    transport/relay_datagrams.cpp
    transport/relay_client.cpp
)
target_link_libraries(kivet_relay PUBLIC kivet_common Threads::Threads)
