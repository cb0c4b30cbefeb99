// An edit cell with a hot-spot button in its top right corner; a click on the button reaches
// the grid's clicked-button hook.
#pragma once
#include "grid/core/EditControl.h"

class CGXHotSpotButton;

class CGXHotSpotEdit : public CGXEditControl
{
    DECLARE_DYNAMIC(CGXHotSpotEdit)
    GX_DECLARE_CONTROL(CGXHotSpotEdit)

  public:
    CGXHotSpotEdit(CGXGridCore* pGrid, UINT nID);

    void Init(ROWCOL nRow, ROWCOL nCol) override;
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem = NULL,
                      const CGXStyle* pStyle = NULL) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

    CGXHotSpotButton* m_pButton;
};
