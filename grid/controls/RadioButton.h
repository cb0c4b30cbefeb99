// Radio buttons in a cell: one button and caption per non-empty line of the choice list; the
// value is the selected line's zero-based index. A click or Space writes it into the cell.
#pragma once
#include "grid/core/Control.h"

class CGXRadioButton : public CGXControl
{
    GX_DECLARE_CONTROL(CGXRadioButton)

  public:
    // One item laid out in a cell: the area that selects it by its button, the caption's text
    // rectangle, and where the caption is drawn from (to the right edge).
    struct Item
    {
        CString strText;
        CRect rectButtonArea, rectText, rectDraw;
    };

    explicit CGXRadioButton(CGXGridCore* pGrid, BOOL bDraw3d = FALSE);

    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandard,
                   BOOL bVert) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState) override;
    BOOL DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags) override;

    // The non-empty lines of the style's choice list.
    static void GetItems(const CGXStyle& style, CStringArray& items);
    // The selected index, -1 for an empty or missing value.
    static int GetSelection(const CGXStyle& style);
    // Line height of the selected font: at least a button's height.
    static int GetItemHeight(CDC* pDC);
    // Side by side and caption left of the button; both FALSE here.
    virtual void GetLayout(const CGXStyle& style, BOOL& bHorizontal, BOOL& bCaptionLeft);
    void LayoutItems(CDC* pDC, const CRect& rect, const CGXStyle& style, CArray<Item, const Item&>& items);
    // The index of the item under pt (button area, then caption, item by item), -1 for none.
    int HitTestItem(CDC* pDC, const CRect& rect, const CGXStyle& style, CPoint pt);
    void DrawButton(CDC* pDC, const CRect& rectButtonArea, BOOL bSelected);

    int m_nItemCount = 0;
    BOOL m_bDraw3d;

  protected:
    // The style Draw reads (the Ex variant holds one while active).
    virtual const CGXStyle& GetDrawStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    // Makes nIndex the cell's selection (a click or Space); FALSE when the cell refuses.
    virtual BOOL SelectItem(int nIndex, BOOL bClick);
};
