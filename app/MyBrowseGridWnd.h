// CMyBrowseGridWnd: the profile table as a record browser: one row per profile set of the
// profile table (CIRProfilRecord), one column per field. The grid owns the table; every change
// made through it reaches the profile file at once. Lives in the parameter-set dialog.
#pragma once
#include "grid/core/BrowserWnd.h"

class CIRProfilRecord;
class CIRProfilSet;
class CParameterSetDlg;

class CMyBrowseGridWnd : public CGXBrowserWnd
{
  public:
    // Construction
    explicit CMyBrowseGridWnd(CParameterSetDlg* pOwner = NULL);
    ~CMyBrowseGridWnd() override;
    CMyBrowseGridWnd(const CMyBrowseGridWnd&) = delete;
    CMyBrowseGridWnd& operator=(const CMyBrowseGridWnd&) = delete;

    // Attributes
    CIRProfilRecord* GetProfilRecord() const
    {
        return m_pProfilRecord;
    }
    ROWCOL GetSelectedRow() const
    {
        return m_nSelectedRow;
    }

    // Column set-up: the whole column, without undo and with drawing locked, then redrawn.
    void SetSpinColumn(ROWCOL nCol, int nMin, int nMax, int nStart);
    void SetCheckColumn(ROWCOL nCol, BOOL bDefault);
    void SetComboColumn(ROWCOL nCol, LPCTSTR pszChoices, LPCTSTR pszValue);

    // Row operations
    BOOL HasSelectedRow() const
    {
        return m_nSelectedRow != 0;
    }
    BOOL CanPasteRow() const
    {
        return HasSelectedRow() && m_bCopyValid;
    }
    void CopySelectedRow();
    // One paste per copy.
    void PasteIntoSelectedRow();
    CIRProfilSet* GetCurrentSet();
    // Appends a row and copies the set into it; FALSE (and nothing pasted) when no set was
    // appended, as under protection.
    BOOL AppendSet(const CIRProfilSet& set);
    CString GetCellValueText(ROWCOL nRow, ROWCOL nCol);
    int GetCellInt(ROWCOL nRow, ROWCOL nCol);

    // Record access
    ROWCOL GetColCount() override;
    long GetRecordCount() override;
    BOOL LoadCellValue(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, const CString* pstrBuffered) override;
    void StoreCellValue(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText) override;
    BOOL StoreRecordFields(ROWCOL nRow, CString* pstrError) override;
    BOOL DeleteRecords(const CDWordArray& awFirst, const CDWordArray& awLast) override;

    // Mouse and keyboard
    BOOL OnLButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt) override;
    BOOL OnRButtonClickedRowCol(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint pt) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Implementation
  private:
    static BOOL IsProtected();
    // The set behind a grid row (1 for the first record row).
    int SetIdOfRow(ROWCOL nRow);

    enum
    {
        CopiedColumns = 15 // every field but the calibration flag
    };
    CIRProfilRecord* m_pProfilRecord;
    CParameterSetDlg* m_pOwner;
    CString m_strCopied[CopiedColumns];
    DWORD m_dwSpare;
    ROWCOL m_nSelectedRow;
    BOOL m_bCopyValid;
};
