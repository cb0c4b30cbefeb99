// CGXExcelCellWriter: writes the cells of one grid as BLANK, LABEL, NUMBER and FORMULA (with
// STRING) records, each with the XF the XF table gave the cell, and checks beforehand that the
// grid fits the workbook's limits.
#pragma once
#include "ExcelHandlerSupport.h"

class CGXGridCore;
class CGXXFArray;
struct GX_CELL;

// Workbook limits: rows, columns and characters of one text.
const DWORD GX_EXCEL_MAX_ROWS = 65536;
const DWORD GX_EXCEL_MAX_COLS = 256;
const DWORD GX_EXCEL_MAX_TEXT = 32763;

class CGXExcelCellWriter
{
  public:
    // Construction: records go to the stream, their bytes are added to *pTotal; nSheet selects
    // the sheet's XF numbers.
    CGXExcelCellWriter(IStream* pStream, DWORD* pTotal, DWORD nSheet);
    CGXExcelCellWriter(const CGXExcelCellWriter&) = delete;
    CGXExcelCellWriter& operator=(const CGXExcelCellWriter&) = delete;

    // Operations
    // Raises 15 when a stored cell lies past row 65,536 or column 256 or holds a text of more
    // than 32,763 characters; the workbook writer asks before it touches the file.
    static void CheckLimits(CGXGridCore* pGrid);
    // Raises 11 (no parameter object), 8 (no data object), 7 (no XF table) before writing
    // anything, 9 when a write fails.
    void WriteCells(CGXGridCore* pGrid);

  private:
    // pNumber: the exact number of a formula-sheet cell (its value text is rounded).
    void WriteStyleCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const double* pNumber = NULL);
    void WriteFormulaCell(CGXGridCore* pGrid, int nEngineSheet, GX_CELL* pCell, ROWCOL nRow, ROWCOL nCol);
    WORD LookupXF(ROWCOL nRow, ROWCOL nCol) const;

    IStream* m_pStream;
    DWORD* m_pTotal;
    DWORD m_nSheet;
    CGXXFArray* m_pXFs = NULL;
    CGXExRecord m_record;
};
