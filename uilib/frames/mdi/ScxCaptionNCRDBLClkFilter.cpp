// nsSysCommandEx::ScxCaptionNCRDBLClkFilter: the caption's right double-click.
#include "uilib/frames/mdi/ScxCaptionNCRDBLClkFilter.h"
#include "uilib/frames/mdi/SysCommandEx.h"

namespace nsSysCommandEx
{
IMPLEMENT_DYNCREATE(ScxCaptionNCRDBLClkFilter, SECCaptionMsgFilter)

SECMsgFilter* ScxCaptionNCRDBLClkFilter::Clone() const
{
    return new ScxCaptionNCRDBLClkFilter(*this);
}

UINT ScxCaptionNCRDBLClkFilter::OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_NCRBUTTONDBLCLK || wParam != HTCAPTION || m_pWnd == NULL)
        return SECCaptionMsgFilter::OnFilterMessage(message, wParam, lParam, pResult);
    ScxCommandRecord record = {};
    record.hWnd = m_pWnd->GetSafeHwnd();
    record.nTarget = -1;
    SendCommand(record.hWnd, scxSetState, &record);
    return resultHandled | resultCaption | resultStop;
}
} // namespace nsSysCommandEx
