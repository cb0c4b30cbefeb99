// Font descriptions: setters, merging, and the shared LOGFONT records.
#include "grid/core/Font.h"
#include "grid/core/AppData.h"
#include "grid/core/FontFaceTable.h"
#include <math.h>

IMPLEMENT_SERIAL(CGXFont, CObject, 1)

namespace
{
// One attribute of the description, in merge order. A flag attribute is included by its own
// bit; a field attribute is included unless the field holds its "none" value.
struct FontAttr
{
    int nWord; // 1 or 2
    DWORD dwMask;
    DWORD dwNone;
    DWORD dwInclBit;
};
const FontAttr kFontAttrs[] = {
    {1, 0xF0u, 0xF0u, 0},                                                        // weight
    {1, CGXFont::bitInclItalic | CGXFont::bitItalic, 0, CGXFont::bitInclItalic}, // italic
    {1, CGXFont::bitInclUnderline | CGXFont::bitUnderline, 0, CGXFont::bitInclUnderline},
    {1, CGXFont::bitInclStrikeOut | CGXFont::bitStrikeOut, 0, CGXFont::bitInclStrikeOut},
    {1, 0x3FFu << 8, 0, 0},             // size
    {1, 0x1FFu << 21, 0x1FFu << 21, 0}, // orientation
    {2, 0x3FFu, 0x3FFu, 0},             // face
};

BOOL AttrIncluded(const FontAttr& a, DWORD w)
{
    return a.dwInclBit != 0 ? (w & a.dwInclBit) != 0 : (w & a.dwMask) != a.dwNone;
}

GXByte8Key MakeKey(DWORD dw1, DWORD dw2)
{
    // The description as a 64-bit value (word 2 : word 1) without the bookkeeping bit.
    return GXByte8Key{(dw1 >> 1) | (dw2 << 31), dw2 >> 1};
}
} // namespace

CGXFont::CGXFont() : m_dw1(emptyWord1), m_dw2(emptyWord2)
{
}

CGXFont::CGXFont(const CGXFont& src) : CObject(), m_dw1(src.m_dw1), m_dw2(src.m_dw2)
{
    if (m_dw1 & bitHoldsRecord)
    {
        GXFontData* p = GXGetFontFaceTable()->m_mapFontData.Lookup(MakeKey(m_dw1, m_dw2));
        if (p != NULL)
            ::InterlockedIncrement(&p->nRefCount);
        else
            m_dw1 &= ~bitHoldsRecord;
    }
}

CGXFont::~CGXFont()
{
    ReleaseLogFont();
}

CGXFont& CGXFont::operator=(const CGXFont& src)
{
    if (IsEqualDescription(src))
        return *this;
    ReleaseLogFont();
    m_dw1 = src.m_dw1 & ~bitHoldsRecord;
    m_dw2 = src.m_dw2;
    if (src.m_dw1 & bitHoldsRecord)
        GetLogFont();
    return *this;
}

BOOL CGXFont::IsEqualDescription(const CGXFont& other) const
{
    return (m_dw1 & ~bitHoldsRecord) == (other.m_dw1 & ~bitHoldsRecord) && m_dw2 == other.m_dw2;
}

void CGXFont::ReleaseLogFont() const
{
    if (!(m_dw1 & bitHoldsRecord))
        return;
    CGXMapFontData& map = GXGetFontFaceTable()->m_mapFontData;
    GXByte8Key key = MakeKey(m_dw1, m_dw2);
    GXFontData* p = map.Lookup(key);
    if (p != NULL && ::InterlockedDecrement(&p->nRefCount) <= 0)
        map.RemoveKey(key);
    m_dw1 &= ~bitHoldsRecord;
}

void CGXFont::SetField(DWORD nShift, DWORD nMask, DWORD nValue)
{
    ReleaseLogFont();
    m_dw1 = (m_dw1 & ~(nMask << nShift)) | ((nValue & nMask) << nShift);
}

void CGXFont::SetBit(DWORD bit, BOOL b)
{
    ReleaseLogFont();
    if (b)
        m_dw1 |= bit;
    else
        m_dw1 &= ~bit;
}

CGXFont& CGXFont::Clear()
{
    ReleaseLogFont();
    m_dw1 = emptyWord1;
    m_dw2 = emptyWord2;
    return *this;
}

CGXFont& CGXFont::SetSize(double points)
{
    double q = floor(fabs(points) * 4 + 0.5);
    SetField(8, 1023, q > 1023 ? 1023 : (DWORD)q);
    return *this;
}

CGXFont& CGXFont::SetIncludeSize(BOOL b)
{
    if (!b)
        SetField(8, 1023, 0);
    return *this;
}

