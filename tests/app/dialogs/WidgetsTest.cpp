// The small widgets and the about box: labels keep their font and start nothing, links open
// through the shell and turn purple, the about box shows the program's version block.
#include "AppIds.h"
#include "DialogsTestIds.h"
#include "Input.h"
#include "TestSupport.h"
#include "afxdlgs.h"
#include "app/Label.h"
#include "app/StaticLink.h"
#include "app/Version.h"
#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <tlhelp32.h>

using namespace testing_support;
using namespace dialogs_test;

namespace
{
std::string g_title, g_version;

// What the about box shows: how many of the title's pixels differ from its text drawn bold and
// drawn at normal weight in the label's face and size, and for each link its longest row of
// link-coloured pixels against the width its coloured pixels span.
struct AboutLook
{
    int nTitleOffBold = -1;
    int nTitleOffNormal = -1;
    int nLinkRun[2] = {0, 0};
    int nLinkSpan[2] = {0, 0};
} g_look;

bool Dark(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128;
}

bool Blue(COLORREF c)
{
    return GetBValue(c) > 160 && GetRValue(c) < 100 && GetGValue(c) < 100;
}

// A control's client area as the screen shows it.
struct Shot
{
    CDC dc;
    CBitmap bitmap;
    CRect rect;
    explicit Shot(HWND hWnd)
    {
        ::GetClientRect(hWnd, &rect);
        HDC hScreen = ::GetDC(hWnd);
        dc.CreateCompatibleDC(CDC::FromHandle(hScreen));
        bitmap.CreateCompatibleBitmap(CDC::FromHandle(hScreen), rect.Width(), rect.Height());
        dc.SelectObject(&bitmap);
        ::BitBlt(dc.m_hDC, 0, 0, rect.Width(), rect.Height(), hScreen, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, hScreen);
    }
};

void CALLBACK ReadAboutBox(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    HWND hDlg = ::GetActiveWindow();
    char sz[256] = "";
    ::GetWindowTextA(hDlg, sz, sizeof(sz));
    g_title = sz;
    sz[0] = '\0';
    ::GetDlgItemTextA(hDlg, IDC_INFO_VERSION, sz, sizeof(sz));
    g_version = sz;
    ::RedrawWindow(hDlg, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    HWND hTitle = ::GetDlgItem(hDlg, IDC_INFO_TITLE);
    Shot title(hTitle);
    ::GetWindowTextA(hTitle, sz, sizeof(sz));
    for (int nWeight : {FW_BOLD, FW_NORMAL})
    {
        LOGFONT lf = {};
        ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
        lstrcpyA(lf.lfFaceName, "MS Sans Serif");
        lf.lfWeight = nWeight;
        CFont font;
        font.CreateFontIndirect(&lf);
        CDC dc;
        dc.CreateCompatibleDC(&title.dc);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&title.dc, title.rect.Width(), title.rect.Height());
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(&title.rect, ::GetSysColor(COLOR_BTNFACE));
        dc.SelectObject(&font);
        dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
        dc.SetBkMode(TRANSPARENT);
        CRect rect = title.rect;
        dc.DrawText(sz, -1, &rect, DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK);
        int nOff = 0;
        for (int y = 0; y < title.rect.Height(); y++)
            for (int x = 0; x < title.rect.Width(); x++)
                nOff += Dark(dc.GetPixel(x, y)) != Dark(title.dc.GetPixel(x, y));
        (nWeight == FW_BOLD ? g_look.nTitleOffBold : g_look.nTitleOffNormal) = nOff;
    }

    const int links[2] = {IDC_INFO_MAIL, IDC_INFO_WEB};
    for (int i = 0; i < 2; i++)
    {
        Shot link(::GetDlgItem(hDlg, links[i]));
        int xFirst = link.rect.Width(), xLast = -1;
        for (int y = 0; y < link.rect.Height(); y++)
        {
            int nRun = 0;
            for (int x = 0; x < link.rect.Width(); x++)
            {
                const bool bBlue = Blue(link.dc.GetPixel(x, y));
                nRun = bBlue ? nRun + 1 : 0;
                g_look.nLinkRun[i] = std::max(g_look.nLinkRun[i], nRun);
                if (bBlue)
                {
                    xFirst = std::min(xFirst, x);
                    xLast = std::max(xLast, x);
                }
            }
        }
        g_look.nLinkSpan[i] = xLast - xFirst + 1;
    }
    ::PostMessage(hDlg, WM_COMMAND, IDOK, 0);
}

TEST(AboutBoxTest, ShowsTitleAndVersion)
{
    g_title.clear();
    g_version.clear();
    g_look = AboutLook();
    ::SetTimer(NULL, 0, 300, ReadAboutBox);
    // The command as the menu sends it; it returns when the box is closed.
    ASSERT_TRUE(AfxGetApp()->OnCmdMsg(ID_APP_ABOUT, CN_COMMAND, NULL, NULL));
    EXPECT_EQ("Info \xFC"
              "ber Helvon",
              g_title);              // the window text in the ANSI code page
    EXPECT_EQ("1.0.0.1", g_version); // "1, 0, 0, 1" of the version block
    // The title is bold: it is the bold text, not the normal one.
    ASSERT_GE(g_look.nTitleOffBold, 0);
    EXPECT_GT(g_look.nTitleOffNormal, 20);
    EXPECT_LT(g_look.nTitleOffBold * 4, g_look.nTitleOffNormal)
        << g_look.nTitleOffBold << " pixels off the bold text, " << g_look.nTitleOffNormal
        << " off the normal one";
    // The links are underlined: one row of their colour runs under the whole text.
    for (int i = 0; i < 2; i++)
    {
        SCOPED_TRACE(i);
        ASSERT_GT(g_look.nLinkSpan[i], 40);
        EXPECT_GE(g_look.nLinkRun[i] * 10, g_look.nLinkSpan[i] * 9)
            << "longest row " << g_look.nLinkRun[i] << " of " << g_look.nLinkSpan[i];
    }
}

class WidgetHost : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Create(IDD_TEST_HOST));
        m_host.ShowWindow(SW_SHOW);
        m_host.SetForegroundWindow();
        // Each test its own files: a link's script runs in its own process and may write after
        // its test has ended.
        const std::string strName = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        m_strMarker = TempFolder() + "\\link_marker_" + strName + ".txt";
        ::DeleteFileA(m_strMarker.c_str());
        m_strScript = TempFolder() + "\\link_marker_" + strName + ".bat";
        std::ofstream(m_strScript) << "@echo geklickt> \"" << m_strMarker << "\"\r\n";
        m_before = RunningProcesses();
        FrameworkPump(30);
    }
    void TearDown() override
    {
        WaitForStartedProcesses();
        m_host.DestroyWindow();
        ::DeleteFileA(m_strMarker.c_str());
        ::DeleteFileA(m_strScript.c_str());
    }
    // Also notes what the click started, while it runs.
    bool MarkerWritten(DWORD ms)
    {
        return PumpUntil(
            [&] {
                StartedProcessesRun();
                return ::GetFileAttributesA(m_strMarker.c_str()) != INVALID_FILE_ATTRIBUTES;
            },
            ms);
    }
    // Process id -> parent's id of every running process.
    static std::map<DWORD, DWORD> RunningProcesses()
    {
        std::map<DWORD, DWORD> running;
        HANDLE hSnapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (hSnapshot == INVALID_HANDLE_VALUE)
            return running;
        PROCESSENTRY32 entry = {};
        entry.dwSize = sizeof entry;
        for (BOOL bMore = ::Process32First(hSnapshot, &entry); bMore;
             bMore = ::Process32Next(hSnapshot, &entry))
            running[entry.th32ProcessID] = entry.th32ParentProcessID;
        ::CloseHandle(hSnapshot);
        return running;
    }
    // Notes the processes this test started, and those they started; true while any of them runs.
    bool StartedProcessesRun()
    {
        const std::map<DWORD, DWORD> running = RunningProcesses();
        for (size_t nKnown = SIZE_MAX; nKnown != m_started.size();)
        {
            nKnown = m_started.size();
            for (const auto& process : running)
                if (!m_before.count(process.first) &&
                    (process.second == ::GetCurrentProcessId() || m_started.count(process.second)))
                    m_started.insert(process.first);
        }
        for (DWORD id : m_started)
            if (running.count(id))
                return true;
        return false;
    }
    // A script runs in a console whose window takes the foreground and leaves none when it
    // closes: the test waits for what it started to end and takes the foreground back, so the
    // next test's keys reach its windows.
    void WaitForStartedProcesses()
    {
        EXPECT_TRUE(PumpUntil([&] { return !StartedProcessesRun(); }, 10000))
            << "started processes still running";
        EXPECT_TRUE(PumpUntil(
            [&] {
                if (::GetForegroundWindow() == m_host.m_hWnd)
                    return true;
                m_host.SetForegroundWindow();
                return false;
            },
            5000))
            << "the host did not get the foreground back";
    }
    void Click(CWnd& wnd)
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        ClickAt(rc.CenterPoint());
    }
    CDialog m_host;
    std::map<DWORD, DWORD> m_before;
    std::set<DWORD> m_started;
    std::string m_strMarker;
    std::string m_strScript;
};

