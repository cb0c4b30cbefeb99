// The 3-D tab window in a dialog: child ids, activation through the strip and its forwarded
// notification, removal of the active child, and the keys between strip, active child and the
// dialog's other controls.
#include "BarsTestApp.h"
#include "TabTestSupport.h"
#include "uilib/bars/3DTabWnd.h"
#include <string>

using namespace testing_support;

namespace
{

const UINT kTabWndID = 700;
const UINT kLastID = 701;

// A page of the tab window: two edits with tab stops; a request for its previous control (as
// a dialog answers WM_NEXTDLGCTL) focuses the last edit.
class CPanel : public CWnd
{
    DECLARE_DYNCREATE(CPanel)

  public:
    BOOL Create(LPCTSTR, LPCTSTR, DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID,
                CCreateContext*) override
    {
        if (!CreateEx(WS_EX_CONTROLPARENT,
                      AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1)), NULL,
                      dwStyle, rect, pParent, nID))
            return FALSE;
        for (int i = 0; i < 2; ++i)
            m_edits[i] =
                ::CreateWindowEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10,
                                 10 + 30 * i, 100, 22, m_hWnd, (HMENU)(INT_PTR)(100 + i), NULL, NULL);
        return TRUE;
    }
    HWND m_edits[2] = {NULL, NULL};

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NEXTDLGCTL && wParam == 1)
        {
            ::SetFocus(m_edits[1]);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
IMPLEMENT_DYNCREATE(CPanel, CWnd)

// The dialog holding the tab window; it records the forwarded notifications.
class CTabHost : public CDialog
{
  public:
    CTabHost()
    {
        Create(IDD_BUTTONS, NULL);
        ::SetForegroundWindow(m_hWnd);
    }
    ~CTabHost() override
    {
        DestroyWindow();
    }
    std::vector<TabMessage> m_messages;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == TCM_TABSEL)
        {
            TabMessage m = {message, wParam, *reinterpret_cast<SECTabNotify*>(lParam)};
            m_messages.push_back(m);
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

class TabWndTest : public ::testing::Test
{
  protected:
    void Make(DWORD dwStyle)
    {
        ASSERT_TRUE(m_tabs.Create(&m_host, WS_CHILD | WS_VISIBLE | dwStyle, kTabWndID));
        m_tabs.SetWindowPos(m_host.GetDlgItem(IDC_PLAIN), 100, 5, 240, 160, SWP_NOACTIVATE);
        m_host.MoveWindow(20, 20, 400, 260);
        m_last = ::CreateWindowEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10, 180, 60,
                                  22, m_host.m_hWnd, (HMENU)(INT_PTR)kLastID, NULL, NULL);
        for (const char* label : {"Eins", "Zwei", "Drei"})
            ASSERT_TRUE(m_tabs.AddTab(RUNTIME_CLASS(CPanel), label) != NULL);
    }
    CPanel* Panel(int nTab)
    {
        LPCTSTR lpszLabel;
        BOOL bSelected;
        CWnd* pWnd = NULL;
        DWORD dw1, dw2;
        m_tabs.GetTabInfo(nTab, lpszLabel, bSelected, pWnd, dw1, dw2);
        return static_cast<CPanel*>(pWnd);
    }
    int Active()
    {
        int nActive = -1;
        return m_tabs.GetTabControl()->GetActiveTab(nActive) ? nActive : -1;
    }
    HWND Strip()
    {
        return m_tabs.GetTabControl()->m_hWnd;
    }
    void ClickTab(int nTab)
    {
        RECT rc;
        m_tabs.GetTabControl3D()->GetTabRect(nTab, rc);
        POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        ::ClientToScreen(Strip(), &pt);
        ClickAt(pt);
        PumpTranslated(m_host.m_hWnd, 100);
    }

    CTabHost m_host;
    SEC3DTabWnd m_tabs;
    HWND m_last = NULL;
};

} // namespace

TEST_F(TabWndTest, ChildrenGetNumberedIdsAndOnlyTheActiveOneShows)
{
    Make(SEC_TABS_BOTTOM);
    EXPECT_EQ(static_cast<DWORD>(SEC_TABS_BOTTOM), m_tabs.GetTabStyle());
    EXPECT_EQ(static_cast<int>(SECTabWndBase::kTabCtrlID), ::GetDlgCtrlID(Strip()));
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(60160 + i, Panel(i)->GetDlgCtrlID());
        EXPECT_FALSE(Panel(i)->IsWindowVisible());
    }
    ASSERT_TRUE(m_tabs.AddTab(RUNTIME_CLASS(CPanel), "Vier", NULL, 55) != NULL);
    EXPECT_EQ(55, Panel(3)->GetDlgCtrlID());

    EXPECT_TRUE(m_tabs.ActivateTab(0));
    ClickTab(1);
    EXPECT_EQ(1, Active());
    EXPECT_EQ(Panel(1), m_tabs.GetActiveWnd());
    EXPECT_TRUE(Panel(1)->IsWindowVisible());
    EXPECT_FALSE(Panel(0)->IsWindowVisible());
    ASSERT_EQ(2u, m_host.m_messages.size());
    const SECTabNotify& notify = m_host.m_messages[1].notify;
    EXPECT_EQ(kTabWndID, notify.nCtrlID);
    EXPECT_EQ(1, notify.nTab);
    EXPECT_EQ(0, notify.nPrevTab);
    EXPECT_EQ(Panel(1), notify.pClient);

    // The child fills the content area less one pixel; the strip lies below it.
    CRect rcInside, rcChild, rcStrip;
    m_tabs.GetInsideRect(rcInside);
    Panel(1)->GetWindowRect(&rcChild);
    m_tabs.ScreenToClient(&rcChild);
    EXPECT_EQ(CRect(rcInside.left, rcInside.top, rcInside.right - 1, rcInside.bottom), rcChild);
    ::GetWindowRect(Strip(), &rcStrip);
    m_tabs.ScreenToClient(&rcStrip);
    EXPECT_EQ(rcInside.bottom + 1, rcStrip.top);

    // Already active: shown again, no second notification.
    EXPECT_TRUE(m_tabs.ActivateTab(1));
    EXPECT_EQ(2u, m_host.m_messages.size());

    // Removing the active child's tab: the strip activates the tab now in its place.
    CPanel* pThird = Panel(2);
    m_tabs.RemoveTab(1);
    PumpMessages(20);
    EXPECT_EQ(1, Active());
    EXPECT_EQ(pThird, m_tabs.GetActiveWnd());
    EXPECT_TRUE(pThird->IsWindowVisible());
    EXPECT_FALSE(m_tabs.ActivateTab(7));
}

