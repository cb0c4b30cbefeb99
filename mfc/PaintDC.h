// CPaintDC: BeginPaint/EndPaint for the life of the object, for WM_PAINT handlers.
//
// Differences from MFC:
// - None known.
#pragma once
#include "DC.h"

class CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)

  public:
    // Construction
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    // Attributes
    PAINTSTRUCT m_ps;

  protected:
    // Implementation
    HWND m_hWnd;
};
