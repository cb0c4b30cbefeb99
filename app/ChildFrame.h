// CChildFrame: the MDI child frame of a recording; documents open maximised.
#pragma once
#include "afxwin.h"
#include "uilib/frames/mdi/MDIChildWnd.h"

class CChildFrame : public SECMDIChildWnd
{
    DECLARE_DYNCREATE(CChildFrame)

  public:
    // Construction
    CChildFrame();
    ~CChildFrame() override;

    // Overrides
    // -1 (the default show command) opens the frame maximised; the main window is repainted.
    void ActivateFrame(int nCmdShow = -1) override;
};
