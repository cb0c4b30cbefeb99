#include "ExcelWindow2Handler.h"
#include "ExcelHandlerSupport.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"

IMPLEMENT_DYNCREATE(CGXExcelWindow2Handler, CGXExcelHandler)

namespace
{
const WORD WINDOW2_FORMULAS = 0x01;
const WORD WINDOW2_GRIDLINES = 0x02;
const WORD WINDOW2_HEADERS = 0x04;
const WORD WINDOW2_WRITTEN = 0x10;
const WORD WINDOW2_SELECTED = 0x200;
const DWORD HEADER_COLOR = 0x40;
// The grid's display word for cells that show their formulas.
const WORD DISPLAY_FORMULAS = 2;
// The fields that every WINDOW2 holds; the rest are read when the record has them.
const int REQUIRED_FIELDS = 3;
} // namespace

BOOL CGXExcelWindow2Handler::ReadRecord(IStream* pStream, gxexpointer target, DWORD nLength)
{
    ResetRecord();
    CGXExcelFieldDesc fields[7];
    fields[0].SetWord(&m_nOptions);
    fields[1].SetWord(&m_nTopRow);
    fields[2].SetWord(&m_nLeftCol);
    fields[3].SetDWord(&m_nHeaderColor);
    fields[4].SetWord(&m_nPageBreakZoom);
    fields[5].SetWord(&m_nNormalZoom);
    fields[6].SetDWord(&m_nReserved);
    DWORD nBody = nLength >= 4 ? nLength - 4 : 0, nFields = 0, nBytes = 0;
    while (nFields < 7 && (nFields < REQUIRED_FIELDS || nBytes + fields[nFields].m_nWidth <= nBody))
        nBytes += fields[nFields++].m_nWidth;
    ReadFieldList(pStream, fields, nFields);
    return CGXExcelHandler::ReadRecord(pStream, target, nLength);
}

BOOL CGXExcelWindow2Handler::WriteRecord(IStream* pStream, gxexpointer target, DWORD* pTotal, DWORD nSheet)
{
    CGXGridCore* pGrid = GXExTargetGrid(target);
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        throw gxExcelErrNoParam;
    CGXProperties* pProps = pParam->GetProperties();
    if (pProps == NULL)
        throw gxExcelErrNoProperties;
    WORD nOptions = WINDOW2_WRITTEN;
    BOOL bLines = pProps->m_abFlags[CGXProperties::flagPrinting]
                      ? pProps->m_abPrintFlags[CGXProperties::printVertLines] ||
                            pProps->m_abPrintFlags[CGXProperties::printHorzLines]
                      : pProps->m_abFlags[CGXProperties::flagVertLines] ||
                            pProps->m_abFlags[CGXProperties::flagHorzLines];
    if (bLines)
        nOptions |= WINDOW2_GRIDLINES;
    if (!pGrid->IsColHidden(0) && !pGrid->IsRowHidden(0))
        nOptions |= WINDOW2_HEADERS;
    if (nSheet == 0)
        nOptions |= WINDOW2_SELECTED;
    CGXExRecord record(GX_EXCEL_WINDOW2);
    record.AddWord(nOptions).AddWord(0).AddWord(0).AddDWord(HEADER_COLOR).AddWord(0).AddWord(0).AddDWord(0);
    record.Write(pStream, pTotal);
    return TRUE;
}

void CGXExcelWindow2Handler::ResetRecord()
{
    m_nOptions = m_nTopRow = m_nLeftCol = m_nPageBreakZoom = m_nNormalZoom = 0;
    m_nHeaderColor = m_nReserved = 0;
}

BOOL CGXExcelWindow2Handler::ApplyToGrid(CGXGridCore* pGrid, DWORD)
{
    pGrid->SetTopRow((ROWCOL)m_nTopRow + 1, GX_INVALIDATE);
    pGrid->SetLeftCol((ROWCOL)m_nLeftCol + 1, GX_INVALIDATE);
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        return TRUE;
    pParam->m_wDisplayFlags = (m_nOptions & WINDOW2_FORMULAS) ? DISPLAY_FORMULAS : 0;
    if (CGXProperties* pProps = pParam->GetProperties())
    {
        BOOL bLines = (m_nOptions & WINDOW2_GRIDLINES) != 0;
        pProps->m_abFlags[CGXProperties::flagVertLines] = bLines;
        pProps->m_abFlags[CGXProperties::flagHorzLines] = bLines;
    }
    BOOL bHide = (m_nOptions & WINDOW2_HEADERS) == 0;
    pGrid->HideRows(0, pGrid->GetHeaderRows(), bHide, NULL, GX_INVALIDATE);
    pGrid->HideCols(0, pGrid->GetHeaderCols(), bHide, NULL, GX_INVALIDATE);
    return TRUE;
}
