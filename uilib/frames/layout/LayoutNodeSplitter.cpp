// SECLayoutNodeSplitter and SECLNVirtualSplitter: splitters inside layout trees.
#include "uilib/frames/layout/LayoutNodeSplitter.h"
#include <algorithm>

SECLayoutNodeSplitter::SECLayoutNodeSplitter()
    : m_pPaneNodes{}, m_rcSavedHorz{}, m_rcSavedVert{}, m_bRoundUp{}
{
    m_dwNodeStyle = SEC_LN_EXPOSEDSTRIPS;
}

SECLayoutNodeSplitter::~SECLayoutNodeSplitter()
{
    if (CWnd::m_hWnd != NULL)
        DestroyWindow();
}

BOOL SECLayoutNodeSplitter::Create(CWnd* pParent, const RECT& rcArea, DWORD dwStyle, UINT nID, DWORD dwFlags)
{
    if (!SECSplitterBase::Create(pParent, rcArea, dwStyle, nID, dwFlags))
        return FALSE;
    return BindWindow(CWnd::m_hWnd, pParent);
}

SECLayoutNode* SECLayoutNodeSplitter::GetPaneNode(int nRow, int nCol) const
{
    return m_pPaneNodes[(nRow ? 1 : 0) + (nCol ? 2 : 0)];
}

BOOL SECLayoutNodeSplitter::AddPaneNode(int nRow, int nCol, SECLayoutNode* pNode)
{
    if (pNode == NULL || nRow >= 3 || nCol >= 3 || nRow < 0 || nCol < 0)
        return FALSE;
    if (AddLayoutChild(pNode) == -1)
        return FALSE;
    const int nSlot = (nRow ? 1 : 0) + (nCol ? 2 : 0);
    m_pPaneNodes[nSlot] = pNode;
    if (!AddPane(nRow, nCol))
    {
        m_pPaneNodes[nSlot] = NULL;
        RemoveLayoutChild(pNode);
        return FALSE;
    }
    return TRUE;
}

BOOL SECLayoutNodeSplitter::RemovePane(int nRow, int nCol)
{
    if (nRow >= 3 || nCol >= 3 || nRow < 0 || nCol < 0)
        return FALSE;
    const int nSlot = (nRow ? 1 : 0) + (nCol ? 2 : 0);
    SECLayoutNode* pNode = m_pPaneNodes[nSlot];
    if (pNode == NULL)
        return FALSE;
    m_pPaneNodes[nSlot] = NULL;
    RemoveLayoutChild(pNode);
    return SECSplitterBase::RemovePane(nRow, nCol);
}

void SECLayoutNodeSplitter::SetPaneRects(SECSplitterPaneInfo& info)
{
    // Splitter pane order (top-left, top-right, bottom-left, bottom-right) to node slots.
    static const int kSlots[4] = {0, 2, 1, 3};
    for (int i = 0; i < 4; ++i)
    {
        RECT rc, rcIgnored;
        if (m_pPaneNodes[kSlots[i]] != NULL && info.GetPane(i, rc))
            m_pPaneNodes[kSlots[i]]->RecalcNode(rcIgnored, rc, FALSE, TRUE);
    }
}

BOOL SECLayoutNodeSplitter::SetBarRect(const RECT& rcNew, BOOL bHorz)
{
    if (!SECSplitterBase::SetBarRect(rcNew, bHorz))
        return FALSE;
    (bHorz ? m_rcSavedHorz : m_rcSavedVert) = rcNew;
    return TRUE;
}

void SECLayoutNodeSplitter::InvalidateBarRect(const RECT* pRect, BOOL bErase)
{
    if (m_hWndParent != NULL)
        ::InvalidateRect(m_hWndParent, pRect, bErase);
}

void SECLayoutNodeSplitter::OnSplitterMoved(int, int)
{
    RealizeNode(NULL);
}

void SECLayoutNodeSplitter::SetNodeStyle(DWORD dwStyle, BOOL bRecursive)
{
    SECLayoutNodeWnd::SetNodeStyle(dwStyle | SEC_LN_EXPOSEDSTRIPS, FALSE);
    if (bRecursive)
        for (POSITION pos = GetFirstChildPosition(); pos != NULL; pos = GetNextChildPosition(pos))
            GetChildAt(pos)->SetNodeStyle(dwStyle, FALSE);
}

BOOL SECLayoutNodeSplitter::RealizeSelf(HDWP* pHdwp, HDC hdc)
{
    BOOL bOk = SECLayoutNodeWnd::RealizeSelf(pHdwp, hdc);
    if (hdc != NULL)
    {
        RECT rc;
        GetAppliedRect(rc);
        POINT ptOld;
        ::GetViewportOrgEx(hdc, &ptOld);
        ::SetViewportOrgEx(hdc, ptOld.x + rc.left, ptOld.y + rc.top, NULL);
        Draw(CDC::FromHandle(hdc));
        ::SetViewportOrgEx(hdc, ptOld.x, ptOld.y, NULL);
    }
    return bOk;
}

