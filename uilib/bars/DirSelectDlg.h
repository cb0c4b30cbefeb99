// SECDirSelectDlg: chooses a directory, either through the old-style file dialog cut down to its
// directory part (template 2000) or through the shell's folder browser.
#pragma once
#include "afxdlgs.h"

class SECDirSelectDlg : public CFileDialog
{
    DECLARE_DYNAMIC(SECDirSelectDlg)

  public:
    // The old-style dialog's template.
    static constexpr UINT kTemplateID = 2000;
    // The selector style bit of the old-style dialog.
    static constexpr WORD kOldStyle = 0x0001;

    // Construction. dwFlags 0 takes the template flags.
    SECDirSelectDlg(WORD wStyle, LPCTSTR lpszTitle, LPCTSTR lpszInitialDir, CWnd* pParent, DWORD dwFlags = 0);

    // Operations
    INT_PTR DoModal() override;
    // The chosen directory, with a trailing "\".
    void GetPath(CString& strPath) const;

    // Overridables
    virtual BOOL BrowseForFolder(CString& strPath);

  protected:
    // Implementation
    BOOL OnInitDialog() override;

    CWnd* m_pParent;
    WORD m_wStyle;
    CString m_strTitle;
    CString m_strInitialDir;
};
