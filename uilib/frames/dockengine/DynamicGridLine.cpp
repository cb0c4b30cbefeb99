// SECLNDynamicGridLine: nodes side by side with splitters between them.
#include "uilib/frames/dockengine/DynamicGridLine.h"
#include <algorithm>
#include <climits>
#include <vector>

SECLNDynamicGridLine::SECLNDynamicGridLine()
    : m_nSizingMode(SEC_DYNGRID_SIZE_EVEN), m_cells(10), m_cellMap(10), m_hWndHost(NULL), m_bGrowToFit(FALSE),
      m_bSplittersEnabled(TRUE), m_extra{}, m_savedMin{}, m_savedMax{},
      m_nSavedMinMaxFlags(SEC_LN_NOMIN | SEC_LN_NOMAX), m_constraintsMap(10), m_pUndoNode(NULL)
{
}

SECLNDynamicGridLine::~SECLNDynamicGridLine()
{
    // Splitters are children of this node; they go before the node's own list does.
    while (!m_cells.IsEmpty())
    {
        SECLayoutNode* pNode = (SECLayoutNode*)m_cells.RemoveHead();
        SECLNDynamicGridLineCell* pCell = NULL;
        if (m_cellMap.Lookup(pNode, pCell))
        {
            if (pCell->pSplitterAfter != NULL)
                DestroySplitter(pCell->pSplitterAfter);
            delete pCell;
        }
    }
    m_cellMap.RemoveAll();
    m_constraintsMap.RemoveAll();
}

// ---- children and cells ----

BOOL SECLNDynamicGridLine::OrientsInsertedNode(const SECDynGridInsertConstraints*) const
{
    return TRUE;
}

int SECLNDynamicGridLine::AddLayoutChild(SECLayoutNode* pNode)
{
    SECDynGridInsertConstraints constraints;
    constraints.CopyFrom(m_defaultConstraints);
    return InsertNode(pNode, &constraints);
}

BOOL SECLNDynamicGridLine::ContainsNode(SECLayoutNode* pNode) const
{
    return pNode != NULL && m_cells.Find(pNode) != NULL;
}

int SECLNDynamicGridLine::GetNodeCount() const
{
    return (int)m_cells.GetCount();
}

SECLayoutNode* SECLNDynamicGridLine::GetFirstNode() const
{
    return m_cells.IsEmpty() ? NULL : (SECLayoutNode*)m_cells.GetHead();
}

SECLayoutNode* SECLNDynamicGridLine::GetNodeAt(int nIndex) const
{
    POSITION pos = nIndex >= 0 ? m_cells.FindIndex(nIndex) : NULL;
    return pos != NULL ? (SECLayoutNode*)m_cells.GetAt(pos) : NULL;
}

int SECLNDynamicGridLine::IndexOfNode(SECLayoutNode* pNode) const
{
    int i = 0;
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL; ++i)
    {
        if (m_cells.GetNext(pos) == pNode)
            return i;
    }
    return -1;
}

SECLNDynamicGridLineCell* SECLNDynamicGridLine::GetCell(SECLayoutNode* pNode) const
{
    SECLNDynamicGridLineCell* pCell = NULL;
    return pNode != NULL && m_cellMap.Lookup(pNode, pCell) ? pCell : NULL;
}

SECLNVirtualSplitter* SECLNDynamicGridLine::GetSplitterAfter(SECLayoutNode* pNode, BOOL bAfter) const
{
    SECLNDynamicGridLineCell* pCell = GetCell(pNode);
    if (pCell == NULL)
        return NULL;
    return bAfter ? pCell->pSplitterAfter : pCell->pSplitterBefore;
}

void SECLNDynamicGridLine::CollectNodes(CPtrList& list) const
{
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
        list.AddTail(m_cells.GetNext(pos));
}

int SECLNDynamicGridLine::GetAverageLength(BOOL bOneMore) const
{
    int nSum = 0;
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
        nSum += NodeLength((SECLayoutNode*)m_cells.GetNext(pos));
    const int nCount = GetNodeCount() + (bOneMore ? 1 : 0);
    return nCount > 0 ? nSum / nCount : 0;
}

