// The dock bars' bar menu on a frame with toolbars: other bars first, then a separator and the
// toolbars; the status bar and the menu bar are never listed, and a toolbar's entry shows and
// hides it.
#include "ManagedFrame.h"
#include "TestSupport.h"
#include "uilib/frames/docking/DockBar.h"

using namespace testing_support;

TEST(BarMenu, OtherBarsComeFirstThenTheToolBarsAndNeverTheStatusOrMenuBar)
{
    ManagedFrame frame(ManagedFrame::s_twoBars, true);
    ASSERT_TRUE(frame.m_pManager->LoadMenuBarMenus(frame.m_pFrame, 1, IDM_TB_MENU));
    ASSERT_TRUE(frame.m_pManager->CreateDefaultToolBars());
    SECControlBar* pOther = new SECControlBar;
    pOther->m_szDefault = CSize(100, 60);
    ASSERT_TRUE(
        pOther->Create(frame.m_pFrame, _T("Messtabelle"), WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, 0, 0x300));
    pOther->m_bAutoDelete = TRUE;
    pOther->EnableDocking(CBRS_ALIGN_ANY);
    frame.m_pFrame->DockControlBar(pOther, AFX_IDW_DOCKBAR_BOTTOM);
    frame.m_status.SetPaneText(0, _T("Bereit")); // the status bar's window text
    frame.m_pFrame->ShowControlBar(frame.Bar(kSecondBar), FALSE, FALSE);
    frame.m_pFrame->RecalcLayout();
    PumpMessages(30);
    CWnd* pMainBefore = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = frame.m_pFrame;
    SECDockBar* pDock = static_cast<SECDockBar*>(frame.m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP));
    ASSERT_TRUE(pDock != NULL && pDock->IsKindOf(RUNTIME_CLASS(SECDockBar)));

    CMenu menu;
    ASSERT_TRUE(pDock->BuildBarMenu(menu));
    struct Entry
    {
        CString text;
        bool bChecked;
        bool operator==(const Entry& other) const
        {
            return text == other.text && bChecked == other.bChecked;
        }
    };
    std::vector<Entry> entries;
    for (int i = 0; i < (int)menu.GetMenuItemCount(); i++)
    {
        CString text;
        menu.GetMenuString(i, text, MF_BYPOSITION);
        entries.push_back(Entry{menu.GetMenuItemID(i) == 0 ? CString(_T("-")) : text,
                                (menu.GetMenuState(i, MF_BYPOSITION) & MF_CHECKED) != 0});
    }
    const std::vector<Entry> expected = {
        {_T("Messtabelle"), true}, {_T("-"), false}, {_T("Erste"), true}, {_T("Zweite"), false}};
    EXPECT_TRUE(expected == entries) << "entries: " << entries.size();

    // The hidden toolbar's entry shows it again.
    const UINT nSecond = menu.GetMenuItemID(3);
    menu.DestroyMenu();
    pDock->SendMessage(WM_COMMAND, nSecond);
    PumpMessages(30);
    EXPECT_TRUE(frame.Bar(kSecondBar)->IsWindowVisible());

    // Without other bars no separator is left first.
    pOther->DestroyWindow();
    PumpMessages(30);
    ASSERT_TRUE(pDock->BuildBarMenu(menu));
    ASSERT_EQ(2, (int)menu.GetMenuItemCount());
    EXPECT_NE(0u, menu.GetMenuItemID(0));
    menu.DestroyMenu();
    AfxGetApp()->m_pMainWnd = pMainBefore;
}
