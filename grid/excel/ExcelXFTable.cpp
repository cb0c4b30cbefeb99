#include "ExcelXFTable.h"
#include "ExcelColorTable.h"
#include "ExcelFontTable.h"
#include "ExcelHandler.h"
#include "ExcelSheetStyles.h"
#include "ExcelStyleTable.h"
#include "ExMapHolder.h"
#include "grid/core/GridParam.h"
#include "grid/core/StylesMap.h"
#include "grid/core/SysColorTable.h"
#include <cstring>

IMPLEMENT_DYNCREATE(CGXExcelXFTable, CGXExcelTable)

namespace
{
// Grid pattern of each BIFF fill pattern 1-18 (1 is solid).
const DWORD kPatterns[18] = {63, 2, 1, 3, 28, 29, 7, 15, 14, 17, 12, 24, 21, 20, 22, 17, 4, 4};

// Record type of FORMAT, whose table turns format indexes into value formats.
const WORD kFormatRecord = 0x41E;

// Used-attribute bits of the byte at offset 9 (bits 10-15 of the WORD at offset 8).
enum : BYTE
{
    usedFormat = 0x04,
    usedFont = 0x08,
    usedAlign = 0x10,
    usedBorder = 0x20,
    usedPattern = 0x40,
    usedAll = 0xFC
};

// Pen styles of CGXCellPen.
enum
{
    penSolid = 0,
    penDash = 1,
    penDot = 2,
    penDashDot = 3,
    penDashDotDot = 4,
    penNone = 5
};

// BIFF line styles and the pens they become.
struct LineStyleMapping
{
    BYTE nPenStyle;
    BYTE nWidth; // 0: width unchanged
};
const LineStyleMapping kLineStyles[15] = {
    {penNone, 0},    {penSolid, 1},      {penSolid, 2},      {penDash, 1},    {penDot, 1},
    {penSolid, 3},   {penSolid, 3},      {penDot, 1},        {penDash, 1},    {penDashDot, 1},
    {penDashDot, 1}, {penDashDotDot, 1}, {penDashDotDot, 1}, {penDashDot, 1}, {penDot, 1},
};

// A colour's 7-bit colour index; 64 (automatic) when the palette has none.
DWORD ColorIndexOf(COLORREF cr)
{
    CGXExcelColorTable* pColors = dynamic_cast<CGXExcelColorTable*>(GXExFindTable(GX_EXCEL_PALETTE));
    int nIndex = pColors == NULL ? -1 : pColors->FindColorIndex(cr);
    return nIndex < 0 ? 64 : (DWORD)nIndex & 0x7F;
}

COLORREF ColorOf(DWORD nIndex)
{
    return CGXExcelColorTable::ColorOfIndex(nIndex, (COLORREF)-1);
}
} // namespace

CGXExcelXFTable::CGXExcelXFTable()
{
    memcpy(m_patterns, kPatterns, sizeof(m_patterns));
    NewXFArrays();
    LogText("XFTable created\n");
}

CGXExcelXFTable::~CGXExcelXFTable()
{
    delete m_pXFArrays;
}

void CGXExcelXFTable::NewXFArrays()
{
    delete m_pXFArrays;
    m_pXFArrays = new CGXNodeManagerNor<CGXXFArray>(new CGXXFArrayCreator);
}

void CGXExcelXFTable::ResetTable()
{
    CGXExcelBaseTable::ResetTable();
    m_applied.clear();
    m_styleIDs.RemoveAll();
    m_nCurrentCol = m_nCurrentRow = 0xFFFF;
    m_nGridOrdinal = 0;
    NewXFArrays();
}

CGXXFArray* CGXExcelXFTable::GetXFArray(DWORD nGridOrdinal)
{
    return m_pXFArrays->GetOrCreate(nGridOrdinal);
}

BYTE CGXExcelXFTable::RotationToBiff(LONG nTenths)
{
    LONG nDegrees = ((nTenths + (nTenths >= 0 ? 5 : -5)) / 10) % 360;
    if (nDegrees < 0)
        nDegrees += 360;
    if (nDegrees <= 90)
        return (BYTE)nDegrees;
    if (nDegrees >= 270)
        return (BYTE)(90 + 360 - nDegrees);
    // Upside-down angles have no BIFF form: the nearer of straight up and straight down.
    return nDegrees <= 180 ? 90 : 180;
}

LONG CGXExcelXFTable::RotationFromBiff(BYTE nRotation)
{
    if (nRotation <= 90)
        return nRotation * 10;
    if (nRotation <= 180)
        return (360 - (nRotation - 90)) * 10;
    // 255 (letters stacked) has no grid form.
    return 0;
}

