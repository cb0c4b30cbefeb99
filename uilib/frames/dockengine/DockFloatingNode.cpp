// SECDockFloatingNode: floating a node, moving its frame and docking its content back.
#include "uilib/frames/dockengine/DockFloatingNode.h"
#include "uilib/frames/dockengine/DockInProgressInfo.h"
#include "uilib/frames/dockengine/DockingMgr.h"
#include "uilib/frames/dockengine/DynamicGrid2d.h"
#include "uilib/frames/dockengine/LNFloatingHwndContainer.h"
#include "uilib/frames/dockengine/LayoutMiniFloatWnd.h"

namespace
{
// The outline keeps the cursor this far inside the side it was pushed from.
const int kCursorMargin = 5;

// Moves [nLow, nHigh) along one axis so that it holds c.
void KeepAround(LONG& nLow, LONG& nHigh, LONG c)
{
    LONG nShift = 0;
    if (nHigh < c)
        nShift = c - nHigh + kCursorMargin;
    else if (nLow > c)
        nShift = -(nLow - c + kCursorMargin);
    nLow += nShift;
    nHigh += nShift;
}
} // namespace

// ---- the content as a grid ----

SECLayoutNode* SECQueryChildTargetInfo::GetFirstNode()
{
    SECLNDynamicGrid2d* pGrid = dynamic_cast<SECLNDynamicGrid2d*>(GetContentNode());
    return pGrid != NULL ? pGrid->GetFirstNode() : NULL;
}

int SECQueryChildTargetInfo::GetNodeCount()
{
    SECLNDynamicGrid2d* pGrid = dynamic_cast<SECLNDynamicGrid2d*>(GetContentNode());
    return pGrid != NULL ? pGrid->GetNodeCount() : 0;
}

void SECQueryChildTargetInfo::CollectNodes(CPtrList& list)
{
    list.RemoveAll();
    if (SECLNDynamicGrid2d* pGrid = dynamic_cast<SECLNDynamicGrid2d*>(GetContentNode()))
        pGrid->CollectNodes(list);
}

// ---- construction ----

SECDockFloatingNode::SECDockFloatingNode()
    : m_pFloatContainer(NULL), m_bCreated(FALSE), m_bBordersKnown(FALSE), m_nFrameLeft(0), m_nFrameTop(0),
      m_nFrameRight(0), m_nFrameBottom(0), m_pSourceNode(NULL), m_bRegistered(FALSE), m_pDockingMgr(NULL)
{
}

SECDockFloatingNode::~SECDockFloatingNode()
{
    // Deleting the container hides and pools the frame; the manager deletes one it owns.
    const BOOL bOwnContainer = m_pFloatContainer != NULL;
    delete m_pFloatContainer;
    m_pFloatContainer = NULL;
    if (m_pDockingMgr != NULL)
    {
        if (!bOwnContainer && m_bRegistered)
            m_pDockingMgr->UnregisterContainer(this);
        m_pDockingMgr->RemoveNodeConstraints(this);
    }
}

SECDockFloatingNode* PASCAL SECDockFloatingNode::Create(SECLNDockingMgr* pMgr)
{
    if (pMgr == NULL)
        return NULL;
    SECDockFloatingNode* pNode = new SECDockFloatingNode;
    pNode->m_pDockingMgr = pMgr;
    // Not the node's own memory manager: nodes floated inside stay with the one that made them.
    pMgr->CreateNodeMemoryManager()->Track(pNode);
    return pNode;
}

void SECDockFloatingNode::Destroy()
{
    SECLNDockingMgr* pMgr = m_pDockingMgr;
    SECLayoutNodeMemoryManager* pOwner = pMgr != NULL ? pMgr->GetNodeMemoryManagers().FindOwner(this) : NULL;
    if (pOwner != NULL)
        pMgr->DestroyNodeMemoryManager(pOwner);
    else
        delete this;
}

