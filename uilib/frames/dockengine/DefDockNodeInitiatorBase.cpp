// SECDefDockNodeInitiatorBase: taking a node out for a drag and putting it back or docking it.
#include "uilib/frames/dockengine/DefDockNodeInitiatorBase.h"
#include "uilib/frames/dockengine/DockInProgressInfo.h"
#include "uilib/frames/dockengine/DockingMgr.h"
#include "uilib/frames/dockengine/DynamicGridLine.h"

namespace
{
void RecalcAtApplied(SECLayoutNode* pNode)
{
    RECT rc, rcOut;
    pNode->GetAppliedRect(rc);
    pNode->RecalcNode(rcOut, rc, FALSE, TRUE);
}

void RealizeAndInvalidate(SECLayoutNode* pRoot, SECLNDockingMgr* pMgr)
{
    pRoot->RealizeNode(NULL);
    if (ISECLNContainer* pContainer = pMgr != NULL ? pMgr->FindContainer(pRoot) : NULL)
        pContainer->InvalidateContainer(FALSE);
}
} // namespace

SECDefDockNodeInitiatorBase::SECDefDockNodeInitiatorBase()
    : m_pNode(NULL), m_pOldRoot(NULL), m_pReserved(NULL), m_pContainer(NULL), m_pConstraintNodes(NULL),
      m_pRemovalObserver(NULL), m_pUndo(NULL)
{
}

SECDefDockNodeInitiatorBase::~SECDefDockNodeInitiatorBase()
{
    delete m_pConstraintNodes;
}

SECLayoutNode* SECDefDockNodeInitiatorBase::GetInitiatorNode()
{
    if (m_pNode == NULL)
        m_pNode = dynamic_cast<SECLayoutNode*>(this);
    return m_pNode;
}

SECLayoutNode* SECDefDockNodeInitiatorBase::BeginDockDrag(SECLNDockingMgr* pMgr, BOOL bFirst,
                                                          SECDockInProgressInfo* pInfo)
{
    SECLayoutNode* pNode = GetInitiatorNode();
    if (pNode == NULL)
        return NULL;
    m_pContainer = pMgr != NULL ? pMgr->FindContainer(pNode) : NULL;
    if (bFirst)
    {
        RECT rc;
        pNode->GetAppliedRect(rc);
        pNode->SetPreferredRect(rc);
        if (pInfo != NULL)
        {
            if (m_pContainer != NULL)
                m_pContainer->NodeToScreen(&rc);
            pInfo->rcStart = rc;
            pInfo->bHorizontal = pNode->GetNodeOrientation();
        }
    }
    SECLayoutNode* pParent = pNode->GetParentNode();
    if (pParent == NULL)
        return pNode;
    ISECUndoableNode* pUndo = SECNodeInterface<ISECUndoableNode>(pParent);
    if (pUndo == NULL || (pUndo = pUndo->GetUndoObject()) == NULL)
        return NULL;
    // The place it leaves is where a double click on its floating frame brings it back.
    if (bFirst && pMgr != NULL)
        pMgr->GetNodeConstraints(pNode, TRUE)->RecordCurrentPlace(pNode);
    m_pOldRoot = pNode->GetRootNode();
    if (pUndo->RemoveWithUndo(pNode) == -1)
        return NULL;
    m_pUndo = pUndo;
    if (ISECDragEventGarbageCollector* pObserver = dynamic_cast<ISECDragEventGarbageCollector*>(pUndo))
    {
        delete m_pConstraintNodes;
        m_pConstraintNodes = new CPtrList(10);
        m_pRemovalObserver = pObserver;
        pObserver->SetAffectedList(m_pConstraintNodes);
    }
    RecalcAtApplied(m_pOldRoot);
    return dynamic_cast<SECLayoutNode*>(pUndo);
}

ISECDockableNode* SECDefDockNodeInitiatorBase::GetDropHandler(ISECDockTarget*, const POINT*, SECLNDockingMgr*,
                                                              CPtrList*)
{
    return dynamic_cast<ISECDockableNode*>(this);
}

void SECDefDockNodeInitiatorBase::OnDocked(ISECDockableNode*, SECLNDockingMgr* pMgr)
{
    if (m_pOldRoot != NULL)
        RealizeAndInvalidate(m_pOldRoot, pMgr);
    SECLayoutNode* pNode = GetInitiatorNode();
    if (pNode != NULL && pNode->GetRootNode() != m_pOldRoot)
        RealizeAndInvalidate(pNode->GetRootNode(), pMgr);
}

