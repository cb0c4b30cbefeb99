// The combo cell built on a real combo box window ("GXCOMBOBOX"): laid over the current cell
// while it is edited, with the system's own drop-down list. An editable combo (CBS_DROPDOWN) or a
// list-only one (CBS_DROPDOWNLIST); the value is the text or, with an index bias, the index.
#pragma once
#include "grid/core/Static.h"
#include "mfc/ComboBox.h"
#include "mfc/Edit.h"

class CGXComboBoxWndButton;

// The combo's edit child, subclassed so that its focus loss and keys reach the cell.
class CGXComboEditPart : public CEdit
{
  protected:
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};

class CGXComboBoxWnd : public CComboBox, public CGXStatic
{
    DECLARE_DYNAMIC(CGXComboBoxWnd)
    GX_DECLARE_CONTROL(CGXComboBoxWnd)

  public:
    // The window is made with dwStyle and nID on the first binding to a cell.
    CGXComboBoxWnd(CGXGridCore* pGrid, DWORD dwStyle, UINT nID);
    ~CGXComboBoxWnd() override;

    using CComboBox::IsKindOf;
    using CGXControl::IsKindOf;

    // Window side.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL CreateWindows(DWORD dwStyle, UINT nID);
    virtual void GetComboWindowRect(CRect& rectOut, const CRect& rect);
    // TRUE when the key went to the grid (or closed the list) instead of the combo.
    virtual BOOL FilterComboKey(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OpenPendingDrop();
    // Puts the style's choice lines into the combo's list.
    virtual void FillComboList(CGXStyle& style);
    // The width of the widest choice the cell can show, in the font selected into pDC.
    virtual int WidestChoice(CDC* pDC, const CGXStyle& style);

    // Cell-control side.
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
    BOOL GetValue(CString& strResult) override;
    void SetValue(LPCTSTR pszRawValue) override;
    BOOL FormatValueText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                         const CGXStyle& style) override;
    BOOL StoreTextInCell(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags,
                         const CGXStyle* pStyle = NULL) override;
    BOOL PrepareStoreText(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint pt) override;
    BOOL KeyDown(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL HandleChar(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL HandleText(LPCTSTR pszText) override;
    BOOL SysKeyDown(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL FindText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol, BOOL bAtCaret,
                  BOOL bSelect) override;
    void ReplaceSel(LPCTSTR pszText) override;
    BOOL ReplaceText(const CGXFindReplaceSettings& find, ROWCOL nRow, ROWCOL nCol) override;
    BOOL GetSelectedText(CString& strResult) override;
    BOOL OnClickedButton(CGXChild* pChild) override;
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
    BOOL ValidateText(const CString& strText) override;
    HBRUSH OnGridCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;

    BOOL IsDropDownList()
    {
        return (m_dwCreateStyle & 3) == CBS_DROPDOWNLIST;
    }

    int m_nButtonMargin;
    BOOL m_bFillWithChoiceList = TRUE;
    BOOL m_bWantArrowKeys = FALSE;
    BOOL m_bButtonHeightFromText = FALSE;
    int m_nIndexValue = -1; // -1: the value is the text; 0 or 1: the index bias
    BOOL m_bDispChoice = FALSE;
    BOOL m_bDropDownOnClick = TRUE;
    BOOL m_bButtonEverywhere = FALSE;
    BOOL m_bButtonCurrentCellOnly = TRUE;
    BOOL m_bMarginInHeight = FALSE;
    BOOL m_bNotOwnerDrawn = TRUE;
    CGXComboEditPart m_editPart;
    CGXComboBoxWndButton* m_pButton;
    BOOL m_bFrame = TRUE;
    CFont m_font;
    COLORREF m_rgbBack = RGB(255, 255, 255);
    CBrush m_brBack;
    COLORREF m_rgbHighlightText;
    int m_nEditStart = 0, m_nEditEnd = 0;
    BOOL m_bPendingDrop = FALSE;
    CString m_strSaved;
    int m_nSavedSel = CB_ERR;
    int m_nTextHeight = 0;
    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
    DWORD m_dwCreateStyle;
    UINT m_nID;

  protected:
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    BOOL HasWindow() const
    {
        return m_hWnd != NULL && ::IsWindow(m_hWnd);
    }
    BOOL Activate();
    // Opens the list as a click would (posted clicks with the new shell, else on the next focus).
    void DropAsClicked(CPoint pt);
    // The point on the drop button a click is posted to, in the combo's coordinates.
    CPoint ButtonClickPoint();
    // Whether the combo window lies over this cell (it is drawn there, not painted by the cell).
    BOOL LiesOverCell(ROWCOL nRow, ROWCOL nCol);
    // The size for the text: a line of the style's font, or the widest choice, with the borders.
    CSize CalcTextSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandard,
                       BOOL bVert);
    // Whether pWnd is the combo, its edit or its dropped list.
    BOOL IsComboPart(CWnd* pWnd);
    // The cell's rectangle for the text: as high as the button when that follows the text.
    CRect TextRect(ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGXStyle& style);

  private:
    void MeasureTextHeight(const CGXStyle& style);
    // Gives rectPart the height of the text plus the margins, placed in rect by the alignment.
    void FitToTextHeight(CRect& rectPart, const CRect& rect, const CGXStyle& style);
    // An inactive owner-drawn cell: the stored entry painted by DrawItem.
    void DrawOwnerDrawnCell(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                            const CGXStyle* pStandardStyle);
    // Cuts the combo window to the part of the grid that shows cells.
    void ClipToGrid();
};
