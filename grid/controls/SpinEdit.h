// An edit cell with up and down arrow buttons at its right edge that step an integer value
// between optional bounds, optionally wrapping around, starting from an optional start value.
#pragma once
#include "grid/core/EditControl.h"

class CGXStylesMap;
class CGXUpArrowButton;
class CGXDownArrowButton;

class CGXSpinEdit : public CGXEditControl
{
    DECLARE_DYNAMIC(CGXSpinEdit)
    GX_DECLARE_CONTROL(CGXSpinEdit)

  public:
    CGXSpinEdit(CGXGridCore* pGrid, UINT nID);

    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // The text rectangle leaves room for the arrows.
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem = NULL,
                      const CGXStyle* pStyle = NULL) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    // Reads the spin settings from the cell before the arrows see the press.
    BOOL LButtonDown(UINT nFlags, CPoint pt, UINT nHitState) override;
    // An arrow click or repeat: steps the edited value.
    BOOL OnClickedButton(CGXChild* pChild) override;
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

    static void RegisterUserAttributes(CGXStylesMap* pStylesMap);
    // The value after one step from strText, within the bounds and the 32-bit range.
    long StepValue(const CString& strText, BOOL bUp) const;
    void ReadSettings(const CGXStyle& style);

    CGXUpArrowButton* m_pUpButton;
    CGXDownArrowButton* m_pDownButton;
    BOOL m_bWrap = FALSE;
    long m_nMinValue = 0;
    long m_nMaxValue = 0;
    BOOL m_bHasMin = FALSE;
    BOOL m_bHasMax = FALSE;
    BOOL m_bHasStart = FALSE;
    long m_nStartValue = 0;
};
