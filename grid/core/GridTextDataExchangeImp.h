// Cells as tab-separated text and text pasted into cells: the text half of the grid's
// clipboard. One per grid, owned by the grid's list of components.
#pragma once
#include "grid/core/GridComponents.h"

class CGXGridTextDataExchangeImp : public CGXAbstractGridTextDataExchangeImp
{
  public:
    BOOL CopyTextToFile(CGXGridCore* pGrid, CFile& file, const CGXRangeList& ranges) override;
    CString GetCopyTextRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol) override;
    BOOL PasteTextFromBuffer(CGXGridCore* pGrid, LPCSTR pszText, DWORD dwSize,
                             const CGXCellRange& range) override;
    BOOL PasteTextRowCol(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CString& strText, UINT flags,
                         const CGXStyle* pStyle) override;
    BOOL CalcBufferDimension(CGXGridCore* pGrid, LPCSTR pszText, DWORD dwSize, ROWCOL& nRows,
                             ROWCOL& nCols) override;

    // A cell's text as it goes into the copy: line breaks and tabs escaped (bEscape) or
    // flattened to spaces and "\t".
    static CString EncodeCellText(const CString& strText, BOOL bEscape);
    // The reverse of the escaped form: "\r", "\n" and "\t" back to CR, LF and TAB.
    static CString DecodeCellText(const CString& strText);
};

// The number of rows (or columns) in a clipboard's list of intervals [awFirst[i], awLast[i]].
ROWCOL IntervalCells(const CDWordArray& awFirst, const CDWordArray& awLast);
