// SECLNDockingMgr: containers, constraints and dock events of the layout docking.
#include "uilib/frames/dockengine/DockingMgr.h"
#include "uilib/frames/dockengine/NodeSearch.h"
#include "uilib/frames/layout/DockInterfaces.h"
#include "uilib/frames/layout/ReparentableNode.h"

namespace
{
SECLNDockingMgr* s_pDefaultDockingMgr = NULL;
}

SECLayoutNodeMemoryManager* SECDockMgrMemMgr::FindOwner(SECLayoutNode* pNode) const
{
    if (pNode == NULL)
        return NULL;
    for (POSITION pos = GetHeadPosition(); pos != NULL;)
    {
        SECLayoutNodeMemoryManager* pMgr = GetNext(pos);
        if (pMgr->IsTracked(pNode) != NULL)
            return pMgr;
    }
    return NULL;
}

int SECDockMgrMemMgr::CountEmpty() const
{
    int nCount = 0;
    for (POSITION pos = GetHeadPosition(); pos != NULL;)
        nCount += GetNext(pos)->GetCount() == 0;
    return nCount;
}

SECLNDockingMgr::SECLNDockingMgr() : m_containerMap(10), m_constraintsMap(10)
{
}

SECLNDockingMgr::~SECLNDockingMgr()
{
    if (s_pDefaultDockingMgr == this)
        s_pDefaultDockingMgr = NULL;
}

SECLNDockingMgr* PASCAL SECLNDockingMgr::GetDefaultDockingMgr()
{
    return s_pDefaultDockingMgr;
}

void PASCAL SECLNDockingMgr::SetDefaultDockingMgr(SECLNDockingMgr* pMgr)
{
    s_pDefaultDockingMgr = pMgr;
}

// ---- containers ----

BOOL SECLNDockingMgr::RegisterContainer(SECLayoutNode* pNode, ISECLNContainer* pContainer)
{
    if (pNode == NULL || pContainer == NULL)
        return FALSE;
    ISECLNContainer* pOld = LookupContainer(pNode);
    if (pOld == pContainer)
        return TRUE;
    if (pOld != NULL)
        UnregisterContainer(pNode);
    m_containerMap.SetAt(pNode, pContainer);
    m_containerMemMgr.Track(pContainer);
    return TRUE;
}

BOOL SECLNDockingMgr::UnregisterContainer(SECLayoutNode* pNode)
{
    ISECLNContainer* pContainer = LookupContainer(pNode);
    if (pContainer == NULL)
        return FALSE;
    m_containerMap.RemoveKey(pNode);
    m_containerMemMgr.Untrack(pContainer);
    delete pContainer;
    return TRUE;
}

ISECLNContainer* SECLNDockingMgr::LookupContainer(SECLayoutNode* pNode) const
{
    ISECLNContainer* pContainer = NULL;
    return pNode != NULL && m_containerMap.Lookup(pNode, pContainer) ? pContainer : NULL;
}

ISECLNContainer* SECLNDockingMgr::FindContainer(SECLayoutNode* pNode) const
{
    for (SECLayoutNode* p = pNode; p != NULL; p = p->GetParentNode())
    {
        if (ISECLNContainer* pContainer = LookupContainer(p))
            return pContainer;
    }
    return NULL;
}

BOOL SECLNDockingMgr::IsNodeUnderRegisteredRoot(SECLayoutNode* pNode) const
{
    if (pNode == NULL)
        return FALSE;
    for (POSITION pos = m_containerMap.GetStartPosition(); pos != NULL;)
    {
        SECLayoutNode* pRoot = NULL;
        ISECLNContainer* pContainer = NULL;
        m_containerMap.GetNextAssoc(pos, pRoot, pContainer);
        if (pRoot == pNode || IsDescendantNode(pRoot, pNode))
            return TRUE;
    }
    return FALSE;
}

