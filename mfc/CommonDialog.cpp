// CCommonDialog: owner choice shared by the common dialogs.
#include "CommonDialog.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

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
    return pfnRun(pRecord) ? IDOK : IDCANCEL; // the system dialog disables its owner itself
}