int SECLNDynamicGridLine::CountSplitters() const
{
    int nCount = 0;
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
        nCount += GetCell((SECLayoutNode*)m_cells.GetNext(pos))->pSplitterAfter != NULL;
    return nCount;
}

int SECLNDynamicGridLine::NodeLength(SECLayoutNode* pNode) const
{
    RECT rc;
    pNode->GetAppliedRect(rc);
    return SECOrientedRect(rc, GetNodeOrientation()).GetLength();
}

void SECLNDynamicGridLine::SetNodeLength(SECLayoutNode* pNode, int nLength)
{
    RECT rc;
    pNode->GetAppliedRect(rc);
    SECOrientedRect r(rc, GetNodeOrientation());
    r.SetEnd(r.GetStart() + std::max(nLength, 0));
    pNode->SetAppliedRect(r);
}

int SECLNDynamicGridLine::NodeMinLength(SECLayoutNode* pNode) const
{
    SIZE sizeMin, sizeMax;
    DWORD dwFlags;
    pNode->GetMinMaxSize(sizeMin, sizeMax, dwFlags);
    if (dwFlags & SEC_LN_NOMIN)
        return 0;
    return std::max<int>(GetNodeOrientation() ? sizeMin.cx : sizeMin.cy, 0);
}

void PASCAL SECLNDynamicGridLine::ConstrainNodeRect(SECLayoutNode* pNode, RECT& rc)
{
    SIZE sizeMin, sizeMax;
    DWORD dwFlags;
    pNode->GetMinMaxSize(sizeMin, sizeMax, dwFlags);
    LONG cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (!(dwFlags & SEC_LN_NOMAX))
    {
        cx = std::min(cx, sizeMax.cx);
        cy = std::min(cy, sizeMax.cy);
    }
    if (!(dwFlags & SEC_LN_NOMIN))
    {
        cx = std::max(cx, sizeMin.cx);
        cy = std::max(cy, sizeMin.cy);
    }
    rc.right = rc.left + std::max<LONG>(cx, 0);
    rc.bottom = rc.top + std::max<LONG>(cy, 0);
}

int SECLNDynamicGridLine::ResizeWithinLimits(SECLayoutNode* pNode, int nDelta)
{
    const int nLength = NodeLength(pNode);
    SIZE sizeMin, sizeMax;
    DWORD dwFlags;
    pNode->GetMinMaxSize(sizeMin, sizeMax, dwFlags);
    int nNew = nLength + nDelta;
    if (nDelta > 0 && !(dwFlags & SEC_LN_NOMAX))
        nNew = std::min(nNew, std::max<int>(GetNodeOrientation() ? sizeMax.cx : sizeMax.cy, nLength));
    else if (nDelta < 0)
        nNew = std::max(nNew, std::min(NodeMinLength(pNode), nLength));
    nNew = std::max(nNew, 0);
    SetNodeLength(pNode, nNew);
    return nNew - nLength;
}

// ---- splitters ----

SECLNVirtualSplitter* SECLNDynamicGridLine::MakeSplitter()
{
    SECLNVirtualSplitter* pSplitter = new SECLNVirtualSplitter;
    RECT rcEmpty = {};
    if (m_hWndHost == NULL || !pSplitter->Create(CWnd::FromHandle(m_hWndHost), rcEmpty, WS_CHILD | WS_VISIBLE,
                                                 SEC_IDC_GRID_SPLITTER, 0))
    {
        delete pSplitter;
        return NULL;
    }
    pSplitter->SetObserver(this);
    SECLayoutNode::AddLayoutChild(pSplitter);
    pSplitter->SetMemoryManager(&m_splitterMemMgr, FALSE);
    pSplitter->SetNodeOrientation(GetNodeOrientation(), FALSE);
    pSplitter->EnableBars(m_bSplittersEnabled);
    return pSplitter;
}

void SECLNDynamicGridLine::DestroySplitter(SECLNVirtualSplitter* pSplitter)
{
    if (pSplitter == NULL)
        return;
    SECLayoutNode::RemoveLayoutChild(pSplitter);
    delete pSplitter; // leaves the splitter memory manager by itself
}