CGXFont& CGXFont::SetWeight(LONG nWeight)
{
    SetField(4, 15, (DWORD)(nWeight / 100) & 15);
    return *this;
}

CGXFont& CGXFont::SetIncludeWeight(BOOL b)
{
    if (!b)
        SetField(4, 15, 15);
    return *this;
}

CGXFont& CGXFont::SetItalic(BOOL b)
{
    SetBit(bitItalic, b);
    SetBit(bitInclItalic, TRUE);
    return *this;
}

CGXFont& CGXFont::SetUnderline(BOOL b)
{
    SetBit(bitUnderline, b);
    SetBit(bitInclUnderline, TRUE);
    return *this;
}

CGXFont& CGXFont::SetStrikeOut(BOOL b)
{
    SetBit(bitStrikeOut, b);
    SetBit(bitInclStrikeOut, TRUE);
    return *this;
}

CGXFont& CGXFont::SetIncludeItalic(BOOL b)
{
    SetBit(bitInclItalic, b);
    return *this;
}

CGXFont& CGXFont::SetIncludeUnderline(BOOL b)
{
    SetBit(bitInclUnderline, b);
    return *this;
}

CGXFont& CGXFont::SetIncludeStrikeOut(BOOL b)
{
    SetBit(bitInclStrikeOut, b);
    return *this;
}

CGXFont& CGXFont::SetOrientation(LONG nTenths)
{
    // Reduced to one turn first: 3600 tenths and more would overflow the 9-bit field and
    // 5110..5119 would even read as "not included".
    LONG t = nTenths % 3600;
    if (t < 0)
        t += 3600;
    SetField(21, 0x1FF, (DWORD)(t / 10));
    return *this;
}

CGXFont& CGXFont::SetIncludeOrientation(BOOL b)
{
    if (!b)
        SetField(21, 0x1FF, 0x1FF);
    return *this;
}

CGXFont& CGXFont::SetFaceIndex(UINT nIndex)
{
    ReleaseLogFont();
    m_dw2 = (m_dw2 & ~1023u) | (nIndex & 1023);
    return *this;
}

CGXFont& CGXFont::SetIncludeFaceName(BOOL b)
{
    if (!b)
        SetFaceIndex(GX_FACE_NONE);
    return *this;
}

UINT CGXFont::GetFaceIndex(LPCTSTR pszName)
{
    return GXGetFontFaceTable()->FindOrAdd(pszName, 0, 0);
}

CString CGXFont::GetFaceName() const
{
    const GXFaceEntry* p = GXGetFontFaceTable()->GetEntry(FieldFace());
    if (p == NULL)
        return CString();
    if (p->nBaseNameLength != 0)
        return CString(p->szName, p->nBaseNameLength);
    return CString(p->szName);
}

CGXFont& CGXFont::SetLogFont(const LOGFONT& lf)
{
    CGXFontFaceTable* pTable = GXGetFontFaceTable();
    Clear();
    CString strKey;
    if (lf.lfFaceName[0] != 0)
    {
        if (lf.lfCharSet != 0 && lf.lfCharSet != 1)
            strKey.Format("%s (%s)", lf.lfFaceName, pTable->GetScriptName(lf.lfCharSet));
        else
            strKey = lf.lfFaceName;
    }
    SetFaceIndex(pTable->FindOrAdd(strKey, 0, 0));
    if (lf.lfHeight != 0)
    {
        int q = ::MulDiv(abs(lf.lfHeight), 288, pTable->GetVertResolution());
        SetField(8, 1023, (DWORD)(q > 1023 ? 1023 : q));
    }
    SetWeight(lf.lfWeight);
    SetOrientation(lf.lfOrientation);
    SetItalic(lf.lfItalic);
    SetUnderline(lf.lfUnderline);
    SetStrikeOut(lf.lfStrikeOut);
    return *this;
}

CGXFont& CGXFont::SetDefault()
{
    LOGFONT lf = {};
    lstrcpyA(lf.lfFaceName, "Arial");
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    if (::GetSystemMetrics(SM_DBCSENABLED))
    {
        HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
        if (hFont == NULL)
            hFont = ::GetStockObject(SYSTEM_FONT);
        if (hFont != NULL)
            ::GetObjectA(hFont, sizeof(lf), &lf);
    }
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    lf.lfItalic = FALSE;
    lf.lfUnderline = FALSE;
    return SetLogFont(lf);
}

