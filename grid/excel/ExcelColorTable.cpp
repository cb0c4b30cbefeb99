#include "ExcelColorTable.h"
#include "ExcelHandler.h"
#include "ExMapHolder.h"
#include "grid/core/GridParam.h"
#include "grid/core/SysColorTable.h"

IMPLEMENT_DYNCREATE(CGXExcelColorTable, CGXExcelTable)

namespace
{
const DWORD kDefaultPalette[GX_EXCEL_PALETTE_SIZE] = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, //
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, //
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, //
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF, //
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xE3E3E3, //
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, //
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};

// The table's colours are written red-green-blue; a COLORREF holds them the other way round.
COLORREF FromRgbText(DWORD rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

int Square(int n)
{
    return n * n;
}
} // namespace

COLORREF CGXExcelColorTable::GetDefaultColor(int nEntry)
{
    return nEntry >= 0 && nEntry < GX_EXCEL_PALETTE_SIZE ? FromRgbText(kDefaultPalette[nEntry]) : 0;
}

COLORREF CGXExcelColorTable::ColorOfIndex(DWORD nIndex, COLORREF crDefault)
{
    DWORD nEntry = nIndex >= 8 ? nIndex - 8 : nIndex;
    CGXExcelColorTable* pTable = dynamic_cast<CGXExcelColorTable*>(GXExFindTable(GX_EXCEL_PALETTE));
    if (pTable != NULL)
        return pTable->GetColor(nEntry, crDefault);
    if (nEntry < (DWORD)GX_EXCEL_PALETTE_SIZE)
        return GetDefaultColor((int)nEntry);
    return crDefault == (COLORREF)-1 ? GXGetSysColorTable()->GetColor(COLOR_WINDOW) : crDefault;
}

BOOL CGXExcelColorTable::ReadRecord(IStream* pStream, DWORD)
{
    return ReadEntry([&](colorStruct& e) {
        WORD nCount = 0;
        CGXExcelFieldDesc count;
        count.SetWord(&nCount);
        ReadFieldList(pStream, &count, 1);
        e.entries.assign(4 * (size_t)nCount, 0);
        // Colour by colour, so that a cut record keeps the colours read whole.
        for (WORD i = 0; i < nCount; i++)
        {
            CGXExcelFieldDesc color;
            color.SetRaw(&e.entries[4 * (size_t)i], 4);
            ReadFieldList(pStream, &color, 1);
            e.nCount = (WORD)(i + 1);
        }
    });
}

void CGXExcelColorTable::ResetTable()
{
    CGXExcelBaseTable::ResetTable();
    m_colorIndex.clear();
}

BOOL CGXExcelColorTable::ApplyToStyle(DWORD, CGXStyle*&)
{
    return FALSE;
}

COLORREF CGXExcelColorTable::GetColor(DWORD nEntry, COLORREF crDefault)
{
    if (nEntry >= (DWORD)GX_EXCEL_PALETTE_SIZE)
        return crDefault == (COLORREF)-1 ? GXGetSysColorTable()->GetColor(COLOR_WINDOW) : crDefault;
    colorStruct* pRecord = NULL;
    if (LookupEntry(0, pRecord) && nEntry < pRecord->nCount)
    {
        const BYTE* p = &pRecord->entries[4 * nEntry];
        return RGB(p[0], p[1], p[2]);
    }
    return GetDefaultColor((int)nEntry);
}

int CGXExcelColorTable::FindColorIndex(COLORREF cr) const
{
    cr &= 0x00FFFFFF;
    auto it = m_colorIndex.find(cr);
    int nEntry = -1;
    if (it != m_colorIndex.end())
        nEntry = it->second;
    else
    {
        int nBest = 0x7FFFFFFF;
        for (const auto& c : m_colorIndex)
        {
            int nDistance = Square(GetRValue(cr) - GetRValue(c.first)) +
                            Square(GetGValue(cr) - GetGValue(c.first)) +
                            Square(GetBValue(cr) - GetBValue(c.first));
            if (nDistance < nBest || (nDistance == nBest && c.second < nEntry))
            {
                nBest = nDistance;
                nEntry = c.second;
            }
        }
    }
    if (nEntry < 0)
        return -1;
    return nEntry == 0 ? 0 : nEntry + 8;
}

void CGXExcelColorTable::AddColor(COLORREF cr, int& rnNext)
{
    // A colour keeps its first index, and the record has room for 56.
    cr &= 0x00FFFFFF;
    if (m_colorIndex.count(cr) != 0 || rnNext >= GX_EXCEL_PALETTE_SIZE)
        return;
    m_colorIndex[cr] = rnNext++;
}

void CGXExcelColorTable::CollectStyleColors(const CPtrArray& styles, int& rnNext)
{
    for (INT_PTR i = 0; i < styles.GetSize(); i++)
    {
        const CGXStyle* pStyle = static_cast<const CGXStyle*>(styles.GetAt(i));
        if (pStyle != NULL && !pStyle->IsEmpty())
            CollectColorsOfStyle(*pStyle, rnNext);
    }
}

void CGXExcelColorTable::CollectColorsOfStyle(const CGXStyle& style, int& rnNext)
{
    if (style.GetInclude(CGXStyle::ibTextColor))
        AddColor(style.GetTextColor(), rnNext);
    if (style.GetInclude(CGXStyle::ibInterior))
    {
        AddColor(style.GetInterior().GetColor(), rnNext);
        AddColor(style.GetInterior().GetBackColor(), rnNext);
    }
    const int sides[4] = {CGXStyle::sideTop, CGXStyle::sideLeft, CGXStyle::sideBottom, CGXStyle::sideRight};
    for (int nSide : sides)
        if (style.HasBorder(nSide))
            AddColor(style.GetBorder(nSide).GetColor(), rnNext);
}

BOOL CGXExcelColorTable::WriteRecords(IStream* pStream, DWORD* pTotal, CGXGridParam** ppParams, DWORD)
{
    if (m_nWriteMode & modeSeedDefaults)
    {
        if (ppParams == NULL || ppParams[0] == NULL)
            throw gxExcelErrNoParam;
        if (ppParams[0]->GetStylesMap() == NULL)
            throw gxExcelErrNoStylesMap;
        // Keyed by colour: a colour twice in the default palette keeps its later entry.
        m_colorIndex.clear();
        for (int i = 0; i < GX_EXCEL_PALETTE_SIZE; i++)
            m_colorIndex[GetDefaultColor(i)] = i;
    }
    if (m_nWriteMode & modeWriteRecord)
    {
        BYTE record[6 + 4 * GX_EXCEL_PALETTE_SIZE] = {0x92, 0x00, 0xE2, 0x00, GX_EXCEL_PALETTE_SIZE, 0x00};
        for (const auto& c : m_colorIndex)
        {
            BYTE* p = record + 6 + 4 * c.second;
            p[0] = GetRValue(c.first);
            p[1] = GetGValue(c.first);
            p[2] = GetBValue(c.first);
        }
        GXExWriteBytes(pStream, record, sizeof(record), pTotal);
        m_colorIndex.clear();
    }
    return TRUE;
}
