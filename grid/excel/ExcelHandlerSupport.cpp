#include "ExcelHandlerSupport.h"
#include "ExMapHolder.h"
#include "ExcelXFTable.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/Data.h"
#include <cstring>
#include <stdio.h>
#include <stdlib.h>

namespace
{
// Style type of the store: neither a header (-1), nor the grid's default (0), nor typed input (1).
const int kStoreAsGiven = 2;
} // namespace

CGXExcelXFTable* GXExGetXFTable()
{
    return dynamic_cast<CGXExcelXFTable*>(GXExFindTable(0xE0));
}

void GXExApplyXF(WORD nXF, CGXStyle* pStyle)
{
    if (CGXExcelXFTable* pTable = GXExGetXFTable())
        pTable->ApplyToStyle(nXF, pStyle);
}

void GXExSetNumberValue(CGXStyle* pStyle, double d)
{
    char sz[40];
    for (int nDigits = 15; nDigits <= 17; nDigits++)
    {
        _snprintf(sz, sizeof(sz) - 1, "%.*g", nDigits, d);
        sz[sizeof(sz) - 1] = 0;
        if (strtod(sz, NULL) == d)
            break;
    }
    pStyle->SetValue(sz);
    pStyle->SetValueType(GX_VT_NUMBER);
}

void GXExStoreCellStyle(CGXGridCore* pGrid, WORD nRow, WORD nCol, CGXStyle* pStyle)
{
    // Straight into the data object: reading records no undo, draws nothing until the workbook
    // is read (the reader then drops the grid's cached styles and has it painted) and composes
    // no cell style for a control to convert. The record says whether a value is a text or a
    // number: stored as it is, not parsed as typed input, so that a text such as "0042" stays a
    // text. The style built for the cell is given over, not copied.
    CGXGridParam* pParam = pGrid->GetParam();
    if (CGXData* pData = pParam != NULL ? pParam->GetData() : NULL)
        pData->AdoptStyleRowCol((ROWCOL)nRow + 1, (ROWCOL)nCol + 1, pStyle, kStoreAsGiven);
    else
        pGrid->RecycleStyle(pStyle);
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
