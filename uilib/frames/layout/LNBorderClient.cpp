// SECLNBorderClient: borders and client.
#include "uilib/frames/layout/LNBorderClient.h"
#include <algorithm>

namespace
{
int Width(const RECT& rc)
{
    return rc.right - rc.left;
}
int Height(const RECT& rc)
{
    return rc.bottom - rc.top;
}
} // namespace

SECLNBorderClient::SECLNBorderClient() : m_pPosNodes{}, m_nArrangeMode(0), m_pEventRcvr(NULL)
{
}

SECLNBorderClient::~SECLNBorderClient()
{
}

int SECLNBorderClient::AddLayoutChild(SECLayoutNode* pChild)
{
    int nPos = 0;
    if (!GetNextFreePosition(nPos))
        return -1;
    return AddPositionNode(pChild, nPos);
}

int SECLNBorderClient::RemoveLayoutChild(SECLayoutNode* pChild)
{
    int nCount = SECLayoutNode::RemoveLayoutChild(pChild);
    ClearNodePosition(pChild);
    return nCount;
}

BOOL SECLNBorderClient::GetNodePosition(SECLayoutNode* pNode, int& nPos)
{
    if (pNode == NULL)
        return FALSE;
    for (int i = 0; i < SEC_LN_POS_COUNT; ++i)
    {
        if (m_pPosNodes[i] == pNode)
        {
            nPos = i;
            return TRUE;
        }
    }
    return FALSE;
}

SECLayoutNode* SECLNBorderClient::GetPositionNode(int nPos)
{
    return nPos >= 0 && nPos < SEC_LN_POS_COUNT ? m_pPosNodes[nPos] : NULL;
}

int SECLNBorderClient::AddPositionNode(SECLayoutNode* pNode, int nPos)
{
    int nCount = SECLayoutNode::AddLayoutChild(pNode);
    if (nCount != -1)
        SetPositionNode(pNode, nPos);
    return nCount;
}

void SECLNBorderClient::SplitPositions(RECT& rcClient, const RECT& rc, RECT& rcTop, RECT& rcBottom,
                                       RECT& rcLeft, RECT& rcRight)
{
    GetBorderSizes(rcTop, rcBottom, rcLeft, rcRight);
    if (m_nArrangeMode == 0)
        SplitTopBottomFirst(rcClient, rc, rcTop, rcBottom, rcLeft, rcRight);
    else if (m_nArrangeMode == 1)
        SplitLeftRightFirst(rcClient, rc, rcTop, rcBottom, rcLeft, rcRight);
    else
        rcClient = rc;
}

BOOL SECLNBorderClient::GetNextFreePosition(int& nPos)
{
    // Positions in the order they are filled: the client only once both sides are taken.
    const bool bSidesTaken = m_pPosNodes[SEC_LN_POS_LEFT] != NULL && m_pPosNodes[SEC_LN_POS_RIGHT] != NULL;
    static const int kTopBottomFirst[] = {SEC_LN_POS_TOP, SEC_LN_POS_BOTTOM, SEC_LN_POS_LEFT,
                                          SEC_LN_POS_RIGHT};
    static const int kTopBottomThenClient[] = {SEC_LN_POS_TOP, SEC_LN_POS_BOTTOM, SEC_LN_POS_CLIENT};
    static const int kSidesFirst[] = {SEC_LN_POS_LEFT, SEC_LN_POS_RIGHT};
    const int* pOrder;
    int nCount;
    if (bSidesTaken)
    {
        pOrder = kTopBottomThenClient;
        nCount = 3;
    }
    else if (m_nArrangeMode == 0)
    {
        pOrder = kTopBottomFirst;
        nCount = 4;
    }
    else
    {
        pOrder = kSidesFirst;
        nCount = 2;
    }
    for (int i = 0; i < nCount; ++i)
    {
        if (m_pPosNodes[pOrder[i]] == NULL)
        {
            nPos = pOrder[i];
            return TRUE;
        }
    }
    return FALSE;
}

BOOL SECLNBorderClient::SetPositionNode(SECLayoutNode* pNode, int nPos)
{
    if (pNode == NULL || nPos < 0 || nPos >= SEC_LN_POS_COUNT)
        return FALSE;
    m_pPosNodes[nPos] = pNode;
    return TRUE;
}

BOOL SECLNBorderClient::ClearNodePosition(SECLayoutNode* pNode)
{
    int nPos = 0;
    if (!GetNodePosition(pNode, nPos))
        return FALSE;
    m_pPosNodes[nPos] = NULL;
    return TRUE;
}

