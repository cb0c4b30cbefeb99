// The record a grid sends to the other views of its document so that they repeat a change
// (built on the sender's stack, read by each receiving view's update-hint component).
#pragma once
#include "grid/core/CellRange.h"

// Hint ids.
enum
{
    gxHintTransferCurrentCell = 24, // store (nParam TRUE) or drop the current cell's edits; nValue answers
    gxHintChangeCurrentCell = 27    // the current cell moved to (row1, col1)
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
    DWORD m_dwParam1 = 0, m_dwParam2 = 0;
    ROWCOL m_nRow1 = 0, m_nRow2 = 0, m_nRow3 = 0;
    ROWCOL m_nCol1 = 0, m_nCol2 = 0, m_nCol3 = 0;
    UINT m_nParam = 0;
    UINT m_nValue = 0;
    void* m_pValue = NULL;
    UINT m_nFlags = 0;
    UINT m_nViewId; // the sending grid's id; (UINT)-1 addresses every grid
};