void SECLNDynamicGridLine::LinkSplitters(SECLayoutNode* pNode)
{
    POSITION pos = m_cells.Find(pNode);
    POSITION posPrev = pos, posNext = pos;
    m_cells.GetPrev(posPrev);
    m_cells.GetNext(posNext);
    SECLNDynamicGridLineCell* pCell = GetCell(pNode);
    SECLNDynamicGridLineCell* pPrev =
        posPrev != NULL ? GetCell((SECLayoutNode*)m_cells.GetAt(posPrev)) : NULL;
    SECLNDynamicGridLineCell* pNext =
        posNext != NULL ? GetCell((SECLayoutNode*)m_cells.GetAt(posNext)) : NULL;
    if (pPrev != NULL && pNext != NULL)
    {
        DestroySplitter(pPrev->pSplitterAfter);
        pPrev->pSplitterAfter = pNext->pSplitterBefore = NULL;
    }
    if (pPrev != NULL && pPrev->bResizable && pCell->bResizable)
        pPrev->pSplitterAfter = pCell->pSplitterBefore = MakeSplitter();
    if (pNext != NULL && pNext->bResizable && pCell->bResizable)
        pCell->pSplitterAfter = pNext->pSplitterBefore = MakeSplitter();
}

void SECLNDynamicGridLine::UnlinkSplitters(SECLayoutNode* pNode)
{
    POSITION pos = m_cells.Find(pNode);
    POSITION posPrev = pos, posNext = pos;
    m_cells.GetPrev(posPrev);
    m_cells.GetNext(posNext);
    SECLNDynamicGridLineCell* pCell = GetCell(pNode);
    SECLNDynamicGridLineCell* pPrev =
        posPrev != NULL ? GetCell((SECLayoutNode*)m_cells.GetAt(posPrev)) : NULL;
    SECLNDynamicGridLineCell* pNext =
        posNext != NULL ? GetCell((SECLayoutNode*)m_cells.GetAt(posNext)) : NULL;
    DestroySplitter(pCell->pSplitterBefore);
    DestroySplitter(pCell->pSplitterAfter);
    pCell->pSplitterBefore = pCell->pSplitterAfter = NULL;
    if (pPrev != NULL)
        pPrev->pSplitterAfter = NULL;
    if (pNext != NULL)
        pNext->pSplitterBefore = NULL;
    if (pPrev != NULL && pNext != NULL && pPrev->bResizable && pNext->bResizable)
        pPrev->pSplitterAfter = pNext->pSplitterBefore = MakeSplitter();
}

void SECLNDynamicGridLine::EnableSplitters(BOOL bEnable)
{
    m_bSplittersEnabled = bEnable;
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
    {
        SECLNDynamicGridLineCell* pCell = GetCell((SECLayoutNode*)m_cells.GetNext(pos));
        if (pCell->pSplitterAfter != NULL)
            pCell->pSplitterAfter->EnableBars(bEnable);
    }
}

void SECLNDynamicGridLine::Initialize(HWND hWndHost, BOOL bHorizontal)
{
    m_hWndHost = hWndHost;
    SetNodeOrientation(bHorizontal, FALSE);
}

// ---- insertion and removal ----

