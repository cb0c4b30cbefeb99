// The wizard frame and its pages, driven by real clicks: which page shows, which buttons are
// enabled, when the wizard closes; and Enter on a page's own button.
#include "DialogsTestIds.h"
#include "Input.h"
#include "TestSupport.h"
#include "station/record/MyPropertyPage.h"
#include "station/record/MyPropertySheet.h"
#include "station/record/MyWizzard.h"
#include <functional>
#include <map>

using namespace testing_support;
using namespace dialogs_test;

namespace
{
// A page whose answers the test sets; it counts what it was asked and the commands it got.
class CTestPage : public CNewWizPage
{
  public:
    explicit CTestPage(UINT nID) : CNewWizPage(nID)
    {
    }
    BOOL OnCreatePage() override
    {
        m_nCreated++;
        return TRUE;
    }
    BOOL OnKillActive() override
    {
        return m_bKillActive;
    }
    LRESULT OnWizardNext() override
    {
        return m_lNext;
    }
    BOOL OnWizardFinish() override
    {
        return m_bFinish;
    }
    BOOL OnQueryCancel() override
    {
        m_nCancelQueries++;
        return m_bCancel;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(wParam));
        return CNewWizPage::OnCommand(wParam, lParam);
    }
    int m_nCreated = 0;
    int m_nCancelQueries = 0;
    BOOL m_bKillActive = TRUE;
    LRESULT m_lNext = 0;
    BOOL m_bFinish = TRUE;
    BOOL m_bCancel = TRUE;
    std::vector<UINT> m_commands;
};

class CTestWizard : public CMyWizzard
{
  public:
    explicit CTestWizard(int nPages)
        : CMyWizzard(IDD_TEST_WIZARD), m_page1(IDD_TEST_PAGE1), m_page2(IDD_TEST_PAGE2),
          m_page3(IDD_TEST_PAGE3)
    {
        CTestPage* pages[] = {&m_page1, &m_page2, &m_page3};
        for (int i = 0; i < nPages; i++)
            AddPage(pages[i], pages[i]->GetDialogID());
        SetPlaceholderID(IDC_TEST_PLACEHOLDER);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(wParam));
        return CMyWizzard::OnCommand(wParam, lParam);
    }
    CTestPage m_page1;
    CTestPage m_page2;
    CTestPage m_page3;
    std::vector<UINT> m_commands;
};

class WizardTest : public ::testing::Test
{
  protected:
    void Open(CTestWizard& wizard)
    {
        ASSERT_TRUE(wizard.CreateModeless());
        wizard.SetForegroundWindow();
        FrameworkPump(30);
    }
    // Index (1-3) of the page shown, 0 when none.
    static int Shown(CTestWizard& wizard)
    {
        CTestPage* pages[] = {&wizard.m_page1, &wizard.m_page2, &wizard.m_page3};
        int nShown = 0;
        for (int i = 0; i < 3; i++)
            if (pages[i]->m_hWnd != NULL && pages[i]->IsWindowVisible())
            {
                EXPECT_EQ(0, nShown) << "two pages shown";
                nShown = i + 1;
            }
        return nShown;
    }
    // "BNF": the enabled buttons among Back, Next and Finish.
    static std::string Enabled(CTestWizard& wizard)
    {
        std::string s;
        const std::pair<UINT, char> buttons[] = {
            {ID_WIZ_BACK, 'B'}, {ID_WIZ_NEXT, 'N'}, {ID_WIZ_FINISH, 'F'}};
        for (const auto& b : buttons)
            if (wizard.GetDlgItem(b.first)->IsWindowEnabled())
                s += b.second;
        return s;
    }
};

TEST_F(WizardTest, OnePageGivesFinishOnly)
{
    CTestWizard wizard(1);
    Open(wizard);
    EXPECT_EQ(1, Shown(wizard));
    EXPECT_EQ("F", Enabled(wizard));
    // The page stands at the placeholder.
    CRect rcPlace, rcPage;
    wizard.GetDlgItem(IDC_TEST_PLACEHOLDER)->GetWindowRect(&rcPlace);
    wizard.m_page1.GetWindowRect(&rcPage);
    EXPECT_EQ(rcPlace.TopLeft(), rcPage.TopLeft());
    EXPECT_NE(0u, wizard.GetExStyle() & WS_EX_CONTROLPARENT);
    ClickControl(&wizard, ID_WIZ_FINISH);
    EXPECT_EQ(NULL, wizard.m_hWnd);
}

