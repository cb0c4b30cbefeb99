// SECLayoutNode: tree walking, rectangle bookkeeping, size limits, style locks and the batched
// moving of windows.
#include "uilib/frames/layout/LayoutNode.h"
#include <algorithm>

SECLayoutNode::SECLayoutNode()
    : m_sizeMin{0, 0}, m_sizeMax{0, 0}, m_dwMinMaxFlags(SEC_LN_NOMAX), m_bInvalid(TRUE), m_bMoved(FALSE),
      m_dwNodeStyle(0), m_ptDrawOffset{0, 0}, m_bLayoutFrozen(FALSE),
      m_bOrientation(TRUE), m_rcCurrent{}, m_rcApplied{}, m_rcPreferred{}, m_rcRealized{}, m_rcPrevRealized{},
      m_pMemoryManager(NULL)
{
}

// A node never deletes its children (its manager deletes every node), but it leaves its tree
// cleanly, so a node destroyed singly leaves no dangling pointer in its parent or children.
SECLayoutNode::~SECLayoutNode()
{
    if (m_pParent != NULL)
        m_pParent->RemoveLayoutChild(this);
    while (!m_children.IsEmpty())
        ((SECLayoutNode*)m_children.RemoveHead())->m_pParent = NULL;
    if (m_pMemoryManager != NULL)
        m_pMemoryManager->Untrack(this);
}

void SECLayoutNode::SetMinMaxSize(const SIZE& sizeMin, const SIZE& sizeMax, DWORD dwFlags)
{
    m_sizeMin = sizeMin;
    m_sizeMax = sizeMax;
    m_dwMinMaxFlags = dwFlags;
}

void SECLayoutNode::GetMinMaxSize(SIZE& sizeMin, SIZE& sizeMax, DWORD& dwFlags)
{
    sizeMin = m_sizeMin;
    sizeMax = m_sizeMax;
    dwFlags = m_dwMinMaxFlags;
}

SECLayoutNode* SECLayoutNode::GetRootNode()
{
    SECLayoutNode* pNode = this;
    while (pNode->GetParentNode() != NULL)
        pNode = pNode->GetParentNode();
    return pNode;
}

void SECLayoutNode::InvalidateNode(BOOL bParents)
{
    m_bInvalid = TRUE;
    if (bParents && GetParentNode() != NULL)
        GetParentNode()->InvalidateNode(TRUE);
}

void SECLayoutNode::SetNodeStyle(DWORD dwStyle, BOOL bRecursive)
{
    m_dwNodeStyle = dwStyle;
    if (bRecursive)
        ForEachInSubtree([dwStyle](SECLayoutNode* p) { p->SetNodeStyle(dwStyle, FALSE); });
}

void SECLayoutNode::ModifyNodeStyle(DWORD dwRemove, DWORD dwAdd, BOOL bRecursive)
{
    SetNodeStyle((GetNodeStyle() & ~dwRemove) | dwAdd, FALSE);
    if (bRecursive)
        ForEachInSubtree([=](SECLayoutNode* p) { p->ModifyNodeStyle(dwRemove, dwAdd, FALSE); });
}

void SECLayoutNode::FreezeLayout(BOOL bFrozen, BOOL bRecursive)
{
    m_bLayoutFrozen = bFrozen;
    if (bRecursive)
        ForEachInSubtree([bFrozen](SECLayoutNode* p) { p->FreezeLayout(bFrozen, FALSE); }, FALSE);
}

void SECLayoutNode::RecalcLayout()
{
    RECT rc;
    GetChildrenRect(rc);
    SetInitialRect(rc);
}

void SECLayoutNode::SetInitialRect(const RECT& rc)
{
    m_rcCurrent = rc;
    SetAppliedRect(rc);
    SetPreferredRect(rc);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (m_sizeMin.cx > cx)
        m_sizeMin.cx = cx;
    if (m_sizeMin.cy > cy)
        m_sizeMin.cy = cy;
    if (m_sizeMax.cx < cx)
        m_sizeMax.cx = cx;
    if (m_sizeMax.cy < cy)
        m_sizeMax.cy = cy;
}

void PASCAL SECLayoutNode::LimitRect(RECT& rc, const SIZE& sizeMin, const SIZE& sizeMax, DWORD dwFlags)
{
    if (!(dwFlags & SEC_LN_NOMAX))
    {
        if (rc.right - rc.left > sizeMax.cx)
            rc.right = rc.left + sizeMax.cx;
        if (rc.bottom - rc.top > sizeMax.cy)
            rc.bottom = rc.top + sizeMax.cy;
    }
    if (!(dwFlags & SEC_LN_NOMIN))
    {
        if (rc.right - rc.left < sizeMin.cx)
            rc.right = rc.left + sizeMin.cx;
        if (rc.bottom - rc.top < sizeMin.cy)
            rc.bottom = rc.top + sizeMin.cy;
    }
}

