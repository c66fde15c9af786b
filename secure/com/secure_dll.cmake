# Secure.dll: the COM server around the portable Secure core. widl turns the interface
# description into a C++ header, the GUID definitions and the type library that the resources
# embed.
set(SECURE_GEN ${CMAKE_CURRENT_BINARY_DIR}/generated)
set(SECURE_IDL ${CMAKE_CURRENT_SOURCE_DIR}/kivet_secure.idl)
find_program(KIVET_WIDL x86_64-w64-mingw32-widl REQUIRED)
set(KIVET_WIDL_FLAGS -I/usr/include/wine/wine/windows -L/usr/lib/x86_64-linux-gnu/wine/x86_64-windows)

add_custom_command(
    OUTPUT ${SECURE_GEN}/secure/kivet_secure_idl.h ${SECURE_GEN}/kivet_secure_i.c ${SECURE_GEN}/kivet_secure.tlb
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SECURE_GEN}/secure
    COMMAND ${KIVET_WIDL} ${KIVET_WIDL_FLAGS} -h -H ${SECURE_GEN}/secure/kivet_secure_idl.h
            -u -U ${SECURE_GEN}/kivet_secure_i.c -t -T ${SECURE_GEN}/kivet_secure.tlb ${SECURE_IDL}
    DEPENDS ${SECURE_IDL}
    COMMENT "widl kivet_secure.idl")

# The interface header and GUIDs, for the component and for its users.
add_library(kivet_secure_idl STATIC ${SECURE_GEN}/kivet_secure_i.c ${SECURE_GEN}/secure/kivet_secure_idl.h)
target_include_directories(kivet_secure_idl PUBLIC ${SECURE_GEN})
target_link_libraries(kivet_secure_idl PUBLIC uuid ole32 oleaut32)

set_source_files_properties(secure.rc PROPERTIES
    OBJECT_DEPENDS "${SECURE_GEN}/kivet_secure.tlb;${CMAKE_CURRENT_SOURCE_DIR}/secure.rgs")
add_library(Secure SHARED
    com/class_factory.cpp
    com/dll_main.cpp
    com/kivet_secure.cpp
    com/module.cpp
    com/module_state.cpp
    com/registration.cpp
    secure.rc
    secure.def)
target_include_directories(Secure PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(Secure PROPERTIES PREFIX "" OUTPUT_NAME Secure
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
target_compile_options(Secure PRIVATE $<$<COMPILE_LANGUAGE:RC>:-I${SECURE_GEN} -I${CMAKE_CURRENT_SOURCE_DIR}>)
target_link_libraries(Secure PRIVATE kivet_secure_idl kivet_secure_registration kivet_secure_cipher kivet_secure_keys
    kivet_secure_channel user32 advapi32 ole32 oleaut32)
