// The toolbar manager on a real frame: default toolbars created from the test's resources and
// docked as defined, the options reaching every toolbar, customisation mode and the
// notifications to registered windows.
#include "ManagedFrame.h"
#include "TestSupport.h"
#include "BarsIds.h"
#include "uilib/common/BmpMgr.h"
#include "uilib/bars/CustomToolBarInfoEx.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/FrameDocking.h"
#include <functional>
#include <map>

using namespace testing_support;

namespace
{
const UINT kLeftBar = 0xE812;
const UINT kFloatingBar = 0xE813;

// The dock bar a bar is docked in, 0 when it floats.
UINT DockBarOf(CControlBar* pBar)
{
    return pBar->m_pDockBar != NULL && !pBar->IsFloating() ? (UINT)pBar->m_pDockBar->GetDlgCtrlID() : 0;
}

CRect WindowRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

// Records "WM_BARNOTIFY" sent to a window of its own.
typedef std::vector<std::pair<WPARAM, LPARAM>> NotifyLog;
std::map<HWND, NotifyLog> g_notifyLogs;

LRESULT CALLBACK NotifyProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SECToolBarManager::GetBarNotifyMessage())
        g_notifyLogs[hWnd].emplace_back(wParam, lParam);
    return ::DefWindowProc(hWnd, message, wParam, lParam);
}

struct NotifySink
{
    NotifySink()
    {
        m_wnd.Attach(CreateMessageWindow("HelvonBarNotifySink", NotifyProc));
        g_notifyLogs.erase(m_wnd.m_hWnd);
    }
    ~NotifySink()
    {
        if (m_wnd.m_hWnd != NULL)
            ::DestroyWindow(m_wnd.Detach());
    }
    const NotifyLog& Log()
    {
        return g_notifyLogs[m_wnd.m_hWnd];
    }
    CWnd m_wnd;
};
} // namespace

