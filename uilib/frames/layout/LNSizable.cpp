// SECLNSizable: edges the user drags.
#include "uilib/frames/layout/LNSizable.h"

namespace
{
// Edge flags in the order the edges are kept, with each edge's splitter orientation (vertical
// bars on the left and right).
const DWORD kEdgeFlags[4] = {SEC_EDGE_TOP, SEC_EDGE_BOTTOM, SEC_EDGE_LEFT, SEC_EDGE_RIGHT};
const BOOL kEdgeVertical[4] = {FALSE, FALSE, TRUE, TRUE};
} // namespace

SECLNSizable::SECLNSizable()
    : m_pEdges{}, m_pSizedChild(NULL), m_dwEdges(0), m_dwRememberedEdges(0),
      m_pHost(NULL), m_rcSizingLimits{}, m_bSkipBorderGrowth(FALSE)
{
}

SECLNSizable::~SECLNSizable()
{
    for (SECLNVirtualSplitter*& pSplitter : m_pEdges)
        pSplitter = DestroyEdgeSplitter(pSplitter);
}

int SECLNSizable::HasWrappedNode()
{
    int nSplitters = 0;
    for (SECLNVirtualSplitter* pSplitter : m_pEdges)
        nSplitters += pSplitter != NULL;
    return GetChildCount(FALSE) - nSplitters;
}

int SECLNSizable::AddLayoutChild(SECLayoutNode* pChild)
{
    if (HasWrappedNode() >= 1)
        return -1;
    int nCount = SECLayoutNode::AddLayoutChild(pChild);
    if (nCount != -1)
        m_pSizedChild = pChild;
    return nCount;
}

int SECLNSizable::RemoveLayoutChild(SECLayoutNode* pChild)
{
    if (pChild != NULL && pChild == m_pSizedChild)
        m_pSizedChild = NULL;
    return SECLNBorder_T<SECLayoutNode>::RemoveLayoutChild(pChild);
}

// The bordered rule only. Growing the rectangle by the borders on every constrained pass would
// make the node grow at each negotiation; after a drag the flag is simply consumed.
void SECLNSizable::GrowToChildLimits(RECT& rc)
{
    SECLNBorder_T<SECLayoutNode>::GrowToChildLimits(rc);
    m_bSkipBorderGrowth = FALSE;
}

void SECLNSizable::CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce)
{
    const BOOL bDragged =
        bConstrain && (m_nPendingTop || m_nPendingBottom || m_nPendingLeft || m_nPendingRight);
    SECLNBorder_T<SECLayoutNode>::CalcLayout(rcOut, rc, bConstrain, bForce);
    if (bDragged)
    {
        // A dragged edge stays where it was dragged: the parents lay the node out again from
        // these rectangles.
        SetCurrentRect(rcOut);
        SetPreferredRect(rcOut);
    }
    PlaceEdgeSplitters(rcOut);
}

BOOL SECLNSizable::SetSizingEdges(CWnd* pHost, BOOL bEnableBars, DWORD dwEdges)
{
    if (pHost == NULL)
        return FALSE;
    m_dwEdges = m_dwRememberedEdges = dwEdges;
    m_pHost = pHost;
    for (int i = 0; i < 4; ++i)
    {
        if (dwEdges & kEdgeFlags[i])
            m_pEdges[i] = CreateEdgeSplitter(pHost, m_pEdges[i], bEnableBars, kEdgeVertical[i]);
        else
            m_pEdges[i] = DestroyEdgeSplitter(m_pEdges[i]);
    }
    ApplyEdgeBorders();
    return TRUE;
}

// The borders the bars take, known before the next layout places them, so the content never
// lies under a new bar.
void SECLNSizable::ApplyEdgeBorders()
{
    const int s = SECSplitterBase::s_nSplitterWidth;
    SetBorders(m_pEdges[2] ? s : 0, m_pEdges[0] ? s : 0, m_pEdges[3] ? s : 0, m_pEdges[1] ? s : 0);
}

void SECLNSizable::EnableSizing(BOOL bEnable, BOOL bEnableBars, BOOL bRealize)
{
    if (bEnable)
        SetSizingEdges(m_pHost, bEnableBars, m_dwRememberedEdges);
    else
    {
        const DWORD dwEdges = m_dwEdges;
        for (SECLNVirtualSplitter*& pSplitter : m_pEdges)
            pSplitter = DestroyEdgeSplitter(pSplitter);
        m_dwEdges = 0;
        m_dwRememberedEdges = dwEdges;
        ApplyEdgeBorders();
    }
    if (bRealize)
    {
        RECT rc, rcOut;
        GetAppliedRect(rc);
        RecalcNode(rcOut, rc, FALSE, TRUE);
        RealizeNode(NULL);
    }
}

SECLNVirtualSplitter* SECLNSizable::NewEdgeSplitter()
{
    return new SECLNVirtualSplitter;
}

SECLNVirtualSplitter* SECLNSizable::CreateEdgeSplitter(CWnd* pHost, SECLNVirtualSplitter* pExisting,
                                                       BOOL bEnableBars, BOOL bOrientation)
{
    SECLNVirtualSplitter* pSplitter = pExisting;
    if (pSplitter == NULL)
    {
        pSplitter = NewEdgeSplitter();
        RECT rcEmpty = {};
        if (!pSplitter->Create(pHost, rcEmpty, WS_CHILD | WS_VISIBLE, SEC_IDC_EDGE_SPLITTER, 0))
        {
            delete pSplitter;
            return NULL;
        }
        SECLayoutNode::AddLayoutChild(pSplitter);
        pSplitter->SetObserver(this);
        pSplitter->SetNodeOrientation(bOrientation, FALSE);
    }
    pSplitter->EnableBars(bEnableBars);
    return pSplitter;
}

