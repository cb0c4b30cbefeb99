// nsSysCommandEx::ScxButtonMDIChildMsgFilter: the extra caption button of an MDI child (id 258);
// hidden while its child is maximised, when the frame's copy of it (id 260) takes over.
#pragma once
#include "uilib/frames/mdi/ScxButtonMsgFilter.h"

namespace nsSysCommandEx
{
class ScxButtonMDIChildMsgFilter : public ScxButtonMsgFilter
{
    DECLARE_DYNCREATE(ScxButtonMDIChildMsgFilter)

  public:
    // Construction
    ScxButtonMDIChildMsgFilter() = default;
    ScxButtonMDIChildMsgFilter(const ScxButtonMDIChildMsgFilter& other) = default;

    // Overridables
    SECMsgFilter* Clone() const override;
    BOOL IsButtonVisible(BOOL* pDisabled) const override;
};
} // namespace nsSysCommandEx
