// Properties, styles, fonts and base styles in the application profile.
#include "grid/features/GridProfileImp.h"
#include "grid/core/AppData.h"
#include "grid/core/PatternTable.h"
#include "grid/core/Properties.h"
#include "grid/features/StyleSerializeImp.h"
#include "grid/core/StylesMap.h"
#include "GridIds.h"
#include "afxwin.h"
#include <memory>
#include <stdlib.h>
#include <vector>

void AFXAPI GXInstallProfileImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pProfileImp != NULL)
        return;
    pAppData->m_pProfileImp = new CGXGridProfileImp;
    pAppData->AddComponent(pAppData->m_pProfileImp);
}

namespace
{
CString Get(LPCTSTR pszSection, LPCTSTR pszKey)
{
    return AfxGetApp()->GetProfileString(pszSection, pszKey, "");
}

void Put(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue)
{
    AfxGetApp()->WriteProfileString(pszSection, pszKey, pszValue);
}

void PutLong(LPCTSTR pszSection, LPCTSTR pszKey, long n)
{
    CString s;
    s.Format("%ld", n);
    Put(pszSection, pszKey, s);
}

// The value of an integer key, nDefault when it is missing or empty.
long GetLong(LPCTSTR pszSection, LPCTSTR pszKey, long nDefault)
{
    CString s = Get(pszSection, pszKey);
    return s.IsEmpty() ? nDefault : atol(s);
}

CString Format3(long a, long b, long c)
{
    CString s;
    s.Format("%d %d %d", (int)a, (int)b, (int)c);
    return s;
}

BOOL IsRegistry()
{
    return AfxGetApp()->m_pszRegistryKey != NULL;
}

// The subkeys of a section below the application's key (registry mode).
std::vector<CString> SubKeys(LPCTSTR pszSection)
{
    std::vector<CString> names;
    HKEY hApp = AfxGetApp()->GetAppRegistryKey();
    if (hApp == NULL)
        return names;
    HKEY hSection = NULL;
    if (::RegOpenKeyEx(hApp, pszSection, 0, KEY_READ, &hSection) == ERROR_SUCCESS)
    {
        char szName[1025];
        for (DWORD i = 0; ::RegEnumKeyA(hSection, i, szName, sizeof(szName)) == ERROR_SUCCESS; i++)
            names.push_back(szName);
        ::RegCloseKey(hSection);
    }
    ::RegCloseKey(hApp);
    return names;
}

// The key names of an INI section (a list of at most 1023 characters).
std::vector<CString> IniKeys(LPCTSTR pszSection)
{
    std::vector<CString> names;
    LPCTSTR pszFile = AfxGetApp()->m_pszProfileName;
    ::WritePrivateProfileString(NULL, NULL, NULL, pszFile); // flush the cache
    char buf[1024] = {};
    DWORD n = ::GetPrivateProfileString(pszSection, NULL, "", buf, 1023, pszFile);
    for (const char* p = buf; p < buf + n && *p != 0; p += strlen(p) + 1)
        names.push_back(p);
    return names;
}

// Where a base style of a map lives: a subkey of the section, or an INI section of its own.
CString StyleSection(LPCTSTR pszSection, const CString& strEntry)
{
    return CString(pszSection) + (IsRegistry() ? "\\" : ".") + strEntry;
}

// --- Style keys ---

CString Number(unsigned long n)
{
    CString s;
    s.Format("%lu", n);
    return s;
}

CString BrushText(const CGXCellBrush& brush)
{
    COLORREF crBack = brush.GetBackColorValue(), crFore = brush.GetColor();
    long nSecond = brush.GetStyle() == BS_PATTERN ? (long)brush.GetPattern() : (long)brush.GetHatch();
    CString s;
    s.Format("%lu %ld %d %d %d %d %d %d %d", (unsigned long)brush.GetStyle(), nSecond, GetRValue(crBack),
             GetGValue(crBack), GetBValue(crBack), GetRValue(crFore), GetGValue(crFore), GetBValue(crFore),
             (int)(crBack >> 24));
    return s;
}

// Brush text: style and background with five numbers, the foreground with eight. A style, hatch
// or pattern out of range leaves the interior alone (a missing pattern makes a hollow brush).
void ReadInterior(CGXStyle& style, const CString& s)
{
    long a[9] = {};
    int n = GXParseNumbers(s, ' ', a, 9);
    if (n < 5 || a[0] < 0 || a[0] > 3)
        return;
    UINT nStyle = (UINT)a[0];
    if (nStyle == BS_PATTERN && (a[1] < 0 || a[1] >= GX_PATTERN_COUNT))
        nStyle = BS_HOLLOW;
    else if (nStyle != BS_PATTERN && (a[1] < 0 || a[1] > 7))
        return;
    CGXCellBrush brush(nStyle, GXColorFromParts(a[2], a[3], a[4], n >= 9 ? a[8] : 0),
                       nStyle == BS_PATTERN ? 0 : (UINT)a[1]);
    if (nStyle == BS_PATTERN)
        brush.SetPattern((UINT)a[1]);
    if (n >= 8)
        brush.SetColor(RGB((BYTE)a[5], (BYTE)a[6], (BYTE)a[7]));
    style.SetInterior(brush);
}

DWORD HorzCode(const CGXStyle& s)
{
    DWORD dt = s.GetHorizontalAlignment();
    return dt == DT_CENTER ? 1 : dt == DT_RIGHT ? 2 : 0;
}

DWORD VertCode(const CGXStyle& s)
{
    DWORD dt = s.GetVerticalAlignment();
    return dt == DT_VCENTER ? 4 : dt == DT_BOTTOM ? 8 : 0;
}

// One key of a style: its include bit, its text (written only while included) and how a
// present text sets the attribute.
struct StyleKey
{
    LPCTSTR pszKey;
    int nBit;
    CString (*pfnWrite)(const CGXStyle&, const CGXStylesMap*);
    void (*pfnRead)(CGXStyle&, const CString&, const CGXStylesMap*);
};

#define GX_NUMBER_KEY(key, bit, get, set)                                                                    \
    {                                                                                                        \
        key, CGXStyle::bit,                                                                                  \
            [](const CGXStyle& s, const CGXStylesMap*) { return Number((unsigned long)(get)); },             \
            [](CGXStyle& s, const CString& v, const CGXStylesMap*) {                                         \
                long n = atol(v);                                                                            \
                set;                                                                                         \
            }                                                                                                \
    }

const StyleKey s_styleKeys[] = {
    GX_NUMBER_KEY("HorizontalAlignment", ibHorzAlign, HorzCode(s),
                  s.SetHorizontalAlignment(n == 1   ? DT_CENTER
                                           : n == 2 ? DT_RIGHT
                                                    : DT_LEFT)),
    GX_NUMBER_KEY("VerticalAlignment", ibVertAlign, VertCode(s),
                  s.SetVerticalAlignment(n == 4   ? DT_VCENTER
                                         : n == 8 ? DT_BOTTOM
                                                  : DT_TOP)),
    GX_NUMBER_KEY("ReadOnly", ibReadOnly, s.GetReadOnly(), s.SetReadOnly(n != 0)),
    GX_NUMBER_KEY("FloatCell", ibFloatCell, s.GetFloatCell(), s.SetFloatCell(n != 0)),
    GX_NUMBER_KEY("FloodCell", ibFloodCell, s.GetFloodCell(), s.SetFloodCell(n != 0)),
    GX_NUMBER_KEY("MergeCell", ibMergeCell, s.GetMergeCell(), s.SetMergeCell((UINT)n & 7)),
    GX_NUMBER_KEY("Draw3dFrame", ib3dFrame, s.GetDraw3dFrame(), s.SetDraw3dFrame((UINT)n & 3)),
    GX_NUMBER_KEY("ControlId", ibControl, s.GetControl(), s.SetControl((WORD)n)),
    GX_NUMBER_KEY("MaxLength", ibMaxLength, s.GetMaxLength(), s.SetMaxLength((WORD)n)),
    GX_NUMBER_KEY("VerticalScrollbar", ibVertScroll, s.GetVerticalScrollBar(),
                  s.SetVerticalScrollBar(n != 0)),
    {"BaseStyle", CGXStyle::ibBaseStyle,
     [](const CGXStyle& s, const CGXStylesMap* pMap) {
         CString strName;
         UINT nResourceID = 0;
         if (pMap == NULL || !pMap->GetStyleName(s.GetBaseStyle(), strName, nResourceID))
             return CString();
         if (nResourceID != 0)
             strName.Format("#%lu", (unsigned long)nResourceID);
         return strName;
     },
     [](CGXStyle& s, const CString& v, const CGXStylesMap* pMap) {
         WORD nID = 0;
         BOOL bResource = v[0] == '#';
         if (pMap != NULL && pMap->FindBaseStyle(bResource ? (UINT)atol((LPCTSTR)v + 1) : 0, v, nID))
             s.SetBaseStyle(nID);
     }},
    {"TextColor", CGXStyle::ibTextColor,
     [](const CGXStyle& s, const CGXStylesMap*) {
         COLORREF cr = s.GetTextColor();
         return Format3(GetRValue(cr), GetGValue(cr), GetBValue(cr));
     },
     [](CGXStyle& s, const CString& v, const CGXStylesMap*) {
         long a[3];
         if (GXParseNumbers(v, ' ', a, 3) == 3)
             s.SetTextColor(RGB((BYTE)a[0], (BYTE)a[1], (BYTE)a[2]));
     }},
    GX_NUMBER_KEY("WrapText", ibWrapText, s.GetWrapText(), s.SetWrapText(n != 0)),
    GX_NUMBER_KEY("AutoSize", ibAutoSize, s.GetAutoSize(), s.SetAutoSize(n != 0)),
    GX_NUMBER_KEY("AllowEnter", ibAllowEnter, s.GetAllowEnter(), s.SetAllowEnter(n != 0)),
    GX_NUMBER_KEY("Enabled", ibEnabled, s.GetEnabled(), s.SetEnabled(n != 0)),
    GX_NUMBER_KEY("TriState", ibTriState, s.GetTriState(), s.SetTriState(n != 0)),
    {"Value", CGXStyle::ibValue, [](const CGXStyle& s, const CGXStylesMap*) { return s.GetValue(); },
     [](CGXStyle& s, const CString& v, const CGXStylesMap*) { s.SetValue(v); }},
    {"Interior", CGXStyle::ibInterior,
     [](const CGXStyle& s, const CGXStylesMap*) { return BrushText(s.GetInterior()); },
     [](CGXStyle& s, const CString& v, const CGXStylesMap*) { ReadInterior(s, v); }},
    GX_NUMBER_KEY("Format", ibFormat, s.GetFormat(), s.SetFormat((UINT)n & 31)),
    GX_NUMBER_KEY("Places", ibPlaces, s.GetPlaces(), s.SetPlaces((UINT)n & 15)),
    {"ChoicesList", CGXStyle::ibChoiceList,
     [](const CGXStyle& s, const CGXStylesMap*) {
         return CGXGridProfileImp::EncodeChoiceList(s.GetChoiceList());
     },
     [](CGXStyle& s, const CString& v, const CGXStylesMap*) {
         s.SetChoiceList(CGXGridProfileImp::DecodeChoiceList(v));
     }},
    {"Font", CGXStyle::ibFont,
     [](const CGXStyle& s, const CGXStylesMap*) {
         CGXFont font;
         s.GetFont(font);
         return CGXGridProfileImp::FontText(font);
     },
     [](CGXStyle& s, const CString& v, const CGXStylesMap*) {
         CGXFont font;
         if (CGXGridProfileImp::ParseFontText(v, font))
             s.MergeFont(font, gxOverride);
     }},
};
#undef GX_NUMBER_KEY

const char* const s_aszSides[] = {"Top", "Left", "Bottom", "Right"};
const int s_anSides[] = {CGXStyle::sideTop, CGXStyle::sideLeft, CGXStyle::sideBottom, CGXStyle::sideRight};

// --- Property keys ---

const struct
{
    LPCTSTR pszKey;
    int nIndex;
} s_displayFlags[] = {{"MarkColumnHeader", CGXProperties::flagMarkColHeader},
                      {"MarkRowHeader", CGXProperties::flagMarkRowHeader},
                      {"3dHeader", CGXProperties::flag3dHeader},
                      {"HorizontalLines", CGXProperties::flagHorzLines},
                      {"VerticalLines", CGXProperties::flagVertLines}},
  s_printFlags[] = {{"Page Order", CGXProperties::printPageOrder},
                    {"Print Vertical Lines", CGXProperties::printVertLines},
                    {"Print Horizontal Lines", CGXProperties::printHorzLines},
                    {"Print Only Black&White", CGXProperties::printBlackWhite},
                    {"Print Row Headers", CGXProperties::printRowHeaders},
                    {"Print Column Headers", CGXProperties::printColHeaders},
                    {"Center Vertical", CGXProperties::printCenterVertical},
                    {"Center Horizontal", CGXProperties::printCenterHorizontal},
                    {"Print Frame", CGXProperties::printFrame}};

const int s_anMarginOrder[] = {CGXProperties::marginTop, CGXProperties::marginLeft,
                               CGXProperties::marginBottom, CGXProperties::marginRight};
const int s_anDistanceOrder[] = {CGXProperties::distanceHeader, CGXProperties::distanceFooter};

BOOL SectionExists(LPCTSTR pszSection)
{
    if (!IsRegistry())
        return !IniKeys(pszSection).empty();
    HKEY hApp = AfxGetApp()->GetAppRegistryKey();
    if (hApp == NULL)
        return FALSE;
    HKEY hSection = NULL;
    BOOL bExists = ::RegOpenKeyEx(hApp, pszSection, 0, KEY_ALL_ACCESS, &hSection) == ERROR_SUCCESS;
    if (bExists)
        ::RegCloseKey(hSection);
    ::RegCloseKey(hApp);
    return bExists;
}
} // namespace

