// CClientDC: GetDC/ReleaseDC for the life of the object (the client area).
//
// Differences from MFC:
// - None known.
#pragma once
#include "DC.h"

class CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)

  public:
    // Construction
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

  protected:
    // Implementation
    HWND m_hWnd;
};
