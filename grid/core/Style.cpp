// Cell styles: setters, assignment, merging and base styles.
#include "grid/core/Style.h"
#include "grid/core/AppData.h"
#include "grid/core/StylesMap.h"
#include "GridIds.h"
#include <bitset>
#include <new>
#include <stdio.h>

IMPLEMENT_SERIAL(CGXStyle, CObject, 1)
IMPLEMENT_FIXED_ALLOC(CGXStyle, 256)

namespace
{
// Flag-word fields.
const DWORD kFlag3dFrame = 0x3;
const DWORD kFlagHorzAlign = 0x3u << 14;
const DWORD kFlagVertAlign = 0x3u << 16;
const DWORD kFlagColorKind = 0x3u << 18;
const DWORD kFlagValueType = 0x7u << 20;
const DWORD kFlagMerge = 0x7u << 11;
} // namespace

DWORD CGXStyleIncludeBits::GetMask() const
{
    const DWORD b21 = 1u << 21, b22 = 1u << 22;
    return (m_dw & ~(b21 | b22)) | ((m_dw & b21) << 1) | ((m_dw & b22) >> 1);
}

void CGXStyleIncludeBits::SetMask(DWORD dwMask)
{
    const DWORD b21 = 1u << 21, b22 = 1u << 22;
    m_dw = ((dwMask & ~(b21 | b22)) | ((dwMask & b21) << 1) | ((dwMask & b22) >> 1)) &
           ((1u << CGXStyle::ibCount) - 1);
}

// Attributes held in plain words: include bit and the word parts that carry it (a second
// part for the text colour, whose kind lives in the flags).
struct CGXStyle::AttrField
{
    int nBit;
    DWORD CGXStyle::*pField;
    DWORD dwMask;
    DWORD CGXStyle::*pField2;
    DWORD dwMask2;
};

const CGXStyle::AttrField CGXStyle::s_attrFields[] = {
    {ibHorzAlign, &CGXStyle::m_dwFlags, kFlagHorzAlign, nullptr, 0},
    {ibVertAlign, &CGXStyle::m_dwFlags, kFlagVertAlign, nullptr, 0},
    {ibReadOnly, &CGXStyle::m_dwFlags, 1u << 2, nullptr, 0},
    {ibFloatCell, &CGXStyle::m_dwFlags, 1u << 10, nullptr, 0},
    {ibFloodCell, &CGXStyle::m_dwFlags, 1u << 9, nullptr, 0},
    {ibMergeCell, &CGXStyle::m_dwFlags, kFlagMerge, nullptr, 0},
    {ib3dFrame, &CGXStyle::m_dwFlags, kFlag3dFrame, nullptr, 0},
    {ibMaxLength, &CGXStyle::m_nMaxLength, 0xFFFF, nullptr, 0},
    {ibVertScroll, &CGXStyle::m_dwFlags, 1u << 3, nullptr, 0},
    {ibTextColor, &CGXStyle::m_dwColorAndBase, 0xFFFFFF, &CGXStyle::m_dwFlags, kFlagColorKind},
    {ibWrapText, &CGXStyle::m_dwFlags, 1u << 4, nullptr, 0},
    {ibAutoSize, &CGXStyle::m_dwFlags, 1u << 8, nullptr, 0},
    {ibAllowEnter, &CGXStyle::m_dwFlags, 1u << 5, nullptr, 0},
    {ibEnabled, &CGXStyle::m_dwFlags, 1u << 6, nullptr, 0},
    {ibTriState, &CGXStyle::m_dwFlags, 1u << 7, nullptr, 0},
    {ibControl, &CGXStyle::m_nControl, 0xFFFF, nullptr, 0},
    {ibFormat, &CGXStyle::m_dwFormat, 0x1F, nullptr, 0},
    {ibPlaces, &CGXStyle::m_dwFormat, 0xFu << 5, nullptr, 0},
    {ibBaseStyle, &CGXStyle::m_dwColorAndBase, 0xFFu << 24, nullptr, 0},
    {ibItemData, &CGXStyle::m_dwItemData, 0xFFFFFFFF, nullptr, 0},
};

