#include "ExcelCellWriter.h"
#include "ExcelFormulaTokens.h"
#include "ExcelText.h"
#include "ExcelXFTable.h"
#include "grid/core/Data.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/formula/CellStore.h"
#include "grid/formula/FormulaSheet.h"
#include <cstdlib>

namespace
{
const WORD RECORD_BLANK = 0x201;
const WORD RECORD_LABEL = 0x204;
const WORD RECORD_NUMBER = 0x203;
const BYTE LABEL_WIDE = 1;

// UTF-16 characters of an ANSI text (bytes are an upper bound for them).
DWORD WideLength(const CString& strText)
{
    if ((DWORD)strText.GetLength() <= GX_EXCEL_MAX_TEXT)
        return (DWORD)strText.GetLength();
    return (DWORD)GXExAnsiToWide(strText).size();
}

BOOL TextTooLong(const CGXStyle* pStyle)
{
    return pStyle != NULL && pStyle->GetInclude(CGXStyle::ibValue) && pStyle->GetValueType() == GX_VT_TEXT &&
           WideLength(pStyle->GetValue()) > GX_EXCEL_MAX_TEXT;
}

[[noreturn]] void Refuse()
{
    throw gxExcelErrBadTarget;
}
} // namespace

CGXExcelCellWriter::CGXExcelCellWriter(IStream* pStream, DWORD* pTotal, DWORD nSheet)
    : m_pStream(pStream), m_pTotal(pTotal), m_nSheet(nSheet), m_record(RECORD_BLANK)
{
}

void CGXExcelCellWriter::CheckLimits(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid != NULL ? pGrid->GetParam() : NULL;
    CGXData* pData = pParam != NULL ? pParam->GetData() : NULL;
    if (pData == NULL)
        return;
    if (CGXFormulaSheet* pSheet = pGrid->GetFormulaSheet())
    {
        int nSheet = pSheet->GetEngineSheet();
        GX_RANGE extent;
        if (!GXGetUsedExtent(nSheet, &extent))
            return;
        if (extent.Bottom() > GX_EXCEL_MAX_ROWS || extent.Right() + 1 > GX_EXCEL_MAX_COLS)
            Refuse();
        for (DWORD r = extent.Row1(); r <= extent.Bottom(); r++)
            for (DWORD c = extent.Col1(); c <= extent.Right(); c++)
            {
                GX_CELL* pCell = GXFindCellRecord(nSheet, r, c);
                if (pCell != NULL && pCell->Content() == GX_CONTENT_TEXT &&
                    WideLength(GXCellText(pCell)) > GX_EXCEL_MAX_TEXT)
                    Refuse();
            }
        return;
    }
    CGXStylePtrArrayPtrArray& rows = pData->m_apapCellStyle;
    for (INT_PTR r = 1; r < rows.GetSize(); r++)
    {
        CGXStylePtrArray* pRow = rows.GetRow(r);
        if (pRow == NULL)
            continue;
        for (INT_PTR c = 1; c < pRow->GetSize(); c++)
        {
            CGXStyle* pStyle = pRow->GetStyle(c);
            if (pStyle == NULL)
                continue;
            if ((DWORD)r > GX_EXCEL_MAX_ROWS || (DWORD)c > GX_EXCEL_MAX_COLS || TextTooLong(pStyle))
                Refuse();
        }
    }
}

WORD CGXExcelCellWriter::LookupXF(ROWCOL nRow, ROWCOL nCol) const
{
    return m_pXFs != NULL ? (WORD)m_pXFs->LookupXF(nRow, nCol) : 0;
}

