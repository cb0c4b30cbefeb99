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

bool ShowsFreshPaint(CWnd* pWnd)
{
    // A paint that shows or hides a scroll bar paints again.
    pWnd->UpdateWindow();
    pWnd->UpdateWindow();
    Pixels shown = CaptureClient(pWnd);
    pWnd->Invalidate();
    pWnd->UpdateWindow();
    return shown.px == CaptureClient(pWnd).px;
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
