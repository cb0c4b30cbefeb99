// SECOtherButton: keyboard and focus rules of the "Other..." button.
#include "OtherButton.h"
#include "PopupColorWell.h"

namespace tessaron
{
namespace foundation
{

IMPLEMENT_DYNAMIC(SECOtherButton, CButton)

BEGIN_MESSAGE_MAP(SECOtherButton, CButton)
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

SECOtherButton::SECOtherButton()
{
}

SECOtherButton::~SECOtherButton()
{
}

BOOL SECOtherButton::InPopup() const
{
    CWnd* pParent = GetParent();
    return pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(SECPopupColorWell));
}

UINT SECOtherButton::OnGetDlgCode()
{
    return DLGC_BUTTON | DLGC_WANTTAB;
}

void SECOtherButton::OnKeyDown(UINT nChar, UINT, UINT)
{
    CWnd* pWell = GetParent();
    bool bArrow = nChar == VK_LEFT || nChar == VK_RIGHT || nChar == VK_UP || nChar == VK_DOWN;
    if (pWell != NULL && InPopup() && (nChar == VK_TAB || bArrow))
    {
        pWell->SetFocus();
        return;
    }
    if (pWell != NULL && !InPopup() && nChar == VK_TAB)
    {
        if (::GetKeyState(VK_SHIFT) < 0)
            pWell->SetFocus();
        else if (CWnd* pDialog = pWell->GetParent())
            ::SetFocus(::GetNextDlgTabItem(pDialog->m_hWnd, pWell->m_hWnd, FALSE));
        return;
    }
    Default();
}

void SECOtherButton::OnKillFocus(CWnd* pNewWnd)
{
    Default();
    CWnd* pWell = GetParent();
    if (InPopup() && pWell->m_hWnd != NULL && pNewWnd != pWell)
    {
        ::ReleaseCapture();
        pWell->DestroyWindow();
    }
}

} // namespace foundation
} // namespace tessaron