// --- Texts ---

CString CGXGridProfileImp::EncodeChoiceList(const CString& strChoices)
{
    CString s;
    for (const char* p = strChoices; *p != 0; p++)
        if (*p == '\\')
            s += "\\\\";
        else if (*p == '\n')
            s += "\\n";
        else if (*p != '\r')
            s += *p;
    return s;
}

CString CGXGridProfileImp::DecodeChoiceList(const CString& strValue)
{
    CString s;
    for (const char* p = strValue; *p != 0; p++)
        if (p[0] == '\\' && p[1] == '\\')
            s += '\\', p++;
        else if (p[0] == '\\' && p[1] == 'n')
            s += "\r\n", p++;
        else
            s += *p;
    return s;
}

CString CGXGridProfileImp::FontText(const CGXFont& font)
{
    CString s, field;
    s = font.GetIncludeFaceName() ? font.GetFaceName() : CString();
    field.Empty();
    if (font.GetIncludeSize())
        field.Format("%d", (int)font.GetSize());
    s += "," + field;
    field.Empty();
    if (font.GetIncludeWeight())
        field.Format("%ld", (long)font.GetWeight());
    s += "," + field;
    const std::pair<BOOL, BOOL> flags[] = {{font.GetIncludeItalic(), font.GetItalic()},
                                           {font.GetIncludeUnderline(), font.GetUnderline()},
                                           {font.GetIncludeStrikeOut(), font.GetStrikeOut()}};
    for (const auto& f : flags)
        s += f.first ? (f.second ? ",1" : ",0") : ",";
    field.Empty();
    if (font.GetIncludeOrientation())
        field.Format("%ld", (long)font.GetOrientation());
    return s + "," + field;
}

