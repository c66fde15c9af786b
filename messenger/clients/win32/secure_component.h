// The Secure component as the program holds it for the whole run: Winsock 1.1 and COM started,
// one CKivetSecure object created by class as an in-process server, its IKivetSecure interface
// initialised. The transfer component is handed the same interface pointer.
#pragma once

#include <windows.h>

#include <functional>

#include "messenger/runtime/message_box.h"
#include "secure/kivet_secure_idl.h"

namespace kivet {

constexpr const char* kSecureClassMissingText = "Kivet Secure Interface CLSID not found. Please reinstall application.";
constexpr const char* kSecureInterfaceMissingText = "IKivetSecure Interface failed.  Please reinstall application.";
constexpr const char* kSecureStartCaption = "Kivet Secure Messenger";

struct SecureComponent {
    IUnknown* unknown = nullptr;
    IKivetSecure* secure = nullptr;
    bool socketsStarted = false;
    bool comStarted = false;
};

using ShowBoxFunction = std::function<void(const BoxSpec&)>;

// Starts Winsock 1.1 and COM, creates the object and initialises it. When the class is not
// registered, or the object does not answer for IKivetSecure, shows the box (stop icon, caption
// "Kivet Secure Messenger"), releases what it got and returns false: the program must then exit.
bool StartSecureComponent(SecureComponent& component, const ShowBoxFunction& showBox);

// UnInitialize, both releases, then COM and Winsock cleaned up. Call only after the secure server
// thread has ended. Safe on a component that did not start.
void StopSecureComponent(SecureComponent& component);

} // namespace kivet
