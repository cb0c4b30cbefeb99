// nsSysCommandEx::ScxContextMenuFilter: the state menu on the caption.
#include "uilib/frames/mdi/ScxContextMenuFilter.h"
#include "uilib/frames/mdi/SysCommandEx.h"

namespace nsSysCommandEx
{
IMPLEMENT_DYNCREATE(ScxContextMenuFilter, SECMsgFilter)

SECMsgFilter* ScxContextMenuFilter::Clone() const
{
    return new ScxContextMenuFilter(*this);
}

UINT ScxContextMenuFilter::OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_NCRBUTTONUP || wParam != HTCAPTION || m_pWnd == NULL)
        return SECMsgFilter::OnFilterMessage(message, wParam, lParam, pResult);
    ScxCommandRecord record = {};
    record.hWnd = m_pWnd->GetSafeHwnd();
    record.nTarget = -1;
    record.x = (short)LOWORD(lParam);
    record.y = (short)HIWORD(lParam);
    SendCommand(record.hWnd, scxStateMenu, &record);
    return resultHandled | resultCaption | resultStop;
}
} // namespace nsSysCommandEx
