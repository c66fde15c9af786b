# kivetsec.exe: the portable core plus the Win32 windows, registry, NetBIOS and resources.
add_library(kivet_win32 STATIC
    browser/win32/network_state_win32.cpp
    mainwindow/win32/apply_settings.cpp
    mainwindow/win32/main_dialog.cpp
    mainwindow/win32/tray_icon.cpp
    runtime/win32/frame_window.cpp
    runtime/win32/ini_file_win32.cpp
    runtime/win32/message_box_win32.cpp
    runtime/win32/program_state.cpp
    runtime/win32/registry_store_win32.cpp
    runtime/win32/resource_strings.cpp
    runtime/win32/shutdown_host.cpp
    runtime/win32/startup_host.cpp
    runtime/win32/startup_worker.cpp
    send/win32/send_dialog_entry.cpp
    mainwindow/win32/receive_timers.cpp
    mainwindow/win32/main_view.cpp
    mainwindow/win32/main_commands.cpp
    mainwindow/win32/about_dialog.cpp
    mainwindow/win32/sender_menu.cpp
    mainwindow/win32/auto_reply_window.cpp
    mainwindow/win32/scroll_lock_light.cpp
    mainwindow/win32/rich_emoticons.cpp
    mainwindow/win32/bitmap_data_object.cpp
    mainwindow/win32/emoticon_picker.cpp
    transport/win32/mailslot_setup_host.cpp
    transport/win32/mailslots.cpp
    transport/win32/messenger_service.cpp
    transport/win32/win32_codec.cpp
    transport/win32/receive_context_win32.cpp
    transport/win32/relay_state.cpp
    browser/win32/netbios_names.cpp
    lists/win32/process_lists.cpp
    lists/win32/set_auto_reply_dialog.cpp
    mainwindow/win32/toolbar_dropdowns.cpp
    mainwindow/win32/tree_image_list.cpp
    mainwindow/win32/window_queries.cpp
)
target_link_libraries(kivet_win32 PUBLIC kivet_runtime kivet_lists uuid oleaut32 kivet_transport kivet_store kivet_relay kivet_history_win32 winmm netapi32 wsock32 comctl32 ole32 shell32 user32 gdi32 advapi32)

add_executable(kivetsec WIN32 runtime/win32/winmain.cpp resources/kivetsec.rc)
target_link_libraries(kivetsec PRIVATE kivet_win32)
set_target_properties(kivetsec PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
add_dependencies(kivetsec kivet_history_pages)