void SECLayoutNode::GetConstrainedRect(RECT& rc)
{
    SIZE sizeMin, sizeMax;
    DWORD dwFlags;
    GetMinMaxSize(sizeMin, sizeMax, dwFlags);
    GetAppliedRect(rc);
    LimitRect(rc, sizeMin, sizeMax, dwFlags);
}

void SECLayoutNode::ApplyMinMaxSize(RECT& rc)
{
    LimitRect(rc, m_sizeMin, m_sizeMax, m_dwMinMaxFlags);
}

void SECLayoutNode::ApplyStyleLocks(const RECT& rcOld, RECT& rcNew)
{
    if (m_dwNodeStyle & SEC_LN_KEEPWIDTH)
        rcNew.right = rcNew.left + (rcOld.right - rcOld.left);
    if (m_dwNodeStyle & SEC_LN_KEEPHEIGHT)
        rcNew.bottom = rcNew.top + (rcOld.bottom - rcOld.top);
    if (m_dwNodeStyle & SEC_LN_KEEPLEFT)
        rcNew.left = rcOld.left;
    if (m_dwNodeStyle & SEC_LN_KEEPTOP)
        rcNew.top = rcOld.top;
}

int SECLayoutNode::AddLayoutChild(SECLayoutNode* pChild)
{
    if (pChild == NULL || !pChild->IsNodeValid())
        return -1;
    if (pChild->GetParentNode() == this)
        return GetChildCount(FALSE);
    if (pChild->GetParentNode() != NULL)
        pChild->GetParentNode()->RemoveLayoutChild(pChild);
    if (!AddChild(pChild))
        return -1;
    return GetChildCount(FALSE);
}

BOOL SECLayoutNode::MoveLayoutChild(SECLayoutNode* pChild, SECLayoutNode* pRef, BOOL bAfter)
{
    if (pChild == NULL)
        return FALSE;
    POSITION pos = m_children.Find(pChild);
    if (pos == NULL)
        return TRUE;
    m_children.RemoveAt(pos);
    POSITION posRef = pRef != NULL ? m_children.Find(pRef) : NULL;
    if (pRef == NULL)
    {
        if (bAfter)
            m_children.AddTail(pChild);
        else
            m_children.AddHead(pChild);
    }
    else if (posRef == NULL)
        m_children.AddHead(pChild);
    else if (bAfter)
        m_children.InsertAfter(posRef, pChild);
    else
        m_children.InsertBefore(posRef, pChild);
    return TRUE;
}

int SECLayoutNode::RemoveLayoutChild(SECLayoutNode* pChild)
{
    if (pChild == NULL || !RemoveChild(pChild))
        return -1;
    return GetChildCount(FALSE);
}

void SECLayoutNode::RecalcNode(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce)
{
    if (!NeedsRecalc(bForce, rc))
    {
        GetAppliedRect(rcOut);
        return;
    }
    RECT rcOld, rcNew;
    GetAppliedRect(rcOld);
    CalcLayout(rcNew, rc, bConstrain, bForce);
    ApplyStyleLocks(rcOld, rcNew);
    SetAppliedRect(rcNew);
    if (!SECRectsEqual(rcNew, rcOld))
        MarkNodeMoved();
    ValidateNode();
    rcOut = rcNew;
}

void SECLayoutNode::CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce)
{
    RECT r = rc;
    if (bConstrain)
        ApplyMinMaxSize(r);
    SetAppliedRect(r);
    int dx = r.left - m_rcCurrent.left, dy = r.top - m_rcCurrent.top;
    for (POSITION pos = GetFirstChildPosition(); pos != NULL; pos = GetNextChildPosition(pos))
    {
        SECLayoutNode* pChild = GetChildAt(pos);
        RECT rcChild, rcIgnored;
        pChild->GetCurrentRect(rcChild);
        ::OffsetRect(&rcChild, dx, dy);
        pChild->RecalcNode(rcIgnored, rcChild, bConstrain, bForce);
    }
    rcOut = r;
}

BOOL SECLayoutNode::RealizeNode(HDC hdc)
{
    if (m_bLayoutFrozen)
        return FALSE;
    int nCount = 0;
    ForEachInSubtree([&nCount](SECLayoutNode* p) { nCount += p->GetWindowPosCount(); });
    if (nCount < 0)
        return FALSE;
    if (nCount > 0)
    {
        HDWP hdwp = ::BeginDeferWindowPos(nCount);
        if (hdwp == NULL)
            return FALSE;
        ForEachInSubtree([&hdwp, hdc](SECLayoutNode* p) {
            p->RealizeSelf(&hdwp, hdc);
            RECT rc;
            p->GetRealizedRect(rc);
            p->SetPrevRealizedRect(rc);
            p->GetAppliedRect(rc);
            p->SetRealizedRect(rc);
        });
        if (hdwp != NULL)
            ::EndDeferWindowPos(hdwp);
    }
    SettleMovedFlags();
    return TRUE;
}

