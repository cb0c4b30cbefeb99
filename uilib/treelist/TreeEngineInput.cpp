// SECTreeEngine: notifications, hit testing, keys, mouse, timers.
#include "TreeEngine.h"

LRESULT SECTreeEngine::SendTree(NMHDR* pHdr, int nCode)
{
    HWND hWnd = m_pWnd->m_hWnd;
    pHdr->hwndFrom = hWnd;
    pHdr->idFrom = hWnd != NULL ? ::GetDlgCtrlID(hWnd) : 0;
    pHdr->code = (UINT)nCode;
    CWnd* pTarget = GetNotifyTarget();
    if (pTarget == NULL || pTarget->GetSafeHwnd() == NULL)
        return 0;
    return ::SendMessage(pTarget->GetSafeHwnd(), WM_NOTIFY, pHdr->idFrom, (LPARAM)pHdr);
}

void SECTreeEngine::SendSelNotify(int nCode, int nRow, int nOldRow, UINT nAction, LRESULT* pResult)
{
    NMTREEVIEWA nm;
    memset(&nm, 0, sizeof(nm));
    nm.action = nAction;
    if (_Node* pOld = NodeOfRow(nOldRow))
    {
        nm.itemOld = pOld->m_item;
        nm.itemOld.hItem = pOld->Handle();
    }
    if (_Node* pNew = NodeOfRow(nRow))
    {
        nm.itemNew = pNew->m_item;
        nm.itemNew.hItem = pNew->Handle();
    }
    LRESULT l = SendTree(&nm.hdr, nCode);
    if (pResult != NULL)
        *pResult = l;
}

BOOL SECTreeEngine::OnSelChanging(int nRow, int nOldFocus, BOOL bByMouse)
{
    LRESULT l = 0;
    SendSelNotify(TVN_SELCHANGINGA, nRow, nOldFocus, bByMouse ? TVC_BYMOUSE : TVC_BYKEYBOARD, &l);
    m_bVetoed = l != 0;
    return l != 0;
}

void SECTreeEngine::OnSelChanged(int nRow, int nOldFocus, BOOL bByMouse)
{
    SendSelNotify(TVN_SELCHANGEDA, nRow, nOldFocus, bByMouse ? TVC_BYMOUSE : TVC_BYKEYBOARD, NULL);
}

void SECTreeEngine::OnBeginDrag(int nRow, CPoint pt)
{
    if (m_dwTreeStyle & TreeStyle::DISABLE_DRAG)
        return;
    NMTREEVIEWA nm;
    memset(&nm, 0, sizeof(nm));
    if (_Node* p = NodeOfRow(nRow))
    {
        nm.itemNew = p->m_item;
        nm.itemNew.hItem = p->Handle();
    }
    nm.ptDrag = pt;
    SendTree(&nm.hdr, TVN_BEGINDRAGA);
}

void SECTreeEngine::OnBeginRDrag(int nRow, CPoint pt)
{
    if (m_dwTreeStyle & TreeStyle::DISABLE_DRAG)
        return;
    NMTREEVIEWA nm;
    memset(&nm, 0, sizeof(nm));
    if (_Node* p = NodeOfRow(nRow))
    {
        nm.itemNew = p->m_item;
        nm.itemNew.hItem = p->Handle();
    }
    nm.ptDrag = pt;
    SendTree(&nm.hdr, TVN_BEGINRDRAGA);
}

LRESULT SECTreeEngine::NotifyTreeGetDispInfo(TVITEMA* pItem)
{
    NMTVDISPINFOA info;
    memset(&info, 0, sizeof(info));
    info.item = *pItem;
    LRESULT l = SendTree(&info.hdr, TVN_GETDISPINFOA);
    *pItem = info.item;
    return l;
}

LRESULT SECTreeEngine::NotifyTreeSetDispInfo(TVITEMA* pItem)
{
    NMTVDISPINFOA info;
    memset(&info, 0, sizeof(info));
    info.item = *pItem;
    return SendTree(&info.hdr, TVN_SETDISPINFOA);
}

