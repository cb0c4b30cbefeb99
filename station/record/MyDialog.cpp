// CMyDialog: the dialog base with the program's Enter rule and help.
#include "station/record/MyDialog.h"
#include "Button.h"
#include "StationIds.h"

IMPLEMENT_DYNAMIC(CMyDialog, SECBitmapDialog)

BEGIN_MESSAGE_MAP(CMyDialog, SECBitmapDialog)
ON_COMMAND(IDHELP, OnHelpButton)
AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSig_vWp, void (CWnd::*)(CWnd*, CPoint), OnHelpContextMenu)
AFX_WM_ENTRY(WM_HELP, AfxSig_bHELPINFO, BOOL (CWnd::*)(HELPINFO*), OnHelpInfo)
END_MESSAGE_MAP()

CMyDialog::CMyDialog(UINT nIDTemplate, CWnd* pParent) : THtmlHelp<SECBitmapDialog>(nIDTemplate, pParent)
{
}

CMyDialog::~CMyDialog()
{
}

namespace
{
BOOL IsButton(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CButton)))
        return TRUE;
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return lstrcmpiA(szClass, "Button") == 0;
}
} // namespace

BOOL CMyDialog::PressFocusedButton(CWnd* pDialog, const MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_RETURN)
        return FALSE;
    HWND hFocus = ::GetFocus();
    if (hFocus == NULL || !IsButton(hFocus))
        return FALSE;
    HWND hParent = ::GetParent(hFocus);
    HWND hTarget = hParent != NULL ? hParent : pDialog->GetSafeHwnd();
    ::SendMessage(hTarget, WM_COMMAND, (WPARAM)::GetDlgCtrlID(hFocus), 0);
    return TRUE;
}

BOOL CMyDialog::PreTranslateMessage(MSG* pMsg)
{
    if (PressFocusedButton(this, pMsg))
        return TRUE;
    return SECBitmapDialog::PreTranslateMessage(pMsg);
}

BOOL CMyDialog::AttachImageButton(tessaron::foundation::SECBitmapButton& button, UINT nID, UINT nBitmapID)
{
    if (!button.Attach(nID, tessaron::foundation::SECBitmapButton::imageLeft, nBitmapID, this))
        return FALSE;
    button.SetDrawOption(TRUE);
    return TRUE;
}

void CMyDialog::AttachOkCancelHelp(tessaron::foundation::SECBitmapButton& ok, UINT nOkBitmapID,
                                   tessaron::foundation::SECBitmapButton& cancel,
                                   tessaron::foundation::SECBitmapButton& help)
{
    AttachImageButton(ok, IDOK, nOkBitmapID);
    AttachImageButton(cancel, IDCANCEL, IDB_CANCEL);
    AttachImageButton(help, IDHELP, IDB_HELP);
}

void CMyDialog::OnHelpButton()
{
    OnCommandHelp(0, 0);
}