BOOL CGXGridProfileImp::ParseFontText(const CString& strText, CGXFont& font)
{
    if (strText.IsEmpty())
        return FALSE;
    std::vector<CString> fields;
    int nStart = 0;
    for (int i = 0; i <= strText.GetLength(); i++)
        if (i == strText.GetLength() || strText[i] == ',')
        {
            CString f = strText.Mid(nStart, i - nStart);
            f.TrimLeft();
            fields.push_back(f);
            nStart = i + 1;
        }
    // The face field of a LOGFONT holds 31 characters.
    if (!fields[0].IsEmpty())
        font.SetFaceName(fields[0].Left(LF_FACESIZE - 1));
    auto field = [&](size_t i) {
        return i < fields.size() && !fields[i].IsEmpty() ? (LPCTSTR)fields[i] : NULL;
    };
    if (LPCTSTR p = field(1))
        font.SetSize(atol(p));
    if (LPCTSTR p = field(2))
        font.SetWeight(atol(p));
    if (LPCTSTR p = field(3))
        font.SetItalic(atol(p) != 0);
    if (LPCTSTR p = field(4))
        font.SetUnderline(atol(p) != 0);
    if (LPCTSTR p = field(5))
        font.SetStrikeOut(atol(p) != 0);
    if (LPCTSTR p = field(6))
        font.SetOrientation(atol(p));
    return TRUE;
}

