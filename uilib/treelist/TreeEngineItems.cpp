// SECTreeEngine: items, rows of shown nodes, navigation, expansion, deletion, styles, columns.
#include "TreeEngine.h"
#include <mbstring.h>

SECTreeEngine::SECTreeEngine()
{
    m_pRoot = CreateNode();
    m_pRoot->SetExpanded(TRUE);
    m_dwListStyle |= ListStyle::VIEW_REPORT | ListStyle::SHARE_IMAGE_LISTS;
    // The list follows the tree's extended style from the start: single selection, one line,
    // no header.
    SetTreeStyleEx(0, FALSE);
}

SECTreeEngine::~SECTreeEngine()
{
    // Rows go first (they point at nodes); then the nodes.
    for (SECListItem* p : m_arrItems)
        delete p;
    m_arrItems.clear();
    delete m_pStorage;
    delete m_pRoot;
}

BOOL SECTreeEngine::CreateEx(DWORD dwStyle, DWORD dwExStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                             CCreateContext* pContext)
{
    if (GetColumnCount() == 0)
        SECListEngine::InsertColumn(0, _T(""), LVCFMT_LEFT, -1, -1, -1, FALSE);
    return SECListEngine::CreateEx(dwStyle, dwExStyle, rect, pParentWnd, nID, pContext);
}

BOOL SECTreeEngine::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                           CCreateContext* pContext)
{
    return CreateEx(dwStyle, 0, rect, pParentWnd, nID, pContext);
}

void SECTreeEngine::SplitCreateStyles(CREATESTRUCT& cs)
{
    DWORD dwTree = cs.style & TreeStyle::FROM_WINDOW_STYLE;
    cs.style &= ~dwTree;
    ModifyTreeStyle(0, dwTree, FALSE);
    DWORD dwTreeEx = cs.dwExStyle & TreeStyle::EX_FROM_WINDOW_STYLE;
    cs.dwExStyle &= ~dwTreeEx;
    ModifyTreeStyleEx(0, dwTreeEx, FALSE);
    SECListEngine::SplitCreateStyles(cs);
}

