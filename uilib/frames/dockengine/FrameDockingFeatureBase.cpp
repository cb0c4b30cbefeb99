// SECFrameDockingFeatureBase: the docking layout of a frame.
#include "uilib/frames/dockengine/FrameDockingFeatureBase.h"
#include "uilib/frames/dockengine/ClientWndNode.h"

namespace
{
int s_nFeatureCount = 0;

// Per side: horizontal lines, and the edge of its sizable border that the user drags.
struct PositionStyle
{
    BOOL bHorizontal;
    DWORD dwSizingEdge;
};
const PositionStyle kPositionStyles[4] = {
    {TRUE, SEC_EDGE_BOTTOM}, {TRUE, SEC_EDGE_TOP}, {FALSE, SEC_EDGE_RIGHT}, {FALSE, SEC_EDGE_LEFT}};
// Alignment bit and the client-edge sides (left, top, right, bottom) per side, in build order.
struct SideBuild
{
    DWORD dwAlign;
    int nPosition;
    BOOL sides[4];
};
const SideBuild kSides[4] = {{CBRS_ALIGN_TOP, 0, {FALSE, TRUE, FALSE, FALSE}},
                             {CBRS_ALIGN_BOTTOM, 1, {FALSE, FALSE, FALSE, TRUE}},
                             {CBRS_ALIGN_LEFT, 2, {FALSE, FALSE, FALSE, FALSE}},
                             {CBRS_ALIGN_RIGHT, 3, {FALSE, FALSE, FALSE, FALSE}}};

void RecalcAtApplied(SECLayoutNode* pNode, BOOL bConstrain)
{
    RECT rc, rcOut;
    pNode->GetAppliedRect(rc);
    pNode->RecalcNode(rcOut, rc, bConstrain, TRUE);
}
} // namespace

SECLNDockingMgr* SECFrameDockingFeatureBase::s_pSharedDockingMgr = NULL;

SECFrameDockingFeatureBase::SECFrameDockingFeatureBase()
    : m_pVirtualDockbar(NULL), m_pDockingListener(NULL), m_pPrivateDockingMgr(NULL), m_pDockingMgr(NULL),
      m_pRootNode(NULL), m_pDockEdge{}, m_pSizableBorder{}, m_pDockTarget{}, m_pClientNode(NULL),
      m_pLayoutRoot(NULL)
{
    ++s_nFeatureCount;
}

SECFrameDockingFeatureBase::~SECFrameDockingFeatureBase()
{
    if (m_pVirtualDockbar != NULL)
    {
        m_pVirtualDockbar->DestroyWindow();
        delete m_pVirtualDockbar;
    }
    delete m_pDockingListener;
    delete m_pPrivateDockingMgr;
    if (--s_nFeatureCount == 0 && s_pSharedDockingMgr != NULL)
    {
        if (SECLNDockingMgr::GetDefaultDockingMgr() == s_pSharedDockingMgr)
            SECLNDockingMgr::SetDefaultDockingMgr(NULL);
        delete s_pSharedDockingMgr;
        s_pSharedDockingMgr = NULL;
    }
    // m_nodeMemMgr deletes the nodes.
}

int PASCAL SECFrameDockingFeatureBase::GetFeatureCount()
{
    return s_nFeatureCount;
}

int PASCAL SECFrameDockingFeatureBase::PositionFromStyle(DWORD dwStyle)
{
    if (dwStyle & CBRS_ALIGN_LEFT)
        return 2;
    if (dwStyle & CBRS_ALIGN_TOP)
        return 0;
    if (dwStyle & CBRS_ALIGN_RIGHT)
        return 3;
    if (dwStyle & CBRS_ALIGN_BOTTOM)
        return 1;
    return 0;
}

int PASCAL SECFrameDockingFeatureBase::InitiatorPosition(int nPosition)
{
    if (nPosition == 2 || nPosition == 3)
        return nPosition;
    return nPosition != 0 ? 1 : 0;
}

void SECFrameDockingFeatureBase::TrackNode(SECLayoutNode* pNode)
{
    pNode->SetMemoryManager(&m_nodeMemMgr, FALSE);
}

void SECFrameDockingFeatureBase::OnClientRectChanged(const RECT&)
{
    UpdateSizingLimits();
}

