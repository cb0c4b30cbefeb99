// The in-cell text editor: an edit window of class "GXEDIT" that the control lays over the
// current cell while the cell is edited, and static text whenever it is not. One window per
// control object, created on first use as a child of the grid window and destroyed with the
// control. Owned, like every control, by the grid's control map.
#pragma once
#include "grid/core/Static.h"
#include "Edit.h"

struct CGXFindReplaceSettings;

class CGXEditControl : public CEdit, public CGXStatic
{
    DECLARE_DYNAMIC(CGXEditControl)
    GX_DECLARE_CONTROL(CGXEditControl)

  public:
    // Construction
    CGXEditControl(CGXGridCore* pGrid, UINT nID);
    ~CGXEditControl() override;

    // Both bases have an IsKindOf: the window's by run-time class, the control's by class record.
    using CEdit::IsKindOf;
    using CGXControl::IsKindOf;

    // Overridables: the cell-control side
    CRuntimeClass* GetWndRuntimeClass() override;
    CWnd* GetWndPtr() const override;
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    BOOL EndEditing() override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL GetCurrentText(CString& strResult) override;
    // From the value text alone: a source needs text, a cell floated over none.
    BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, BOOL bFloatOrFlood) override;
    void NotifyEditingCanceled() override;
    void NotifyModified() override;
    void SetCurrentText(const CString& str) override;
    BOOL GetValue(CString& strResult) override;
    void SetValue(LPCTSTR pszRawValue) override;
    BOOL StoreTextInCell(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags,
                         const CGXStyle* pStyle = NULL) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint pt) override;
    BOOL KeyDown(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL HandleChar(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL HandleText(LPCTSTR pszText) override;
    BOOL Copy() override;
    BOOL Paste() override;
    BOOL Cut() override;
    BOOL FindText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol, BOOL bAtCaret,
                  BOOL bSelect) override;
    void ReplaceSel(LPCTSTR pszText) override;
    BOOL ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol) override;
    BOOL GetSelectedText(CString& strResult) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL ValidatePaste(const CString& strPaste) override;

    // Overridables: the window side
    virtual BOOL FormatNumberText(CString& strText, const CGXStyle& style, double* pValue = NULL);
    virtual BOOL LocalizeDecimalText(CString& strText, const CGXStyle& style);
    virtual BOOL IsNumericFormat(const CGXStyle& style);
    virtual BOOL CheckTypedChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL CreateEditWindow(DWORD dwStyle, const CRect& rect);
    virtual DWORD CalcEditStyle(CRect& rect, const CGXStyle& style);

    // Operations
    // Re-lays the active window over its cell, keeping selection and first visible line.
    void UpdateEditWindow();
    // The character position of the cell text under a point of the grid window.
    int CalcTextPosUnderPt(CPoint pt);
    // The text the window would hold with the selection replaced by strInsert.
    CString GetTextWithSelReplaced(const CString& strInsert);
    // The replacement of every occurrence of the find text from nStart on (no length limit).
    static BOOL ReplaceAll(const CString& strText, int nStart, const CGXFindReplaceSettings& find,
                           CString& strResult);
    // Set while an input-method composition runs (one flag for the whole library).
    static BOOL s_bComposing;

    // Implementation
    BOOL m_bAutoSize = FALSE;
    BOOL m_bForceVScroll = FALSE;
    DWORD m_dwReserved2 = 0;
    UINT m_nID;
    BOOL m_bActive = FALSE;
    CFont m_font;
    COLORREF m_rgbHighlightText;
    DWORD m_dwReserved3 = 0;
    int m_nHorzAlign = 0; // 0 left, 1 centre, 2 right
    int m_nLayoutFlags = 0, m_nLineHeight = 0, m_nCharWidth = 0;
    DWORD m_dwReserved4 = 0;
    BOOL m_bAllowEnter = FALSE;
    BOOL m_bWrapText = FALSE;
    int m_nRightToLeft = 0;
    DWORD m_dwReserved5 = 0;
    CString m_strPending;
    BOOL m_bInserting = FALSE;
    BOOL m_bWasActivated = FALSE; // the style was reloaded at the first activation
    BOOL m_bLayingOut = FALSE;

  protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg LRESULT OnImeStartComposition(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnImeEndComposition(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

  private:
    BOOL HasWindow() const
    {
        return m_hWnd != NULL && ::IsWindow(m_hWnd);
    }
    // The edit window's style for the cell's style (what must be fixed at creation).
    void ApplyStyle(const CGXStyle& style);
    void ActivateAndPlaceCaret(BOOL bEnd);
    // With auto-size: makes the row (wrapped text) or the column as large as the typed text.
    void GrowCellToText();
    BOOL IsCaretAtEdge(BOOL bStart);
    // The floats around the cell follow the text being typed (or the stored one after a cancel).
    void ReevaluateFloats();
};
