// A whole cell as a push button captioned with the cell's choice-list text; a click reaches the
// grid's clicked-button hook with the cell's row and column. The value is never touched.
#pragma once
#include "grid/core/Control.h"

class CGXButton;

class CGXPushbutton : public CGXControl
{
    GX_DECLARE_CONTROL(CGXPushbutton)

  public:
    explicit CGXPushbutton(CGXGridCore* pGrid);

    void Init(ROWCOL nRow, ROWCOL nCol) override;
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandard,
                   BOOL bVert) override;
    // No current-cell marker on a button.
    void DrawBackground(CDC* pDC, const CRect& rect) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

    CGXButton* m_pButton;
};
