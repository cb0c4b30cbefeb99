// The record a grid sends to the other views of its document so that they repeat a change
// (built on the sender's stack, read by each receiving view's update-hint component).
#pragma once
#include "grid/core/CellRange.h"

// Hint ids: what the receiving view repeats.
enum
{
    gxHintRedraw = 1,
    gxHintRedrawRange = 2,
    gxHintChangedRowCount = 3,
    gxHintChangedColCount = 4,
    gxHintChangedRowHeights = 5,
    gxHintChangedColWidths = 6,
    gxHintInsertCols = 7,
    gxHintInsertRows = 8,
    gxHintRemoveCols = 9,
    gxHintRemoveRows = 10,
    gxHintMoveCols = 11,
    gxHintMoveRows = 12,
    gxHintChangedSelection = 13,
    gxHintAllSelected = 14,
    gxHintFrozenRows = 15,
    gxHintFrozenCols = 16,
    gxHintStyleRange = 17,
    gxHintCoveredRange = 18,
    gxHintZoomChanged = 19,
    gxHintStoreZoom = 20,
    gxHintRefreshCurrentCell = 21,
    gxHintWindowText = 22,
    gxHintSelectRange = 23,
    gxHintTransferCurrentCell = 24, // store (nParam TRUE) or drop the current cell's edits; nValue answers
    gxHintSplitterTopRow = 25,
    gxHintSplitterLeftCol = 26,
    gxHintChangeCurrentCell = 27, // the current cell moved to (row1, col1)
    gxHintFloatedSpan = 28,
    gxHintMergedSpan = 29,
    gxHintExcelFrame = 30,
    gxHintSortRows = 31,
    gxHintSortCols = 32,
    gxHintProperties = 33,
    gxHintStylesMap = 34,
    gxHintBaseStyle = 35,
    gxHintRecalc = 36
};

class CGXGridHint : public CObject
{
    DECLARE_DYNAMIC(CGXGridHint)

  public:
    // Construction
    CGXGridHint(UINT id, UINT nViewId = (UINT)-1);

    // Attributes
    UINT m_id;
    CGXCellRange m_range;
    DWORD_PTR m_dwParam1 = 0, m_dwParam2 = 0; // wide enough for the style pointer of hint 17
    ROWCOL m_nRow1 = 0, m_nRow2 = 0, m_nRow3 = 0;
    ROWCOL m_nCol1 = 0, m_nCol2 = 0, m_nCol3 = 0;
    UINT m_nParam = 0;
    UINT m_nValue = 0;
    void* m_pValue = NULL;
    UINT m_nFlags = 0;
    UINT m_nViewId; // the sending grid's id; (UINT)-1 addresses every grid
};
