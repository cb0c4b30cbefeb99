#include "ListEdit.h"

IMPLEMENT_DYNAMIC(SECListEdit, CEdit)

BEGIN_MESSAGE_MAP(SECListEdit, CEdit)
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_CHAR()
END_MESSAGE_MAP()

UINT SECListEdit::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void SECListEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN && !m_pClient->IsLabelWrap())
    {
        m_pClient->EndLabelEdit(TRUE);
        return;
    }
    if (nChar == VK_ESCAPE)
    {
        m_pClient->EndLabelEdit(FALSE);
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void SECListEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // The characters of keys that ended the edit would beep in a window that is gone.
    if (m_hWnd == NULL || nChar == 27 || (nChar == '\r' && !m_pClient->IsLabelWrap()))
        return;
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}