SECLNVirtualSplitter* SECLNSizable::DestroyEdgeSplitter(SECLNVirtualSplitter* pSplitter)
{
    if (pSplitter != NULL)
    {
        SECLayoutNode::RemoveLayoutChild(pSplitter);
        delete pSplitter;
    }
    return NULL;
}

void SECLNSizable::PlaceEdgeSplitters(const RECT& r)
{
    const int s = SECSplitterBase::s_nSplitterWidth;
    int widths[4] = {};
    for (int i = 0; i < 4; ++i)
    {
        SECLNVirtualSplitter* pSplitter = m_pEdges[i];
        if (pSplitter == NULL)
            continue;
        RECT strip = r, range = r;
        switch (i)
        {
        case 0: // top
            strip.bottom = r.top + s > r.bottom ? r.top : r.top + s;
            range.top = std::min(m_rcSizingLimits.top, r.top);
            break;
        case 1: // bottom
            strip.top = r.bottom - s < r.top ? r.bottom : r.bottom - s;
            range.bottom = std::max(m_rcSizingLimits.bottom, r.bottom);
            break;
        case 2: // left
            strip.right = r.left + s > r.right ? r.left : r.left + s;
            range.left = std::min(m_rcSizingLimits.left, r.left);
            break;
        default: // right
            strip.left = r.right - s < r.left ? r.right : r.right - s;
            range.right = std::max(m_rcSizingLimits.right, r.right);
            break;
        }
        if (i >= 2)
        {
            // Side bars run between the top and bottom bars.
            if (m_pEdges[0] != NULL)
                strip.top += s;
            if (m_pEdges[1] != NULL)
                strip.bottom -= s;
        }
        RECT rcIgnored;
        pSplitter->RecalcNode(rcIgnored, strip, FALSE, FALSE);
        pSplitter->SetLimitRect(range);
        widths[i] = s;
    }
    SetBorders(widths[2], widths[0], widths[3], widths[1]);
}

void SECLNSizable::SetSizingLimits(const RECT& rcLimits, BOOL bRecalc)
{
    m_rcSizingLimits = rcLimits;
    if (bRecalc)
    {
        RECT rc, rcOut;
        GetAppliedRect(rc);
        RecalcNode(rcOut, rc, FALSE, TRUE);
    }
}

ISECLNContainer* SECLNSizable::HostContainer(SECLNHwndContainer& container)
{
    return m_pHost != NULL ? &container : NULL;
}

BOOL SECLNSizable::OnSplitterMoved(SECLNVirtualSplitter* pSplitter, int dx, int dy)
{
    if (GetParentNode() == NULL)
        return FALSE;
    int nEdge = -1;
    for (int i = 0; i < 4; ++i)
        if (m_pEdges[i] == pSplitter)
            nEdge = i;
    if (nEdge < 0)
        return FALSE;
    AddPendingEdges(nEdge == 0 ? dy : 0, nEdge == 1 ? dy : 0, nEdge == 2 ? dx : 0, nEdge == 3 ? dx : 0);
    m_bSkipBorderGrowth = TRUE;
    SECLNHwndContainer container(m_pHost != NULL ? m_pHost->GetSafeHwnd() : NULL);
    BOOL bOk = NegotiateChildSize(TRUE, HostContainer(container));
    // The windows follow now; a host that is no frame would not lay them out.
    GetRootNode()->RealizeNode(NULL);
    return bOk;
}

BOOL SECLNSizableDockBorder::OnSplitterMoved(SECLNVirtualSplitter* pSplitter, int dx, int dy)
{
    if (m_pSizedChild != NULL)
    {
        if (ISECPreferredNodeRectSet* pSetter = SECNodeInterface<ISECPreferredNodeRectSet>(m_pSizedChild))
            pSetter->UpdatePreferredRect();
        else
        {
            RECT rc;
            m_pSizedChild->GetAppliedRect(rc);
            m_pSizedChild->SetPreferredRect(rc);
        }
    }
    return SECLNSizable::OnSplitterMoved(pSplitter, dx, dy);
}

BOOL SECLNSizableDockBorder::OnDockEvent(SECLayoutNode*, SECLayoutNode*, SECLayoutNode*, SECLayoutNode*,
                                         CPtrList*)
{
    ISECHideableNode* pHideable =
        m_pSizedChild != NULL ? SECNodeInterface<ISECHideableNode>(m_pSizedChild) : NULL;
    if (pHideable == NULL || pHideable->IsVisible())
        return TRUE;
    RECT rc, rcOut;
    GetAppliedRect(rc);
    switch (m_nDockSide)
    {
    case 0:
        rc.bottom = rc.top;
        break;
    case 1:
        rc.top = rc.bottom;
        break;
    case 2:
        rc.right = rc.left;
        break;
    default:
        rc.left = rc.right;
        break;
    }
    RecalcNode(rcOut, rc, TRUE, FALSE);
    SECLNHwndContainer container(m_pHost != NULL ? m_pHost->GetSafeHwnd() : NULL);
    NegotiateChildSize(TRUE, HostContainer(container));
    return TRUE;
}
