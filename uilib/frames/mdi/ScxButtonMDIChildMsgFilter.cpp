// nsSysCommandEx::ScxButtonMDIChildMsgFilter: the MDI child's own extra button.
#include "uilib/frames/mdi/ScxButtonMDIChildMsgFilter.h"

namespace nsSysCommandEx
{
IMPLEMENT_DYNCREATE(ScxButtonMDIChildMsgFilter, ScxButtonMsgFilter)

SECMsgFilter* ScxButtonMDIChildMsgFilter::Clone() const
{
    return new ScxButtonMDIChildMsgFilter(*this);
}

BOOL ScxButtonMDIChildMsgFilter::IsButtonVisible(BOOL* pDisabled) const
{
    *pDisabled = FALSE;
    return m_pWnd != NULL && !m_pWnd->IsZoomed();
}
} // namespace nsSysCommandEx
