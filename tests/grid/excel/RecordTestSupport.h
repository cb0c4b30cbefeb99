// What the record handler tests share: a grid window to read into, and a small reader that
// hands each record of a byte stream to its handler or table as the workbook reader does.
#pragma once
#include "TableTestSupport.h"
#include "grid/core/GridWnd.h"
#include "tests/grid/GridTestWindow.h"

// Reads the records into the grid; answers how many raised READSEEKEXCEP. After each record
// the stream is set to the next one, whatever the handler consumed.
int ReadIntoGrid(CGXGridCore* pGrid, const Bytes& bytes);

// A shown grid of 20 rows and 10 columns; with bFormulas its data object is a formula sheet.
struct RecordGrid : GridWindowOf<CGXGridWnd>
{
    explicit RecordGrid(BOOL bFormulas = FALSE);
    CGXGridCore& g;
    // The stored style of a cell.
    CGXStyle StyleAt(ROWCOL nRow, ROWCOL nCol);
    // The stored value text, "<none>" without a value.
    CString ValueAt(ROWCOL nRow, ROWCOL nCol);
};

// Empties tables and handlers before and after each test; READSEEKEXCEP limits reset.
struct RecordTest : TableTest
{
    void SetUp() override;
    void TearDown() override;
};

// Cell XF records whose only attribute is a number format (index nFormat).
Bytes FormatXF(WORD nFormat);
