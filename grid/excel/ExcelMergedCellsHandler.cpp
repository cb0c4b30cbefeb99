#include "ExcelMergedCellsHandler.h"
#include "ExcelCellWriter.h"
#include "ExcelHandlerSupport.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"

IMPLEMENT_DYNCREATE(CGXExcelMergedCellsHandler, CGXExcelHandler)

CGXExcelMergedCellsHandler::~CGXExcelMergedCellsHandler()
{
    delete[] m_pRanges;
}

BOOL CGXExcelMergedCellsHandler::ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength)
{
    ResetRecord();
    CGXExcelFieldDesc count;
    count.SetWord(&m_nRanges);
    ReadFieldList(pStream, &count, 1);
    if (m_nRanges == 0)
        return TRUE;
    m_pRanges = new WORD[4 * (DWORD)m_nRanges];
    CGXExcelFieldDesc ranges;
    ranges.SetBuffer(m_pRanges, 8 * (DWORD)m_nRanges);
    ReadFieldList(pStream, &ranges, 1);
    return CGXExcelHandler::ReadRecord(pStream, target, nLength);
}

BOOL CGXExcelMergedCellsHandler::WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD)
{
    CGXGridCore* pGrid = GXExTargetGrid(target);
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        throw gxExcelErrNoParam;
    // Ranges reaching past the workbook's limits are cut to them.
    std::vector<CGXCellRange> ranges;
    for (POSITION pos = pParam->m_CoveredCellsList.GetHeadPosition(); pos != NULL;)
    {
        CGXCellRange r = *pParam->m_CoveredCellsList.GetNext(pos);
        if (r.top < 1 || r.left < 1 || r.top > GX_EXCEL_MAX_ROWS || r.left > GX_EXCEL_MAX_COLS)
            continue;
        r.bottom = r.bottom > GX_EXCEL_MAX_ROWS ? GX_EXCEL_MAX_ROWS : r.bottom;
        r.right = r.right > GX_EXCEL_MAX_COLS ? GX_EXCEL_MAX_COLS : r.right;
        ranges.push_back(r);
    }
    CGXExRecord record(GX_EXCEL_MERGEDCELLS);
    for (size_t nStart = 0; nStart < ranges.size(); nStart += MAX_RANGES)
    {
        size_t nCount = ranges.size() - nStart < MAX_RANGES ? ranges.size() - nStart : MAX_RANGES;
        record.Reset(GX_EXCEL_MERGEDCELLS);
        record.AddWord((WORD)nCount);
        for (size_t i = nStart; i < nStart + nCount; i++)
        {
            const CGXCellRange& r = ranges[i];
            record.AddWord((WORD)(r.top - 1)).AddWord((WORD)(r.bottom - 1));
            record.AddWord((WORD)(r.left - 1)).AddWord((WORD)(r.right - 1));
        }
        record.Write(pStream, pTotal);
    }
    return TRUE;
}

void CGXExcelMergedCellsHandler::ResetRecord()
{
    delete[] m_pRanges;
    m_pRanges = NULL;
    m_nRanges = 0;
}

BOOL CGXExcelMergedCellsHandler::ApplyToGrid(CGXGridCore* pGrid, DWORD)
{
    for (WORD i = 0; i < m_nRanges; i++)
    {
        const WORD* p = m_pRanges + 4 * i;
        pGrid->SetCoveredCellsRowCol((ROWCOL)p[0] + 1, (ROWCOL)p[2] + 1, (ROWCOL)p[1] + 1, (ROWCOL)p[3] + 1,
                                     GX_INVALIDATE);
    }
    return TRUE;
}
