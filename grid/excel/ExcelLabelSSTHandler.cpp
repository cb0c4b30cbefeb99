#include "ExcelLabelSSTHandler.h"
#include "ExMapHolder.h"
#include "ExcelHandlerSupport.h"
#include "ExcelSSTTable.h"
#include "grid/core/GridCore.h"

IMPLEMENT_DYNCREATE(CGXExcelLabelSSTHandler, CGXExcelHandler)

BOOL CGXExcelLabelSSTHandler::ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength)
{
    ResetRecord();
    CGXExcelFieldDesc fields[4];
    fields[0].SetWord(&m_nRow);
    fields[1].SetWord(&m_nCol);
    fields[2].SetXF(&m_nXF);
    fields[3].SetDWord(&m_nString);
    ReadFieldList(pStream, fields, 4);
    return CGXExcelHandler::ReadRecord(pStream, target, nLength);
}

void CGXExcelLabelSSTHandler::ResetRecord()
{
    m_nRow = m_nCol = m_nXF = 0;
    m_nString = 0;
}

BOOL CGXExcelLabelSSTHandler::ApplyToGrid(CGXGridCore* pGrid, DWORD)
{
    CGXStyle* pStyle = pGrid->CreateStyle();
    // The string first, then the XF; an index past the strings leaves the cell without text.
    if (CGXExcelSSTTable* pStrings = dynamic_cast<CGXExcelSSTTable*>(GXExFindTable(GX_EXCEL_SST)))
        pStrings->ApplyToStyle(m_nString, pStyle);
    GXExApplyXF(m_nXF, pStyle);
    GXExStoreCellStyle(pGrid, m_nRow, m_nCol, pStyle);
    return TRUE;
}
