// CFindReplaceDialog: the system's modeless Find or Replace dialog. Allocate it with new; it
// deletes itself when its window goes. The owner receives the registered message
// FINDMSGSTRING (see GetFindReplaceMsg) and reads the request through GetNotifier.
//
// Differences from MFC:
// - None beyond CCommonDialog's.
#pragma once
#include "CommonDialog.h"
#include "String.h"

class CFindReplaceDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFindReplaceDialog)

  public:
    // Construction
    CFindReplaceDialog();
    ~CFindReplaceDialog() override;
    // Shows the dialog: Find only (bFindDialogOnly) or Find and Replace. Notifications go to
    // pParentWnd (else the main window).
    BOOL Create(BOOL bFindDialogOnly, LPCTSTR lpszFindWhat, LPCTSTR lpszReplaceWith = NULL,
                DWORD dwFlags = FR_DOWN, CWnd* pParentWnd = NULL);

    // Attributes
    FINDREPLACE m_fr;
    // The dialog behind a FINDMSGSTRING message's LPARAM.
    static CFindReplaceDialog* PASCAL GetNotifier(LPARAM lParam);
    // The number of the registered message.
    static UINT PASCAL GetFindReplaceMsg();
    CString GetFindString() const
    {
        return m_fr.lpstrFindWhat;
    }
    CString GetReplaceString() const
    {
        return m_fr.lpstrReplaceWith;
    }
    BOOL SearchDown() const
    {
        return (m_fr.Flags & FR_DOWN) != 0;
    }
    BOOL FindNext() const
    {
        return (m_fr.Flags & FR_FINDNEXT) != 0;
    }
    BOOL MatchCase() const
    {
        return (m_fr.Flags & FR_MATCHCASE) != 0;
    }
    BOOL MatchWholeWord() const
    {
        return (m_fr.Flags & FR_WHOLEWORD) != 0;
    }
    BOOL ReplaceCurrent() const
    {
        return (m_fr.Flags & FR_REPLACE) != 0;
    }
    BOOL ReplaceAll() const
    {
        return (m_fr.Flags & FR_REPLACEALL) != 0;
    }
    BOOL IsTerminating() const
    {
        return (m_fr.Flags & FR_DIALOGTERM) != 0;
    }

    // Overrides
    void OnOK() override;
    void OnCancel() override;

    // Implementation
  protected:
    void PostNcDestroy() override;

  private:
    TCHAR m_szFindWhat[128];
    TCHAR m_szReplaceWith[128];
};