int SECLNDynamicGridLine::InsertNode(SECLayoutNode* pNode, SECDynGridInsertConstraints* pConstraints)
{
    SECDynGridInsertConstraints defaults;
    if (pConstraints == NULL)
        pConstraints = &defaults;
    if (pNode == NULL || ContainsNode(pNode))
        return -1;
    const int nAverage = GetAverageLength(FALSE);
    if (SECLayoutNode::AddLayoutChild(pNode) == -1)
        return -1;
    if (OrientsInsertedNode(pConstraints))
        pNode->SetNodeOrientation(GetNodeOrientation(), FALSE);
    SECLNDynamicGridLineCell* pCell = new SECLNDynamicGridLineCell;
    pCell->bResizable = pConstraints->bResizable;
    m_cellMap.SetAt(pNode, pCell);

    // The place in the line. No usable position means the head or the tail; a reference node
    // that is not in the line means the head.
    POSITION posRef = NULL;
    BOOL bAfter = pConstraints->bAfter;
    int nIndex = 0;
    if (pConstraints->GetIndex(&nIndex))
    {
        if (nIndex >= GetNodeCount())
        {
            posRef = m_cells.GetTailPosition();
            bAfter = TRUE;
        }
        else if (nIndex >= 0)
            posRef = m_cells.FindIndex(nIndex);
    }
    else if (pConstraints->pRefNode != NULL)
    {
        posRef = m_cells.Find(pConstraints->pRefNode);
        if (posRef == NULL)
            bAfter = FALSE;
    }
    if (posRef == NULL)
    {
        if (bAfter)
            m_cells.AddTail(pNode);
        else
            m_cells.AddHead(pNode);
    }
    else if (bAfter)
        m_cells.InsertAfter(posRef, pNode);
    else
        m_cells.InsertBefore(posRef, pNode);

    const int nSplittersBefore = CountSplitters();
    LinkSplitters(pNode);
    const int nSplitterGrowth = (CountSplitters() - nSplittersBefore) * SECSplitterBase::s_nSplitterWidth;
    if (GetNodeCount() == 1)
        ShowNode(TRUE, TRUE, FALSE);

    int nLength = pConstraints->nLength;
    if (nLength < 0)
    {
        nLength = nAverage;
        if (nLength < 1)
        {
            RECT rcPreferred;
            pNode->GetPreferredRect(rcPreferred);
            nLength = SECOrientedRect(rcPreferred, GetNodeOrientation()).GetLength();
        }
        if (nLength < 1)
            nLength = 150;
    }
    SetNodeLength(pNode, nLength);

    RECT rc;
    GetAppliedRect(rc);
    SECOrientedRect rcLine(rc, GetNodeOrientation());
    if (!m_bGrowToFit)
    {
        DistributeLength(rcLine.GetLength(), pNode);
        LayoutCells(rcLine);
    }
    else
    {
        // The line grows by the node and the splitter it brings, so no neighbour gives up room.
        (GetNodeOrientation() ? m_extra.cx : m_extra.cy) += nLength + nSplitterGrowth;
        rcLine.SetEnd(rcLine.GetEnd() + nLength + nSplitterGrowth);
        SetAppliedRect(rcLine);
        DistributeLength(rcLine.GetLength(), NULL);
        LayoutCells(rcLine);
        SetPreferredRect(rcLine);
        NegotiateGrowth();
    }
    return GetNodeCount();
}

int SECLNDynamicGridLine::RemoveLayoutChild(SECLayoutNode* pNode)
{
    if (pNode == NULL)
        return -1;
    if (!ContainsNode(pNode))
    {
        // A splitter that goes by itself: no cell may keep pointing at it.
        for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
        {
            SECLNDynamicGridLineCell* pCell = GetCell((SECLayoutNode*)m_cells.GetNext(pos));
            if (pCell->pSplitterAfter == pNode)
                pCell->pSplitterAfter = NULL;
            if (pCell->pSplitterBefore == pNode)
                pCell->pSplitterBefore = NULL;
        }
        return SECLayoutNode::RemoveLayoutChild(pNode) == -1 ? -1 : GetNodeCount();
    }
    const int nSplittersBefore = CountSplitters();
    SECLayoutNode::RemoveLayoutChild(pNode);
    UnlinkSplitters(pNode);
    const int nLength =
        NodeLength(pNode) + (nSplittersBefore - CountSplitters()) * SECSplitterBase::s_nSplitterWidth;
    delete GetCell(pNode);
    m_cellMap.RemoveKey(pNode);
    m_cells.RemoveAt(m_cells.Find(pNode));
    if (pNode == m_pUndoNode)
        m_pUndoNode = NULL;
    if (GetNodeCount() == 0)
        ShowNode(FALSE, TRUE, FALSE);
    if (m_bGrowToFit)
    {
        LONG& nExtra = GetNodeOrientation() ? m_extra.cx : m_extra.cy;
        nExtra -= nLength;
        RECT rc;
        GetAppliedRect(rc);
        SECOrientedRect rcLine(rc, GetNodeOrientation());
        rcLine.SetEnd(std::max(rcLine.GetEnd() - nLength, rcLine.GetStart()));
        SetAppliedRect(rcLine);
        DistributeLength(rcLine.GetLength(), NULL);
        SetPreferredRect(rcLine);
        if (nExtra != 0)
            NegotiateGrowth();
    }
    return GetNodeCount();
}