BOOL SECTreeEngine::CreateFromDlgItem(UINT nID, CWnd* pParent)
{
    HWND hItem = ::GetDlgItem(pParent->GetSafeHwnd(), nID);
    if (hItem == NULL)
        return 0;
    DWORD dwStyle = (DWORD)::GetWindowLongPtr(hItem, GWL_STYLE);
    DWORD dwExStyle = (DWORD)::GetWindowLongPtr(hItem, GWL_EXSTYLE);
    if ((dwStyle & TVS_NOTOOLTIPS) == 0)
        dwExStyle |= TreeStyle::EX_ITEM_TIPS;
    HWND hBefore = ::GetWindow(hItem, GW_HWNDPREV);
    CRect rect;
    ::GetWindowRect(hItem, &rect);
    pParent->ScreenToClient(&rect);
    ::DestroyWindow(hItem);
    if (!CreateEx(dwStyle, dwExStyle, rect, pParent, nID))
        return 0;
    ::SetWindowPos(m_pWnd->m_hWnd, hBefore != NULL ? hBefore : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return 1;
}

// ---- nodes and rows

_Node* SECTreeEngine::NodeFromHandle(HTREEITEM hItem) const
{
    if (hItem == NULL || hItem == TVI_ROOT)
        return m_pRoot;
    _Node* p = (_Node*)hItem;
    return m_nodes.count(p) != 0 ? p : NULL;
}

_Node* SECTreeEngine::NodeOfRow(int nRow) const
{
    SECTreeRow* pRow = static_cast<SECTreeRow*>(GetRow(nRow));
    return pRow != NULL ? pRow->m_pNode : NULL;
}

HTREEITEM SECTreeEngine::ItemOfRow(int nRow) const
{
    _Node* p = NodeOfRow(nRow);
    return p != NULL ? p->Handle() : NULL;
}

LPCSTR SECTreeEngine::PeekLabel(int nRow) const
{
    const _Node* pNode = NodeOfRow(nRow);
    if (pNode == NULL || pNode->IsCallbackLabel())
        return NULL;
    return pNode->m_item.pszText != NULL ? pNode->m_item.pszText : "";
}

int SECTreeEngine::RowOfNode(_Node* pNode)
{
    if (pNode == NULL || pNode->m_pRow == NULL)
        return -1;
    SECTreeRow* pRow = static_cast<SECTreeRow*>(pNode->m_pRow);
    int n = pRow->m_nIndexHint;
    if (n >= 0 && n < GetItemCount() && m_arrItems[n] == pRow)
        return n;
    n = FindRow(pRow);
    if (n >= GetItemCount())
        return -1;
    pRow->m_nIndexHint = n;
    return n;
}

int SECTreeEngine::RowOfItem(HTREEITEM hItem)
{
    return RowOfNode(NodeFromHandle(hItem));
}

SECListItem* SECTreeEngine::CreateItem()
{
    SECTreeRow* pRow = new SECTreeRow;
    if (InitItem(pRow) != 0)
    {
        delete pRow;
        return NULL;
    }
    return pRow;
}

UINT SECTreeEngine::InheritedStateEx(_Node* pNode) const
{
    UINT n = 0;
    for (_Node* p = pNode; p != NULL && p != m_pRoot; p = p->Parent())
        n |= p->m_nStateEx & 0x300;
    return n;
}

BOOL SECTreeEngine::IsShown(_Node* pNode) const
{
    if (pNode == NULL || pNode == m_pRoot)
        return FALSE;
    if (pNode->m_nStateEx & 0x200)
        return FALSE;
    for (_Node* p = pNode->Parent(); p != NULL && p != m_pRoot; p = p->Parent())
        if (!p->IsExpanded() || (p->m_nStateEx & 0x200))
            return FALSE;
    return TRUE;
}

_Node* SECTreeEngine::PrevShownNode(_Node* pNode) const
{
    for (_Node* p = static_cast<_Node*>(pNode->GetPrevInOrder()); p != NULL && p != m_pRoot;
         p = static_cast<_Node*>(p->GetPrevInOrder()))
        if (IsShown(p))
            return p;
    return NULL;
}

_Node* SECTreeEngine::NextShownNode(_Node* pNode) const
{
    for (_Node* p = static_cast<_Node*>(pNode->GetNextInOrder()); p != NULL;
         p = static_cast<_Node*>(p->GetNextInOrder()))
        if (IsShown(p))
            return p;
    return NULL;
}

BOOL SECTreeEngine::AddRowFor(_Node* pNode, int nRow)
{
    SECTreeRow* pRow = static_cast<SECTreeRow*>(CreateItem());
    if (pRow == NULL)
        return FALSE;
    pRow->m_pNode = pNode;
    pRow->m_nStateEx = InheritedStateEx(pNode);
    if (pNode->m_cyRow != 0)
        pRow->m_cy = (int)pNode->m_cyRow;
    pRow->m_nState = pNode->m_item.state & (TVIS_CUT | 0xF000 | (pNode->m_item.state & 0x0F00 ? 0x0F00 : 0));
    pNode->m_pRow = pRow;
    nRow = SECListEngine::InsertItem(nRow, pRow);
    pRow->m_nIndexHint = nRow;
    if (pNode->m_item.state & TVIS_SELECTED)
    {
        BOOL bChanged = FALSE;
        SetSelected(nRow, TRUE, bChanged);
    }
    return TRUE;
}

// Rows for the shown children of pNode (and theirs, when expanded) after nPos, which ends on the
// last row made. In the animated style the first rows of an expansion are painted one by one.
void SECTreeEngine::InsertDescendantRows(_Node* pNode, int& nPos)
{
    if (nPos == -1)
        return;
    BOOL bAnimate = (m_dwTreeStyleEx & TreeStyle::EX_ANIMATE) != 0 && m_pWnd->m_hWnd != NULL;
    for (_Node* p = pNode->FirstChild(); p != NULL; p = p->Next())
    {
        if (p->m_nStateEx & 0x200)
            continue;
        AddRowFor(p, ++nPos);
        if (bAnimate && ++m_nAnimationCount <= m_nAnimationSteps)
        {
            MeasureItem(nPos, NULL); // the new row's band is empty until measured
            InvalidateItems(nPos, FALSE, TRUE, m_bViewHosted, TRUE);
        }
        if (p->IsExpanded())
            InsertDescendantRows(p, nPos);
    }
}

// Takes away the rows of pNode's subtree below its row nRow; in the animated style one at a time,
// the window updated about five times however many go.
void SECTreeEngine::RemoveDescendantRows(_Node* pNode, int nRow)
{
    if (nRow == -1)
        return;
    int nCount = CountRowsBelow(pNode, nRow);
    for (int i = nRow + 1; i <= nRow + nCount; ++i)
        NodeOfRow(i)->m_item.state &= ~TVIS_SELECTED;
    if (nCount == 0)
        return;
    if ((m_dwTreeStyleEx & TreeStyle::EX_ANIMATE) == 0 || m_pWnd->m_hWnd == NULL)
    {
        for (int i = nRow + 1; i <= nRow + nCount; ++i)
            NodeOfRow(i)->m_pRow = NULL;
        SECListEngine::DeleteItem(nRow + 1, nCount);
        return;
    }
    int nStep = std::max(1, nCount / m_nAnimationSteps);
    for (int k = 0; k < nCount; ++k)
    {
        NodeOfRow(nRow + 1)->m_pRow = NULL;
        SECListEngine::DeleteItem(nRow + 1, 1);
        if (k % nStep == 0)
            m_pWnd->UpdateWindow();
    }
    m_pWnd->UpdateWindow();
}

// Rows after nRow that belong to pNode's subtree.
int SECTreeEngine::CountRowsBelow(_Node* pNode, int nRow)
{
    int n = 0;
    for (int i = nRow + 1; i < GetItemCount(); ++i)
    {
        if (!pNode->IsAncestorOf(NodeOfRow(i)))
            break;
        ++n;
    }
    return n;
}

void SECTreeEngine::RemoveRowOf(_Node* pNode)
{
    int nRow = RowOfNode(pNode);
    if (nRow < 0)
        return;
    pNode->m_pRow = NULL;
    SECListEngine::DeleteItem(nRow, 1);
}

// Gives every shown node a row and takes the rows of the others; FALSE when a row could not be
// made.
BOOL SECTreeEngine::SyncRows()
{
    for (_Node* p = static_cast<_Node*>(m_pRoot->GetNextInOrder()); p != NULL;
         p = static_cast<_Node*>(p->GetNextInOrder()))
    {
        BOOL bShown = IsShown(p);
        if (bShown && p->m_pRow == NULL)
        {
            _Node* pPrev = PrevShownNode(p);
            if (!AddRowFor(p, pPrev != NULL ? RowOfNode(pPrev) + 1 : 0))
                return FALSE;
        }
        else if (!bShown && p->m_pRow != NULL)
        {
            p->m_item.state &= ~TVIS_SELECTED;
            RemoveRowOf(p);
        }
    }
    return TRUE;
}

// ---- item records

void SECTreeEngine::ApplyToNode(_Node* pNode, const TVITEMA* pItem, UINT& nTell)
{
    nTell = 0;
    UINT mask = pItem->mask;
    if (mask & TVIF_IMAGE)
    {
        if (pNode->m_item.iImage == I_IMAGECALLBACK)
            nTell |= TVIF_IMAGE;
        else
            pNode->m_item.iImage = pItem->iImage;
    }
    if (mask & TVIF_SELECTEDIMAGE)
    {
        if (pNode->m_item.iSelectedImage == I_IMAGECALLBACK)
            nTell |= TVIF_SELECTEDIMAGE;
        else
            pNode->m_item.iSelectedImage = pItem->iSelectedImage;
    }
    if (mask & TVIF_CHILDREN)
    {
        if (pNode->m_item.cChildren == I_CHILDRENCALLBACK)
            nTell |= TVIF_CHILDREN;
        else
            pNode->m_item.cChildren = pItem->cChildren;
    }
    if (mask & TVIF_PARAM)
        pNode->m_item.lParam = pItem->lParam;
    if (mask & TVIF_STATE)
        pNode->m_item.state = (pNode->m_item.state & ~pItem->stateMask) | (pItem->state & pItem->stateMask);
    if (mask & TVIF_TEXT)
    {
        ++m_nTextStamp;
        if (ListText::IsCallback(pItem->pszText))
        {
            ListText::Free(pNode->m_item.pszText);
            pNode->m_item.pszText = LPSTR_TEXTCALLBACKA;
        }
        else if (pNode->IsCallbackLabel())
            nTell |= TVIF_TEXT;
        else
            pNode->SetLabel(pItem->pszText);
    }
}

void SECTreeEngine::ApplyToRow(_Node* pNode, const TVITEMA* pItem)
{
    int nRow = RowOfNode(pNode);
    if (nRow < 0)
        return;
    SECListItem* pRow = GetRow(nRow);
    if (pItem->mask & TVIF_STATE)
    {
        UINT nMask = pItem->stateMask & (TVIS_CUT | TVIS_DROPHILITED | TVIS_SELECTED | 0xF000);
        UINT nState = pItem->state;
        if (pItem->stateMask & 0x0F00)
        {
            nMask |= 0x0F00;
            nState = (nState & ~0x0F00) | ((pItem->state & 0x0F00) ? 0x0F00 : 0);
        }
        if (nMask != 0)
        {
            LVITEMA lv;
            memset(&lv, 0, sizeof(lv));
            lv.mask = LVIF_STATE;
            lv.iItem = nRow;
            lv.state = nState;
            lv.stateMask = nMask;
            SECListEngine::SetItem(&lv, FALSE);
        }
    }
    if (pItem->mask & TVIF_IMAGE)
        pRow->m_nImage = pNode->m_item.iImage;
    BOOL bLook =
        (pItem->mask & (TVIF_TEXT | TVIF_IMAGE)) ||
        ((pItem->mask & TVIF_STATE) && (pItem->stateMask & (TVIS_DROPHILITED | 0x0F00 | 0xF000 | TVIS_BOLD)));
    if ((pItem->mask & TVIF_STATE) && (pItem->stateMask & (TVIS_SELECTED | TVIS_CUT)))
        bLook = TRUE;
    if (bLook && nRow != m_nEditRow && m_pWnd->m_hWnd != NULL)
    {
        ReMeasureItem(nRow);
        InvalidateItems(nRow, FALSE, FALSE, FALSE, FALSE);
    }
}

BOOL SECTreeEngine::SetItem(TVITEMA* pItem)
{
    _Node* pNode = pItem != NULL ? NodeFromHandle(pItem->hItem) : NULL;
    if (pNode == NULL || pNode == m_pRoot)
        return FALSE;
    UINT nTell = 0;
    ApplyToNode(pNode, pItem, nTell);
    if (nTell != 0)
    {
        TVITEMA tell = *pItem;
        tell.mask = nTell | TVIF_HANDLE;
        tell.lParam = pNode->m_item.lParam;
        NotifyTreeSetDispInfo(&tell);
    }
    ApplyToRow(pNode, pItem);
    return TRUE;
}

void SECTreeEngine::FillRecord(_Node* pNode, TVITEMA* pItem)
{
    UINT mask = pItem->mask;
    LPSTR pszBuffer = pItem->pszText;
    int cchMax = pItem->cchTextMax;
    UINT nStateMask = pItem->stateMask;
    *pItem = pNode->m_item;
    pItem->mask = mask;
    pItem->hItem = pNode->Handle();
    pItem->pszText = pszBuffer;
    pItem->cchTextMax = cchMax;
    pItem->stateMask = nStateMask;
    UINT nState = pNode->m_item.state;
    int nRow = RowOfNode(pNode);
    if (nRow >= 0)
    {
        nState &= ~(TVIS_SELECTED | TVIS_DROPHILITED);
        if (IsSelected(nRow))
            nState |= TVIS_SELECTED;
        if (m_nDropHilite == nRow)
            nState |= TVIS_DROPHILITED;
    }
    pItem->state = nState & nStateMask;
}

BOOL SECTreeEngine::GetItem(TVITEMA* pItem, BOOL bCopyText, BOOL bResolve)
{
    _Node* pNode = pItem != NULL ? NodeFromHandle(pItem->hItem) : NULL;
    if (pNode == NULL || pNode == m_pRoot)
        return FALSE;
    UINT mask = pItem->mask;
    FillRecord(pNode, pItem);
    UINT nAsk = 0;
    if ((mask & TVIF_IMAGE) && pNode->m_item.iImage == I_IMAGECALLBACK)
        nAsk |= TVIF_IMAGE;
    if ((mask & TVIF_SELECTEDIMAGE) && pNode->m_item.iSelectedImage == I_IMAGECALLBACK)
        nAsk |= TVIF_SELECTEDIMAGE;
    if ((mask & TVIF_CHILDREN) && pNode->m_item.cChildren == I_CHILDRENCALLBACK)
        nAsk |= TVIF_CHILDREN;
    if (mask & TVIF_TEXT)
    {
        if (pNode->IsCallbackLabel())
        {
            if (!bResolve)
            {
                pItem->pszText = LPSTR_TEXTCALLBACKA;
                return TRUE;
            }
            nAsk |= TVIF_TEXT;
            if (bCopyText && pItem->pszText != NULL && pItem->cchTextMax > 0)
                pItem->pszText[0] = '\0';
        }
        else if (bCopyText)
            ListText::CopyBounded(pItem->pszText, pItem->cchTextMax, pNode->m_item.pszText);
        else
            pItem->pszText = pNode->m_item.pszText != NULL ? pNode->m_item.pszText : (LPSTR) "";
    }
    if (bResolve && nAsk != 0)
    {
        pItem->mask = nAsk;
        pItem->lParam = pNode->m_item.lParam;
        NotifyTreeGetDispInfo(pItem);
        pItem->mask = mask;
    }
    return TRUE;
}

// The list's record for column 0 is the row's node.
BOOL SECTreeEngine::SetItem(const LVITEMA* pItem, BOOL bRedraw)
{
    if (pItem == NULL || pItem->iSubItem != 0)
        return SECListEngine::SetItem(pItem, bRedraw);
    _Node* pNode = NodeOfRow(pItem->iItem);
    if (pNode == NULL)
        return FALSE;
    UINT nTell = 0;
    TVITEMA tv;
    memset(&tv, 0, sizeof(tv));
    tv.hItem = pNode->Handle();
    tv.mask = pItem->mask & (TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM);
    tv.pszText = pItem->pszText;
    tv.iImage = pItem->iImage;
    tv.lParam = pItem->lParam;
    if (pItem->mask & LVIF_STATE)
    {
        tv.mask |= TVIF_STATE;
        tv.state = pItem->state & ~LVIS_FOCUSED;
        tv.stateMask = pItem->stateMask & ~LVIS_FOCUSED;
    }
    if ((pItem->mask & LVIF_TEXT) && (pItem->mask & LVIF_DI_SETITEM) && pNode->IsCallbackLabel())
        pNode->SetLabel(pItem->pszText), tv.mask &= ~TVIF_TEXT, ++m_nTextStamp;
    ApplyToNode(pNode, &tv, nTell);
    if (nTell != 0)
    {
        tv.mask = nTell | TVIF_HANDLE;
        tv.lParam = pNode->m_item.lParam;
        NotifyTreeSetDispInfo(&tv);
    }
    if (pItem->mask & LVIF_STATE)
    {
        LVITEMA lv = *pItem;
        lv.mask = LVIF_STATE;
        SECListEngine::SetItem(&lv, bRedraw);
    }
    if ((pItem->mask & LVIF_TEXT) && pNode->m_pRow != NULL)
        pNode->m_pRow->m_bDirty = TRUE;
    return TRUE;
}

BOOL SECTreeEngine::GetItem(LVITEMA* pItem, BOOL bCopyText, BOOL bNotify)
{
    if (pItem == NULL || pItem->iSubItem != 0)
        return SECListEngine::GetItem(pItem, bCopyText, bNotify);
    _Node* pNode = NodeOfRow(pItem->iItem);
    if (pNode == NULL)
        return FALSE;
    TVITEMA tv;
    memset(&tv, 0, sizeof(tv));
    tv.hItem = pNode->Handle();
    tv.mask =
        (pItem->mask & (LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM)) | ((pItem->mask & LVIF_STATE) ? TVIF_STATE : 0);
    tv.pszText = pItem->pszText;
    tv.cchTextMax = pItem->cchTextMax;
    tv.stateMask = pItem->stateMask;
    if (!GetItem(&tv, bCopyText, bNotify))
        return FALSE;
    if (pItem->mask & LVIF_TEXT)
        pItem->pszText = tv.pszText;
    if (pItem->mask & LVIF_IMAGE)
        pItem->iImage = tv.iImage;
    pItem->lParam = tv.lParam;
    if (pItem->mask & LVIF_STATE)
    {
        UINT nState = tv.state;
        if ((pItem->stateMask & LVIS_FOCUSED) && m_nFocusIndex == pItem->iItem)
            nState |= LVIS_FOCUSED;
        pItem->state = nState & pItem->stateMask;
    }
    return TRUE;
}

LPARAM SECTreeEngine::GetItemParam(SECListItem* pItem) const
{
    SECTreeRow* pRow = static_cast<SECTreeRow*>(pItem);
    return pRow != NULL && pRow->m_pNode != NULL ? pRow->m_pNode->m_item.lParam : 0;
}

BOOL SECTreeEngine::IsCallbackItem(int nRow)
{
    _Node* pNode = NodeOfRow(nRow);
    if (pNode != NULL &&
        (pNode->IsCallbackLabel() || pNode->m_item.cChildren == I_CHILDRENCALLBACK ||
         pNode->m_item.iImage == I_IMAGECALLBACK || pNode->m_item.iSelectedImage == I_IMAGECALLBACK))
        return TRUE;
    return SECListEngine::IsCallbackItem(nRow);
}

// ---- insertion

HTREEITEM SECTreeEngine::InsertItem(LPCTSTR lpszText, HTREEITEM hParent, HTREEITEM hAfter)
{
    TVINSERTSTRUCTA ins;
    memset(&ins, 0, sizeof(ins));
    ins.hParent = hParent;
    ins.hInsertAfter = hAfter;
    ins.item.mask = TVIF_TEXT;
    ins.item.pszText = (LPSTR)lpszText;
    return InsertItem(&ins);
}

HTREEITEM SECTreeEngine::InsertItem(LPTVINSERTSTRUCTA pInsert)
{
    if (pInsert == NULL)
        return NULL;
    if (m_pRoot == NULL)
    {
        m_pRoot = CreateNode();
        m_pRoot->SetExpanded(TRUE);
    }
    _Node* pParent = NodeFromHandle(pInsert->hParent);
    if (pParent == NULL)
        return NULL;
    _Node* pNode = CreateNode();
    TVITEMA item = pInsert->item;
    item.mask |= TVIF_HANDLE;
    // A new node takes every field as given (callback markers included).
    if (item.mask & TVIF_TEXT)
        pNode->m_item.pszText =
            ListText::IsCallback(item.pszText) ? LPSTR_TEXTCALLBACKA : ListText::Copy(item.pszText);
    else
        pNode->SetLabel("");
    if (item.mask & TVIF_IMAGE)
        pNode->m_item.iImage = item.iImage;
    if (item.mask & TVIF_SELECTEDIMAGE)
        pNode->m_item.iSelectedImage = item.iSelectedImage;
    if (item.mask & TVIF_CHILDREN)
        pNode->m_item.cChildren = item.cChildren;
    if (item.mask & TVIF_PARAM)
        pNode->m_item.lParam = item.lParam;
    if (item.mask & TVIF_STATE)
        pNode->m_item.state = item.state & item.stateMask;
    HTREEITEM hAfter = pInsert->hInsertAfter;
    SECTreeNode* pAfter = SEC_NODE_LAST;
    if (hAfter == TVI_FIRST)
        pAfter = SEC_NODE_FIRST;
    else if (hAfter == TVI_SORT || hAfter == SEC_TVI_SORT_DESCENDING)
    {
        m_nodes.insert(pNode); // compared by handle
        _Node* pBefore = SortedPlace(pParent, pNode, hAfter == SEC_TVI_SORT_DESCENDING);
        m_nodes.erase(pNode);
        if (pBefore != NULL)
            pAfter = pBefore->RawPrev() != NULL ? pBefore->RawPrev() : SEC_NODE_FIRST;
    }
    else if (hAfter != NULL && hAfter != TVI_ROOT && hAfter != TVI_LAST && pParent->RawFirstChild() != NULL)
    {
        _Node* pSibling = NodeFromHandle(hAfter);
        if (pSibling == NULL || pSibling == m_pRoot || pSibling->RawParent() != pParent)
        {
            delete pNode;
            return NULL;
        }
        pAfter = pSibling;
    }
    if (!pParent->AddChild(pNode, pAfter))
    {
        delete pNode;
        return NULL;
    }
    m_nodes.insert(pNode);
    if (m_sorted.pParent == pParent)
    {
        if (hAfter == TVI_SORT || hAfter == SEC_TVI_SORT_DESCENDING)
            m_sorted.Insert(pNode);
        else
            m_sorted.Reset();
    }
    pNode->SetExpanded((item.mask & TVIF_STATE) && (item.stateMask & TVIS_EXPANDED) &&
                       (item.state & TVIS_EXPANDED));
    if (IsShown(pNode))
    {
        _Node* pPrev = PrevShownNode(pNode);
        int nRow = pPrev != NULL ? RowOfNode(pPrev) + 1 : 0;
        AddRowFor(pNode, nRow);
        if (pNode->IsExpanded())
            InsertDescendantRows(pNode, nRow);
    }
    // A parent's button may appear.
    if (pParent != m_pRoot && pParent->m_pRow != NULL && m_pWnd->m_hWnd != NULL && m_bImmediateUpdate)
        InvalidateItems(RowOfNode(pParent), FALSE, FALSE, FALSE, FALSE);
    if (m_pWnd->m_hWnd != NULL)
    {
        if (m_bImmediateUpdate)
        {
            RecalcLayout();
            m_pWnd->Invalidate(FALSE);
        }
        else if (!m_bLayoutDirty)
        {
            m_bLayoutDirty = TRUE;
            m_pWnd->Invalidate(FALSE);
        }
    }
    return pNode->Handle();
}

// ---- deletion

void SECTreeEngine::NotifyTreeDeleteItem(_Node* pNode)
{
    NMTREEVIEWA nm;
    memset(&nm, 0, sizeof(nm));
    nm.itemOld.mask = TVIF_HANDLE | TVIF_PARAM;
    nm.itemOld.hItem = pNode->Handle();
    nm.itemOld.lParam = pNode->m_item.lParam;
    SendTree(&nm.hdr, TVN_DELETEITEMA);
}

BOOL SECTreeEngine::DeleteSingleNode(_Node* pNode)
{
    if (pNode->RawFirstChild() != NULL)
        return 0;
    if (m_sorted.pParent == pNode->RawParent() || m_sorted.pParent == pNode)
        m_sorted.Reset();
    pNode->Detach();
    RemoveRowOf(pNode);
    NotifyTreeDeleteItem(pNode);
    if (m_pStorage != NULL)
        m_pStorage->RemoveItem(pNode->Handle());
    m_nodes.erase(pNode);
    delete pNode;
    return 1;
}

BOOL SECTreeEngine::DeleteItem(HTREEITEM hItem)
{
    _Node* pNode = NodeFromHandle(hItem);
    if (pNode == NULL)
        return FALSE;
    if (pNode == m_pRoot)
    {
        EndLabelEdit(FALSE);
        // Rows first: they point at the nodes.
        SECListEngine::DeleteAllItems();
        m_sorted.Reset();
        while (SECTreeNode* pLeaf = m_pRoot->GetFirstLeaf())
        {
            _Node* p = static_cast<_Node*>(pLeaf);
            p->Detach();
            p->m_pRow = NULL;
            NotifyTreeDeleteItem(p);
            m_nodes.erase(p);
            delete p;
        }
        delete m_pRoot;
        m_nodes.clear();
        delete m_pStorage;
        m_pStorage = m_pStorage != NULL ? new SECSubItemTextStorage : NULL;
        m_pRoot = CreateNode();
        m_pRoot->SetExpanded(TRUE);
        return TRUE;
    }
    int nRow = RowOfNode(pNode);
    if (nRow >= 0 && m_nEditRow >= nRow && m_nEditRow <= nRow + CountRowsBelow(pNode, nRow))
        EndLabelEdit(FALSE);
    while (SECTreeNode* pLeaf = pNode->GetFirstLeaf())
        if (!DeleteSingleNode(static_cast<_Node*>(pLeaf)))
            return FALSE;
    _Node* pParent = pNode->Parent();
    BOOL bOk = DeleteSingleNode(pNode);
    if (pParent != NULL && pParent != m_pRoot && pParent->m_pRow != NULL && m_pWnd->m_hWnd != NULL)
        InvalidateItems(RowOfNode(pParent), FALSE, FALSE, FALSE, FALSE);
    return bOk;
}

BOOL SECTreeEngine::DeleteAllItems()
{
    DeleteItem(TVI_ROOT);
    if (m_pWnd->m_hWnd != NULL)
    {
        RecalcLayout();
        m_pWnd->Invalidate(TRUE);
    }
    return TRUE;
}

void SECTreeEngine::OnDestroy()
{
    DeleteItem(TVI_ROOT);
}

// ---- texts, data, state

CString SECTreeEngine::GetItemText(HTREEITEM hItem, int nCol)
{
    _Node* pNode = NodeFromHandle(hItem);
    if (pNode == NULL || pNode == m_pRoot)
        return CString();
    if (nCol == 0)
    {
        TVITEMA tv;
        memset(&tv, 0, sizeof(tv));
        tv.hItem = hItem;
        tv.mask = TVIF_TEXT;
        tv.pszText = m_pszTextBuffer;
        tv.cchTextMax = ListMetrics::TEXT_BUFFER;
        m_pszTextBuffer[0] = '\0';
        if (!GetItem(&tv, TRUE, TRUE))
            return CString();
        return CString(tv.pszText != NULL && !ListText::IsCallback(tv.pszText) ? tv.pszText : "");
    }
    if (m_pStorage != NULL)
        return m_pStorage->GetText(hItem, nCol);
    int nRow = RowOfNode(pNode);
    if (nRow < 0)
        return CString();
    char buf[ListMetrics::TEXT_BUFFER];
    SECListEngine::GetItemText(nRow, GetSubItemOfColumn(nCol), buf, sizeof(buf));
    return CString(buf);
}

BOOL SECTreeEngine::SetItemLabel(HTREEITEM hItem, LPCTSTR lpszText)
{
    TVITEMA tv;
    memset(&tv, 0, sizeof(tv));
    tv.hItem = hItem;
    tv.mask = TVIF_TEXT;
    tv.pszText = (LPSTR)lpszText;
    return SetItem(&tv);
}

BOOL SECTreeEngine::SetItemColumnText(HTREEITEM hItem, int nCol, LPCTSTR lpszText)
{
    if (nCol == 0)
        return SetItemLabel(hItem, lpszText);
    _Node* pNode = NodeFromHandle(hItem);
    if (pNode == NULL || pNode == m_pRoot || nCol < 0)
        return FALSE;
    int nRow = RowOfNode(pNode);
    if (m_pStorage != NULL)
    {
        if (nCol > GetColumnCount())
            return FALSE;
        m_pStorage->SetSubItemText(hItem, nCol, lpszText);
        if (nRow >= 0 && m_pWnd->m_hWnd != NULL)
        {
            ReMeasureItem(nRow);
            InvalidateItems(nRow, FALSE, FALSE, FALSE, FALSE);
        }
        return TRUE;
    }
    if (nRow < 0)
        return FALSE;
    return SECListEngine::SetItemText(nRow, GetSubItemOfColumn(nCol), lpszText);
}

DWORD_PTR SECTreeEngine::GetItemData(HTREEITEM hItem)
{
    _Node* pNode = NodeFromHandle(hItem);
    return pNode != NULL && pNode != m_pRoot ? (DWORD_PTR)pNode->m_item.lParam : 0;
}

BOOL SECTreeEngine::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    TVITEMA tv;
    memset(&tv, 0, sizeof(tv));
    tv.hItem = hItem;
    tv.mask = TVIF_PARAM;
    tv.lParam = (LPARAM)dwData;
    return SetItem(&tv);
}