// Nodes that refresh exposed strips do so now, after the windows moved; the others forget
// that they moved.
void SECLayoutNode::SettleMovedFlags()
{
    if ((GetNodeStyle() & SEC_LN_EXPOSEDSTRIPS) && IsNodeMoved())
    {
        RefreshNode(TRUE, TRUE);
        RefreshNode(FALSE, TRUE);
        return;
    }
    m_bMoved = FALSE;
    ForEachInSubtree([](SECLayoutNode* p) {
        if ((p->GetNodeStyle() & SEC_LN_EXPOSEDSTRIPS) && p->IsNodeMoved())
        {
            p->RefreshNode(TRUE, TRUE);
            p->RefreshNode(FALSE, TRUE);
        }
        else
            p->m_bMoved = FALSE;
    });
}

BOOL SECLayoutNode::RealizeSelf(HDWP*, HDC)
{
    return TRUE;
}

void SECLayoutNode::OnLayoutNotify(BOOL bRecursive, LPARAM lValue)
{
    if (bRecursive)
        ForEachInSubtree([lValue](SECLayoutNode* p) { p->OnLayoutNotify(FALSE, lValue); });
}

void SECLayoutNode::DrawNode(BOOL bRecursive, HDC hdc)
{
    if (bRecursive)
        ForEachInSubtree([hdc](SECLayoutNode* p) { p->DrawNode(FALSE, hdc); });
}

void SECLayoutNode::RefreshNode(BOOL bErase, BOOL bRecursive)
{
    m_bMoved = FALSE;
    if (bErase && (GetNodeStyle() & SEC_LN_EXPOSEDSTRIPS))
        InvalidateExposedStrips();
    else
    {
        RECT rc;
        GetAppliedRect(rc);
        InvalidateNodeRect(&rc, bErase);
    }
    if (bRecursive)
        ForEachInSubtree([bErase](SECLayoutNode* p) { p->RefreshNode(bErase, FALSE); });
}

void SECLayoutNode::GetChildrenRect(RECT& rc)
{
    rc = RECT{};
    BOOL bFirst = TRUE;
    for (POSITION pos = GetFirstChildPosition(); pos != NULL; pos = GetNextChildPosition(pos))
    {
        RECT r;
        GetChildAt(pos)->GetAppliedRect(r);
        if (bFirst)
            rc = r;
        else
        {
            // Empty rectangles count too, so no UnionRect.
            rc.left = std::min(rc.left, r.left);
            rc.top = std::min(rc.top, r.top);
            rc.right = std::max(rc.right, r.right);
            rc.bottom = std::max(rc.bottom, r.bottom);
        }
        bFirst = FALSE;
    }
}

void SECLayoutNode::ResetZOrder(BOOL bRecursive)
{
    if (bRecursive)
        ForEachInSubtree([](SECLayoutNode* p) { p->ResetZOrder(FALSE); });
}

void SECLayoutNode::SetMemoryManager(SECLayoutNodeMemoryManager* pManager, BOOL bRecursive)
{
    if (m_pMemoryManager != NULL && m_pMemoryManager != pManager)
        m_pMemoryManager->Untrack(this);
    if (pManager != NULL)
        pManager->Track(this);
    m_pMemoryManager = pManager;
    if (bRecursive)
        ForEachInSubtree([pManager](SECLayoutNode* p) { p->SetMemoryManager(pManager, FALSE); }, FALSE);
}

void SECLayoutNode::SetDrawOffset(int x, int y)
{
    m_ptDrawOffset.x = x;
    m_ptDrawOffset.y = y;
}

void SECLayoutNode::SetNodeOrientation(BOOL bOrientation, BOOL bRecursive)
{
    m_bOrientation = bOrientation;
    if (bRecursive)
        ForEachInSubtree([bOrientation](SECLayoutNode* p) { p->SetNodeOrientation(bOrientation, FALSE); });
}

void SECLayoutNode::InvalidateNodeRect(const RECT*, BOOL)
{
}

BOOL SECLayoutNode::NeedsRecalc(BOOL bForce, const RECT& rc)
{
    BOOL bNeeds = bForce || m_bInvalid || !SECRectsEqual(rc, m_rcApplied);
    m_bInvalid = FALSE;
    return bNeeds;
}

void SECLayoutNode::InvalidateExposedStrips()
{
    RECT a = m_rcPrevRealized, b;
    GetAppliedRect(b);
    RECT strip;
    if (a.top < b.top)
    {
        strip = a;
        strip.bottom = b.top;
        InvalidateNodeRect(&strip, TRUE);
    }
    if (a.left < b.left)
    {
        strip = a;
        strip.right = b.left;
        InvalidateNodeRect(&strip, TRUE);
    }
    if (a.right > b.right)
    {
        strip = a;
        strip.left = b.right;
        InvalidateNodeRect(&strip, TRUE);
    }
    if (a.bottom > b.bottom)
    {
        strip = a;
        strip.top = b.bottom;
        InvalidateNodeRect(&strip, TRUE);
    }
}
