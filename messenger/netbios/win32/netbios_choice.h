// Which NetBIOS the program uses: the system's, or our own NetBIOS over TCP/IP where the system
// cannot carry names and datagrams to other computers (under Wine), or lists no NetBIOS adapter.
#pragma once

namespace kivet::nbt {

enum class NetBiosChoice {
    System,
    OwnUnderWine,
    OwnNoAdapter,
};

NetBiosChoice ChooseNetBios();

// ntdll exports wine_get_version.
bool IsRunningUnderWine();

// NCBENUM lists at least one adapter.
bool SystemHasNetBiosAdapter();

// The action-log text for the choice.
const char* NetBiosChoiceText(NetBiosChoice choice);

} // namespace kivet::nbt