BOOL SECDockFloatingNode::InitFloating(SECLayoutNode* pDragged, SECLNDockingMgr* pMgr,
                                       ISECLNContainer* pContainer, LPCTSTR lpszTitle)
{
    m_pSourceNode = pDragged;
    if (pMgr != NULL)
        m_pDockingMgr = pMgr;
    int cx = 0, cy = 0;
    RECT rcFloat;
    SECDockingNodeConstraints* pRecord = pMgr != NULL ? pMgr->GetNodeConstraints(pDragged, FALSE) : NULL;
    if (pRecord != NULL && pRecord->GetFloatRect(&rcFloat))
    {
        cx = rcFloat.right - rcFloat.left;
        cy = rcFloat.bottom - rcFloat.top;
    }
    if (pDragged == NULL || pContainer == NULL || m_pFloatContainer != NULL)
        return m_bCreated;
    m_pFloatContainer =
        pContainer->CreateFloatingContainer(this, (DWORD_PTR)lpszTitle, (DWORD_PTR)cx, (DWORD_PTR)cy);
    m_bCreated = m_pFloatContainer != NULL;
    if (m_bCreated)
    {
        SECLNFloatingHwndContainer* pFloating = dynamic_cast<SECLNFloatingHwndContainer*>(m_pFloatContainer);
        m_bBordersKnown =
            pFloating != NULL &&
            pFloating->MeasureFrameBorders(&m_nFrameLeft, &m_nFrameTop, &m_nFrameRight, &m_nFrameBottom);
        SetBorders(m_nFrameLeft, m_nFrameTop, m_nFrameRight, m_nFrameBottom);
    }
    return m_bCreated;
}

SECLNFloatingHwndContainer* SECDockFloatingNode::GetFloatingContainer()
{
    ISECLNContainer* pContainer = m_pFloatContainer;
    if (pContainer == NULL && m_pDockingMgr != NULL)
        pContainer = m_pDockingMgr->LookupContainer(this);
    return dynamic_cast<SECLNFloatingHwndContainer*>(pContainer);
}

void SECDockFloatingNode::RestoreContent()
{
    if (m_pSourceNode != NULL && GetWrappedNode() == NULL && m_pSourceNode->GetParentNode() == NULL)
        AddLayoutChild(m_pSourceNode);
}

// ---- initiator ----

ISECDockableNode* SECDockFloatingNode::GetDropHandler(ISECDockTarget* pTarget, const POINT*, SECLNDockingMgr*,
                                                      CPtrList*)
{
    if (!m_bCreated)
        return NULL;
    if (pTarget == NULL)
        return this;
    SECLayoutNode* pContent = GetWrappedNode();
    if (pContent == NULL)
        pContent = m_pSourceNode;
    // A grid of several nodes hands over its first one.
    if (SECLayoutNode* pFirst = GetFirstNode())
        pContent = pFirst;
    return SECNodeInterface<ISECDockableNode>(pContent);
}

BOOL SECDockFloatingNode::OnDoubleClick(SECLNDockingMgr* pMgr)
{
    SECLayoutNode* pContent = GetWrappedNode();
    if (pMgr == NULL || pContent == NULL)
        return FALSE;
    // The content's last dock place becomes the floating node's.
    SECDockingNodeConstraints* pOwn = pMgr->GetNodeConstraints(this, TRUE);
    if (SECDockingNodeConstraints* pContentRecord = pMgr->GetNodeConstraints(pContent, FALSE))
    {
        pOwn->pBorderTargetParent = pContentRecord->pBorderTargetParent;
        SECDockInsertionConstraints place;
        if (pContentRecord->GetLastInsertion(&place))
            pOwn->SetLastInsertion(place);
    }
    // Nothing of this node is touched after: a successful re-dock deletes it.
    return RedockNode(pMgr, NULL);
}

void SECDockFloatingNode::OnDocked(ISECDockableNode* pHandler, SECLNDockingMgr* pMgr)
{
    SECDefDockNodeInitiatorBase::OnDocked(pHandler, pMgr);
    // The content left: the frame hides at once.
    if (GetWrappedNode() == NULL)
    {
        if (SECLNFloatingHwndContainer* pContainer = GetFloatingContainer())
            pContainer->ShowContainer(FALSE);
    }
}

void SECDockFloatingNode::CancelDockDrag()
{
    RestoreContent();
    SECDefDockNodeInitiatorBase::CancelDockDrag();
}

