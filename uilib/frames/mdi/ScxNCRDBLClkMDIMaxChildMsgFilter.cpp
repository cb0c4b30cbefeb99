// nsSysCommandEx::ScxNCRDBLClkMDIMaxChildMsgFilter: the right double-click in the MDI frame's
// menu-bar row for its maximised child.
#include "uilib/frames/mdi/ScxNCRDBLClkMDIMaxChildMsgFilter.h"
#include "uilib/frames/mdi/MDIChildWnd.h"
#include "uilib/frames/mdi/SysCommandEx.h"

namespace nsSysCommandEx
{
IMPLEMENT_DYNCREATE(ScxNCRDBLClkMDIMaxChildMsgFilter, SECNcMsgFilter)

SECMsgFilter* ScxNCRDBLClkMDIMaxChildMsgFilter::Clone() const
{
    return new ScxNCRDBLClkMDIMaxChildMsgFilter(*this);
}

UINT ScxNCRDBLClkMDIMaxChildMsgFilter::OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                                       LRESULT* pResult)
{
    CMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, m_pWnd);
    if (message != WM_NCRBUTTONDBLCLK || pFrame == NULL)
        return SECNcMsgFilter::OnFilterMessage(message, wParam, lParam, pResult);
    BOOL bMaximized = FALSE;
    SECMDIChildWnd* pChild = DYNAMIC_DOWNCAST(SECMDIChildWnd, pFrame->MDIGetActive(&bMaximized));
    if (!bMaximized || pChild == NULL || pChild->FindEnabledFilter(SECMDIChildWnd::filterRDblClk) == NULL)
        return SECNcMsgFilter::OnFilterMessage(message, wParam, lParam, pResult);
    if (wParam != HTMENU)
        return SECNcMsgFilter::OnFilterMessage(message, wParam, lParam, pResult);
    ScxCommandRecord record = {};
    record.hWnd = pChild->GetSafeHwnd();
    record.nTarget = -1;
    SendCommand(record.hWnd, scxSetState, &record);
    return resultHandled | resultCaption | resultStop;
}
} // namespace nsSysCommandEx
