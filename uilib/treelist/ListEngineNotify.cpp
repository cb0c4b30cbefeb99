// SECListEngine: notifications to the owner, in-place label editing.
#include "ListEngine.h"

CWnd* SECListEngine::GetNotifyTarget() const
{
    if (m_pNotifyWnd != NULL)
        return m_pNotifyWnd;
    return m_pWnd->m_hWnd != NULL ? CWnd::FromHandle(::GetParent(m_pWnd->m_hWnd)) : NULL;
}

// Fills the header of a record and sends it; 0 without a target.
static inline LRESULT SecListSend(CWnd* pTarget, HWND hFrom, NMHDR* pHdr, int nCode)
{
    pHdr->hwndFrom = hFrom;
    pHdr->idFrom = hFrom != NULL ? ::GetDlgCtrlID(hFrom) : 0;
    pHdr->code = (UINT)nCode;
    if (pTarget == NULL || pTarget->GetSafeHwnd() == NULL)
        return 0;
    return ::SendMessage(pTarget->GetSafeHwnd(), WM_NOTIFY, pHdr->idFrom, (LPARAM)pHdr);
}

LRESULT SECListEngine::NotifyCode(int nCode)
{
    CWnd* pTarget = GetNotifyTarget();
    if (pTarget == NULL || pTarget->GetSafeHwnd() == NULL)
        return m_lLastResult;
    NMHDR hdr;
    m_lLastResult = SecListSend(pTarget, m_pWnd->m_hWnd, &hdr, nCode);
    return m_lLastResult;
}

LRESULT SECListEngine::NotifyBeginLabelEdit(int nRow, int nSubItem)
{
    NMLVDISPINFOA info;
    memset(&info, 0, sizeof(info));
    info.item.mask = LVIF_TEXT;
    info.item.iItem = nRow;
    info.item.iSubItem = nSubItem;
    if (SECListItem* pItem = GetRow(nRow))
        info.item.lParam = pItem->m_lParam;
    return SecListSend(GetNotifyTarget(), m_pWnd->m_hWnd, &info.hdr, LVN_BEGINLABELEDITA);
}

void SECListEngine::NotifyDeleteItem(int nRow)
{
    NMLISTVIEW nm;
    memset(&nm, 0, sizeof(nm));
    nm.iItem = nRow;
    SecListSend(GetNotifyTarget(), m_pWnd->m_hWnd, &nm.hdr, LVN_DELETEITEM);
}

BOOL SECListEngine::NotifyEndLabelEdit(int nRow, int nSubItem, CString& strText, BOOL bAccept)
{
    NMLVDISPINFOA info;
    memset(&info, 0, sizeof(info));
    info.item.mask = LVIF_TEXT;
    info.item.iItem = nRow;
    info.item.iSubItem = nSubItem;
    if (SECListItem* pItem = GetRow(nRow))
        info.item.lParam = pItem->m_lParam;
    std::vector<char> buffer;
    if (bAccept)
    {
        buffer.assign(ListMetrics::TEXT_BUFFER, '\0');
        ListText::CopyBounded(buffer.data(), ListMetrics::TEXT_BUFFER, strText);
        info.item.pszText = buffer.data();
        info.item.cchTextMax = ListMetrics::TEXT_BUFFER;
    }
    LRESULT lResult = SecListSend(GetNotifyTarget(), m_pWnd->m_hWnd, &info.hdr, LVN_ENDLABELEDITA);
    if (bAccept && lResult != 0)
    {
        buffer[ListMetrics::TEXT_BUFFER - 1] = '\0'; // whatever the owner wrote
        strText = buffer.data();
        return TRUE;
    }
    return FALSE;
}

LRESULT SECListEngine::NotifyGetDispInfo(LVITEMA* pItem)
{
    NMLVDISPINFOA info;
    memset(&info, 0, sizeof(info));
    info.item = *pItem;
    LRESULT lResult = SecListSend(GetNotifyTarget(), m_pWnd->m_hWnd, &info.hdr, LVN_GETDISPINFOA);
    *pItem = info.item;
    return lResult;
}

LRESULT SECListEngine::NotifyInsertItem(int nRow)
{
    NMLISTVIEW nm;
    memset(&nm, 0, sizeof(nm));
    nm.iItem = nRow;
    return SecListSend(GetNotifyTarget(), m_pWnd->m_hWnd, &nm.hdr, LVN_INSERTITEM);
}

void SECListEngine::NotifyKeyDown(UINT nKey)
{
    NMLVKEYDOWN nm;
    memset(&nm, 0, sizeof(nm));
    nm.wVKey = (WORD)nKey;
    SecListSend(GetNotifyTarget(), m_pWnd->m_hWnd, &nm.hdr, LVN_KEYDOWN);
}

void SECListEngine::NotifyColumnClick(int nCol)
{
    NMLISTVIEW nm;
    memset(&nm, 0, sizeof(nm));
    nm.iItem = -1;
    nm.iSubItem = nCol;
    SecListSend(GetNotifyTarget(), m_pWnd->m_hWnd, &nm.hdr, LVN_COLUMNCLICK);
}

// ---- label editing

