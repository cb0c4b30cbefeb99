// A window object that shares the grid window's handle and sees each of its messages through its
// own message map before the grid does (the auto-scroll plug-in is one). Owned by the grid.
#pragma once
#include "afxwin.h"

class CGXPluginComponent : public CWnd
{
    DECLARE_DYNAMIC(CGXPluginComponent)

  public:
    // Construction
    CGXPluginComponent();
    ~CGXPluginComponent() override;

    // Overridables
    // Takes over the window's handle (none for null); TRUE.
    virtual BOOL PlugIn(CWnd* pWnd);

    // Operations
    // Runs a message through the plug-in's message map; the flags say what the grid does next.
    BOOL HandlePluginMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult);

    // Implementation
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL m_bSkipOtherPlugins = FALSE; // the remaining plug-ins do not see the message
    BOOL m_bExitMesssage = FALSE;     // handled: the grid does not process it
};
