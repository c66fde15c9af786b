// Secure.dll as its users meet it: registered with regsvr32, created through COM, called through
// IKivetSecure and IDispatch, and carrying a record between two processes over port 19803.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <cstring>
#include <string>
#include <vector>

#include "secure/kivet_secure_idl.h"
#include "tests/wine/driver/kivet_driver.h"

namespace {

using kivet::wine::BinFolder;
using kivet::wine::RunAndWait;

bool ClassesKeyExists(const std::string& key)
{
    HKEY k;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}

std::string ClassesValue(const std::string& key, const char* name)
{
    char buf[512] = {};
    DWORD size = sizeof buf - 1, type = 0;
    HKEY k;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return "<missing>";
    LONG rc = RegQueryValueExA(k, name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
    RegCloseKey(k);
    return rc == ERROR_SUCCESS ? std::string(buf) : std::string("<missing>");
}

const std::string kClsidKey = "CLSID\\{35B2C97E-D480-4A23-8865-62622B92961A}";

class SecureComponent : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        registered = RunAndWait("regsvr32 /s \"" + BinFolder() + "Secure.dll\"") == 0;
    }
    static void TearDownTestSuite() { CoUninitialize(); }

    void SetUp() override
    {
        ASSERT_TRUE(registered) << "regsvr32 Secure.dll failed";
        ASSERT_EQ(CoCreateInstance(CLSID_CKivetSecure, nullptr, CLSCTX_INPROC_SERVER, IID_IKivetSecure,
                                   reinterpret_cast<void**>(&secure)),
                  S_OK);
        ASSERT_EQ(secure->Initialize(), S_OK);
    }
    void TearDown() override
    {
        if (!secure) return;
        secure->UnInitialize();
        secure->Release();
    }

    static bool registered;
    IKivetSecure* secure = nullptr;
};
bool SecureComponent::registered = false;

TEST_F(SecureComponent, RegistrationWritesClassProgIdsAndTypeLibrary)
{
    EXPECT_EQ(ClassesValue(kClsidKey, nullptr), "CKivetSecure Class");
    EXPECT_EQ(ClassesValue(kClsidKey + "\\InprocServer32", "ThreadingModel"), "Both");
    EXPECT_NE(ClassesValue(kClsidKey + "\\InprocServer32", nullptr).find("Secure.dll"), std::string::npos);
    EXPECT_EQ(ClassesValue("Secure.KivetSecure.1\\CLSID", nullptr), "{35B2C97E-D480-4A23-8865-62622B92961A}");
    EXPECT_EQ(ClassesValue("Secure.KivetSecure\\CLSID", nullptr), "{35B2C97E-D480-4A23-8865-62622B92961A}");
    EXPECT_TRUE(ClassesKeyExists("TypeLib\\{43447C17-EA96-4508-9DAD-15998DBCC42E}\\1.1"));
    EXPECT_TRUE(ClassesKeyExists("Interface\\{1E269A05-A71F-44D8-9BB9-8ABEF45A7495}"));
}

TEST_F(SecureComponent, CreatedByProgIdAndAnswersItsInterfaces)
{
    for (const wchar_t* progId : {L"Secure.KivetSecure.1", L"Secure.KivetSecure"}) {
        CLSID clsid;
        ASSERT_EQ(CLSIDFromProgID(progId, &clsid), S_OK);
        EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_CKivetSecure));
        IUnknown* unknown = nullptr;
        ASSERT_EQ(
            CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&unknown)),
            S_OK);
        IDispatch* dispatch = nullptr;
        IKivetSecure* direct = nullptr;
        IClassFactory* wrong = nullptr;
        EXPECT_EQ(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
        EXPECT_EQ(unknown->QueryInterface(IID_IKivetSecure, reinterpret_cast<void**>(&direct)), S_OK);
        EXPECT_EQ(unknown->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&wrong)), E_NOINTERFACE);
        EXPECT_EQ(wrong, nullptr);
        if (dispatch) dispatch->Release();
        if (direct) direct->Release();
        unknown->Release();
    }
}