void SECLNDynamicGridLine::NegotiateGrowth()
{
    // Without a parent the line's own rectangle already has the growth.
    if (GetParentNode() == NULL)
        return;
    SECLNHwndContainer* pContainer = m_hWndHost != NULL ? new SECLNHwndContainer(m_hWndHost) : NULL;
    NegotiateChildSize(TRUE, pContainer);
    delete pContainer;
}

// ---- lengths ----

int SECLNDynamicGridLine::DistributeSequential(int nDiff, BOOL bFromTail, SECLayoutNode* pExclude)
{
    std::vector<SECLayoutNode*> nodes;
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
    {
        SECLayoutNode* pNode = (SECLayoutNode*)m_cells.GetNext(pos);
        if (pNode != pExclude)
            nodes.push_back(pNode);
    }
    if (bFromTail)
        std::reverse(nodes.begin(), nodes.end());
    for (SECLayoutNode* pNode : nodes)
    {
        if (nDiff == 0)
            return 0;
        nDiff -= ResizeWithinLimits(pNode, nDiff);
    }
    // What the limits refused is forced on, no node shorter than nothing.
    for (SECLayoutNode* pNode : nodes)
    {
        if (nDiff == 0)
            break;
        const int nLength = NodeLength(pNode);
        const int nNew = std::max(nLength + nDiff, 0);
        SetNodeLength(pNode, nNew);
        nDiff -= nNew - nLength;
    }
    return nDiff;
}

void SECLNDynamicGridLine::DistributeLength(int nTotal, SECLayoutNode* pExclude)
{
    int nSplitters = 0, nSum = 0, nCount = 0;
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
    {
        SECLayoutNode* pNode = (SECLayoutNode*)m_cells.GetNext(pos);
        // Every splitter takes its room, the excluded node's own too: a node put back before
        // others would otherwise come back shorter by it.
        nSplitters += GetCell(pNode)->pSplitterAfter != NULL;
        if (pNode == pExclude)
            continue;
        ++nCount;
        nSum += NodeLength(pNode);
    }
    int nAvailable = nTotal - nSplitters * SECSplitterBase::s_nSplitterWidth -
                     (pExclude != NULL ? NodeLength(pExclude) : 0);
    if (nAvailable < 1)
        nAvailable = 0;
    int nDiff = nAvailable - nSum;
    if (nDiff == 0 || nCount == 0)
        return;
    if (m_nSizingMode == SEC_DYNGRID_SIZE_EVEN)
    {
        int nLeft = nCount;
        for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
        {
            SECLayoutNode* pNode = (SECLayoutNode*)m_cells.GetNext(pos);
            if (pNode == pExclude)
                continue;
            nDiff -= ResizeWithinLimits(pNode, nDiff / nLeft + nDiff % nLeft);
            --nLeft;
        }
        if (nDiff != 0 && pExclude == NULL)
            DistributeSequential(nDiff, TRUE, NULL);
    }
    else
        DistributeSequential(nDiff, m_nSizingMode == SEC_DYNGRID_SIZE_FROM_TAIL, pExclude);

    if (pExclude != NULL)
    {
        // The others could not make room: the new node takes its share of the difference too.
        nSum = 0;
        for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
        {
            SECLayoutNode* pNode = (SECLayoutNode*)m_cells.GetNext(pos);
            if (pNode != pExclude)
                nSum += NodeLength(pNode);
        }
        if (nSum != nAvailable)
            DistributeLength(nTotal, NULL);
    }
}