void SECLNBorderClient::SplitTopBottomFirst(RECT& rcClient, const RECT& rc, RECT& rcTop, RECT& rcBottom,
                                            RECT& rcLeft, RECT& rcRight)
{
    double f = CalcShrinkFactor(Height(rc), Height(rcTop), Height(rcBottom));
    int cyTop = (int)(Height(rcTop) * f), cyBottom = (int)(Height(rcBottom) * f);
    rcTop = rc;
    rcTop.bottom = rc.top + cyTop;
    rcBottom = rc;
    rcBottom.top = rc.bottom - cyBottom;
    double g = CalcShrinkFactor(Width(rc), Width(rcLeft), Width(rcRight));
    int cxLeft = (int)(Width(rcLeft) * g), cxRight = (int)(Width(rcRight) * g);
    rcLeft = RECT{rc.left, rcTop.bottom, rc.left + cxLeft, rcBottom.top};
    rcRight = RECT{rc.right - cxRight, rcTop.bottom, rc.right, rcBottom.top};
    rcClient = ClientFromBorders(rcTop, rcBottom, rcLeft, rcRight);
}

void SECLNBorderClient::SplitLeftRightFirst(RECT& rcClient, const RECT& rc, RECT& rcTop, RECT& rcBottom,
                                            RECT& rcLeft, RECT& rcRight)
{
    double g = CalcShrinkFactor(Width(rc), Width(rcLeft), Width(rcRight));
    int cxLeft = (int)(Width(rcLeft) * g), cxRight = (int)(Width(rcRight) * g);
    rcLeft = rc;
    rcLeft.right = rc.left + cxLeft;
    rcRight = rc;
    rcRight.left = rc.right - cxRight;
    double f = CalcShrinkFactor(Height(rc), Height(rcTop), Height(rcBottom));
    int cyTop = (int)(Height(rcTop) * f), cyBottom = (int)(Height(rcBottom) * f);
    rcTop = RECT{rcLeft.right, rc.top, rcRight.left, rc.top + cyTop};
    rcBottom = RECT{rcLeft.right, rc.bottom - cyBottom, rcRight.left, rc.bottom};
    rcClient = ClientFromBorders(rcTop, rcBottom, rcLeft, rcRight);
}

BOOL SECLNBorderClient::FitClientToLimits(const RECT& rc, RECT& rcClient, RECT& rcTop, RECT& rcBottom,
                                          RECT& rcLeft, RECT& rcRight)
{
    SECLayoutNode* pClient = m_pPosNodes[SEC_LN_POS_CLIENT];
    if (pClient == NULL)
        return FALSE;
    SIZE sizeMin, sizeMax;
    DWORD dwFlags = 0;
    pClient->GetMinMaxSize(sizeMin, sizeMax, dwFlags);
    int dx = 0, dy = 0;
    if (!(dwFlags & SEC_LN_NOMAX))
    {
        if (Width(rcClient) > sizeMax.cx)
            dx = sizeMax.cx - Width(rcClient);
        if (Height(rcClient) > sizeMax.cy)
            dy = sizeMax.cy - Height(rcClient);
    }
    if (!(dwFlags & SEC_LN_NOMIN))
    {
        if (Width(rcClient) < sizeMin.cx)
            dx += sizeMin.cx - Width(rcClient);
        if (Height(rcClient) < sizeMin.cy)
            dy += sizeMin.cy - Height(rcClient);
    }
    ShiftClientEdges(m_pPosNodes[SEC_LN_POS_LEFT], m_pPosNodes[SEC_LN_POS_RIGHT], rc, rcClient, dx, TRUE);
    ShiftClientEdges(m_pPosNodes[SEC_LN_POS_TOP], m_pPosNodes[SEC_LN_POS_BOTTOM], rc, rcClient, dy, FALSE);
    ClipClientRect(rcClient, rc);
    JoinBordersToClient(rcClient, rcTop, rcBottom, rcLeft, rcRight);
    return TRUE;
}

void SECLNBorderClient::ShiftClientEdges(SECLayoutNode* pBefore, SECLayoutNode* pAfter, const RECT& rcBounds,
                                         RECT& rcClient, int nDelta, BOOL bHorizontal)
{
    if (nDelta == 0)
        return;
    LONG& nNear = bHorizontal ? rcClient.left : rcClient.top;
    LONG& nFar = bHorizontal ? rcClient.right : rcClient.bottom;
    const LONG nBoundsNear = bHorizontal ? rcBounds.left : rcBounds.top;
    const LONG nBoundsFar = bHorizontal ? rcBounds.right : rcBounds.bottom;
    int d = nDelta;
    if (pBefore != NULL)
    {
        LONG nNew = std::max(nNear - d / 2, nBoundsNear);
        d -= nNear - nNew;
        nNear = nNew;
    }
    if (pAfter != NULL)
    {
        LONG nNew = std::min(nFar + d, nBoundsFar);
        d -= nNew - nFar;
        nFar = nNew;
    }
    nNear -= d;
}