TEST_F(WizardTest, StepsThroughThePages)
{
    enum Action
    {
        next,
        back,
        finish,
        cancel,
        closeBox,
        escape
    };
    struct Step
    {
        const char* what;
        Action action;
        std::function<void(CTestWizard&)> prepare; // answers of the pages before the click
        int nShownAfter;                           // 0: the wizard is gone
        const char* enabledAfter;
    };
    const Step steps[] = {
        {"Next onto the middle page", next, nullptr, 2, "BN"},
        {"Next onto the last page enables Finish", next, nullptr, 3, "BF"},
        {"Back to the middle", back, nullptr, 2, "BNF"},
        {"Back onto the first disables Back and Finish", back, nullptr, 1, "N"},
        {"Next answering a template id jumps", next,
         [](CTestWizard& w) { w.m_page1.m_lNext = IDD_TEST_PAGE3; }, 3, "BF"},
        {"Back again", back, nullptr, 2, "BNF"},
        {"Next answering an unknown id stays", next, [](CTestWizard& w) { w.m_page2.m_lNext = 4711; }, 2,
         "BNF"},
        {"Next answering -1 stays", next, [](CTestWizard& w) { w.m_page2.m_lNext = -1; }, 2, "BNF"},
        {"A page refusing to be left keeps its place", next,
         [](CTestWizard& w) {
             w.m_page2.m_lNext = 0;
             w.m_page2.m_bKillActive = FALSE;
         },
         2, "BNF"},
        {"Finish refused by the active page", finish, nullptr, 2, "BNF"},
        {"Finish refused by a created page", finish,
         [](CTestWizard& w) {
             w.m_page2.m_bKillActive = TRUE;
             w.m_page3.m_bFinish = FALSE;
         },
         2, "BNF"},
        {"Cancel refused", cancel, [](CTestWizard& w) { w.m_page1.m_bCancel = FALSE; }, 2, "BNF"},
        {"Escape in a page closes nothing", escape,
         [](CTestWizard& w) { w.m_page2.GotoDlgCtrl(w.m_page2.GetDlgItem(IDC_TEST_PAGE_BUTTON)); }, 2, "BNF"},
        {"The close box closes without asking", closeBox, nullptr, 0, ""},
    };
    CTestWizard wizard(3);
    Open(wizard);
    EXPECT_EQ(1, Shown(wizard));
    EXPECT_EQ("N", Enabled(wizard));
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.what);
        if (step.prepare)
            step.prepare(wizard);
        const int nQueries = wizard.m_page1.m_nCancelQueries;
        switch (step.action)
        {
        case next:
            ClickControl(&wizard, ID_WIZ_NEXT);
            break;
        case back:
            ClickControl(&wizard, ID_WIZ_BACK);
            break;
        case finish:
            // Finish is disabled on the middle page: the command as the button sends it.
            wizard.SendMessage(WM_COMMAND, MAKEWPARAM(ID_WIZ_FINISH, BN_CLICKED), 0);
            break;
        case cancel:
            ClickControl(&wizard, IDCANCEL);
            EXPECT_EQ(nQueries + 1, wizard.m_page1.m_nCancelQueries);
            break;
        case escape:
            PressKey(VK_ESCAPE);
            break;
        case closeBox: {
            CRect rc;
            wizard.GetWindowRect(&rc);
            const int cxButton = ::GetSystemMetrics(SM_CXSIZE);
            const int cyCaption = ::GetSystemMetrics(SM_CYCAPTION);
            const int cxFrame = ::GetSystemMetrics(SM_CXFIXEDFRAME);
            const int cyFrame = ::GetSystemMetrics(SM_CYFIXEDFRAME);
            CPoint pt(rc.right - cxFrame - cxButton / 2, rc.top + cyFrame + cyCaption / 2);
            EXPECT_EQ(HTCLOSE, wizard.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)));
            ClickAt(pt);
            PumpUntil([&] { return wizard.m_hWnd == NULL; }, 1000);
            EXPECT_EQ(nQueries, wizard.m_page1.m_nCancelQueries);
            break;
        }
        }
        if (step.nShownAfter == 0)
        {
            EXPECT_EQ(NULL, wizard.m_hWnd);
            continue;
        }
        ASSERT_NE((HWND)NULL, wizard.m_hWnd);
        EXPECT_EQ(step.nShownAfter, Shown(wizard));
        EXPECT_EQ(step.enabledAfter, Enabled(wizard));
    }
    // Each page was made once, however often it was shown.
    EXPECT_EQ(1, wizard.m_page1.m_nCreated);
    EXPECT_EQ(1, wizard.m_page2.m_nCreated);
    EXPECT_EQ(1, wizard.m_page3.m_nCreated);
}