void SECLNDynamicGridLine::LayoutCells(const RECT& rc)
{
    const BOOL bHorz = GetNodeOrientation();
    const SECOrientedRect rcLine(rc, bHorz);
    const int s = SECSplitterBase::s_nSplitterWidth;
    int nPos = rcLine.GetStart();
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
    {
        SECLayoutNode* pNode = (SECLayoutNode*)m_cells.GetNext(pos);
        SECOrientedRect rcNode(rcLine, bHorz);
        const int nLength = NodeLength(pNode);
        rcNode.SetStart(nPos);
        rcNode.SetEnd(nPos + nLength);
        RECT rcOut;
        pNode->RecalcNode(rcOut, rcNode, FALSE, TRUE);
        nPos += nLength;
        if (SECLNVirtualSplitter* pSplitter = GetCell(pNode)->pSplitterAfter)
        {
            SECOrientedRect rcBar(rcLine, bHorz);
            rcBar.SetStart(std::min(nPos, rcLine.GetEnd()));
            rcBar.SetEnd(std::min(nPos + s, rcLine.GetEnd()));
            pSplitter->RecalcNode(rcOut, rcBar, FALSE, TRUE);
            nPos += s;
        }
    }

    // Drag limits per run of nodes joined by splitters: every node keeps its minimum.
    POSITION pos = m_cells.GetHeadPosition();
    while (pos != NULL)
    {
        std::vector<SECLayoutNode*> run;
        for (;;)
        {
            SECLayoutNode* pNode = (SECLayoutNode*)m_cells.GetNext(pos);
            run.push_back(pNode);
            if (GetCell(pNode)->pSplitterAfter == NULL || pos == NULL)
                break;
        }
        if (run.size() < 2)
            continue;
        RECT rcFirst, rcLast;
        run.front()->GetAppliedRect(rcFirst);
        run.back()->GetAppliedRect(rcLast);
        const int nStart = SECOrientedRect(rcFirst, bHorz).GetStart();
        const int nEnd = SECOrientedRect(rcLast, bHorz).GetEnd();
        int nTotalMin = 0;
        for (SECLayoutNode* pNode : run)
            nTotalMin += NodeMinLength(pNode);
        int nBefore = 0;
        for (size_t i = 0; i + 1 < run.size(); ++i)
        {
            nBefore += NodeMinLength(run[i]);
            SECOrientedRect rcLimit(rcLine, bHorz);
            rcLimit.SetStart(nStart + nBefore);
            rcLimit.SetEnd(nEnd - (nTotalMin - nBefore));
            GetCell(run[i])->pSplitterAfter->SetLimitRect(rcLimit);
        }
    }
}

void SECLNDynamicGridLine::CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL)
{
    RECT r = rc;
    if (bConstrain)
    {
        // The growth of grow-to-fit insertions, for a parent that lays the line out at its old
        // size; a parent that already gives the grown (preferred) size gets nothing added twice.
        RECT rcPreferred;
        GetPreferredRect(rcPreferred);
        const LONG cxRoom = std::max<LONG>(rcPreferred.right - rcPreferred.left - (r.right - r.left), 0);
        const LONG cyRoom = std::max<LONG>(rcPreferred.bottom - rcPreferred.top - (r.bottom - r.top), 0);
        r.right = std::max(r.left, r.right + std::min(m_extra.cx, cxRoom));
        r.bottom = std::max(r.top, r.bottom + std::min(m_extra.cy, cyRoom));
        m_extra.cx = m_extra.cy = 0;
        ApplyMinMaxSize(r);
    }
    SetAppliedRect(r);
    if (GetNodeCount() > 0)
    {
        DistributeLength(SECOrientedRect(r, GetNodeOrientation()).GetLength(), NULL);
        LayoutCells(r);
    }
    rcOut = r;
}

void SECLNDynamicGridLine::SetGrowToFit(BOOL bGrow)
{
    bGrow = bGrow ? TRUE : FALSE;
    if (bGrow == m_bGrowToFit)
        return;
    m_bGrowToFit = bGrow;
    if (!bGrow)
    {
        // The line holds its present length from now on.
        GetMinMaxSize(m_savedMin, m_savedMax, m_nSavedMinMaxFlags);
        RECT rc;
        GetAppliedRect(rc);
        const int nLength = SECOrientedRect(rc, GetNodeOrientation()).GetLength();
        SIZE sizeMin = {GetNodeOrientation() ? nLength : 0, GetNodeOrientation() ? 0 : nLength};
        SIZE sizeMax = {0, 0};
        SetMinMaxSize(sizeMin, sizeMax, SEC_LN_NOMAX);
    }
    else
        SetMinMaxSize(m_savedMin, m_savedMax, m_nSavedMinMaxFlags);
}

// ---- finding and recording places ----

