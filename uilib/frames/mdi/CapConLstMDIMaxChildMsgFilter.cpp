// SECCapConLstMDIMaxChildMsgFilter: menu-sized caption buttons in the menu-bar row.
#include "uilib/frames/mdi/CapConLstMDIMaxChildMsgFilter.h"

IMPLEMENT_DYNCREATE(SECCapConLstMDIMaxChildMsgFilter, SECCaptionControlListMsgFilter)

SECMsgFilter* SECCapConLstMDIMaxChildMsgFilter::Clone() const
{
    return new SECCapConLstMDIMaxChildMsgFilter(*this);
}

CSize SECCapConLstMDIMaxChildMsgFilter::GetButtonSize() const
{
    return GetButtonSizeFromMetrics(SM_CXMENUSIZE, SM_CYMENUSIZE);
}

CPoint SECCapConLstMDIMaxChildMsgFilter::GetFirstButtonOrigin(const CRect& rectCaption,
                                                              const CSize& size) const
{
    CPoint pt = SECCaptionControlListMsgFilter::GetFirstButtonOrigin(rectCaption, size);
    pt.y += ::GetSystemMetrics(SM_CYCAPTION);
    return pt;
}
