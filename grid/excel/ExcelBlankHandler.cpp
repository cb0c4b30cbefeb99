#include "ExcelBlankHandler.h"
#include "ExcelHandlerSupport.h"
#include "grid/core/GridCore.h"

IMPLEMENT_DYNCREATE(CGXExcelBlankHandler, CGXExcelHandler)

BOOL CGXExcelBlankHandler::ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength)
{
    ResetRecord();
    CGXExcelFieldDesc fields[3];
    fields[0].SetWord(&m_nRow);
    fields[1].SetWord(&m_nCol);
    fields[2].SetXF(&m_nXF);
    ReadFieldList(pStream, fields, 3);
    return CGXExcelHandler::ReadRecord(pStream, target, nLength);
}

void CGXExcelBlankHandler::ResetRecord()
{
    m_nRow = m_nCol = m_nXF = 0;
}

BOOL CGXExcelBlankHandler::ApplyToGrid(CGXGridCore* pGrid, DWORD)
{
    CGXStyle* pStyle = pGrid->CreateStyle();
    GXExApplyXF(m_nXF, pStyle);
    GXExStoreCellStyle(pGrid, m_nRow, m_nCol, pStyle);
    return TRUE;
}
