// Pixel captures of the shown grid tests: what the screen shows of a window, and a fresh paint of
// a grid into a memory bitmap to compare it with.
#pragma once
#include "grid/core/GridCore.h"
#include <gtest/gtest.h>
#include <functional>
#include <vector>

// The pixels of a rectangle of a window's client area, as the screen shows it (0x00RRGGBB).
struct Pixels
{
    int cx = 0, cy = 0;
    std::vector<DWORD> px;
    // Outside the capture the test fails: a wrong layout must not read a neighbouring row.
    DWORD At(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= cx || y >= cy)
        {
            ADD_FAILURE() << "pixel (" << x << ", " << y << ") outside the " << cx << " x " << cy
                          << " capture";
            return 0xFFFFFFFF;
        }
        return px[(size_t)y * cx + x];
    }
};

inline DWORD ToRGB(COLORREF cr)
{
    return (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
}

// Pixels of a DC's selected bitmap in a rectangle.
inline Pixels CaptureDC(CDC* pDC, const CRect& rect)
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

inline Pixels CaptureClient(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetClientRect(&rect);
    CClientDC dc(pWnd);
    return CaptureDC(&dc, rect);
}

// Renders the grid's whole client area into a memory bitmap through its paint entry; fnAfter,
// when given, draws on top of it.
inline Pixels RenderGrid(CGXGridCore* pGrid, CWnd* pWnd, const std::function<void(CDC*)>& fnAfter = nullptr)
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
    if (fnAfter)
        fnAfter(&mem);
    Pixels p = CaptureDC(&mem, rect);
    mem.SelectObject(pOld);
    return p;
}

// What a drawing routine leaves on white, in a memory bitmap of the rectangle's size.
inline Pixels DrawnOnWhite(CWnd* pWnd, const CRect& rect, const std::function<void(CDC*)>& fnDraw)
{
    CClientDC dcWnd(pWnd);
    CDC mem;
    mem.CreateCompatibleDC(&dcWnd);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcWnd, rect.Width(), rect.Height());
    CBitmap* pOld = mem.SelectObject(&bitmap);
    mem.FillSolidRect(&rect, RGB(255, 255, 255));
    fnDraw(&mem);
    Pixels p = CaptureDC(&mem, rect);
    mem.SelectObject(pOld);
    return p;
}

// How many pixels of two captures of one size differ.
inline int DifferingPixels(const Pixels& a, const Pixels& b)
{
    int n = 0;
    for (size_t i = 0; i < a.px.size() && i < b.px.size(); i++)
        n += a.px[i] != b.px[i];
    return n;
}