BOOL SECTreeEngine::SetItemState(HTREEITEM hItem, UINT nState, UINT nMask)
{
    TVITEMA tv;
    memset(&tv, 0, sizeof(tv));
    tv.hItem = hItem;
    tv.mask = TVIF_STATE | TVIF_HANDLE;
    tv.state = nState;
    tv.stateMask = nMask;
    return SetItem(&tv);
}

UINT SECTreeEngine::GetItemStateBits(HTREEITEM hItem, UINT nMask)
{
    TVITEMA tv;
    memset(&tv, 0, sizeof(tv));
    tv.hItem = hItem;
    tv.mask = TVIF_STATE | TVIF_HANDLE;
    tv.stateMask = nMask;
    return GetItem(&tv, FALSE, FALSE) ? tv.state : 0;
}

UINT SECTreeEngine::GetRowStateBits(int nRow, UINT nMask) const
{
    _Node* pNode = NodeOfRow(nRow);
    return pNode != NULL ? (pNode->m_item.state & nMask) : 0;
}

BOOL SECTreeEngine::SetItemStateEx(HTREEITEM hItem, UINT nStateEx, BOOL bSet)
{
    _Node* pNode = NodeFromHandle(hItem);
    if (pNode == NULL || pNode == m_pRoot)
        return FALSE;
    nStateEx &= 0x300;
    UINT nOld = pNode->m_nStateEx;
    pNode->m_nStateEx = bSet ? (nOld | nStateEx) : (nOld & ~nStateEx);
    if ((nOld ^ pNode->m_nStateEx) & 0x200)
    {
        SyncRows();
        if (m_pWnd->m_hWnd != NULL)
        {
            RecalcLayout();
            m_pWnd->Invalidate(TRUE);
        }
    }
    // Rows of the subtree carry the inherited bits.
    for (int i = 0; i < GetItemCount(); ++i)
    {
        _Node* p = NodeOfRow(i);
        if (p == pNode || pNode->IsAncestorOf(p))
            GetRow(i)->m_nStateEx = InheritedStateEx(p);
    }
    if (m_pWnd->m_hWnd != NULL)
        m_pWnd->Invalidate(FALSE);
    return TRUE;
}

