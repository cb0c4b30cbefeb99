// CFileDialog: the system's Explorer-style Open and Save As dialog. The object is attached to
// the dialog's child (the custom template when one is given, else an empty one of the system);
// GetParent() is the system dialog. File notifications reach the overridables below.
//
// Differences from MFC:
// - Explorer style only; no Vista-style dialog, no customisation interfaces.
#pragma once
#include "CommonDialog.h"
#include "String.h"

class CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)

  public:
    // Construction
    // lpszFilter: pairs "text|pattern|" ending with "||".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL, LPCTSTR lpszFileName = NULL,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = NULL,
                         CWnd* pParentWnd = NULL);
    ~CFileDialog() override;

    // Attributes
    OPENFILENAME m_ofn;
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const
    {
        return (m_ofn.Flags & OFN_READONLY) != 0;
    }
    // The files chosen with OFN_ALLOWMULTISELECT, one after another.
    POSITION GetStartPosition() const
    {
        return (POSITION)m_ofn.lpstrFile;
    }
    CString GetNextPathName(POSITION& pos) const;

    // Operations
    INT_PTR DoModal() override;

    // Overridables
    // TRUE refuses the chosen name and keeps the dialog open.
    virtual BOOL OnFileNameOK();
    virtual void OnInitDone();
    virtual void OnFileNameChange();
    virtual void OnFolderChange();
    virtual void OnTypeChange();

    // Overrides
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Implementation
    BOOL m_bOpenFileDialog;
    CString m_strFilter; // with '\0' for '|'
    TCHAR m_szFileTitle[64];
    TCHAR m_szFileName[4096]; // large enough for a multiple selection

  private:
    CString FromDialog(UINT nMessage) const;
};