void SECLNBorderClient::ClipClientRect(RECT& rcClient, const RECT& rc)
{
    rcClient.left = std::max(rcClient.left, rc.left);
    rcClient.top = std::max(rcClient.top, rc.top);
    rcClient.right = std::min(rcClient.right, rc.right);
    rcClient.bottom = std::min(rcClient.bottom, rc.bottom);
}

void SECLNBorderClient::JoinBordersToClient(const RECT& rcClient, RECT& rcTop, RECT& rcBottom, RECT& rcLeft,
                                            RECT& rcRight)
{
    rcLeft.right = rcClient.left;
    rcRight.left = rcClient.right;
    rcTop.bottom = rcClient.top;
    rcBottom.top = rcClient.bottom;
    if (m_nArrangeMode == 0)
    {
        rcLeft.top = rcRight.top = rcTop.bottom;
        rcLeft.bottom = rcRight.bottom = rcBottom.top;
    }
    else
    {
        rcTop.left = rcBottom.left = rcLeft.right;
        rcTop.right = rcBottom.right = rcRight.left;
    }
}

BOOL SECLNBorderClient::ArrangePositions(const RECT& rc, RECT& rcTop, RECT& rcBottom, RECT& rcLeft,
                                         RECT& rcRight)
{
    if (m_nArrangeMode == 0)
        return ConstrainBordersTopBottomFirst(rc, rcTop, rcBottom, rcLeft, rcRight);
    return ConstrainBordersLeftRightFirst(rc, rcTop, rcBottom, rcLeft, rcRight);
}

// The node at nPos recalculated constrained; its border's far edge (seen from the frame side)
// follows the result, within rc and not before rcBefore's edge.
BOOL SECLNBorderClient::ConstrainBorder(int nPos, RECT& rcBorder, const RECT& rc, RECT& rcBefore)
{
    RECT rcRes;
    m_pPosNodes[nPos]->RecalcNode(rcRes, rcBorder, TRUE, TRUE);
    switch (nPos)
    {
    case SEC_LN_POS_TOP: {
        BOOL bChanged = Height(rcRes) != Height(rcBorder);
        rcBorder.bottom = std::min(rcBorder.top + Height(rcRes), rc.bottom);
        return bChanged;
    }
    case SEC_LN_POS_BOTTOM: {
        BOOL bChanged = Height(rcRes) != Height(rcBorder);
        rcBorder.top = std::max({rcBorder.bottom - Height(rcRes), rc.top, rcBefore.bottom});
        return bChanged;
    }
    case SEC_LN_POS_LEFT: {
        BOOL bChanged = Width(rcRes) != Width(rcBorder);
        rcBorder.right = std::min(rcBorder.left + Width(rcRes), rc.right);
        return bChanged;
    }
    default: {
        BOOL bChanged = Width(rcRes) != Width(rcBorder);
        rcBorder.left = std::max({rcBorder.right - Width(rcRes), rc.left, rcBefore.right});
        return bChanged;
    }
    }
}

BOOL SECLNBorderClient::ConstrainBordersInOrder(BOOL bTopBottomFirst, const RECT& rc, RECT& rcTop,
                                                RECT& rcBottom, RECT& rcLeft, RECT& rcRight)
{
    RECT* const apBorders[] = {&rcTop, &rcBottom, &rcLeft, &rcRight}; // by position
    const int nFirst = bTopBottomFirst ? SEC_LN_POS_TOP : SEC_LN_POS_LEFT;
    const int nSecond = bTopBottomFirst ? SEC_LN_POS_LEFT : SEC_LN_POS_TOP;
    LONG RECT::*const pNear = bTopBottomFirst ? &RECT::top : &RECT::left;
    LONG RECT::*const pFar = bTopBottomFirst ? &RECT::bottom : &RECT::right;
    RECT& rcFirstNear = *apBorders[nFirst];
    RECT& rcFirstFar = *apBorders[nFirst + 1];
    RECT& rcSecondNear = *apBorders[nSecond];
    RECT& rcSecondFar = *apBorders[nSecond + 1];
    BOOL bChanged = FALSE;
    if (m_pPosNodes[nFirst] != NULL)
    {
        bChanged |= ConstrainBorder(nFirst, rcFirstNear, rc, rcFirstNear);
        rcSecondNear.*pNear = rcSecondFar.*pNear = rcFirstNear.*pFar;
    }
    if (m_pPosNodes[nFirst + 1] != NULL)
    {
        bChanged |= ConstrainBorder(nFirst + 1, rcFirstFar, rc, rcFirstNear);
        rcSecondNear.*pFar = rcSecondFar.*pFar = rcFirstFar.*pNear;
    }
    if (m_pPosNodes[nSecond] != NULL)
        bChanged |= ConstrainBorder(nSecond, rcSecondNear, rc, rcSecondNear);
    if (m_pPosNodes[nSecond + 1] != NULL)
        bChanged |= ConstrainBorder(nSecond + 1, rcSecondFar, rc, rcSecondNear);
    return bChanged;
}