UINT SECTreeEngine::GetItemStateEx(HTREEITEM hItem)
{
    _Node* pNode = NodeFromHandle(hItem);
    if (pNode == NULL || pNode == m_pRoot)
        return 0;
    if (m_nExCallbackMask != 0)
        return QueryItemStateEx(hItem);
    return InheritedStateEx(pNode);
}

BOOL SECTreeEngine::HasChildrenFor(_Node* pNode)
{
    if (pNode->RawFirstChild() != NULL)
        return TRUE;
    int nChildren = pNode->m_item.cChildren;
    if (nChildren == I_CHILDRENCALLBACK)
    {
        TVITEMA tv;
        memset(&tv, 0, sizeof(tv));
        tv.hItem = pNode->Handle();
        tv.mask = TVIF_CHILDREN;
        GetItem(&tv, FALSE, TRUE);
        nChildren = tv.cChildren == I_CHILDRENCALLBACK ? 0 : tv.cChildren;
    }
    return nChildren > 0;
}

BOOL SECTreeEngine::ItemHasChildren(HTREEITEM hItem)
{
    _Node* pNode = NodeFromHandle(hItem);
    return pNode != NULL && HasChildrenFor(pNode);
}

// ---- navigation

HTREEITEM SECTreeEngine::GetNextItem(HTREEITEM hItem, UINT nCode)
{
    _Node* pNode = NodeFromHandle(hItem);
    if (pNode == NULL)
        return NULL;
    auto handle = [](_Node* p) { return p != NULL ? p->Handle() : (HTREEITEM)NULL; };
    BOOL bRoot = pNode == m_pRoot;
    switch (nCode)
    {
    case TVGN_ROOT:
        if (bRoot)
            return handle(m_pRoot->FirstChild());
        while (pNode->Parent() != NULL && pNode->Parent() != m_pRoot)
            pNode = pNode->Parent();
        return handle(pNode);
    case TVGN_NEXT:
        return bRoot ? NULL : handle(pNode->Next());
    case TVGN_PREVIOUS:
        return bRoot ? NULL : handle(pNode->Prev());
    case TVGN_PARENT:
        return bRoot || pNode->Parent() == m_pRoot ? NULL : handle(pNode->Parent());
    case TVGN_CHILD:
        return handle(pNode->FirstChild());
    case TVGN_FIRSTVISIBLE:
        return ItemOfRow(m_nTopIndex);
    case TVGN_NEXTVISIBLE: {
        if (bRoot)
            return NULL;
        int nRow = RowOfNode(pNode);
        if (nRow >= 0)
            return ItemOfRow(nRow + 1);
        return handle(NextShownNode(pNode));
    }
    case TVGN_PREVIOUSVISIBLE: {
        if (bRoot)
            return NULL;
        int nRow = RowOfNode(pNode);
        if (nRow >= 0)
            return nRow == 0 ? NULL : ItemOfRow(nRow - 1);
        return handle(PrevShownNode(pNode));
    }
    case TVGN_DROPHILITE:
        return ItemOfRow(m_nDropHilite);
    case TVGN_CARET:
        return ItemOfRow(m_nFocusIndex);
    case 32: // first selected
        return m_arrSel.empty() ? NULL : ItemOfRow(m_arrSel.front());
    case 33: // next selected below
    case 34: // next selected above
    {
        BOOL bDown = nCode == 33;
        int nRow = RowOfNode(pNode);
        if (nRow < 0)
        {
            _Node* pStart = bDown ? PrevShownNode(pNode) : NextShownNode(pNode);
            nRow = pStart != NULL ? RowOfNode(pStart) : (bDown ? -1 : GetItemCount());
        }
        for (int i = nRow + (bDown ? 1 : -1); i >= 0 && i < GetItemCount(); i += bDown ? 1 : -1)
            if (IsSelected(i))
                return ItemOfRow(i);
        return NULL;
    }
    default:
        return NULL;
    }
}

