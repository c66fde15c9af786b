# Emoticon pictures in a real RichEdit 2.0 control and the emoticon picker, in-process under Wine,
# and a small program that shows the picker for screenshots. Included from this folder's
# CMakeLists.txt; both programs carry the emoticon resources themselves.
set(KIVET_EMOTICONS_ROOT ${CMAKE_CURRENT_LIST_DIR}/../..)
set(KIVET_EMOTICONS_RESOURCES ${KIVET_EMOTICONS_ROOT}/messenger/resources/emoticons.rc)

# The Win32 emoticon sources come from kivet_win32 once it lists them; until then both programs
# compile them themselves.
set(KIVET_EMOTICONS_SOURCES)
get_target_property(kivet_win32_sources kivet_win32 SOURCES)
list(FILTER kivet_win32_sources INCLUDE REGEX "rich_emoticons\\.cpp$")
if(NOT kivet_win32_sources)
    set(KIVET_EMOTICONS_SOURCES
        ${KIVET_EMOTICONS_ROOT}/messenger/mainwindow/win32/bitmap_data_object.cpp
        ${KIVET_EMOTICONS_ROOT}/messenger/mainwindow/win32/emoticon_picker.cpp
        ${KIVET_EMOTICONS_ROOT}/messenger/mainwindow/win32/rich_emoticons.cpp
    )
endif()

kivet_wine_test(emoticons_test
    ${CMAKE_CURRENT_LIST_DIR}/emoticons_test.cpp
    ${KIVET_EMOTICONS_SOURCES}
    ${KIVET_EMOTICONS_RESOURCES}
)
target_include_directories(emoticons_test PRIVATE ${KIVET_EMOTICONS_ROOT})
target_link_libraries(emoticons_test PRIVATE ole32 comctl32 gdi32 user32)

add_executable(emoticon_picker_demo WIN32
    ${CMAKE_CURRENT_LIST_DIR}/emoticon_picker_demo.cpp
    ${KIVET_EMOTICONS_SOURCES}
    ${KIVET_EMOTICONS_RESOURCES}
)
target_include_directories(emoticon_picker_demo PRIVATE ${KIVET_EMOTICONS_ROOT})
target_link_libraries(emoticon_picker_demo PRIVATE kivet_win32 ole32 comctl32 gdi32 user32)
set_target_properties(emoticon_picker_demo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