// --- Fonts and styles ---

void CGXGridProfileImp::WriteFont(const CGXFont& font, LPCTSTR pszSection, LPCTSTR pszEntry)
{
    if (pszSection != NULL && pszEntry != NULL)
        Put(pszSection, pszEntry, FontText(font));
}

BOOL CGXGridProfileImp::ReadFont(CGXFont& font, LPCTSTR pszSection, LPCTSTR pszEntry)
{
    if (pszSection == NULL || pszEntry == NULL)
        return FALSE;
    return ParseFontText(Get(pszSection, pszEntry), font);
}

void CGXGridProfileImp::WriteStyle(const CGXStyle& style, LPCTSTR pszSection, const CGXStylesMap* pStylesMap)
{
    if (pszSection == NULL)
        return;
    for (const StyleKey& k : s_styleKeys)
    {
        BOOL bInclude = style.GetInclude(k.nBit);
        CString strValue = bInclude ? k.pfnWrite(style, pStylesMap) : CString();
        Put(pszSection, k.pszKey,
            bInclude && (k.nBit != CGXStyle::ibBaseStyle || !strValue.IsEmpty()) ? (LPCTSTR)strValue : NULL);
    }
    BOOL bBorders = style.GetInclude(CGXStyle::ibBorders);
    Put(pszSection, "Borders", bBorders ? "1" : NULL);
    for (int i = 0; i < 4; i++)
        Put(pszSection, s_aszSides[i],
            bBorders && style.HasBorder(s_anSides[i]) ? (LPCTSTR)GXPenText(style.GetBorder(s_anSides[i]))
                                                      : NULL);
    // Attributes the map knows but the style lacks lose their keys.
    if (pStylesMap != NULL)
        for (const auto& e : pStylesMap->GetUserAttributeMap())
            if (!style.HasUserAttribute(e.first))
            {
                CString strKey;
                strKey.Format("UA%u", (unsigned)e.first);
                Put(pszSection, strKey, NULL);
            }
    if (const CGXUserAttributeMap* pMap = style.GetUserAttributeMap())
        pMap->WriteProfile(pszSection);
}

