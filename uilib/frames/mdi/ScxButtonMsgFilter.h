// nsSysCommandEx::ScxButtonMsgFilter: the extra caption button of a document frame. A click
// sends the toggle between MDI child and docked; a right click or a press held for 400 ms opens
// the state menu below the button. Lives in a caption-button list filter.
#pragma once
#include "uilib/frames/mdi/CaptionControlMsgFilter.h"
#include "uilib/frames/mdi/SysCommandEx.h"

namespace nsSysCommandEx
{
class ScxButtonMsgFilter : public SECCaptionControlMsgFilter
{
    DECLARE_DYNCREATE(ScxButtonMsgFilter)

  public:
    enum
    {
        holdIntervalMs = 400
    };

    // Construction
    ScxButtonMsgFilter();
    ScxButtonMsgFilter(const ScxButtonMsgFilter& other) = default;

    // Overridables
    SECMsgFilter* Clone() const override;
    UINT OnFilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void Draw() override;
    void Fire(UINT nFlags, CPoint ptScreen) override;
    BOOL IsButtonVisible(BOOL* pDisabled) const override;
    // The window the command is addressed to.
    virtual HWND GetTargetWindow() const;

    // Implementation
  protected:
    // The button rectangle in screen coordinates.
    CRect GetScreenButtonRect() const;
};
} // namespace nsSysCommandEx