CGXStyle::CGXStyle() : m_pPens(NULL), m_pFont(NULL), m_pUserAttributes(NULL)
{
    Init();
}

void CGXStyle::Init()
{
    m_include.m_dw = 0;
    m_nMaxLength = 0;
    m_interior.m_dw0 = m_interior.m_dw1 = 0;
    m_interior.SetColor(RGB(255, 255, 255));
    m_nControl = 0;
    m_dwFlags = 0;
    m_dwColorAndBase = 0;
    m_dwFormat = 0;
    m_pPens = NULL;
    m_pFont = NULL;
    m_pUserAttributes = NULL;
    m_dwItemData = 0;
    m_strValue.Empty();
    m_strChoiceList.Empty();
}

CGXStyle::CGXStyle(const CGXStyle& src)
    : CObject(), m_include(src.m_include), m_nMaxLength(src.m_nMaxLength), m_interior(src.m_interior),
      m_nControl(src.m_nControl), m_dwFlags(src.m_dwFlags), m_dwColorAndBase(src.m_dwColorAndBase),
      m_dwFormat(src.m_dwFormat), m_pPens(NULL), m_pFont(NULL), m_strValue(src.m_strValue),
      m_strChoiceList(src.m_strChoiceList), m_pUserAttributes(NULL), m_dwItemData(src.m_dwItemData)
{
    if (src.m_pPens != NULL)
    {
        m_pPens = new CGXCellPen[4];
        for (int i = 0; i < 4; i++)
            m_pPens[i] = src.m_pPens[i];
    }
    if (src.m_pFont != NULL)
        MakeFont(src.m_pFont);
    if (src.m_pUserAttributes != NULL)
    {
        m_pUserAttributes = new CGXUserAttributeMap;
        *m_pUserAttributes = *src.m_pUserAttributes;
    }
}

CGXStyle::~CGXStyle()
{
    Free();
}

CGXStyle* CGXStyle::Clone() const
{
    return new CGXStyle(*this);
}

CGXStyle& CGXStyle::Free()
{
    delete[] m_pPens;
    m_pPens = NULL;
    DeleteFont();
    DeleteUserAttributes();
    m_strValue.Empty();
    m_strChoiceList.Empty();
    m_dwItemData = 0;
    m_include.m_dw = 0;
    return *this;
}

void CGXStyle::DeleteUserAttributes()
{
    delete m_pUserAttributes;
    m_pUserAttributes = NULL;
}

CGXStyle& CGXStyle::SetInclude(int nBit, BOOL b)
{
    switch (nBit)
    {
    case ibBorders:
        return SetIncludeBorder(sideAll, b);
    case ibFont:
        if (!b)
            DeleteFont();
        else if (m_pFont == NULL)
            MakeFont(NULL);
        break;
    case ibValue:
        return SetValuePresent(b);
    case ibUserAttributes:
        if (!b)
            DeleteUserAttributes();
        break;
    default:
        break;
    }
    m_include.Set(nBit, b);
    return *this;
}

CGXStyle& CGXStyle::Assign(const CGXStyle& src)
{
    if (&src == this)
        return *this;
    if (src.IsEmpty())
        return Free();
    m_include = src.m_include;
    m_nMaxLength = src.m_nMaxLength;
    m_interior = src.m_interior;
    m_nControl = src.m_nControl;
    m_dwFlags = src.m_dwFlags;
    m_dwColorAndBase = src.m_dwColorAndBase;
    m_dwFormat = src.m_dwFormat;
    m_dwItemData = src.m_dwItemData;
    // Texts that are not included are emptied, so this becomes a true copy.
    m_strValue = src.GetInclude(ibValue) ? src.m_strValue : CString();
    m_strChoiceList = src.GetInclude(ibChoiceList) ? src.m_strChoiceList : CString();

    DeleteUserAttributes();
    if (src.m_pUserAttributes != NULL && !src.m_pUserAttributes->IsEmpty())
    {
        m_pUserAttributes = new CGXUserAttributeMap;
        *m_pUserAttributes = *src.m_pUserAttributes;
    }
    SetBorderArray(src.GetInclude(ibBorders) ? src.m_pPens : NULL);
    m_include.Set(ibBorders, src.GetInclude(ibBorders));
    if (src.GetInclude(ibFont) && src.m_pFont != NULL)
    {
        if (m_pFont == NULL)
            MakeFont(src.m_pFont);
        else
            *m_pFont = *src.m_pFont;
    }
    else
        DeleteFont();
    return *this;
}

