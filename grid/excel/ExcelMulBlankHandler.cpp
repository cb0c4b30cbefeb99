#include "ExcelMulBlankHandler.h"
#include "ExcelHandlerSupport.h"
#include "grid/core/GridCore.h"

IMPLEMENT_DYNCREATE(CGXExcelMulBlankHandler, CGXExcelHandler)

namespace
{
// Row and first column before the XF indexes, last column after them.
const DWORD MULBLANK_FIXED = 6;
} // namespace

CGXExcelMulBlankHandler::~CGXExcelMulBlankHandler()
{
    delete[] m_pXF;
}

BOOL CGXExcelMulBlankHandler::ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength)
{
    ResetRecord();
    DWORD nBody = nLength >= 4 ? nLength - 4 : 0;
    m_nXFs = nBody > MULBLANK_FIXED ? (nBody - MULBLANK_FIXED) / 2 : 0;
    m_pXF = new WORD[m_nXFs + 1]();
    CGXExcelFieldDesc fields[4];
    fields[0].SetWord(&m_nRow);
    fields[1].SetWord(&m_nFirstCol);
    fields[2].SetBuffer(m_pXF, 2 * m_nXFs);
    fields[3].SetWord(&m_nLastCol);
    ReadFieldList(pStream, fields, 4);
    return CGXExcelHandler::ReadRecord(pStream, target, nLength);
}

void CGXExcelMulBlankHandler::ResetRecord()
{
    delete[] m_pXF;
    m_pXF = NULL;
    m_nXFs = 0;
    m_nRow = m_nFirstCol = m_nLastCol = 0;
}

BOOL CGXExcelMulBlankHandler::ApplyToGrid(CGXGridCore* pGrid, DWORD)
{
    // Never past the indexes read, whatever the column range claims.
    for (DWORD i = 0; m_nFirstCol + i <= m_nLastCol && i < m_nXFs; i++)
    {
        CGXStyle* pStyle = pGrid->CreateStyle();
        const BYTE* p = reinterpret_cast<const BYTE*>(m_pXF + i);
        GXExApplyXF((WORD)(p[0] | (p[1] << 8)), pStyle);
        GXExStoreCellStyle(pGrid, m_nRow, (WORD)(m_nFirstCol + i), pStyle);
    }
    return TRUE;
}
