// Language packs: resource-only libraries ("russian.lng" and its siblings) in the program's folder
// that carry the translated string table and the two menus. This file holds which pack belongs
// to which language index and the steps that decide whether a library is a usable pack; the
// window side supplies the system's loader through LanguagePackHost.
#pragma once

#include <cstdint>
#include <string>

#include "messenger/runtime/message_box.h"

namespace kivet {

// Language indexes 0..6: 0 is the program's own English resources.
constexpr int32_t kLanguageCount = 7;

// Resource ids of the menus a pack replaces: the main menu bar and the popup menus.
constexpr uint32_t kMainMenuResource = 132;
constexpr uint32_t kPopupMenusResource = 130;

// The pack file of a language index ("russian.lng" for 1); "" for index 0 and for any index
// outside 1..6, which select the program's own resources.
std::string LanguagePackFile(int32_t index);

// The two failure boxes of pack loading, titled "[ Language Pack loading ]".
BoxSpec PackNotLoadableBox();
BoxSpec InvalidPackBox();

// An opaque module handle of the system's loader; null means none.
using PackModule = const void*;

class LanguagePackHost {
public:
    virtual ~LanguagePackHost() = default;
    // Loads a library file; null when it cannot be loaded.
    virtual PackModule LoadLibraryFile(const std::string& path) = 0;
    // Calls the library's `IsKivetLanguagePack` with the owner window (or none); false when the
    // library has no such export.
    virtual bool CallIsKivetLanguagePack(PackModule library, int& answer) = 0;
    // Calls the library's `GetLibraryInstance`; false when the library has no such export.
    virtual bool CallGetLibraryInstance(PackModule library, PackModule& resources) = 0;
    // Shows a failure box owned by the owner window (or none).
    virtual void ShowBox(const BoxSpec& box) = 0;
};

// Loads a pack file and checks it: the module that carries its resources, or null. A library
// that cannot be loaded, or lacks one of the two exports, or hands back no module, is reported
// with a box; a library whose `IsKivetLanguagePack` answers 0 is refused without one. A loaded
// library is never freed: it stays for the rest of the run.
PackModule LoadPackModule(LanguagePackHost& host, const std::string& path);

struct LanguageResources {
    PackModule pack = nullptr; // null: the program's own resources
    bool ok = true;            // false when the wanted pack could not be used
};

// Which resources a language index reads from: the pack of `programFolder` + its file for
// indexes 1..6, the program's own for every other index (which counts as success). A pack that
// fails leaves the program's own resources and ok = false.
LanguageResources ChooseLanguageResources(LanguagePackHost& host, const std::string& programFolder, int32_t index);

} // namespace kivet
