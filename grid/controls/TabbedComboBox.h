// A combo cell whose choices are records of tab-separated fields: the list shows them as
// columns under an optional title strip, the cell shows one field (the text column) and stores
// another (the key column). Cells of one choice-list id share lookup tables in the grid's
// parameter object.
#pragma once
#include "grid/controls/ComboBox.h"
#include "grid/controls/TabbedLBoxHeader.h"

class CGXStylesMap;

// The multi-column settings a cell style carries in its user attributes.
struct CGXTabbedChoiceSettings
{
    int nKeyCol = 0;
    int nTextCol = 0;
    BOOL bShowAllCols = TRUE;
    BOOL bShowHeaders = TRUE;
    CString strColWidths;
    int nSortCol = -1;
    int nChoiceId = 0;

    void Read(const CGXStyle& style);
    // Whether the style names a choice list or any of the settings.
    static BOOL Touches(const CGXStyle& style);
};

// The list lines, the title line and the column layout of a choice list.
struct CGXTabbedLayout
{
    std::vector<CString> items;
    CString strTitles;
    int anColWidths[10];      // -1: column absent
    std::vector<int> anEdges; // right edges of the columns but the last
    int nTotalWidth = 0;      // with the vertical scroll bar
    int nItemHeight = 0;      // text height, raised to the highest bitmap

    // The header shows these titles at these edges.
    void ApplyTo(CGXTabbedHeaderSettings& header, const CGXTabbedChoiceSettings& s) const;
};

class CGXTabbedComboBox : public CGXComboBox
{
    DECLARE_DYNAMIC(CGXTabbedComboBox)
    GX_DECLARE_CONTROL(CGXTabbedComboBox)

  public:
    enum
    {
        maxColumns = 10
    };

    CGXTabbedComboBox(CGXGridCore* pGrid, UINT nID);
    ~CGXTabbedComboBox() override;

    static void RegisterUserAttributes(CGXStylesMap* pStylesMap);
    // The field n of a line (at most 127 characters).
    static CString Field(const CString& strLine, int nField);

    // The whole line whose key field (bByKey) or text field equals strValue, from the shared
    // tables of the style's choice-list id or the choice list itself.
    BOOL FindChoiceLine(const CGXStyle& style, const CString& strValue, BOOL bByKey, CString& strLine);
    // The same search in a choice list itself (sorted first when the settings name a sort column).
    static BOOL FindInChoiceList(const CGXTabbedChoiceSettings& s, CString strChoices,
                                 const CString& strValue, BOOL bByKey, BOOL bExact, CString& strLine);
    // The list line of a choice line: with a text column above 0, that field and a tab go first.
    static CString ListItem(const CGXTabbedChoiceSettings& s, const CString& strLine);
    // Sorts the choice list by the sort column once: the style then carries it sorted and "-1".
    static void SortOnce(CGXStyle& style, CGXTabbedChoiceSettings& s, CString& strChoices);
    // Measures the lines in the font selected into pDC and lays out the columns.
    static void LayoutChoices(CDC* pDC, const CGXTabbedChoiceSettings& s, const CString& strChoices,
                              CGXTabbedLayout& layout);

    // The combo cell's operations.
    CGXGridCombo* CreateDropDownWindow(CWnd* pParent, const CRect& rect) override;
    CListBox* CreateListBox(CGXGridCombo* pPopup, UINT nID) override;
    void FillListBox(CListBox* pListBox) override;
    CRect GetDropDownRect(const CRect& rectCell) override;
    void ShowDropDown(BOOL bShow) override;
    void TakeListSelection(CListBox* pListBox) override;
    void DestroyDropDownWindow(CGXGridCombo* pPopup) override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, int mode, int nType,
                    const CGXStyle* pOldStyle) override;
    void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
              const CGXStyle* pStandardStyle) override;
    BOOL GetValue(CString& strResult) override;
    void SetValue(LPCTSTR pszRawValue) override;
    void SetCurrentText(const CString& str) override;
    BOOL HandleText(LPCTSTR pszText) override;
    BOOL FormatValueText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue,
                         const CGXStyle& style) override;
    BOOL PrepareStoreText(CString& strText, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    BOOL ValidateText(const CString& strText) override;
    // A text that equals a text field, or the full field of the first one it begins; FALSE when
    // no field fits.
    BOOL CompleteText(CString& strText);
    BOOL Validate() override;
    BOOL DispatchKeyMessage(UINT message, WPARAM wParam, LPARAM lParam, UINT flags) override;

    // Completes the edit text to the first text field it begins, the rest selected.
    virtual void AutoComplete();

    BOOL m_bAutoComplete = TRUE;
    COLORREF m_rgbHeaderBack = RGB(192, 192, 192);
    CGXTabbedLBoxHeader* m_pHeader;
    CGXTabbedHeaderSettings m_header;
    CGXTabbedChoiceSettings m_settings;
    int m_anColWidths[maxColumns];
    int m_nTotalWidth = 0;
    int m_nItemHeight = 10;
    BOOL m_bListFilled = FALSE;
    int m_nFilledChoiceId = 0;
    int m_nFilledGeneration = -1;
    CSize m_sizeFilledFont = CSize(0, 0); // the cell font's average width and height at the filling

  protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

  private:
    // The pop-up and its list: made at the first opening, hidden between openings.
    CGXGridCombo* m_pKeptPopup = NULL;
    // The header strip's height for its title line (0 without titles).
    int HeaderHeight();
    void PlaceHeader();
    // Selects the list line of the edit text (none when no line begins with it).
    void SelectEditText(CListBox* pListBox, const CString& strText);
};
