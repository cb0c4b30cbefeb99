// The application object of the control-bar tests and the frame and bar they use.
#include "BarsTestApp.h"
#include "TestSupport.h"
#include <atomic>
#include <thread>

static CBarsTestApp theApp;

CBarsTestApp& TheApp()
{
    return theApp;
}

BOOL CTestBar::Create(CWnd* pParent, DWORD dwStyle, UINT nID, LPCTSTR lpszTitle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    if (!AfxDeferRegisterClass(AFX_WNDCONTROLBAR_REG))
        return FALSE;
    return CWnd::Create(_afxWndControlBar, lpszTitle, (dwStyle & ~CBRS_ALL) | WS_CHILD, CRect(0, 0, 0, 0),
                        pParent, nID);
}

CSize CTestBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    return bHorz ? m_size : CSize(m_size.cy, m_size.cx);
}

BEGIN_MESSAGE_MAP(CDockTestFrame, CFrameWnd)
ON_COMMAND(ID_TOOL_HANDLED, OnHandled)
END_MESSAGE_MAP()

BOOL CDockTestFrame::CreateAt(const CRect& rect)
{
    if (!Create(NULL, _T("Andocken"), WS_OVERLAPPEDWINDOW, rect))
        return FALSE;
    EnableDocking(CBRS_ALIGN_ANY);
    ShowWindow(SW_SHOWNORMAL);
    UpdateWindow();
    SetForegroundWindow();
    return TRUE;
}

BOOL CDockTestFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext*)
{
    return m_wndView.Create(AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Ansicht"),
                            WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST);
}

CRect CDockTestFrame::ClientRectOf(CWnd* pWnd) const
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

void InputScript::MoveTo(CPoint screen, std::function<bool()> waitBefore)
{
    // Normalised absolute coordinates that map back onto exactly this pixel.
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    Step step = {};
    step.bInput = true;
    step.input.type = INPUT_MOUSE;
    step.input.mi.dx = (screen.x * 65536 + cx - 1) / cx;
    step.input.mi.dy = (screen.y * 65536 + cy - 1) / cy;
    step.input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    step.waitBefore = waitBefore;
    m_steps.push_back(step);
}

void InputScript::Button(DWORD dwFlags, std::function<bool()> waitBefore)
{
    Step step = {};
    step.bInput = true;
    step.input.type = INPUT_MOUSE;
    step.input.mi.dwFlags = dwFlags;
    step.waitBefore = waitBefore;
    m_steps.push_back(step);
}

void InputScript::Key(WORD vk, bool bDown, std::function<bool()> waitBefore)
{
    Step step = {};
    step.bInput = true;
    step.input.type = INPUT_KEYBOARD;
    step.input.ki.wVk = vk;
    step.input.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    step.waitBefore = waitBefore;
    m_steps.push_back(step);
}

void InputScript::WaitFor(std::function<bool()> condition)
{
    Step step = {};
    step.bInput = false;
    step.waitBefore = condition;
    m_steps.push_back(step);
}

bool InputScript::Run()
{
    m_nQuitCode = -1;
    std::atomic<bool> bDone(false);
    std::atomic<bool> bAllInTime(true);
    std::thread player([&] {
        for (Step& step : m_steps)
        {
            if (step.waitBefore)
            {
                DWORD start = ::GetTickCount();
                while (!step.waitBefore())
                {
                    if (::GetTickCount() - start > 3000)
                    {
                        bAllInTime = false;
                        break;
                    }
                    ::Sleep(5);
                }
            }
            if (step.bInput)
                ::SendInput(1, &step.input, sizeof(INPUT));
            ::Sleep(20); // the input reaches the queue before the next condition is asked
        }
        bDone = true;
    });
    // The application's own loop step, so bars see their messages in PreTranslateMessage.
    DWORD start = ::GetTickCount();
    while (!bDone && ::GetTickCount() - start < 30000)
    {
        MSG msg;
        if (::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE) && !TheApp().PumpMessage())
            m_nQuitCode = (int)TheApp().m_msgCur.wParam;
        else
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
    }
    player.join();
    testing_support::PumpMessages(50);
    m_steps.clear();
    return bAllInTime;
}

HWND CaptureOf(DWORD dwThreadId)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(dwThreadId, &info))
        return NULL;
    return info.hwndCapture;
}

HWND ActiveOf(DWORD dwThreadId)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(dwThreadId, &info))
        return NULL;
    return info.hwndActive;
}

namespace
{
class AppEnvironment : public ::testing::Environment
{
  public:
    void SetUp() override
    {
        AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
    }
};

const auto* const g_env = ::testing::AddGlobalTestEnvironment(new AppEnvironment);
} // namespace
