// SECNcMsgFilter: the class of filters that work on a window's non-client area; it adds
// nothing but its class, by which such filters are told apart.
#pragma once
#include "uilib/frames/mdi/MsgFilter.h"

class SECNcMsgFilter : public SECMsgFilter
{
    DECLARE_DYNCREATE(SECNcMsgFilter)

  public:
    // Construction
    SECNcMsgFilter() = default;
    SECNcMsgFilter(const SECNcMsgFilter& other) = default;

    // Overridables
    SECMsgFilter* Clone() const override;
};