TEST_F(WizardTest, EnterOnAPageButtonGoesToThePage)
{
    CTestWizard wizard(2);
    Open(wizard);
    wizard.m_page1.GotoDlgCtrl(wizard.m_page1.GetDlgItem(IDC_TEST_PAGE_BUTTON));
    FrameworkPump(20);
    ASSERT_EQ(wizard.m_page1.GetDlgItem(IDC_TEST_PAGE_BUTTON)->m_hWnd, ::GetFocus());
    wizard.m_commands.clear();
    PressKey(VK_RETURN);
    ASSERT_EQ(1u, wizard.m_page1.m_commands.size());
    EXPECT_EQ((UINT)IDC_TEST_PAGE_BUTTON, wizard.m_page1.m_commands[0]);
    // Nothing reached the wizard: its default button was not pressed.
    EXPECT_TRUE(wizard.m_commands.empty());
    EXPECT_EQ(1, Shown(wizard));
    wizard.DestroyWindow();
}

class CTestPropPage : public CMyPropertyPage
{
  public:
    CTestPropPage() : CMyPropertyPage(IDD_TEST_PROPPAGE)
    {
        m_psp.dwFlags |= PSP_HASHELP;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(wParam));
        return CMyPropertyPage::OnCommand(wParam, lParam);
    }
    std::vector<UINT> m_commands;
};

class CTestSheet : public CMyPropertySheet
{
  public:
    CTestSheet() : CMyPropertySheet("Testblatt")
    {
        m_psh.dwFlags |= PSH_HASHELP;
        AddPage(&m_page);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(wParam));
        return CMyPropertySheet::OnCommand(wParam, lParam);
    }
    CTestPropPage m_page;
    std::vector<UINT> m_commands;
};

TEST(PropertySheetTest, ButtonRowAndEnter)
{
    CTestSheet sheet;
    ASSERT_TRUE(sheet.Create(NULL, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME));
    sheet.SetForegroundWindow();
    FrameworkPump(30);
    CRect rcClient;
    sheet.GetClientRect(&rcClient);
    const UINT ids[] = {IDOK, IDCANCEL, 12321, IDHELP}; // left to right
    CRect rcPrev;
    for (int i = 0; i < 4; i++)
    {
        SCOPED_TRACE(ids[i]);
        CWnd* pButton = sheet.GetDlgItem(ids[i]);
        ASSERT_NE(nullptr, pButton);
        EXPECT_EQ((DWORD)BS_OWNERDRAW, pButton->GetStyle() & 0x0F);
        EXPECT_TRUE(pButton->IsWindowVisible());
        CRect rc;
        pButton->GetWindowRect(&rc);
        sheet.ScreenToClient(&rc);
        EXPECT_EQ(24, rc.Height());
        EXPECT_EQ(rcClient.Height() - 30, rc.top);
        if (i > 0)
        {
            EXPECT_EQ(rcPrev.right + 8, rc.left);
        }
        if (ids[i] == IDHELP)
        {
            EXPECT_EQ(rcClient.Width() - 10, rc.right);
        }
        rcPrev = rc;
    }
    // Enter on the page's own button: the page gets the command, the sheet's default nothing.
    sheet.m_page.GotoDlgCtrl(sheet.m_page.GetDlgItem(IDC_TEST_PAGE_BUTTON));
    FrameworkPump(20);
    ASSERT_EQ(sheet.m_page.GetDlgItem(IDC_TEST_PAGE_BUTTON)->m_hWnd, ::GetFocus());
    sheet.m_commands.clear();
    PressKey(VK_RETURN);
    ASSERT_EQ(1u, sheet.m_page.m_commands.size());
    EXPECT_EQ((UINT)IDC_TEST_PAGE_BUTTON, sheet.m_page.m_commands[0]);
    EXPECT_TRUE(sheet.m_commands.empty());
    EXPECT_NE((HWND)NULL, sheet.m_hWnd);
    sheet.DestroyWindow();
}
} // namespace
