#include "secure/registration_script.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kivet::secure {
namespace {

std::string ComponentScript()
{
    std::ifstream in(std::string(KIVET_SOURCE_DIR) + "/secure/secure.rgs", std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

const std::map<std::string, std::string> kModule = {{"MODULE", "C:\\Kivet\\Secure.dll"}};
const std::string kClsidKey = "CLSID\\{35B2C97E-D480-4A23-8865-62622B92961A}";

std::string ValueOf(const RegistrationPlan& plan, const std::string& key, const std::string& name)
{
    for (const ScriptValue& v : plan.values)
        if (v.key == key && v.name == name) return v.data;
    return "<missing>";
}

TEST(RegistrationScript, ComponentScriptRegistersClassProgIdsServerAndTypeLibrary)
{
    RegistrationPlan plan;
    ScriptError error;
    ASSERT_TRUE(ParseRegistrationScript(ComponentScript(), kModule, plan, error))
        << error.line << ": " << error.message;
    EXPECT_EQ(ValueOf(plan, kClsidKey, ""), "CKivetSecure Class");
    EXPECT_EQ(ValueOf(plan, kClsidKey + "\\InprocServer32", ""), "C:\\Kivet\\Secure.dll");
    EXPECT_EQ(ValueOf(plan, kClsidKey + "\\InprocServer32", "ThreadingModel"), "Both");
    EXPECT_EQ(ValueOf(plan, kClsidKey + "\\ProgID", ""), "Secure.KivetSecure.1");
    EXPECT_EQ(ValueOf(plan, kClsidKey + "\\VersionIndependentProgID", ""), "Secure.KivetSecure");
    EXPECT_EQ(ValueOf(plan, kClsidKey + "\\TypeLib", ""), "{43447C17-EA96-4508-9DAD-15998DBCC42E}");
    for (const char* progId : {"Secure.KivetSecure.1", "Secure.KivetSecure"}) {
        EXPECT_EQ(ValueOf(plan, progId, ""), "CKivetSecure Class") << progId;
        EXPECT_EQ(ValueOf(plan, std::string(progId) + "\\CLSID", ""), "{35B2C97E-D480-4A23-8865-62622B92961A}");
    }
    EXPECT_EQ(ValueOf(plan, "Secure.KivetSecure\\CurVer", ""), "Secure.KivetSecure.1");
    // Unregistering removes the class and both ProgIDs, never the shared CLSID key.
    EXPECT_EQ(plan.removableKeys, (std::vector<std::string>{"Secure.KivetSecure.1", "Secure.KivetSecure", kClsidKey}));
}

TEST(RegistrationScript, ParentsComeBeforeChildren)
{
    RegistrationPlan plan;
    ScriptError error;
    ASSERT_TRUE(ParseRegistrationScript("HKCR {A { B {C} } NoRemove D { E = s 'x' } }", {}, plan, error));
    EXPECT_EQ(plan.keys, (std::vector<std::string>{"A", "A\\B", "A\\B\\C", "D", "D\\E"}));
    EXPECT_EQ(plan.removableKeys, (std::vector<std::string>{"A", "D\\E"}));
}

TEST(RegistrationScript, QuotesAndSubstitutions)
{
    RegistrationPlan plan;
    ScriptError error;
    ASSERT_TRUE(
        ParseRegistrationScript("HKCR { K = s 'it''s %MODULE%' { val 'Two Words' = s '' } }", kModule, plan, error));
    EXPECT_EQ(ValueOf(plan, "K", ""), "it's C:\\Kivet\\Secure.dll");
    EXPECT_EQ(ValueOf(plan, "K", "Two Words"), "");
}

TEST(RegistrationScript, MalformedScriptsAreRefusedWithTheirLine)
{
    struct Row {
        const char* script;
        std::size_t line;
    } rows[] = {
        {"", 1},
        {"HKLM { A }", 1},
        {"HKCR { A", 1},
        {"HKCR {\n A = s 'unterminated\n }", 2},
        {"HKCR { A = d '5' }", 1},
        {"HKCR { A = s 'x' } trailing", 1},
        {"HKCR { val X = s 'y' }", 1},
        {"HKCR {\n\n A = s '%UNKNOWN%' }", 3},
        {"HKCR { A = s '50%' }", 1},
        {"HKCR { A = }", 1},
        {"HKCR { '' }", 1},
        {"HKCR { {35B2C97E-D480", 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.script);
        RegistrationPlan plan;
        ScriptError error;
        EXPECT_FALSE(ParseRegistrationScript(r.script, kModule, plan, error));
        EXPECT_EQ(error.line, r.line);
        EXPECT_FALSE(error.message.empty());
    }
}

TEST(RegistrationScript, DeepNestingIsRefusedNotOverflowed)
{
    std::string script = "HKCR ";
    for (int i = 0; i < 100000; ++i)
        script += "{ K ";
    RegistrationPlan plan;
    ScriptError error;
    EXPECT_FALSE(ParseRegistrationScript(script, {}, plan, error));
}

} // namespace
} // namespace kivet::secure
