// CChildFrame: the MDI child frame of a recording; documents open maximised.
// Built on the framework's MDI child until the library's child frame is there.
#pragma once
#include "afxwin.h"
#include "MDIChildWnd.h"

class CChildFrame : public CMDIChildWnd
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
