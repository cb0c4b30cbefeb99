// The idle step brings postponed frame updates up to date; real keyboard input reaches the
// frame's accelerators through the message loop's PreTranslateMessage walk; mini frames.
#include "TestApp.h"
#include "TestSupport.h"

using namespace testing_support;

namespace
{
CMainFrame* MainFrame()
{
    return (CMainFrame*)TheApp().m_pMainWnd;
}

TEST(Idle, PostponedTitleUpdateRunsInTheIdleStep)
{
    MainFrame()->SetWindowText(_T("veraltet"));
    MainFrame()->DelayUpdateFrameTitle();
    EXPECT_TRUE(MainFrame()->m_nIdleFlags & idleTitle);
    TheApp().OnIdle(0);
    EXPECT_FALSE(MainFrame()->m_nIdleFlags & idleTitle);
    CString title;
    MainFrame()->GetWindowText(title);
    EXPECT_EQ(CString("Pr\xFC"
                      "fstand"),
              title);
}

// Sends one key (with Control held when bCtrl) through the system input queue.
void SendKey(WORD vk, bool bCtrl)
{
    std::vector<INPUT> inputs;
    auto key = [&](WORD k, bool up) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = k;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(in);
    };
    if (bCtrl)
        key(VK_CONTROL, false);
    key(vk, false);
    key(vk, true);
    if (bCtrl)
        key(VK_CONTROL, true);
    ASSERT_EQ(inputs.size(), ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT)));
}

TEST(Input, ControlNFromTheKeyboardRunsFileNewThroughTheAccelerator)
{
    MessageBoxes boxes;
    MainFrame()->ShowWindow(SW_SHOWNORMAL);
    MainFrame()->SetForegroundWindow();
    MainFrame()->SetFocus();
    ASSERT_TRUE(PumpUntil([] { return ::GetForegroundWindow() == MainFrame()->m_hWnd; }, 3000));
    ASSERT_EQ(0, TheApp().GetOpenDocumentCount());
    AnswerNewTypeChoice(0); // two templates: File New asks for the type
    SendKey('N', true);
    // The application's own loop step: PreTranslateMessage walk, then dispatch.
    DWORD start = ::GetTickCount();
    while (TheApp().GetOpenDocumentCount() == 0 && ::GetTickCount() - start < 5000)
    {
        MSG msg;
        if (::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE))
            TheApp().PumpMessage();
        else
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT);
    }
    EXPECT_EQ(1, TheApp().GetOpenDocumentCount());
    TheApp().CloseAllDocuments(FALSE);
}

TEST(MiniFrame, IsAToolWindowWithItsTitle)
{
    CMiniFrameWnd* pMini = new CMiniFrameWnd; // deletes itself when destroyed
    ASSERT_TRUE(pMini->Create(NULL, _T("Palette"), WS_POPUP | WS_CAPTION | MFS_SYNCACTIVE | MFS_THICKFRAME,
                              CRect(0, 0, 120, 80), MainFrame()));
    EXPECT_TRUE(pMini->GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(pMini->GetStyle() & WS_THICKFRAME);
    EXPECT_TRUE(pMini->GetStyle() & MFS_SYNCACTIVE);
    EXPECT_EQ(MainFrame(), pMini->GetOwner());
    CString title;
    pMini->GetWindowText(title);
    EXPECT_EQ(CString("Palette"), title);
    pMini->DestroyWindow();
}
} // namespace