SECLayoutNode* SECLNDynamicGridLine::FindNodeAt(POINT pt, BOOL* pbAfter, SECLNDynamicGridLine** ppLine)
{
    const int p = GetNodeOrientation() ? pt.x : pt.y;
    if (ppLine != NULL)
        *ppLine = this;
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
    {
        SECLayoutNode* pNode = (SECLayoutNode*)m_cells.GetNext(pos);
        RECT rc;
        pNode->GetAppliedRect(rc);
        const SECOrientedRect r(rc, GetNodeOrientation());
        if (p < r.GetEnd())
        {
            if (pbAfter != NULL)
                *pbAfter = p >= r.GetStart() + r.GetLength() / 2;
            return pNode;
        }
    }
    return NULL;
}

BOOL SECLNDynamicGridLine::GetNodeConstraints(SECLayoutNode* pNode, SECDynGridInsertConstraints* pConstraints)
{
    const int nIndex = IndexOfNode(pNode);
    if (nIndex < 0 || pConstraints == NULL)
        return FALSE;
    pConstraints->Reset();
    if (nIndex > 0)
        pConstraints->SetIndex(nIndex - 1, TRUE, TRUE);
    else
        pConstraints->SetIndex(0, FALSE, TRUE);
    pConstraints->bResizable = GetCell(pNode)->bResizable;
    pConstraints->nLength = NodeLength(pNode);
    return TRUE;
}

// ---- undo ----

ISECUndoableNode* SECLNDynamicGridLine::GetUndoObject()
{
    // The grid holding a line answers for it (a node may leave the line with the line).
    SECLNDynamicGridLine* pGrid = dynamic_cast<SECLNDynamicGridLine*>(GetParentNode());
    if (pGrid != NULL && pGrid->ContainsNode(this))
        return pGrid;
    return this;
}

int SECLNDynamicGridLine::RemoveWithUndo(SECLayoutNode* pNode)
{
    SECDynGridInsertConstraints record;
    if (!GetNodeConstraints(pNode, &record))
        return -1;
    const int nResult = RemoveLayoutChild(pNode);
    if (nResult == -1)
        return -1;
    m_undoConstraints.CopyFrom(record);
    m_pUndoNode = pNode;
    RECT rc, rcOut;
    GetAppliedRect(rc);
    RecalcNode(rcOut, rc, FALSE, TRUE);
    SECDynGridInsertConstraints* pOld = NULL;
    if (m_constraintsMap.Lookup(pNode, pOld))
    {
        m_constraintsMemMgr.Untrack(pOld);
        delete pOld;
    }
    SECDynGridInsertConstraints* pKept = new SECDynGridInsertConstraints;
    pKept->CopyFrom(record);
    m_constraintsMemMgr.Track(pKept);
    m_constraintsMap.SetAt(pNode, pKept);
    return nResult;
}

int SECLNDynamicGridLine::RestoreRemoved()
{
    if (m_pUndoNode == NULL)
        return -1;
    SECLayoutNode* pNode = m_pUndoNode;
    m_pUndoNode = NULL;
    SECDynGridInsertConstraints record;
    record.CopyFrom(m_undoConstraints);
    const int nResult = InsertNode(pNode, &record);
    RECT rc, rcOut;
    GetAppliedRect(rc);
    RecalcNode(rcOut, rc, FALSE, TRUE);
    return nResult;
}

int SECLNDynamicGridLine::RestoreRemovedIf(SECLayoutNode* pNode)
{
    SECDynGridInsertConstraints* pKept = NULL;
    if (pNode == NULL || !m_constraintsMap.Lookup(pNode, pKept))
        return -1;
    SECDynGridInsertConstraints record;
    record.CopyFrom(*pKept);
    m_constraintsMap.RemoveKey(pNode);
    m_constraintsMemMgr.Untrack(pKept);
    delete pKept;
    if (pNode == m_pUndoNode)
        m_pUndoNode = NULL;
    const int nResult = InsertNode(pNode, &record);
    RECT rc, rcOut;
    GetAppliedRect(rc);
    RecalcNode(rcOut, rc, FALSE, TRUE);
    return nResult;
}

BOOL SECLNDynamicGridLine::SetContainer(ISECLNContainer* pContainer)
{
    m_hWndHost = NULL;
    m_pContainer = pContainer;
    if (pContainer == NULL)
        return TRUE;
    SECLNHwndContainer* pHwndContainer = dynamic_cast<SECLNHwndContainer*>(pContainer);
    if (pHwndContainer == NULL)
        return FALSE;
    m_hWndHost = pHwndContainer->GetContainerHwnd();
    return TRUE;
}