TEST_F(TabWndTest, KeysMoveBetweenStripActiveChildAndTheDialogsControls)
{
    Make(SEC_TABS_BOTTOM | WS_TABSTOP);
    m_tabs.ActivateTab(0);
    HWND hPlain = m_host.GetDlgItem(IDC_PLAIN)->m_hWnd;
    HWND hSecond = m_host.GetDlgItem(IDC_SECOND)->m_hWnd;
    struct Step
    {
        const char* what;
        std::initializer_list<WORD> keys;
        int nActive;
        int nFocus; // 0 strip, 1 child's first edit, 2 child's last edit, 3 the child, 4 SECOND, 5 PLAIN
        bool bFromFirstEdit;
    } steps[] = {
        {"Ctrl+Tab on the strip", {VK_CONTROL, VK_TAB}, 1, 0, false},
        {"Right on the strip", {VK_RIGHT}, 2, 0, false},
        {"at the end", {VK_DOWN}, 2, 0, false},
        {"Ctrl+Shift+Tab", {VK_CONTROL, VK_SHIFT, VK_TAB}, 1, 0, false},
        {"Up", {VK_UP}, 0, 0, false},
        {"Tab from the strip", {VK_TAB}, 0, 3, false},
        {"Tab inside the child", {VK_TAB}, 0, 2, true},
        {"Tab from the child's last control", {VK_TAB}, 0, 4, false},
        {"Shift+Tab back into the tab window", {VK_SHIFT, VK_TAB}, 0, 2, false},
        {"Shift+Tab inside the child", {VK_SHIFT, VK_TAB}, 0, 1, false},
        {"Shift+Tab from the child's first control", {VK_SHIFT, VK_TAB}, 0, 0, false},
    };
    ::SetFocus(Strip());
    for (const Step& step : steps)
    {
        if (step.bFromFirstEdit)
            ::SetFocus(Panel(0)->m_edits[0]);
        PressKeys(m_host.m_hWnd, step.keys);
        EXPECT_EQ(step.nActive, Active()) << step.what;
        HWND hChild = Panel(Active())->m_hWnd;
        HWND expected[] = {Strip(), Panel(Active())->m_edits[0], Panel(Active())->m_edits[1], hChild, hSecond,
                           hPlain};
        EXPECT_EQ(expected[step.nFocus], ::GetFocus()) << step.what;
    }
    // Tab from the control before the tab window: the dialog gives it the focus, which goes on
    // to the strip.
    ::SetFocus(hPlain);
    PressKeys(m_host.m_hWnd, {VK_TAB});
    EXPECT_EQ(Strip(), ::GetFocus());
}

TEST_F(TabWndTest, WithoutATabStopNoKeyIsTakenByTheTabWindow)
{
    Make(SEC_TABS_TOP);
    m_tabs.ActivateTab(0);
    ::SetFocus(Strip());
    PressKeys(m_host.m_hWnd, {VK_CONTROL, VK_TAB});
    EXPECT_EQ(0, Active());
}

TEST(TabWndLayout, TheContentAreaFollowsTheStripSide)
{
    CTabRecorder parent;
    struct
    {
        DWORD dwStyle;
        CRect inside; // in a 300 x 200 client area
    } cases[] = {
        {SEC_TABS_BOTTOM, CRect(6, 4, 293, 169)},
        {SEC_TABS_TOP, CRect(6, 31, 293, 196)},
        {SEC_TABS_LEFT, CRect(31, 4, 293, 194)},
        {SEC_TABS_RIGHT, CRect(6, 4, 269, 194)},
        {0, CRect(6, 4, 269, 194)},
        {SEC_TABS_BOTTOM | SEC_TABS_NO_ACTIVE_GROW, CRect(6, 4, 293, 173)},
    };
    for (const auto& c : cases)
    {
        SEC3DTabWnd tabs;
        ASSERT_TRUE(tabs.Create(&parent, WS_CHILD | WS_VISIBLE | c.dwStyle, 5));
        tabs.MoveWindow(0, 0, 300, 200);
        CRect rc;
        tabs.GetInsideRect(rc);
        EXPECT_EQ(c.inside, rc) << c.dwStyle;
        tabs.DestroyWindow();
    }
}
