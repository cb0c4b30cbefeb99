// Every value of the machine-wide configuration: default, name and section, round trip, and the
// refusal of its setter on a read-only object.
#include "ProgramKey.h"
#include "station/config/ProjektConfig.h"
#include "station/config/ProjektUserConfig.h"
#include <functional>

namespace
{
enum Kind
{
    Number,
    Flag,
    Text
};

struct ValueCase
{
    const char* section;
    const char* name;
    Kind kind;
    DWORD defaultNumber;
    const char* defaultText;
    std::function<std::string(CProjektConfig&)> get;
    std::function<BOOL(CProjektConfig&, DWORD, const char*)> set; // empty: no setter
};

// clang-format off
#define NUMBER(sec, name, def, Fn)                                                                                   \
    {sec, name, Number, def, "", [](CProjektConfig& c) { return std::to_string(c.Get##Fn()); },                     \
     [](CProjektConfig& c, DWORD n, const char*) { return c.Set##Fn(n); }}
#define NUMBER_RO(sec, name, def, Fn)                                                                                \
    {sec, name, Number, def, "", [](CProjektConfig& c) { return std::to_string(c.Get##Fn()); }, nullptr}
#define FLAG(sec, name, def, Fn)                                                                                     \
    {sec, name, Flag, def, "", [](CProjektConfig& c) { return std::to_string(c.Get##Fn()); },                       \
     [](CProjektConfig& c, DWORD n, const char*) { return c.Set##Fn(n != 0); }}
#define TEXT_VALUE(sec, name, def, Fn)                                                                                     \
    {sec, name, Text, 0, def, [](CProjektConfig& c) { return std::string(c.Get##Fn()); },                           \
     [](CProjektConfig& c, DWORD, const char* s) { return c.Set##Fn(s); }}
// clang-format on

const ValueCase kValues[] = {
    {"Settings", "ProfilFile", Text, 0, "IRProfil.csv",
     [](CProjektConfig& c) { return std::string(c.GetProfilFile()); }, nullptr},
    FLAG("Settings", "FirstStart", 1, FirstStart),
    NUMBER("Settings", "TempIntervall", 20, TempIntervall),
    NUMBER("Settings", "TimeIntervall", 20, TimeIntervall),
    NUMBER("Settings", "TempBase", 220, TempBase),
    NUMBER("Settings", "TimeBase", 300, TimeBase),
    NUMBER("Settings", "ControlRate", 1, ControlRate),
    TEXT_VALUE("Settings", "Language", "", Language),
    FLAG("Settings", "DownloadWizzard", 1, DownloadWizzard),
    FLAG("Settings", "UploadWizzard", 1, UploadWizzard),
    FLAG("Settings", "AutoCom", 1, AutoCom),
    TEXT_VALUE("Settings", "Module", "", Module),
    NUMBER("Settings", "AutoRecord", 2, AutoRecord),
    TEXT_VALUE("Settings", "QuickSaveDir", "", QuickSaveDir),
    NUMBER("Limits", "T1Min", 30, T1Min),
    NUMBER("Limits", "T1Max", 250, T1Max),
    NUMBER_RO("Limits", "T1Default", 30, T1Default),
    NUMBER("Limits", "T2Min", 30, T2Min),
    NUMBER("Limits", "T2Max", 250, T2Max),
    NUMBER_RO("Limits", "T2Default", 30, T2Default),
    NUMBER("Limits", "T3Min", 100, T3Min),
    NUMBER("Limits", "T3Max", 250, T3Max),
    NUMBER_RO("Limits", "T3Default", 200, T3Default),
    NUMBER("Limits", "TLMin", 100, TLMin),
    NUMBER("Limits", "TLMax", 250, TLMax),
    NUMBER_RO("Limits", "TLDefault", 183, TLDefault),
    NUMBER("Limits", "TimeMin", 0, TimeMin),
    NUMBER("Limits", "TimeMax", 240, TimeMax),
    NUMBER_RO("Limits", "TimeDefault", 0, TimeDefault),
    NUMBER("Limits", "EnergyMin", 0, EnergyMin),
    NUMBER("Limits", "EnergyMax", 10, EnergyMax),
    NUMBER_RO("Limits", "EnergyDefault", 7, EnergyDefault),
    NUMBER_RO("Limits", "TinitMin", 30, TinitMin),
    NUMBER_RO("Limits", "TinitMax", 120, TinitMax),
    NUMBER_RO("Limits", "TinitDefault", 30, TinitDefault),
    FLAG("IR Options", "PipCal", 0, PipCal),
    FLAG("IR Options", "SoftCal", 0, SoftCal),
    NUMBER("IR Options", "BuzzerMode", 255, BuzzerMode),
    TEXT_VALUE("Application", "Extern App", "", ExternApp),
    TEXT_VALUE("Application", "Extern Options", "", ExternOptions),
    FLAG("Logos", "LeftLogo", 0, LeftLogo),
    FLAG("Logos", "RightLogo", 0, RightLogo),
    TEXT_VALUE("Logos", "PrintLogo", "", PrintLogo),
};

std::string Expected(const ValueCase& v, DWORD number, const char* text)
{
    switch (v.kind)
    {
    case Number:
        return std::to_string(number);
    case Flag:
        return number > 0 ? "1" : "0";
    default:
        return text;
    }
}
} // namespace

TEST_F(ProgramKeyTest, EveryProjectValueHasItsDefaultNameAndSetter)
{
    ASSERT_EQ(size_t(CProjektConfig::ValueCount), _countof(kValues));
    CProjektConfig config(FALSE);
    for (const ValueCase& v : kValues)
        EXPECT_EQ(Expected(v, v.defaultNumber, v.defaultText), v.get(config)) << v.name << ": default";

    for (const ValueCase& v : kValues)
    {
        SCOPED_TRACE(v.name);
        // Stored by hand, read by the getter: the name and section are right.
        const DWORD stored = v.kind == Flag ? (v.defaultNumber ? 0 : 5) : v.defaultNumber + 17;
        if (v.kind == Text)
            WriteRawText(HKEY_LOCAL_MACHINE, v.section, v.name, std::string("stored ") + v.name);
        else
            WriteRawDword(HKEY_LOCAL_MACHINE, v.section, v.name, stored);
        std::string storedText = std::string("stored ") + v.name;
        EXPECT_EQ(Expected(v, stored, storedText.c_str()), v.get(config));
        if (!v.set)
            continue;
        // Written by the setter, read back both ways.
        const DWORD written = v.kind == Flag ? (stored ? 0 : 1) : stored + 3;
        std::string writtenText = std::string("written \xB0") + v.name;
        EXPECT_TRUE(v.set(config, written, writtenText.c_str()));
        EXPECT_EQ(Expected(v, written, writtenText.c_str()), v.get(config));
        EXPECT_EQ(Expected(v, written, writtenText.c_str()), ReadRaw(HKEY_LOCAL_MACHINE, v.section, v.name));
    }
}

TEST_F(ProgramKeyTest, AReadOnlyProjectConfigurationRefusesEverySetterAndKeepsTheValue)
{
    for (const ValueCase& v : kValues)
    {
        if (v.kind == Text)
            WriteRawText(HKEY_LOCAL_MACHINE, v.section, v.name, "kept");
        else
            WriteRawDword(HKEY_LOCAL_MACHINE, v.section, v.name, 1);
    }
    CProjektConfig config(TRUE);
    for (const ValueCase& v : kValues)
    {
        SCOPED_TRACE(v.name);
        if (v.set)
        {
            EXPECT_FALSE(v.set(config, 2, "changed"));
        }
        EXPECT_EQ(v.kind == Text ? "kept" : "1", ReadRaw(HKEY_LOCAL_MACHINE, v.section, v.name));
    }
    // Getters still read, except the pipette calibration, which a read-only user never gets.
    EXPECT_EQ(1u, config.GetTempBase());
    EXPECT_FALSE(config.GetPipCal());
    EXPECT_TRUE(config.GetSoftCal());
    EXPECT_FALSE(config.SetTempBase(300));
    EXPECT_EQ(1u, config.GetTempBase());
}

TEST_F(ProgramKeyTest, FlagsAreSetAboveZero)
{
    CProjektConfig config(FALSE);
    struct
    {
        DWORD stored;
        BOOL expected;
    } cases[] = {{0, FALSE}, {1, TRUE}, {5, TRUE}};
    for (const auto& c : cases)
    {
        WriteRawDword(HKEY_LOCAL_MACHINE, "Settings", "FirstStart", c.stored);
        EXPECT_EQ(c.expected, config.GetFirstStart()) << c.stored;
    }
}

TEST_F(ProgramKeyTest, ReadOnlyProjectConfigurationWithoutKeyGivesDefaultsAndCreatesNothing)
{
    {
        CProjektConfig config(TRUE);
        EXPECT_STREQ("IRProfil.csv", config.GetProfilFile());
        EXPECT_EQ(255u, config.GetBuzzerMode());
        EXPECT_TRUE(config.IsReadOnlyConfig());
    }
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, HELVON_REGISTRY_KEY));
}

TEST_F(ProgramKeyTest, LanguagesAndHelpFiles)
{
    WriteRawText(HKEY_LOCAL_MACHINE, "Language", "English", "HelvonEN.dll");
    WriteRawText(HKEY_LOCAL_MACHINE, "Language", "Deutsch", "HelvonDE.dll");
    WriteRawText(HKEY_LOCAL_MACHINE, "Help", "English", "HelvonEN.chm");
    CProjektConfig config(TRUE);
    CMapStringToString languages;
    EXPECT_TRUE(config.GetLanguages(languages));
    EXPECT_EQ(2, int(languages.GetCount()));
    EXPECT_STREQ("HelvonEN.dll", config.GetLanguageDll("English"));
    EXPECT_STREQ("", config.GetLanguageDll("Klingon"));
    EXPECT_STREQ("HelvonEN.chm", config.GetHelpFile("English"));
    EXPECT_STREQ("", config.GetHelpFile("Deutsch"));
}

TEST_F(ProgramKeyTest, TheUserConfigurationLivesUnderTheCurrentUser)
{
    CProjektUserConfig config;
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, HELVON_REGISTRY_KEY));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, HELVON_REGISTRY_KEY));
    // Its key is writable, so a section it reads is created.
    EXPECT_EQ(7u, config.GetInt("Settings", "Mine", 7));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Settings")));
    EXPECT_TRUE(config.SetInt("Settings", "Mine", 4));
    EXPECT_EQ("4", ReadRaw(HKEY_CURRENT_USER, "Settings", "Mine"));
}
