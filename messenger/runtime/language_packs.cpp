#include "messenger/runtime/language_packs.h"

namespace kivet {
namespace {

const char* const kPackFiles[kLanguageCount] = {
    "", "russian.lng", "french.lng", "italian.lng", "german.lng", "spanish.lng", "japanese.lng",
};

const char kPackBoxCaption[] = "[ Language Pack loading ]";

} // namespace

std::string LanguagePackFile(int32_t index)
{
    if (index < 1 || index >= kLanguageCount) return std::string();
    return kPackFiles[index];
}

BoxSpec PackNotLoadableBox()
{
    return {"Cannot load the Language Pack.\nMake sure that it is located in Kivet Secure Messenger work directory.",
            kPackBoxCaption, BoxButtons::Ok, BoxIcon::Stop};
}

BoxSpec InvalidPackBox()
{
    return {"Invalid Language Pack. Loading failed.", kPackBoxCaption, BoxButtons::Ok, BoxIcon::Stop};
}

PackModule LoadPackModule(LanguagePackHost& host, const std::string& path)
{
    PackModule library = host.LoadLibraryFile(path);
    if (!library) {
        host.ShowBox(PackNotLoadableBox());
        return nullptr;
    }
    int answer = 0;
    if (!host.CallIsKivetLanguagePack(library, answer)) {
        host.ShowBox(InvalidPackBox());
        return nullptr;
    }
    if (answer == 0) return nullptr; // the pack said no: nothing to report
    PackModule resources = nullptr;
    if (!host.CallGetLibraryInstance(library, resources) || !resources) {
        host.ShowBox(InvalidPackBox());
        return nullptr;
    }
    return resources;
}

LanguageResources ChooseLanguageResources(LanguagePackHost& host, const std::string& programFolder, int32_t index)
{
    std::string file = LanguagePackFile(index);
    if (file.empty()) return {};
    PackModule pack = LoadPackModule(host, programFolder + file);
    return {pack, pack != nullptr};
}

} // namespace kivet
