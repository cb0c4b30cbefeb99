// The registry wrapper and the configuration base on Wine's real registry.
#include "ProgramKey.h"
#include "station/config/Config.h"

using namespace testing_support;

TEST_F(ProgramKeyTest, GetIntReadsOnlyFourByteNumbersElseTheDefault)
{
    const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const BYTE four[4] = {0x2A, 0, 0, 0};
    const BYTE two[2] = {0x2A, 0};
    WriteRawDword(HKEY_CURRENT_USER, "S", "Dword", 42);
    WriteRaw(HKEY_CURRENT_USER, "S", "Binary4", REG_BINARY, four, sizeof four);
    WriteRaw(HKEY_CURRENT_USER, "S", "Binary8", REG_BINARY, eight, sizeof eight);
    WriteRaw(HKEY_CURRENT_USER, "S", "Short", REG_DWORD, two, sizeof two);
    WriteRawText(HKEY_CURRENT_USER, "S", "Text", "7");
    CConfig config(HELVON_REGISTRY_KEY, HKEY_CURRENT_USER, 0);
    struct
    {
        const char* name;
        DWORD expected;
    } cases[] = {{"Dword", 42}, {"Binary4", 42}, {"Binary8", 99},
                 {"Short", 99}, {"Text", 99},    {"Missing", 99}};
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, config.GetInt("S", c.name, 99)) << c.name;
}

TEST_F(ProgramKeyTest, GetStringReadsTextsWithOrWithoutTerminatorElseTheDefault)
{
    WriteRawText(HKEY_CURRENT_USER, "", "Top", "on the key itself");
    WriteRaw(HKEY_CURRENT_USER, "S", "Unterminated", REG_SZ, "abcdef", 3);
    WriteRaw(HKEY_CURRENT_USER, "S", "Expand", REG_EXPAND_SZ, "%TEMP%\\x", 9);
    WriteRaw(HKEY_CURRENT_USER, "S", "Empty", REG_SZ, "", 0);
    WriteRawDword(HKEY_CURRENT_USER, "S", "Number", 5);
    CConfig config(HELVON_REGISTRY_KEY, HKEY_CURRENT_USER, 0);
    struct
    {
        const char* section;
        const char* name;
        const char* expected;
    } cases[] = {{"", "Top", "on the key itself"}, {"S", "Unterminated", "abc"},
                 {"S", "Expand", "%TEMP%\\x"},     {"S", "Empty", ""},
                 {"S", "Number", "dflt"},          {"S", "Missing", "dflt"},
                 {"Nowhere", "Top", "dflt"}};
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, config.GetString(c.section, c.name, "dflt")) << c.section << "\\" << c.name;
}

TEST_F(ProgramKeyTest, AReadOnlyObjectCreatesNothingAndRefusesWrites)
{
    {
        CConfig absent(HELVON_REGISTRY_KEY, HKEY_LOCAL_MACHINE, 1);
        EXPECT_EQ(7u, absent.GetInt("Settings", "TempBase", 7));
        EXPECT_FALSE(absent.SetInt("Settings", "TempBase", 1));
    }
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, HELVON_REGISTRY_KEY));

    WriteRawDword(HKEY_LOCAL_MACHINE, "", "Marker", 1);
    CConfig config(HELVON_REGISTRY_KEY, HKEY_LOCAL_MACHINE, 1);
    EXPECT_STREQ("x", config.GetString("Limits", "T1Max", "x"));
    EXPECT_EQ(3u, config.GetInt("Limits\\Deeper", "T1Max", 3));
    EXPECT_EQ(NULL, config.OpenSection("Limits"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, Path("Limits")));
    EXPECT_FALSE(config.SetInt("", "Marker", 2));
    EXPECT_FALSE(config.SetString("", "Text", "t"));
    EXPECT_FALSE(config.SetString("", "Marker", NULL));
    EXPECT_EQ("1", ReadRaw(HKEY_LOCAL_MACHINE, "", "Marker"));
    EXPECT_EQ(1u, config.GetInt("", "Marker", 0));
}

