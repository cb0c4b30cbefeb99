// SECCaptionControlListMsgFilter: the row of caption buttons of a window (close, maximise,
// restore, minimise, help, right to left). It owns its descriptor table and lays the buttons
// out before each message reaches them.
#pragma once
#include "uilib/frames/mdi/CaptionControlMsgFilter.h"

class SECCaptionControlListMsgFilter : public SECCaptionMsgFilter
{
    DECLARE_DYNCREATE(SECCaptionControlListMsgFilter)

  public:
    // Construction
    SECCaptionControlListMsgFilter();
    SECCaptionControlListMsgFilter(const SECCaptionControlListMsgFilter& other);

    // Overridables
    SECMsgFilter* Clone() const override;
    UINT OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    virtual void LayoutButtons();

    // Operations
    const DescriptorTable& GetDescriptorTable() const
    {
        return m_descriptors;
    }

    // Implementation
  protected:
    void BuildDescriptors();
    DescriptorTable m_descriptors;
};
