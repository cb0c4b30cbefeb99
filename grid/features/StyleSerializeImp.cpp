// Styles, fonts, brushes and pens to and from archives.
#include "grid/features/StyleSerializeImp.h"
#include "grid/core/AppData.h"
#include "grid/core/FontFaceTable.h"
#include "grid/core/PatternTable.h"
#include "grid/core/StylesMap.h"
#include "grid/core/Style.h"
#include "Document.h"
#include <stdlib.h>

void AFXAPI GXInstallStyleSerializeImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pStyleSerializeImp != NULL)
        return;
    pAppData->m_pStyleSerializeImp = new CGXStyleSerializeImp;
    pAppData->AddComponent(pAppData->m_pStyleSerializeImp);
}

// --- Shared text forms ---

int AFXAPI GXParseNumbers(LPCTSTR pszText, char cSeparator, long* anValues, int nMax)
{
    if (pszText == NULL)
        return 0;
    const char* p = pszText;
    int n = 0;
    while (n < nMax)
    {
        while (*p == ' ')
            p++;
        if (*p == 0)
            break;
        anValues[n++] = atol(p);
        while (*p != 0 && *p != ' ' && *p != cSeparator)
            p++;
        if (*p == cSeparator)
            p++;
    }
    return n;
}

COLORREF AFXAPI GXColorFromParts(long r, long g, long b, long nKind)
{
    COLORREF cr = RGB((BYTE)r, (BYTE)g, (BYTE)b);
    if (nKind == 1 || nKind == 2 || (nKind >= 65 && nKind <= 254))
        cr |= (DWORD)nKind << 24;
    return cr;
}

CString AFXAPI GXPenText(const CGXCellPen& pen)
{
    COLORREF cr = pen.GetColorValue();
    CString s;
    s.Format("%lu %ld %d %d %d %d", (unsigned long)pen.GetStyle(), (long)pen.GetWidth(), GetRValue(cr),
             GetGValue(cr), GetBValue(cr), (int)(cr >> 24));
    return s;
}

BOOL AFXAPI GXParsePenText(LPCTSTR pszText, CGXCellPen& pen)
{
    long an[6] = {};
    int n = GXParseNumbers(pszText, ' ', an, 6);
    if (n < 5 || an[0] < 0 || an[0] > 7)
        return FALSE;
    pen = CGXCellPen((UINT)an[0], (UINT)an[1], GXColorFromParts(an[2], an[3], an[4], n > 5 ? an[5] : 0));
    return TRUE;
}

namespace
{
void Refuse()
{
    AfxThrowArchiveException(CArchiveException::generic);
}

// Font mask of the archive: which of italic, underline, strike-out are included (bits 0-2),
// their values (3-5), and weight, size, orientation and face present (6-9).
const DWORD fmItalic = 1, fmUnderline = 2, fmStrikeOut = 4, fmValueShift = 3, fmWeight = 1 << 6,
            fmSize = 1 << 7, fmOrientation = 1 << 8, fmFace = 1 << 9;

// Border sides in archive order: top, left, bottom, right.
const int s_anSides[] = {CGXStyle::sideTop, CGXStyle::sideLeft, CGXStyle::sideBottom, CGXStyle::sideRight};

const CGXStylesMap* StylesMapOf(CArchive& ar, const CGXStylesMap* pStylesMap)
{
    if (pStylesMap != NULL)
        return pStylesMap;
    CObject* pDoc = (CObject*)ar.m_pDocument;
    return pDoc != NULL && pDoc->IsKindOf(RUNTIME_CLASS(CGXStylesMap)) ? (const CGXStylesMap*)pDoc : NULL;
}

// Reads an object that only its style holds (a font, the user attributes) into obj. The archive
// keeps a long-lived stand-in at the object's index, so a reference to it from later data finds
// no freed memory; such references are refused, as a style's members are never shared.
BOOL ReadOwnedObject(CArchive& ar, CRuntimeClass* pClass, CObject& obj)
{
    static CGXFont s_fontStandIn;
    static CGXUserAttributeMap s_mapStandIn;
    UINT nSchema = 0;
    DWORD dwTag = 0;
    CRuntimeClass* pLoaded = ar.ReadClass(pClass, &nSchema, &dwTag);
    if (pLoaded == NULL)
    {
        if (dwTag != 0)
            AfxThrowArchiveException(CArchiveException::badIndex);
        return FALSE;
    }
    if (pLoaded != pClass)
        AfxThrowArchiveException(CArchiveException::badClass);
    ar.MapObject(pClass == RUNTIME_CLASS(CGXFont) ? (CObject*)&s_fontStandIn : (CObject*)&s_mapStandIn);
    ar.SetObjectSchema(nSchema);
    obj.Serialize(ar);
    return TRUE;
}

DWORD AlignmentCode(DWORD dt, DWORD dtMiddle, DWORD dtEnd)
{
    return dt == dtMiddle ? 1 : dt == dtEnd ? 2 : 0;
}

BYTE ReadByte(CArchive& ar)
{
    BYTE b = 0;
    ar >> b;
    return b;
}
} // namespace

