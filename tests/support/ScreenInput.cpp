#include "ScreenInput.h"
#include "TestSupport.h"
#include <algorithm>

namespace testing_support
{

void ClickAt(POINT screen)
{
    MoveMouseTo(screen);
    SendLeftButton(true);
    SendLeftButton(false);
}

void SendKey(WORD vk)
{
    INPUT in[2] = {};
    for (int i = 0; i < 2; i++)
    {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = vk;
        in[i].ki.dwFlags = i == 1 ? KEYEVENTF_KEYUP : 0;
    }
    ::SendInput(2, in, sizeof(INPUT));
    PumpMessages(50);
}

POINT CentreOf(HWND hWnd)
{
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

COLORREF ScreenPixel(HWND hWnd, int x, int y)
{
    HDC hDC = ::GetDC(hWnd);
    COLORREF color = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return color;
}

ClientPicture::ClientPicture(HWND hWnd)
{
    RECT client;
    ::GetClientRect(hWnd, &client);
    m_cx = client.right;
    m_cy = client.bottom;
    if (m_cx <= 0 || m_cy <= 0)
    {
        m_cx = m_cy = 0;
        return;
    }
    HDC hWndDC = ::GetDC(hWnd);
    HDC hMemDC = ::CreateCompatibleDC(hWndDC);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hWndDC, m_cx, m_cy);
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    ::BitBlt(hMemDC, 0, 0, m_cx, m_cy, hWndDC, 0, 0, SRCCOPY);
    ::SelectObject(hMemDC, hOld);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = m_cx;
    bmi.bmiHeader.biHeight = -m_cy; // top row first
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    m_bits.resize((size_t)m_cx * (size_t)m_cy);
    ::GetDIBits(hMemDC, hBitmap, 0, (UINT)m_cy, m_bits.data(), &bmi, DIB_RGB_COLORS);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemDC);
    ::ReleaseDC(hWnd, hWndDC);
}

COLORREF ClientPicture::At(int x, int y) const
{
    const DWORD v = m_bits[(size_t)y * (size_t)m_cx + (size_t)x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

RECT ClientPicture::Clip(const RECT& rect) const
{
    RECT r = {std::max(0L, (long)rect.left), std::max(0L, (long)rect.top),
              std::min((long)m_cx, (long)rect.right), std::min((long)m_cy, (long)rect.bottom)};
    return r;
}

int ClientPicture::CountOther(const RECT& rect, COLORREF colour) const
{
    const RECT r = Clip(rect);
    int n = 0;
    for (int y = r.top; y < r.bottom; y++)
        for (int x = r.left; x < r.right; x++)
            n += At(x, y) != colour ? 1 : 0;
    return n;
}

int ClientPicture::ColumnsOther(const RECT& rect, COLORREF colour) const
{
    const RECT r = Clip(rect);
    int n = 0;
    for (int x = r.left; x < r.right; x++)
    {
        bool bOther = false;
        for (int y = r.top; y < r.bottom && !bOther; y++)
            bOther = At(x, y) != colour;
        n += bOther ? 1 : 0;
    }
    return n;
}

int ClientPicture::DiffersFromMoved(const ClientPicture& before, const RECT& area, int dx,
                                    int& nCompared) const
{
    RECT r = Clip(area);
    const RECT b = before.Clip(area);
    r.left = std::max(r.left, b.left) + std::max(0, -dx);
    r.right = std::min(r.right, b.right) - std::max(0, dx);
    r.bottom = std::min(r.bottom, b.bottom);
    int n = 0;
    nCompared = 0;
    for (int y = r.top; y < r.bottom; y++)
        for (int x = r.left; x < r.right; x++)
        {
            nCompared++;
            n += At(x, y) != before.At(x + dx, y) ? 1 : 0;
        }
    return n;
}

} // namespace testing_support
