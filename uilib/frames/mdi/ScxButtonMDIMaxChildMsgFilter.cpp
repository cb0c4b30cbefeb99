// nsSysCommandEx::ScxButtonMDIMaxChildMsgFilter: the maximised child's extra button in the
// MDI frame's menu-bar row.
#include "uilib/frames/mdi/ScxButtonMDIMaxChildMsgFilter.h"
#include "uilib/frames/mdi/MDIChildWnd.h"

namespace nsSysCommandEx
{
IMPLEMENT_DYNCREATE(ScxButtonMDIMaxChildMsgFilter, ScxButtonMsgFilter)

namespace
{
// The active child when it is a maximised SECMDIChildWnd whose own button is on.
SECMDIChildWnd* MaximizedChild(CWnd* pWnd)
{
    CMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, pWnd);
    if (pFrame == NULL)
        return NULL;
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pChild = pFrame->MDIGetActive(&bMaximized);
    SECMDIChildWnd* pSECChild = DYNAMIC_DOWNCAST(SECMDIChildWnd, pChild);
    if (!bMaximized || pSECChild == NULL ||
        pSECChild->FindEnabledFilter(SECMDIChildWnd::filterButton) == NULL)
        return NULL;
    return pSECChild;
}
} // namespace

SECMsgFilter* ScxButtonMDIMaxChildMsgFilter::Clone() const
{
    return new ScxButtonMDIMaxChildMsgFilter(*this);
}

UINT ScxButtonMDIMaxChildMsgFilter::OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                                    LRESULT* pResult)
{
    if (MaximizedChild(m_pWnd) == NULL)
        return 0;
    if ((message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN))
    {
        // The button sits in the menu-bar row: treat a press there as one on a caption button.
        if (wParam != HTMENU)
            return 0;
        return ScxButtonMsgFilter::OnFilterMessage(message, HTCAPTION, lParam, pResult);
    }
    return ScxButtonMsgFilter::OnFilterMessage(message, wParam, lParam, pResult);
}

BOOL ScxButtonMDIMaxChildMsgFilter::IsButtonVisible(BOOL* pDisabled) const
{
    *pDisabled = FALSE;
    return MaximizedChild(m_pWnd) != NULL;
}

HWND ScxButtonMDIMaxChildMsgFilter::GetTargetWindow() const
{
    SECMDIChildWnd* pChild = MaximizedChild(m_pWnd);
    return pChild != NULL ? pChild->GetSafeHwnd() : NULL;
}
} // namespace nsSysCommandEx