BOOL CGXGridProfileImp::ReadStyle(CGXStyle& style, LPCTSTR pszSection, const CGXStylesMap* pStylesMap)
{
    if (pszSection == NULL)
        return FALSE;
    style.Free();
    for (const StyleKey& k : s_styleKeys)
    {
        CString strValue = Get(pszSection, k.pszKey);
        if (!strValue.IsEmpty())
            k.pfnRead(style, strValue, pStylesMap);
    }
    if (Get(pszSection, "Borders") == "1")
        for (int i = 0; i < 4; i++)
        {
            CGXCellPen pen;
            if (GXParsePenText(Get(pszSection, s_aszSides[i]), pen))
                style.SetBorder(s_anSides[i], pen);
        }
    if (pStylesMap != NULL)
        for (const auto& e : pStylesMap->GetUserAttributeMap())
        {
            CString strKey;
            strKey.Format("UA%u", (unsigned)e.first);
            CString strValue = Get(pszSection, strKey);
            if (!strValue.IsEmpty())
                style.SetUserAttribute(e.first, CGXUserAttribute(strValue));
        }
    return TRUE;
}

// --- Properties ---

void CGXGridProfileImp::WriteProperties(const CGXProperties& prop)
{
    LPCTSTR pszSection = prop.m_sSection;
    for (INT_PTR i = 0; i < prop.GetColorCount(); i++)
        Put(pszSection, prop.GetColorName((int)i), Number(prop.m_ColorValueArray[i]));
    for (const auto& f : s_displayFlags)
        PutLong(pszSection, f.pszKey, prop.m_abFlags[f.nIndex]);
    for (const auto& e : prop.GetUserPropertyInfoMap())
        if (e.second->pStyle->GetInclude(CGXStyle::ibValue))
        {
            CString strKey;
            strKey.Format("UP%u", (unsigned)e.first);
            Put(pszSection, strKey, e.second->pStyle->GetValue());
        }
    for (const auto& f : s_printFlags)
        PutLong(pszSection, f.pszKey, prop.m_abPrintFlags[f.nIndex]);
    const int* m = prop.m_anMargins;
    CString s;
    s.Format("%ld,%ld,%ld,%ld", (long)m[CGXProperties::marginTop], (long)m[CGXProperties::marginLeft],
             (long)m[CGXProperties::marginBottom], (long)m[CGXProperties::marginRight]);
    Put(pszSection, "Margins", s);
    PutLong(pszSection, "Start Page Numbering", prop.m_nFirstPage);
    s.Format("%ld,%ld", (long)m[CGXProperties::distanceHeader], (long)m[CGXProperties::distanceFooter]);
    Put(pszSection, "Distances", s);
}