BOOL SECTreeEngine::EnsureItemVisible(HTREEITEM hItem, BOOL bWithParent)
{
    _Node* pNode = NodeFromHandle(hItem);
    if (pNode == NULL || pNode == m_pRoot)
        return FALSE;
    if (pNode->m_pRow == NULL)
    {
        for (_Node* p = pNode->Parent(); p != NULL && p != m_pRoot; p = p->Parent())
            if (!p->IsExpanded() && !Expand(p->Handle(), TVE_EXPAND, FALSE, FALSE))
                return FALSE;
        SyncRows();
        if (m_pWnd->m_hWnd != NULL)
        {
            RecalcLayout();
            m_pWnd->Invalidate(TRUE);
        }
        if (pNode->m_pRow == NULL)
            return FALSE;
    }
    if (m_pWnd->m_hWnd == NULL)
        return TRUE;
    int nRow = RowOfNode(pNode);
    _Node* pParent = pNode->Parent();
    if (bWithParent && pParent != NULL && pParent != m_pRoot && pParent->m_pRow != NULL)
        EnsureRangeVisible(RowOfNode(pParent), nRow);
    else
        EnsureVisible(nRow);
    return TRUE;
}

BOOL SECTreeEngine::ScrollItemToTop(HTREEITEM hItem)
{
    if (!EnsureItemVisible(hItem, FALSE))
        return FALSE;
    int nRow = RowOfItem(hItem);
    if (nRow < 0)
        return FALSE;
    SetTopIndex(nRow);
    return SelectFocusItem(nRow, TRUE);
}