CGXStyle& CGXStyle::MergeStyle(const CGXStyle& source, GXModifyType mt)
{
    if (&source == this)
        return mt == gxExclude ? Free() : *this;
    if (mt == gxCopy)
        return Assign(source);

    if (mt == gxExclude)
    {
        if (source.IsEmpty())
            return *this;
        for (int nBit = 0; nBit < ibCount; nBit++)
        {
            if (!source.GetInclude(nBit))
                continue;
            switch (nBit)
            {
            case ibBorders:
                if (GetInclude(ibBorders) && m_pPens != NULL)
                {
                    for (int side = 0; side < 4; side++)
                        if (source.HasBorder(side))
                            m_pPens[side].SetInclude(FALSE);
                    m_include.Set(ibBorders, AnyBorderSet());
                }
                else
                    m_include.Set(ibBorders, FALSE);
                break;
            case ibFont:
                if (GetInclude(ibFont) && m_pFont != NULL && source.m_pFont != NULL)
                    m_pFont->MergeFont(*source.m_pFont, gxExclude);
                break;
            case ibValue:
                m_strValue.Empty();
                m_include.Set(ibValue, FALSE);
                break;
            case ibUserAttributes:
                if (m_pUserAttributes != NULL && source.m_pUserAttributes != NULL &&
                    !source.m_pUserAttributes->IsEmpty())
                    m_pUserAttributes->MergeMap(*source.m_pUserAttributes, gxExclude);
                break;
            default:
                m_include.Set(nBit, FALSE);
                break;
            }
        }
        return *this;
    }

    // Override and apply-new.
    if (IsEmpty())
        return Assign(source);
    if (source.IsEmpty())
        return *this;
    auto eligible = [&](int nBit) {
        return source.GetInclude(nBit) && (mt == gxOverride || !GetInclude(nBit));
    };

    for (const AttrField& a : s_attrFields)
    {
        if (!eligible(a.nBit))
            continue;
        this->*a.pField = (this->*a.pField & ~a.dwMask) | (source.*a.pField & a.dwMask);
        if (a.pField2 != nullptr)
            this->*a.pField2 = (this->*a.pField2 & ~a.dwMask2) | (source.*a.pField2 & a.dwMask2);
        m_include.Set(a.nBit, TRUE);
    }
    if (eligible(ibInterior))
    {
        m_interior = source.m_interior;
        m_include.Set(ibInterior, TRUE);
    }
    if (source.GetInclude(ibBorders) && source.m_pPens != NULL)
    {
        for (int side = 0; side < 4; side++)
        {
            if (!source.m_pPens[side].GetInclude() || (mt == gxApplyNew && HasBorder(side)))
                continue;
            EnsurePens();
            m_pPens[side] = source.m_pPens[side];
            m_include.Set(ibBorders, TRUE);
        }
    }
    if (source.GetInclude(ibFont) && source.m_pFont != NULL)
        MergeFont(*source.m_pFont, mt);
    if (eligible(ibValue))
    {
        m_strValue = source.m_strValue;
        StoreFlags(kFlagValueType, source.m_dwFlags);
        m_include.Set(ibValue, TRUE);
    }
    if (eligible(ibChoiceList))
    {
        m_strChoiceList = source.m_strChoiceList;
        m_include.Set(ibChoiceList, TRUE);
    }
    if (source.m_pUserAttributes != NULL && !source.m_pUserAttributes->IsEmpty())
    {
        if (m_pUserAttributes == NULL)
            m_pUserAttributes = new CGXUserAttributeMap;
        m_pUserAttributes->MergeMap(*source.m_pUserAttributes, mt);
        m_include.Set(ibUserAttributes, TRUE);
    }
    return *this;
}

