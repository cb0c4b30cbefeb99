// SECFrameDockingFeature: docking nodes at a side, line and index.
#include "uilib/frames/dockengine/FrameDockingFeature.h"

BOOL SECFrameDockingFeature::DockNode(SECLayoutNode* pNode)
{
    SECDockInsertionConstraints constraints;
    constraints.CopyFrom(m_defaultInsertConstraints);
    return DockNodeWithConstraints(pNode, &constraints);
}

BOOL SECFrameDockingFeature::OnDelayedRecalc()
{
    if (m_pLayoutRoot == NULL)
        return FALSE;
    RECT rc, rcOut;
    m_pLayoutRoot->GetAppliedRect(rc);
    m_pLayoutRoot->RecalcNode(rcOut, rc, FALSE, TRUE);
    m_pLayoutRoot->RealizeNode(NULL);
    return TRUE;
}

SECDynGridLineTarget* SECFrameDockingFeature::CreateDockTarget(SECLNSizableDockBorder* pSizableBorder,
                                                               int nPosition, CFrameWnd* pFrame)
{
    if (pSizableBorder == NULL || pFrame == NULL)
        return NULL;
    BOOL bHorizontal = TRUE;
    GetPositionStyle(nPosition, &bHorizontal);
    SECDynGridLineTarget* pTarget = new SECDynGridLineTarget;
    pTarget->Initialize(pFrame->m_hWnd, bHorizontal);
    pTarget->SetGrowToFit(TRUE);
    pTarget->SetDockPosition(nPosition);
    // Empty, the area takes no room; its first line shows it.
    pTarget->ShowNode(FALSE, TRUE, FALSE);
    pSizableBorder->AddLayoutChild(pTarget);
    return pTarget;
}

SECLNBorderClient* SECFrameDockingFeature::NewBorderClient()
{
    SECLNDockBorderClient* pRoot = new SECLNDockBorderClient;
    pRoot->m_pFeature = this;
    return pRoot;
}

BOOL SECFrameDockingFeature::DockNodeEx(SECLayoutNode* pNode, DWORD dwAlignStyle, int nSize, BOOL bNewLine)
{
    SECDockInsertionConstraints constraints;
    constraints.CopyFrom(m_defaultInsertConstraints);
    constraints.nDockPosition = PositionFromStyle(dwAlignStyle);
    constraints.bNewLine = bNewLine;
    if (!bNewLine)
        constraints.nLength = nSize;
    constraints.nCrossLength = nSize;
    return DockNodeWithConstraints(pNode, &constraints);
}

BOOL SECFrameDockingFeature::DockNodeWithConstraints(SECLayoutNode* pNode,
                                                     SECDockInsertionConstraints* pConstraints)
{
    ISECDockInitiator* pInitiator = SECNodeInterface<ISECDockInitiator>(pNode);
    if (pInitiator == NULL || pConstraints == NULL || m_pDockingMgr == NULL)
        return FALSE;
    SECDockingNodeConstraints* pRecord = GetNodeConstraints(pNode, m_pDockingMgr);
    pRecord->CopyFrom(*pConstraints);
    pRecord->pBorderTargetParent = dynamic_cast<ISECBorderTargetParent*>(m_pRootNode);
    return pInitiator->RedockNode(m_pDockingMgr, pConstraints);
}

BOOL SECFrameDockingFeature::SetDockAreaOptions(DWORD dwAlignStyle, const int* pOptions, BOOL bRecalc)
{
    return SetDockAreaOptionsAt(PositionFromStyle(dwAlignStyle), pOptions, bRecalc);
}

BOOL SECFrameDockingFeature::SetDockAreaOptionsAt(int nPosition, const int* pOptions, BOOL bRecalc)
{
    SECLNSizableDockBorder* pBorder = GetSizableDockBorder(nPosition);
    if (pBorder == NULL || pOptions == NULL)
        return FALSE;
    pBorder->EnableSizing(pOptions[0], pOptions[2], bRecalc);
    if (SECDynGridLineTarget* pTarget = GetDockTarget(nPosition))
    {
        pTarget->SetGrowToFit(pOptions[1]);
        pTarget->EnableSplitters(pOptions[2]);
    }
    return TRUE;
}

BOOL SECFrameDockingFeature::SetAllDockAreaOptions(const int* pOptions, BOOL bRecalc)
{
    for (int i = 0; i < 4; ++i)
        SetDockAreaOptionsAt(i, pOptions, bRecalc);
    return TRUE;
}

void SECFrameDockingFeature::GetDockEdges(SECLNBorderClientEdge** ppTop, SECLNBorderClientEdge** ppBottom,
                                          SECLNBorderClientEdge** ppLeft, SECLNBorderClientEdge** ppRight)
{
    SECLNBorderClientEdge** pp[4] = {ppTop, ppBottom, ppLeft, ppRight};
    for (int i = 0; i < 4; ++i)
    {
        if (pp[i] != NULL)
            *pp[i] = m_pDockEdge[i];
    }
}
