#include "ExcelRkHandler.h"
#include "ExcelCellWriter.h"
#include "ExcelHandlerSupport.h"
#include "grid/core/GridCore.h"
#include <cstring>

IMPLEMENT_DYNCREATE(CGXExcelRkHandler, CGXExcelHandler)

double RkDecode(DWORD nRk)
{
    double d;
    if (nRk & 2)
        d = (double)((LONG)nRk >> 2);
    else
    {
        unsigned long long nBits = (unsigned long long)(nRk & 0xFFFFFFFCu) << 32;
        memcpy(&d, &nBits, 8);
    }
    if (nRk & 1)
        d *= 0.01;
    return d;
}

BOOL CGXExcelRkHandler::ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength)
{
    ResetRecord();
    DWORD nRk = 0;
    CGXExcelFieldDesc fields[4];
    fields[0].SetWord(&m_nRow);
    fields[1].SetWord(&m_nCol);
    fields[2].SetXF(&m_nXF);
    fields[3].SetRk(&nRk);
    ReadFieldList(pStream, fields, 4);
    m_dValue = RkDecode(nRk);
    return CGXExcelHandler::ReadRecord(pStream, target, nLength);
}

BOOL CGXExcelRkHandler::WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet)
{
    CGXExcelCellWriter writer(pStream, pTotal, nSheet);
    writer.WriteCells(GXExTargetGrid(target));
    ResetRecord();
    return TRUE;
}

void CGXExcelRkHandler::ResetRecord()
{
    m_nRow = m_nCol = m_nXF = 0;
    m_dValue = 0;
}

BOOL CGXExcelRkHandler::ApplyToGrid(CGXGridCore* pGrid, DWORD)
{
    CGXStyle* pStyle = pGrid->CreateStyle();
    GXExApplyXF(m_nXF, pStyle);
    GXExStoreNumberCell(pGrid, m_nRow, m_nCol, pStyle, m_dValue);
    return TRUE;
}