// Any non-zero answer refuses the edit (the list refuses only on 1).
LRESULT SECTreeEngine::NotifyBeginLabelEdit(int nRow, int nSubItem)
{
    if (nSubItem != 0)
        return SECListEngine::NotifyBeginLabelEdit(nRow, nSubItem);
    _Node* pNode = NodeOfRow(nRow);
    if (pNode == NULL)
        return 1;
    NMTVDISPINFOA info;
    memset(&info, 0, sizeof(info));
    info.item = pNode->m_item;
    info.item.hItem = pNode->Handle();
    info.item.mask |= TVIF_TEXT;
    return SendTree(&info.hdr, TVN_BEGINLABELEDITA) != 0 ? 1 : 0;
}

BOOL SECTreeEngine::NotifyEndLabelEdit(int nRow, int nSubItem, CString& strText, BOOL bAccept)
{
    if (nSubItem != 0)
        return SECListEngine::NotifyEndLabelEdit(nRow, nSubItem, strText, bAccept);
    _Node* pNode = NodeOfRow(nRow);
    if (pNode == NULL)
        return FALSE;
    NMTVDISPINFOA info;
    memset(&info, 0, sizeof(info));
    info.item = pNode->m_item;
    info.item.hItem = pNode->Handle();
    info.item.mask |= TVIF_TEXT;
    std::vector<char> buffer;
    if (bAccept)
    {
        buffer.assign(ListMetrics::TEXT_BUFFER, '\0');
        ListText::CopyBounded(buffer.data(), ListMetrics::TEXT_BUFFER, strText);
        info.item.pszText = buffer.data();
        info.item.cchTextMax = ListMetrics::TEXT_BUFFER;
    }
    else
        info.item.pszText = NULL;
    LRESULT l = SendTree(&info.hdr, TVN_ENDLABELEDITA);
    if (bAccept && l != 0)
    {
        buffer[ListMetrics::TEXT_BUFFER - 1] = '\0';
        strText = buffer.data();
        return TRUE;
    }
    return FALSE;
}

BOOL SECTreeEngine::EndLabelEdit(BOOL bAccept)
{
    int nRow = m_nEditRow;
    int nSub = m_nEditSubItem;
    HTREEITEM hItem = ItemOfRow(nRow);
    BOOL bEnded = SECListEngine::EndLabelEdit(bAccept);
    if (bEnded && nSub == 0 && hItem != NULL)
    {
        static const UINT s_nEndEditMsg = ::RegisterWindowMessageA("SECTreeCtrlNotifyEndLabelEditRegMsg");
        CWnd* pTarget = GetNotifyTarget();
        if (pTarget != NULL && pTarget->GetSafeHwnd() != NULL)
            ::SendMessage(pTarget->GetSafeHwnd(), s_nEndEditMsg, (WPARAM)m_pWnd->GetDlgCtrlID(),
                          (LPARAM)hItem);
    }
    return bEnded;
}

void SECTreeEngine::NotifyKeyDown(UINT nKey)
{
    NMTVKEYDOWN nm;
    memset(&nm, 0, sizeof(nm));
    nm.wVKey = (WORD)nKey;
    SendTree(&nm.hdr, TVN_KEYDOWN);
}

LRESULT SECTreeEngine::NotifyGetDispInfo(LVITEMA* pItem)
{
    if (m_pStorage != NULL && pItem->iSubItem > 0 && (pItem->mask & LVIF_TEXT))
    {
        HTREEITEM hItem = ItemOfRow(pItem->iItem);
        int nCol = 0;
        for (int i = 0; i < GetColumnCount(); ++i)
            if (GetSubItemOfColumn(i) == pItem->iSubItem)
                nCol = i;
        CString strText = m_pStorage->GetText(hItem, nCol);
        if (pItem->pszText != NULL && pItem->cchTextMax > 0)
            ListText::CopyBounded(pItem->pszText, pItem->cchTextMax, strText);
        return 0;
    }
    return SECListEngine::NotifyGetDispInfo(pItem);
}

void SECTreeEngine::OnSetItemCallback(LVITEMA* pItem)
{
    if (m_pStorage != NULL && pItem->iSubItem > 0 && (pItem->mask & LVIF_TEXT) &&
        !ListText::IsCallback(pItem->pszText))
    {
        int nCol = 0;
        for (int i = 0; i < GetColumnCount(); ++i)
            if (GetSubItemOfColumn(i) == pItem->iSubItem)
                nCol = i;
        m_pStorage->SetSubItemText(ItemOfRow(pItem->iItem), nCol, pItem->pszText);
    }
}

// ---- hit testing