void SECLayoutNodeSplitter::ResetZOrder(BOOL bRecursive)
{
    SECLayoutNodeWnd::ResetZOrder(bRecursive);
    if (CWnd::m_hWnd != NULL)
        ::SetWindowPos(CWnd::m_hWnd, HWND_BOTTOM, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void SECLayoutNodeSplitter::InvalidateNodeRect(const RECT* pRect, BOOL bErase)
{
    const RECT rcHorz = m_rcSavedHorz, rcVert = m_rcSavedVert;
    SetBarRect(rcHorz, TRUE);
    SetBarRect(rcVert, FALSE);
    SECLayoutNodeWnd::InvalidateNodeRect(pRect, bErase);
}

BOOL SECLayoutNodeSplitter::IsBeyondLimit(int nValue, int nLimit, BOOL bGrowing)
{
    return bGrowing ? nValue > nLimit : nValue < nLimit;
}

BOOL SECLayoutNodeSplitter::IsWithinLimit(int nValue, int nLimit, BOOL bGrowing)
{
    return bGrowing ? nValue < nLimit : nValue > nLimit;
}

void SECLayoutNodeSplitter::AdjustPanePair(int& a, int& b, int nLimitA, int nLimitB, int& nRest)
{
    const BOOL bGrowing = nRest >= 0;
    const BOOL bRoomA = IsWithinLimit(a, nLimitA, bGrowing);
    auto take = [this, bGrowing](int& v, int nLimit, int nAmount) {
        v += nAmount;
        int nBack = 0;
        if (IsBeyondLimit(v, nLimit, bGrowing))
        {
            nBack = v - nLimit;
            v = nLimit;
        }
        return nAmount - nBack;
    };
    if (bRoomA)
        nRest -= take(a, nLimitA, nRest / 2);
    if (IsWithinLimit(b, nLimitB, bGrowing))
        nRest -= take(b, nLimitB, nRest);
    if (nRest != 0 && bRoomA && IsWithinLimit(a, nLimitA, bGrowing))
        nRest -= take(a, nLimitA, nRest);
}

void SECLayoutNodeSplitter::GetLimits(const int* pSlots, BOOL bWidth, int nFull, int& nMin, int& nMax,
                                      int& nPref)
{
    nMin = 0;
    nMax = nFull;
    nPref = 0;
    for (int i = 0; i < 2; ++i)
    {
        SECLayoutNode* pNode = m_pPaneNodes[pSlots[i]];
        if (pNode == NULL)
            continue;
        SIZE sizeMin, sizeMax;
        DWORD dwFlags = 0;
        pNode->GetMinMaxSize(sizeMin, sizeMax, dwFlags);
        if (!(dwFlags & SEC_LN_NOMIN))
            nMin = std::max(nMin, (int)(bWidth ? sizeMin.cx : sizeMin.cy));
        if (!(dwFlags & SEC_LN_NOMAX))
            nMax = std::min(nMax, (int)(bWidth ? sizeMax.cx : sizeMax.cy));
        RECT rcPref;
        pNode->GetPreferredRect(rcPref);
        nPref = std::max(nPref, (int)(bWidth ? rcPref.right - rcPref.left : rcPref.bottom - rcPref.top));
    }
}

void SECLayoutNodeSplitter::GetColumnLimits(int nFull, int& nMinLeft, int& nMaxLeft, int& nPrefLeft,
                                            int& nMinRight, int& nMaxRight, int& nPrefRight)
{
    static const int kLeft[2] = {0, 1}, kRight[2] = {2, 3};
    GetLimits(kLeft, TRUE, nFull, nMinLeft, nMaxLeft, nPrefLeft);
    GetLimits(kRight, TRUE, nFull, nMinRight, nMaxRight, nPrefRight);
}

void SECLayoutNodeSplitter::GetRowLimits(int nFull, int& nMinTop, int& nMaxTop, int& nPrefTop,
                                         int& nMinBottom, int& nMaxBottom, int& nPrefBottom)
{
    static const int kTop[2] = {0, 2}, kBottom[2] = {1, 3};
    GetLimits(kTop, FALSE, nFull, nMinTop, nMaxTop, nPrefTop);
    GetLimits(kBottom, FALSE, nFull, nMinBottom, nMaxBottom, nPrefBottom);
}

void SECLayoutNodeSplitter::DistributeSize(const RECT& rcOld, const RECT& rcNew, int& nSplitX, int& nSplitY,
                                           BOOL bKeep)
{
    const int oldExtents[2] = {(int)(rcOld.right - rcOld.left), (int)(rcOld.bottom - rcOld.top)};
    const int newExtents[2] = {(int)(rcNew.right - rcNew.left), (int)(rcNew.bottom - rcNew.top)};
    int* splits[2] = {&nSplitX, &nSplitY};
    for (int axis = 0; axis < 2; ++axis)
    {
        const int d = newExtents[axis] - oldExtents[axis];
        if (d == 0 || bKeep)
            continue; // kept: the far panes take the whole change
        // Per side (near, far): minimum, preferred and maximum extent.
        int nMin[2], nMax[2], nPref[2];
        if (axis == 0)
            GetColumnLimits(newExtents[axis], nMin[0], nMax[0], nPref[0], nMin[1], nMax[1], nPref[1]);
        else
            GetRowLimits(newExtents[axis], nMin[0], nMax[0], nPref[0], nMin[1], nMax[1], nPref[1]);
        for (int side = 0; side < 2; ++side)
            nPref[side] = std::min(std::max(nPref[side], nMin[side]), std::max(nMax[side], nMin[side]));
        // Growing, the panes first reach their minimum, then their preferred, then their maximum
        // extent; shrinking runs the other way.
        const BOOL bGrowing = d > 0;
        const int* pairs[3] = {nMin, nPref, nMax};
        int nNear = *splits[axis];
        int nFar = oldExtents[axis] - nNear - s_nSplitterWidth;
        int nRest = d;
        for (int i = 0; i < 3 && nRest != 0; ++i)
        {
            const int* pLimits = pairs[bGrowing ? i : 2 - i];
            AdjustPanePair(nNear, nFar, pLimits[0], pLimits[1], nRest);
        }
        // What no limit let either side take is shared as if there were none.
        nNear += nRest / 2;
        if (d % 2 != 0 && nNear == *splits[axis] + d / 2)
        {
            // An odd change: the odd pixel goes to each side in turn.
            if (m_bRoundUp[axis])
                nNear += d > 0 ? 1 : -1;
            m_bRoundUp[axis] = !m_bRoundUp[axis];
        }
        *splits[axis] = nNear;
    }
}

void SECLayoutNodeSplitter::CalcLayout(RECT& rcOut, const RECT& rc, BOOL, BOOL)
{
    const RECT rcOld = m_rcArea;
    int nSplitX = m_nSplitX, nSplitY = m_nSplitY;
    if (!::IsRectEmpty(&rcOld))
        DistributeSize(rcOld, rc, nSplitX, nSplitY, FALSE);
    SetAppliedRect(rc);
    m_rcArea = rc;
    m_nSplitX = nSplitX;
    m_nSplitY = nSplitY;
    CalcBarRects(m_rcSavedHorz, m_rcSavedVert, m_nSplitX, m_nSplitY);
    m_rcHorz = m_rcSavedHorz;
    m_rcVert = m_rcSavedVert;
    LayoutPanes(m_rcSavedHorz, m_rcSavedVert);
    BarRectsToClient();
    rcOut = rc;
}

// ---- virtual splitter

BEGIN_MESSAGE_MAP(SECLNVirtualSplitter, SECSplitterBase)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

SECLNVirtualSplitter::SECLNVirtualSplitter()
    : m_rcLimit{}, m_rcSecond{}, m_pObserver(NULL), m_bBarsEnabled(TRUE), m_hdcScreen(NULL)
{
    m_bPane[PANE_TOPLEFT] = m_bPane[PANE_TOPRIGHT] = TRUE;
    m_bPane[PANE_BOTTOMLEFT] = m_bPane[PANE_BOTTOMRIGHT] = FALSE;
    CalcBarModes();
}

void SECLNVirtualSplitter::OnLButtonDown(UINT nFlags, CPoint point)
{
    // Disabled bars are drawn but not dragged.
    if (m_bBarsEnabled)
        SECSplitterBase::OnLButtonDown(nFlags, point);
    else
        Default();
}

CDC* SECLNVirtualSplitter::GetTrackDC()
{
    m_hdcScreen = ::GetDC(NULL);
    return CDC::FromHandle(m_hdcScreen);
}

void SECLNVirtualSplitter::ReleaseTrackDC(CDC*)
{
    ::ReleaseDC(NULL, m_hdcScreen);
    m_hdcScreen = NULL;
}

void SECLNVirtualSplitter::AdjustDragRect(RECT& rc, RECT& rcLast)
{
    // The drag feedback is drawn on the screen DC.
    ::MapWindowPoints(CWnd::m_hWnd, NULL, (POINT*)&rc, 2);
    ::MapWindowPoints(CWnd::m_hWnd, NULL, (POINT*)&rcLast, 2);
}

void SECLNVirtualSplitter::GetTrackLimits(int& nMinX, int& nMinY, int& nMaxX, int& nMaxY)
{
    nMinX = m_rcLimit.left;
    nMaxX = m_rcLimit.right - s_nSplitterWidth;
    nMinY = m_rcLimit.top;
    nMaxY = m_rcLimit.bottom - s_nSplitterWidth;
}

BOOL SECLNVirtualSplitter::SetBarRect(const RECT& rcNew, BOOL bHorz)
{
    // Only the bar of the splitter's own orientation moves.
    if (bHorz == (GetNodeOrientation() ? TRUE : FALSE))
        return FALSE;
    return SECLayoutNodeSplitter::SetBarRect(rcNew, bHorz);
}

void SECLNVirtualSplitter::OnSplitterMoved(int dx, int dy)
{
    if (m_pObserver == NULL)
        return;
    if (GetNodeOrientation() && dx != 0)
        m_pObserver->OnSplitterMoved(this, dx, 0);
    else if (!GetNodeOrientation() && dy != 0)
        m_pObserver->OnSplitterMoved(this, 0, dy);
}

int SECLNVirtualSplitter::ClampToArea(RECT& rc, const RECT&, BOOL bHorz)
{
    // The splitter's area is its own bar: a finished drag is kept inside the drag range instead,
    // or every move would be taken back.
    int nShift = SECLayoutNodeSplitter::ClampToArea(rc, m_rcLimit, bHorz);
    if (m_pObserver != NULL && nShift != 0 && bHorz != (GetNodeOrientation() ? TRUE : FALSE))
        m_pObserver->OnSplitterMoved(this, bHorz ? 0 : nShift, bHorz ? nShift : 0);
    return nShift;
}

void SECLNVirtualSplitter::Draw(CDC* pDC)
{
    if (IsVisible())
        SECLayoutNodeSplitter::Draw(pDC);
}

BOOL SECLNVirtualSplitter::CanPaint(CDC* pDC)
{
    // The bar is laid out in the host's coordinates: realized with the DC's origin at the
    // node's place, the window moves to its applied rectangle and the bar lands in it.
    RECT rc, rcBefore, rcAfter;
    GetAppliedRect(rc);
    ::GetWindowRect(CWnd::m_hWnd, &rcBefore);
    const HDC hdc = pDC->GetSafeHdc();
    POINT ptOld;
    ::GetViewportOrgEx(hdc, &ptOld);
    ::SetViewportOrgEx(hdc, ptOld.x - rc.left, ptOld.y - rc.top, NULL);
    RealizeSelf(NULL, hdc);
    ::SetViewportOrgEx(hdc, ptOld.x, ptOld.y, NULL);
    // Moved now, the window was being painted where it no longer is: paint it again there.
    ::GetWindowRect(CWnd::m_hWnd, &rcAfter);
    if (!::EqualRect(&rcBefore, &rcAfter))
        ::InvalidateRect(CWnd::m_hWnd, NULL, TRUE);
    return TRUE;
}

void SECLNVirtualSplitter::BarRectsToClient()
{
    RECT rc;
    GetAppliedRect(rc);
    RECT rcClient = rc;
    ::OffsetRect(&rcClient, -rc.left, -rc.top);
    if (GetNodeOrientation())
    {
        if (rcClient.right < s_nSplitterWidth)
            rcClient.right = 0;
        m_rcVert = m_rcSavedVert = rc;
        m_rcVertClient = rcClient;
        m_rcHorz = m_rcSavedHorz = m_rcHorzClient = RECT{};
        m_nSplitX = m_rcVert.left - m_rcArea.left;
    }
    else
    {
        if (rcClient.bottom < s_nSplitterWidth)
            rcClient.bottom = 0;
        m_rcHorz = m_rcSavedHorz = rc;
        m_rcHorzClient = rcClient;
        m_rcVert = m_rcSavedVert = m_rcVertClient = RECT{};
        m_nSplitY = m_rcHorz.top - m_rcArea.top;
    }
}

void SECLNVirtualSplitter::SetNodeOrientation(BOOL bVertical, BOOL bRecursive)
{
    SECLayoutNodeSplitter::SetNodeOrientation(bVertical, bRecursive);
    m_bPane[PANE_TOPLEFT] = m_bPane[PANE_TOPRIGHT] = TRUE;
    m_bPane[PANE_BOTTOMLEFT] = m_bPane[PANE_BOTTOMRIGHT] = bVertical ? FALSE : TRUE;
    CalcBarModes();
}

void SECLNVirtualSplitter::CalcLayout(RECT& rcOut, const RECT& rc, BOOL bConstrain, BOOL bForce)
{
    SECLayoutNodeSplitter::CalcLayout(rcOut, rc, bConstrain, bForce);
    BarRectsToClient();
}
