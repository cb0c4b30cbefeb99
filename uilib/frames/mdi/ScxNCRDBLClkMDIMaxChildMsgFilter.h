// nsSysCommandEx::ScxNCRDBLClkMDIMaxChildMsgFilter: in the MDI frame (id 261): a right double-click
// in the menu-bar row toggles the maximised active child, when its own double-click filter is on.
#pragma once
#include "uilib/frames/mdi/NcMsgFilter.h"

namespace nsSysCommandEx
{
class ScxNCRDBLClkMDIMaxChildMsgFilter : public SECNcMsgFilter
{
    DECLARE_DYNCREATE(ScxNCRDBLClkMDIMaxChildMsgFilter)

  public:
    // Construction
    ScxNCRDBLClkMDIMaxChildMsgFilter() = default;
    ScxNCRDBLClkMDIMaxChildMsgFilter(const ScxNCRDBLClkMDIMaxChildMsgFilter& other) = default;

    // Overridables
    SECMsgFilter* Clone() const override;
    UINT OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
} // namespace nsSysCommandEx