UINT CGXExcelXFTable::MapPattern(UINT nValue, BOOL bFromBiff)
{
    if (bFromBiff)
        return nValue >= 1 && nValue <= 18 ? m_patterns[nValue - 1] : m_patterns[0];
    for (UINT i = 0; i < 18; i++)
        if (m_patterns[i] == nValue)
            return i + 1;
    return 0;
}

void CGXExcelXFTable::MapLineStyle(UINT nLineStyle, CGXCellPen& pen)
{
    const LineStyleMapping& m = kLineStyles[nLineStyle < 14 ? nLineStyle : 14];
    pen.SetStyle(m.nPenStyle);
    if (m.nWidth != 0)
        pen.SetWidth(m.nWidth);
}

UINT CGXExcelXFTable::PenToLineStyle(const CGXCellPen& pen) const
{
    switch (pen.GetStyle())
    {
    case penSolid:
        return pen.GetWidth() == 2 ? 2 : pen.GetWidth() == 3 ? 5 : 1;
    case penDash:
        return 3;
    case penDot:
        return 4;
    case penDashDot:
        return 9;
    case penDashDotDot:
        return 11;
    default:
        return 0;
    }
}

BOOL CGXExcelXFTable::ReadRecord(IStream* pStream, DWORD)
{
    m_applied.clear();
    return ReadEntry([&](XFStruct& e) {
        CGXExcelFieldDesc f[11];
        f[0].SetWord(&e.nFont);
        f[1].SetWord(&e.nFormat);
        f[2].SetWord(&e.nTypeParent);
        f[3].SetRaw(&e.nAlign, 1);
        f[4].SetRaw(&e.nRotation, 1);
        f[5].SetRaw(&e.nIndent, 1);
        f[6].SetRaw(&e.nUsed, 1);
        f[7].SetWord(&e.nLineStyles);
        f[8].SetWord(&e.nSideColors);
        f[9].SetDWord(&e.nTopBottom);
        f[10].SetWord(&e.nFillColors);
        ReadFieldList(pStream, f, 11);
    });
}

BOOL CGXExcelXFTable::ApplyToStyle(DWORD nIndex, CGXStyle*& pStyle)
{
    XFStruct* x = NULL;
    if (!LookupEntry(nIndex, x))
        return FALSE;
    if (pStyle == NULL)
        pStyle = TakeObject();
    // What a record gives a style that has no font and no interior yet (all it reads of the
    // style) is the same every time: made once, then merged.
    if (pStyle->GetInclude(CGXStyle::ibFont) || pStyle->GetInclude(CGXStyle::ibInterior))
        return ApplyRecord(*x, pStyle);
    if (nIndex >= m_applied.size())
        m_applied.resize(nIndex + 1);
    Applied& a = m_applied[nIndex];
    if (a.pStyle == NULL)
    {
        a.pStyle.reset(new CGXStyle);
        a.bResult = ApplyRecord(*x, a.pStyle.get());
    }
    pStyle->MergeStyle(*a.pStyle, gxOverride);
    return a.bResult;
}

