// SECCaptionMsgFilter: caption and caption-button geometry from the system metrics.
#include "uilib/frames/mdi/CaptionMsgFilter.h"

IMPLEMENT_DYNCREATE(SECCaptionMsgFilter, SECNcMsgFilter)

SECMsgFilter* SECCaptionMsgFilter::Clone() const
{
    return new SECCaptionMsgFilter(*this);
}

DWORD SECCaptionMsgFilter::GetStyle() const
{
    return m_pWnd != NULL ? (DWORD)::GetWindowLong(m_pWnd->GetSafeHwnd(), GWL_STYLE) : 0;
}

DWORD SECCaptionMsgFilter::GetExStyle() const
{
    return m_pWnd != NULL ? (DWORD)::GetWindowLong(m_pWnd->GetSafeHwnd(), GWL_EXSTYLE) : 0;
}

BOOL SECCaptionMsgFilter::GetCaptionRect(CRect& rect) const
{
    rect.SetRectEmpty();
    const DWORD dwStyle = GetStyle();
    if (m_pWnd == NULL || (dwStyle & WS_CAPTION) != WS_CAPTION)
        return FALSE;
    int cxFrame, cyFrame;
    if ((dwStyle & WS_THICKFRAME) && !(dwStyle & WS_MINIMIZE))
    {
        cxFrame = ::GetSystemMetrics(SM_CXFRAME);
        cyFrame = ::GetSystemMetrics(SM_CYFRAME);
    }
    else if ((dwStyle & WS_DLGFRAME) || (GetExStyle() & WS_EX_DLGMODALFRAME))
    {
        cxFrame = ::GetSystemMetrics(SM_CXDLGFRAME);
        cyFrame = ::GetSystemMetrics(SM_CYDLGFRAME);
    }
    else
    {
        cxFrame = ::GetSystemMetrics(SM_CXBORDER);
        cyFrame = ::GetSystemMetrics(SM_CYBORDER);
    }
    CRect rectWindow;
    m_pWnd->GetWindowRect(&rectWindow);
    const int cyCaption =
        ::GetSystemMetrics((GetExStyle() & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION) -
        ::GetSystemMetrics(SM_CYBORDER);
    rect.SetRect(cxFrame, cyFrame, rectWindow.Width() - cxFrame, cyFrame + cyCaption);
    return TRUE;
}

CSize SECCaptionMsgFilter::GetButtonSizeFromMetrics(int nCxIndex, int nCyIndex) const
{
    return CSize(::GetSystemMetrics(nCxIndex) - 2, ::GetSystemMetrics(nCyIndex) - 4);
}

CSize SECCaptionMsgFilter::GetButtonSize() const
{
    if (GetExStyle() & WS_EX_TOOLWINDOW)
        return GetButtonSizeFromMetrics(SM_CXSMSIZE, SM_CYSMSIZE);
    return GetButtonSizeFromMetrics(SM_CXSIZE, SM_CYSIZE);
}

CPoint SECCaptionMsgFilter::GetFirstButtonOrigin(const CRect& rectCaption, const CSize& size) const
{
    return CPoint(rectCaption.right - size.cx - 2, rectCaption.top + 2);
}
