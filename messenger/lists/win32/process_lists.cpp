#include "messenger/lists/win32/process_lists.h"

#include <memory>

#include "messenger/lists/win32/netbios_names.h"
#include "messenger/runtime/win32/registry_store_win32.h"
#include "messenger/transport/win32/win32_codec.h"

namespace kivet {
namespace {

struct ListObjects {
    Win32Registry registry;
    Win32NetBiosNames names;
    PersonalLists lists{registry, SystemCodec()};
    AutoReplyMode autoReply{registry, names};
};

std::unique_ptr<ListObjects> g_lists;

ListObjects& Objects()
{
    if (!g_lists) CreatePersonalLists();
    return *g_lists;
}

} // namespace

void CreatePersonalLists()
{
    if (!g_lists) g_lists = std::make_unique<ListObjects>();
}

void LoadPersonalLists()
{
    ListObjects& objects = Objects();
    objects.lists.LoadAtStartup();
    objects.autoReply.LoadText();
}

void DeletePersonalLists()
{
    // The away mark must not outlive the program on the adapter.
    if (g_lists && g_lists->autoReply.On()) g_lists->autoReply.LeaveAutoReplyMode();
    g_lists.reset();
}

PersonalLists& ProcessLists()
{
    return Objects().lists;
}

AutoReplyMode& ProcessAutoReplyMode()
{
    return Objects().autoReply;
}

bool InAutoReplyMode()
{
    return g_lists && g_lists->autoReply.On();
}

} // namespace kivet