BOOL CGXExcelXFTable::ApplyRecord(const XFStruct& xf, CGXStyle* pStyle)
{
    const XFStruct* x = &xf;
    CGXExcelTable* pFonts = GXExFindTable(GX_EXCEL_FONT);
    CGXExcelTable* pFormats = GXExFindTable(kFormatRecord);
    BOOL bStyleXF = (x->nTypeParent & 0x04) != 0;
    BOOL bAll = bStyleXF;
    // Font index 4 does not exist: indexes above it name the entry one lower.
    DWORD nFontEntry = x->nFont <= 3 ? x->nFont : x->nFont - 1u;

    BOOL bFont = TRUE;
    if (bAll || (x->nUsed & usedFont))
        bFont = pFonts != NULL && pFonts->ApplyStyleEntry(nFontEntry, pStyle);
    BOOL bFormat = TRUE;
    if (bFont && (bAll || (x->nUsed & usedFormat)))
        bFormat = pFormats != NULL && pFormats->ApplyStyleEntry(x->nFormat, pStyle);

    if (!bStyleXF)
    {
        DWORD nParent = x->nTypeParent >> 4;
        CGXExcelStyleTable* pStyles = dynamic_cast<CGXExcelStyleTable*>(GXExFindTable(GX_EXCEL_STYLE));
        if (nParent != 0 && nParent != 0xFFF && pStyles != NULL)
            if (WORD nID = pStyles->FindByIndex(nParent))
                pStyle->SetBaseStyle(nID);
    }

    if (bAll || (x->nUsed & usedAlign))
    {
        static const DWORD horizontal[4] = {0, DT_LEFT, DT_CENTER, DT_RIGHT};
        DWORD nHorz = x->nAlign & 7;
        if (nHorz >= 1 && nHorz <= 3)
            pStyle->SetHorizontalAlignment(horizontal[nHorz]);
        if (x->nAlign & 0x08)
            pStyle->SetWrapText(TRUE);
    }
    static const DWORD vertical[3] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    DWORD nVert = (x->nAlign >> 4) & 7;
    if (nVert <= 2)
        pStyle->SetVerticalAlignment(vertical[nVert]);
    CGXFont rotation;
    rotation.SetOrientation(RotationFromBiff(x->nRotation));
    pStyle->MergeFont(rotation, gxOverride);

    if (bAll || (x->nUsed & usedPattern))
    {
        CGXCellBrush brush =
            pStyle->GetInclude(CGXStyle::ibInterior) ? pStyle->GetInterior() : CGXCellBrush();
        brush.SetColor(ColorOf((x->nFillColors >> 7) & 0x7F));
        brush.SetBackColor(ColorOf(x->nFillColors & 0x7F));
        DWORD nPattern = x->nTopBottom >> 26;
        if (nPattern != 0 && nPattern != 1)
            brush.SetPattern(MapPattern(nPattern, TRUE));
        pStyle->SetInterior(brush);
    }

    if (bAll || (x->nUsed & usedBorder))
    {
        struct Side
        {
            int nSide;
            UINT nLineStyle;
            DWORD nColor;
        };
        const Side sides[4] = {
            {CGXStyle::sideBottom, (UINT)(x->nLineStyles >> 12) & 15, (x->nTopBottom >> 7) & 0x7F},
            {CGXStyle::sideTop, (UINT)(x->nLineStyles >> 8) & 15, x->nTopBottom & 0x7F},
            {CGXStyle::sideLeft, (UINT)x->nLineStyles & 15, (DWORD)x->nSideColors & 0x7F},
            {CGXStyle::sideRight, (UINT)(x->nLineStyles >> 4) & 15, ((DWORD)x->nSideColors >> 7) & 0x7F},
        };
        for (const Side& side : sides)
        {
            if (side.nLineStyle == 0)
                continue;
            CGXCellPen pen;
            pen.SetColor(ColorOf(side.nColor));
            MapLineStyle(side.nLineStyle, pen);
            pStyle->SetBorder(side.nSide, pen);
        }
    }
    return bStyleXF ? bFont && bFormat : TRUE;
}

void CGXExcelXFTable::BuildXF(const CGXStyle& style, BYTE* pBody, BOOL bStyleXF,
                              const CGXStylesMap* pStylesMap, DWORD nDiscriminator)
{
    if (bStyleXF)
        BuildStyleXF(style, pBody, pStylesMap);
    else
        BuildCellXF(style, pBody, pStylesMap, nDiscriminator);
}

void CGXExcelXFTable::BuildStyleXF(const CGXStyle& style, BYTE* pBody, const CGXStylesMap* pStylesMap)
{
    CGXStyle* pCompleted = style.Clone();
    if (const CGXStyle* pStandard = GXExStandardStyle(pStylesMap))
        pCompleted->MergeStyle(*pStandard, gxApplyNew);
    FillXF(style, *pCompleted, pBody, TRUE, GX_EXCEL_SHARED_FONT);
    delete pCompleted;
}

void CGXExcelXFTable::BuildCellXF(const CGXStyle& style, BYTE* pBody, const CGXStylesMap* pStylesMap,
                                  DWORD nDiscriminator)
{
    CGXStyle* pCompleted = GXExCompleteStyle(style, NULL, NULL, pStylesMap);
    FillXF(style, *pCompleted, pBody, FALSE, nDiscriminator);

    // The parent: the XF of the base style, else of the cell's column or row style.
    DWORD nParent = 0;
    if (style.GetInclude(CGXStyle::ibBaseStyle))
        nParent = m_styleIDs.LookupXF(style.GetBaseStyle());
    else if (m_nCurrentCol != 0xFFFF && m_nCurrentRow != 0xFFFF)
    {
        CGXXFArray* pArray = GetXFArray(m_nGridOrdinal);
        nParent = pArray->LookupXF(0, m_nCurrentCol);
        if (nParent == 0)
            nParent = pArray->LookupXF(m_nCurrentRow, 0);
    }
    GXExPutWord(pBody + 4, (WORD)((nParent & 0xFFF) << 4));
    delete pCompleted;
}