// ---- splitter drags ----

// The side a bar moves into gives up room from posFrom outward, each node down to its minimum;
// the other side takes it up to each node's maximum. Both stop at a node that is not resizable.
// Without bApply they only measure.
int SECLNDynamicGridLine::MoveRoom(POSITION posFrom, BOOL bTowardTail, BOOL bGrow, BOOL bApply, int nAmount,
                                   SECLayoutNode*& pLast)
{
    int nDone = 0;
    for (POSITION pos = posFrom; pos != NULL && nDone < nAmount;)
    {
        SECLayoutNode* pNode = (SECLayoutNode*)(bTowardTail ? m_cells.GetNext(pos) : m_cells.GetPrev(pos));
        if (!GetCell(pNode)->bResizable)
            break;
        const int nLength = NodeLength(pNode);
        int nRoom = nLength - std::min(NodeMinLength(pNode), nLength);
        if (bGrow)
        {
            SIZE sizeMin, sizeMax;
            DWORD dwFlags;
            pNode->GetMinMaxSize(sizeMin, sizeMax, dwFlags);
            nRoom = INT_MAX;
            if (!(dwFlags & SEC_LN_NOMAX))
                nRoom = std::max<int>((GetNodeOrientation() ? sizeMax.cx : sizeMax.cy) - nLength, 0);
        }
        const int nTake = std::min(nRoom, nAmount - nDone);
        if (bApply && nTake > 0)
        {
            SetNodeLength(pNode, bGrow ? nLength + nTake : nLength - nTake);
            pLast = pNode;
        }
        nDone += nTake;
    }
    return nDone;
}

BOOL SECLNDynamicGridLine::OnSplitterMoved(SECLNVirtualSplitter* pSplitter, int dx, int dy)
{
    const int nDelta = dx != 0 ? dx : dy;
    POSITION posPrev = NULL;
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL && posPrev == NULL;)
    {
        POSITION posThis = pos;
        if (GetCell((SECLayoutNode*)m_cells.GetNext(pos))->pSplitterAfter == pSplitter)
            posPrev = posThis;
    }
    if (nDelta == 0 || posPrev == NULL)
        return FALSE;
    POSITION posNext = posPrev;
    m_cells.GetNext(posNext);
    // The side the bar moves into gives up room, the other side takes what was given.
    const POSITION posGive = nDelta > 0 ? posNext : posPrev;
    const POSITION posTake = nDelta > 0 ? posPrev : posNext;
    const BOOL bGiveTowardTail = nDelta > 0;
    const int nAmount = nDelta > 0 ? nDelta : -nDelta;
    SECLayoutNode* pLastGive = (SECLayoutNode*)m_cells.GetAt(posGive);
    SECLayoutNode* pLastTake = (SECLayoutNode*)m_cells.GetAt(posTake);
    const int nPossible = std::min(MoveRoom(posGive, bGiveTowardTail, FALSE, FALSE, nAmount, pLastGive),
                                   MoveRoom(posTake, !bGiveTowardTail, TRUE, FALSE, nAmount, pLastTake));
    MoveRoom(posGive, bGiveTowardTail, FALSE, TRUE, nPossible, pLastGive);
    MoveRoom(posTake, !bGiveTowardTail, TRUE, TRUE, nPossible, pLastTake);

    RECT rc;
    GetAppliedRect(rc);
    LayoutCells(rc);
    // Realize what changed, from the one side's last node to the other's.
    SECLayoutNode* pFirst = nDelta > 0 ? pLastTake : pLastGive;
    SECLayoutNode* pEnd = nDelta > 0 ? pLastGive : pLastTake;
    BOOL bInside = FALSE;
    for (POSITION pos = m_cells.GetHeadPosition(); pos != NULL;)
    {
        SECLayoutNode* pNode = (SECLayoutNode*)m_cells.GetNext(pos);
        bInside = bInside || pNode == pFirst;
        if (!bInside)
            continue;
        pNode->RealizeNode(NULL);
        if (pNode == pEnd)
            break;
        if (SECLNVirtualSplitter* pBar = GetCell(pNode)->pSplitterAfter)
            pBar->RealizeNode(NULL);
    }
    return TRUE;
}