// --- Fonts ---

void CGXStyleSerializeImp::SerializeFont(CGXFont& font, CArchive& ar)
{
    if (ar.IsStoring())
    {
        DWORD dwMask = 0;
        const std::pair<BOOL, BOOL> flags[3] = {{font.GetIncludeItalic(), font.GetItalic()},
                                                {font.GetIncludeUnderline(), font.GetUnderline()},
                                                {font.GetIncludeStrikeOut(), font.GetStrikeOut()}};
        for (int i = 0; i < 3; i++)
            if (flags[i].first)
                dwMask |= (1u << i) | (flags[i].second ? 1u << (i + fmValueShift) : 0);
        const GXFaceEntry* pFace =
            font.GetIncludeFaceName() ? GXGetFontFaceTable()->GetEntry(font.GetFaceIndexValue()) : NULL;
        dwMask |= (font.GetIncludeWeight() ? fmWeight : 0) | (font.GetIncludeSize() ? fmSize : 0) |
                  (font.GetIncludeOrientation() ? fmOrientation : 0) | (pFace != NULL ? fmFace : 0);
        ar << (WORD)fontSchema << dwMask;
        if (dwMask & fmWeight)
            ar << (WORD)font.GetWeight();
        if (dwMask & fmSize)
            ar << (WORD)(font.GetSize() * 10 + 0.5);
        if (dwMask & fmOrientation)
            ar << (WORD)font.GetOrientation();
        if (pFace != NULL)
            ar << font.GetFaceName() << pFace->nCharSet << pFace->nPitchAndFamily;
        return;
    }

    WORD wSchema = 0;
    ar >> wSchema;
    if (wSchema > fontSchema || wSchema == 0)
        AfxThrowArchiveException(CArchiveException::badSchema);
    if (wSchema == 1)
    {
        ReadOldFont(font, ar);
        return;
    }
    DWORD dwMask = 0;
    ar >> dwMask;
    font.Clear();
    if (dwMask & fmItalic)
        font.SetItalic((dwMask >> (0 + fmValueShift)) & 1);
    if (dwMask & fmUnderline)
        font.SetUnderline((dwMask >> (1 + fmValueShift)) & 1);
    if (dwMask & fmStrikeOut)
        font.SetStrikeOut((dwMask >> (2 + fmValueShift)) & 1);
    WORD w = 0;
    if (dwMask & fmWeight)
        font.SetWeight((ar >> w, (LONG)w));
    if (dwMask & fmSize)
        font.SetSize((ar >> w, w / 10.0));
    if (dwMask & fmOrientation)
        font.SetOrientation((ar >> w, (LONG)w));
    if (dwMask & fmFace)
    {
        CString strFace;
        BYTE nCharSet = 0, nPitchAndFamily = 0;
        ar >> strFace >> nCharSet >> nPitchAndFamily;
        CGXFontFaceTable* pTable = GXGetFontFaceTable();
        CString strKey = strFace;
        if (nCharSet != 0 && nCharSet != 1 && *pTable->GetScriptName(nCharSet) != 0)
            strKey.Format("%s (%s)", (LPCTSTR)strFace, pTable->GetScriptName(nCharSet));
        font.SetFaceIndex(pTable->FindOrAdd(strKey, nPitchAndFamily, nCharSet));
    }
}

