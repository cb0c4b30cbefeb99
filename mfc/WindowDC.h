// CWindowDC: GetWindowDC/ReleaseDC for the life of the object (the whole window, frame included).
//
// Differences from MFC:
// - None known.
#pragma once
#include "DC.h"

class CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)

  public:
    // Construction
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

  protected:
    // Implementation
    HWND m_hWnd;
};
