#include "uilib/common/MenuButton.h"
#include "BarsIds.h"

namespace tessaron
{
namespace foundation
{

IMPLEMENT_DYNAMIC(SECMenuButton, SECBitmapButton)

SECMenuButton::SECMenuButton() : m_bRight(FALSE), m_bDrawEnabled(TRUE)
{
}

SECMenuButton::~SECMenuButton()
{
    m_menu.Detach();
}

UINT SECMenuButton::AttachMenu(LPCTSTR lpszText, HMENU hMenu, BOOL bRight, UINT& nBitmapID)
{
    SetMenu(hMenu);
    m_bRight = bRight;
    nBitmapID = bRight ? IDB_SEC_MENUBTN_RIGHT : IDB_SEC_MENUBTN_DOWN;
    return lpszText == NULL || *lpszText == 0 ? imageOnly : imageRight;
}

BOOL SECMenuButton::Attach(UINT nID, CWnd* pParent, HMENU hMenu, BOOL bRight, DWORD dwExtra)
{
    CWnd* pControl = pParent != NULL ? pParent->GetDlgItem((int)nID) : NULL;
    if (pControl == NULL)
        return FALSE;
    CString strText;
    pControl->GetWindowText(strText);
    strText = strText.Left(maxCaption);
    UINT nBitmapID = 0;
    const UINT nPlacement = AttachMenu(strText, hMenu, bRight, nBitmapID);
    if (!SECBitmapButton::Attach(nID, nPlacement, nBitmapID, pParent, dwExtra))
        return FALSE;
    SetWindowText(strText);
    return TRUE;
}

BOOL SECMenuButton::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID,
                           HMENU hMenu, BOOL bRight, DWORD dwExtra)
{
    UINT nBitmapID = 0;
    const UINT nPlacement = AttachMenu(lpszText, hMenu, bRight, nBitmapID);
    return SECBitmapButton::Create(lpszText, dwStyle, nPlacement, nBitmapID, rect, pParent, nID, dwExtra);
}

void SECMenuButton::SetDirection(BOOL bRight)
{
    m_bRight = bRight;
    SetBitmap(bRight ? IDB_SEC_MENUBTN_RIGHT : IDB_SEC_MENUBTN_DOWN);
}

void SECMenuButton::SetMenu(HMENU hMenu)
{
    m_menu.Detach();
    if (hMenu != NULL)
        m_menu.Attach(hMenu);
}

void SECMenuButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (m_bDrawEnabled)
        SECBitmapButton::DrawItem(lpDIS);
}

void SECMenuButton::Clicked()
{
    if (m_menu.GetSafeHmenu() == NULL || m_hWnd == NULL)
        return;
    CRect rect;
    GetWindowRect(&rect);
    const CPoint pt = m_bRight ? CPoint(rect.right, rect.top) : CPoint(rect.left, rect.bottom);
    // A view's commands go through its frame.
    CWnd* pOwner = GetParent();
    if (pOwner != NULL && pOwner->IsKindOf(RUNTIME_CLASS(CView)))
        pOwner = pOwner->GetParentFrame();
    if (pOwner == NULL)
        return;
    m_bDrawEnabled = FALSE;
    const BOOL bChosen = ::TrackPopupMenu(m_menu.m_hMenu, 0, pt.x, pt.y, 0, pOwner->m_hWnd, NULL);
    if (bChosen)
    {
        // The click that closed the menu is not a new press of this button.
        MSG msg;
        ::PeekMessage(&msg, m_hWnd, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE);
    }
    m_bDrawEnabled = TRUE;
    Invalidate();
    UpdateWindow();
}

} // namespace foundation
} // namespace tessaron
