#include "uilib/treelist/ListBoxEditorHelper.h"
#include "uilib/treelist/ListBoxDragWnd.h"
#include "uilib/treelist/ListBoxEditor.h"

IMPLEMENT_DYNAMIC(SECListBoxEditorHelper, CListBox)

BEGIN_MESSAGE_MAP(SECListBoxEditorHelper, CListBox)
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_SYSKEYDOWN()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_MESSAGE(SECListBoxEdit::kCancelledMessage, OnEditCancelled)
END_MESSAGE_MAP()

void SECListBoxEditorHelper::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Printable characters, Space and Backspace start an edit; Enter and the like do not.
    if ((m_pEditor->GetFlags() & LBE_AUTOEDIT) && ::GetKeyState(VK_CONTROL) >= 0 &&
        (nChar >= ' ' || nChar == '\b'))
    {
        m_pEditor->EditCurrent(static_cast<TCHAR>(nChar));
        return;
    }
    CListBox::OnChar(nChar, nRepCnt, nFlags);
}

void SECListBoxEditorHelper::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    DWORD dwFlags = m_pEditor->GetFlags();
    if (nChar == VK_INSERT && (dwFlags & LBE_SHORTCUTS))
        m_pEditor->NewEntry();
    else if (nChar == VK_DELETE && (dwFlags & LBE_SHORTCUTS))
        m_pEditor->DeleteSelection();
    else if (nChar == VK_F2 && (dwFlags & LBE_BROWSE))
        m_pEditor->EditCurrent(0);
    else
        CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void SECListBoxEditorHelper::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    DWORD dwFlags = m_pEditor->GetFlags();
    if (nChar == VK_UP && (dwFlags & LBE_SHORTCUTS))
        m_pEditor->MoveUp();
    else if (nChar == VK_DOWN && (dwFlags & LBE_SHORTCUTS))
        m_pEditor->MoveDown();
    else
        CListBox::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void SECListBoxEditorHelper::OnLButtonDown(UINT nFlags, CPoint point)
{
    int nNoted = LB_ERR;
    BOOL bNoted = FALSE;
    SECListBoxEdit* pEdit = m_pEditor->GetEdit();
    if (pEdit != NULL)
    {
        CString strText;
        pEdit->GetWindowText(strText);
        pEdit->SendMessage(WM_KEYDOWN, strText.IsEmpty() ? VK_ESCAPE : VK_RETURN, 0);
    }
    else
    {
        nNoted = GetCurSel();
        bNoted = TRUE;
    }
    if (m_hWnd == NULL)
        return;
    CListBox::OnLButtonDown(nFlags, point);
    if (m_pEditor->GetFlags() & LBE_DRAGGABLE)
    {
        SECListBoxDragWnd drag(this);
        drag.SetPlaceholder(m_pEditor->UsesPlaceholder());
        int nFrom = -1, nTo = -1;
        if (drag.Track(nFrom, nTo))
        {
            CString strText;
            GetText(nTo, strText);
            m_pEditor->OnItemsSwapped(nFrom, nTo, strText);
        }
    }
    int nSel = GetCurSel();
    if (bNoted && nSel != nNoted && nSel != LB_ERR)
        m_pEditor->PostSelChange();
}

void SECListBoxEditorHelper::OnLButtonDblClk(UINT, CPoint)
{
    m_pEditor->EditCurrent(0);
}

void SECListBoxEditorHelper::OnSetFocus(CWnd* pOldWnd)
{
    CListBox::OnSetFocus(pOldWnd);
    m_pEditor->SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(pOldWnd != NULL ? pOldWnd->m_hWnd : NULL),
                           0);
}

void SECListBoxEditorHelper::OnKillFocus(CWnd* pNewWnd)
{
    CListBox::OnKillFocus(pNewWnd);
    m_pEditor->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(pNewWnd != NULL ? pNewWnd->m_hWnd : NULL),
                           0);
}

LRESULT SECListBoxEditorHelper::OnEditCancelled(WPARAM wParam, LPARAM)
{
    m_pEditor->SetEditCancelled(wParam != 0);
    return 0;
}

BOOL SECListBoxEditorHelper::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == SECListBoxEditor::kBrowseID)
    {
        m_pEditor->OnBrowse();
        return TRUE;
    }
    return CListBox::OnCommand(wParam, lParam);
}

BOOL SECListBoxEditorHelper::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHeader = reinterpret_cast<NMHDR*>(lParam);
    if (pHeader != NULL && pHeader->idFrom == SECListBoxEdit::kEditID &&
        pHeader->code == SECListBoxEdit::kDoneCode)
    {
        m_pEditor->EndEdit();
        *pResult = 0;
        return TRUE;
    }
    return CListBox::OnNotify(wParam, lParam, pResult);
}