void SECDockFloatingNode::EndDockDrag()
{
    SECDefDockNodeInitiatorBase::EndDockDrag();
    if (m_bCreated && GetWrappedNode() == NULL && GetParentNode() == NULL &&
        (m_pSourceNode == NULL || m_pSourceNode->GetRootNode() != this))
        Destroy();
}

// ---- dockable ----

BOOL SECDockFloatingNode::GetFeedbackRect(const POINT* pt, RECT* pRect, SECLNDockingMgr*,
                                          SECDockInProgressInfo* pInfo)
{
    if (pt == NULL || pRect == NULL)
        return FALSE;
    SECLNFloatingHwndContainer* pContainer = GetFloatingContainer();
    SECLayoutMiniFloatWnd* pFrame = pContainer != NULL ? pContainer->GetFrame() : NULL;
    POINT ptGrab = pInfo != NULL ? pInfo->ptGrabOffset : POINT{0, 0};
    RECT rc;
    SECDockingNodeConstraints* pRecord =
        m_pDockingMgr != NULL ? m_pDockingMgr->GetNodeConstraints(m_pSourceNode, FALSE) : NULL;
    if (pFrame != NULL && (pFrame->IsWindowVisible() || (pRecord != NULL && pRecord->GetFloatRect(NULL))))
    {
        // A shown frame, or one made at the size the node floats at, keeps its size.
        pFrame->GetWindowRect(&rc);
    }
    else
    {
        // Not shown yet: the dragged node's size plus the borders, the node's grabbed point
        // under the cursor.
        SECLayoutNode* pContent = m_pSourceNode != NULL ? m_pSourceNode : GetWrappedNode();
        if (pContent == NULL)
            return FALSE;
        pContent->GetAppliedRect(rc);
        rc.right += m_nFrameLeft + m_nFrameRight;
        rc.bottom += m_nFrameTop + m_nFrameBottom;
        ptGrab.x += m_nFrameLeft;
        ptGrab.y += m_nFrameTop;
    }
    const LONG cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    rc.left = pt->x - ptGrab.x;
    rc.top = pt->y - ptGrab.y;
    rc.right = rc.left + cx;
    rc.bottom = rc.top + cy;
    KeepAround(rc.left, rc.right, pt->x);
    KeepAround(rc.top, rc.bottom, pt->y);
    *pRect = rc;
    return TRUE;
}

BOOL SECDockFloatingNode::FloatAt(const POINT* pt, SECLNDockingMgr* pMgr, SECDockInProgressInfo* pInfo)
{
    RECT rc;
    if (!(pInfo != NULL && pInfo->GetRect(&rc)) && !GetFeedbackRect(pt, &rc, pMgr, pInfo))
        return FALSE;
    SECLNFloatingHwndContainer* pContainer = GetFloatingContainer();
    if (!m_bCreated || pContainer == NULL)
        return FALSE;
    RestoreContent();
    RECT rcAtOrigin = {0, 0, rc.right - rc.left, rc.bottom - rc.top}, rcOut;
    RecalcNode(rcOut, rcAtOrigin, FALSE, TRUE);
    pContainer->SetDockingMgr(pMgr);
    return pContainer->ShowFrame(&rc);
}

void SECDockFloatingNode::OnAfterDock(SECLNDockingMgr* pMgr, CPtrList* pAffected)
{
    SECDefDockNodeBase::OnAfterDock(pMgr, pAffected);
    if (pMgr == NULL || m_pFloatContainer == NULL)
        return;
    // The manager owns the container from now on.
    if (pMgr->RegisterContainer(GetRootNode(), m_pFloatContainer))
    {
        m_bRegistered = TRUE;
        m_pFloatContainer = NULL;
    }
}

BOOL SECDockFloatingNode::ShowFloatingChild(SECLayoutNode* pNode, BOOL bShow)
{
    SECLNFloatingHwndContainer* pContainer = GetFloatingContainer();
    if (pNode == NULL || pNode->GetRootNode() != this || pContainer == NULL || pContainer->GetFrame() == NULL)
        return FALSE;
    pContainer->GetFrame()->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    return TRUE;
}