BOOL SECFrameDockingFeatureBase::Initialize(CFrameWnd* pFrame, DWORD dwDockStyle, BOOL bPrivateMgr,
                                            SECLNDockingMgr* pDockingMgr)
{
    if (pFrame == NULL)
        return FALSE;
    m_pVirtualDockbar = NewVirtualDockbar();
    BOOL bOk = m_pVirtualDockbar->Create(pFrame, this, 0);
    bOk = CreateLayout(pFrame, dwDockStyle) && bOk;
    m_pDockingMgr = SelectDockingMgr(bPrivateMgr, pDockingMgr);
    bOk = bOk && CreateDockingListener(pFrame, m_pLayoutRoot, m_pDockingMgr);
    if (!bOk)
    {
        if (m_pVirtualDockbar->GetSafeHwnd() != NULL)
            m_pVirtualDockbar->DestroyWindow();
        delete m_pVirtualDockbar;
        m_pVirtualDockbar = NULL;
        return FALSE;
    }
    RecalcAtApplied(m_pLayoutRoot, TRUE);
    return TRUE;
}

BOOL SECFrameDockingFeatureBase::CreateLayout(CFrameWnd* pFrame, DWORD dwDockStyle)
{
    m_pRootNode = NewBorderClient();
    m_pLayoutRoot = m_pRootNode;
    TrackNode(m_pRootNode);
    m_pRootNode->SetEventReceiver(this);
    BuildClientNode(pFrame);
    BuildDockEdges(pFrame, dwDockStyle);
    BuildSizableBorders(pFrame);
    BuildDockTargets(pFrame);
    return TRUE;
}

BOOL SECFrameDockingFeatureBase::BuildClientNode(CFrameWnd* pFrame)
{
    if (pFrame == NULL)
        return FALSE;
    m_pClientNode = NewClientNode();
    m_pRootNode->AddPositionNode(m_pClientNode, SEC_LN_POS_CLIENT);
    TrackNode(m_pClientNode);
    return TRUE;
}

BOOL SECFrameDockingFeatureBase::BuildDockEdges(CFrameWnd* pFrame, DWORD dwDockStyle)
{
    if (pFrame == NULL)
        return FALSE;
    for (const SideBuild& side : kSides)
    {
        if (!(dwDockStyle & side.dwAlign))
            continue;
        SECLNBorderClientEdge* pEdge = NewDockEdge();
        pEdge->SetHostWindow(pFrame->m_hWnd);
        pEdge->SetEdges(side.sides[0], side.sides[1], side.sides[2], side.sides[3]);
        TrackNode(pEdge);
        m_pRootNode->AddPositionNode(pEdge, side.nPosition);
        m_pDockEdge[side.nPosition] = pEdge;
    }
    return TRUE;
}

BOOL SECFrameDockingFeatureBase::BuildSizableBorders(CFrameWnd* pFrame)
{
    if (pFrame == NULL)
        return FALSE;
    for (int i = 0; i < 4; ++i)
    {
        if (m_pDockEdge[i] == NULL)
            continue;
        SECLNSizableDockBorder* pBorder = NewSizableDockBorder();
        pBorder->m_nDockSide = i;
        pBorder->SetSizingEdges(pFrame, TRUE, kPositionStyles[i].dwSizingEdge);
        m_pDockEdge[i]->AddLayoutChild(pBorder);
        TrackNode(pBorder);
        m_pSizableBorder[i] = pBorder;
    }
    return TRUE;
}

BOOL SECFrameDockingFeatureBase::BuildDockTargets(CFrameWnd* pFrame)
{
    for (int i = 0; i < 4; ++i)
    {
        if (m_pSizableBorder[i] == NULL)
            continue;
        m_pDockTarget[i] = CreateDockTarget(m_pSizableBorder[i], i, pFrame);
        if (m_pDockTarget[i] != NULL)
            TrackNode(m_pDockTarget[i]);
    }
    return TRUE;
}

SECDynGridLineTarget* SECFrameDockingFeatureBase::CreateDockTarget(SECLNSizableDockBorder*, int, CFrameWnd*)
{
    return NULL;
}

BOOL SECFrameDockingFeatureBase::CreateDockingListener(CFrameWnd* pFrame, SECLayoutNode* pRoot,
                                                       SECLNDockingMgr* pDockingMgr)
{
    if (pFrame == NULL || pRoot == NULL)
        return FALSE;
    m_pDockingListener = NewDockingListener();
    if (!m_pDockingListener->AttachDocking(pRoot, pFrame, pDockingMgr, TRUE, TRUE, FALSE))
    {
        delete m_pDockingListener;
        m_pDockingListener = NULL;
        return FALSE;
    }
    // The frame's bar layout drives the tree, not the frame's WM_SIZE.
    m_pDockingListener->SetAutoRecalc(FALSE);
    return TRUE;
}

