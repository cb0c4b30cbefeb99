// SECDockSite: what a library frame offers the dock contexts of its bars: docking, docking back
// and floating through the frame's own (virtual) operations, and for an MDI frame floating a bar
// as an MDI child. SECFrameWnd and SECMDIFrameWnd implement it; a dock context whose dock site
// is a plain CFrameWnd uses that frame's operations instead.
#pragma once
#include "afxwin.h"

class SECDockSite
{
  public:
    virtual ~SECDockSite() = default;

    // Overridables
    virtual void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) = 0;
    virtual void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) = 0;
    virtual void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) = 0;
    // Floats the bar as an MDI child at a screen point (negative: the frame's next place);
    // FALSE for a frame that has no MDI client.
    virtual BOOL FloatControlBarAsMDIChild(CControlBar* /*pBar*/, CPoint /*point*/, DWORD /*dwStyle*/)
    {
        return FALSE;
    }
    // Set while a bar moves between the MDI client and its dock place.
    virtual void SetDockingBusy(BOOL /*bBusy*/)
    {
    }
};

// The frame's dock-site side, NULL for a frame that is not a library frame.
inline SECDockSite* SECGetDockSite(CFrameWnd* pFrame)
{
    return dynamic_cast<SECDockSite*>(pFrame);
}
