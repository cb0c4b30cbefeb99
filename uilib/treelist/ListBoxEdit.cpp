#include "uilib/treelist/ListBoxEdit.h"
#include "ListBox.h"

IMPLEMENT_DYNAMIC(SECListBoxEdit, CEdit)

BEGIN_MESSAGE_MAP(SECListBoxEdit, CEdit)
ON_WM_KEYDOWN()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

void SECMoveToTabStop(CWnd* pFrom, BOOL bPrevious)
{
    if (pFrom == NULL || pFrom->GetParent() == NULL)
        return;
    HWND hNext = ::GetNextDlgTabItem(pFrom->GetParent()->m_hWnd, pFrom->m_hWnd, bPrevious);
    if (hNext == NULL)
        return;
    ::SetFocus(hNext);
    char szClass[16] = {};
    ::GetClassName(hNext, szClass, sizeof szClass);
    if (lstrcmpi(szClass, "Edit") == 0)
        ::SendMessage(hNext, EM_SETSEL, 0, -1);
}

SECListBoxEdit::SECListBoxEdit(BOOL bNewEntry, int nIndex, int nOldSelection, UINT nBrowseID,
                               BOOL bTabNavigation, int nAdvanceSpaces)
    : m_bNewEntry(bNewEntry), m_nIndex(nIndex), m_nOldSelection(nOldSelection), m_nBrowseID(nBrowseID),
      m_bTabNavigation(bTabNavigation), m_nAdvanceSpaces(nAdvanceSpaces), m_bEnding(FALSE)
{
}

CListBox* SECListBoxEdit::ListBox() const
{
    return static_cast<CListBox*>(GetParent());
}

void SECListBoxEdit::NotifyDone()
{
    m_bEnding = TRUE;
    NMHDR nm = {m_hWnd, kEditID, kDoneCode};
    // The list box closes and destroys this edit; nothing of it may be used afterwards.
    ListBox()->SendMessage(WM_NOTIFY, kEditID, reinterpret_cast<LPARAM>(&nm));
}

void SECListBoxEdit::Commit()
{
    if (m_bEnding)
        return;
    CListBox* pList = ListBox();
    pList->SendMessage(kCancelledMessage, 0, 0);
    CString strText;
    GetWindowText(strText);
    if (m_nIndex >= 0 && m_nIndex < pList->GetCount())
    {
        DWORD_PTR dwData = pList->GetItemData(m_nIndex);
        pList->SetRedraw(FALSE);
        pList->DeleteString(static_cast<UINT>(m_nIndex));
        pList->InsertString(m_nIndex, strText);
        pList->SetItemData(m_nIndex, dwData);
        pList->SetRedraw(TRUE);
        pList->Invalidate();
        pList->SetCurSel(m_nIndex);
    }
    NotifyDone();
}

void SECListBoxEdit::Cancel()
{
    if (m_bEnding)
        return;
    CListBox* pList = ListBox();
    pList->SendMessage(kCancelledMessage, 0, 0);
    if (m_bNewEntry)
    {
        pList->SetCurSel(m_nOldSelection);
        pList->DeleteString(static_cast<UINT>(m_nIndex));
    }
    pList->SendMessage(kCancelledMessage, 1, 0);
    NotifyDone();
}

void SECListBoxEdit::CommitAndTab(BOOL bPrevious)
{
    CWnd* pList = ListBox();
    Commit();
    SECMoveToTabStop(pList, bPrevious);
}

void SECListBoxEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar)
    {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END: {
        CWnd* pList = ListBox();
        Commit();
        pList->PostMessage(WM_KEYDOWN, nChar, 0);
        return;
    }
    case VK_TAB:
        CommitAndTab(::GetKeyState(VK_SHIFT) < 0);
        return;
    case VK_RETURN:
        Commit();
        return;
    case VK_ESCAPE:
        Cancel();
        return;
    case VK_F2:
        if (m_nBrowseID != 0)
        {
            CWnd* pList = ListBox();
            pList->SendMessage(kCancelledMessage, 0, 0);
            CWnd* pButton = pList->GetDlgItem(static_cast<int>(m_nBrowseID));
            if (pButton != NULL)
                pButton->SetFocus();
            pList->SendMessage(WM_COMMAND, m_nBrowseID, 0);
            return;
        }
        break;
    case VK_SPACE:
        if (!m_bTabNavigation)
        {
            int nStart, nEnd;
            GetSel(nStart, nEnd);
            CString strText;
            GetWindowText(strText);
            strText.TrimRight();
            if (nStart == nEnd && nEnd - strText.GetLength() + 1 >= m_nAdvanceSpaces)
            {
                CommitAndTab(FALSE);
                return;
            }
        }
        break;
    default:
        break;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void SECListBoxEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    if (m_bEnding)
        return;
    if (m_nBrowseID != 0 && pNewWnd != NULL && pNewWnd->GetDlgCtrlID() == static_cast<int>(m_nBrowseID) &&
        pNewWnd->GetParent() == GetParent())
        return;
    Commit();
}

UINT SECListBoxEdit::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}
