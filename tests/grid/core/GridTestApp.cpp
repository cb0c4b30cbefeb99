// The test application and the window helpers of the grid core tests.
#include "GridTestApp.h"
#include "TestSupport.h"

static CGridTestApp theApp;

DWORD ToRGB(COLORREF cr)
{
    return (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
}

Pixels CaptureDC(CDC* pDC, const CRect& rect)
{
    Pixels p;
    p.cx = rect.Width();
    p.cy = rect.Height();
    p.px.resize((size_t)p.cx * p.cy);
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = p.cx;
    bi.bmiHeader.biHeight = -p.cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* pBits = NULL;
    HBITMAP hbm = ::CreateDIBSection(pDC->GetSafeHdc(), &bi, DIB_RGB_COLORS, &pBits, NULL, 0);
    HGDIOBJ hOld = ::SelectObject(mem.GetSafeHdc(), hbm);
    ::BitBlt(mem.GetSafeHdc(), 0, 0, p.cx, p.cy, pDC->GetSafeHdc(), rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    memcpy(p.px.data(), pBits, p.px.size() * 4);
    for (DWORD& d : p.px)
        d &= 0xFFFFFF;
    ::SelectObject(mem.GetSafeHdc(), hOld);
    ::DeleteObject(hbm);
    return p;
}

Pixels CaptureClient(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetClientRect(&rect);
    CClientDC dc(pWnd);
    return CaptureDC(&dc, rect);
}

Pixels RenderGrid(CGXGridCore* pGrid, CWnd* pWnd)
{
    CRect rect;
    pWnd->GetClientRect(&rect);
    CClientDC dcWnd(pWnd);
    CDC mem;
    mem.CreateCompatibleDC(&dcWnd);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcWnd, rect.Width(), rect.Height());
    CBitmap* pOld = mem.SelectObject(&bitmap);
    mem.FillSolidRect(&rect, RGB(1, 2, 3));
    pGrid->OnGridDraw(&mem);
    Pixels p = CaptureDC(&mem, rect);
    mem.SelectObject(pOld);
    return p;
}
