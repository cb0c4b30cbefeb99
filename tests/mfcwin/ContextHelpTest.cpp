// Context help (Shift+F1): the frame's help loop captures the mouse, and the next click asks for
// help on what it hits; Escape or a queued exit request ends it without help.
#include "TestApp.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
CMainFrame* MainFrame()
{
    return (CMainFrame*)TheApp().m_pMainWnd;
}

// What the timer sends once the help loop runs: a left click at a screen point, or Escape.
struct HelpInput
{
    POINT pt;
    bool bEscape;
    bool bSent;
};
HelpInput g_input;

void CALLBACK SendWhenHelpModeRuns(HWND, UINT, UINT_PTR nID, DWORD)
{
    if (g_input.bSent || MainFrame()->m_bHelpMode != CFrameWnd::HELP_ACTIVE)
        return;
    ::KillTimer(NULL, nID);
    g_input.bSent = true;
    INPUT in[3] = {};
    if (g_input.bEscape)
    {
        in[0].type = INPUT_KEYBOARD;
        in[0].ki.wVk = VK_ESCAPE;
        in[1] = in[0];
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, in, sizeof(INPUT));
        return;
    }
    ::SetCursorPos(g_input.pt.x, g_input.pt.y);
    in[0].type = INPUT_MOUSE;
    in[0].mi.dx = g_input.pt.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    in[0].mi.dy = g_input.pt.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].type = INPUT_MOUSE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[2].type = INPUT_MOUSE;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(3, in, sizeof(INPUT));
}

// Ends a help loop that missed its input, so a failure does not hang the test program.
void CALLBACK EndHelpModeWatchdog(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(NULL, nID);
    if (MainFrame()->m_bHelpMode != CFrameWnd::HELP_INACTIVE)
        MainFrame()->ExitHelpMode();
}

class ContextHelp : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        Handled().clear();
        MainFrame()->ShowWindow(SW_SHOW);
        MainFrame()->SetForegroundWindow();
        m_pDoc = TheApp().m_pTextTemplate->OpenDocumentFile(NULL);
        ASSERT_NE(nullptr, m_pDoc);
        POSITION pos = m_pDoc->GetFirstViewPosition();
        m_pView = m_pDoc->GetNextView(pos);
        PumpMessages(50);
    }
    void TearDown() override
    {
        TheApp().CloseAllDocuments(FALSE);
        EXPECT_EQ(CFrameWnd::HELP_INACTIVE, MainFrame()->m_bHelpMode);
    }

    // Enters help mode by the command, lets the timer send the input, and waits for the loop's end.
    void RunHelpMode(POINT pt, bool bEscape)
    {
        g_input = {pt, bEscape, false};
        ::SetTimer(NULL, 0, 20, SendWhenHelpModeRuns);
        const UINT_PTR nWatchdog = ::SetTimer(NULL, 0, 4000, EndHelpModeWatchdog);
        MainFrame()->PostMessage(WM_COMMAND, ID_CONTEXT_HELP);
        EXPECT_TRUE(PumpUntil([] { return g_input.bSent; }, 5000));
        EXPECT_TRUE(PumpUntil([] { return MainFrame()->m_bHelpMode == CFrameWnd::HELP_INACTIVE; }, 5000));
        ::KillTimer(NULL, nWatchdog);
        PumpMessages(50);
    }

    CDocument* m_pDoc = NULL;
    CView* m_pView = NULL;
    MessageBoxes m_boxes;
};

std::string HelpEntry(DWORD dwContext)
{
    return "help:" + std::to_string(dwContext) + ":" + std::to_string(HELP_CONTEXT);
}
} // namespace

TEST_F(ContextHelp, AClickOnAViewAsksForItsFramesHelp)
{
    CRect rect;
    m_pView->GetClientRect(&rect);
    m_pView->ClientToScreen(&rect);
    RunHelpMode(rect.CenterPoint(), false);
    // The view does not answer WM_HELPHITTEST; its child frame gives its resource's help.
    const std::vector<std::string> expected = {HelpEntry(HID_BASE_RESOURCE + IDR_TEXTTYPE)};
    EXPECT_EQ(expected, Handled());
    EXPECT_EQ(NULL, ::GetCapture());
}

TEST_F(ContextHelp, AClickOnTheCaptionAsksForTheNonClientAreasHelp)
{
    CRect rect;
    MainFrame()->GetWindowRect(&rect);
    const POINT pt = {rect.left + rect.Width() / 3, rect.top + ::GetSystemMetrics(SM_CYFRAME) + 4};
    ASSERT_EQ(HTCAPTION, (int)MainFrame()->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)));
    RunHelpMode(pt, false);
    const std::vector<std::string> expected = {HelpEntry(HID_BASE_NCAREAS + HTCAPTION)};
    EXPECT_EQ(expected, Handled());
}

TEST_F(ContextHelp, EscapeEndsHelpModeWithoutHelp)
{
    RunHelpMode(POINT{0, 0}, true);
    EXPECT_TRUE(Handled().empty());
    // A later command runs again instead of asking for help.
    MainFrame()->SendMessage(WM_COMMAND, ID_TEST_APPCMD);
    const std::vector<std::string> expected = {"app:" + std::to_string(ID_TEST_APPCMD)};
    EXPECT_EQ(expected, Handled());
}

TEST_F(ContextHelp, AQueuedExitRequestKeepsHelpModeFromStarting)
{
    MainFrame()->m_bHelpMode = CFrameWnd::HELP_ENTERING;
    MainFrame()->ExitHelpMode();
    MainFrame()->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
    EXPECT_EQ(CFrameWnd::HELP_INACTIVE, MainFrame()->m_bHelpMode);
    MSG msg;
    EXPECT_FALSE(::PeekMessage(&msg, MainFrame()->m_hWnd, WM_EXITHELPMODE, WM_EXITHELPMODE, PM_NOREMOVE));
    EXPECT_FALSE(::PeekMessage(&msg, MainFrame()->m_hWnd, WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
}

TEST_F(ContextHelp, AMenuCommandChosenInHelpModeAsksForItsHelpOnce)
{
    MainFrame()->m_bHelpMode = CFrameWnd::HELP_ENTERING;
    MainFrame()->SendMessage(WM_COMMAND, ID_TEST_APPCMD);
    PumpMessages(50); // the exit request is taken
    MainFrame()->SendMessage(WM_COMMAND, ID_TEST_APPCMD);
    const std::vector<std::string> expected = {HelpEntry(HID_BASE_COMMAND + ID_TEST_APPCMD),
                                               "app:" + std::to_string(ID_TEST_APPCMD)};
    EXPECT_EQ(expected, Handled());
}
