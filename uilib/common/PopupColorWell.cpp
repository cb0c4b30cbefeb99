// SECPopupColorWell: placement, capture and the closing rules of the dropped-down well.
#include "PopupColorWell.h"
#include "OtherButton.h"

namespace tessaron
{
namespace foundation
{

IMPLEMENT_DYNAMIC(SECPopupColorWell, SECColorWell)

BEGIN_MESSAGE_MAP(SECPopupColorWell, SECColorWell)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_LBUTTONDOWN()
ON_WM_KILLFOCUS()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

SECPopupColorWell::SECPopupColorWell() : m_pOwner(NULL), m_bShowing(FALSE), m_bClosing(FALSE)
{
}

SECPopupColorWell::~SECPopupColorWell()
{
}

BOOL SECPopupColorWell::Create(DWORD dwStyle, const RECT* pButtonRect, CWnd* pParent, BOOL bOther, DWORD)
{
    Reset();
    m_bOther = bOther;
    m_nCustomIndex = m_nRows * m_nColumns;
    m_nCustomCol = m_nColumns - 1;
    m_nCustomRow = m_nRows;
    dwStyle |= WS_POPUP | 0x1;
    SetMargins(dwStyle);
    CRect size;
    CalcSize(size, pParent, 0, 0, FALSE);
    // Below the button; above it when the screen ends, right-aligned when the screen is too narrow.
    CRect rect(pButtonRect->left, pButtonRect->bottom, pButtonRect->left + size.Width(),
               pButtonRect->bottom + size.Height());
    if (rect.bottom > ::GetSystemMetrics(SM_CYSCREEN))
        rect.OffsetRect(0, pButtonRect->top - size.Height() - rect.top);
    if (rect.right > ::GetSystemMetrics(SM_CXSCREEN))
        rect.OffsetRect(pButtonRect->right - rect.right, 0);
    if (!CreateWell(dwStyle, rect, pParent, 0))
        return FALSE;
    SetFocus();
    m_bTrackMouse = TRUE;
    SetCapture();
    m_bShowing = TRUE;
    return TRUE;
}

void SECPopupColorWell::Close()
{
    if (m_bClosing)
        return; // losing the focus while we go
    m_bClosing = TRUE;
    if (GetCapture() == this)
        ::ReleaseCapture();
    if (m_hWnd != NULL)
        DestroyWindow();
    m_bClosing = FALSE;
}

// Moving through the cells only shows them; the owner hears of the choice alone.
void SECPopupColorWell::SelectCell(int nCol, int nRow, int nHow)
{
    MoveSelection(nCol, nRow);
    if (nHow != selectByClick)
        return;
    NotifyParent();
    Close();
}

void SECPopupColorWell::NotifyParent()
{
    if (m_pOwner != NULL && m_pOwner->m_hWnd != NULL)
        m_pOwner->SendMessage(SECWM_COLORCHANGED, 0, GetColor());
}

void SECPopupColorWell::OnOther()
{
    if (m_pOwner != NULL && m_pOwner->m_hWnd != NULL)
        m_pOwner->PostMessage(SECWM_OTHERCOLOR, 0, 0);
    Close();
}

void SECPopupColorWell::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar)
    {
    case VK_TAB:
        if (m_pOtherButton != NULL)
            m_pOtherButton->SetFocus();
        break;
    case VK_RETURN:
        SelectCell(m_nSelCol, m_nSelRow, selectByClick);
        break;
    case VK_ESCAPE:
        Close();
        break;
    case VK_SPACE:
        break; // chosen when the key comes up
    default:
        SECColorWell::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void SECPopupColorWell::OnKeyUp(UINT nChar, UINT, UINT)
{
    if (nChar == VK_SPACE)
        SelectCell(m_nSelCol, m_nSelRow, selectByClick);
}

void SECPopupColorWell::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point))
    {
        CPoint screen = point;
        ClientToScreen(&screen);
        CRect owner;
        if (m_pOwner != NULL && m_pOwner->m_hWnd != NULL)
        {
            m_pOwner->GetWindowRect(&owner);
            if (owner.PtInRect(screen))
                return; // the button's own click must not close and reopen us
        }
        Close();
        // The click was meant for the window under it.
        if (HWND hUnder = ::WindowFromPoint(screen))
        {
            ::ScreenToClient(hUnder, &screen);
            ::SendMessage(hUnder, WM_LBUTTONDOWN, nFlags, MAKELPARAM(screen.x, screen.y));
        }
        return;
    }
    if (m_pOtherButton != NULL && m_pOtherButton->m_hWnd != NULL)
    {
        CRect button;
        m_pOtherButton->GetWindowRect(&button);
        ScreenToClient(&button);
        if (button.PtInRect(point))
        {
            OnOther();
            return;
        }
    }
    SECColorWell::OnLButtonDown(nFlags, point);
}

void SECPopupColorWell::OnKillFocus(CWnd* pNewWnd)
{
    SECColorWell::OnKillFocus(pNewWnd);
    // Tab hands the focus to our own button; anything else ends the popup.
    if (m_pOtherButton != NULL && pNewWnd == m_pOtherButton)
        return;
    Close();
}

void SECPopupColorWell::OnNcDestroy()
{
    m_bShowing = FALSE;
    m_bTrackMouse = FALSE;
    CWnd::OnNcDestroy();
}

} // namespace foundation
} // namespace tessaron
