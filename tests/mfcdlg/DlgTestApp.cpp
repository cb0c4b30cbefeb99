// The test application: one plain main frame, created before the first test.
#include "DlgTestApp.h"
#include "TestSupport.h"

static CDlgTestApp theApp;

CDlgTestApp& TheApp()
{
    return theApp;
}

CModalScript* CModalScript::s_pRunning = NULL;

CModalScript::CModalScript(std::vector<std::function<void()>> steps, UINT nIntervalMs)
    : m_steps(std::move(steps))
{
    s_pRunning = this;
    m_nTimer = ::SetTimer(NULL, 0, nIntervalMs, &CModalScript::OnTimer);
}

CModalScript::~CModalScript()
{
    ::KillTimer(NULL, m_nTimer);
    s_pRunning = NULL;
}

void CALLBACK CModalScript::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    CModalScript* pScript = s_pRunning;
    if (pScript == NULL || pScript->Done())
        return;
    // A loaded machine may fire the timer before the modal loop has shown the dialog: its steps
    // wait for a shown, enabled window to act in.
    HWND hActive = ::GetActiveWindow();
    if (hActive == NULL || !::IsWindowVisible(hActive) || !::IsWindowEnabled(hActive))
        return;
    // The step may start a nested loop that fires the timer again: take the step first.
    auto& step = pScript->m_steps[pScript->m_nNext++];
    step();
}

void PostKey(UINT vk)
{
    HWND hWnd = ::GetFocus();
    UINT scan = ::MapVirtualKeyA(vk, 0);
    ::PostMessageA(hWnd, WM_KEYDOWN, vk, 1 | (scan << 16));
    if (vk == VK_RETURN)
        ::PostMessageA(hWnd, WM_CHAR, '\r', 1 | (scan << 16));
    else if (vk == VK_ESCAPE)
        ::PostMessageA(hWnd, WM_CHAR, 27, 1 | (scan << 16));
    ::PostMessageA(hWnd, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000);
}

void PostText(const char* text)
{
    HWND hWnd = ::GetFocus();
    for (const char* p = text; *p; ++p)
        ::PostMessageA(hWnd, WM_CHAR, (BYTE)*p, 1);
}

void PumpWithTranslate(DWORD ms)
{
    DWORD start = ::GetTickCount();
    for (;;)
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (!AfxGetApp()->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= ms)
            break;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, ms - elapsed, QS_ALLINPUT);
    }
}

CString TextOf(HWND hWnd)
{
    CString text;
    CWnd::FromHandle(hWnd)->GetWindowText(text);
    return text;
}

int FocusId()
{
    return ::GetDlgCtrlID(::GetFocus());
}

namespace
{
class AppEnvironment : public ::testing::Environment
{
  public:
    void SetUp() override
    {
        AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOWNORMAL);
        CFrameWnd* pFrame = new CFrameWnd;
        ASSERT_TRUE(pFrame->Create(NULL, _T("Dialogtest")));
        theApp.m_pMainWnd = pFrame;
        pFrame->ShowWindow(SW_SHOWNORMAL);
        pFrame->UpdateWindow();
    }
    void TearDown() override
    {
        if (theApp.m_pMainWnd != NULL)
            theApp.m_pMainWnd->DestroyWindow();
        theApp.m_pMainWnd = NULL;
    }
};

const auto* const g_env = ::testing::AddGlobalTestEnvironment(new AppEnvironment);
} // namespace