void SECLNDockingMgr::CollectRegisteredNodes(CPtrList& list) const
{
    // In registration order, so that searches are repeatable.
    for (POSITION pos = m_containerMemMgr.GetHeadPosition(); pos != NULL;)
    {
        ISECLNContainer* pContainer = m_containerMemMgr.GetNext(pos);
        for (POSITION posMap = m_containerMap.GetStartPosition(); posMap != NULL;)
        {
            SECLayoutNode* pRoot = NULL;
            ISECLNContainer* pMapped = NULL;
            m_containerMap.GetNextAssoc(posMap, pRoot, pMapped);
            if (pMapped == pContainer)
                list.AddTail(pRoot);
        }
    }
}

void SECLNDockingMgr::CollectWindowContainers(CPtrList& list) const
{
    for (POSITION pos = m_containerMemMgr.GetHeadPosition(); pos != NULL;)
    {
        ISECLNContainer* pContainer = m_containerMemMgr.GetNext(pos);
        if (dynamic_cast<SECLNHwndContainer*>(pContainer) != NULL)
            list.AddTail(pContainer);
    }
}

ISECLNContainer* SECLNDockingMgr::FindContainerByWindow(HWND hWnd, const CPtrList& list) const
{
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        ISECLNContainer* pContainer = (ISECLNContainer*)list.GetNext(pos);
        if (hWnd != NULL && pContainer->GetContainerHwnd() == hWnd)
            return pContainer;
    }
    return NULL;
}

