#include "ExcelHandlerSupport.h"
#include "ExMapHolder.h"
#include "ExcelXFTable.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/Data.h"
#include "grid/formula/FormulaSheet.h"
#include <cmath>
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

namespace
{
// The text of d when it is a decimal of at most 15 digits with up to six places, which is what
// workbooks mostly hold: the digits of d * 10^places, checked by dividing back (a correctly
// rounded division, as reading the text is). It is the text "%.15g" gives such a number, without
// the runtime's formatting and reading calls. FALSE for anything else.
BOOL ShortDecimalText(double d, char* psz)
{
    static const double kScales[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    const double kLimit = 1e15; // 15 digits
    if (!(d > -kLimit && d < kLimit) || (d == 0 && std::signbit(d)))
        return FALSE;
    for (int nPlaces = 0; nPlaces < (int)(sizeof(kScales) / sizeof(kScales[0])); nPlaces++)
    {
        double dScaled = d * kScales[nPlaces];
        if (!(dScaled > -kLimit && dScaled < kLimit))
            return FALSE;
        // Any integer near the scaled value will do: the division checks it.
        dScaled = (double)(long long)(dScaled < 0 ? dScaled - 0.5 : dScaled + 0.5);
        if (dScaled / kScales[nPlaces] != d)
            continue;
        if (d != 0 && std::fabs(d) < 1e-4)
            return FALSE; // "%g" writes an exponent there
        unsigned long long n = (unsigned long long)std::fabs(dScaled);
        char digits[24];
        int nDigits = 0;
        do
            digits[nDigits++] = (char)('0' + n % 10);
        while ((n /= 10) != 0);
        while (nDigits <= nPlaces)
            digits[nDigits++] = '0';
        char* p = psz;
        if (dScaled < 0)
            *p++ = '-';
        for (int i = nDigits; i-- > 0;)
        {
            *p++ = digits[i];
            if (i == nPlaces && i > 0)
                *p++ = '.';
        }
        *p = 0;
        return TRUE;
    }
    return FALSE;
}
} // namespace

void GXExSetNumberValue(CGXStyle* pStyle, double d)
{
    char sz[40];
    if (ShortDecimalText(d, sz))
    {
        pStyle->SetValue(sz);
        pStyle->SetValueType(GX_VT_NUMBER);
        return;
    }
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

void GXExStoreNumberCell(CGXGridCore* pGrid, WORD nRow, WORD nCol, CGXStyle* pStyle, double d)
{
    // A formula sheet keeps the double itself: the text would only be read back into it.
    CGXFormulaSheet* pSheet = pGrid->GetFormulaSheet();
    if (pSheet == NULL)
    {
        GXExSetNumberValue(pStyle, d);
        GXExStoreCellStyle(pGrid, nRow, nCol, pStyle);
        return;
    }
    const ROWCOL r = (ROWCOL)nRow + 1, c = (ROWCOL)nCol + 1;
    if (pSheet->SetNumberRowCol(r, c, d) && !pStyle->IsEmpty())
        pSheet->AdoptStyleRowCol(r, c, pStyle, kStoreAsGiven);
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
