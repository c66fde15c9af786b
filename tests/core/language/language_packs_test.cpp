#include "messenger/runtime/language_packs.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <vector>

namespace kivet {
namespace {

// A stand-in loader: each file it can load is described by what its exports do.
struct FakeLibrary {
    bool hasCheck = true;
    int answer = 1;
    bool hasInstance = true;
    bool nullInstance = false;
};

class FakeLoader : public LanguagePackHost {
public:
    std::map<std::string, FakeLibrary> files;
    std::vector<std::string> loaded;
    std::vector<BoxSpec> boxes;
    int checksAsked = 0;

    PackModule LoadLibraryFile(const std::string& path) override
    {
        loaded.push_back(path);
        auto it = files.find(path);
        return it == files.end() ? nullptr : &it->second;
    }
    bool CallIsKivetLanguagePack(PackModule library, int& answer) override
    {
        const FakeLibrary& lib = *static_cast<const FakeLibrary*>(library);
        if (!lib.hasCheck) return false;
        ++checksAsked;
        answer = lib.answer;
        return true;
    }
    bool CallGetLibraryInstance(PackModule library, PackModule& resources) override
    {
        const FakeLibrary& lib = *static_cast<const FakeLibrary*>(library);
        if (!lib.hasInstance) return false;
        resources = lib.nullInstance ? nullptr : library;
        return true;
    }
    void ShowBox(const BoxSpec& box) override { boxes.push_back(box); }
};

const std::string kFolder = "C:\\Kivet\\";

TEST(LanguagePackFiles, IndexesOneToSixNameTheirPacksEverythingElseIsTheProgramsOwn)
{
    EXPECT_EQ(LanguagePackFile(1), "russian.lng");
    EXPECT_EQ(LanguagePackFile(6), "japanese.lng");
    for (int32_t own : {0, 7, -1, 1000, INT32_MIN})
        EXPECT_EQ(LanguagePackFile(own), "") << own;
}

TEST(LoadPackModule, AGoodPackGivesItsResourceModuleWithoutABox)
{
    FakeLoader loader;
    loader.files[kFolder + "russian.lng"] = {};
    EXPECT_NE(LoadPackModule(loader, kFolder + "russian.lng"), nullptr);
    EXPECT_TRUE(loader.boxes.empty());
    EXPECT_EQ(loader.checksAsked, 1);
}

TEST(LoadPackModule, EachFailureShowsItsBoxOrNone)
{
    struct Row {
        const char* what;
        bool present;
        FakeLibrary library;
        const char* box; // nullptr: no box
    } rows[] = {
        {"missing file", false, {}, "Cannot load the Language Pack.\nMake sure that it is located in Kivet Secure "
                                    "Messenger work directory."},
        {"no IsKivetLanguagePack", true, {false, 1, true, false}, "Invalid Language Pack. Loading failed."},
        {"pack says no", true, {true, 0, true, false}, nullptr},
        {"no GetLibraryInstance", true, {true, 1, false, false}, "Invalid Language Pack. Loading failed."},
        {"no module handed back", true, {true, 1, true, true}, "Invalid Language Pack. Loading failed."},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        FakeLoader loader;
        if (r.present) loader.files[kFolder + "russian.lng"] = r.library;
        EXPECT_EQ(LoadPackModule(loader, kFolder + "russian.lng"), nullptr);
        if (!r.box) {
            EXPECT_TRUE(loader.boxes.empty());
            continue;
        }
        ASSERT_EQ(loader.boxes.size(), 1u);
        EXPECT_EQ(loader.boxes[0].text, r.box);
        EXPECT_EQ(loader.boxes[0].caption, "[ Language Pack loading ]");
        EXPECT_EQ(loader.boxes[0].icon, BoxIcon::Stop);
    }
}

TEST(LoadPackModule, AnyNonZeroAnswerAcceptsThePack)
{
    FakeLoader loader;
    loader.files["x.lng"] = {true, -7, true, false};
    EXPECT_NE(LoadPackModule(loader, "x.lng"), nullptr);
}

TEST(ChooseLanguageResources, TheProgramsOwnResourcesNeedNoFileAndAlwaysSucceed)
{
    for (int32_t index : {0, 7, 99, -3}) {
        FakeLoader loader;
        LanguageResources chosen = ChooseLanguageResources(loader, kFolder, index);
        EXPECT_TRUE(chosen.ok) << index;
        EXPECT_EQ(chosen.pack, nullptr) << index;
        EXPECT_TRUE(loader.loaded.empty()) << index;
    }
}

TEST(ChooseLanguageResources, APackIsLoadedFromTheProgramFolder)
{
    FakeLoader loader;
    loader.files[kFolder + "german.lng"] = {};
    LanguageResources chosen = ChooseLanguageResources(loader, kFolder, 4);
    EXPECT_TRUE(chosen.ok);
    EXPECT_NE(chosen.pack, nullptr);
    EXPECT_EQ(loader.loaded, std::vector<std::string>{kFolder + "german.lng"});
}

TEST(ChooseLanguageResources, AFailedPackFallsBackToTheProgramsOwnAndReportsFailure)
{
    FakeLoader loader;
    loader.files[kFolder + "french.lng"] = {true, 0, true, false}; // refuses silently
    LanguageResources chosen = ChooseLanguageResources(loader, kFolder, 2);
    EXPECT_FALSE(chosen.ok);
    EXPECT_EQ(chosen.pack, nullptr);
    EXPECT_TRUE(loader.boxes.empty());

    LanguageResources missing = ChooseLanguageResources(loader, kFolder, 1);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(loader.boxes.size(), 1u);
}

} // namespace
} // namespace kivet
