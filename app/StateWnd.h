// CStateWnd: the docking bar "Statusfenster" of the main frame, at its right side. The station's
// state display it will hold comes with the live status pages; until then the bar is empty.
#pragma once
#include "uilib/bars/ControlBar.h"

class CStateWnd : public SECControlBar
{
    DECLARE_DYNAMIC(CStateWnd)

  public:
    // Construction
    CStateWnd();
    ~CStateWnd() override;
};
