#include "ExcelHandlerSupport.h"
#include "ExMapHolder.h"
#include "ExcelXFTable.h"
#include "grid/core/GridCore.h"
#include <cstring>

CGXExcelXFTable* GXExGetXFTable()
{
    return dynamic_cast<CGXExcelXFTable*>(GXExFindTable(0xE0));
}

void GXExApplyXF(WORD nXF, CGXStyle* pStyle)
{
    if (CGXExcelXFTable* pTable = GXExGetXFTable())
        pTable->ApplyToStyle(nXF, pStyle);
}

void GXExSetCellStyle(CGXGridCore* pGrid, WORD nRow, WORD nCol, const CGXStyle& style)
{
    // Invalidated only: the reader has the grid painted once the workbook is read.
    pGrid->SetStyleRange(CGXCellRange((ROWCOL)nRow + 1, (ROWCOL)nCol + 1), &style, gxOverride, 0, NULL,
                         GX_INVALIDATE, gxDo);
}

CGXGridCore* GXExTargetGrid(const CGXExcelHandler::gxexpointer& target)
{
    if (target.m_nKind != 1)
        throw gxExcelErrBadTarget;
    if (target.m_pTarget == NULL)
        throw gxExcelErrNoGrid;
    return static_cast<CGXGridCore*>(target.m_pTarget);
}

CGXExRecord& CGXExRecord::AddDouble(double d)
{
    BYTE b[8];
    memcpy(b, &d, 8);
    return AddBytes(b, 8);
}

void CGXExRecord::Write(IStream* pStream, DWORD* pTotal)
{
    size_t nBody = GetBodyLength();
    m_bytes[2] = (BYTE)nBody;
    m_bytes[3] = (BYTE)(nBody >> 8);
    GXExWriteBytes(pStream, m_bytes.data(), (ULONG)m_bytes.size(), pTotal);
}
