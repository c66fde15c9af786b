# The personal lists and Auto-Reply mode: portable, no <windows.h>.
add_library(kivet_lists STATIC
    lists/list_names.cpp
    lists/name_list.cpp
    lists/my_groups.cpp
    lists/auto_replies.cpp
    lists/list_entry.cpp
    lists/auto_reply_mode.cpp
    lists/personal_lists.cpp
)
target_link_libraries(kivet_lists PUBLIC kivet_runtime kivet_transport)
