#include "messenger/runtime/win32/language_pack_loader.h"

#include "messenger/runtime/language_packs.h"
#include "messenger/runtime/pack_strings.h"
#include "messenger/runtime/text_table.h"
#include "messenger/runtime/win32/language_menus.h"
#include "messenger/runtime/win32/message_box_win32.h"
#include "messenger/runtime/win32/program_folder.h"
#include "messenger/runtime/win32/resource_strings.h"

namespace kivet {
namespace {

// Both exports use the C calling convention.
using IsKivetLanguagePackFn = int(__cdecl*)(HWND);
using GetLibraryInstanceFn = HINSTANCE(__cdecl*)();

HMODULE ModuleOf(PackModule module)
{
    return static_cast<HMODULE>(const_cast<void*>(module));
}

class SystemPackLoader : public LanguagePackHost {
public:
    explicit SystemPackLoader(HWND owner) : owner_(owner) {}

    PackModule LoadLibraryFile(const std::string& path) override
    {
        // A damaged file is reported by our own box, not by the system's.
        UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
        HMODULE library = LoadLibraryA(path.c_str());
        SetErrorMode(previous);
        return library;
    }

    bool CallIsKivetLanguagePack(PackModule library, int& answer) override
    {
        auto call = reinterpret_cast<IsKivetLanguagePackFn>(
            reinterpret_cast<void*>(GetProcAddress(ModuleOf(library), "IsKivetLanguagePack")));
        if (!call) return false;
        answer = call(owner_);
        return true;
    }

    bool CallGetLibraryInstance(PackModule library, PackModule& resources) override
    {
        auto call = reinterpret_cast<GetLibraryInstanceFn>(
            reinterpret_cast<void*>(GetProcAddress(ModuleOf(library), "GetLibraryInstance")));
        if (!call) return false;
        resources = call();
        return true;
    }

    void ShowBox(const BoxSpec& box) override { ShowMessageBox(owner_, box); }

private:
    HWND owner_;
};

void RefillTextTable(HINSTANCE pack)
{
    ModuleStrings english(GetModuleHandleA(nullptr));
    if (!pack) {
        ProcessTexts().Fill(english);
        return;
    }
    ModuleStrings translated(pack);
    CheckedPackStrings checked(translated, english);
    ProcessTexts().Fill(checked);
}

} // namespace

HINSTANCE LoadPackModule(HWND owner, const std::string& path)
{
    SystemPackLoader loader(owner);
    return ModuleOf(kivet::LoadPackModule(loader, path));
}

bool LoadLanguagePack(HWND owner, int32_t index)
{
    SystemPackLoader loader(owner);
    LanguageResources chosen = ChooseLanguageResources(loader, ProgramFolder(), index);
    HINSTANCE pack = ModuleOf(chosen.pack);
    ReplaceLanguageMenus(pack ? pack : GetModuleHandleA(nullptr));
    RefillTextTable(pack);
    return chosen.ok;
}

} // namespace kivet