UINT SECTreeEngine::GetDescendantCount(HTREEITEM hItem, BOOL bRecurse, BOOL bExpandedOnly)
{
    _Node* pNode = hItem == NULL ? m_pRoot : NodeFromHandle(hItem);
    if (pNode == NULL)
        return 0;
    UINT n = 0;
    for (_Node* p = pNode->FirstChild(); p != NULL; p = p->Next())
    {
        ++n;
        if (bRecurse && p->RawFirstChild() != NULL && (!bExpandedOnly || p->IsExpanded()))
            n += GetDescendantCount(p->Handle(), TRUE, bExpandedOnly);
    }
    return n;
}

BOOL SECTreeEngine::InvalidateItemRow(HTREEITEM hItem, BOOL bLabelOnly, BOOL bErase, BOOL bEraseNow,
                                      BOOL bUpdateNow)
{
    int nRow = RowOfItem(hItem);
    if (nRow < 0)
        return FALSE;
    InvalidateItems(nRow, bLabelOnly, bErase, bEraseNow, bUpdateNow);
    return TRUE;
}

BOOL SECTreeEngine::NodeHasRow(HTREEITEM hItem) const
{
    _Node* pNode = NodeFromHandle(hItem);
    return pNode != NULL && pNode->m_pRow != NULL;
}

void SECTreeEngine::SaveExpandState(HTREEITEM hItem, std::vector<BYTE>& states)
{
    _Node* pNode = hItem == NULL ? m_pRoot : NodeFromHandle(hItem);
    states.clear();
    if (pNode == NULL)
        return;
    states.reserve(GetDescendantCount(pNode->Handle(), TRUE, FALSE));
    for (_Node* p = static_cast<_Node*>(pNode->GetNextInOrder()); p != NULL && pNode->IsAncestorOf(p);
         p = static_cast<_Node*>(p->GetNextInOrder()))
        states.push_back(p->IsExpanded() ? 1 : 0);
}

void SECTreeEngine::RestoreExpandState(HTREEITEM hItem, const std::vector<BYTE>& states)
{
    _Node* pNode = hItem == NULL ? m_pRoot : NodeFromHandle(hItem);
    if (pNode == NULL)
        return;
    size_t i = 0;
    for (_Node* p = static_cast<_Node*>(pNode->GetNextInOrder());
         p != NULL && pNode->IsAncestorOf(p) && i < states.size();
         p = static_cast<_Node*>(p->GetNextInOrder()), ++i)
        if ((states[i] != 0) != (p->IsExpanded() != FALSE))
            Expand(p->Handle(), TVE_TOGGLE, TRUE, FALSE);
}

BOOL SECTreeEngine::Select(HTREEITEM hItem, UINT nCode)
{
    if (nCode == TVGN_DROPHILITE)
        return SelectDropTarget(hItem, TRUE);
    if (nCode != TVGN_FIRSTVISIBLE && nCode != TVGN_CARET)
        return 0;
    if (!EnsureItemVisible(hItem))
        return 0;
    int nRow = RowOfItem(hItem);
    if (nCode == TVGN_FIRSTVISIBLE)
    {
        SetTopIndex(nRow);
        return 1;
    }
    int nOld = m_nFocusIndex;
    LRESULT lVeto = 0;
    SendSelNotify(TVN_SELCHANGINGA, nRow, nOld, ProgrammaticAction(), &lVeto);
    if (lVeto != 0)
        return 0;
    DeselectAllItems(nRow);
    SelectFocusItem(nRow, TRUE);
    SendSelNotify(TVN_SELCHANGEDA, nRow, nOld, ProgrammaticAction(), NULL);
    return 1;
}

BOOL SECTreeEngine::SelectItem(HTREEITEM hItem)
{
    if (!EnsureItemVisible(hItem))
        return 0;
    int nRow = RowOfItem(hItem);
    int nOld = m_nFocusIndex;
    LRESULT lVeto = 0;
    SendSelNotify(TVN_SELCHANGINGA, nRow, nOld, ProgrammaticAction(), &lVeto);
    if (lVeto != 0)
        return 0;
    const BOOL bSelected = SECListEngine::SelectItem(nRow, TRUE);
    // The caret moves before the owner hears of the change, so that it reads the new item.
    if (!(m_dwTreeStyleEx & TreeStyle::EX_MULTI_SELECT))
        SelectFocusItem(nRow, TRUE);
    if (bSelected)
        SendSelNotify(TVN_SELCHANGEDA, nRow, nOld, ProgrammaticAction(), NULL);
    return 1;
}

BOOL SECTreeEngine::SelectDropTarget(HTREEITEM hItem, BOOL bMakeVisible)
{
    if (hItem == NULL)
    {
        SetDropHilightItem(-1);
        if (m_nAutoExpandTimer != 0 && m_pWnd->m_hWnd != NULL)
            m_pWnd->KillTimer(SEC_TREE_AUTO_EXPAND_TIMER);
        m_nAutoExpandTimer = 0;
        return TRUE;
    }
    if (NodeFromHandle(hItem) == NULL)
        return FALSE;
    if (bMakeVisible && !EnsureItemVisible(hItem))
        return FALSE;
    int nRow = RowOfItem(hItem);
    if (nRow < 0)
        return FALSE;
    BOOL bChanged = nRow != m_nDropHilite;
    SetDropHilightItem(nRow);
    if ((m_dwTreeStyleEx & TreeStyle::EX_AUTO_EXPAND) && bChanged && m_pWnd->m_hWnd != NULL)
    {
        if (m_nAutoExpandTimer != 0)
            m_pWnd->KillTimer(SEC_TREE_AUTO_EXPAND_TIMER);
        m_nAutoExpandTimer = m_pWnd->SetTimer(SEC_TREE_AUTO_EXPAND_TIMER, m_nAutoExpandDelayMs);
    }
    return TRUE;
}

// ---- expansion

LRESULT SECTreeEngine::NotifyItemExpanding(_Node* pNode, UINT nAction)
{
    NMTREEVIEWA nm;
    memset(&nm, 0, sizeof(nm));
    nm.action = nAction;
    nm.itemNew = pNode->m_item;
    nm.itemNew.hItem = pNode->Handle();
    return SendTree(&nm.hdr, TVN_ITEMEXPANDINGA);
}

