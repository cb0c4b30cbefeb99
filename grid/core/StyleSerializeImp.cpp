// Styles, fonts and brushes to and from archives.
#include "grid/core/StyleSerializeImp.h"
#include "grid/core/AppData.h"
#include "grid/core/StylesMap.h"
#include "grid/core/Style.h"
#include "Document.h"

void AFXAPI GXInstallStyleSerializeImp()
{
    CGXAppData* pAppData = GXGetAppData();
    if (pAppData->m_pStyleSerializeImp != NULL)
        return;
    pAppData->m_pStyleSerializeImp = new CGXStyleSerializeImp;
    pAppData->AddComponent(pAppData->m_pStyleSerializeImp);
}

void CGXStyleSerializeImp::SerializeFont(CGXFont& font, CArchive& ar)
{
    const DWORD faceBits = 1023;
    if (ar.IsStoring())
    {
        ar << font.GetDescriptionWord1() << (font.GetDescriptionWord2() & ~faceBits);
        ar << (font.GetIncludeFaceName() ? font.GetFaceName() : CString());
        return;
    }
    DWORD dw1 = 0, dw2 = 0;
    CString strFace;
    ar >> dw1 >> dw2 >> strFace;
    font.SetDescriptionWords(dw1, dw2 | faceBits);
    if (!strFace.IsEmpty())
        font.SetFaceName(strFace);
}

void CGXStyleSerializeImp::SerializeBrush(CGXCellBrush& brush, CArchive& ar)
{
    if (ar.IsStoring())
        ar << brush.m_dw0 << brush.m_dw1;
    else
        ar >> brush.m_dw0 >> brush.m_dw1;
}

namespace
{
// Border sides in archive order: top, left, bottom, right.
const int s_anSides[] = {CGXStyle::sideTop, CGXStyle::sideLeft, CGXStyle::sideBottom, CGXStyle::sideRight};

CString PenText(const CGXCellPen& pen)
{
    CString s;
    s.Format("%u %u %lu", pen.GetStyle(), pen.GetWidth(), (unsigned long)pen.GetColorValue());
    return s;
}

CGXCellPen PenFromText(const CString& s)
{
    unsigned nStyle = PS_SOLID, nWidth = 1;
    unsigned long cr = 0;
    if (sscanf(s, "%u %u %lu", &nStyle, &nWidth, &cr) != 3)
        AfxThrowArchiveException(CArchiveException::generic);
    CGXCellPen pen;
    pen.SetColor((COLORREF)cr).SetWidth(nWidth).SetStyle(nStyle);
    return pen;
}

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
} // namespace

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
                    ar << PenText(style.GetBorder(nSide));
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
    if (wSchema > styleSchema || wSchema < 5)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> dwMask;
    CGXStyleIncludeBits inc;
    inc.SetMask(dwMask);
    auto has = [&](int nBit) { return inc.Test(nBit); };
    style.Free();
    BYTE b = 0;
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
        style.SetReadOnly((ar >> b, b != 0));
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
        style.SetWrapText((ar >> b, b != 0));
    if (has(CGXStyle::ibAllowEnter))
        style.SetAllowEnter((ar >> b, b != 0));
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
        style.SetVerticalScrollBar((ar >> b, b != 0));
    if (has(CGXStyle::ibMaxLength))
        style.SetMaxLength((ar >> w, w));
    if (has(CGXStyle::ibEnabled))
        style.SetEnabled((ar >> b, b != 0));
    if (has(CGXStyle::ibTriState))
        style.SetTriState((ar >> b, b != 0));
    if (has(CGXStyle::ib3dFrame))
        style.SetDraw3dFrame((ar >> b, b & 3));
    if (has(CGXStyle::ibAutoSize))
        style.SetAutoSize((ar >> b, b != 0));
    ar >> w;
    if (w > 1)
        AfxThrowArchiveException(CArchiveException::generic);
    if (w == 1)
        for (int nSide : s_anSides)
        {
            WORD wSet = 0;
            ar >> wSet;
            if (wSet == 1)
                style.SetBorder(nSide, PenFromText((ar >> str, str)));
            else if (wSet != 0)
                AfxThrowArchiveException(CArchiveException::generic);
        }
    if (has(CGXStyle::ibBaseStyle))
    {
        ar >> dw;
        CString strName;
        if (dw == 0)
            ar >> strName;
        if (pStylesMap != NULL)
        {
            WORD nID =
                dw != 0 ? pStylesMap->GetBaseStyleIdFromResource(dw) : pStylesMap->GetBaseStyleId(strName);
            if (nID != 0)
                style.SetBaseStyle(nID);
        }
    }
    CGXUserAttributeMap map;
    if (ReadOwnedObject(ar, RUNTIME_CLASS(CGXUserAttributeMap), map))
        for (INT_PTR i = 0; i < map.GetSize(); i++)
        {
            CGXAbstractUserAttribute* pAttr = map.GetAttributeAt(i);
            style.SetUserAttribute(pAttr->GetId(), *pAttr);
        }
    if (has(CGXStyle::ibFloatCell))
        style.SetFloatCell((ar >> b, b != 0));
    if (has(CGXStyle::ibFloodCell))
        style.SetFloodCell((ar >> b, b != 0));
    if (has(CGXStyle::ibMergeCell))
        style.SetMergeCell((ar >> b, b));
    if (has(CGXStyle::ibItemData))
        style.SetItemData((ar >> dw, dw));
    if (has(CGXStyle::ibFormat))
        style.SetFormat((ar >> b, b));
    if (has(CGXStyle::ibPlaces))
        style.SetPlaces((ar >> b, b));
    if (has(CGXStyle::ibValue))
    {
        style.SetValue(strValue);
        ar >> b;
        style.SetValueType(b);
    }
}
