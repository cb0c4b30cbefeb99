// SECFloatingTargetGripper: tidying a floating grid after a drag.
#include "uilib/frames/dockengine/FloatingTargetGripper.h"
#include "uilib/frames/dockengine/FloatDynGridLineTarget.h"

SECFloatingTargetGripper::SECFloatingTargetGripper() : m_pRootAtStart(NULL)
{
}

SECFloatDynGridLineTarget* SECFloatingTargetGripper::GetFloatingGrid()
{
    return dynamic_cast<SECFloatDynGridLineTarget*>(GetWrappedNode());
}

SECLayoutNode* SECFloatingTargetGripper::BeginDockDrag(SECLNDockingMgr* pMgr, BOOL bFirst,
                                                       SECDockInProgressInfo* pInfo)
{
    if (bFirst)
        m_pRootAtStart = GetRootNode();
    return SECFloatableDockingNode_T<SECReparentableGripperEx>::BeginDockDrag(pMgr, bFirst, pInfo);
}

void SECFloatingTargetGripper::EndDockDrag()
{
    SECFloatableDockingNode_T<SECReparentableGripperEx>::EndDockDrag();
    const BOOL bStayed = m_pRootAtStart == NULL || GetRootNode() == m_pRootAtStart;
    m_pRootAtStart = NULL;
    if (bStayed)
        ArrangeFloatingContent();
}

BOOL SECFloatingTargetGripper::ArrangeFloatingContent()
{
    SECFloatDynGridLineTarget* pGrid = GetFloatingGrid();
    if (pGrid == NULL)
        return FALSE;
    const int nCount = pGrid->GetNodeCount();
    SECLayoutNode* pParent = GetParentNode();
    const BOOL bFloating = dynamic_cast<ISECFloatingNode*>(GetRootNode()) != NULL;
    if (nCount == 1 && !bFloating && pParent != NULL)
    {
        // No grid is needed for one node: the node goes into the parent, the gripper leaves it.
        SECLayoutNode* pOnly = pGrid->GetFirstNode();
        pGrid->RemoveLayoutChild(pOnly);
        if (pParent->AddLayoutChild(pOnly) == -1)
        {
            pGrid->InsertNode(pOnly, NULL);
            return FALSE;
        }
        pParent->RemoveLayoutChild(this);
        return TRUE;
    }
    CPtrList nodes(10);
    pGrid->CollectNodes(nodes);
    for (POSITION pos = nodes.GetHeadPosition(); pos != NULL;)
    {
        if (ISECBorderWrapper* pWrapper =
                SECNodeInterface<ISECBorderWrapper>((SECLayoutNode*)nodes.GetNext(pos)))
            pWrapper->ShowBorder(nCount > 1, FALSE);
    }
    return TRUE;
}