SECLNDockingMgr* SECFrameDockingFeatureBase::SelectDockingMgr(BOOL bPrivate, SECLNDockingMgr* pDockingMgr)
{
    if (pDockingMgr != NULL)
        return pDockingMgr;
    if (bPrivate)
    {
        m_pPrivateDockingMgr = NewDockingMgr(FALSE);
        return m_pPrivateDockingMgr;
    }
    if (SECLNDockingMgr* pDefault = SECLNDockingMgr::GetDefaultDockingMgr())
        return pDefault;
    s_pSharedDockingMgr = NewDockingMgr(TRUE);
    SECLNDockingMgr::SetDefaultDockingMgr(s_pSharedDockingMgr);
    return s_pSharedDockingMgr;
}

SECVirtualDockbar* SECFrameDockingFeatureBase::NewVirtualDockbar()
{
    return new SECVirtualDockbar;
}

SECLNBorderClientEdge* SECFrameDockingFeatureBase::NewDockEdge()
{
    return new SECLNBorderClientEdge;
}

SECLNSizableDockBorder* SECFrameDockingFeatureBase::NewSizableDockBorder()
{
    return new SECLNSizableDockBorder;
}

SECLNBorderClient* SECFrameDockingFeatureBase::NewBorderClient()
{
    return new SECLNBorderClient;
}

SECLayoutNode* SECFrameDockingFeatureBase::NewClientNode()
{
    return new SECClientWndNode;
}

SECDockingListener* SECFrameDockingFeatureBase::NewDockingListener()
{
    return new SECDockingListener;
}

SECLNDockingMgr* SECFrameDockingFeatureBase::NewDockingMgr(BOOL)
{
    return new SECLNDockingMgr;
}

SECLNSizableDockBorder* SECFrameDockingFeatureBase::GetSizableDockBorder(int nPosition)
{
    return nPosition >= 0 && nPosition < 4 ? m_pSizableBorder[nPosition] : NULL;
}

SECDynGridLineTarget* SECFrameDockingFeatureBase::GetDockTarget(int nPosition)
{
    return nPosition >= 0 && nPosition < 4 ? m_pDockTarget[nPosition] : NULL;
}

DWORD SECFrameDockingFeatureBase::GetPositionStyle(int nPosition, BOOL* pbHorizontal)
{
    const BOOL bKnown = nPosition >= 0 && nPosition < 4;
    if (pbHorizontal != NULL)
        *pbHorizontal = bKnown ? kPositionStyles[nPosition].bHorizontal : TRUE;
    return bKnown ? kPositionStyles[nPosition].dwSizingEdge : 0;
}

void SECFrameDockingFeatureBase::UpdateSizingLimits()
{
    if (m_pLayoutRoot == NULL)
        return;
    RECT rcRoot;
    m_pLayoutRoot->GetAppliedRect(rcRoot);
    RECT rcBorder[4];
    for (int i = 0; i < 4; ++i)
    {
        if (m_pSizableBorder[i] != NULL)
            m_pSizableBorder[i]->GetAppliedRect(rcBorder[i]);
    }
    for (int i = 0; i < 4; ++i)
    {
        if (m_pSizableBorder[i] == NULL)
            continue;
        // No area is dragged past the opposite one.
        RECT rc = rcRoot;
        const int nOpposite = i ^ 1;
        if (m_pSizableBorder[nOpposite] != NULL)
        {
            switch (i)
            {
            case 0:
                rc.bottom = rcBorder[1].top;
                break;
            case 1:
                rc.top = rcBorder[0].bottom;
                break;
            case 2:
                rc.right = rcBorder[3].left;
                break;
            default:
                rc.left = rcBorder[2].right;
                break;
            }
        }
        m_pSizableBorder[i]->SetSizingLimits(rc, TRUE);
    }
}

SECDockingNodeConstraints* SECFrameDockingFeatureBase::GetNodeConstraints(SECLayoutNode* pNode,
                                                                          SECLNDockingMgr* pDockingMgr)
{
    return pDockingMgr != NULL ? pDockingMgr->GetNodeConstraints(pNode, TRUE) : NULL;
}

BOOL SECFrameDockingFeatureBase::DockNodeAt(SECLayoutNode* pNode, int nPosition)
{
    SECDynGridLineTarget* pTarget = GetDockTarget(nPosition);
    if (pTarget == NULL || pNode == NULL || pTarget->AddLayoutChild(pNode) == -1)
        return FALSE;
    GetNodeConstraints(pNode, m_pDockingMgr);
    return TRUE;
}

