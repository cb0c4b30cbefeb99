// nsSysCommandEx::ScxCaptionNCRDBLClkFilter: a right double-click on the caption toggles the
// frame between MDI child and docked (id 259).
#pragma once
#include "uilib/frames/mdi/CaptionMsgFilter.h"

namespace nsSysCommandEx
{
class ScxCaptionNCRDBLClkFilter : public SECCaptionMsgFilter
{
    DECLARE_DYNCREATE(ScxCaptionNCRDBLClkFilter)

  public:
    // Construction
    ScxCaptionNCRDBLClkFilter() = default;
    ScxCaptionNCRDBLClkFilter(const ScxCaptionNCRDBLClkFilter& other) = default;

    // Overridables
    SECMsgFilter* Clone() const override;
    UINT OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
} // namespace nsSysCommandEx