TEST_F(SecureComponent, ModuleStaysWhileObjectsLiveAndRefusesOtherClasses)
{
    HMODULE module = GetModuleHandleA("Secure.dll");
    ASSERT_NE(module, nullptr);
    auto canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllCanUnloadNow")));
    auto getClass = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
    ASSERT_TRUE(canUnload && getClass);
    EXPECT_EQ(canUnload(), S_FALSE);
    secure->UnInitialize();
    secure->Release();
    secure = nullptr;
    EXPECT_EQ(canUnload(), S_OK);

    void* factory = reinterpret_cast<void*>(1);
    EXPECT_EQ(getClass(IID_IUnknown, IID_IClassFactory, &factory), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);
    IClassFactory* real = nullptr;
    ASSERT_EQ(getClass(CLSID_CKivetSecure, IID_IClassFactory, reinterpret_cast<void**>(&real)), S_OK);
    EXPECT_EQ(real->LockServer(TRUE), S_OK);
    real->Release();
    EXPECT_EQ(canUnload(), S_FALSE);
    real->LockServer(FALSE);
    EXPECT_EQ(canUnload(), S_OK);
}

TEST_F(SecureComponent, DispatchComesFromTheTypeLibrary)
{
    UINT count = 0;
    EXPECT_EQ(secure->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    struct Name {
        const wchar_t* name;
        DISPID id;
    } names[] = {{L"EncryptBlock", 1}, {L"Initialize", 7}, {L"UnInitialize", 8}, {L"GetFileKey", 21}};
    for (const Name& n : names) {
        LPOLESTR name = const_cast<LPOLESTR>(n.name);
        DISPID id = -1;
        EXPECT_EQ(secure->GetIDsOfNames(IID_NULL, &name, 1, 0x409, &id), S_OK);
        EXPECT_EQ(id, n.id);
    }
    DISPPARAMS none{};
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(secure->Invoke(7, IID_NULL, 0x409, DISPATCH_METHOD, &none, &result, nullptr, nullptr), S_OK);
    EXPECT_EQ(secure->Invoke(99, IID_NULL, 0x409, DISPATCH_METHOD, &none, &result, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    ITypeInfo* info = nullptr;
    ASSERT_EQ(secure->GetTypeInfo(0, 0x409, &info), S_OK);
    BSTR doc = nullptr;
    EXPECT_EQ(info->GetDocumentation(1, nullptr, &doc, nullptr, nullptr), S_OK);
    EXPECT_STREQ(doc, L"method EncryptBlock");
    SysFreeString(doc);
    info->Release();
}

TEST_F(SecureComponent, CipherThroughTheInterfaceMatchesThePublishedVector)
{
    unsigned char key[16] = {0x01, 0x23, 0x45, 0x67, 0x12, 0x34, 0x56, 0x78,
                             0x23, 0x45, 0x67, 0x89, 0x34, 0x56, 0x78, 0x9A};
    unsigned char plain[8] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    const unsigned char expected[8] = {0x23, 0x8B, 0x4F, 0xE5, 0x84, 0x7E, 0x44, 0xB2};
    unsigned char block[8];
    EXPECT_EQ(secure->EncryptBlock(key, block, plain), S_OK);
    EXPECT_EQ(std::memcmp(block, expected, 8), 0);
    EXPECT_EQ(secure->DecryptBlock(key, block, block), S_OK); // in place
    EXPECT_EQ(std::memcmp(block, plain, 8), 0);
}

TEST_F(SecureComponent, KeyTablesFollowTheirRules)
{
    unsigned char a[16], b[16], out[16];
    std::memset(a, 0xA1, 16);
    std::memset(b, 0xB2, 16);
    EXPECT_EQ(secure->GetMessageKey(const_cast<unsigned char*>(reinterpret_cast<const unsigned char*>("PC1")), out),
              E_FAIL);
    auto name = [](const char* s) { return const_cast<unsigned char*>(reinterpret_cast<const unsigned char*>(s)); };
    EXPECT_EQ(secure->AddMessageKey(name("pc1"), a), S_OK);
    EXPECT_EQ(secure->AddMessageKey(name("Pc1"), b), E_FAIL); // replaced
    EXPECT_EQ(secure->GetFileKey(name("PC1"), out), E_FAIL);  // the file table is separate
    ASSERT_EQ(secure->GetMessageKey(name("PC1"), out), S_OK);
    EXPECT_EQ(std::memcmp(out, b, 16), 0);
    EXPECT_EQ(secure->GetMessageKey(name("PC1"), out), E_FAIL); // consumed

    // Names compare in the system's ANSI upper case, beyond ASCII too.
    EXPECT_EQ(secure->AddFileKey(name("caf\xe9"), a), S_OK);
    ASSERT_EQ(secure->GetFileKey(name("CAF\xc9"), out), S_OK);
    EXPECT_EQ(std::memcmp(out, a, 16), 0);
}

TEST_F(SecureComponent, RepeatedInitialiseAndUnInitialiseAreHarmless)
{
    EXPECT_EQ(secure->Initialize(), S_OK);
    unsigned char prekey[300], key[16];
    EXPECT_EQ(secure->GeneratePreKey(prekey), S_OK);
    EXPECT_EQ(secure->GenerateKey(prekey, key), S_OK);
    EXPECT_EQ(secure->UnInitialize(), S_OK);
    EXPECT_EQ(secure->UnInitialize(), S_OK);
    EXPECT_EQ(secure->Initialize(), S_OK);
}

TEST_F(SecureComponent, SlotsWithoutConnectionsFailAndDisconnectsSucceed)
{
    std::vector<LONG> record(5348 / 4, 0);
    EXPECT_EQ(secure->SendData(record.data()), E_FAIL);
    EXPECT_EQ(secure->SendData2(record.data()), E_FAIL);
    EXPECT_EQ(secure->ReceiveData(record.data()), E_FAIL);
    EXPECT_EQ(secure->ListenServer(), E_FAIL);
    EXPECT_EQ(secure->AcceptServer(), E_FAIL);
    EXPECT_EQ(secure->DisconnectClient(), S_OK);
    EXPECT_EQ(secure->DisconnectClient2(), S_OK);
    EXPECT_EQ(secure->DisconnectServer(), S_OK);
}

TEST_F(SecureComponent, RecordTravelsFromTheRequestSlotToAnotherProcessServerSlot)
{
    // The peer process serves port 19803 and checks the record's pattern; its exit code is the verdict.
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION peer{};
    std::string line = "\"" + BinFolder() + "secure_peer.exe\"";
    ASSERT_TRUE(
        CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, BinFolder().c_str(), &startup, &peer));
    std::vector<LONG> record(5348 / 4);
    unsigned char* bytes = reinterpret_cast<unsigned char*>(record.data());
    for (int i = 0; i < 5348; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 3);

    bool sent = false;
    for (int attempt = 0; attempt < 100 && !sent; ++attempt) {
        if (secure->ConnectToServer2(reinterpret_cast<unsigned char*>(const_cast<char*>("localhost"))) == S_OK)
            sent = secure->SendData2(record.data()) == S_OK;
        secure->DisconnectClient2();
        if (!sent) Sleep(100);
    }
    EXPECT_TRUE(sent);
    DWORD code = 99;
    if (WaitForSingleObject(peer.hProcess, 20000) == WAIT_OBJECT_0)
        GetExitCodeProcess(peer.hProcess, &code);
    else
        TerminateProcess(peer.hProcess, 98);
    EXPECT_EQ(code, 0u) << "the peer did not receive the record intact";
    CloseHandle(peer.hProcess);
    CloseHandle(peer.hThread);
}

TEST(SecureRegistration, UnregisterRemovesWhatRegisterWrote)
{
    std::string dll = "\"" + BinFolder() + "Secure.dll\"";
    ASSERT_EQ(RunAndWait("regsvr32 /s " + dll), 0);
    ASSERT_EQ(RunAndWait("regsvr32 /u /s " + dll), 0);
    EXPECT_FALSE(ClassesKeyExists(kClsidKey));
    EXPECT_FALSE(ClassesKeyExists("Secure.KivetSecure.1"));
    EXPECT_FALSE(ClassesKeyExists("Secure.KivetSecure"));
    EXPECT_TRUE(ClassesKeyExists("CLSID"));
    EXPECT_FALSE(ClassesKeyExists("TypeLib\\{43447C17-EA96-4508-9DAD-15998DBCC42E}\\1.1"));
    ASSERT_EQ(RunAndWait("regsvr32 /s " + dll), 0); // leave it registered for later tests
}

} // namespace
