// Machine-wide configuration: one table of values with their sections and defaults.
#include "station/config/ProjektConfig.h"

namespace
{
const char kSettings[] = "Settings";
const char kLimits[] = "Limits";
const char kIROptions[] = "IR Options";
const char kApplication[] = "Application";
const char kLogos[] = "Logos";

// In the order of CProjektConfig::Value.
const CProjektConfig::SValueInfo s_values[] = {
    {kSettings, "ProfilFile", TRUE, 0, "IRProfil.csv", FALSE},
    {kSettings, "FirstStart", FALSE, 1, NULL, TRUE},
    {kSettings, "TempIntervall", FALSE, 20, NULL, TRUE},
    {kSettings, "TimeIntervall", FALSE, 20, NULL, TRUE},
    {kSettings, "TempBase", FALSE, 220, NULL, TRUE},
    {kSettings, "TimeBase", FALSE, 300, NULL, TRUE},
    {kSettings, "ControlRate", FALSE, 1, NULL, TRUE},
    {kSettings, "Language", TRUE, 0, "", TRUE},
    {kSettings, "DownloadWizzard", FALSE, 1, NULL, TRUE},
    {kSettings, "UploadWizzard", FALSE, 1, NULL, TRUE},
    {kSettings, "AutoCom", FALSE, 1, NULL, TRUE},
    {kSettings, "Module", TRUE, 0, "", TRUE},
    {kSettings, "AutoRecord", FALSE, 2, NULL, TRUE},
    {kSettings, "QuickSaveDir", TRUE, 0, "", TRUE},
    {kLimits, "T1Min", FALSE, 30, NULL, TRUE},
    {kLimits, "T1Max", FALSE, 250, NULL, TRUE},
    {kLimits, "T1Default", FALSE, 30, NULL, FALSE},
    {kLimits, "T2Min", FALSE, 30, NULL, TRUE},
    {kLimits, "T2Max", FALSE, 250, NULL, TRUE},
    {kLimits, "T2Default", FALSE, 30, NULL, FALSE},
    {kLimits, "T3Min", FALSE, 100, NULL, TRUE},
    {kLimits, "T3Max", FALSE, 250, NULL, TRUE},
    {kLimits, "T3Default", FALSE, 200, NULL, FALSE},
    {kLimits, "TLMin", FALSE, 100, NULL, TRUE},
    {kLimits, "TLMax", FALSE, 250, NULL, TRUE},
    {kLimits, "TLDefault", FALSE, 183, NULL, FALSE},
    {kLimits, "TimeMin", FALSE, 0, NULL, TRUE},
    {kLimits, "TimeMax", FALSE, 240, NULL, TRUE},
    {kLimits, "TimeDefault", FALSE, 0, NULL, FALSE},
    {kLimits, "EnergyMin", FALSE, 0, NULL, TRUE},
    {kLimits, "EnergyMax", FALSE, 10, NULL, TRUE},
    {kLimits, "EnergyDefault", FALSE, 7, NULL, FALSE},
    {kLimits, "TinitMin", FALSE, 30, NULL, FALSE},
    {kLimits, "TinitMax", FALSE, 120, NULL, FALSE},
    {kLimits, "TinitDefault", FALSE, 30, NULL, FALSE},
    {kIROptions, "PipCal", FALSE, 0, NULL, TRUE},
    {kIROptions, "SoftCal", FALSE, 0, NULL, TRUE},
    {kIROptions, "BuzzerMode", FALSE, 255, NULL, TRUE},
    {kApplication, "Extern App", TRUE, 0, "", TRUE},
    {kApplication, "Extern Options", TRUE, 0, "", TRUE},
    {kLogos, "LeftLogo", FALSE, 0, NULL, TRUE},
    {kLogos, "RightLogo", FALSE, 0, NULL, TRUE},
    {kLogos, "PrintLogo", TRUE, 0, "", TRUE},
};
static_assert(_countof(s_values) == CProjektConfig::ValueCount, "one table row per value");
} // namespace

CProjektConfig::CProjektConfig(BOOL readOnly)
    : CConfig(HELVON_REGISTRY_KEY, HKEY_LOCAL_MACHINE, readOnly ? 1 : 0), m_bReadOnly(readOnly)
{
}

const CProjektConfig::SValueInfo& CProjektConfig::GetValueInfo(Value value)
{
    ASSERT(value >= 0 && value < ValueCount);
    return s_values[value];
}

CString CProjektConfig::GetText(Value value)
{
    const SValueInfo& info = GetValueInfo(value);
    ASSERT(info.isText);
    return GetString(info.section, info.name, info.defaultText);
}

DWORD CProjektConfig::GetNumber(Value value)
{
    const SValueInfo& info = GetValueInfo(value);
    ASSERT(!info.isText);
    return GetInt(info.section, info.name, info.defaultNumber);
}

BOOL CProjektConfig::SetText(Value value, LPCSTR text)
{
    const SValueInfo& info = GetValueInfo(value);
    if (m_bReadOnly || !info.hasSetter || !info.isText || text == NULL)
        return FALSE;
    return SetString(info.section, info.name, text);
}

BOOL CProjektConfig::SetNumber(Value value, DWORD number)
{
    const SValueInfo& info = GetValueInfo(value);
    if (m_bReadOnly || !info.hasSetter || info.isText)
        return FALSE;
    return SetInt(info.section, info.name, number);
}

BOOL CProjektConfig::GetPipCal()
{
    // Pipette calibration is never offered to a user who cannot change machine-wide settings.
    if (m_bReadOnly)
        return FALSE;
    return GetFlag(PipCal);
}

BOOL CProjektConfig::GetLanguages(CMapStringToString& out)
{
    EnumValues("Language", out);
    return TRUE;
}

CString CProjektConfig::GetLanguageDll(LPCSTR language)
{
    return GetString("Language", language, "");
}

CString CProjektConfig::GetHelpFile(LPCSTR language)
{
    return GetString("Help", language, "");
}