// The first form: a LOGFONT's main fields, then which of them count.
void CGXStyleSerializeImp::ReadOldFont(CGXFont& font, CArchive& ar)
{
    LOGFONT lf = {};
    LONG nHeight = 0, nWeight = 0;
    BYTE bItalic = 0, bUnderline = 0, nPitchAndFamily = 0;
    CString strFace;
    ar >> nHeight >> nWeight >> bItalic >> bUnderline >> nPitchAndFamily >> strFace;
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic;
    lf.lfUnderline = bUnderline;
    lf.lfPitchAndFamily = nPitchAndFamily;
    // The face field holds 31 characters and its terminator.
    lstrcpynA(lf.lfFaceName, strFace, LF_FACESIZE);
    DWORD dwMask = 0;
    ar >> dwMask;
    if (dwMask & 64)
        ar >> lf.lfOrientation;
    font.SetLogFont(lf);
    font.SetIncludeWeight((dwMask & 1) != 0);
    font.SetIncludeSize((dwMask & 2) != 0);
    font.SetIncludeItalic((dwMask & 4) != 0);
    font.SetIncludeUnderline((dwMask & 8) != 0);
    font.SetIncludeStrikeOut((dwMask & 16) != 0);
    font.SetIncludeFaceName((dwMask & 32) != 0);
    font.SetIncludeOrientation((dwMask & 64) != 0);
}

// --- Brushes and pens ---

void CGXStyleSerializeImp::SerializeBrush(CGXCellBrush& brush, CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)brush.GetStyle() << (DWORD)brush.GetBackColorValue() << (LONG)brush.GetHatch()
           << (LONG)brush.GetPattern() << (DWORD)brush.GetColorValue();
        return;
    }
    DWORD dwStyle = 0, crBack = 0, crFore = 0;
    LONG nHatch = 0, nPattern = 0;
    ar >> dwStyle >> crBack >> nHatch >> nPattern >> crFore;
    if (dwStyle > 3 || nHatch < 0 || nHatch > 7)
        Refuse();
    // A pattern the table does not have draws as a hollow brush.
    BOOL bBadPattern = nPattern < 0 || nPattern >= GX_PATTERN_COUNT;
    if (dwStyle == BS_PATTERN && bBadPattern)
        dwStyle = BS_HOLLOW;
    brush.Set(dwStyle, crBack, (UINT)nHatch);
    if (dwStyle == BS_PATTERN)
        brush.SetPattern((UINT)nPattern);
    else
        brush.m_dw1 = (brush.m_dw1 & ~(63u << 24)) | ((DWORD)(nPattern & 63) << 24);
    brush.SetColor(crFore);
}

void CGXStyleSerializeImp::SerializePen(CGXCellPen& pen, CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)pen.GetStyle() << (WORD)pen.GetWidth() << (WORD)(pen.GetInclude() ? 1 : 0)
           << (DWORD)pen.GetColorValue();
        return;
    }
    DWORD dwStyle = 0, cr = 0;
    WORD wWidth = 0, wSet = 0;
    ar >> dwStyle >> wWidth >> wSet >> cr;
    if (dwStyle > 7)
        Refuse();
    pen = CGXCellPen(wSet != 0 ? dwStyle : (UINT)CGXCellPen::styleNotSet, wWidth, cr);
}

// --- Styles ---

