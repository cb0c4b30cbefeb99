// SECDockSite: what a library frame offers the dock contexts of its bars: docking, docking back
// and floating through the frame's own (virtual) operations, and for an MDI frame floating a bar
// as an MDI child. SECFrameWnd and SECMDIFrameWnd implement it; a dock context whose dock site
// is a plain CFrameWnd uses that frame's operations instead.
#pragma once
#include "afxwin.h"

class SECControlBarManager;

class SECDockSite
{
  public:
    virtual ~SECDockSite() = default;

    // Overridables
    virtual void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) = 0;
    virtual void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) = 0;
    virtual void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) = 0;
    // Floats the bar as an MDI child at a screen point (negative: the frame's next place); a frame
    // without an MDI client leaves the bar as it is.
    virtual void FloatControlBarInMDIChild(CControlBar* /*pBar*/, CPoint /*point*/, DWORD /*dwStyle*/)
    {
    }
    // A new MDI child frame that hosts a bar floating as an MDI child; NULL without an MDI client.
    virtual CFrameWnd* CreateMDIChildFrameForBar()
    {
        return NULL;
    }
    // The manager handed to the dock state; NULL when the application set none.
    virtual SECControlBarManager* GetControlBarManager() const
    {
        return NULL;
    }
    // The list the dock state appends the bars it re-creates by class name to (the frame deletes
    // them); NULL when the frame keeps none.
    virtual CPtrList* GetDynamicBarList()
    {
        return NULL;
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
