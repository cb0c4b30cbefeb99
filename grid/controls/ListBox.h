// A cell showing the lines of its choice list; the value is the selected line's text. The
// current cell, once activated, lies under a list-box window of class "GXLISTBOX"; every other
// cell draws the list itself with the line equal to its value inverted.
#pragma once
#include "grid/core/Control.h"
#include "mfc/ListBox.h"

class CGXListBox : public CListBox, public CGXControl
{
    DECLARE_DYNAMIC(CGXListBox)
    GX_DECLARE_CONTROL(CGXListBox)

  public:
    CGXListBox(CGXGridCore* pGrid, UINT nID);
    ~CGXListBox() override;

    using CGXControl::IsKindOf;
    using CListBox::IsKindOf;

    CRuntimeClass* GetWndRuntimeClass() override;
    CWnd* GetWndPtr() const override;
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem = NULL,
                      const CGXStyle* pStyle = NULL) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandard,
                   BOOL bVert) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL GetCurrentText(CString& strResult) override;
    void SetCurrentText(const CString& str) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint pt) override;
    BOOL DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags) override;
    // LBN_SELCHANGE from the window: the user chose a line.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    virtual void FillListBox();
    virtual BOOL CreateListBox();

    UINT m_nWindowId;
    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
    CFont m_font;
    COLORREF m_rgbHighlightText;
    COLORREF m_rgbBack = RGB(255, 255, 255);

  protected:
    // Activates for a click and replays it to the window so that it selects the line clicked.
    void ActivateByClick(CPoint pt);
    void DrawActive(CDC* pDC, const CRect& rect, const CGXStyle& style);
    void DrawStatic(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                    const CGXStyle* pStandardStyle);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

  private:
    BOOL HasWindow() const
    {
        return m_hWnd != NULL && ::IsWindow(m_hWnd);
    }
};
