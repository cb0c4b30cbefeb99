// The application of the leaf library's tests; their input helpers come from the test support.
#pragma once
#include "afxwin.h"
#include "afxdlgs.h"
#include "CommonTestIds.h"
#include "ScreenInput.h"

class CCommonTestApp : public CWinApp
{
  public:
    CCommonTestApp() : CWinApp(_T("HelvonCommonTest"))
    {
    }
};
