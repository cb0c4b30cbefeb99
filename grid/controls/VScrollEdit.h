// An edit cell whose window always shows a vertical scroll bar.
#pragma once
#include "grid/core/EditControl.h"

class CGXVScrollEdit : public CGXEditControl
{
    DECLARE_DYNAMIC(CGXVScrollEdit)
    GX_DECLARE_CONTROL(CGXVScrollEdit)

  public:
    CGXVScrollEdit(CGXGridCore* pGrid, UINT nID);

    // With a style given, the text leaves room for the scroll bar.
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem = NULL,
                      const CGXStyle* pStyle = NULL) override;
    DWORD CalcEditStyle(CRect& rect, const CGXStyle& style) override;
};
