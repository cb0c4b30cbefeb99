// The tip object of static and edit-like cells: whether a cell's text (or bitmap) does not fit,
// and the layout of the tip window that shows it whole. Owned by its control.
#pragma once
#include "grid/core/Control.h"

class CGXCellTipWnd;

class CGXCellTipStatic : public CGXCellTipBase
{
  public:
    // Need flags: 1 wider, 2 taller than the visible text area; 4/8 the tip leaves the grid
    // window horizontally/vertically; 16/32 it leaves the screen.
    enum
    {
        needWidth = 1,
        needHeight = 2,
        leavesGridX = 4,
        leavesGridY = 8,
        leavesScreenX = 16,
        leavesScreenY = 32
    };

    explicit CGXCellTipStatic(CGXControl* pControl) : m_pControl(pControl)
    {
    }

    // CGXCellTipBase
    BOOL NeedShowTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override
    {
        return NeedsTip(nRow, nCol, style) != 0;
    }
    int GetTipKind(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    void ShowTip(ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style) override;

    // Overridables
    virtual UINT NeedsTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    virtual void InitTipWindow(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CGXCellTipWnd* pTipWnd);

    // Measuring and placement (screen coordinates)
    CString GetCellTipText(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    CRect CalcCellTipOrigin(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    CRect CalcCellTipTextRect(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    CSize CalcCellTipTextSize(const CString& strText, const CGXStyle& style);
    CRect CalcTextCellTipRect(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CString& strText);
    UINT IsCellTipNeeded(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CString& strText);
    UINT CalcBitmapCellTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CString& strText);

    CGXControl* m_pControl;

  private:
    // Flags 4 to 32 for a tip rectangle.
    UINT PlacementFlags(const CRect& rectTip);
};