TEST_F(WidgetHost, LinkOpensAndTurnsPurple)
{
    CStaticLink link;
    ASSERT_TRUE(link.Create(m_strScript.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(10, 10, 300, 30),
                            &m_host, 7001));
    EXPECT_EQ(CStaticLink::unvisitedColor, link.m_color);
    Click(link);
    StartedProcessesRun();
    EXPECT_TRUE(MarkerWritten(5000));
    EXPECT_EQ(RGB(128, 0, 128), link.m_color);

    CStaticLink missing("Z:\\gibt\\es\\nicht.bat");
    ASSERT_TRUE(
        missing.Create("fehlt", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(10, 40, 300, 60), &m_host, 7002));
    Click(missing);
    EXPECT_EQ(RGB(0, 0, 255), missing.m_color);
}

TEST_F(WidgetHost, LabelStartsNothingAndKeepsItsFont)
{
    CLabel label;
    ASSERT_TRUE(label.Create(m_strScript.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOTIFY,
                             CRect(10, 10, 300, 30), &m_host, 7003));
    Click(label);
    EXPECT_FALSE(MarkerWritten(1500));
    label.SetFontBold(TRUE).SetFontSize(14);
    EXPECT_EQ(FW_BOLD, label.GetLogFont().lfWeight);
    EXPECT_EQ(-14, label.GetLogFont().lfHeight);
    label.SetFontName("Times New Roman").SetTextColor(RGB(0, 0, 255));
    EXPECT_EQ(FW_BOLD, label.GetLogFont().lfWeight);
    EXPECT_STREQ("Times New Roman", label.GetLogFont().lfFaceName);
    EXPECT_EQ(RGB(0, 0, 255), label.GetTextColor());
}
} // namespace

namespace
{
// The modules built beside the test program.
std::string ModuleBeside(const char* name)
{
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, szPath, sizeof(szPath));
    std::string path = szPath;
    return path.substr(0, path.rfind('\\') + 1) + name;
}

TEST(VersionTest, TextsOfTheGermanBlockOnly)
{
    CVersion v7(ModuleBeside("version_v7.dll").c_str());
    EXPECT_EQ(CString("1, 0, 0, 7"), v7.GetFileVersion());
    EXPECT_EQ(CString("Versionstest"), v7.GetProductName());
    EXPECT_EQ(CString(), v7.GetComments());
    for (const char* name : {"version_english.dll", "version_none.dll", "version_missing.dll"})
    {
        SCOPED_TRACE(name);
        CVersion other(ModuleBeside(name).c_str());
        EXPECT_EQ(CString(), other.GetFileVersion());
        EXPECT_EQ(CString(), other.GetProductName());
    }
}
} // namespace
