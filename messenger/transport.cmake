# The LAN message transport's portable core: datagram formats, writers and mailslot readers.
add_library(kivet_transport STATIC
    transport/plain_datagram.cpp
    transport/group_datagram.cpp
    transport/auto_reply_datagram.cpp
    transport/writers.cpp
    transport/receipt_table.cpp
    transport/mailslot_poll.cpp
    transport/poll_plain.cpp
    transport/poll_group.cpp
    transport/poll_auto_reply.cpp
)
# kivet_store comes from store.cmake, included after this file; the name is resolved when the
# build is generated.
target_link_libraries(kivet_transport PUBLIC kivet_common kivet_store)