namespace
{
// The window under the screen point as if hSkip and its children were not there.
HWND WindowFromPointBelow(POINT pt, HWND hSkip)
{
    HWND hWnd = ::WindowFromPoint(pt);
    if (hSkip == NULL || hWnd == NULL || (hWnd != hSkip && !::IsChild(hSkip, hWnd)))
        return hWnd;
    HWND hTop = hSkip;
    while (::GetWindowLong(hTop, GWL_STYLE) & WS_CHILD)
        hTop = ::GetParent(hTop);
    for (HWND h = ::GetWindow(hTop, GW_HWNDNEXT); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        RECT rc;
        if (!::IsWindowVisible(h) || !::GetWindowRect(h, &rc) || !::PtInRect(&rc, pt))
            continue;
        for (;;)
        {
            POINT ptClient = pt;
            ::ScreenToClient(h, &ptClient);
            HWND hChild = ::ChildWindowFromPointEx(h, ptClient, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
            if (hChild == NULL || hChild == h)
                return h;
            h = hChild;
        }
    }
    return NULL;
}
} // namespace

ISECLNContainer* SECLNDockingMgr::ContainerFromPoint(POINT pt, ISECLNContainer* pSeeThrough)
{
    CPtrList containers;
    CollectWindowContainers(containers);
    HWND hSkip = pSeeThrough != NULL ? pSeeThrough->GetContainerHwnd() : NULL;
    for (HWND hWnd = WindowFromPointBelow(pt, hSkip); hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        if (ISECLNContainer* pContainer = FindContainerByWindow(hWnd, containers))
            return pContainer;
        if (!(::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return NULL;
}

BOOL SECLNDockingMgr::UpdateSubtreeContainer(SECLayoutNode* pNode)
{
    if (pNode == NULL)
        return FALSE;
    SECLayoutNode* pRoot = pNode->GetRootNode();
    ISECLNContainer* pContainer = FindContainer(pRoot);
    if (pContainer == NULL)
        return FALSE;
    POINT ptOffset = {0, 0};
    pContainer->GetNodeOrigin(ptOffset);
    auto update = [pContainer, ptOffset](SECLayoutNode* p) {
        if (ISECReparentableNode* pReparentable = SECNodeInterface<ISECReparentableNode>(p))
            pReparentable->SetContainer(pContainer);
        p->SetDrawOffset(ptOffset.x, ptOffset.y);
    };
    if (pNode->GetChildCount(FALSE) == 0)
        update(pNode);
    else
        pNode->ForEachInSubtree(update);
    return TRUE;
}

// ---- memory managers and constraints ----

SECLayoutNodeMemoryManager* SECLNDockingMgr::CreateNodeMemoryManager()
{
    SECLayoutNodeMemoryManager* pMgr = new SECLayoutNodeMemoryManager;
    m_nodeMemMgrs.Track(pMgr);
    return pMgr;
}

BOOL SECLNDockingMgr::DestroyNodeMemoryManager(SECLayoutNodeMemoryManager* pMgr)
{
    if (pMgr == NULL)
        return FALSE;
    m_nodeMemMgrs.Untrack(pMgr);
    delete pMgr; // deletes its nodes
    return TRUE;
}

BOOL SECLNDockingMgr::SetNodeConstraints(SECLayoutNode* pNode, SECDockingNodeConstraints* pConstraints)
{
    if (pNode == NULL || pConstraints == NULL)
        return FALSE;
    SECDockingNodeConstraints* pOld = NULL;
    if (m_constraintsMap.Lookup(pNode, pOld) && pOld != pConstraints)
        RemoveNodeConstraints(pNode);
    m_constraintsMap.SetAt(pNode, pConstraints);
    m_constraintsMemMgr.Track(pConstraints);
    return TRUE;
}

BOOL SECLNDockingMgr::RemoveNodeConstraints(SECLayoutNode* pNode)
{
    SECDockingNodeConstraints* pConstraints = NULL;
    if (pNode == NULL || !m_constraintsMap.Lookup(pNode, pConstraints))
        return FALSE;
    m_constraintsMemMgr.Untrack(pConstraints);
    m_constraintsMap.RemoveKey(pNode);
    delete pConstraints;
    return TRUE;
}

SECDockingNodeConstraints* SECLNDockingMgr::GetNodeConstraints(SECLayoutNode* pNode, BOOL bCreate)
{
    if (pNode == NULL)
        return NULL;
    SECDockingNodeConstraints* pConstraints = NULL;
    if (m_constraintsMap.Lookup(pNode, pConstraints))
        return pConstraints;
    if (!bCreate)
        return NULL;
    pConstraints = new SECDockingNodeConstraints;
    SetNodeConstraints(pNode, pConstraints);
    return pConstraints;
}

BOOL SECLNDockingMgr::GetOffsetInContainer(POINT pt, SECLayoutNode* pNode, POINT* pOffset)
{
    if (pNode == NULL || pOffset == NULL)
        return FALSE;
    ISECLNContainer* pContainer = FindContainer(pNode);
    RECT rc;
    pNode->GetAppliedRect(rc);
    if (pContainer == NULL || !pContainer->NodeToScreen(&rc))
        return FALSE;
    pOffset->x = pt.x - rc.left;
    pOffset->y = pt.y - rc.top;
    return TRUE;
}

// ---- dock events ----

BOOL SECLNDockingMgr::SendDockEvent(SECLayoutNode* pNode, SECLayoutNode* pOldParent, SECLayoutNode* pTarget,
                                    CPtrList* pAffected)
{
    if (pNode == NULL)
        return FALSE;
    SECLayoutNode* pRoot = pNode->GetRootNode();
    SECLayoutNode* pNewParent = pNode->GetParentNode();
    SECLayoutNode* pStart = pOldParent != NULL ? pOldParent->GetRootNode() : pNode;
    DispatchDockEvent(pStart, pNode, pOldParent, pNewParent, pTarget, pAffected);
    if (pRoot != pStart)
        DispatchDockEvent(pRoot, pNode, pOldParent, pNewParent, pTarget, pAffected);
    return TRUE;
}

BOOL SECLNDockingMgr::DispatchDockEvent(SECLayoutNode* pStart, SECLayoutNode* pNode,
                                        SECLayoutNode* pOldParent, SECLayoutNode* pNewParent,
                                        SECLayoutNode* pTarget, CPtrList* pAffected)
{
    if (pStart == NULL)
        return FALSE;
    if (ISECDockEventReceiver* pReceiver = SECNodeInterface<ISECDockEventReceiver>(pStart))
    {
        if (!pReceiver->OnDockEvent(pNode, pOldParent, pNewParent, pTarget, pAffected))
            return TRUE;
    }
    for (POSITION pos = pStart->GetFirstChildPosition(); pos != NULL; pos = pStart->GetNextChildPosition(pos))
        DispatchDockEvent(pStart->GetChildAt(pos), pNode, pOldParent, pNewParent, pTarget, pAffected);
    return TRUE;
}
