#include "ExcelDimensionHandler.h"
#include "ExcelCellWriter.h"
#include "ExcelHandlerSupport.h"
#include "grid/core/GridCore.h"

IMPLEMENT_DYNCREATE(CGXExcelDimensionHandler, CGXExcelHandler)

namespace
{
// Room the grid gets beyond the used range, and its largest size.
const DWORD SPARE_ROWS = 100;
const DWORD SPARE_COLS = 10;
const DWORD MAX_GRID_ROWS = 65535;
const DWORD MAX_GRID_COLS = 257;

DWORD AtMost(ULONGLONG n, DWORD nMax)
{
    return n < nMax ? (DWORD)n : nMax;
}
} // namespace

BOOL CGXExcelDimensionHandler::ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength)
{
    CGXExcelFieldDesc fields[5];
    fields[0].SetDWord(&m_nFirstRow);
    fields[1].SetDWord(&m_nRowEnd);
    fields[2].SetWord(&m_nFirstCol);
    fields[3].SetWord(&m_nColEnd);
    fields[4].SetWord(&m_nReserved);
    ReadFieldList(pStream, fields, 5);
    return CGXExcelHandler::ReadRecord(pStream, target, nLength);
}

BOOL CGXExcelDimensionHandler::WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD)
{
    CGXGridCore* pGrid = GXExTargetGrid(target);
    // A clipboard copy makes the grid exactly as large as what it copies: the counts are true
    // there too.
    DWORD nRows = pGrid->GetRowCount(), nCols = pGrid->GetColCount();
    // A workbook holds no more: readers refuse larger used ranges.
    CGXExRecord record(GX_EXCEL_DIMENSIONS);
    record.AddDWord(0).AddDWord(AtMost(nRows, GX_EXCEL_MAX_ROWS));
    record.AddWord(0).AddWord((WORD)AtMost(nCols, GX_EXCEL_MAX_COLS)).AddWord(0);
    record.Write(pStream, pTotal);
    return TRUE;
}

void CGXExcelDimensionHandler::ResetRecord()
{
    if (GXExGetClipboardMode() == 1)
        return;
    m_nFirstRow = m_nRowEnd = 0;
    m_nFirstCol = m_nColEnd = m_nReserved = 0;
}

BOOL CGXExcelDimensionHandler::ApplyToGrid(CGXGridCore* pGrid, DWORD)
{
    pGrid->SetRowCount(AtMost((ULONGLONG)m_nRowEnd + SPARE_ROWS, MAX_GRID_ROWS), GX_INVALIDATE);
    pGrid->SetColCount(AtMost((ULONGLONG)m_nColEnd + SPARE_COLS, MAX_GRID_COLS), GX_INVALIDATE);
    return TRUE;
}
