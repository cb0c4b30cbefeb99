// Per-user serial interface configuration: one table of values with their defaults.
#include "station/config/SerialUserConfig.h"

namespace
{
// In the order of CSerialUserConfig::Value; the names keep their mixed "Timeout"/"TimeOut".
const CSerialUserConfig::SValueInfo s_serialUserValues[] = {
    {"UseInterface", FALSE, 1, NULL},
    {"QueueIndex", FALSE, 0, NULL},
    {"Paritaet", FALSE, 2, NULL},
    {"Protokoll", FALSE, 0, NULL},
    {"Baudrate", FALSE, 9600, NULL},
    {"Stopbits", FALSE, 0, NULL},
    {"Datenbits", FALSE, 8, NULL},
    {"Startbits", FALSE, 1, NULL},
    {"ReadTimeout", FALSE, 100, NULL},
    {"ReadTimeoutMul", FALSE, 5, NULL},
    {"ReadTimeOutConstant", FALSE, 100, NULL},
    {"WriteTimeOutMul", FALSE, 5, NULL},
    {"WriteTimeOutConstant", FALSE, 100, NULL},
    {"Device", TRUE, 0, ""},
};
static_assert(_countof(s_serialUserValues) == CSerialUserConfig::ValueCount, "one table row per value");
} // namespace

CSerialUserConfig::CSerialUserConfig() : CConfig(HELVON_REGISTRY_KEY, HKEY_CURRENT_USER, 0)
{
}

const CSerialUserConfig::SValueInfo& CSerialUserConfig::GetValueInfo(Value value)
{
    ASSERT(value >= 0 && value < ValueCount);
    return s_serialUserValues[value];
}

CString CSerialUserConfig::InterfaceSection(LPCSTR name)
{
    return MakeSection("Interface", name);
}

DWORD CSerialUserConfig::GetNumber(Value value, LPCSTR name)
{
    const SValueInfo& info = GetValueInfo(value);
    ASSERT(!info.isText);
    return GetInt(InterfaceSection(name), info.name, info.defaultNumber);
}

CString CSerialUserConfig::GetText(Value value, LPCSTR name)
{
    const SValueInfo& info = GetValueInfo(value);
    ASSERT(info.isText);
    return GetString(InterfaceSection(name), info.name, info.defaultText);
}

BOOL CSerialUserConfig::SetNumber(Value value, DWORD number, LPCSTR name)
{
    const SValueInfo& info = GetValueInfo(value);
    if (info.isText)
        return FALSE;
    return SetInt(InterfaceSection(name), info.name, number);
}

BOOL CSerialUserConfig::SetText(Value value, LPCSTR text, LPCSTR name)
{
    const SValueInfo& info = GetValueInfo(value);
    if (!info.isText || text == NULL)
        return FALSE;
    return SetString(InterfaceSection(name), info.name, text);
}
