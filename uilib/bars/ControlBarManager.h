// SECControlBarManager: the frame's control-bar manager, set on the frame by the application.
// The base makes no extension records and no bars; the toolbar manager derives from it.
#pragma once
#include "afxwin.h"

class SECControlBar;
class SECControlBarInfo;
class SECControlBarInfoEx;

class SECControlBarManager : public CCmdTarget
{
    DECLARE_DYNAMIC(SECControlBarManager)

  public:
    // Construction
    explicit SECControlBarManager(CFrameWnd* pFrame = NULL) : m_pFrame(pFrame)
    {
    }
    ~SECControlBarManager() override = default;

    // Overridables
    virtual CFrameWnd* GetFrame() const
    {
        return m_pFrame;
    }
    // The extension record for a bar's saved record; NULL here.
    virtual SECControlBarInfoEx* CreateBarInfo(SECControlBarInfo* pInfo);
    // A bar that a saved record names and the frame lacks; NULL here.
    virtual SECControlBar* CreateBar(SECControlBarInfo* pInfo);
    // The type id saved with a bar; 0 here.
    virtual DWORD GetBarTypeID(SECControlBar* pBar);

    // Attributes
    CFrameWnd* m_pFrame;
};
