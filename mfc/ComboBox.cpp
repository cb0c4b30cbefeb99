// CComboBox: item text and owner-draw reflection.
#include "ComboBox.h"
#include "OwnerDraw.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    int nLen = GetLBTextLen(nIndex);
    if (nLen == CB_ERR)
    {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBuffer(nLen));
    rString.ReleaseBuffer(nLen);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT)
{
    ASSERT(FALSE);
} // owner-drawn boxes must override
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
    ASSERT(FALSE);
}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    ASSERT(FALSE);
    return 0;
}
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT)
{
}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = TRUE;
    if (!AfxReflectOwnerDraw(this, message, lParam, &lResult))
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}
