// Profile functions: the same calls against Wine's registry and against an INI file give the
// same values, and missing entries give the defaults.
#include "TestApp.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
struct ProfileValues
{
    UINT nInt;
    UINT nNegative;
    UINT nMissingInt;
    CString str;
    CString strEmpty;
    CString strMissing;
    std::string binary;
    BOOL bMissingBinary;
};

ProfileValues WriteAndReadBack()
{
    CWinApp& app = TheApp();
    app.WriteProfileInt("Ofen", "Zonen", 12345);
    app.WriteProfileInt("Ofen", "Versatz", -7);
    app.WriteProfileString("Ofen", "Name", "Gl\xFChofen links");
    app.WriteProfileString("Ofen", "Leer", "");
    BYTE bytes[] = {0x00, 0x01, 0x7F, 0x80, 0xFF, 0x00};
    app.WriteProfileBinary("Ofen", "Daten", bytes, sizeof bytes);

    ProfileValues v;
    v.nInt = app.GetProfileInt("Ofen", "Zonen", 0);
    v.nNegative = app.GetProfileInt("Ofen", "Versatz", 0);
    v.nMissingInt = app.GetProfileInt("Ofen", "Fehlt", 99);
    v.str = app.GetProfileString("Ofen", "Name");
    v.strEmpty = app.GetProfileString("Ofen", "Leer", "vorgabe");
    v.strMissing = app.GetProfileString("Ofen", "Fehlt", "vorgabe");
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    if (app.GetProfileBinary("Ofen", "Daten", &pData, &nBytes))
        v.binary.assign((const char*)pData, nBytes);
    delete[] pData;
    pData = NULL;
    v.bMissingBinary = app.GetProfileBinary("Ofen", "Fehlt", &pData, &nBytes);
    delete[] pData;
    return v;
}

TEST(Profile, RegistryAndIniFileGiveTheSameValues)
{
    ProfileValues fromRegistry, fromIni;
    {
        ProfileScope scope(ProfileScope::registry);
        fromRegistry = WriteAndReadBack();
        // It really is in the registry, below Software\<key>\<application>.
        HKEY hKey = NULL;
        ASSERT_EQ(ERROR_SUCCESS,
                  ::RegOpenKeyExA(HKEY_CURRENT_USER, scope.SectionKey("Ofen").c_str(), 0, KEY_READ, &hKey));
        DWORD dwValue = 0, cb = sizeof dwValue, type = 0;
        EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, "Zonen", NULL, &type, (LPBYTE)&dwValue, &cb));
        EXPECT_EQ((DWORD)REG_DWORD, type);
        EXPECT_EQ(12345u, dwValue);
        ::RegCloseKey(hKey);
    }
    {
        ProfileScope scope(ProfileScope::iniFile);
        fromIni = WriteAndReadBack();
        char text[64] = {};
        ::GetPrivateProfileStringA("Ofen", "Zonen", "", text, sizeof text, scope.IniPath().c_str());
        EXPECT_STREQ("12345", text);
    }
    for (const ProfileValues* v : {&fromRegistry, &fromIni})
    {
        SCOPED_TRACE(v == &fromRegistry ? "registry" : "ini");
        EXPECT_EQ(12345u, v->nInt);
        EXPECT_EQ((UINT)-7, v->nNegative);
        EXPECT_EQ(99u, v->nMissingInt);
        EXPECT_EQ(CString("Gl\xFChofen links"), v->str);
        EXPECT_EQ(CString(""), v->strEmpty);
        EXPECT_EQ(CString("vorgabe"), v->strMissing);
        EXPECT_EQ(std::string("\x00\x01\x7F\x80\xFF\x00", 6), v->binary);
        EXPECT_FALSE(v->bMissingBinary);
    }
}

TEST(Profile, RecentFilesGoThroughTheProfile)
{
    ProfileScope scope(ProfileScope::registry);
    TheApp().LoadStdProfileSettings(4);
    for (const char* name : {"C:\\a.hvt", "C:\\b.hvt", "C:\\a.hvt"})
        TheApp().AddToRecentFileList(name);
    TheApp().SaveStdProfileSettings();
    EXPECT_EQ(CString("C:\\a.hvt"), TheApp().GetProfileString("Recent File List", "File1"));
    EXPECT_EQ(CString("C:\\b.hvt"), TheApp().GetProfileString("Recent File List", "File2"));
    EXPECT_EQ(CString(""), TheApp().GetProfileString("Recent File List", "File3"));
    delete TheApp().m_pRecentFileList;
    TheApp().m_pRecentFileList = NULL;
}
} // namespace
