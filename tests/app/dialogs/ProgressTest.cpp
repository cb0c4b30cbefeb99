// The progress dialog: its ticks and its one done message over the time given, several at once,
// stopping half way; and its help button reaching the help topic of its template.
#include "AppIds.h"
#include "Input.h"
#include "ProgramKey.h"
#include "TestSupport.h"
#include "app/IRControlApp.h"
#include "app/MainFrame.h"
#include "grid/factory/ControlFactory.h"
#include "app/MultipleProgressDlg.h"
#include "station/record/HtmlHelp.h"
#include <htmlhelp.h>
#include <map>

using namespace testing_support;
using namespace dialogs_test;

namespace
{
// Times of the done messages, by window.
std::map<HWND, std::vector<ULONGLONG>> g_done;

LRESULT CALLBACK NotifyProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PROGRESS_DONE)
        g_done[hWnd].push_back(NowMs());
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

class ProgressTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        g_done.clear();
        m_notify1.Attach(CreateMessageWindow("ProgressNotify", NotifyProc));
        m_notify2.Attach(CreateMessageWindow("ProgressNotify", NotifyProc));
    }
    void TearDown() override
    {
        ::DestroyWindow(m_notify1.Detach());
        ::DestroyWindow(m_notify2.Detach());
    }
    CWnd m_notify1;
    CWnd m_notify2;
};

TEST_F(ProgressTest, FillsInTheTimeAndReportsOnce)
{
    CMultipleProgressDlg dlg("Titel", "Text", 1.0, &m_notify1);
    // The times run from when the dialog starts its timer, somewhere between these two.
    const ULONGLONG start = NowMs();
    ASSERT_TRUE(dlg.CreateProgressWindow());
    const ULONGLONG created = NowMs();
    EXPECT_EQ(0, dlg.m_progress.GetPos());
    ASSERT_TRUE(PumpUntil([&] { return dlg.m_progress.GetPos() > 0; }, 1000));
    EXPECT_GE(NowMs() - start, 100u - 20);
    EXPECT_LE(NowMs() - created, 100u + 80);
    ASSERT_TRUE(PumpUntil([&] { return !g_done[m_notify1.m_hWnd].empty(); }, 3000));
    EXPECT_GE(g_done[m_notify1.m_hWnd][0] - start, 1000u - 300);
    EXPECT_LE(g_done[m_notify1.m_hWnd][0] - created, 1000u + 300);
    PumpMessages(300);
    EXPECT_EQ(1u, g_done[m_notify1.m_hWnd].size());
    EXPECT_EQ(CString("Titel"), [&] {
        CString s;
        dlg.GetWindowText(s);
        return s;
    }());
    dlg.DestroyWindow();
}

TEST_F(ProgressTest, TicksQueuedAfterTheDoneMessageLeaveTheBarFull)
{
    CMultipleProgressDlg dlg("Titel", "Text", 1.0, &m_notify1);
    ASSERT_TRUE(dlg.CreateProgressWindow());
    ASSERT_TRUE(PumpUntil([&] { return !g_done[m_notify1.m_hWnd].empty(); }, 3000));
    ASSERT_EQ(100, dlg.m_progress.GetPos());
    // What a loaded machine leaves queued: ticks the thread posted before the timer was cancelled.
    for (int i = 0; i < 3; i++)
        dlg.PostMessage(WM_PROGRESS_TICK, 0, 0);
    PumpMessages(100);
    EXPECT_EQ(100, dlg.m_progress.GetPos());
    EXPECT_EQ(1u, g_done[m_notify1.m_hWnd].size());
    dlg.DestroyWindow();
}

TEST_F(ProgressTest, StoppedHalfWayReportsNothing)
{
    CMultipleProgressDlg dlg("Titel", "Text", 1.0, &m_notify1);
    ASSERT_TRUE(dlg.CreateProgressWindow());
    PumpMessages(500);
    EXPECT_GT(dlg.m_progress.GetPos(), 0);
    const ULONGLONG start = NowMs();
    dlg.DestroyWindow(); // waits for the timer thread
    EXPECT_LT(NowMs() - start, 250u);
    PumpMessages(800);
    EXPECT_TRUE(g_done[m_notify1.m_hWnd].empty());
}

TEST_F(ProgressTest, TwoAtOnceBothFillAndReport)
{
    CMultipleProgressDlg first("Eins", "Text", 1.0, &m_notify1);
    CMultipleProgressDlg second("Zwei", "Text", 1.0, &m_notify2);
    ASSERT_TRUE(first.CreateProgressWindow());
    ASSERT_TRUE(second.CreateProgressWindow());
    EXPECT_TRUE(PumpUntil(
        [&] { return !g_done[m_notify1.m_hWnd].empty() && !g_done[m_notify2.m_hWnd].empty(); }, 3000));
    EXPECT_EQ(100, first.m_progress.GetPos());
    EXPECT_EQ(100, second.m_progress.GetPos());
    first.DestroyWindow();
    second.DestroyWindow();
}

std::vector<std::pair<UINT, DWORD_PTR>> g_help;
HWND WINAPI RecordHelp(HWND, LPCSTR, UINT uCommand, DWORD_PTR dwData)
{
    g_help.push_back({uCommand, dwData});
    return ::GetDesktopWindow();
}

class ProgressHelpTest : public ProgramKeyTest
{
};

TEST_F(ProgressHelpTest, HelpButtonReachesTheTopicOfTheTemplate)
{
    CIRControlApp* pApp = GetIRControlApp();
    for (const auto& c : {std::make_pair("Deutsch", 22u), std::make_pair("English", 85u)})
    {
        SCOPED_TRACE(c.first);
        RemoveProgramKeys();
        WriteRaw(HKEY_LOCAL_MACHINE, "Settings", "Language", REG_SZ, c.first, (DWORD)strlen(c.first) + 1);
        pApp->CreateConfiguration();
        // The frame's bar holds the profile table: the grid library comes first, as at start-up.
        InitGridLibraryWithDefaultFactory();
        CMainFrame* pFrame = new CMainFrame;
        ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME_MENU, WS_OVERLAPPEDWINDOW));
        CWnd* pOldMain = pApp->m_pMainWnd;
        pApp->m_pMainWnd = pFrame;
        g_help.clear();
        SetHtmlHelpFunction(RecordHelp);
        {
            CMultipleProgressDlg dlg("Titel", "Text", 10.0, NULL);
            ASSERT_TRUE(dlg.CreateProgressWindow());
            dlg.SendMessage(WM_COMMAND, IDHELP);
            dlg.DestroyWindow();
        }
        SetHtmlHelpFunction(NULL);
        pApp->m_pMainWnd = pOldMain;
        pFrame->DestroyWindow();
        ASSERT_EQ(1u, g_help.size());
        EXPECT_EQ((UINT)HH_HELP_CONTEXT, g_help[0].first);
        EXPECT_EQ(c.second, g_help[0].second);
    }
}
} // namespace
