// The application of the bar-library tests; their input helpers come from the test support.
#pragma once
#include "afxwin.h"
#include "afxdlgs.h"
#include "BarsTestIds.h"
#include "ScreenInput.h"

class CBarsTestApp : public CWinApp
{
  public:
    CBarsTestApp() : CWinApp(_T("HelvonBarsTest"))
    {
    }
};