CGXStyle& CGXStyle::ApplyBaseStyles(const CGXStylesMap* pStylesMap)
{
    if (pStylesMap == NULL)
        return *this;
    // Ids are 8 bits; a chain that comes back to an id already walked stops there.
    std::bitset<256> visited;
    const CGXStyle* pInHand = this;
    while (pInHand->GetInclude(ibBaseStyle))
    {
        WORD nID = pInHand->GetBaseStyle();
        if (visited.test(nID))
            break;
        visited.set(nID);
        const CGXStyle* pBase = NULL;
        if (!pStylesMap->LookupStyle(nID, pBase) || pBase == NULL)
            break;
        MergeStyle(*pBase, gxApplyNew);
        pInHand = pBase;
    }
    return *this;
}

CGXStyle& CGXStyle::SetDefault()
{
    Free();
    SetHorizontalAlignment(DT_LEFT);
    SetVerticalAlignment(DT_TOP);
    SetReadOnly(FALSE);
    SetControl(GX_IDS_CTRL_EDIT);
    SetInterior(CGXCellBrush(BS_SOLID, GXSYSCOLOR(COLOR_WINDOW)));
    SetDraw3dFrame(0);
    SetVerticalScrollBar(FALSE);
    SetMaxLength(0);
    SetTextColor(GXSYSCOLOR(COLOR_WINDOWTEXT));
    SetWrapText(TRUE);
    SetAllowEnter(FALSE);
    SetEnabled(TRUE);
    SetTriState(FALSE);
    SetAutoSize(FALSE);
    CGXFont font;
    font.SetDefault();
    MergeFont(font, gxOverride);
    SetValue("");
    SetChoiceList("");
    SetItemData(0);
    SetFloatCell(TRUE);
    SetFloodCell(TRUE);
    SetMergeCell(0);
    SetFormat(0);
    SetPlaces(13);
    return *this;
}

BOOL CGXStyle::CompareSubset(const CGXStyle& other) const
{
    CGXAbstractStyleCompareSubsetImp* pImp = GXGetAppData()->m_pStyleCompareSubsetImp;
    return pImp != NULL ? pImp->CompareSubset(*this, other) : FALSE;
}

void CGXStyle::Serialize(CArchive& ar)
{
    SerializeStyle(ar, NULL);
}

void CGXStyle::SerializeStyle(CArchive& ar, const CGXStylesMap* pStylesMap)
{
    if (CGXAbstractStyleSerializeImp* pImp = GXGetAppData()->m_pStyleSerializeImp)
        pImp->SerializeStyle(*this, ar, pStylesMap);
}

void CGXStyle::WriteProfile(LPCTSTR pszSection, const CGXStylesMap* pStylesMap) const
{
    if (CGXAbstractGridProfileImp* pImp = GXGetAppData()->m_pProfileImp)
        pImp->WriteStyle(*this, pszSection, pStylesMap);
}

BOOL CGXStyle::ReadProfile(LPCTSTR pszSection, const CGXStylesMap* pStylesMap)
{
    CGXAbstractGridProfileImp* pImp = GXGetAppData()->m_pProfileImp;
    return pImp != NULL ? pImp->ReadStyle(*this, pszSection, pStylesMap) : FALSE;
}

// --- Attributes ---