void CGXExcelXFTable::FillXF(const CGXStyle& style, const CGXStyle& completed, BYTE* pBody, BOOL bStyleXF,
                             DWORD nDiscriminator)
{
    memset(pBody, 0, 20);
    CGXExcelFontTable* pFonts = dynamic_cast<CGXExcelFontTable*>(GXExFindTable(GX_EXCEL_FONT));
    if (pFonts != NULL && completed.GetInclude(CGXStyle::ibFont))
        GXExPutWord(pBody, (WORD)pFonts->GetFontIndex(CGXExcelFontIndex(completed, nDiscriminator)));
    CGXExcelTable* pFormats = GXExFindTable(kFormatRecord);
    if (pFormats != NULL)
        GXExPutWord(pBody + 2, (WORD)pFormats->GetBuiltInFormatIndex(completed));
    GXExPutWord(pBody + 4, bStyleXF ? (WORD)(0xFFF0 | 0x04) : 0);

    BYTE nAlign = 0;
    if (completed.GetInclude(CGXStyle::ibHorzAlign))
    {
        DWORD nHorz = completed.GetHorizontalAlignment();
        nAlign |= nHorz == DT_CENTER ? 2 : nHorz == DT_RIGHT ? 3 : 1;
    }
    if (completed.GetInclude(CGXStyle::ibWrapText) && completed.GetWrapText())
        nAlign |= 0x08;
    DWORD nVert = completed.GetVerticalAlignment();
    nAlign |= (BYTE)((nVert == DT_VCENTER ? 1 : nVert == DT_BOTTOM ? 2 : 0) << 4);
    pBody[6] = nAlign;
    const CGXFont* pFont = completed.GetFontPtr();
    if (pFont != NULL && pFont->GetIncludeOrientation())
        pBody[7] = RotationToBiff(pFont->GetOrientation());

    // The used-attribute bits tell what the style itself sets, before the Standard style
    // completes it.
    BOOL bFormat = style.GetInclude(CGXStyle::ibFormat);
    // The text colour travels in the font record: a colour alone marks the font as used too.
    BOOL bFont = style.GetInclude(CGXStyle::ibFont) || style.GetInclude(CGXStyle::ibTextColor);
    BOOL bAlign = style.GetInclude(CGXStyle::ibHorzAlign) || style.GetInclude(CGXStyle::ibVertAlign) ||
                  style.GetInclude(CGXStyle::ibWrapText);
    BOOL bInterior = style.GetInclude(CGXStyle::ibInterior);
    BOOL bBorder = style.GetInclude(CGXStyle::ibBorders);
    BYTE nUsed;
    if (bStyleXF)
        nUsed = (BYTE)(usedAll & ~((bFormat ? usedFormat : 0) | (bFont ? usedFont : 0) |
                                   (bAlign ? usedAlign : 0) | (bInterior ? usedPattern : 0)));
    else
        nUsed = (BYTE)((bFormat ? usedFormat : 0) | (bFont ? usedFont : 0) | (bAlign ? usedAlign : 0) |
                       (bInterior ? usedPattern : 0) | (bBorder ? usedBorder : 0));
    pBody[9] = nUsed;

    WORD nLineStyles = 0, nSideColors = 0;
    DWORD nTopBottom = 0;
    struct Side
    {
        int nSide;
        int nStyleShift;
    };
    const Side sides[4] = {{CGXStyle::sideTop, 8},
                           {CGXStyle::sideLeft, 0},
                           {CGXStyle::sideBottom, 12},
                           {CGXStyle::sideRight, 4}};
    for (const Side& side : sides)
    {
        if (!completed.HasBorder(side.nSide))
            continue;
        const CGXCellPen& pen = completed.GetBorder(side.nSide);
        if (!pen.GetInclude() || pen.GetStyle() == penNone)
            continue;
        nLineStyles |= (WORD)(PenToLineStyle(pen) << side.nStyleShift);
        DWORD nColor = ColorIndexOf(pen.GetColor());
        switch (side.nSide)
        {
        case CGXStyle::sideTop:
            nTopBottom |= nColor;
            break;
        case CGXStyle::sideBottom:
            nTopBottom |= nColor << 7;
            break;
        case CGXStyle::sideLeft:
            nSideColors |= (WORD)nColor;
            break;
        default:
            nSideColors |= (WORD)(nColor << 7);
            break;
        }
    }

    const CGXCellBrush& brush = completed.GetInterior();
    DWORD nFore = ColorIndexOf(brush.GetBackColor());
    DWORD nBack = ColorIndexOf(brush.GetColor());
    DWORD nPattern;
    if (brush.GetStyle() == 3)
        nPattern = MapPattern(brush.GetPattern(), FALSE);
    else
        nPattern = nFore != ColorIndexOf(GXGetSysColorTable()->GetColor(COLOR_WINDOW)) ? 1 : 0;
    nTopBottom |= nPattern << 26;

    GXExPutWord(pBody + 10, nLineStyles);
    GXExPutWord(pBody + 12, nSideColors);
    GXExPutDWord(pBody + 14, nTopBottom);
    GXExPutWord(pBody + 18, (WORD)(nFore | (nBack << 7)));
}