SECListEdit* SECListEngine::EditLabel(int nRow, int nCol)
{
    if (m_pEdit->GetSafeHwnd() != NULL || m_pWnd->m_hWnd == NULL)
        return NULL;
    m_pTip->Hide();
    if (m_nEditRow >= 0)
        EndLabelEdit(TRUE);
    if (GetRow(nRow) == NULL)
        return m_pEdit;
    SECListColumn* pCol = GetColumnAt(nCol);
    int nSub = pCol != NULL ? pCol->m_iSubItem : 0;
    if (pCol == NULL)
        nCol = 0;
    m_nClickRow = -1;
    m_nEditRow = nRow;
    m_nEditSubItem = nSub;
    m_nClickColumn = nCol;
    EnsureVisible(nRow);
    CRect rcLabel;
    if (!GetCellRect(nRow, nCol, &rcLabel, LVIR_LABEL))
    {
        m_nEditRow = -1;
        return m_pEdit;
    }
    CRect rcInside;
    GetInsideRectangle(&rcInside);
    CRect rc(rcLabel.left - 4, rcLabel.top - 1, rcLabel.right + 10, rcLabel.bottom + 1);
    if (rc.left < 0)
        rc.OffsetRect(-rc.left, 0);
    rc.right = std::min(rc.right, rcInside.right);
    DWORD dwStyle = WS_CHILD | WS_BORDER | ES_MULTILINE;
    dwStyle |= IsLabelWrap() ? ES_AUTOVSCROLL : (ES_AUTOHSCROLL | ES_WANTRETURN);
    if (!m_pEdit->Create(dwStyle, rc, m_pWnd, 1))
    {
        m_nEditRow = -1;
        return m_pEdit;
    }
    m_pEdit->SetTabStops();
    CString strText = GetCellText(nRow, nSub);
    m_pEdit->SetWindowText(strText);
    CClientDC dc(m_pWnd);
    SECListPaintContext* pContext = CreatePaintContext(&dc);
    pContext->m_item.iItem = nRow;
    pContext->m_item.iSubItem = nSub;
    pContext->m_pItem = GetRow(nRow);
    pContext->m_pColumn = GetColumnAt(nCol);
    pContext->m_nColumn = nCol;
    pContext->m_pSubItem = nSub > 0 ? GetRow(nRow)->GetSubItem(nSub) : NULL;
    HFONT hFont = PrepareCell(pContext) ? pContext->m_hFont : GetLabelFont();
    delete pContext;
    m_pEdit->SendMessage(WM_SETFONT, (WPARAM)hFont, TRUE);
    m_pEdit->SendMessage(EM_SETSEL, 0, -1);
    m_pEdit->SendMessage(EM_SCROLLCARET, 0, 0);
    // Only an answer of exactly 1 refuses the edit.
    if (NotifyBeginLabelEdit(nRow, nSub) == 1)
    {
        m_pEdit->DestroyWindow();
        m_nEditRow = -1;
        m_nClickRow = -1;
    }
    else
    {
        m_pEdit->ShowWindow(SW_SHOW);
        m_pEdit->SetFocus();
        m_strTextBeforeEdit = strText;
        InvalidateItems(nRow, FALSE, TRUE, FALSE, FALSE);
    }
    m_bEndEditGuard = FALSE;
    return m_pEdit;
}

BOOL SECListEngine::EndLabelEdit(BOOL bAccept)
{
    if (m_pEdit->GetSafeHwnd() == NULL || m_bEndEditGuard)
        return FALSE;
    m_bEndEditGuard = TRUE;
    CString strText;
    m_pEdit->GetWindowText(strText);
    int nRow = m_nEditRow;
    int nSub = m_nEditSubItem;
    if (NotifyEndLabelEdit(nRow, nSub, strText, bAccept))
    {
        SetItemText(nRow, nSub, strText);
        OnLabelEdited(nRow, nSub);
    }
    else
        SetItemText(nRow, nSub, m_strTextBeforeEdit);
    BOOL bHadFocus = ::GetFocus() == m_pEdit->m_hWnd;
    m_nEditRow = -1;
    m_pEdit->DestroyWindow();
    if (bHadFocus)
        m_pWnd->SetFocus();
    ReMeasureAllItems();
    m_pWnd->Invalidate(TRUE);
    return TRUE;
}

void SECListEngine::OnEditKillFocus()
{
    EndLabelEdit(TRUE);
}

void SECListEngine::OnEditUpdate()
{
    if (m_pEdit->GetSafeHwnd() == NULL || m_nEditRow < 0 || m_bEndEditGuard)
        return;
    CString strText;
    m_pEdit->GetWindowText(strText);
    int nRow = m_nEditRow;
    SECListItem* pItem = GetRow(nRow);
    if (pItem == NULL)
        return;
    int cyBefore = pItem->m_cy;
    SetItemText(nRow, m_nEditSubItem, strText);
    ReMeasureItem(nRow);
    if (pItem->m_cy != cyBefore)
    {
        ReMeasureAllItems();
        InvalidateItems(nRow, FALSE, TRUE, TRUE, FALSE);
    }
    else
        InvalidateItems(nRow, FALSE, FALSE, FALSE, FALSE);
    int nCol = m_nClickColumn;
    CRect rcLabel;
    if (!GetCellRect(nRow, nCol, &rcLabel, LVIR_LABEL))
        return;
    CRect rcInside;
    GetInsideRectangle(&rcInside);
    CRect rc(rcLabel.left - 4, rcLabel.top - 1, rcLabel.right + 14, rcLabel.bottom + 1);
    if (rc.left < 0)
        rc.OffsetRect(-rc.left, 0);
    int xLimit = GetColumnCount() > 1 ? GetColumnRight(nCol) : (int)rcInside.right;
    rc.right = std::min((int)rc.right, xLimit);
    m_pEdit->SetWindowPos(NULL, 0, 0, rc.Width(), rc.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