HTREEITEM SECTreeEngine::HitTest(CPoint pt, UINT* pFlags)
{
    UINT nListFlags = 0;
    int nCol = -1;
    int nRow = SECListEngine::HitTest(pt.x, pt.y, nListFlags, nCol);
    UINT nFlags = 0;
    HTREEITEM hItem = NULL;
    if (nListFlags & ListHit::IN_ROW)
    {
        hItem = ItemOfRow(nRow);
        if (nListFlags & ListHit::ON_LABEL)
            nFlags = TreeHit::ON_LABEL;
        else if (nListFlags & ListHit::ON_ICON)
            nFlags = TreeHit::ON_IMAGE;
        else if (nListFlags & ListHit::RIGHT_OF_LABEL)
            nFlags = TreeHit::RIGHT_OF_LABEL;
        else if (nListFlags & ListHit::ON_STATE_ICON)
            nFlags = TreeHit::ON_STATE_IMAGE;
        else if (nListFlags & ListHit::LEFT_OF_LABEL)
        {
            CRect rcButton;
            GetButtonRect(rcButton, nRow, CPoint(GetColumnLeft(0), RowTop(nRow)));
            if ((m_dwTreeStyle & TreeStyle::HAS_BUTTONS) && rcButton.PtInRect(pt))
                nFlags = TreeHit::ON_BUTTON;
            else
                nFlags = TreeHit::ON_INDENT;
        }
        else
        {
            nFlags = TreeHit::ON_ITEM_ROW;
            if (!(m_dwListStyleEx & ListStyle::EX_FULL_ROW_SELECT))
                hItem = NULL;
        }
    }
    else
    {
        static const struct
        {
            UINT list, tree;
        } map[] = {{ListHit::NOWHERE, TreeHit::NOWHERE},    {ListHit::ABOVE, TreeHit::ABOVE},
                   {ListHit::BELOW, TreeHit::BELOW},        {ListHit::TO_RIGHT, TreeHit::TO_RIGHT},
                   {ListHit::TO_LEFT, TreeHit::TO_LEFT},    {ListHit::ON_DIVIDER, TreeHit::ON_DIVIDER},
                   {ListHit::ON_HEADER, TreeHit::ON_HEADER}};
        for (const auto& m : map)
            if (nListFlags & m.list)
                nFlags |= m.tree;
    }
    if (pFlags != NULL)
        *pFlags = nFlags;
    return hItem;
}

HTREEITEM SECTreeEngine::HitTest(TVHITTESTINFO* pInfo)
{
    UINT nFlags = 0;
    pInfo->hItem = HitTest(CPoint(pInfo->pt), &nFlags);
    pInfo->flags = nFlags;
    return pInfo->hItem;
}

// ---- keys

void SECTreeEngine::OnKeyLeft(int nFocus, int, BOOL, BOOL, UINT, UINT)
{
    _Node* pNode = NodeOfRow(nFocus);
    if (pNode == NULL)
        return;
    if (pNode->IsExpanded() && HasChildrenFor(pNode))
    {
        m_nExpandAction = TVC_BYKEYBOARD;
        Expand(pNode->Handle(), TVE_COLLAPSE, TRUE, FALSE);
        m_nExpandAction = 0;
    }
    else if (pNode->Parent() != NULL && pNode->Parent() != m_pRoot)
    {
        int nParentRow = RowOfNode(pNode->Parent());
        if (ChangeSelection(nParentRow, 0, FALSE))
        {
            OnSelectItem(nParentRow, FALSE);
            EnsureVisible(nParentRow);
        }
    }
    if (m_pTip->GetSafeHwnd() != NULL && m_pTip->IsWindowVisible())
        m_pTip->Hide();
}

void SECTreeEngine::OnKeyBack(int nFocus, int nSub, BOOL bShift, BOOL bCtrl, UINT nRep, UINT nFlags)
{
    OnKeyLeft(nFocus, nSub, bShift, bCtrl, nRep, nFlags);
}

