// The multi-column combo cell on a real combo box window: the combo's list holds the records of
// tab-separated fields, its edit shows the text field, the cell stores the key field.
#pragma once
#include "grid/controls/ComboBoxWnd.h"
#include "grid/controls/TabbedComboBox.h"

// The combo's edit: shows only the first field of a line set into it and completes typed text
// to the first entry it begins.
class CGXTabbedCBEditWnd : public CGXComboEditPart
{
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

    // The line of the style's choice list whose key field (bByKey) or text field equals strValue
    // (or, not bExact, begins with it).
    static BOOL FindLine(const CGXStyle& style, const CString& strValue, BOOL bByKey, BOOL bExact,
                         CString& strLine);

    BOOL m_bAutoComplete = TRUE;
    CGXTabbedChoiceSettings m_settings;
    CGXTabbedCBEditWnd m_tabbedEdit;
};
