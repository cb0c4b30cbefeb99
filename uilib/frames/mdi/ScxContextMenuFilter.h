// nsSysCommandEx::ScxContextMenuFilter: a right click on the caption opens the state menu there
// (id 262).
#pragma once
#include "uilib/frames/mdi/MsgFilter.h"

namespace nsSysCommandEx
{
class ScxContextMenuFilter : public SECMsgFilter
{
    DECLARE_DYNCREATE(ScxContextMenuFilter)

  public:
    // Construction
    ScxContextMenuFilter() = default;
    ScxContextMenuFilter(const ScxContextMenuFilter& other) = default;

    // Overridables
    SECMsgFilter* Clone() const override;
    UINT OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
} // namespace nsSysCommandEx