LRESULT SECTreeEngine::NotifyItemExpanded(_Node* pNode, UINT nAction)
{
    NMTREEVIEWA nm;
    memset(&nm, 0, sizeof(nm));
    nm.action = nAction;
    nm.itemNew = pNode->m_item;
    nm.itemNew.hItem = pNode->Handle();
    nm.itemNew.state = pNode->IsExpanded() ? TVIS_EXPANDED : 0;
    return SendTree(&nm.hdr, TVN_ITEMEXPANDEDA);
}

BOOL SECTreeEngine::Expand(HTREEITEM hItem, UINT nCode, BOOL bRedraw, BOOL bForce)
{
    _Node* pNode = NodeFromHandle(hItem);
    if (pNode == NULL || pNode == m_pRoot)
        return 0;
    if (!bForce && !HasChildrenFor(pNode))
        return 1;
    int cxBefore = 0, cyBefore = 0;
    GetTotalSize(cxBefore, cyBefore);
    if (nCode == TVE_TOGGLE)
        nCode = pNode->IsExpanded() ? TVE_COLLAPSE : TVE_EXPAND;
    if (NotifyItemExpanding(pNode, nCode) != 0)
        return 0;
    int nRow = RowOfNode(pNode);
    if ((nCode & 0xF) == TVE_EXPAND)
    {
        if (pNode->IsExpanded())
            return 1;
        if (pNode->RawFirstChild() == NULL)
            return 0;
        pNode->SetExpanded(TRUE);
        m_nAnimationCount = 0;
        if (IsShown(pNode))
        {
            int nPos = nRow;
            InsertDescendantRows(pNode, nPos);
        }
    }
    else if (pNode->IsExpanded() || (nCode & TVE_COLLAPSERESET))
    {
        int nCaret = m_nFocusIndex;
        _Node* pCaret = NodeOfRow(nCaret);
        if (pCaret != NULL && pNode->IsAncestorOf(pCaret) && nRow >= 0)
        {
            SendSelNotify(TVN_SELCHANGINGA, nRow, nCaret, m_nExpandAction, NULL);
            DeselectAllItems(-1);
            SelectFocusItem(nRow, TRUE);
            SendSelNotify(TVN_SELCHANGEDA, nRow, nCaret, m_nExpandAction, NULL);
        }
        pNode->SetExpanded(FALSE);
        RemoveDescendantRows(pNode, nRow);
        if (nCode & TVE_COLLAPSERESET)
            while (SECTreeNode* pChild = pNode->RawFirstChild())
                DeleteItem(static_cast<_Node*>(pChild)->Handle());
    }
    NotifyItemExpanded(pNode, nCode);
    if (bRedraw && m_pWnd->m_hWnd != NULL)
    {
        if ((nCode & 0xF) == TVE_EXPAND && m_bScrollOnExpand && pNode->RawFirstChild() != NULL && nRow >= 0)
        {
            int nLast = nRow + CountRowsBelow(pNode, nRow);
            if (nLast > GetLastVisibleIndex())
                EnsureRangeVisible(nRow, nLast);
            if (nRow < m_nTopIndex)
                SetTopIndex(nRow);
        }
        RecalcLayout();
        int cxAfter = 0, cyAfter = 0;
        GetTotalSize(cxAfter, cyAfter);
        if (cxAfter == cxBefore && cyAfter == cyBefore && nRow >= 0 && m_bViewHosted)
            InvalidateRange(nRow, GetEndVisibleIndex());
        else if (cxAfter == cxBefore && cyAfter == cyBefore && nRow >= 0)
            InvalidateItems(nRow, FALSE, TRUE, TRUE, FALSE);
        else
            m_pWnd->Invalidate(TRUE);
    }
    return 1;
}

void SECTreeEngine::ExpandAll(_Node* pNode)
{
    if (pNode->RawFirstChild() != NULL && !pNode->IsExpanded())
        Expand(pNode->Handle(), TVE_EXPAND, FALSE, FALSE);
    for (_Node* p = pNode->FirstChild(); p != NULL; p = p->Next())
        ExpandAll(p);
}

// ---- styles

DWORD SECTreeEngine::GetTreeStyle() const
{
    DWORD dw = m_dwTreeStyle;
    if (m_dwListStyle & ListStyle::EDIT_LABELS)
        dw |= TreeStyle::EDIT_LABELS;
    if (m_dwListStyle & ListStyle::SHOW_SEL_ALWAYS)
        dw |= TreeStyle::SHOW_SEL_ALWAYS;
    return dw;
}

void SECTreeEngine::GetStyles(DWORD& dwStyle, DWORD& dwExStyle) const
{
    dwStyle = GetTreeStyle();
    dwExStyle = m_dwTreeStyleEx;
}

void SECTreeEngine::SetTreeStyle(DWORD dwStyle, BOOL bRedraw)
{
    m_dwTreeStyle = dwStyle & TreeStyle::KEPT;
    DWORD dwList = m_dwListStyle & ~(ListStyle::EDIT_LABELS | ListStyle::SHOW_SEL_ALWAYS);
    if (dwStyle & TreeStyle::EDIT_LABELS)
        dwList |= ListStyle::EDIT_LABELS;
    if (dwStyle & TreeStyle::SHOW_SEL_ALWAYS)
        dwList |= ListStyle::SHOW_SEL_ALWAYS;
    if (m_pWnd->m_hWnd != NULL)
        SetListCtrlStyle(dwList, bRedraw);
    else
        m_dwListStyle = dwList;
}

void SECTreeEngine::SetTreeStyleEx(DWORD dwExStyle, BOOL bRedraw)
{
    m_dwTreeStyleEx = dwExStyle;
    DWORD dwList = m_dwListStyle;
    DWORD dwListEx = m_dwListStyleEx;
    auto put = [](DWORD& dw, DWORD bit, BOOL bOn) { dw = bOn ? (dw | bit) : (dw & ~bit); };
    put(dwList, ListStyle::SINGLE_SEL, !(dwExStyle & TreeStyle::EX_MULTI_SELECT));
    put(dwList, ListStyle::NO_LABEL_WRAP, !(dwExStyle & TreeStyle::EX_WORD_WRAP));
    put(dwList, ListStyle::NO_COLUMN_HEADER, !(dwExStyle & TreeStyle::EX_HEADER));
    put(dwListEx, ListStyle::EX_ITEM_TIPS, (dwExStyle & TreeStyle::EX_ITEM_TIPS) != 0);
    put(dwList, ListStyle::NO_SORT_HEADER,
        !((dwExStyle & TreeStyle::EX_SORT_HEADER) && (dwExStyle & TreeStyle::EX_HEADER)));
    put(dwListEx, ListStyle::EX_HEADER_DRAG,
        (dwExStyle & TreeStyle::EX_DRAG_COLUMNS) && (dwExStyle & TreeStyle::EX_SORT_HEADER));
    if (m_pWnd->m_hWnd != NULL)
        SetListCtrlStyles(dwList, dwListEx, bRedraw);
    else
    {
        m_dwListStyle = dwList;
        m_dwListStyleEx = dwListEx;
    }
}

void SECTreeEngine::SetStyles(DWORD dwStyle, DWORD dwExStyle, BOOL bRedraw)
{
    SetTreeStyle(dwStyle, FALSE);
    SetTreeStyleEx(dwExStyle, bRedraw);
}

void SECTreeEngine::ModifyTreeStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw)
{
    SetTreeStyle((GetTreeStyle() & ~dwRemove) | dwAdd, bRedraw);
}

void SECTreeEngine::ModifyTreeStyleEx(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw)
{
    SetTreeStyleEx((m_dwTreeStyleEx & ~dwRemove) | dwAdd, bRedraw);
}

void SECTreeEngine::ModifyTreeStyles(DWORD dwRemove, DWORD dwAdd, DWORD dwRemoveEx, DWORD dwAddEx,
                                     BOOL bRedraw)
{
    ModifyTreeStyle(dwRemove, dwAdd, FALSE);
    ModifyTreeStyleEx(dwRemoveEx, dwAddEx, bRedraw);
}

