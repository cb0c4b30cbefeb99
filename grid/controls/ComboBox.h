// The combo cell: the in-cell edit with a drop button at the cell's right edge and a drop-down
// list of the cell's choices in a pop-up on the desktop. A mode word decides whether the cell
// takes free text or only a choice, and whether it stores the choice or its index.
#pragma once
#include "grid/core/EditControl.h"
#include <vector>

class CGXComboBoxButton;
class CGXGridCombo;
class CListBox;

class CGXComboBox : public CGXEditControl
{
    DECLARE_DYNAMIC(CGXComboBox)
    GX_DECLARE_CONTROL(CGXComboBox)

  public:
    // Width the drop button takes from the text.
    enum
    {
        buttonWidth = 15
    };

    // Mode bits.
    enum
    {
        ComboChoiceOnly = 1, // only choices; stored as spelled in the list
        ComboFreeText = 2,   // any text (none of the other bits)
        ComboIndexZero = 4,  // stores the choice's zero-based index
        ComboIndexOne = 8,   // stores the choice's one-based index
        ComboShowChoice = 16 // with an index bit: shows the choice text, stores the index
    };

    CGXComboBox(CGXGridCore* pGrid, UINT nID, UINT nMode);
    ~CGXComboBox() override;

    // The drop-down window.
    virtual CGXGridCombo* CreateDropDownWindow(CWnd* pParent, const CRect& rect);
    virtual CListBox* CreateListBox(CGXGridCombo* pPopup, UINT nID);
    virtual void ShowDropDown(BOOL bShow);
    virtual BOOL IsDroppedDown();
    virtual void TakeListSelection(CListBox* pListBox);
    virtual void FillListBox(CListBox* pListBox);
    virtual CRect GetDropDownRect(const CRect& rectCell);
    virtual void DestroyDropDownWindow(CGXGridCombo* pPopup);

    // Cell-control operations.
    void SetActive(BOOL bActive) override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    void Reset() override;
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem = NULL,
                      const CGXStyle* pStyle = NULL) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandard,
                   BOOL bVert) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL GetValue(CString& strResult) override;
    BOOL FormatValueText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                         const CGXStyle& style) override;
    // A shown or pasted text turned into the value the cell stores.
    BOOL PrepareStoreText(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    BOOL PreGridMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL HandleChar(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL SysKeyDown(UINT nMessage, UINT nChar, UINT nFlags) override;
    void ReplaceSel(LPCTSTR pszText) override;
    BOOL OnClickedButton(CGXChild* pChild) override;
    void OnGridScroll(UINT nMessage, UINT nSBCode, UINT nPos) override;
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
    BOOL ValidateText(const CString& strText) override;

    // The lines of a choice list, in order.
    static std::vector<CString> ChoiceLines(const CString& strChoices);
    // The widest of a choice list's lines in the device context's font.
    static int WidestChoice(CDC* pDC, const CString& strChoices);
    // The height of a line of the style's font on the grid window (0 without the window).
    static int StyleTextHeight(CGXControl* pControl, const CGXStyle& style);

    // The value for a text as this mode stores it.
    CString TextToValue(const CString& strText, const CGXStyle& style);

    BOOL m_bFillWithChoiceList = TRUE;
    BOOL m_bButtonCurrentCellOnly = FALSE;
    BOOL m_bButtonEverywhere = FALSE; // also makes the button show outside the current cell
    UINT m_nMode;
    DWORD m_dwListBoxStyle = 0; // 0: WS_VSCROLL | LBS_NOTIFY
    BOOL m_bStaticDisplay = FALSE;
    BOOL m_bButtonHeightFromText = TRUE;
    CGXComboBoxButton* m_pButton;
    UINT m_nListBoxID;
    CGXGridCombo* m_pDropDownWnd = NULL;
    CFont* m_pListFont = NULL;
    int m_nTextHeight = 0;
    int m_nButtonMargin = 1;

  protected:
    afx_msg LRESULT OnListAccept(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListCancel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListSelChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListFocusLost(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()
    // The list of the open drop-down window, none while it is closed.
    CListBox* DropDownList() const;

  private:
    // Caches the height of a line of the style's font.
    void MeasureTextHeight(const CGXStyle& style);
    // Activates the cell and opens its list (Alt+Down in the edit or in the grid).
    BOOL DropByKey();
};
