#include "ExcelFormatTable.h"
#include "GridIds.h"
#include <vector>

IMPLEMENT_DYNCREATE(CGXExcelFormatTable, CGXExcelTable)

namespace
{
// The grid's reading of a built-in format index; nCode 0 leaves the style unchanged.
struct BuiltInFormat
{
    BYTE nCode;
    BYTE nPlaces; // 0xFF: no places
    BYTE bNegativeRed;
};

const BYTE NO_PLACES = 0xFF;

// clang-format off
const BuiltInFormat s_builtIn[50] = {
    {3, NO_PLACES, 0},  {3, NO_PLACES, 0},  {2, 2, 0},          {5, NO_PLACES, 0},  {5, 2, 0},          // 0-4
    {4, 2, 0},          {4, 2, 1},          {4, 2, 0},          {4, 2, 1},          {14, NO_PLACES, 0}, // 5-9
    {14, 2, 0},         {1, NO_PLACES, 0},  {24, NO_PLACES, 0}, {24, NO_PLACES, 0}, {11, NO_PLACES, 0}, // 10-14
    {8, NO_PLACES, 0},  {9, NO_PLACES, 0},  {10, NO_PLACES, 0}, {25, NO_PLACES, 0}, {26, NO_PLACES, 0}, // 15-19
    {27, NO_PLACES, 0}, {13, NO_PLACES, 0}, {18, NO_PLACES, 0}, {0, 0, 0},          {0, 0, 0},          // 20-24
    {0, 0, 0},          {0, 0, 0},          {0, 0, 0},          {0, 0, 0},          {0, 0, 0},          // 25-29
    {0, 0, 0},          {0, 0, 0},          {0, 0, 0},          {0, 0, 0},          {0, 0, 0},          // 30-34
    {0, 0, 0},          {0, 0, 0},          {5, NO_PLACES, 0},  {5, NO_PLACES, 1},  {5, 2, 0},          // 35-39
    {5, 2, 1},          {5, NO_PLACES, 0},  {4, NO_PLACES, 0},  {5, NO_PLACES, 0},  {4, NO_PLACES, 0},  // 40-44
    {26, NO_PLACES, 0}, {26, NO_PLACES, 0}, {26, NO_PLACES, 0}, {1, NO_PLACES, 0},  {3, NO_PLACES, 0},  // 45-49
};
// clang-format on

// The built-in index written for a grid format code, by whether the style has decimal places
// and a colour for negative numbers.
struct WrittenFormat
{
    BYTE nCode;
    BYTE nPlain, nPlaces, nNegative, nPlacesNegative;
};

// The general format (3) is not here: it is Excel's General (0), the index read back as 3.
const WrittenFormat s_written[] = {
    {1, 11, 11, 11, 11},  {2, 2, 2, 2, 2},      {4, 5, 5, 6, 6},      {5, 3, 4, 3, 38},
    {8, 15, 15, 15, 15},  {9, 16, 16, 16, 16},  {10, 17, 17, 17, 17}, {11, 14, 14, 14, 14},
    {13, 21, 21, 21, 21}, {14, 9, 10, 9, 10},   {18, 22, 22, 22, 22}, {24, 12, 12, 12, 12},
    {25, 18, 18, 18, 18}, {26, 19, 19, 19, 19}, {27, 20, 20, 20, 20},
};
} // namespace

BOOL CGXExcelFormatTable::ReadRecord(IStream* pStream, DWORD)
{
    formatStruct* pEntry = new formatStruct;
    try
    {
        // The index, then the low byte of the text's length and as many bytes of the text.
        CGXExcelFieldDesc head[2];
        head[0].SetWord(&pEntry->nIndex);
        head[1].SetRaw(&pEntry->nBytes, 1);
        ReadFieldList(pStream, head, 2);
        pEntry->pText = new BYTE[pEntry->nBytes + 1]();
        CGXExcelFieldDesc text;
        text.SetBuffer(pEntry->pText, pEntry->nBytes);
        ReadFieldList(pStream, &text, 1);
    }
    catch (READSEEKEXCEP* pEx)
    {
        GXExCatchReadSeek(pEx);
    }
    AddEntry(pEntry);
    return TRUE;
}

BOOL CGXExcelFormatTable::WriteRecords(IStream*, DWORD*, CGXGridParam**, DWORD)
{
    return TRUE;
}

BOOL CGXExcelFormatTable::ApplyToStyle(DWORD nIndex, CGXStyle*& pStyle)
{
    if (pStyle == NULL)
        pStyle = TakeObject();
    if (nIndex >= sizeof(s_builtIn) / sizeof(s_builtIn[0]) || s_builtIn[nIndex].nCode == 0)
        return TRUE;
    const BuiltInFormat& f = s_builtIn[nIndex];
    pStyle->SetFormat(f.nCode);
    if (f.nPlaces != NO_PLACES)
        pStyle->SetPlaces(f.nPlaces);
    if (f.bNegativeRed)
        pStyle->SetNegativeNumberColor(GetNegativeColor());
    return TRUE;
}

COLORREF CGXExcelFormatTable::GetNegativeColor()
{
    return RGB(255, 0, 0);
}

UINT CGXExcelFormatTable::GetBuiltInFormatIndex(const CGXStyle& style)
{
    if (!style.GetInclude(CGXStyle::ibFormat))
        return 0;
    BOOL bPlaces = style.GetInclude(CGXStyle::ibPlaces);
    BOOL bNegative = style.HasUserAttribute(GX_IDS_UA_NEGATIVE_COLOR);
    for (const WrittenFormat& w : s_written)
    {
        if (w.nCode != style.GetFormat())
            continue;
        if (bPlaces)
            return bNegative ? w.nPlacesNegative : w.nPlaces;
        return bNegative ? w.nNegative : w.nPlain;
    }
    return 0;
}