TEST_F(ProgramKeyTest, AWritableObjectCreatesItsKeyAndSectionsOnFirstRead)
{
    CConfig config(HELVON_REGISTRY_KEY, HKEY_CURRENT_USER, 0);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, HELVON_REGISTRY_KEY));
    EXPECT_EQ(5u, config.GetInt("Interface\\COM9", "Baudrate", 5));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Interface\\COM9")));
    // The key it created is readable as well as writable.
    EXPECT_TRUE(config.SetInt("", "Top", 11));
    EXPECT_EQ(11u, config.GetInt("", "Top", 0));
}

TEST_F(ProgramKeyTest, SetStringWritesDeletesAValueOrAWholeSection)
{
    CConfig config(HELVON_REGISTRY_KEY, HKEY_CURRENT_USER, 0);
    EXPECT_TRUE(config.SetString("Sec", "Name", "Wert \xE4\xF6\xFC"));
    EXPECT_EQ("Wert \xE4\xF6\xFC", ReadRaw(HKEY_CURRENT_USER, "Sec", "Name"));
    EXPECT_TRUE(config.SetInt("Sec", "Number", 3));
    EXPECT_TRUE(config.SetString("Sec", "Name", NULL));
    EXPECT_EQ("<missing>", ReadRaw(HKEY_CURRENT_USER, "Sec", "Name"));
    EXPECT_EQ("3", ReadRaw(HKEY_CURRENT_USER, "Sec", "Number"));
    EXPECT_TRUE(config.SetString("Sec", NULL, NULL));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path("Sec")));
    EXPECT_FALSE(config.SetString("Sec", NULL, NULL));
    EXPECT_FALSE(config.SetString("", NULL, NULL));
    // A section with subkeys stays, with its values.
    EXPECT_TRUE(config.SetInt("Parent\\Child", "Number", 1));
    EXPECT_TRUE(config.SetInt("Parent", "Number", 2));
    EXPECT_FALSE(config.SetString("Parent", NULL, NULL));
    EXPECT_EQ("2", ReadRaw(HKEY_CURRENT_USER, "Parent", "Number"));
    EXPECT_EQ("1", ReadRaw(HKEY_CURRENT_USER, "Parent\\Child", "Number"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, HELVON_REGISTRY_KEY));
}

TEST_F(ProgramKeyTest, EnumValuesListsTheTextsThatFit)
{
    WriteRawText(HKEY_CURRENT_USER, "Language", "Deutsch", "HelvonDE.dll");
    WriteRawText(HKEY_CURRENT_USER, "Language", "English", "HelvonEN.dll");
    WriteRawDword(HKEY_CURRENT_USER, "Language", "Number", 1);
    WriteRawText(HKEY_CURRENT_USER, "Language", "Long", std::string(300, 'x'));
    CConfig config(HELVON_REGISTRY_KEY, HKEY_CURRENT_USER, 0);
    CMapStringToString map;
    EXPECT_EQ(2, config.EnumValues("Language", map));
    CString value;
    EXPECT_TRUE(map.Lookup("English", value));
    EXPECT_STREQ("HelvonEN.dll", value);
    EXPECT_TRUE(map.Lookup("Deutsch", value));
    EXPECT_STREQ("HelvonDE.dll", value);
    CMapStringToString none;
    CConfig readOnly(HELVON_REGISTRY_KEY, HKEY_CURRENT_USER, 1);
    EXPECT_EQ(0, readOnly.EnumValues("Nothing", none));
}

TEST(ConfigHelpers, MakeSectionAndModuleDirectory)
{
    EXPECT_STREQ("Interface\\COM1", CConfig::MakeSection("Interface", "COM1"));
    EXPECT_STREQ("Interface", CConfig::MakeSection("Interface", NULL));
    CString folder = CConfig::GetModuleDirectory();
    ASSERT_FALSE(folder.IsEmpty());
    EXPECT_EQ('\\', folder[folder.GetLength() - 1]);
    char exe[MAX_PATH] = {};
    ::GetModuleFileNameA(NULL, exe, MAX_PATH);
    EXPECT_EQ(0, _strnicmp(exe, folder, folder.GetLength())) << exe << " / " << (LPCSTR)folder;
}
