# TCP channel of the Secure component: the socket seam (one implementation per platform; each file
# compiles to nothing on the other), TcpChannel and the three connection slots.
find_package(Threads REQUIRED)

add_library(kivet_secure_channel STATIC
    socket_api_posix.cpp
    socket_api_win32.cpp
    tcp_channel.cpp
    connection_slots.cpp
)
target_include_directories(kivet_secure_channel PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(kivet_secure_channel PUBLIC kivet_common Threads::Threads)
if(WIN32)
    target_link_libraries(kivet_secure_channel PUBLIC ws2_32)
endif()
