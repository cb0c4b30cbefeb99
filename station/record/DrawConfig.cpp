// Drawing settings: one table of the four values of "Drawing" with their defaults.
#include "station/record/DrawConfig.h"

namespace
{
// In the order of CDrawConfig::Value.
const CDrawConfig::SValueInfo s_values[] = {
    {"Grid", 1},
    {"Pen", 1},
    {"GridColor", 0xD20000},
    {"BackColor", 0xFFFFFF},
};
static_assert(_countof(s_values) == CDrawConfig::ValueCount, "one table row per value");
} // namespace

CDrawConfig::CDrawConfig(BOOL readOnly)
    : CConfig(HELVON_REGISTRY_KEY, HKEY_LOCAL_MACHINE, readOnly ? 1 : 0), m_bReadOnly(readOnly)
{
}

const CDrawConfig::SValueInfo& CDrawConfig::GetValueInfo(Value value)
{
    ASSERT(value >= 0 && value < ValueCount);
    return s_values[value];
}

DWORD CDrawConfig::GetNumber(Value value)
{
    const SValueInfo& info = GetValueInfo(value);
    return GetInt(HELVON_DRAWING_SECTION, info.name, info.defaultNumber);
}

BOOL CDrawConfig::SetNumber(Value value, DWORD number)
{
    if (m_bReadOnly)
        return FALSE;
    return SetInt(HELVON_DRAWING_SECTION, GetValueInfo(value).name, number);
}

CString CDrawConfig::ObjectSection(LPCSTR registryName)
{
    CString section;
    section.Format("%s\\%s", HELVON_DRAWING_SECTION, registryName);
    return section;
}