void CGXExcelCellWriter::WriteCells(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == NULL)
        throw gxExcelErrNoParam;
    CGXData* pData = pParam->GetData();
    if (pData == NULL)
        throw gxExcelErrNoData;
    CGXExcelXFTable* pXFTable = GXExGetXFTable();
    if (pXFTable == NULL)
        throw gxExcelErrNoTable;
    CheckLimits(pGrid);
    m_pXFs = pXFTable->GetXFArray(m_nSheet);

    CGXFormulaSheet* pSheet = pGrid->GetFormulaSheet();
    if (pSheet == NULL)
    {
        CGXStylePtrArrayPtrArray& rows = pData->m_apapCellStyle;
        for (INT_PTR r = 1; r < rows.GetSize(); r++)
        {
            CGXStylePtrArray* pRow = rows.GetRow(r);
            for (INT_PTR c = 1; pRow != NULL && c < pRow->GetSize(); c++)
                if (CGXStyle* pStyle = pRow->GetStyle(c))
                    WriteStyleCell((ROWCOL)r, (ROWCOL)c, *pStyle);
        }
        return;
    }
    int nSheet = pSheet->GetEngineSheet();
    GX_RANGE extent;
    if (!GXGetUsedExtent(nSheet, &extent))
        return;
    CGXStyle style;
    for (DWORD r = 1; r <= extent.Bottom(); r++)
        for (DWORD c = 0; c <= extent.Right(); c++)
        {
            GX_CELL* pCell = GXFindCellRecord(nSheet, r, c);
            if (pCell == NULL)
                continue;
            if (pCell->pFormula != NULL)
            {
                WriteFormulaCell(pGrid, nSheet, pCell, r, c + 1);
                continue;
            }
            style.Free();
            pGrid->GetStyleRowCol(r, c + 1, style, gxCopy, 0);
            WriteStyleCell(r, c + 1, style,
                           pCell->ValueKind() == GX_CELLVALUE_NUMBER ? &pCell->dValue : NULL);
        }
}

void CGXExcelCellWriter::WriteFormulaCell(CGXGridCore* pGrid, int nEngineSheet, GX_CELL* pCell, ROWCOL nRow,
                                          ROWCOL nCol)
{
    std::vector<BYTE> records;
    if (GXBuildFormulaRecords(nEngineSheet, pCell, (WORD)(nRow - 1), (WORD)(nCol - 1), LookupXF(nRow, nCol),
                              records))
    {
        GXExWriteBytes(m_pStream, records.data(), (ULONG)records.size(), m_pTotal);
        return;
    }
    // What the tokens cannot say is written as the cell's value (computed by the fetch).
    CGXStyle style;
    pGrid->GetStyleRowCol(nRow, nCol, style, gxCopy, 0);
    WriteStyleCell(nRow, nCol, style, pCell->ValueKind() == GX_CELLVALUE_NUMBER ? &pCell->dValue : NULL);
}

void CGXExcelCellWriter::WriteStyleCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                        const double* pNumber)
{
    WORD nXF = LookupXF(nRow, nCol);
    BOOL bValue = style.GetInclude(CGXStyle::ibValue);
    UINT nType = style.GetValueType();
    if (bValue && nType == GX_VT_NUMBER)
    {
        m_record.Reset(RECORD_NUMBER);
        m_record.AddWord((WORD)(nRow - 1)).AddWord((WORD)(nCol - 1)).AddWord(nXF);
        m_record.AddDouble(pNumber != NULL ? *pNumber : atof(style.GetValue()));
        m_record.Write(m_pStream, m_pTotal);
        return;
    }
    if (bValue && nType == GX_VT_TEXT && !style.GetValue().IsEmpty())
    {
        std::vector<WORD> text = GXExAnsiToWide(style.GetValue());
        m_record.Reset(RECORD_LABEL);
        m_record.AddWord((WORD)(nRow - 1)).AddWord((WORD)(nCol - 1)).AddWord(nXF);
        m_record.AddWord((WORD)text.size()).AddByte(LABEL_WIDE);
        for (WORD ch : text)
            m_record.AddWord(ch);
        m_record.Write(m_pStream, m_pTotal);
        return;
    }
    if (bValue && nType != GX_VT_TEXT)
        return;
    m_record.Reset(RECORD_BLANK);
    m_record.AddWord((WORD)(nRow - 1)).AddWord((WORD)(nCol - 1)).AddWord(nXF);
    m_record.Write(m_pStream, m_pTotal);
}