BOOL SECLNBorderClient::ConstrainBordersTopBottomFirst(const RECT& rc, RECT& rcTop, RECT& rcBottom,
                                                       RECT& rcLeft, RECT& rcRight)
{
    return ConstrainBordersInOrder(TRUE, rc, rcTop, rcBottom, rcLeft, rcRight);
}

BOOL SECLNBorderClient::ConstrainBordersLeftRightFirst(const RECT& rc, RECT& rcTop, RECT& rcBottom,
                                                       RECT& rcLeft, RECT& rcRight)
{
    return ConstrainBordersInOrder(FALSE, rc, rcTop, rcBottom, rcLeft, rcRight);
}

void SECLNBorderClient::RecalcPositionNodes(const RECT& rcClient, const RECT& rcTop, const RECT& rcBottom,
                                            const RECT& rcLeft, const RECT& rcRight)
{
    const RECT* rects[SEC_LN_POS_COUNT] = {&rcTop, &rcBottom, &rcLeft, &rcRight, &rcClient};
    static const int kOrder[] = {SEC_LN_POS_CLIENT, SEC_LN_POS_TOP, SEC_LN_POS_BOTTOM, SEC_LN_POS_LEFT,
                                 SEC_LN_POS_RIGHT};
    for (int nPos : kOrder)
    {
        if (m_pPosNodes[nPos] != NULL)
        {
            RECT rcIgnored;
            m_pPosNodes[nPos]->RecalcNode(rcIgnored, *rects[nPos], FALSE, TRUE);
        }
    }
}

double SECLNBorderClient::CalcShrinkFactor(int nAvailable, int a, int b)
{
    if (nAvailable < 0)
        return 0.0;
    if (a + b <= nAvailable)
        return 1.0;
    return (double)nAvailable / (double)(a + b);
}

RECT SECLNBorderClient::ClientFromBorders(const RECT& rcTop, const RECT& rcBottom, const RECT& rcLeft,
                                          const RECT& rcRight)
{
    return RECT{rcLeft.right, rcTop.bottom, rcRight.left, rcBottom.top};
}

void SECLNBorderClient::GetBorderSizes(RECT& rcTop, RECT& rcBottom, RECT& rcLeft, RECT& rcRight)
{
    rcTop = rcBottom = rcLeft = rcRight = RECT{};
    GetBorderSize(m_pPosNodes[SEC_LN_POS_TOP], rcTop);
    GetBorderSize(m_pPosNodes[SEC_LN_POS_BOTTOM], rcBottom);
    GetBorderSize(m_pPosNodes[SEC_LN_POS_LEFT], rcLeft);
    GetBorderSize(m_pPosNodes[SEC_LN_POS_RIGHT], rcRight);
}

void SECLNBorderClient::GetBorderSize(SECLayoutNode* pNode, RECT& rc)
{
    if (pNode == NULL)
        return;
    pNode->GetPreferredRect(rc);
    SIZE sizeMin, sizeMax;
    DWORD dwFlags = 0;
    pNode->GetMinMaxSize(sizeMin, sizeMax, dwFlags);
    LimitRect(rc, sizeMin, sizeMax, dwFlags);
}

void SECLNBorderClient::CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL)
{
    SECLayoutNode* pClient = m_pPosNodes[SEC_LN_POS_CLIENT];
    RECT rcOldClient = {};
    if (pClient != NULL)
        pClient->GetAppliedRect(rcOldClient);
    RECT r = rc;
    if (r.right < r.left)
        r.right = r.left;
    if (r.bottom < r.top)
        r.bottom = r.top;
    RECT rcClient, rcTop, rcBottom, rcLeft, rcRight;
    SplitPositions(rcClient, r, rcTop, rcBottom, rcLeft, rcRight);
    FitClientToLimits(r, rcClient, rcTop, rcBottom, rcLeft, rcRight);
    if (bConstrain && ArrangePositions(r, rcTop, rcBottom, rcLeft, rcRight))
    {
        rcClient = ClientFromBorders(rcTop, rcBottom, rcLeft, rcRight);
        FitClientToLimits(r, rcClient, rcTop, rcBottom, rcLeft, rcRight);
    }
    RecalcPositionNodes(rcClient, rcTop, rcBottom, rcLeft, rcRight);
    if (pClient != NULL && m_pEventRcvr != NULL && !SECRectsEqual(rcClient, rcOldClient))
        m_pEventRcvr->OnClientRectChanged(rcClient);
    rcOut = r;
}
