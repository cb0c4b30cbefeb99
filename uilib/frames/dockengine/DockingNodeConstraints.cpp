// SECDockingNodeConstraints: a dockable node's record in the docking manager.
#include "uilib/frames/dockengine/DockingNodeConstraints.h"
#include "uilib/frames/dockengine/DynGridLineTarget.h"

BOOL SECDockingNodeConstraints::RecordCurrentPlace(SECLayoutNode* pNode)
{
    if (pNode == NULL)
        return FALSE;
    // The dock area's grid records the place; a dock target adds its side.
    for (SECLayoutNode* p = pNode->GetParentNode(); p != NULL; p = p->GetParentNode())
    {
        SECDynGridLineTarget* pGrid = dynamic_cast<SECDynGridLineTarget*>(p);
        if (pGrid == NULL)
            continue;
        SECDockInsertionConstraints place;
        if (!pGrid->GetNodeConstraints(pNode, &place))
            return FALSE;
        SetLastInsertion(place);
        // The docking root above the grid gives the target of that side back later.
        for (SECLayoutNode* q = p->GetParentNode(); q != NULL; q = q->GetParentNode())
        {
            if (ISECBorderTargetParent* pBorderParent = SECNodeInterface<ISECBorderTargetParent>(q))
            {
                pBorderTargetParent = pBorderParent;
                break;
            }
        }
        return TRUE;
    }
    return FALSE;
}
