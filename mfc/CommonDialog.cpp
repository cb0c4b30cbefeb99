// CCommonDialog: owner choice and the hook shared by the common dialogs.
#include "CommonDialog.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

CCommonDialog* CCommonDialog::s_pStarting = NULL;

HWND CCommonDialog::OwnerForSystemDialog() const
{
    HWND hWnd = m_pParentWnd->GetSafeHwnd();
    if (hWnd == NULL)
        hWnd = AfxGetMainWnd()->GetSafeHwnd();
    while (hWnd != NULL && (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return hWnd;
}

INT_PTR CCommonDialog::RunSystemDialog(BOOL (*pfnRun)(void*), void* pRecord)
{
    s_pStarting = this;
    BOOL bResult = pfnRun(pRecord);
    s_pStarting = NULL;
    if (m_hWnd != NULL)
        UnsubclassWindow(); // a dialog that ended without being destroyed through us
    return bResult ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CCommonDialog::HookProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return 0;
    CCommonDialog* pDlg = s_pStarting;
    s_pStarting = NULL;
    if (pDlg != NULL && pDlg->m_hWnd == NULL && pDlg->SubclassWindow(hWnd))
        AfxCallFromWin32(FALSE, [pDlg] { return pDlg->OnInitDialog(); });
    return TRUE; // the system dialog sets the focus
}

void CCommonDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    Default();
}

void CCommonDialog::OnCancel()
{
    Default();
}