BOOL SECFrameDockingFeatureBase::DockNode(SECLayoutNode* pNode)
{
    return DockNodeAt(pNode, 0);
}

BOOL SECFrameDockingFeatureBase::RegisterDockableNode(SECLayoutNode* pNode, const RECT* pFloatRect)
{
    ISECDockInitiator* pInitiator = SECNodeInterface<ISECDockInitiator>(pNode);
    if (pInitiator == NULL || m_pDockingMgr == NULL)
        return FALSE;
    if (m_pDockingMgr->FindContainer(pNode) == NULL && m_pClientNode != NULL)
        m_pClientNode->AddLayoutChild(pNode);
    if (ISECBorderTargetParent* pBorderParent = dynamic_cast<ISECBorderTargetParent*>(m_pRootNode))
        GetNodeConstraints(pNode, m_pDockingMgr)->pBorderTargetParent = pBorderParent;
    return pInitiator->FloatNode(m_pDockingMgr, pFloatRect);
}

BOOL SECFrameDockingFeatureBase::ShowNode(SECLayoutNode* pNode, BOOL bShow)
{
    ISECHideableNode* pHideable = SECNodeInterface<ISECHideableNode>(pNode);
    if (pHideable == NULL)
        return FALSE;
    SECLayoutNode* pRoot = pNode->GetRootNode();
    if (!pHideable->ShowNode(bShow, TRUE, TRUE) && pHideable->IsVisible() != (bShow ? TRUE : FALSE))
        return FALSE;
    if (bShow)
        pRoot = pNode->GetRootNode();
    RecalcAtApplied(pRoot, FALSE);
    if (ISECLNContainer* pContainer = m_pDockingMgr != NULL ? m_pDockingMgr->FindContainer(pRoot) : NULL)
        pContainer->RecalcContainerLayout(TRUE);
    return TRUE;
}

BOOL SECFrameDockingFeatureBase::ToggleNode(SECLayoutNode* pNode)
{
    return ShowNode(pNode, !IsNodeVisible(pNode, TRUE));
}

BOOL SECFrameDockingFeatureBase::IsNodeVisible(SECLayoutNode* pNode, BOOL bCheckContainer)
{
    BOOL bVisible = TRUE;
    if (bCheckContainer && m_pDockingMgr != NULL)
    {
        if (ISECLNContainer* pContainer = m_pDockingMgr->FindContainer(pNode))
            bVisible = pContainer->IsContainerVisible();
    }
    ISECHideableNode* pHideable = SECNodeInterface<ISECHideableNode>(pNode);
    return bVisible && pHideable != NULL && pHideable->IsVisible();
}

void SECFrameDockingFeatureBase::SetArrangementMode(int nMode, BOOL bRecalc)
{
    if (m_pRootNode == NULL)
        return;
    m_pRootNode->SetArrangementMode(nMode);
    if (bRecalc)
    {
        RecalcAtApplied(m_pRootNode, FALSE);
        m_pRootNode->RealizeNode(NULL);
    }
}

BOOL SECFrameDockingFeatureBase::SetNodeDockOptions(SECLayoutNode* pNode, int a, int b,
                                                    const RECT* pFloatRect)
{
    if (pNode == NULL || m_pDockingMgr == NULL)
        return FALSE;
    SECDockingNodeConstraints* pRecord = GetNodeConstraints(pNode, m_pDockingMgr);
    pRecord->nOptionA = a;
    pRecord->nOptionB = b;
    if (pFloatRect != NULL)
        pRecord->SetFloatRect(*pFloatRect);
    return TRUE;
}

BOOL SECFrameDockingFeatureBase::OnSizeParent(AFX_SIZEPARENTPARAMS* pParams)
{
    if (pParams == NULL || m_pLayoutRoot == NULL || m_pClientNode == NULL)
        return FALSE;
    if (pParams->hDWP == NULL)
    {
        m_pClientNode->GetAppliedRect(pParams->rect);
        return FALSE;
    }
    RECT rcOut;
    m_pLayoutRoot->RecalcNode(rcOut, pParams->rect, FALSE, TRUE);
    m_pClientNode->GetAppliedRect(pParams->rect);
    UpdateSizingLimits();
    m_pLayoutRoot->RealizeNode(NULL);
    return TRUE;
}

BOOL SECFrameDockingFeatureBase::OnDelayedRecalc()
{
    return TRUE;
}