void SECTreeEngine::OnKeyRight(int nFocus, int, BOOL, BOOL, UINT, UINT)
{
    _Node* pNode = NodeOfRow(nFocus);
    if (pNode == NULL)
        return;
    if (pNode->IsExpanded() && pNode->RawFirstChild() != NULL)
    {
        int nChildRow = RowOfNode(pNode->FirstChild());
        if (nChildRow >= 0 && ChangeSelection(nChildRow, 0, FALSE))
        {
            OnSelectItem(nChildRow, FALSE);
            EnsureVisible(nChildRow);
        }
    }
    else if (!pNode->IsExpanded() && HasChildrenFor(pNode))
        Expand(pNode->Handle(), TVE_EXPAND, TRUE, FALSE);
    if (m_pTip->GetSafeHwnd() != NULL && m_pTip->IsWindowVisible())
        m_pTip->Hide();
}

void SECTreeEngine::OnKeyMultiply(int nFocus, int, BOOL, BOOL, UINT, UINT)
{
    _Node* pNode = NodeOfRow(nFocus);
    if (pNode == NULL)
        return;
    ExpandAll(pNode);
    RecalcLayout();
    m_pWnd->Invalidate(TRUE);
}

// ---- mouse

void SECTreeEngine::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pTip->GetSafeHwnd() != NULL && m_pTip->IsWindowVisible())
        m_pWnd->SendMessage(WM_MOUSEACTIVATE, (WPARAM)m_pWnd->GetParentFrame()->GetSafeHwnd(),
                            MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    if (::GetFocus() != m_pWnd->m_hWnd)
        m_pWnd->SetFocus();
    UINT nHit = 0;
    HTREEITEM hItem = HitTest(point, &nHit);
    if ((m_dwTreeStyle & TreeStyle::SINGLE_EXPAND) && m_nFocusIndex >= 0 && hItem != NULL)
    {
        _Node* pOld = NodeOfRow(m_nFocusIndex);
        SECListEngine::OnLButtonDown(nFlags, point);
        _Node* pNew = NodeOfRow(m_nFocusIndex);
        if (pNew == NULL || pNew->Handle() != hItem)
            return;
        if (pNew != pOld)
        {
            if (pOld != NULL && pOld->IsExpanded() && !pOld->IsAncestorOf(pNew))
                Expand(pOld->Handle(), TVE_COLLAPSE, TRUE, FALSE);
            Expand(hItem, TVE_EXPAND, TRUE, FALSE);
        }
        else
            Expand(hItem, TVE_TOGGLE, TRUE, FALSE);
        return;
    }
    if (nHit == TreeHit::ON_BUTTON && hItem != NULL)
    {
        m_nExpandAction = TVC_BYMOUSE;
        Expand(hItem, TVE_TOGGLE, TRUE, FALSE);
        m_nExpandAction = 0;
        return;
    }
    SECListEngine::OnLButtonDown(nFlags, point);
}

void SECTreeEngine::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    SECListEngine::OnLButtonDblClk(nFlags, point);
    BOOL bModifiers = ::GetKeyState(VK_SHIFT) < 0 || ::GetKeyState(VK_CONTROL) < 0;
    if (m_lLastResult == 0 && !bModifiers)
    {
        UINT nHit = 0;
        HTREEITEM hItem = HitTest(point, &nHit);
        if (hItem != NULL &&
            (nHit == TreeHit::ON_IMAGE || nHit == TreeHit::ON_LABEL || nHit == TreeHit::ON_BUTTON))
            Expand(hItem, TVE_TOGGLE, TRUE, FALSE);
    }
    if (m_pTip->GetSafeHwnd() != NULL && m_pTip->IsWindowVisible())
        m_pTip->Hide();
}

// The auto-expand timer has its own id: the type-ahead's timer 3 is left to the list.
BOOL SECTreeEngine::OnAutoExpandTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == SEC_TREE_AUTO_EXPAND_TIMER)
    {
        m_pWnd->KillTimer(SEC_TREE_AUTO_EXPAND_TIMER);
        m_nAutoExpandTimer = 0;
        if (m_dwTreeStyleEx & TreeStyle::EX_AUTO_EXPAND)
        {
            _Node* pNode = NodeOfRow(m_nDropHilite);
            if (pNode != NULL && !pNode->IsExpanded())
            {
                Expand(pNode->Handle(), TVE_EXPAND, TRUE, FALSE);
                m_pWnd->UpdateWindow();
            }
        }
        return TRUE;
    }
    return FALSE;
}

BOOL SECTreeEngine::SwallowsChar(UINT nChar)
{
    return nChar == '-' || nChar == '_' || nChar == '=' || nChar == '+' || nChar == '*';
}
