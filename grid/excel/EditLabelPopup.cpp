// The rename field of the sheet tabs.
#include "grid/excel/EditLabelPopup.h"
#include "grid/excel/TabMessages.h"

IMPLEMENT_DYNAMIC(CGXEditLabelPopup, CEdit)

BEGIN_MESSAGE_MAP(CGXEditLabelPopup, CEdit)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_CHAR()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

void CGXEditLabelPopup::PostNcDestroy()
{
    delete this;
}

void CGXEditLabelPopup::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // The parent destroys the field in its answer: nothing of this object is used afterwards.
    if (nChar == VK_RETURN)
        GetParent()->SendMessage(WM_GX_TABENDEDIT, 0, 0);
    else if (nChar == VK_ESCAPE)
        GetParent()->SendMessage(WM_GX_TABCANCELEDIT, 0, 0);
    else
        CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXEditLabelPopup::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_RETURN && nChar != VK_ESCAPE)
        CEdit::OnKeyUp(nChar, nRepCnt, nFlags);
}

void CGXEditLabelPopup::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // No beep for the characters of Enter and Escape.
    if (nChar != VK_RETURN && nChar != VK_ESCAPE)
        CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CGXEditLabelPopup::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    GetParent()->SendMessage(WM_GX_TABCANCELEDIT, 0, 0);
}

UINT CGXEditLabelPopup::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}
