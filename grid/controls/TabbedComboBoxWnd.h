// The multi-column combo cell on a real combo box window: the combo's owner-drawn list holds the
// records of tab-separated fields, shown in columns under a title strip; its edit shows the text
// field, the cell stores the key field.
#pragma once
#include "grid/controls/ComboBoxWnd.h"
#include "grid/controls/TabbedComboBox.h"

// The combo's edit: shows only the first field of a line set into it and completes typed text
// to the first entry it begins.
class CGXTabbedComboBoxWnd;

class CGXTabbedCBEditWnd : public CGXComboEditPart
{
  public:
    // Completes the edit's text to field 0 of the first entry it begins, the rest selected;
    // FALSE when it begins none.
    BOOL CompleteTyped(CGXTabbedComboBoxWnd* pCombo);

  protected:
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};

class CGXTabbedComboBoxWnd : public CGXComboBoxWnd
{
    DECLARE_DYNAMIC(CGXTabbedComboBoxWnd)
    GX_DECLARE_CONTROL(CGXTabbedComboBoxWnd)

  public:
    CGXTabbedComboBoxWnd(CGXGridCore* pGrid, DWORD dwStyle, UINT nID);
    ~CGXTabbedComboBoxWnd() override;

    BOOL CreateWindows(DWORD dwStyle, UINT nID) override;
    void FillComboList(CGXStyle& style) override;
    BOOL GetCurrentText(CString& strResult) override;
    BOOL GetValue(CString& strResult) override;
    void SetValue(LPCTSTR pszRawValue) override;
    BOOL FormatValueText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                         const CGXStyle& style) override;
    BOOL PrepareStoreText(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    BOOL ValidateText(const CString& strText) override;
    BOOL Validate() override;
    BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                    const CGXStyle* pOldStyle) override;
    BOOL FilterComboKey(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL HandleText(LPCTSTR pszText) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void Hide() override;
    // Places the system's dropped list, widened to the columns, under its title strip.
    HBRUSH OnGridCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;
    BOOL OnClickedButton(CGXChild* pChild) override;
    BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandard,
                   BOOL bVert) override;
    int WidestChoice(CDC* pDC, const CGXStyle& style) override;

    // The line of the style's choice list whose key field (bByKey) or text field equals strValue
    // (or, not bExact, begins with it).
    static BOOL FindLine(const CGXStyle& style, const CString& strValue, BOOL bByKey, BOOL bExact,
                         CString& strLine);

    BOOL m_bAutoComplete = TRUE;
    CGXTabbedChoiceSettings m_settings;
    CGXTabbedCBEditWnd m_tabbedEdit;
    CGXTabbedLBoxHeader* m_pHeader;
    CGXTabbedHeaderSettings m_header;
    int m_nTotalWidth = 0;  // the columns and the list's scroll bar
    int m_nItemHeight = 0;  // of the list's lines
    int m_nLinesHeight = 0; // the text and the highest bitmap of the lines, when filled
    COLORREF m_rgbText;
    CRect m_rectLastList; // where the dropped list was placed

  private:
    void PlaceList(CWnd* pList);
    void HideHeader();
    // Set while the dropped list is being placed: moving it makes it ask for its colours again.
    static BOOL s_bPlacingList;
};
