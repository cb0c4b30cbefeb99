// Self-drawing layout nodes: painting on the host window.
#include "uilib/frames/layout/LayoutNodeDC.h"

BOOL SECLayoutNodeDCBase::RealizeSelf(HDWP*, HDC hdc)
{
    DrawNode(FALSE, hdc);
    return TRUE;
}

void SECLayoutNodeDCBase::DrawNode(BOOL bRecursive, HDC hdc)
{
    RECT rc;
    GetAppliedRect(rc);
    HDC hdcDraw = hdc;
    if (hdcDraw == NULL && m_hWndHost != NULL)
        hdcDraw = ::GetDC(m_hWndHost);
    if (hdcDraw != NULL)
    {
        POINT ptOrg;
        ::GetViewportOrgEx(hdcDraw, &ptOrg);
        ::SetViewportOrgEx(hdcDraw, ptOrg.x - m_ptDrawOffset.x, ptOrg.y - m_ptDrawOffset.y, NULL);
        OnDraw(hdcDraw, rc);
        ::SetViewportOrgEx(hdcDraw, ptOrg.x, ptOrg.y, NULL);
        if (hdc == NULL)
            ::ReleaseDC(m_hWndHost, hdcDraw);
    }
    SECLayoutNode::DrawNode(bRecursive, hdc);
}

void SECLayoutNodeDCBase::InvalidateNodeRect(const RECT* pRect, BOOL bErase)
{
    if (m_hWndHost != NULL)
        ::InvalidateRect(m_hWndHost, pRect, bErase);
}

void SECLayoutNodeDCBase::OnDraw(HDC, const RECT&)
{
}

void SECLayoutNodeDC::DrawNode(BOOL bRecursive, HDC hdc)
{
    if (IsVisible())
        SECLayoutNodeDCBase::DrawNode(bRecursive, hdc);
}

BOOL SECLayoutNodeDC::SetVisible(BOOL bVisible)
{
    BOOL bChanged = SECDefHideableNode::SetVisible(bVisible);
    if (bChanged)
    {
        RECT rc;
        GetAppliedRect(rc);
        InvalidateNodeRect(&rc, TRUE);
    }
    return bChanged;
}
