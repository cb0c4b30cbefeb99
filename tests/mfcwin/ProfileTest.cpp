// Profile functions: the same calls against Wine's registry and against an INI file give the
// same values, and missing entries give the defaults.
#include "TestApp.h"
#include "TestSupport.h"
#include <shlwapi.h>

using namespace testing_support;

namespace
{
const char kRegistryKey[] = "HelvonTestFirma";

// Points the application's profile at the registry or at an INI file for one test, then back.
class ProfileScope
{
  public:
    explicit ProfileScope(bool bRegistry)
        : m_pOldKey(TheApp().m_pszRegistryKey), m_pOldName(TheApp().m_pszProfileName)
    {
        TheApp().m_pszRegistryKey = NULL;
        TheApp().m_pszProfileName = NULL;
        if (bRegistry)
            TheApp().SetRegistryKey(kRegistryKey);
        else
        {
            m_ini = TempFolder() + "\\profil.ini";
            TheApp().m_pszProfileName = _strdup(m_ini.c_str());
        }
    }
    ~ProfileScope()
    {
        free((void*)TheApp().m_pszRegistryKey);
        free((void*)TheApp().m_pszProfileName);
        TheApp().m_pszRegistryKey = m_pOldKey;
        TheApp().m_pszProfileName = m_pOldName;
        if (!m_ini.empty())
            ::DeleteFileA(m_ini.c_str());
        ::SHDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\") + kRegistryKey).c_str());
    }
    ProfileScope(const ProfileScope&) = delete;
    ProfileScope& operator=(const ProfileScope&) = delete;

  private:
    LPCTSTR m_pOldKey;
    LPCTSTR m_pOldName;
    std::string m_ini;
};

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
        ProfileScope scope(true);
        fromRegistry = WriteAndReadBack();
        // It really is in the registry, below Software\<key>\<application>.
        HKEY hKey = NULL;
        ASSERT_EQ(ERROR_SUCCESS,
                  ::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\HelvonTestFirma\\HelvonWinTest\\Ofen", 0,
                                  KEY_READ, &hKey));
        DWORD dwValue = 0, cb = sizeof dwValue, type = 0;
        EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, "Zonen", NULL, &type, (LPBYTE)&dwValue, &cb));
        EXPECT_EQ((DWORD)REG_DWORD, type);
        EXPECT_EQ(12345u, dwValue);
        ::RegCloseKey(hKey);
    }
    {
        ProfileScope scope(false);
        fromIni = WriteAndReadBack();
        char text[64] = {};
        ::GetPrivateProfileStringA("Ofen", "Zonen", "", text, sizeof text,
                                   (TempFolder() + "\\profil.ini").c_str());
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
    ProfileScope scope(true);
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
