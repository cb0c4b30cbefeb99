// The test application of the grid feature tests and their input helpers.
#include "FeatureTestApp.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
class CFeatureTestApp : public CWinApp
{
  public:
    CFeatureTestApp() : CWinApp(_T("HelvonGridFeatureTest"))
    {
    }
};
CFeatureTestApp theApp;
} // namespace

std::vector<COLORREF> SampleClient(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetClientRect(&rect);
    CClientDC dc(pWnd);
    std::vector<COLORREF> v;
    for (int y = 0; y < rect.bottom; y += 3)
        for (int x = 0; x < rect.right; x += 3)
            v.push_back(dc.GetPixel(x, y));
    return v;
}

bool ShowsFreshPaint(CWnd* pWnd)
{
    // A paint that shows or hides a scroll bar paints again.
    pWnd->UpdateWindow();
    pWnd->UpdateWindow();
    std::vector<COLORREF> shown = SampleClient(pWnd);
    pWnd->Invalidate();
    pWnd->UpdateWindow();
    return shown == SampleClient(pWnd);
}

void SendKeyState(WORD vk, bool bDown)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    ::SendInput(1, &in, sizeof(INPUT));
}

void PressKey(WORD vk, bool bCtrl, bool bShift)
{
    if (bCtrl)
        SendKeyState(VK_CONTROL, true);
    if (bShift)
        SendKeyState(VK_SHIFT, true);
    SendKeyState(vk, true);
    SendKeyState(vk, false);
    if (bShift)
        SendKeyState(VK_SHIFT, false);
    if (bCtrl)
        SendKeyState(VK_CONTROL, false);
    PumpMessages(100);
}

void ClickAt(CPoint pt, bool bCtrl, bool bShift)
{
    // Far enough in time from the last click that it is no double click.
    PumpMessages(::GetDoubleClickTime() + 50);
    MoveMouseTo(pt);
    if (bCtrl)
        SendKeyState(VK_CONTROL, true);
    if (bShift)
        SendKeyState(VK_SHIFT, true);
    SendLeftButton(true);
    SendLeftButton(false);
    if (bShift)
        SendKeyState(VK_SHIFT, false);
    if (bCtrl)
        SendKeyState(VK_CONTROL, false);
    PumpMessages(50);
}

void DragThrough(std::initializer_list<CPoint> points)
{
    PumpMessages(::GetDoubleClickTime() + 50);
    bool bFirst = true;
    for (CPoint pt : points)
    {
        MoveMouseTo(pt);
        if (bFirst)
            SendLeftButton(true);
        bFirst = false;
    }
    SendLeftButton(false);
}
