// SECCaptionMsgFilter: a non-client filter that knows the geometry of its window's caption and
// of the system-sized buttons in it; the caption controls and their list derive from it.
#pragma once
#include "uilib/frames/mdi/NcMsgFilter.h"

class SECCaptionMsgFilter : public SECNcMsgFilter
{
    DECLARE_DYNCREATE(SECCaptionMsgFilter)

  public:
    // Construction
    SECCaptionMsgFilter() = default;
    SECCaptionMsgFilter(const SECCaptionMsgFilter& other) = default;

    // Overridables
    SECMsgFilter* Clone() const override;
    // The caption row in window coordinates; FALSE (and an empty rectangle) without a caption.
    virtual BOOL GetCaptionRect(CRect& rect) const;
    virtual CSize GetButtonSizeFromMetrics(int nCxIndex, int nCyIndex) const;
    virtual CSize GetButtonSize() const;
    virtual CPoint GetFirstButtonOrigin(const CRect& rectCaption, const CSize& size) const;

    // Implementation
  protected:
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
};
