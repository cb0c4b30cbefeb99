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
#include <fstream>

using namespace testing_support;
using namespace dialogs_test;

namespace
{
std::string g_title, g_version;

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
    ::PostMessage(hDlg, WM_COMMAND, IDOK, 0);
}

TEST(AboutBoxTest, ShowsTitleAndVersion)
{
    g_title.clear();
    g_version.clear();
    ::SetTimer(NULL, 0, 300, ReadAboutBox);
    // The command as the menu sends it; it returns when the box is closed.
    ASSERT_TRUE(AfxGetApp()->OnCmdMsg(ID_APP_ABOUT, CN_COMMAND, NULL, NULL));
    EXPECT_EQ("Info \xFC"
              "ber Helvon",
              g_title);              // the window text in the ANSI code page
    EXPECT_EQ("1.0.0.1", g_version); // "1, 0, 0, 1" of the version block
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
        FrameworkPump(30);
    }
    void TearDown() override
    {
        m_host.DestroyWindow();
        ::DeleteFileA(m_strMarker.c_str());
        ::DeleteFileA(m_strScript.c_str());
    }
    bool MarkerWritten(DWORD ms)
    {
        return PumpUntil([&] { return ::GetFileAttributesA(m_strMarker.c_str()) != INVALID_FILE_ATTRIBUTES; },
                         ms);
    }
    void Click(CWnd& wnd)
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        ClickAt(rc.CenterPoint());
    }
    CDialog m_host;
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