CGXStyle& CGXStyle::SetFlag(int nBit, int nFlagBit, BOOL b)
{
    StoreFlags(1u << nFlagBit, b ? (1u << nFlagBit) : 0);
    m_include.Set(nBit, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetHorizontalAlignment(DWORD dtFlags)
{
    DWORD code = dtFlags == DT_CENTER ? 1 : dtFlags == DT_RIGHT ? 2 : 0;
    StoreFlags(kFlagHorzAlign, code << 14);
    m_include.Set(ibHorzAlign, TRUE);
    return *this;
}

DWORD CGXStyle::GetHorizontalAlignment() const
{
    DWORD code = (m_dwFlags & kFlagHorzAlign) >> 14;
    return code == 1 ? DT_CENTER : code == 2 ? DT_RIGHT : DT_LEFT;
}

CGXStyle& CGXStyle::SetVerticalAlignment(DWORD dtFlags)
{
    DWORD code = dtFlags == DT_VCENTER ? 1 : dtFlags == DT_BOTTOM ? 2 : 0;
    StoreFlags(kFlagVertAlign, code << 16);
    m_include.Set(ibVertAlign, TRUE);
    return *this;
}

DWORD CGXStyle::GetVerticalAlignment() const
{
    DWORD code = (m_dwFlags & kFlagVertAlign) >> 16;
    return code == 1 ? DT_VCENTER : code == 2 ? DT_BOTTOM : DT_TOP;
}

CGXStyle& CGXStyle::SetControl(WORD nID)
{
    m_nControl = nID;
    m_include.Set(ibControl, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetInterior(const CGXCellBrush& brush)
{
    m_interior = brush;
    m_include.Set(ibInterior, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetTextColor(COLORREF cr)
{
    GXColorParts p = GXSplitColorValue(cr);
    StoreFlags(kFlagColorKind, p.nKind << 18);
    m_dwColorAndBase = (m_dwColorAndBase & 0xFF000000) | p.dwColor;
    m_include.Set(ibTextColor, TRUE);
    return *this;
}

COLORREF CGXStyle::GetTextColor() const
{
    return GXResolveColor((m_dwFlags & kFlagColorKind) >> 18, m_dwColorAndBase & 0xFFFFFF);
}

COLORREF CGXStyle::GetTextColorValue() const
{
    return GXColorValue((m_dwFlags & kFlagColorKind) >> 18, m_dwColorAndBase & 0xFFFFFF);
}

CGXStyle& CGXStyle::SetMergeCell(UINT n)
{
    StoreFlags(kFlagMerge, (n & 7) << 11);
    m_include.Set(ibMergeCell, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetDraw3dFrame(UINT n)
{
    StoreFlags(kFlag3dFrame, n & 3);
    m_include.Set(ib3dFrame, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetMaxLength(WORD n)
{
    m_nMaxLength = n;
    m_include.Set(ibMaxLength, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetBaseStyle(WORD nID)
{
    m_dwColorAndBase = (m_dwColorAndBase & 0xFFFFFF) | ((DWORD)(nID & 0xFF) << 24);
    m_include.Set(ibBaseStyle, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetFormat(UINT nCode)
{
    m_dwFormat = (m_dwFormat & ~0x1Fu) | (nCode & 31);
    m_include.Set(ibFormat, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetPlaces(UINT nPlaces)
{
    m_dwFormat = (m_dwFormat & ~(0xFu << 5)) | ((nPlaces & 15) << 5);
    m_include.Set(ibPlaces, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetItemData(DWORD dw)
{
    m_dwItemData = dw;
    m_include.Set(ibItemData, TRUE);
    return *this;
}

// --- Borders ---

void CGXStyle::EnsurePens()
{
    if (m_pPens == NULL)
        m_pPens = new CGXCellPen[4];
}

BOOL CGXStyle::AnyBorderSet() const
{
    if (m_pPens == NULL)
        return FALSE;
    for (int i = 0; i < 4; i++)
        if (m_pPens[i].GetInclude())
            return TRUE;
    return FALSE;
}

CGXStyle& CGXStyle::SetBorder(int nSide, const CGXCellPen& pen)
{
    if (nSide < sideAll || nSide > sideBottom)
        return *this;
    EnsurePens();
    for (int i = 0; i < 4; i++)
        if (nSide == sideAll || nSide == i)
            m_pPens[i] = pen;
    m_include.Set(ibBorders, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetIncludeBorder(int nSide, BOOL b)
{
    if (nSide < sideAll || nSide > sideBottom)
        return *this;
    if (b)
        EnsurePens();
    if (m_pPens != NULL)
        for (int i = 0; i < 4; i++)
            if (nSide == sideAll || nSide == i)
                m_pPens[i].SetInclude(b);
    m_include.Set(ibBorders, AnyBorderSet());
    return *this;
}

CGXStyle& CGXStyle::SetBorderArray(const CGXCellPen* pPens)
{
    if (pPens == NULL)
    {
        delete[] m_pPens;
        m_pPens = NULL;
    }
    else if (pPens != m_pPens)
    {
        EnsurePens();
        for (int i = 0; i < 4; i++)
            m_pPens[i] = pPens[i];
    }
    m_include.Set(ibBorders, AnyBorderSet());
    return *this;
}

BOOL CGXStyle::HasBorder(int nSide) const
{
    return GetInclude(ibBorders) && m_pPens != NULL && nSide >= 0 && nSide < 4 && m_pPens[nSide].GetInclude();
}

const CGXCellPen& CGXStyle::GetBorder(int nSide) const
{
    static const CGXCellPen s_penNotSet;
    if (m_pPens == NULL || nSide < 0 || nSide >= 4)
        return s_penNotSet;
    return m_pPens[nSide];
}

// --- Font ---

CGXStyle& CGXStyle::MergeFont(const CGXFont& font, GXModifyType mt)
{
    if (m_pFont == NULL)
    {
        if (mt == gxExclude)
            return *this;
        MakeFont(&font);
    }
    else if (m_pFont != &font)
        m_pFont->MergeFont(font, mt);
    m_include.Set(ibFont, TRUE);
    return *this;
}

CGXFont* CGXStyle::MakeFont(const CGXFont* pSource)
{
    DeleteFont();
    m_pFont = pSource != NULL ? new (m_fontSpace) CGXFont(*pSource) : new (m_fontSpace) CGXFont;
    return m_pFont;
}

void CGXStyle::DeleteFont()
{
    if (m_pFont != NULL)
        m_pFont->~CGXFont();
    m_pFont = NULL;
}

void CGXStyle::GetFont(CGXFont& font) const
{
    if (m_pFont != NULL)
        font = *m_pFont;
    else
        font.Clear();
}

// --- Value ---

CGXStyle& CGXStyle::SetValue(LPCTSTR pszValue)
{
    m_strValue = pszValue != NULL ? pszValue : "";
    StoreFlags(kFlagValueType, GX_VT_TEXT << 20);
    m_include.Set(ibValue, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetNumberValue(double d)
{
    char sz[64];
    _snprintf(sz, sizeof(sz) - 1, "%.13g", d);
    sz[sizeof(sz) - 1] = 0;
    m_strValue = sz;
    GXGetAppData()->NormalizeNumberText(m_strValue);
    StoreFlags(kFlagValueType, GX_VT_NUMBER << 20);
    m_include.Set(ibValue, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetUnsignedValue(DWORD dw)
{
    m_strValue.Format("%lu", (unsigned long)dw);
    StoreFlags(kFlagValueType, GX_VT_NUMBER << 20);
    m_include.Set(ibValue, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetValuePresent(BOOL b)
{
    if (!b)
        m_strValue.Empty();
    m_include.Set(ibValue, b);
    return *this;
}

CGXStyle& CGXStyle::SetValueType(UINT nType)
{
    StoreFlags(kFlagValueType, (nType & 7) << 20);
    return *this;
}

CGXStyle& CGXStyle::SetChoiceList(LPCTSTR psz)
{
    m_strChoiceList = psz != NULL ? psz : "";
    m_include.Set(ibChoiceList, TRUE);
    return *this;
}

// --- User attributes ---

BOOL CGXStyle::HasUserAttribute(WORD nID) const
{
    return m_pUserAttributes != NULL && m_pUserAttributes->Lookup(nID) != NULL;
}

const CGXAbstractUserAttribute& CGXStyle::GetUserAttribute(WORD nID) const
{
    static const CGXAbstractUserAttribute s_empty;
    const CGXAbstractUserAttribute* p = m_pUserAttributes != NULL ? m_pUserAttributes->Lookup(nID) : NULL;
    return p != NULL ? *p : s_empty;
}

CGXStyle& CGXStyle::SetUserAttribute(WORD nID, const CGXAbstractUserAttribute& attribute)
{
    if (m_pUserAttributes == NULL)
        m_pUserAttributes = new CGXUserAttributeMap;
    m_pUserAttributes->SetAttributeCopy(nID, attribute);
    m_include.Set(ibUserAttributes, TRUE);
    return *this;
}

CGXStyle& CGXStyle::SetUserAttributeValue(WORD nID, DWORD dw)
{
    return SetUserAttribute(nID, CGXUserAttribute(dw));
}

CGXStyle& CGXStyle::SetUserAttributeText(WORD nID, LPCTSTR psz)
{
    return SetUserAttribute(nID, CGXUserAttribute(psz));
}

CGXStyle& CGXStyle::SetIncludeUserAttribute(WORD nID, BOOL b)
{
    if (b)
    {
        if (!HasUserAttribute(nID))
            SetUserAttributeValue(nID, 0);
    }
    else if (m_pUserAttributes != NULL)
    {
        m_pUserAttributes->RemoveAttribute(nID);
        if (m_pUserAttributes->IsEmpty())
            m_include.Set(ibUserAttributes, FALSE);
    }
    return *this;
}

BOOL CGXStyle::IsEqual(const CGXStyle& other) const
{
    if (m_include.m_dw != other.m_include.m_dw)
        return FALSE;
    for (const AttrField& a : s_attrFields)
    {
        if (!GetInclude(a.nBit))
            continue;
        if (((this->*a.pField ^ other.*a.pField) & a.dwMask) != 0)
            return FALSE;
        if (a.pField2 != nullptr && ((this->*a.pField2 ^ other.*a.pField2) & a.dwMask2) != 0)
            return FALSE;
    }
    if (GetInclude(ibInterior) && m_interior != other.m_interior)
        return FALSE;
    if (GetInclude(ibValue) && (m_strValue != other.m_strValue || GetValueType() != other.GetValueType()))
        return FALSE;
    if (GetInclude(ibChoiceList) && m_strChoiceList != other.m_strChoiceList)
        return FALSE;
    if (GetInclude(ibFont) && (m_pFont == NULL) != (other.m_pFont == NULL))
        return FALSE;
    if (GetInclude(ibFont) && m_pFont != NULL && !m_pFont->IsEqualDescription(*other.m_pFont))
        return FALSE;
    if (GetInclude(ibBorders))
        for (int side = 0; side < 4; side++)
            if (HasBorder(side) != other.HasBorder(side) ||
                (HasBorder(side) && GetBorder(side) != other.GetBorder(side)))
                return FALSE;
    if (GetInclude(ibUserAttributes))
    {
        INT_PTR n = m_pUserAttributes != NULL ? m_pUserAttributes->GetSize() : 0;
        INT_PTR m = other.m_pUserAttributes != NULL ? other.m_pUserAttributes->GetSize() : 0;
        if (n != m)
            return FALSE;
        for (INT_PTR i = 0; i < n; i++)
        {
            const CGXAbstractUserAttribute* p = m_pUserAttributes->GetAttributeAt(i);
            const CGXAbstractUserAttribute* q = other.m_pUserAttributes->Lookup(p->GetId());
            if (q == NULL || !p->IsEqual(*q))
                return FALSE;
        }
    }
    return TRUE;
}
