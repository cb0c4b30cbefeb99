#include "uilib/treelist/FakeButton.h"

SECFakeButton::~SECFakeButton()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

void SECFakeButton::Show(CBitmap* pBitmap)
{
    if (pBitmap == NULL || pBitmap->GetSafeHandle() == NULL)
        return;
    CWindowDC screen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap* pOld = dc.SelectObject(pBitmap);
    screen.BitBlt(m_rcScreen.left, m_rcScreen.top, m_rcScreen.Width(), m_rcScreen.Height(), &dc, 0, 0,
                  SRCCOPY);
    dc.SelectObject(pOld);
}

BOOL SECFakeButton::Track(const CRect& rcScreen, CBitmap* pNormal, CBitmap* pPressed)
{
    m_rcScreen = rcScreen;
    if (!CreateEx(0, _T("STATIC"), _T(""), WS_POPUP, rcScreen, NULL, 0))
        return FALSE;
    SetCapture();
    BOOL bOver = TRUE;
    Show(pPressed);
    BOOL bReleased = FALSE;
    while (!bReleased && ::GetCapture() == m_hWnd)
    {
        MSG msg;
        if (!::GetMessage(&msg, NULL, 0, 0))
        {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message)
        {
        case WM_MOUSEMOVE: {
            CPoint pt;
            ::GetCursorPos(&pt);
            BOOL bNow = rcScreen.PtInRect(pt);
            if (bNow != bOver)
            {
                bOver = bNow;
                Show(bOver ? pPressed : pNormal);
            }
            break;
        }
        case WM_LBUTTONUP: {
            CPoint pt;
            ::GetCursorPos(&pt);
            bOver = rcScreen.PtInRect(pt);
            bReleased = TRUE;
            break;
        }
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
            break;
        }
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    Show(pNormal);
    DestroyWindow();
    return bReleased && bOver;
}
