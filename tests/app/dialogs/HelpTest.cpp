// Context help of the dialog base: a right click and F1 go to HTML help with the dialog's topic
// table; a topic that cannot be shown is said once.
#include "DialogsTestIds.h"
#include "Input.h"
#include "TestSupport.h"
#include "station/record/HtmlHelp.h"
#include "station/record/MyDialog.h"
#include <vector>

using namespace testing_support;
using namespace dialogs_test;

namespace
{
struct HelpCall
{
    HWND hWnd;
    std::string file;
    UINT uCommand;
    DWORD_PTR dwData;
};
std::vector<HelpCall> g_calls;
HWND g_hAnswer = NULL;

HWND WINAPI RecordHelp(HWND hWnd, LPCSTR lpszFile, UINT uCommand, DWORD_PTR dwData)
{
    g_calls.push_back(HelpCall{hWnd, lpszFile != NULL ? lpszFile : "", uCommand, dwData});
    return g_hAnswer;
}

const DWORD s_table[] = {IDC_TEST_HELP_BUTTON, 4711, 0, 0};

class CHelpDialog : public CMyDialog
{
  public:
    explicit CHelpDialog(bool bTable) : CMyDialog(IDD_TEST_HELPDLG), m_bTable(bTable)
    {
    }
    BOOL GetHelpIdTable(const DWORD** ppTable) override
    {
        *ppTable = m_bTable ? s_table : NULL;
        return m_bTable;
    }
    bool m_bTable;
};

class DialogHelpTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        g_calls.clear();
        g_hAnswer = NULL;
        SetHtmlHelpFunction(RecordHelp);
        m_pszOldHelpFile = AfxGetApp()->m_pszHelpFilePath;
        AfxGetApp()->m_pszHelpFilePath = "C:\\Hilfe\\Helvon.chm";
    }
    void TearDown() override
    {
        AfxGetApp()->m_pszHelpFilePath = m_pszOldHelpFile;
        SetHtmlHelpFunction(NULL);
    }
    LPCTSTR m_pszOldHelpFile = NULL;
    void Open(CHelpDialog& dlg)
    {
        ASSERT_TRUE(dlg.Create(IDD_TEST_HELPDLG));
        dlg.ShowWindow(SW_SHOW);
        dlg.SetForegroundWindow();
        dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_TEST_HELP_BUTTON));
        FrameworkPump(30);
    }
};

TEST_F(DialogHelpTest, RightClickAndF1AskWithTheTable)
{
    CHelpDialog dlg(true);
    Open(dlg);
    HWND hButton = dlg.GetDlgItem(IDC_TEST_HELP_BUTTON)->m_hWnd;
    g_hAnswer = dlg.m_hWnd;
    ClickControl(&dlg, IDC_TEST_HELP_BUTTON, true);
    PressKey(VK_F1);
    ASSERT_EQ(2u, g_calls.size());
    EXPECT_EQ(hButton, g_calls[0].hWnd);
    EXPECT_EQ("C:\\Hilfe\\Helvon.chm", g_calls[0].file);
    EXPECT_EQ(16u, g_calls[0].uCommand);
    EXPECT_EQ((DWORD_PTR)s_table, g_calls[0].dwData);
    EXPECT_EQ(hButton, g_calls[1].hWnd);
    EXPECT_EQ(17u, g_calls[1].uCommand);
    EXPECT_EQ((DWORD_PTR)s_table, g_calls[1].dwData);
    dlg.DestroyWindow();
}

TEST_F(DialogHelpTest, NoHelpWindowIsSaidOnce)
{
    CHelpDialog dlg(true);
    Open(dlg);
    MessageBoxes boxes;
    boxes.Expect(IDOK, "kein\nHilfeeintrag");
    ClickControl(&dlg, IDC_TEST_HELP_BUTTON, true);
    EXPECT_EQ(1u, g_calls.size());
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ((UINT)MB_ICONEXCLAMATION, boxes.Shown()[0].type & MB_ICONMASK);
    dlg.DestroyWindow();
}

TEST_F(DialogHelpTest, WithoutATableNothingAsksHtmlHelp)
{
    CHelpDialog dlg(false);
    Open(dlg);
    ClickControl(&dlg, IDC_TEST_HELP_BUTTON, true);
    PressKey(VK_F1);
    EXPECT_TRUE(g_calls.empty());
    dlg.DestroyWindow();
}
} // namespace