BOOL CGXGridProfileImp::ReadProperties(CGXProperties& prop)
{
    CString strSection = prop.m_sSection;
    LPCTSTR pszSection = strSection;
    if (!SectionExists(pszSection))
        return FALSE;
    for (INT_PTR i = 0; i < prop.GetColorCount(); i++)
    {
        // Colour values carry their kind in the high byte: read unsigned.
        CString s = Get(pszSection, prop.GetColorName((int)i));
        if (!s.IsEmpty())
            prop.m_ColorValueArray[i] = strtoul(s, NULL, 10);
    }
    for (const auto& f : s_displayFlags)
        prop.m_abFlags[f.nIndex] = GetLong(pszSection, f.pszKey, prop.m_abFlags[f.nIndex]);
    for (const auto& e : prop.GetUserPropertyInfoMap())
    {
        CString strKey;
        strKey.Format("UP%u", (unsigned)e.first);
        CString s = Get(pszSection, strKey);
        if (!s.IsEmpty())
            e.second->pStyle->SetValue(s);
    }
    for (const auto& f : s_printFlags)
        prop.m_abPrintFlags[f.nIndex] = GetLong(pszSection, f.pszKey, prop.m_abPrintFlags[f.nIndex]);
    long a[4];
    int n = GXParseNumbers(Get(pszSection, "Margins"), ',', a, 4);
    for (int i = 0; i < n; i++)
        prop.m_anMargins[s_anMarginOrder[i]] = (int)a[i];
    prop.m_nFirstPage = (int)GetLong(pszSection, "Start Page Numbering", prop.m_nFirstPage);
    n = GXParseNumbers(Get(pszSection, "Distances"), ',', a, 2);
    for (int i = 0; i < n; i++)
        prop.m_anMargins[s_anDistanceOrder[i]] = (int)a[i];
    return TRUE;
}

// --- The styles map ---

void CGXGridProfileImp::WriteStylesMap(const CGXStylesMap& map)
{
    LPCTSTR pszSection = map.m_sSection;
    if (IsRegistry())
    {
        HKEY hApp = AfxGetApp()->GetAppRegistryKey();
        if (hApp != NULL)
        {
            for (const CString& strName : SubKeys(pszSection))
                ::RegDeleteKey(hApp, CString(pszSection) + "\\" + strName);
            ::RegCloseKey(hApp);
        }
    }
    else
        Put(pszSection, NULL, NULL);
    for (const auto& e : map.m_styles)
    {
        const CGXStylesMap::StyleEntry* p = e.second;
        CString strEntry = p->sName;
        if (p->nResourceID != 0)
            strEntry.Format("#%u", p->nResourceID);
        if (!IsRegistry())
            Put(pszSection, strEntry, "1");
        p->pStyle->WriteProfile(StyleSection(pszSection, strEntry), &map);
    }
}

BOOL CGXGridProfileImp::ReadStylesMap(CGXStylesMap& map)
{
    CString strSection = map.m_sSection;
    std::vector<CString> entries = IsRegistry() ? SubKeys(strSection) : IniKeys(strSection);
    if (entries.empty())
        return FALSE;
    for (const CString& strEntry : entries)
    {
        std::unique_ptr<CGXStyle> pStyle(map.CreateStyle());
        pStyle->ReadProfile(StyleSection(strSection, strEntry), &map);
        try
        {
            if (strEntry[0] == '#')
                map.RegisterStyle((UINT)atol((LPCTSTR)strEntry + 1), *pStyle);
            else
                map.RegisterStyle(strEntry, *pStyle);
        }
        catch (CNotSupportedException* e)
        {
            e->Delete(); // no base-style id left: the rest stays out
            break;
        }
    }
    map.m_wStyleStandard = map.GetBaseStyleIdFromResource(GX_IDS_STYLE_STANDARD);
    map.m_wStyleColHeader = map.GetBaseStyleIdFromResource(GX_IDS_STYLE_COLHEADER);
    map.m_wStyleRowHeader = map.GetBaseStyleIdFromResource(GX_IDS_STYLE_ROWHEADER);
    // The standard style gets whatever the library defaults have and the profile left out.
    CGXStyle* pStandard = NULL;
    if (map.LookupStyle(map.m_wStyleStandard, pStandard))
    {
        std::unique_ptr<CGXStyle> pDefaults(map.CreateStyle());
        pDefaults->SetDefault();
        pStandard->MergeStyle(*pDefaults, gxApplyNew);
    }
    return TRUE;
}
