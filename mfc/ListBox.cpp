// CListBox: item text and owner-draw reflection.
#include "ListBox.h"
#include "OwnerDraw.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

void CListBox::GetText(int nIndex, CString& rString) const
{
    int nLen = GetTextLen(nIndex);
    if (nLen == LB_ERR)
    {
        rString.Empty();
        return;
    }
    GetText(nIndex, rString.GetBuffer(nLen));
    rString.ReleaseBuffer(nLen);
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    DWORD dw = (DWORD)Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    bOutside = (BOOL)HIWORD(dw);
    return LOWORD(dw);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT)
{
    ASSERT(FALSE);
} // owner-drawn boxes must override
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
    ASSERT(FALSE);
}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    ASSERT(FALSE);
    return 0;
}
void CListBox::DeleteItem(LPDELETEITEMSTRUCT)
{
}
int CListBox::VKeyToItem(UINT, UINT)
{
    return -1;
}
int CListBox::CharToItem(UINT, UINT)
{
    return -1;
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = TRUE;
    if (message == WM_VKEYTOITEM)
        lResult = VKeyToItem(LOWORD(wParam), HIWORD(wParam));
    else if (message == WM_CHARTOITEM)
        lResult = CharToItem(LOWORD(wParam), HIWORD(wParam));
    else if (!AfxReflectOwnerDraw(this, message, lParam, &lResult))
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}
