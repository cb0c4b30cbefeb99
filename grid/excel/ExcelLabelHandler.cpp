#include "ExcelLabelHandler.h"
#include "ExcelHandlerSupport.h"
#include "ExcelText.h"
#include "grid/core/GridCore.h"

IMPLEMENT_DYNCREATE(CGXExcelLabelHandler, CGXExcelHandler)

CGXExcelLabelHandler::~CGXExcelLabelHandler()
{
    delete[] m_pText;
}

BOOL CGXExcelLabelHandler::ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength)
{
    ResetRecord();
    CGXExcelFieldDesc head[5];
    head[0].SetWord(&m_nRow);
    head[1].SetWord(&m_nCol);
    head[2].SetXF(&m_nXF);
    head[3].SetWord(&m_nChars);
    head[4].SetRaw(&m_nOption, 1);
    ReadFieldList(pStream, head, 5);
    m_pText = new WORD[m_nChars + 1]();
    CGXExcelFieldDesc text;
    text.SetText(m_pText, m_nChars, (m_nOption & 1) != 0);
    ReadFieldList(pStream, &text, 1);
    return CGXExcelHandler::ReadRecord(pStream, target, nLength);
}

void CGXExcelLabelHandler::ResetRecord()
{
    delete[] m_pText;
    m_pText = NULL;
    m_nRow = m_nCol = m_nXF = m_nChars = 0;
    m_nOption = 0;
}

BOOL CGXExcelLabelHandler::ApplyToGrid(CGXGridCore* pGrid, DWORD)
{
    CGXStyle* pStyle = pGrid->CreateStyle();
    GXExApplyXF(m_nXF, pStyle);
    CString strText;
    if (m_nChars > 0 && GXExWideToAnsi(m_pText, m_nChars, strText))
        pStyle->SetValue(strText);
    GXExStoreCellStyle(pGrid, m_nRow, m_nCol, pStyle);
    return TRUE;
}
