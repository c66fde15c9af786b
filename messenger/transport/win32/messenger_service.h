// The system's Messenger service, which holds the Messenger-format mailslot on Windows NT.
#pragma once

namespace kivet {

bool IsMessengerServiceRunning();
// Sets the service's start type to disabled and sends it the stop control.
void StopMessengerService();

} // namespace kivet
