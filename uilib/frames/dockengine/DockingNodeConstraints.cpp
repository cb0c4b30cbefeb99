// SECDockingNodeConstraints: a dockable node's record in the docking manager.
#include "uilib/frames/dockengine/DockingNodeConstraints.h"
#include "uilib/frames/dockengine/DynamicGrid2d.h"

BOOL SECDockingNodeConstraints::RecordCurrentPlace(SECLayoutNode* pNode)
{
    if (pNode == NULL)
        return FALSE;
    // The dock area's grid records the place; a dock target adds its side.
    for (SECLayoutNode* p = pNode->GetParentNode(); p != NULL; p = p->GetParentNode())
    {
        SECLNDynamicGrid2d* pGrid = dynamic_cast<SECLNDynamicGrid2d*>(p);
        if (pGrid == NULL)
            continue;
        SECDockInsertionConstraints place;
        if (!pGrid->GetNodeConstraints(pNode, &place))
            return FALSE;
        SetLastInsertion(place);
        return TRUE;
    }
    return FALSE;
}
