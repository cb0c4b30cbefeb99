#include "ExcelMulRkHandler.h"
#include "ExcelHandlerSupport.h"
#include "ExcelRkHandler.h"
#include "grid/core/GridCore.h"

IMPLEMENT_DYNCREATE(CGXExcelMulRkHandler, CGXExcelHandler)

namespace
{
const DWORD MULRK_ENTRY = 6;
// Row and first column before the entries, last column after them.
const DWORD MULRK_FIXED = 6;
} // namespace

CGXExcelMulRkHandler::~CGXExcelMulRkHandler()
{
    delete[] m_pEntries;
}

BOOL CGXExcelMulRkHandler::ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength)
{
    ResetRecord();
    DWORD nBody = nLength >= 4 ? nLength - 4 : 0;
    m_nEntries = nBody > MULRK_FIXED ? (nBody - MULRK_FIXED) / MULRK_ENTRY : 0;
    m_pEntries = new BYTE[m_nEntries * MULRK_ENTRY + 1]();
    CGXExcelFieldDesc fields[4];
    fields[0].SetWord(&m_nRow);
    fields[1].SetWord(&m_nFirstCol);
    fields[2].SetBuffer(m_pEntries, m_nEntries * MULRK_ENTRY);
    fields[3].SetWord(&m_nLastCol);
    ReadFieldList(pStream, fields, 4);
    return CGXExcelHandler::ReadRecord(pStream, target, nLength);
}

void CGXExcelMulRkHandler::ResetRecord()
{
    delete[] m_pEntries;
    m_pEntries = NULL;
    m_nEntries = 0;
    m_nRow = m_nFirstCol = m_nLastCol = 0;
}

BOOL CGXExcelMulRkHandler::ApplyToGrid(CGXGridCore* pGrid, DWORD)
{
    // Never past the entries read, whatever the column range claims.
    for (DWORD i = 0; m_nFirstCol + i <= m_nLastCol && i < m_nEntries; i++)
    {
        CGXStyle* pStyle = pGrid->CreateStyle();
        const BYTE* p = m_pEntries + i * MULRK_ENTRY;
        WORD nXF = (WORD)(p[0] | (p[1] << 8));
        DWORD nRk = (DWORD)p[2] | ((DWORD)p[3] << 8) | ((DWORD)p[4] << 16) | ((DWORD)p[5] << 24);
        GXExApplyXF(nXF, pStyle);
        GXExStoreNumberCell(pGrid, m_nRow, (WORD)(m_nFirstCol + i), pStyle, RkDecode(nRk));
    }
    return TRUE;
}
