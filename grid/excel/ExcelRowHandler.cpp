#include "ExcelRowHandler.h"
#include "ExcelCellWriter.h"
#include "ExcelHandlerSupport.h"
#include "ExcelXFTable.h"
#include "grid/core/FontFaceTable.h"
#include "grid/core/GridCore.h"

IMPLEMENT_DYNCREATE(CGXExcelRowHandler, CGXExcelHandler)

namespace
{
const WORD ROW_OWN_XF = 0x80;
const WORD ROW_XF_WRITTEN = 0x180; // own XF, and the flag that comes with it
const WORD ROW_HEIGHT_SET = 0x40;
const WORD ROW_ZERO_HEIGHT = 0x20;
const WORD ROW_XF_MASK = 0xFFF;
const int TWIPS_PER_INCH = 1440;

int PixelsPerInch()
{
    return GXGetFontFaceTable()->GetVertResolution();
}
} // namespace

BOOL CGXExcelRowHandler::ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength)
{
    ResetRecord();
    CGXExcelFieldDesc fields[7];
    fields[0].SetWord(&m_nRow);
    fields[1].SetWord(&m_nFirstCol);
    fields[2].SetWord(&m_nColEnd);
    fields[3].SetWord(&m_nHeight);
    fields[4].SetBuffer(NULL, 4, TRUE); // two reserved words
    fields[5].SetWord(&m_nOptions);
    fields[6].SetWord(&m_nXF);
    ReadFieldList(pStream, fields, 7);
    return CGXExcelHandler::ReadRecord(pStream, target, nLength);
}

BOOL CGXExcelRowHandler::WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet)
{
    CGXGridCore* pGrid = GXExTargetGrid(target);
    CGXExcelXFTable* pXFTable = GXExGetXFTable();
    CGXXFArray* pXFs = pXFTable != NULL ? pXFTable->GetXFArray(nSheet) : NULL;
    ROWCOL nRows = pGrid->GetRowCount();
    if (nRows > GX_EXCEL_MAX_ROWS)
        nRows = GX_EXCEL_MAX_ROWS;
    int nDefault = pGrid->GetDefaultRowHeight();
    CGXExRecord record(GX_EXCEL_ROW);
    for (ROWCOL nRow = 1; nRow <= nRows; nRow++)
    {
        WORD nXF = pXFs != NULL ? (WORD)pXFs->LookupXF(nRow, 0) : 0;
        int nPixels = pGrid->GetRowHeight(nRow);
        if (nXF == 0 && nPixels == nDefault)
            continue;
        WORD nOptions = nXF != 0 ? ROW_XF_WRITTEN : 0;
        WORD nTwips = 0;
        if (nPixels != 0)
        {
            nOptions |= ROW_HEIGHT_SET;
            nTwips = (WORD)(nPixels * TWIPS_PER_INCH / PixelsPerInch());
        }
        else
            nOptions |= ROW_ZERO_HEIGHT;
        record.Reset(GX_EXCEL_ROW);
        record.AddWord((WORD)(nRow - 1)).AddWord(0).AddWord(1).AddWord(nTwips).AddWord(0).AddWord(0);
        record.AddWord(nOptions).AddWord(nXF);
        record.Write(pStream, pTotal);
    }
    return TRUE;
}

void CGXExcelRowHandler::ResetRecord()
{
    m_nRow = m_nFirstCol = m_nColEnd = m_nHeight = m_nOptions = m_nXF = 0;
}

BOOL CGXExcelRowHandler::ApplyToGrid(CGXGridCore* pGrid, DWORD)
{
    ROWCOL nRow = (ROWCOL)m_nRow + 1;
    pGrid->SetRowHeight(nRow, nRow, ::MulDiv(m_nHeight, PixelsPerInch(), TWIPS_PER_INCH), NULL,
                        GX_INVALIDATE);
    if (m_nOptions & ROW_OWN_XF)
    {
        CGXStyle* pStyle = pGrid->CreateStyle();
        GXExApplyXF(m_nXF & ROW_XF_MASK, pStyle);
        pGrid->SetStyleRange(CGXCellRange().SetRows(nRow, nRow), pStyle, gxOverride, 0, NULL, GX_INVALIDATE);
        pGrid->RecycleStyle(pStyle);
    }
    return TRUE;
}
