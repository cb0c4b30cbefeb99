// SECToolBarSheet: customisation mode around the active page, and the sheet's caption kept
// active together with the frame's floating toolbars.
#include "uilib/bars/ToolBarSheet.h"
#include "mfc/FrameWnd.h"
#include "mfc/MiniFrameWnd.h"
#include "uilib/bars/ToolBarManager.h"

IMPLEMENT_DYNAMIC(SECToolBarSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(SECToolBarSheet, CPropertySheet)
ON_WM_ACTIVATE()
ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

namespace
{
// The sheet window holding a page (the window itself when it is no child).
HWND SheetOf(CWnd* pPage)
{
    HWND hWnd = pPage != NULL ? pPage->m_hWnd : NULL;
    while (hWnd != NULL && (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return hWnd;
}

// The frame owning the sheet.
CFrameWnd* OwnerFrame(CWnd* pWnd)
{
    const HWND hSheet = SheetOf(pWnd);
    CWnd* pOwner = hSheet != NULL ? CWnd::FromHandlePermanent(::GetWindow(hSheet, GW_OWNER)) : NULL;
    return pOwner != NULL && pOwner->IsFrameWnd() ? static_cast<CFrameWnd*>(pOwner) : NULL;
}
} // namespace

SECToolBarSheet::SECToolBarSheet()
{
}

SECToolBarSheet::SECToolBarSheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage)
{
}

SECToolBarSheet::SECToolBarSheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{
}

UINT SECToolBarSheet::StyleChangingMessage()
{
    static const UINT nMsg = ::RegisterWindowMessage(_T("WM_TOOLBARSTYLECHANGING"));
    return nMsg;
}

void SECToolBarSheet::EnterCustomise(SECToolBarManager* pManager, CWnd* pPage)
{
    if (pManager == NULL)
        return;
    pManager->SetToolBarCustomise(TRUE);
    pManager->EnterCustomise();
    pManager->SetCustomiseDialog(CWnd::FromHandle(SheetOf(pPage)));
}

void SECToolBarSheet::LeaveCustomise(SECToolBarManager* pManager, CWnd* pPage, BOOL bCancel)
{
    if (pManager == NULL)
        return;
    pManager->SetToolBarCustomise(FALSE);
    if (pManager->InConfigMode())
        pManager->ExitCustomise();
    if (bCancel)
        pManager->SetCustomiseDialog(NULL);
    // Leaving customisation disables the frame again, as a modal sheet has it; a sheet that is
    // going away or runs modeless must not leave it so.
    const HWND hSheet = SheetOf(pPage);
    const HWND hParent = hSheet != NULL ? ::GetWindow(hSheet, GW_OWNER) : NULL;
    if (hParent != NULL)
        ::EnableWindow(hParent, TRUE);
}

void SECToolBarSheet::PageDestroyed(SECToolBarManager* pManager, CWnd* pPage)
{
    if (pManager == NULL)
        return;
    pManager->UnregisterNotifyWindow(pPage);
    CWnd* pDialog = pManager->GetCustomiseDialog();
    if (pDialog != NULL && pDialog->m_hWnd == SheetOf(pPage) && pManager->InConfigMode())
        LeaveCustomise(pManager, pPage, TRUE);
    pManager->SetCustomiseDialog(NULL);
}

void SECToolBarSheet::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CPropertySheet::OnActivate(nState, pWndOther, bMinimized);
    CFrameWnd* pFrame = OwnerFrame(this);
    if (pFrame == NULL)
        return;
    // A floating toolbar of the frame taking the activation keeps everything drawn active.
    BOOL bActive = nState != WA_INACTIVE;
    if (!bActive && pWndOther != NULL && pWndOther->m_hWnd != NULL &&
        ::GetWindow(pWndOther->m_hWnd, GW_OWNER) == pFrame->m_hWnd)
        bActive = TRUE;
    pFrame->NotifyFloatingWindows(bActive ? FS_ACTIVATE : FS_DEACTIVATE);
}

LRESULT SECToolBarSheet::OnFloatStatus(WPARAM wParam, LPARAM)
{
    // The frame tells its floating windows when one of them takes the activation: the sheet's
    // caption stays active with them.
    if (wParam & FS_ACTIVATE)
        SendMessage(WM_NCACTIVATE, TRUE);
    else if ((wParam & FS_DEACTIVATE) && ::GetActiveWindow() != m_hWnd)
        SendMessage(WM_NCACTIVATE, FALSE);
    return 0;
}