void CGXStyleSerializeImp::SerializeStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pStylesMapIn)
{
    const CGXStylesMap* pStylesMap = StylesMapOf(ar, pStylesMapIn);
    if (ar.IsStoring())
    {
        const CGXStyleIncludeBits& inc = style.GetIncludeBits();
        ar << (WORD)styleSchema << inc.GetMask();
        auto has = [&](int nBit) { return inc.Test(nBit); };
        if (has(CGXStyle::ibHorzAlign))
            ar << AlignmentCode(style.GetHorizontalAlignment(), DT_CENTER, DT_RIGHT);
        if (has(CGXStyle::ibVertAlign))
        {
            DWORD dt = style.GetVerticalAlignment();
            ar << (DWORD)(dt == DT_VCENTER ? 4 : dt == DT_BOTTOM ? 8 : 0);
        }
        if (has(CGXStyle::ibReadOnly))
            ar << (BYTE)style.GetReadOnly();
        if (has(CGXStyle::ibControl))
            ar << (DWORD)style.GetControl();
        if (has(CGXStyle::ibInterior))
        {
            CGXCellBrush brush = style.GetInterior();
            SerializeBrush(brush, ar);
        }
        if (has(CGXStyle::ibTextColor))
            ar << (DWORD)style.GetTextColor();
        if (has(CGXStyle::ibWrapText))
            ar << (BYTE)style.GetWrapText();
        if (has(CGXStyle::ibAllowEnter))
            ar << (BYTE)style.GetAllowEnter();
        if (has(CGXStyle::ibFont))
            ar << (CObject*)style.GetFontPtr();
        if (has(CGXStyle::ibValue))
            ar << style.GetValue();
        if (has(CGXStyle::ibChoiceList))
            ar << style.GetChoiceList();
        if (has(CGXStyle::ibVertScroll))
            ar << (BYTE)style.GetVerticalScrollBar();
        if (has(CGXStyle::ibMaxLength))
            ar << (WORD)style.GetMaxLength();
        if (has(CGXStyle::ibEnabled))
            ar << (BYTE)style.GetEnabled();
        if (has(CGXStyle::ibTriState))
            ar << (BYTE)style.GetTriState();
        if (has(CGXStyle::ib3dFrame))
            ar << (BYTE)style.GetDraw3dFrame();
        if (has(CGXStyle::ibAutoSize))
            ar << (BYTE)style.GetAutoSize();
        ar << (WORD)(has(CGXStyle::ibBorders) ? 1 : 0);
        if (has(CGXStyle::ibBorders))
            for (int nSide : s_anSides)
            {
                BOOL bSet = style.HasBorder(nSide);
                ar << (WORD)(bSet ? 1 : 0);
                if (bSet)
                    ar << GXPenText(style.GetBorder(nSide));
            }
        if (has(CGXStyle::ibBaseStyle))
        {
            CString strName;
            UINT nResourceID = 0;
            if (pStylesMap != NULL)
                pStylesMap->GetStyleName(style.GetBaseStyle(), strName, nResourceID);
            ar << (DWORD)nResourceID;
            if (nResourceID == 0)
                ar << strName;
        }
        const CGXUserAttributeMap* pMap = style.GetUserAttributeMap();
        ar << (CObject*)(pMap != NULL && !pMap->IsEmpty() ? pMap : NULL);
        if (has(CGXStyle::ibFloatCell))
            ar << (BYTE)style.GetFloatCell();
        if (has(CGXStyle::ibFloodCell))
            ar << (BYTE)style.GetFloodCell();
        if (has(CGXStyle::ibMergeCell))
            ar << (BYTE)style.GetMergeCell();
        if (has(CGXStyle::ibItemData))
            ar << (DWORD)style.GetItemData();
        if (has(CGXStyle::ibFormat))
            ar << (BYTE)style.GetFormat();
        if (has(CGXStyle::ibPlaces))
            ar << (BYTE)style.GetPlaces();
        if (has(CGXStyle::ibValue))
            ar << (BYTE)style.GetValueType();
        return;
    }

    WORD wSchema = 0;
    DWORD dwMask = 0;
    ar >> wSchema;
    if (wSchema > styleSchema || wSchema == 0)
        AfxThrowArchiveException(CArchiveException::badSchema);
    CGXAbstractSerializeMG5CompatibleImp* pOldImp = GXGetAppData()->m_pSerializeCompatibleImp;
    if (wSchema <= 4 && pOldImp == NULL)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> dwMask;
    CGXStyleIncludeBits inc;
    inc.SetMask(dwMask);
    auto has = [&](int nBit) { return inc.Test(nBit); };
    style.Free();
    WORD w = 0;
    DWORD dw = 0;
    CString str;
    if (has(CGXStyle::ibHorzAlign))
    {
        ar >> dw;
        style.SetHorizontalAlignment(dw == 1 ? DT_CENTER : dw == 2 ? DT_RIGHT : DT_LEFT);
    }
    if (has(CGXStyle::ibVertAlign))
    {
        ar >> dw;
        style.SetVerticalAlignment(dw == 4 ? DT_VCENTER : dw == 8 ? DT_BOTTOM : DT_TOP);
    }
    if (has(CGXStyle::ibReadOnly))
        style.SetReadOnly(ReadByte(ar) != 0);
    if (has(CGXStyle::ibControl))
        style.SetControl((WORD)(ar >> dw, dw));
    if (has(CGXStyle::ibInterior))
    {
        CGXCellBrush brush;
        SerializeBrush(brush, ar);
        style.SetInterior(brush);
    }
    if (has(CGXStyle::ibTextColor))
        style.SetTextColor((COLORREF)(ar >> dw, dw));
    if (has(CGXStyle::ibWrapText))
        style.SetWrapText(ReadByte(ar) != 0);
    if (has(CGXStyle::ibAllowEnter))
        style.SetAllowEnter(ReadByte(ar) != 0);
    if (has(CGXStyle::ibFont))
    {
        CGXFont font;
        if (ReadOwnedObject(ar, RUNTIME_CLASS(CGXFont), font))
            style.MergeFont(font, gxCopy);
    }
    CString strValue;
    if (has(CGXStyle::ibValue))
        ar >> strValue;
    if (has(CGXStyle::ibChoiceList))
        style.SetChoiceList((ar >> str, str));
    if (has(CGXStyle::ibVertScroll))
        style.SetVerticalScrollBar(ReadByte(ar) != 0);
    if (has(CGXStyle::ibMaxLength))
        style.SetMaxLength((ar >> w, w));
    if (has(CGXStyle::ibEnabled))
        style.SetEnabled(ReadByte(ar) != 0);
    if (has(CGXStyle::ibTriState))
        style.SetTriState(ReadByte(ar) != 0);
    if (has(CGXStyle::ib3dFrame))
        style.SetDraw3dFrame(ReadByte(ar) & 3);
    if (has(CGXStyle::ibAutoSize))
        style.SetAutoSize(ReadByte(ar) != 0);
    ar >> w;
    if (w > 1)
        Refuse();
    if (w == 1)
        for (int nSide : s_anSides)
        {
            WORD wSet = 0;
            ar >> wSet;
            CGXCellPen pen;
            if (wSet == 1 && !GXParsePenText((ar >> str, str), pen))
                Refuse();
            if (wSet > 1)
                Refuse();
            if (wSet == 1)
                style.SetBorder(nSide, pen);
        }
    if (has(CGXStyle::ibBaseStyle))
    {
        ar >> dw;
        CString strName;
        if (dw == 0)
            ar >> strName;
        WORD nID = 0;
        if (pStylesMap != NULL && pStylesMap->FindBaseStyle(dw, strName, nID))
            style.SetBaseStyle(nID);
    }
    if (wSchema <= 4)
        pOldImp->ReadOldUserAttributes(style, ar);
    else
    {
        CGXUserAttributeMap map;
        if (ReadOwnedObject(ar, RUNTIME_CLASS(CGXUserAttributeMap), map))
            for (INT_PTR i = 0; i < map.GetSize(); i++)
            {
                CGXAbstractUserAttribute* pAttr = map.GetAttributeAt(i);
                style.SetUserAttribute(pAttr->GetId(), *pAttr);
            }
    }
    if (wSchema >= 2)
    {
        if (has(CGXStyle::ibFloatCell))
            style.SetFloatCell(ReadByte(ar) != 0);
        if (has(CGXStyle::ibFloodCell))
            style.SetFloodCell(ReadByte(ar) != 0);
        if (has(CGXStyle::ibMergeCell))
            style.SetMergeCell(ReadByte(ar) & 7);
    }
    if (wSchema >= 3 && has(CGXStyle::ibItemData))
        style.SetItemData((ar >> dw, dw));
    if (wSchema >= 6)
    {
        if (has(CGXStyle::ibFormat))
            style.SetFormat(ReadByte(ar) & 31);
        if (has(CGXStyle::ibPlaces))
            style.SetPlaces(ReadByte(ar) & 15);
    }
    else if (wSchema >= 4 && has(CGXStyle::ibFormat))
    {
        // Format and places came as a pair.
        style.SetFormat(ReadByte(ar) & 31);
        style.SetPlaces(ReadByte(ar) & 15);
    }
    if (has(CGXStyle::ibValue))
    {
        style.SetValue(strValue);
        if (wSchema >= 4)
            style.SetValueType(ReadByte(ar) & 7);
    }
}