TEST(ToolBarManager, DefaultToolBarsAreCreatedFromTheirResourcesAndDockedAsDefined)
{
    std::vector<ManagedFrame::Def> defs = ManagedFrame::s_twoBars;
    defs.push_back({kLeftBar, "Links", IDR_TB_SECOND, AFX_IDW_DOCKBAR_LEFT, 0, TRUE, FALSE});
    defs.push_back({kFloatingBar, "Frei", IDR_TB_FIRST, AFX_IDW_DOCKBAR_TOP, 0, FALSE, TRUE});
    ManagedFrame frame(defs);
    // The ids handed back keep the separators.
    ASSERT_EQ(4, frame.m_pManager->GetDefaultToolBarCount());
    ASSERT_EQ(6, frame.m_counts[0]);
    EXPECT_EQ((std::vector<UINT>{ID_TB_RED, ID_TB_GREEN, 0, ID_TB_BLUE, ID_TB_CHECK, ID_TB_DROP}),
              std::vector<UINT>(frame.m_ids[0].get(), frame.m_ids[0].get() + frame.m_counts[0]));
    // A resource that is not there defines nothing.
    int nCount = -1;
    UINT* pIDs = (UINT*)1;
    EXPECT_FALSE(frame.m_pManager->DefineDefaultToolBar(0xE814, "Fehlt", IDR_TB_MISSING, nCount, pIDs));
    EXPECT_EQ(0, nCount);
    EXPECT_EQ(nullptr, pIDs);
    EXPECT_EQ(4, frame.m_pManager->GetDefaultToolBarCount());

    ASSERT_TRUE(frame.Bars().empty());
    ASSERT_TRUE(frame.m_pManager->CreateDefaultToolBars());
    PumpMessages(30);
    ASSERT_EQ(4u, frame.Bars().size());
    const struct
    {
        UINT nID;
        const char* pszTitle;
        std::vector<UINT> buttons;
        UINT nDockBar;
        bool bVisible;
    } expected[] = {
        {kFirstBar,
         "Erste",
         {ID_TB_RED, ID_TB_GREEN, 0, ID_TB_BLUE, ID_TB_CHECK, ID_TB_DROP},
         AFX_IDW_DOCKBAR_TOP,
         true},
        {kSecondBar, "Zweite", {ID_TB_CYAN, 0, ID_TB_CHECK, ID_TB_ORANGE}, AFX_IDW_DOCKBAR_TOP, true},
        {kLeftBar, "Links", {ID_TB_CYAN, 0, ID_TB_CHECK, ID_TB_ORANGE}, AFX_IDW_DOCKBAR_LEFT, false},
        {kFloatingBar, "Frei", {ID_TB_RED, ID_TB_GREEN, 0, ID_TB_BLUE, ID_TB_CHECK, ID_TB_DROP}, 0, true},
    };
    for (const auto& e : expected)
    {
        SCOPED_TRACE(e.pszTitle);
        SECCustomToolBar* pBar = frame.Bar(e.nID);
        ASSERT_NE(nullptr, pBar);
        EXPECT_EQ(CString(e.pszTitle), frame.Title(e.nID));
        EXPECT_EQ(e.buttons, ButtonIDs(pBar));
        EXPECT_EQ(e.nDockBar, DockBarOf(pBar));
        EXPECT_EQ(e.bVisible, pBar->IsWindowVisible() != FALSE);
        EXPECT_EQ(frame.m_pFrame, pBar->GetOwner());
        EXPECT_EQ(frame.m_pManager, pBar->GetManager());
        EXPECT_EQ(frame.m_pManager->GetBmpMgr(), pBar->GetBmpMgr());
        EXPECT_TRUE(pBar->m_bAutoDelete);
        EXPECT_TRUE(pBar->GetStyle() & WS_CHILD);
        const DWORD dwBits = CBRS_FLYBY | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC;
        EXPECT_EQ(dwBits, pBar->GetBarStyle() & dwBits);
        EXPECT_EQ(0u, pBar->GetExBarStyle() & SEC_COOLLOOK_BITS) << "cool look is off by default";
    }
    // The second lies beside the first in its row.
    const CRect first = WindowRect(frame.Bar(kFirstBar)), second = WindowRect(frame.Bar(kSecondBar));
    EXPECT_EQ(first.top, second.top);
    EXPECT_GE(second.left, first.right - 2);

    // Again: what exists is not made twice, and bars the user showed or docked stay so.
    frame.m_pFrame->ShowControlBar(frame.Bar(kLeftBar), TRUE, FALSE);
    frame.m_pFrame->DockControlBar(frame.Bar(kFloatingBar), AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_TRUE(frame.m_pManager->CreateDefaultToolBars());
    EXPECT_EQ(4u, frame.Bars().size());
    EXPECT_TRUE(frame.Bar(kLeftBar)->IsWindowVisible());
    EXPECT_EQ((UINT)AFX_IDW_DOCKBAR_BOTTOM, DockBarOf(frame.Bar(kFloatingBar)));
}

TEST(ToolBarManager, RepaintingWithoutToolBarsCreatesTheDefaultOnes)
{
    ManagedFrame frame;
    frame.m_pManager->RepaintToolBars();
    ASSERT_EQ(2u, frame.Bars().size());
    // With toolbars it only attaches the manager again.
    SECCustomToolBar* pUser = frame.m_pManager->CreateUserToolBar(_T("Eigene"));
    ASSERT_NE(nullptr, pUser);
    pUser->SetManager(NULL);
    frame.m_pManager->RepaintToolBars();
    EXPECT_EQ(3u, frame.Bars().size());
    EXPECT_EQ(frame.m_pManager, pUser->GetManager());
}

TEST(ToolBarManager, OptionsReachEveryToolBar)
{
    ManagedFrame frame;
    frame.m_pManager->CreateDefaultToolBars();
    SECCustomToolBar* pFloating = frame.m_pManager->CreateUserToolBar(_T("Schwebend"));
    ASSERT_NE(nullptr, pFloating);
    const UINT ids[] = {ID_TB_RED, ID_TB_CYAN};
    pFloating->SetButtons(ids, 2);
    frame.m_pFrame->FloatControlBar(pFloating, CPoint(300, 300));
    frame.m_pFrame->RecalcLayout();
    PumpMessages(30);
    ASSERT_EQ(3u, frame.Bars().size());

    // Large buttons: 22 x 24 images stretched from 16 x 15, buttons 29 x 31.
    const CRect floatFrameSmall = WindowRect(pFloating->GetParentFrame());
    const CRect floatBarSmall = WindowRect(pFloating);
    frame.m_pManager->SetLargeButtons(TRUE);
    PumpMessages(30);
    for (SECCustomToolBar* pBar : frame.Bars())
    {
        CRect rect;
        pBar->GetItemRect(0, &rect);
        EXPECT_EQ(CSize(29, 31), rect.Size());
    }
    // The floating frame was laid out again (its width may be held by its caption).
    EXPECT_GT(WindowRect(pFloating->GetParentFrame()).Height(), floatFrameSmall.Height());
    EXPECT_EQ(WindowRect(pFloating).Width(), floatBarSmall.Width() + 2 * (29 - 23));
    EXPECT_FALSE(frame.m_pManager->GetBmpMgr()->GetSmallImages());
    frame.m_pManager->SetLargeButtons(FALSE);
    PumpMessages(30);
    for (SECCustomToolBar* pBar : frame.Bars())
    {
        CRect rect;
        pBar->GetItemRect(0, &rect);
        EXPECT_EQ(CSize(23, 22), rect.Size());
    }

    // Tool tips and cool look: set and cleared on every toolbar; a new one follows.
    const struct
    {
        const char* pszName;
        std::function<void(BOOL)> set;
        std::function<bool(SECCustomToolBar*)> isOn;
        bool bInitial;
    } options[] = {
        {"ToolTips", [&](BOOL b) { frame.m_pManager->SetToolTips(b); },
         [](SECCustomToolBar* p) { return (p->GetBarStyle() & CBRS_TOOLTIPS) != 0; }, true},
        {"CoolLook", [&](BOOL b) { frame.m_pManager->EnableCoolLook(b, SEC_COOLLOOK_BITS); },
         [](SECCustomToolBar* p) { return (p->GetExBarStyle() & SEC_COOLLOOK_BITS) == SEC_COOLLOOK_BITS; },
         false},
    };
    for (const auto& option : options)
    {
        SCOPED_TRACE(option.pszName);
        for (SECCustomToolBar* pBar : frame.Bars())
            EXPECT_EQ(option.bInitial, option.isOn(pBar));
        option.set(!option.bInitial);
        for (SECCustomToolBar* pBar : frame.Bars())
            EXPECT_EQ(!option.bInitial, option.isOn(pBar));
        SECCustomToolBar* pNew = frame.m_pManager->CreateUserToolBar();
        ASSERT_NE(nullptr, pNew);
        EXPECT_EQ(!option.bInitial, option.isOn(pNew));
        pNew->DestroyWindow();
        option.set(option.bInitial);
        for (SECCustomToolBar* pBar : frame.Bars())
            EXPECT_EQ(option.bInitial, option.isOn(pBar));
    }
    EXPECT_TRUE(frame.m_pManager->ToolTipsEnabled());
    EXPECT_FALSE(frame.m_pManager->CoolLookEnabled());
    EXPECT_FALSE(frame.m_pManager->LargeButtonsEnabled());

    // The cool look's gripper takes room once the frame's delayed layout ran.
    SECCustomToolBar* pFirst = frame.Bar(kFirstBar);
    const int cxPlain = WindowRect(pFirst).Width();
    frame.m_pManager->EnableCoolLook(TRUE);
    frame.m_pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    PumpMessages(20);
    EXPECT_GT(WindowRect(pFirst).Width(), cxPlain);
}

TEST(ToolBarManager, CustomisingDisablesTheFramesOtherChildrenUntilItEnds)
{
    ManagedFrame frame;
    frame.m_pManager->CreateDefaultToolBars();
    CWnd other;
    other.Create(NULL, _T("Aus"), WS_CHILD | WS_DISABLED, CRect(0, 0, 5, 5), frame.m_pFrame, 4711);
    CWnd gone;
    gone.Create(NULL, _T("Weg"), WS_CHILD, CRect(0, 0, 5, 5), frame.m_pFrame, 4712);
    CDockBar* pTop = SECFrameDocking::GetDockBar(frame.m_pFrame, AFX_IDW_DOCKBAR_TOP);
    ASSERT_NE(nullptr, pTop);
    // A modal sheet has disabled the frame.
    frame.m_pFrame->EnableWindow(FALSE);
    EXPECT_FALSE(frame.m_pManager->InConfigMode());

    frame.m_pManager->EnterCustomise();
    frame.m_pManager->EnterCustomise();
    EXPECT_TRUE(frame.m_pManager->InConfigMode());
    EXPECT_TRUE(frame.m_pFrame->IsWindowEnabled());
    EXPECT_FALSE(frame.m_view.IsWindowEnabled());
    EXPECT_FALSE(frame.m_status.IsWindowEnabled());
    EXPECT_FALSE(gone.IsWindowEnabled());
    EXPECT_TRUE(pTop->IsWindowEnabled()) << "dock bars stay";
    EXPECT_TRUE(frame.Bar(kFirstBar)->IsWindowEnabled());
    EXPECT_EQ(3u, frame.m_pManager->m_arrDisabled.size()) << "view, status bar and the one destroyed next";
    gone.DestroyWindow();

    frame.m_pManager->ExitCustomise();
    EXPECT_FALSE(frame.m_pManager->InConfigMode());
    EXPECT_FALSE(frame.m_pFrame->IsWindowEnabled()) << "the sheet still runs";
    EXPECT_TRUE(frame.m_view.IsWindowEnabled());
    EXPECT_TRUE(frame.m_status.IsWindowEnabled());
    EXPECT_FALSE(other.IsWindowEnabled()) << "it was disabled before";
    EXPECT_TRUE(frame.m_pManager->m_arrDisabled.empty());

    // Leaving when not customising changes nothing.
    frame.m_pFrame->EnableWindow(TRUE);
    frame.m_pManager->ExitCustomise();
    EXPECT_TRUE(frame.m_pFrame->IsWindowEnabled());
    other.DestroyWindow();
}

TEST(ToolBarManager, BarChangesAreSentToEachRegisteredWindowOnce)
{
    ManagedFrame frame;
    NotifySink sink, gone;
    frame.m_pManager->RegisterNotifyWindow(&sink.m_wnd);
    frame.m_pManager->RegisterNotifyWindow(&sink.m_wnd);
    frame.m_pManager->RegisterNotifyWindow(&gone.m_wnd);
    ::DestroyWindow(gone.m_wnd.Detach());
    SECCustomToolBar* pBar = frame.m_pManager->CreateUserToolBar(_T("Neu"));
    ASSERT_NE(nullptr, pBar);
    const WPARAM nID = (WPARAM)pBar->GetDlgCtrlID();
    EXPECT_EQ(SEC_IDW_FIRST_USER_TOOLBAR, (UINT)nID);
    pBar->DestroyWindow();
    // Showing and hiding come with them; each once, since the window was registered once.
    NotifyLog lifecycle;
    for (const auto& entry : sink.Log())
    {
        EXPECT_EQ(nID, entry.first);
        if (entry.second == SECBarCreated || entry.second == SECBarDestroying)
            lifecycle.push_back(entry);
    }
    EXPECT_EQ((NotifyLog{{nID, SECBarCreated}, {nID, SECBarDestroying}}), lifecycle);
    const size_t nBefore = sink.Log().size();

    frame.m_pManager->UnregisterNotifyWindow(&sink.m_wnd);
    frame.m_pManager->NotifyBarChange(kFirstBar, SECBarSelChanged);
    EXPECT_EQ(nBefore, sink.Log().size());
    frame.m_pManager->RegisterNotifyWindow(&sink.m_wnd);
    frame.m_pManager->NotifyBarChange(kFirstBar, SECBarSelChanged);
    EXPECT_EQ((std::pair<WPARAM, LPARAM>(kFirstBar, SECBarSelChanged)), sink.Log().back());
}

TEST(ToolBarManager, TheMenuBarIsMadeFirstFromTheLoadedMenus)
{
    ManagedFrame frame(ManagedFrame::s_twoBars, true);
    ASSERT_TRUE(frame.m_pManager->LoadMenuBarMenus(frame.m_pFrame, 1, IDM_TB_MENU));
    const std::vector<UINT> ids = frame.m_pManager->GetMenuBarButtons();
    EXPECT_EQ((std::vector<UINT>{0x80000001, 0x80000002, 0x80000003}), ids);

    ASSERT_TRUE(frame.m_pManager->CreateDefaultToolBars());
    PumpMessages(30);
    SECMenuBar* pMenuBar = frame.m_pMenuBar.get();
    ASSERT_NE(nullptr, pMenuBar->m_hWnd);
    EXPECT_EQ(3u, frame.Bars().size());
    EXPECT_EQ(pMenuBar, frame.Bar(SEC_IDW_MENUBAR));
    CString strTitle, strExpected;
    pMenuBar->GetWindowText(strTitle);
    strExpected.LoadString(IDS_SEC_MENUBAR_TITLE);
    EXPECT_EQ(strExpected, strTitle);
    EXPECT_EQ(ids, ButtonIDs(pMenuBar));
    EXPECT_EQ((UINT)AFX_IDW_DOCKBAR_TOP, DockBarOf(pMenuBar));
    EXPECT_EQ(frame.m_pManager, pMenuBar->GetManager());
    EXPECT_FALSE(pMenuBar->m_bAutoDelete) << "the frame's";
    EXPECT_EQ((DWORD)SEC_BARTYPE_MENUBAR, frame.m_pManager->GetBarTypeID(pMenuBar));
    EXPECT_EQ((DWORD)SEC_BARTYPE_CUSTOMTOOLBAR, frame.m_pManager->GetBarTypeID(frame.Bar(kFirstBar)));
    // The menu bar takes the last user toolbar id; the first is still free.
    SECCustomToolBar* pUser = frame.m_pManager->CreateUserToolBar();
    ASSERT_NE(nullptr, pUser);
    EXPECT_EQ(SEC_IDW_FIRST_USER_TOOLBAR, (UINT)pUser->GetDlgCtrlID());

    // Menus that give no item: FALSE and no buttons kept.
    EXPECT_FALSE(frame.m_pManager->LoadMenuBarMenus(frame.m_pFrame, 1, IDM_TB_MENU_CUT));
    EXPECT_TRUE(frame.m_pManager->GetMenuBarButtons().empty());
    // A frame without a menu bar.
    ManagedFrame plain;
    EXPECT_FALSE(plain.m_pManager->LoadMenuBarMenus(plain.m_pFrame, 1, IDM_TB_MENU));
    EXPECT_TRUE(plain.m_pManager->GetMenuBarButtons().empty());
}

TEST(ToolBarManager, SavedRecordsGetTheirExtensionAndTheirBar)
{
    ManagedFrame frame(ManagedFrame::s_twoBars, true);
    frame.m_pManager->EnableCoolLook(TRUE);
    const struct
    {
        DWORD dwType;
        UINT nBarID;
        bool bRecord;
        CRuntimeClass* pClass; // of the bar made, NULL: none
    } cases[] = {
        {SEC_BARTYPE_CUSTOMTOOLBAR, 0xE821, true, RUNTIME_CLASS(SECCustomToolBar)},
        {SEC_BARTYPE_MENUBAR, SEC_IDW_MENUBAR, true, RUNTIME_CLASS(SECMenuBar)},
        {0, 0xE822, false, NULL},
        {14948, 0xE823, false, NULL},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.dwType);
        SECControlBarInfo info;
        info.m_dwTypeID = c.dwType;
        info.m_nBarID = c.nBarID;
        std::unique_ptr<SECControlBarInfoEx> pEx(frame.m_pManager->CreateBarInfo(&info));
        EXPECT_EQ(c.bRecord, pEx != nullptr && pEx->IsKindOf(RUNTIME_CLASS(SECCustomToolBarInfoEx)));
        SECControlBar* pBar = frame.m_pManager->CreateBar(&info);
        if (c.pClass == NULL)
        {
            EXPECT_EQ(nullptr, pBar);
            continue;
        }
        ASSERT_NE(nullptr, pBar);
        EXPECT_TRUE(pBar->IsKindOf(c.pClass));
        ASSERT_NE(nullptr, pBar->m_hWnd);
        EXPECT_EQ(c.nBarID, (UINT)pBar->GetDlgCtrlID());
        EXPECT_EQ(frame.m_pManager, static_cast<SECCustomToolBar*>(pBar)->GetManager());
        EXPECT_EQ(SEC_COOLLOOK_BITS, pBar->GetExBarStyle() & SEC_COOLLOOK_BITS);
        EXPECT_TRUE(pBar->GetBarStyle() & CBRS_TOOLTIPS);
        // No title, buttons or docking sides: the saved state brings them.
        CString strTitle;
        pBar->GetWindowText(strTitle);
        EXPECT_TRUE(strTitle.IsEmpty());
        EXPECT_EQ(0, static_cast<SECCustomToolBar*>(pBar)->GetBtnCount());
        EXPECT_EQ(0u, pBar->m_dwDockStyle);
        EXPECT_EQ(c.dwType == SEC_BARTYPE_CUSTOMTOOLBAR, pBar->m_bAutoDelete != FALSE);
    }
    // Without a menu bar of the frame there is none to make.
    ManagedFrame plain;
    SECControlBarInfo info;
    info.m_dwTypeID = SEC_BARTYPE_MENUBAR;
    info.m_nBarID = SEC_IDW_MENUBAR;
    EXPECT_EQ(nullptr, plain.m_pManager->CreateBar(&info));
}