void SECTreeEngine::SetMultiSelect(BOOL bMulti)
{
    m_dwTreeStyleEx = bMulti ? (m_dwTreeStyleEx | TreeStyle::EX_MULTI_SELECT)
                             : (m_dwTreeStyleEx & ~TreeStyle::EX_MULTI_SELECT);
    SECListEngine::SetMultiSelect(bMulti);
}

void SECTreeEngine::SetLabelWrap(BOOL bWrap)
{
    m_dwTreeStyleEx =
        bWrap ? (m_dwTreeStyleEx | TreeStyle::EX_WORD_WRAP) : (m_dwTreeStyleEx & ~TreeStyle::EX_WORD_WRAP);
    SECListEngine::SetLabelWrap(bWrap);
}

void SECTreeEngine::EnableItemTips(BOOL bOn)
{
    m_dwTreeStyleEx =
        bOn ? (m_dwTreeStyleEx | TreeStyle::EX_ITEM_TIPS) : (m_dwTreeStyleEx & ~TreeStyle::EX_ITEM_TIPS);
    SECListEngine::EnableItemTips(bOn);
}

void SECTreeEngine::SetHeaderStyle(BOOL bNoHeader, BOOL bNoSortHeader)
{
    DWORD dw = m_dwTreeStyleEx & ~(TreeStyle::EX_HEADER | TreeStyle::EX_SORT_HEADER);
    if (!bNoHeader)
        dw |= TreeStyle::EX_HEADER;
    if (!bNoSortHeader)
        dw |= TreeStyle::EX_SORT_HEADER;
    m_dwTreeStyleEx = dw;
    SECListEngine::SetHeaderStyle(bNoHeader, bNoSortHeader);
}

void SECTreeEngine::SetIndent(UINT nIndent)
{
    m_nIndent = (int)((nIndent + 1) & ~1u);
    InvalidateMeasurements();
    if (m_pWnd->m_hWnd != NULL)
    {
        RecalcLayout();
        m_pWnd->Invalidate(TRUE);
    }
}

CImageList* SECTreeEngine::SetImageList(CImageList* pImageList, int nKind)
{
    CImageList* pOld = SECListEngine::SetImageList(pImageList, nKind);
    if (nKind == LVSIL_NORMAL && pImageList != NULL && pImageList->GetSafeHandle() != NULL)
    {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(pImageList->GetSafeHandle(), &cx, &cy);
        if (cx > m_nIndent)
            m_nIndent = (cx + 1) & ~1;
    }
    return pOld;
}

void SECTreeEngine::UseSubItemStorage(BOOL bOn)
{
    if (bOn && m_pStorage == NULL)
        m_pStorage = new SECSubItemTextStorage;
    else if (!bOn)
    {
        delete m_pStorage;
        m_pStorage = NULL;
    }
}

// The child before which sorted insertion puts pNode: the first ranked after it (before it when
// descending), NULL for the end. Children that sorted insertion built in order, with no text
// changed since, are searched by halving; any other sibling chain is walked from the start.
_Node* SECTreeEngine::SortedPlace(_Node* pParent, _Node* pNode, BOOL bDescending)
{
    auto ranksAfter = [&](_Node* p) {
        int n = CompareItemTexts(p->Handle(), pNode->Handle());
        return bDescending ? n < 0 : n > 0;
    };
    if (!m_sorted.Matches(pParent, bDescending, m_nTextStamp))
    {
        m_sorted.Reset();
        // Children in order are taken over, so that the next insertions can halve.
        BOOL bInOrder = !pNode->IsCallbackLabel();
        _Node* pPrev = NULL;
        for (_Node* p = static_cast<_Node*>(pParent->RawFirstChild()); p != NULL && bInOrder;
             p = static_cast<_Node*>(p->RawNext()))
        {
            int n = pPrev != NULL ? CompareItemTexts(pPrev->Handle(), p->Handle()) : 0;
            bInOrder = !p->IsCallbackLabel() && (bDescending ? n >= 0 : n <= 0);
            m_sorted.nodes.push_back(p);
            pPrev = p;
        }
        if (bInOrder)
        {
            m_sorted.pParent = pParent;
            m_sorted.bDescending = bDescending;
            m_sorted.nTextStamp = m_nTextStamp;
        }
        else
            m_sorted.Reset();
    }
    if (m_sorted.pParent == pParent && !pNode->IsCallbackLabel())
    {
        auto it = std::partition_point(m_sorted.nodes.begin(), m_sorted.nodes.end(),
                                       [&](_Node* p) { return !ranksAfter(p); });
        m_sorted.nInsertAt = (size_t)(it - m_sorted.nodes.begin());
        return it != m_sorted.nodes.end() ? *it : NULL;
    }
    m_sorted.Reset();
    for (_Node* p = static_cast<_Node*>(pParent->RawFirstChild()); p != NULL;
         p = static_cast<_Node*>(p->RawNext()))
        if (ranksAfter(p))
            return p;
    return NULL;
}

// The column-0 text compared where the node keeps it; only a callback text is asked for, into
// strAsked. Sorted insertion compares many times per item: no copy, no row lookup.
LPCSTR SECTreeEngine::TextToCompare(HTREEITEM hItem, CString& strAsked)
{
    _Node* pNode = NodeFromHandle(hItem);
    if (pNode == NULL || pNode == m_pRoot)
        return "";
    if (pNode->IsCallbackLabel())
    {
        strAsked = GetItemText(hItem, 0);
        return strAsked;
    }
    return pNode->m_item.pszText != NULL ? pNode->m_item.pszText : "";
}

int SECTreeEngine::CompareItemTexts(HTREEITEM hItem1, HTREEITEM hItem2)
{
    CString s1, s2;
    LPCSTR psz1 = TextToCompare(hItem1, s1);
    LPCSTR psz2 = TextToCompare(hItem2, s2);
    return _mbsicmp((const unsigned char*)psz1, (const unsigned char*)psz2);
}

BOOL SECTreeEngine::CompareItems(HTREEITEM hItem1, HTREEITEM hItem2)
{
    return CompareItemTexts(hItem1, hItem2);
}

void SECTreeEngine::RedrawItem(HTREEITEM hItem)
{
    int nRow = RowOfItem(hItem);
    if (nRow >= 0 && m_pWnd->m_hWnd != NULL)
        InvalidateItems(nRow, FALSE, FALSE, FALSE, FALSE);
}

// ---- columns

BOOL SECTreeEngine::InsertColumn(int nCol, SECListColumn* pColumn, BOOL bRedraw)
{
    // Column 0 always stays the tree column.
    if (GetColumnCount() > 0)
        nCol = std::max(1, std::min(nCol, GetColumnCount()));
    if (!SECListEngine::InsertColumn(nCol, pColumn, bRedraw))
        return FALSE;
    if (m_pStorage != NULL && nCol >= 1)
        m_pStorage->InsertColumn(nCol);
    return TRUE;
}

BOOL SECTreeEngine::DeleteColumn(int nCol)
{
    if (nCol >= GetColumnCount() || (nCol == 0 && GetColumnCount() > 1))
        return FALSE;
    if (m_pStorage != NULL && nCol >= 1)
        for (_Node* p : m_nodes)
        {
            m_pStorage->MoveSubItemText(p->Handle(), nCol, GetColumnCount() - 1);
            m_pStorage->SetSubItemText(p->Handle(), GetColumnCount() - 1, "");
        }
    return SECListEngine::DeleteColumn(nCol);
}

void SECTreeEngine::OnColumnMoved(int nFrom, int nTo)
{
    SECListEngine::OnColumnMoved(nFrom, nTo);
    if (m_pStorage != NULL)
        for (_Node* p : m_nodes)
            m_pStorage->MoveSubItemText(p->Handle(), nFrom, nTo);
}
