// CFindReplaceDialog: FindText/ReplaceText, modeless, deleting itself with its window.
#include "FindReplaceDialog.h"

IMPLEMENT_DYNAMIC(CFindReplaceDialog, CCommonDialog)

CFindReplaceDialog::CFindReplaceDialog() : CCommonDialog(NULL)
{
    memset(&m_fr, 0, sizeof(m_fr));
    m_szFindWhat[0] = '\0';
    m_szReplaceWith[0] = '\0';
    m_fr.lStructSize = sizeof(m_fr);
    m_fr.Flags = FR_ENABLEHOOK;
    m_fr.lpfnHook = &CCommonDialog::HookProc;
    m_fr.lpstrFindWhat = m_szFindWhat;
    m_fr.wFindWhatLen = sizeof(m_szFindWhat) / sizeof(TCHAR);
    m_fr.lpstrReplaceWith = m_szReplaceWith;
    m_fr.wReplaceWithLen = sizeof(m_szReplaceWith) / sizeof(TCHAR);
    m_fr.lCustData = (LPARAM)this;
}

CFindReplaceDialog::~CFindReplaceDialog()
{
}

BOOL CFindReplaceDialog::Create(BOOL bFindDialogOnly, LPCTSTR lpszFindWhat, LPCTSTR lpszReplaceWith,
                                DWORD dwFlags, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    m_fr.Flags |= dwFlags;
    // The owner gets the notifications: the window asked for, not its top-level parent.
    m_fr.hwndOwner = pParentWnd != NULL ? pParentWnd->GetSafeHwnd() : OwnerForSystemDialog();
    if (lpszFindWhat != NULL)
        lstrcpyn(m_szFindWhat, lpszFindWhat, m_fr.wFindWhatLen);
    if (lpszReplaceWith != NULL)
        lstrcpyn(m_szReplaceWith, lpszReplaceWith, m_fr.wReplaceWithLen);
    s_pStarting = this;
    HWND hWnd = bFindDialogOnly ? ::FindText(&m_fr) : ::ReplaceText(&m_fr);
    s_pStarting = NULL;
    if (hWnd == NULL)
        return FALSE;
    ASSERT(m_hWnd == hWnd);
    return TRUE;
}

CFindReplaceDialog* PASCAL CFindReplaceDialog::GetNotifier(LPARAM lParam)
{
    return lParam != 0 ? (CFindReplaceDialog*)((LPFINDREPLACE)lParam)->lCustData : NULL;
}

UINT PASCAL CFindReplaceDialog::GetFindReplaceMsg()
{
    static const UINT nMsg = ::RegisterWindowMessage(FINDMSGSTRING);
    return nMsg;
}

// The system dialog keeps running: its own handling of the buttons sends the notifications.
void CFindReplaceDialog::OnOK()
{
    Default();
}

void CFindReplaceDialog::OnCancel()
{
    Default();
}

void CFindReplaceDialog::PostNcDestroy()
{
    delete this;
}