const LOGFONT& CGXFont::GetLogFont() const
{
    CGXFontFaceTable* pTable = GXGetFontFaceTable();
    GXByte8Key key = MakeKey(m_dw1, m_dw2);
    GXFontData* p = pTable->m_mapFontData.Lookup(key);
    if (!(m_dw1 & bitHoldsRecord) || p == NULL)
    {
        p = &pTable->m_mapFontData[key];
        ::InterlockedIncrement(&p->nRefCount);
        m_dw1 |= bitHoldsRecord;
    }
    if (!(p->dwFlags & 1))
    {
        LOGFONT& lf = p->lf;
        memset(&lf, 0, sizeof(lf));
        if (GetIncludeItalic())
            lf.lfItalic = (BYTE)GetItalic();
        if (GetIncludeUnderline())
            lf.lfUnderline = (BYTE)GetUnderline();
        if (GetIncludeStrikeOut())
            lf.lfStrikeOut = (BYTE)GetStrikeOut();
        if (GetIncludeSize())
            lf.lfHeight = -(int)(FieldSize() * (DWORD)pTable->GetVertResolution() /
                                 288); // truncated: 8 pt at 96 dpi is -10
        if (GetIncludeWeight())
            lf.lfWeight = GetWeight();
        if (GetIncludeOrientation())
            lf.lfEscapement = lf.lfOrientation = GetOrientation();
        const GXFaceEntry* pEntry = pTable->GetEntry(FieldFace());
        if (pEntry != NULL)
        {
            size_t n = pEntry->nBaseNameLength != 0 ? pEntry->nBaseNameLength : strlen(pEntry->szName);
            if (n >= LF_FACESIZE)
                n = LF_FACESIZE - 1;
            memcpy(lf.lfFaceName, pEntry->szName, n);
            lf.lfCharSet = pEntry->nCharSet;
            lf.lfPitchAndFamily = pEntry->nPitchAndFamily;
            if (GetIncludeOrientation() && GetOrientation() > 0)
                lf.lfPitchAndFamily += 4;
        }
        p->dwFlags |= 1;
    }
    return p->lf;
}

void CGXFont::GetZoomedLogFont(LOGFONT& lf, int nZoomPercent) const
{
    lf = GetLogFont();
    lf.lfHeight = lf.lfHeight * nZoomPercent / 100;
}

BOOL CGXFont::IncludesFont(const CGXFont& other) const
{
    for (const FontAttr& a : kFontAttrs)
    {
        DWORD wThis = a.nWord == 1 ? m_dw1 : m_dw2;
        DWORD wOther = a.nWord == 1 ? other.m_dw1 : other.m_dw2;
        if (!AttrIncluded(a, wOther))
            continue;
        if (!AttrIncluded(a, wThis) || (wThis & a.dwMask) != (wOther & a.dwMask))
            return FALSE;
    }
    return TRUE;
}

CGXFont& CGXFont::MergeFont(const CGXFont& source, GXModifyType mt)
{
    if (mt == gxCopy)
        return *this = source;
    DWORD w[3] = {0, m_dw1 & ~bitHoldsRecord, m_dw2};
    const DWORD s[3] = {0, source.m_dw1, source.m_dw2};
    for (const FontAttr& a : kFontAttrs)
    {
        DWORD& wThis = w[a.nWord];
        if (!AttrIncluded(a, s[a.nWord]))
            continue;
        if (mt == gxExclude)
        {
            if (a.dwInclBit != 0)
                wThis &= ~a.dwInclBit;
            else
                wThis = (wThis & ~a.dwMask) | a.dwNone;
        }
        else if (mt == gxOverride || !AttrIncluded(a, wThis))
            wThis = (wThis & ~a.dwMask) | (s[a.nWord] & a.dwMask);
    }
    if (w[1] != (m_dw1 & ~bitHoldsRecord) || w[2] != m_dw2)
    {
        ReleaseLogFont();
        m_dw1 = w[1];
        m_dw2 = w[2];
    }
    return *this;
}

void CGXFont::Serialize(CArchive& ar)
{
    if (CGXAbstractStyleSerializeImp* pImp = GXGetAppData()->m_pStyleSerializeImp)
        pImp->SerializeFont(*this, ar);
}

void CGXFont::WriteProfile(LPCTSTR pszSection, LPCTSTR pszEntry) const
{
    if (CGXAbstractGridProfileImp* pImp = GXGetAppData()->m_pProfileImp)
        pImp->WriteFont(*this, pszSection, pszEntry);
}

BOOL CGXFont::ReadProfile(LPCTSTR pszSection, LPCTSTR pszEntry)
{
    CGXAbstractGridProfileImp* pImp = GXGetAppData()->m_pProfileImp;
    return pImp != NULL ? pImp->ReadFont(*this, pszSection, pszEntry) : FALSE;
}
