// CButton: owner draw arrives here from the parent.
#include "Button.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
    ASSERT(FALSE);
} // owner-drawn buttons must override

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}