void CGXExcelXFTable::WriteCellXF(IStream* pStream, DWORD* pTotal, const CGXStyle& style, ROWCOL nRow,
                                  ROWCOL nCol, DWORD& rnNextXF, const CGXStylesMap* pStylesMap,
                                  DWORD nDiscriminator)
{
    CGXXFArray* pArray = GetXFArray(m_nGridOrdinal);
    SetCurrentCell(nCol, nRow);
    BYTE record[24] = {0xE0, 0x00, 20, 0x00};
    BuildCellXF(style, record + 4, pStylesMap, nDiscriminator);
    DWORD nXF = pArray->FindXFByBody(record + 4);
    if (nXF != 0xFFFF)
    {
        pArray->Add(nRow, nCol, nXF, NULL);
        return;
    }
    GXExWriteBytes(pStream, record, sizeof(record), pTotal);
    pArray->Add(nRow, nCol, rnNextXF, record + 4);
    rnNextXF++;
}

BOOL CGXExcelXFTable::WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams, DWORD nSheets)
{
    if (ppParams == NULL || ppParams[0] == NULL)
        throw gxExcelErrNoParam;
    const CGXStylesMap* pStylesMap = ppParams[0]->GetStylesMap();
    if (pStylesMap == NULL)
        throw gxExcelErrNoStylesMap;
    NewXFArrays();
    m_styleIDs.RemoveAll();
    DWORD nNextXF = 0;
    BYTE record[24] = {0xE0, 0x00, 20, 0x00};

    // XF 0-14 are the Standard style's style XF, XF 15 its cell XF.
    if (const CGXStyle* pStandard = GXExStandardStyle(pStylesMap))
    {
        BuildStyleXF(*pStandard, record + 4, pStylesMap);
        for (int i = 0; i < 15; i++)
            GXExWriteBytes(pStream, record, sizeof(record), pTotal);
        // Without the Standard style's own attributes nothing is left to mark as used.
        SetCurrentCell(0xFFFF, 0xFFFF);
        BuildCellXF(CGXStyle(), record + 4, pStylesMap, GX_EXCEL_SHARED_FONT);
        GXExWriteBytes(pStream, record, sizeof(record), pTotal);
        m_styleIDs.AddIfAbsent(pStylesMap->m_wStyleStandard, 0);
        nNextXF = 16;
    }

    GXExForEachBaseStyle(pStylesMap, [&](WORD nID, const CString&, const CGXStyle& style) {
        if (nID == pStylesMap->m_wStyleStandard)
            return;
        BuildStyleXF(style, record + 4, pStylesMap);
        GXExWriteBytes(pStream, record, sizeof(record), pTotal);
        m_styleIDs.AddIfAbsent(nID, nNextXF++);
    });

    for (DWORD nSheet = 0; nSheet < nSheets; nSheet++)
    {
        SetGridOrdinal(nSheet);
        UINT nStyles = 0;
        GXExWalkSheetStyles(ppParams[nSheet], FALSE, [&](const GXExSheetStyle&) { nStyles++; });
        GetXFArray(nSheet)->InitSize(nStyles);
        GXExWalkSheetStyles(ppParams[nSheet], FALSE, [&](const GXExSheetStyle& s) {
            if (s.nKind != GXExSheetStyle::kindCell)
            {
                WriteCellXF(pStream, pTotal, *s.pStyle, s.nRow, s.nCol, nNextXF, pStylesMap, nSheet);
                return;
            }
            CGXStyle* pCell = s.pStyle->Clone();
            if (s.pRowStyle != NULL)
                pCell->MergeStyle(*s.pRowStyle, gxApplyNew);
            if (s.pColStyle != NULL)
                pCell->MergeStyle(*s.pColStyle, gxApplyNew);
            WriteCellXF(pStream, pTotal, *pCell, s.nRow, s.nCol, nNextXF, pStylesMap,
                        s.bFormulaSheet ? GX_EXCEL_SHARED_FONT : nSheet);
            delete pCell;
        });
    }
    SetCurrentCell(0xFFFF, 0xFFFF);
    return TRUE;
}
