#include "ExcelColInfoHandler.h"
#include "ExcelCellWriter.h"
#include "ExcelHandlerSupport.h"
#include "ExcelXFTable.h"
#include "grid/core/GridCore.h"

IMPLEMENT_DYNCREATE(CGXExcelColInfoHandler, CGXExcelHandler)

namespace
{
const WORD COL_HIDDEN = 1;
const int WIDTH_UNITS = 256; // per character
} // namespace

BOOL CGXExcelColInfoHandler::ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength)
{
    ResetRecord();
    CGXExcelFieldDesc fields[6];
    fields[0].SetWord(&m_nFirstCol);
    fields[1].SetWord(&m_nLastCol);
    fields[2].SetWord(&m_nWidth);
    fields[3].SetXF(&m_nXF);
    fields[4].SetWord(&m_nOptions);
    fields[5].SetBuffer(NULL, 1, TRUE); // reserved
    ReadFieldList(pStream, fields, 6);
    return CGXExcelHandler::ReadRecord(pStream, target, nLength);
}

BOOL CGXExcelColInfoHandler::WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet)
{
    CGXGridCore* pGrid = GXExTargetGrid(target);
    CGXExcelXFTable* pXFTable = GXExGetXFTable();
    if (pXFTable == NULL)
        throw gxExcelErrNoTable;
    CGXXFArray* pXFs = pXFTable->GetXFArray(nSheet);
    ROWCOL nCols = pGrid->GetColCount();
    if (nCols > GX_EXCEL_MAX_COLS)
        nCols = GX_EXCEL_MAX_COLS;
    int nDefault = pGrid->GetDefaultColWidth();
    int nCharWidth = pGrid->GetCharWidth();
    CGXExRecord record(GX_EXCEL_COLINFO);
    for (ROWCOL nCol = 1; nCol <= nCols; nCol++)
    {
        WORD nXF = pXFs != NULL ? (WORD)pXFs->LookupXF(0, nCol) : 0;
        int nPixels = pGrid->GetColWidth(nCol);
        if (nXF == 0 && nPixels == nDefault)
            continue;
        WORD nWidth = nCharWidth > 0 ? (WORD)(nPixels * WIDTH_UNITS / nCharWidth) : 0;
        record.Reset(GX_EXCEL_COLINFO);
        record.AddWord((WORD)(nCol - 1)).AddWord((WORD)(nCol - 1)).AddWord(nWidth).AddWord(nXF);
        record.AddWord(pGrid->IsColHidden(nCol) ? COL_HIDDEN : 0).AddByte(0);
        record.Write(pStream, pTotal);
    }
    return TRUE;
}

void CGXExcelColInfoHandler::ResetRecord()
{
    m_nFirstCol = m_nLastCol = m_nWidth = m_nXF = m_nOptions = 0;
}

BOOL CGXExcelColInfoHandler::ApplyToGrid(CGXGridCore* pGrid, DWORD)
{
    ROWCOL nFirst = (ROWCOL)m_nFirstCol + 1, nLast = (ROWCOL)m_nLastCol + 1;
    if (nLast < nFirst)
        return TRUE;
    CGXStyle* pStyle = pGrid->CreateStyle();
    GXExApplyXF(m_nXF, pStyle);
    pGrid->SetStyleRange(CGXCellRange().SetCols(nFirst, nLast), pStyle, gxOverride, -1, NULL, GX_INVALIDATE);
    pGrid->SetColWidth(nFirst, nLast, ::MulDiv(m_nWidth, pGrid->GetCharWidth(), WIDTH_UNITS), NULL,
                       GX_INVALIDATE);
    pStyle->Free();
    if (m_nOptions & COL_HIDDEN)
        pGrid->HideCols(nFirst, nLast, TRUE, NULL, GX_INVALIDATE);
    pGrid->RecycleStyle(pStyle);
    return TRUE;
}
