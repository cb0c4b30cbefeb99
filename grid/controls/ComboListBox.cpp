#include "grid/controls/ComboListBox.h"
#include <mbctype.h>

BEGIN_MESSAGE_MAP(CGXComboListBox, CListBox)
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_SYSKEYDOWN()
ON_WM_SYSKEYUP()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_KILLFOCUS()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CGXComboListBox::CGXComboListBox(CWnd* pOwner) : m_pOwner(pOwner)
{
}

void CGXComboListBox::OnKeyDown(UINT nChar, UINT, UINT)
{
    m_bKeySeen = TRUE;
    if (m_nKeyRun++ == 0)
        m_nStartSel = GetCurSel();
    m_bAlnumKey = _ismbcalnum(nChar);
    Default();
}

void CGXComboListBox::OnKeyUp(UINT nChar, UINT, UINT)
{
    Default();
    if (!m_bKeySeen)
        return;
    switch (nChar)
    {
    case VK_TAB:
        PostTab(m_pOwner);
        m_pOwner->SendMessage(WM_COMBOLIST_ACCEPT);
        break;
    case VK_RETURN:
        m_pOwner->SendMessage(WM_COMBOLIST_ACCEPT);
        break;
    case VK_ESCAPE:
        m_pOwner->SendMessage(WM_COMBOLIST_CANCEL);
        break;
    default:
        if (GetCurSel() != m_nStartSel)
        {
            m_pOwner->SendMessage(WM_COMBOLIST_SELCHANGE);
            m_nStartSel = GetCurSel();
        }
        m_nKeyRun = 0;
        break;
    }
}

void CGXComboListBox::OnSysKeyDown(UINT, UINT, UINT)
{
    m_bKeySeen = TRUE;
    Default();
}

void CGXComboListBox::OnSysKeyUp(UINT nChar, UINT, UINT)
{
    if (m_bKeySeen && nChar == VK_DOWN)
        m_pOwner->SendMessage(WM_COMBOLIST_CANCEL);
    else
        Default();
}

void CGXComboListBox::OnLButtonDown(UINT, CPoint)
{
    m_bMouseSeen = TRUE;
    m_nStartSel = GetCurSel();
    Default();
}

void CGXComboListBox::OnLButtonUp(UINT, CPoint)
{
    Default();
    if (m_bMouseSeen && GetCurSel() != LB_ERR)
        m_pOwner->SendMessage(WM_COMBOLIST_ACCEPT);
}

void CGXComboListBox::OnKillFocus(CWnd* pNewWnd)
{
    CListBox::OnKillFocus(pNewWnd);
    m_pOwner->PostMessage(WM_COMBOLIST_FOCUSLOST);
}

BOOL CGXComboListBox::EraseWithPopupBrush(CWnd* pList, CDC* pDC)
{
    CWnd* pParent = pList->GetParent();
    HBRUSH hbr = pParent != NULL ? (HBRUSH)pParent->SendMessage(WM_CTLCOLORLISTBOX, (WPARAM)pDC->GetSafeHdc(),
                                                                (LPARAM)pList->GetSafeHwnd())
                                 : NULL;
    if (hbr == NULL)
        return FALSE;
    CRect rect;
    pList->GetClientRect(&rect);
    ::FillRect(pDC->GetSafeHdc(), &rect, hbr);
    return TRUE;
}

void CGXComboListBox::PostTab(CWnd* pEdit)
{
    pEdit->PostMessage(WM_KEYDOWN, VK_TAB, 1);
    pEdit->PostMessage(WM_KEYUP, VK_TAB, 0xC0000001);
}

BOOL CGXComboListBox::OnEraseBkgnd(CDC* pDC)
{
    return EraseWithPopupBrush(this, pDC) || (BOOL)Default();
}
