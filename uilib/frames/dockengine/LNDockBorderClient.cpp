// SECLNDockBorderClient: edges of the dock areas and the targets per side.
#include "uilib/frames/dockengine/LNDockBorderClient.h"
#include "uilib/frames/dockengine/DockingMgr.h"
#include "uilib/frames/dockengine/DynGridLineTarget.h"
#include "uilib/frames/dockengine/FrameDockingFeature.h"
#include "uilib/frames/layout/LNSizable.h"

namespace
{
SECLayoutNode* FirstChild(SECLayoutNode* pNode)
{
    POSITION pos = pNode != NULL ? pNode->GetFirstChildPosition() : NULL;
    return pos != NULL ? pNode->GetChildAt(pos) : NULL;
}

SECLNSizableDockBorder* SizableOf(SECLayoutNode* pEdge)
{
    return dynamic_cast<SECLNSizableDockBorder*>(FirstChild(pEdge));
}
} // namespace

void SECLNDockBorderClient::CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce)
{
    // The edges depend on where this pass puts the root, not where the last one did.
    SetAppliedRect(rc);
    UpdateDockEdges();
    SECLNBorderClient::CalcLayout(rcOut, rc, bConstrain, bForce);
}

BOOL SECLNDockBorderClient::DockAreaHasContent(SECLNBorderClientEdge* pEdge)
{
    SECLNSizableDockBorder* pSizable = SizableOf(pEdge);
    SECDynGridLineTarget* pTarget =
        pSizable != NULL ? dynamic_cast<SECDynGridLineTarget*>(pSizable->GetWrappedNode()) : NULL;
    return pTarget != NULL && pTarget->GetNodeCount() != 0;
}

void SECLNDockBorderClient::GetEdgeOverhang(BOOL* pbLeft, BOOL* pbRight)
{
    *pbLeft = *pbRight = FALSE;
    SECLNDockingMgr* pMgr = m_pFeature != NULL ? m_pFeature->GetDockingMgr() : NULL;
    ISECLNContainer* pContainer = pMgr != NULL ? pMgr->LookupContainer(this) : NULL;
    RECT rcContainer;
    if (pContainer == NULL || !pContainer->GetContainerClientRect(&rcContainer))
        return;
    RECT rc;
    GetAppliedRect(rc);
    *pbLeft = rcContainer.left < rc.left - m_nEdgeTolerance;
    *pbRight = rcContainer.right > rc.right + m_nEdgeTolerance;
}

void SECLNDockBorderClient::UpdateDockEdges()
{
    if (m_pFeature == NULL)
        return;
    SECLNBorderClientEdge* pEdges[4] = {};
    m_pFeature->GetDockEdges(&pEdges[0], &pEdges[1], &pEdges[2], &pEdges[3]);
    BOOL bContent[4];
    for (int i = 0; i < 4; ++i)
        bContent[i] = pEdges[i] != NULL && DockAreaHasContent(pEdges[i]);
    BOOL bLeft = FALSE, bRight = FALSE;
    GetEdgeOverhang(&bLeft, &bRight);
    // Sides (left, top, right, bottom) per area: 0 top, 1 bottom, 2 left, 3 right.
    BOOL sides[4][4];
    if (GetArrangementMode() == 1)
    {
        const BOOL l = bContent[2] ? FALSE : bLeft, r = bContent[3] ? FALSE : bRight;
        const BOOL table[4][4] = {{l, TRUE, r, FALSE},
                                  {l, FALSE, r, TRUE},
                                  {bLeft, TRUE, FALSE, TRUE},
                                  {FALSE, TRUE, bRight, TRUE}};
        memcpy(sides, table, sizeof(sides));
    }
    else
    {
        const BOOL bTopEmpty = !bContent[0], bBottomEmpty = !bContent[1];
        const BOOL table[4][4] = {{bLeft, TRUE, bRight, FALSE},
                                  {bLeft, FALSE, bRight, TRUE},
                                  {bLeft, bTopEmpty, FALSE, bBottomEmpty},
                                  {FALSE, bTopEmpty, bRight, bBottomEmpty}};
        memcpy(sides, table, sizeof(sides));
    }
    for (int i = 0; i < 4; ++i)
    {
        if (pEdges[i] == NULL)
            continue;
        pEdges[i]->SetEdges(sides[i][0], sides[i][1], sides[i][2], sides[i][3]);
        pEdges[i]->ShowBorder(bContent[i], FALSE);
    }
}

ISECDockTarget* SECLNDockBorderClient::GetDockTargetAt(int nPosition)
{
    SECLNSizableDockBorder* pSizable = SizableOf(GetPositionNode(nPosition));
    return pSizable != NULL ? SECNodeInterface<ISECDockTarget>(pSizable->GetWrappedNode()) : NULL;
}
