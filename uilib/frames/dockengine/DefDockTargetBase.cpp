// SECDefDockTargetBase: feedback and drops of a dock target.
#include "uilib/frames/dockengine/DefDockTargetBase.h"
#include "uilib/frames/dockengine/DockInProgressInfo.h"
#include "uilib/frames/dockengine/DockingMgr.h"
#include "uilib/frames/dockengine/DragDropDockingFeature.h"
#include "uilib/frames/dockengine/NodeSearch.h"

namespace
{
// Back over its own start a docked node would stay where it was; a floating frame starts above
// the targets, not in them, so its start rectangle keeps nothing from docking.
BOOL IsOverOwnStart(const POINT* pt, const SECDockInProgressInfo* pInfo)
{
    if (pInfo == NULL || !::PtInRect(&pInfo->rcStart, *pt))
        return FALSE;
    ISECDockInitiator* pInitiator = SECDragDropDockingFeature::GetCurrentDragInitiator();
    return pInitiator == NULL || !pInitiator->IsFloatingInitiator();
}
} // namespace

SECLayoutNode* SECDefDockTargetBase::GetTargetNode()
{
    return dynamic_cast<SECLayoutNode*>(this);
}

BOOL SECDefDockTargetBase::GetFeedbackRect(const POINT* pt, RECT* pRect, SECLNDockingMgr* pMgr,
                                           SECDockInProgressInfo* pInfo)
{
    if (pMgr == NULL || pt == NULL || pRect == NULL)
        return FALSE;
    if (IsOverOwnStart(pt, pInfo))
    {
        *pRect = pInfo->rcStart;
        return TRUE;
    }
    ISECLNContainer* pContainer = pMgr->FindContainer(GetTargetNode());
    POINT ptContainer = *pt;
    if (pContainer != NULL)
        pContainer->ScreenToNode(&ptContainer);
    SECLayoutNode* pStandIn = CreateInsertionNode();
    BOOL bOk = TrackOverTarget(pStandIn, ptContainer, *pt, FALSE, pMgr, pInfo);
    if (bOk)
    {
        pStandIn->GetAppliedRect(*pRect);
        if (pContainer != NULL)
            pContainer->NodeToScreen(pRect);
        bOk = LeaveTarget(pStandIn);
    }
    delete pStandIn;
    return bOk;
}

BOOL SECDefDockTargetBase::AcceptDrop(ISECDockableNode* pDockable, const POINT* pt, SECLNDockingMgr* pMgr,
                                      SECDockInProgressInfo* pInfo)
{
    if (pDockable == NULL || pMgr == NULL || pt == NULL)
        return FALSE;
    if (IsOverOwnStart(pt, pInfo))
        return FALSE;
    ISECLNContainer* pContainer = pMgr->FindContainer(GetTargetNode());
    POINT ptContainer = *pt;
    if (pContainer != NULL)
        pContainer->ScreenToNode(&ptContainer);
    return TrackOverTarget(pDockable->GetDockableNode(), ptContainer, *pt, TRUE, pMgr, pInfo);
}

SECLayoutNode* SECDefDockTargetBase::CreateInsertionNode()
{
    return new SECLayoutNode;
}

BOOL SECDefDockTargetBase::TrackOverTarget(SECLayoutNode* pNode, POINT, POINT, BOOL, SECLNDockingMgr*,
                                           SECDockInProgressInfo*)
{
    if (pNode == NULL)
        return FALSE;
    SECLayoutNode* pParent = pNode->GetParentNode();
    if (pParent == NULL)
        return TRUE;
    return pParent->RemoveLayoutChild(pNode) != -1;
}

BOOL SECDefDockTargetBase::LeaveTarget(SECLayoutNode* pNode)
{
    SECLayoutNode* pSelf = GetTargetNode();
    if (pNode == NULL || pSelf == NULL)
        return FALSE;
    pSelf->RemoveLayoutChild(pNode);
    RECT rc, rcOut;
    pSelf->GetAppliedRect(rc);
    pSelf->RecalcNode(rcOut, rc, FALSE, TRUE);
    return TRUE;
}

DWORD SECDefDockTargetBase::HookTargetHitTest(const POINT*, SECLayoutNode*)
{
    // Never into itself or its own descendants.
    ISECDockInitiator* pInitiator = SECDragDropDockingFeature::GetCurrentDragInitiator();
    SECLayoutNode* pDragged = pInitiator != NULL ? pInitiator->GetInitiatorNode() : NULL;
    SECLayoutNode* pSelf = GetTargetNode();
    if (pDragged != NULL && (pDragged == pSelf || IsDescendantNode(pDragged, pSelf)))
        return SEC_HOOKHIT_NONE;
    return 0;
}
