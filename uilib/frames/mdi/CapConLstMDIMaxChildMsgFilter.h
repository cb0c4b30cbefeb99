// SECCapConLstMDIMaxChildMsgFilter: the caption buttons of a maximised MDI child, which sit in
// the frame's menu-bar row, one caption height below the child's own caption, at menu size.
#pragma once
#include "uilib/frames/mdi/CaptionControlListMsgFilter.h"

class SECCapConLstMDIMaxChildMsgFilter : public SECCaptionControlListMsgFilter
{
    DECLARE_DYNCREATE(SECCapConLstMDIMaxChildMsgFilter)

  public:
    // Construction
    SECCapConLstMDIMaxChildMsgFilter() = default;
    SECCapConLstMDIMaxChildMsgFilter(const SECCapConLstMDIMaxChildMsgFilter& other) = default;

    // Overridables
    SECMsgFilter* Clone() const override;
    CSize GetButtonSize() const override;
    CPoint GetFirstButtonOrigin(const CRect& rectCaption, const CSize& size) const override;
};
