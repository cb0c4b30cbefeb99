// nsSysCommandEx::ScxButtonMDIMaxChildMsgFilter: the extra button of a maximised MDI child, shown by
// the MDI frame in its menu-bar row (id 260 below the button list 256); it works for the active
// child while that child's own button (258) is on.
#pragma once
#include "uilib/frames/mdi/ScxButtonMsgFilter.h"

namespace nsSysCommandEx
{
class ScxButtonMDIMaxChildMsgFilter : public ScxButtonMsgFilter
{
    DECLARE_DYNCREATE(ScxButtonMDIMaxChildMsgFilter)

  public:
    // Construction
    ScxButtonMDIMaxChildMsgFilter() = default;
    ScxButtonMDIMaxChildMsgFilter(const ScxButtonMDIMaxChildMsgFilter& other) = default;

    // Overridables
    SECMsgFilter* Clone() const override;
    UINT OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL IsButtonVisible(BOOL* pDisabled) const override;
    HWND GetTargetWindow() const override;
};
} // namespace nsSysCommandEx