void SECDefDockNodeInitiatorBase::CancelDockDrag()
{
    if (m_pUndo != NULL)
        m_pUndo->RestoreRemoved();
    m_pUndo = NULL;
    if (m_pOldRoot != NULL)
        RecalcAtApplied(m_pOldRoot);
}

void SECDefDockNodeInitiatorBase::EndDockDrag()
{
    m_pReserved = NULL;
    m_pContainer = NULL;
    m_pUndo = NULL;
    if (m_pRemovalObserver != NULL)
        m_pRemovalObserver->SetAffectedList(NULL);
    m_pRemovalObserver = NULL;
    delete m_pConstraintNodes;
    m_pConstraintNodes = NULL;
}

ISECDockInitiator* SECDefDockNodeInitiatorBase::GetFloatingInitiator()
{
    SECLayoutNode* pNode = GetInitiatorNode();
    for (SECLayoutNode* p = pNode != NULL ? pNode->GetParentNode() : NULL; p != NULL; p = p->GetParentNode())
    {
        ISECDockInitiator* pInitiator = SECNodeInterface<ISECDockInitiator>(p);
        if (pInitiator != NULL && pInitiator->IsFloatingInitiator())
            return pInitiator;
    }
    return NULL;
}

ISECDockTarget* SECDefDockNodeInitiatorBase::GetLastDockTarget(SECLNDockingMgr* pMgr,
                                                               SECDockingNodeConstraints* pRecord,
                                                               SECDockInsertionConstraints* pConstraints)
{
    if (pMgr == NULL || pRecord == NULL || pRecord->pBorderTargetParent == NULL)
        return NULL;
    int nSide = pConstraints != NULL ? pConstraints->nDockPosition : 0;
    if (nSide != 2 && nSide != 3)
        nSide = nSide != 0 ? 1 : 0;
    ISECDockTarget* pTarget = pRecord->pBorderTargetParent->GetDockTargetAt(nSide);
    if (pTarget != NULL && pMgr->IsNodeUnderRegisteredRoot(pTarget->GetTargetNode()))
        return pTarget;
    pRecord->pBorderTargetParent = NULL;
    return NULL;
}

BOOL SECDefDockNodeInitiatorBase::RedockNode(SECLNDockingMgr* pMgr, SECDockInsertionConstraints* pConstraints)
{
    SECLayoutNode* pNode = GetInitiatorNode();
    if (pMgr == NULL || pNode == NULL)
        return FALSE;
    SECDockingNodeConstraints* pRecord = pMgr->GetNodeConstraints(pNode, TRUE);
    SECDockInsertionConstraints place;
    if (pConstraints != NULL)
        place.CopyFrom(*pConstraints);
    else if (!pRecord->GetLastInsertion(&place))
        return FALSE;
    ISECDockTarget* pTarget = GetLastDockTarget(pMgr, pRecord, &place);
    SECLNDynamicGridLine* pGrid =
        pTarget != NULL ? dynamic_cast<SECLNDynamicGridLine*>(pTarget->GetTargetNode()) : NULL;
    if (pGrid == NULL)
        return FALSE;
    ISECDockInitiator* pInitiator = GetFloatingInitiator();
    if (pInitiator == NULL)
        pInitiator = this;
    ISECDockableNode* pHandler = pInitiator->GetDropHandler(pTarget, NULL, pMgr, NULL);
    SECLayoutNode* pHandlerNode = pHandler != NULL ? pHandler->GetDockableNode() : NULL;
    if (pHandlerNode == NULL)
        return FALSE;
    SECDockInProgressInfo info;
    if (pInitiator->BeginDockDrag(pMgr, TRUE, &info) == NULL)
        return FALSE;
    SECDockInsertionConstraints used;
    used.CopyFrom(place);
    if (pGrid->InsertNode(pHandlerNode, &place) == -1)
    {
        // The target refused: the node goes back where it was instead of leaving the layout.
        pInitiator->CancelDockDrag();
        pInitiator->EndDockDrag();
        return FALSE;
    }
    CPtrList affected(10);
    pMgr->SendDockEvent(pHandlerNode, NULL, NULL, &affected);
    pInitiator->OnAfterDrop(pTarget, NULL, pMgr, &affected);
    pHandler->OnAfterDock(pMgr, &affected);
    pMgr->UpdateSubtreeContainer(pHandlerNode);
    RecalcAtApplied(pHandlerNode->GetRootNode());
    pInitiator->OnDocked(pHandler, pMgr);
    pRecord->SetLastInsertion(used);
    // Last: an initiator left empty (a floating node) goes here.
    pInitiator->EndDockDrag();
    return TRUE;
}
