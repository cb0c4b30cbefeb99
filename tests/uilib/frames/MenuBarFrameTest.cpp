// The MDI frame with a menu bar: keys and the mouse reach the bar through the frame, popups come
// from the frame's menus, the bar follows the active child (menus, a maximised child's icon and
// caption buttons, the child list) and bitmap menus show toolbar images.
#include "FramesIds.h"
#include "SecMdiFixture.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/mdi/ControlBarMDIChildWnd.h"
#include "uilib/bars/MDIMenuBar.h"
#include "uilib/bars/MenuBarFeature.h"
#include "uilib/bars/TBMenuBtn.h"
#include "uilib/bars/ToolBarManager.h"
#include "afxdlgs.h"
#include "uilib/frames/docking/FrameWnd.h"
#include <functional>
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
const UINT kMenuBarID = 0xE8FF;
const UINT kGetHMenu = 0x01E1; // MN_GETHMENU: the menu a popup window shows

class CMenuBarTestFrame : public SECMDIFrameWnd
{
  public:
    CMenuBarTestFrame(BOOL bMenuBar, BOOL bBmpMenus)
    {
        m_pMenuBar = bMenuBar ? &m_wndMenuBar : NULL;
        EnableBmpMenus(bBmpMenus);
    }

    SECMDIMenuBar m_wndMenuBar;
    std::vector<DWORD_PTR> m_helpAsked; // help requests, taken instead of run
    int m_nOpened = 0;
    int m_nLayouts = 0;
    std::vector<UINT> m_sysCommands; // taken instead of run

    void WinHelp(DWORD_PTR dwData, UINT) override
    {
        m_helpAsked.push_back(dwData);
    }
    void RecalcLayout(BOOL bNotify = TRUE) override
    {
        m_nLayouts++;
        SECMDIFrameWnd::RecalcLayout(bNotify);
    }

  protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (SECMDIFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        if (m_pMenuBar == NULL)
            return 0;
        if (!m_wndMenuBar.CreateEx(0, this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, kMenuBarID, _T("Menü")))
            return -1;
        m_wndMenuBar.LoadMenus(2, IDR_MB_FRAME, IDR_SECDOC_TYPE);
        m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndMenuBar, AFX_IDW_DOCKBAR_TOP);
        return 0;
    }
    afx_msg void OnOpen()
    {
        m_nOpened++;
    }
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        if ((nID & 0xFFF0) == SC_CLOSE)
        {
            m_sysCommands.push_back(nID & 0xFFF0);
            return;
        }
        SECMDIFrameWnd::OnSysCommand(nID, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuBarTestFrame, SECMDIFrameWnd)
ON_WM_CREATE()
ON_COMMAND(ID_MB_OPEN, OnOpen)
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

// Keys that reached the thread's queue (none does while a keyboard hook eats them).
std::vector<WPARAM> s_keysQueued;

// The application's pump: every message through the PreTranslateMessage walk first; the keys it
// takes are recorded.
void RecordKey(const MSG& msg)
{
    if (msg.message == WM_KEYDOWN)
        s_keysQueued.push_back(msg.wParam);
}

void Pump(DWORD ms)
{
    PumpAsTheApplication(ms, RecordKey);
}

bool PumpFor(const std::function<bool()>& done, DWORD ms)
{
    return PumpAsTheApplicationUntil(done, ms, RecordKey);
}

void Key(WORD vk, bool bDown)
{
    drag_input::SendKey(vk, !bDown);
}

// Watches the open popup from a thread timer (menus run their own loops) and lets the test act
// on every tick while a popup is open.
struct PopupWatch
{
    std::vector<HMENU> seen; // each popup menu once, in the order they opened
    std::function<void(HWND, HMENU)> onTick;
    UINT_PTR nTimer = 0;
    ULONGLONG ullGiveUp = NowMs() + 5000;

    static PopupWatch*& Current()
    {
        static PopupWatch* s_p = nullptr;
        return s_p;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        PopupWatch* pWatch = Current();
        HWND hPopup = ::FindWindow(_T("#32768"), NULL);
        if (pWatch == nullptr || hPopup == NULL || !::IsWindowVisible(hPopup))
            return;
        if (NowMs() > pWatch->ullGiveUp)
        {
            // A test whose input went missing fails instead of hanging in the menu's loop.
            ::EndMenu();
            return;
        }
        HMENU hMenu = (HMENU)::SendMessage(hPopup, kGetHMenu, 0, 0);
        if (pWatch->seen.empty() || pWatch->seen.back() != hMenu)
            pWatch->seen.push_back(hMenu);
        if (pWatch->onTick)
            pWatch->onTick(hPopup, hMenu);
    }
    PopupWatch()
    {
        Current() = this;
        nTimer = ::SetTimer(NULL, 0, 30, Tick);
    }
    ~PopupWatch()
    {
        ::KillTimer(NULL, nTimer);
        Current() = nullptr;
        // A popup left open by a failing test closes here.
        if (::FindWindow(_T("#32768"), NULL) != NULL)
            ::EndMenu();
    }
};

class MenuBarFrameTest : public ::testing::Test
{
  protected:
    void Make(BOOL bMenuBar, BOOL bBmpMenus)
    {
        if (m_pFrame != nullptr)
            Destroy();
        SecTestTemplate();
        m_pFrame = new CMenuBarTestFrame(bMenuBar, bBmpMenus);
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MB_FRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        m_pFrame->SetWindowPos(NULL, 60, 60, 700, 520, SWP_NOZORDER);
        AfxGetApp()->m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
        m_pFrame->SetForegroundWindow();
        m_pFrame->SetFocus();
        m_pFrame->RecalcLayout();
        Pump(100);
    }
    void SetUp() override
    {
        Make(TRUE, FALSE);
    }
    void TearDown() override
    {
        Destroy();
    }
    void Destroy()
    {
        if (m_pFrame == nullptr)
            return;
        if (m_pFrame->m_wndMenuBar.m_hWnd != NULL && m_pFrame->m_wndMenuBar.IsMenuMode())
            m_pFrame->m_wndMenuBar.ExitMenuMode();
        SecTestTemplate()->CloseAllDocuments(FALSE);
        Pump(20);
        AfxGetApp()->m_pMainWnd = NULL;
        m_pFrame->DestroyWindow();
        m_pFrame = nullptr;
        Pump(20);
    }
    SECMDIMenuBar& Bar()
    {
        return m_pFrame->m_wndMenuBar;
    }
    // The texts of the visible menu buttons, in order.
    std::vector<CString> Visible()
    {
        std::vector<CString> texts;
        for (int i = 0; i < Bar().GetBtnCount(); i++)
        {
            SECStdBtn* pBtn = Bar().GetButton(i);
            if (pBtn->m_nType == SECStdBtn::BtnMenu && !pBtn->HasStyle(TBBS_HIDDEN))
                texts.push_back(static_cast<SECTBMenuBtn*>(pBtn)->m_strText);
        }
        return texts;
    }
    // The centre of the visible menu button with this text, on the screen.
    CPoint ButtonCentre(LPCTSTR lpszText)
    {
        for (int i = 0; i < Bar().GetBtnCount(); i++)
        {
            SECStdBtn* pBtn = Bar().GetButton(i);
            if (pBtn->m_nType == SECStdBtn::BtnMenu && !pBtn->HasStyle(TBBS_HIDDEN) &&
                static_cast<SECTBMenuBtn*>(pBtn)->m_strText == lpszText)
            {
                CRect rect;
                Bar().GetItemRect(i, rect);
                Bar().ClientToScreen(rect);
                return rect.CenterPoint();
            }
        }
        ADD_FAILURE() << "no visible button " << (LPCSTR)lpszText;
        return CPoint(0, 0);
    }
    CDocument* OpenDocument()
    {
        CDocument* pDoc = SecTestTemplate()->OpenDocumentFileEx(NULL, TRUE, FALSE, 0);
        Pump(50);
        return pDoc;
    }
    HMENU Shared()
    {
        return SecTestTemplate()->m_hMenuShared;
    }

    CMenuBarTestFrame* m_pFrame = nullptr;
};

const std::vector<CString> kFrameMenu = {_T("&Datei"), _T("&Ansicht"), _T("&Fenster")};
const std::vector<CString> kDocumentMenu = {_T("&Datei"), _T("&Dokument"), _T("&Fenster")};
} // namespace

TEST_F(MenuBarFrameTest, AltAndAMnemonicOpenThePopupFromTheBarAndItsCommandReachesTheFrame)
{
    ASSERT_NE(nullptr, m_pFrame->GetMenuBarFeature());
    EXPECT_EQ(nullptr, ::GetMenu(m_pFrame->m_hWnd)) << "no window menu beside the bar";
    PopupWatch watch;
    bool bEntered = false;
    watch.onTick = [&](HWND, HMENU hMenu) {
        // The first item is selected for the keyboard; Enter runs it.
        if (!bEntered && (::GetMenuState(hMenu, 0, MF_BYPOSITION) & MF_HILITE) != 0)
        {
            bEntered = true;
            Key(VK_RETURN, true);
            Key(VK_RETURN, false);
        }
    };
    Key(VK_MENU, true);
    Key('D', true);
    Key('D', false);
    Key(VK_MENU, false);
    EXPECT_TRUE(PumpFor([&] { return m_pFrame->m_nOpened == 1; }, 3000));
    ASSERT_EQ(1u, watch.seen.size());
    EXPECT_EQ(::GetSubMenu(m_pFrame->GetDefaultMenu(), 0), watch.seen[0]) << "the frame's own \"&Datei\"";
    EXPECT_FALSE(Bar().IsMenuMode());
}

TEST_F(MenuBarFrameTest, TheFrameAnswersForItsOwnTheDocumentsAndTheCurrentMenu)
{
    const UINT nMsg = ::RegisterWindowMessage(_T("WM_SECGETMENU"));
    HMENU hDefault = m_pFrame->GetDefaultMenu();
    ASSERT_NE(nullptr, hDefault);
    struct
    {
        WPARAM nMenu;
        LPARAM nPopup;
        HMENU hExpected;
    } const cases[] = {
        {IDR_MB_FRAME, 1, ::GetSubMenu(hDefault, 1)},
        {IDR_SECDOC_TYPE, 1, ::GetSubMenu(Shared(), 1)},
        {0, 2, ::GetSubMenu(hDefault, 2)},
        {IDR_MB_FRAME, 3, NULL},
        {4711, 0, NULL},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nMenu);
        EXPECT_EQ((LRESULT)c.hExpected, m_pFrame->SendMessage(nMsg, c.nMenu, c.nPopup));
    }
    OpenDocument();
    EXPECT_EQ((LRESULT)::GetSubMenu(Shared(), 1), m_pFrame->SendMessage(nMsg, 0, 1)) << "now the document's";
}

TEST_F(MenuBarFrameTest, TheBarShowsTheActiveChildsMenuAndTheChildListGoesIntoItsWindowPopup)
{
    EXPECT_EQ((UINT)IDR_MB_FRAME, Bar().GetCurrentMenuID());
    EXPECT_EQ(kFrameMenu, Visible());
    CDocument* pDoc = OpenDocument();
    ASSERT_NE(nullptr, pDoc);
    EXPECT_EQ((UINT)IDR_SECDOC_TYPE, Bar().GetCurrentMenuID());
    EXPECT_EQ(kDocumentMenu, Visible());
    HMENU hWindow = ::GetSubMenu(Shared(), 2);
    EXPECT_NE(0xFFFFFFFFu, ::GetMenuState(hWindow, AFX_IDM_FIRST_MDICHILD, MF_BYCOMMAND))
        << "the child list in the document menu's \"&Fenster\"";
    pDoc->OnCloseDocument();
    Pump(50);
    EXPECT_EQ((UINT)IDR_MB_FRAME, Bar().GetCurrentMenuID());
    EXPECT_EQ(kFrameMenu, Visible());
}

TEST_F(MenuBarFrameTest, AMaximisedChildsIconAndCaptionButtonsFollowTheActiveChild)
{
    CDocument* pFirst = OpenDocument();
    CMDIChildWnd* pFirstFrame = (CMDIChildWnd*)CSecMdiFixture::FrameOf(pFirst);
    ASSERT_NE(nullptr, pFirstFrame);
    EXPECT_TRUE(Bar().GetCaptionButtons().HasStyle(TBBS_HIDDEN));
    EXPECT_TRUE(Bar().GetSysMenuButton().HasStyle(TBBS_HIDDEN));
    HICON hFirstIcon = ::LoadIcon(NULL, IDI_WARNING), hSecondIcon = ::LoadIcon(NULL, IDI_QUESTION);
    pFirstFrame->SendMessage(WM_SETICON, ICON_BIG, (LPARAM)hFirstIcon);
    m_pFrame->MDIMaximize(pFirstFrame);
    Pump(50);
    EXPECT_FALSE(Bar().GetCaptionButtons().HasStyle(TBBS_HIDDEN));
    EXPECT_FALSE(Bar().GetSysMenuButton().HasStyle(TBBS_HIDDEN));
    EXPECT_EQ(hFirstIcon, Bar().GetSysMenuButton().m_hIcon);
    EXPECT_EQ(kDocumentMenu, Visible());

    // A second child opens maximised; switching between the two brings each one's icon.
    CDocument* pSecond = OpenDocument();
    CMDIChildWnd* pSecondFrame = (CMDIChildWnd*)CSecMdiFixture::FrameOf(pSecond);
    ASSERT_NE(nullptr, pSecondFrame);
    pSecondFrame->SendMessage(WM_SETICON, ICON_BIG, (LPARAM)hSecondIcon);
    m_pFrame->MDIActivate(pFirstFrame);
    Pump(30);
    m_pFrame->MDIActivate(pSecondFrame);
    Pump(30);
    ASSERT_TRUE(pSecondFrame->IsZoomed());
    EXPECT_EQ(hSecondIcon, Bar().GetSysMenuButton().m_hIcon);
    m_pFrame->MDIActivate(pFirstFrame);
    Pump(30);
    EXPECT_EQ(hFirstIcon, Bar().GetSysMenuButton().m_hIcon);
    EXPECT_FALSE(Bar().GetCaptionButtons().HasStyle(TBBS_HIDDEN));

    // Restored: both buttons go; a child closed while maximised takes them along too.
    m_pFrame->MDIRestore(pFirstFrame);
    Pump(30);
    EXPECT_TRUE(Bar().GetCaptionButtons().HasStyle(TBBS_HIDDEN));
    EXPECT_TRUE(Bar().GetSysMenuButton().HasStyle(TBBS_HIDDEN));
    m_pFrame->MDIMaximize(pFirstFrame);
    Pump(30);
    ASSERT_FALSE(Bar().GetCaptionButtons().HasStyle(TBBS_HIDDEN));
    pFirst->OnCloseDocument();
    pSecond->OnCloseDocument();
    Pump(50);
    EXPECT_TRUE(Bar().GetCaptionButtons().HasStyle(TBBS_HIDDEN));
    EXPECT_TRUE(Bar().GetSysMenuButton().HasStyle(TBBS_HIDDEN));
    EXPECT_EQ(kFrameMenu, Visible());
}

namespace
{
// Moves the real cursor near a point (step 0) and onto it (step 1): the popup's first move only
// sets where the mouse was.
void MoveStep(CPoint pt, int nStep)
{
    CPoint ptTo(pt.x - (nStep == 0 ? 3 : 0), pt.y);
    drag_input::SendMouse(0, &ptTo);
}

void Click(CPoint pt)
{
    drag_input::SendMouse(0, &pt);
    drag_input::SendMouse(MOUSEEVENTF_LEFTDOWN);
    drag_input::SendMouse(MOUSEEVENTF_LEFTUP);
}

void DoubleClick(CPoint pt)
{
    Click(pt);
    drag_input::SendMouse(MOUSEEVENTF_LEFTDOWN);
    drag_input::SendMouse(MOUSEEVENTF_LEFTUP);
}

// A point in the middle of the MDI client, away from the bar and its popups.
CPoint ClientPoint(SECMDIFrameWnd* pFrame)
{
    CRect rect;
    ::GetWindowRect(pFrame->m_hWndMDIClient, &rect);
    return CPoint(rect.right - 60, rect.bottom - 40);
}

// Red and other pixels of the open popup's window.
struct PopupPixels
{
    int nRed = 0;
    int nGreen = 0;
    int xFirstRed = -1;
    bool bRead = false;

    void Read(HWND hPopup)
    {
        ::UpdateWindow(hPopup);
        RECT rc;
        ::GetClientRect(hPopup, &rc);
        HDC hDC = ::GetDC(hPopup);
        for (int y = 0; y < rc.bottom; y++)
            for (int x = 0; x < rc.right; x++)
            {
                const COLORREF c = ::GetPixel(hDC, x, y);
                if (c == RGB(0xFF, 0, 0))
                {
                    nRed++;
                    if (xFirstRed < 0 || x < xFirstRed)
                        xFirstRed = x;
                }
                nGreen += c == RGB(0, 0xC0, 0);
            }
        ::ReleaseDC(hPopup, hDC);
        bRead = true;
    }
};
} // namespace

TEST_F(MenuBarFrameTest, BitmapMenusShowTheToolbarImagesInPopupsOfTheBarAndOfTheWindowMenu)
{
    for (BOOL bMenuBar : {TRUE, FALSE})
    {
        SCOPED_TRACE(bMenuBar ? "menu bar" : "window menu");
        Make(bMenuBar, TRUE);
        ASSERT_TRUE(m_pFrame->AddMenuImages(IDR_MB_TOOLBAR));
        EXPECT_EQ(bMenuBar != FALSE, m_pFrame->GetMenuBarFeature() != nullptr);
        EXPECT_EQ(bMenuBar == FALSE, ::GetMenu(m_pFrame->m_hWnd) != NULL);
        PopupPixels pixels;
        PopupWatch watch;
        watch.onTick = [&](HWND hPopup, HMENU) {
            if (!pixels.bRead)
                pixels.Read(hPopup);
            ::EndMenu();
        };
        Key(VK_MENU, true);
        Key('D', true);
        Key('D', false);
        Key(VK_MENU, false);
        EXPECT_TRUE(PumpFor([&] { return pixels.bRead; }, 3000));
        Pump(50);
        EXPECT_EQ(10 * 9, pixels.nRed) << "the image of \"&Öffnen\"";
        EXPECT_EQ(0, pixels.nGreen) << "\"&Speichern\" has no handler: disabled, its image embossed";
        EXPECT_GE(pixels.xFirstRed, 3);
        EXPECT_LE(pixels.xFirstRed, 8) << "in the image column";
    }
}

TEST_F(MenuBarFrameTest, TheBarTakesTheMaximisedChildsButtonsOverFromTheCaptionButtonFilter)
{
    for (BOOL bMenuBar : {TRUE, FALSE})
    {
        SCOPED_TRACE(bMenuBar);
        Make(bMenuBar, FALSE);
        SECMsgFilter* pList =
            m_pFrame->GetMsgFilter()->FindOrCreateFilter(SECMDIFrameWnd::filterButtonList, NULL, -1);
        ASSERT_NE(nullptr, pList);
        EXPECT_EQ(bMenuBar == FALSE, pList->IsEnabled() != FALSE);
    }
}

TEST_F(MenuBarFrameTest, WithoutBitmapMenusTheWindowMenuStaysTheSystemsAndTheFrameHasNoPlugIn)
{
    Make(FALSE, FALSE);
    EXPECT_EQ(nullptr, m_pFrame->m_pMenuPlugIn);
    EXPECT_FALSE(m_pFrame->AddMenuImages(IDR_MB_TOOLBAR));
    const UINT nMsg = ::RegisterWindowMessage(_T("WM_SECGETMENU"));
    EXPECT_EQ((LRESULT)::GetSubMenu(::GetMenu(m_pFrame->m_hWnd), 1), m_pFrame->SendMessage(nMsg, 0, 1))
        << "the window's menu is the current one";
}

TEST_F(MenuBarFrameTest, AFrameLayingTheBarOutLaterOnlyMarksItsIdleFlagsOnASwitch)
{
    OpenDocument();
    m_pFrame->m_bDelayMenuBarLayout = TRUE;
    m_pFrame->m_nIdleFlags = 0;
    m_pFrame->m_nLayouts = 0;
    m_pFrame->SwitchMenuBarMenu((UINT)-1);
    EXPECT_EQ(kFrameMenu, Visible());
    EXPECT_EQ((UINT)(idleNotify | idleLayout), m_pFrame->m_nIdleFlags & (idleNotify | idleLayout));
    EXPECT_EQ(0, m_pFrame->m_nLayouts) << "not laid out yet";

    m_pFrame->m_bDelayMenuBarLayout = FALSE;
    m_pFrame->m_nIdleFlags = 0;
    m_pFrame->SwitchMenuBarMenu(IDR_SECDOC_TYPE);
    EXPECT_EQ(kDocumentMenu, Visible());
    EXPECT_EQ(0u, m_pFrame->m_nIdleFlags & (idleNotify | idleLayout));
    EXPECT_GE(m_pFrame->m_nLayouts, 1) << "laid out at once";
}

TEST_F(MenuBarFrameTest, ABarFloatingAsAnMDIChildShowsTheDocumentsMenu)
{
    SECControlBar* pBar = new SECControlBar;
    pBar->m_szDefault = CSize(120, 60);
    ASSERT_TRUE(pBar->Create(m_pFrame, _T("Leiste"), WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, 0x600));
    pBar->m_bAutoDelete = TRUE;
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->FloatControlBarInMDIChild(pBar, CPoint(-1, -1), CBRS_ALIGN_TOP);
    CMDIChildWnd* pChild = DYNAMIC_DOWNCAST(CMDIChildWnd, pBar->GetParentFrame());
    ASSERT_NE(nullptr, pChild);
    m_pFrame->MDIActivate(pChild);
    Pump(30);
    EXPECT_EQ((UINT)IDR_SEC_BAR_MDICHILD, Bar().GetCurrentMenuID());
    EXPECT_EQ(kDocumentMenu, Visible()) << "the menu of the application's document type";
    EXPECT_EQ(Bar().GetMenuBit(IDR_SECDOC_TYPE), Bar().GetCurrentMenuBit());
}

TEST_F(MenuBarFrameTest, TheMouseSwitchesPopupsAlongTheBarAndAClickElsewhereEndsTheMenu)
{
    HMENU hDefault = m_pFrame->GetDefaultMenu();
    const CPoint ptView = ButtonCentre(_T("&Ansicht")), ptWindow = ButtonCentre(_T("&Fenster"));
    const CPoint ptElsewhere = ClientPoint(m_pFrame);
    drag_input::SendMouse(0, &ptElsewhere);
    Pump(50);
    PopupWatch watch;
    int nMoves = 0;
    watch.onTick = [&](HWND, HMENU hMenu) {
        // Slide along the bar a tick at a time (moves queued together merge), then click beside
        // the popups.
        if (hMenu == ::GetSubMenu(hDefault, 0) && watch.seen.size() == 1 && nMoves < 2)
            MoveStep(ptView, nMoves++);
        else if (hMenu == ::GetSubMenu(hDefault, 1) && watch.seen.size() == 2 && nMoves < 4)
            MoveStep(ptWindow, nMoves++ - 2);
        else if (hMenu == ::GetSubMenu(hDefault, 2) && watch.seen.size() == 3)
        {
            watch.seen.push_back(NULL); // done once
            Click(ptElsewhere);
        }
    };
    Key(VK_MENU, true);
    Key('D', true);
    Key('D', false);
    Key(VK_MENU, false);
    PumpFor([&] { return watch.seen.size() == 4 && ::FindWindow(_T("#32768"), NULL) == NULL; }, 4000);
    const std::vector<HMENU> expected = {::GetSubMenu(hDefault, 0), ::GetSubMenu(hDefault, 1),
                                         ::GetSubMenu(hDefault, 2), NULL};
    EXPECT_EQ(expected, watch.seen);
    Pump(100);
    HWND hPopup = ::FindWindow(_T("#32768"), NULL);
    EXPECT_TRUE(hPopup == NULL || !::IsWindowVisible(hPopup)) << "the click closed the popup";
    EXPECT_FALSE(Bar().IsMenuMode());
}

TEST_F(MenuBarFrameTest, AClickElsewhereEndsMenuModeAndKeysReachTheWindowsAgain)
{
    Key(VK_MENU, true);
    Key(VK_MENU, false);
    Pump(100);
    ASSERT_TRUE(Bar().IsMenuMode());
    s_keysQueued.clear();
    Key(VK_F5, true);
    Key(VK_F5, false);
    Pump(50);
    EXPECT_TRUE(s_keysQueued.empty()) << "menu mode takes the keys";
    Click(ClientPoint(m_pFrame));
    Pump(100);
    EXPECT_FALSE(Bar().IsMenuMode());
    s_keysQueued.clear();
    Key(VK_F5, true);
    Key(VK_F5, false);
    Pump(50);
    EXPECT_EQ(std::vector<WPARAM>{VK_F5}, s_keysQueued) << "no keyboard hook left behind";
}

TEST_F(MenuBarFrameTest, AClickOnTheFramesIconClosesItsOpenSystemMenuWithoutOpeningItAgain)
{
    CRect rectWindow;
    m_pFrame->GetWindowRect(&rectWindow);
    const CPoint ptIcon(rectWindow.left + ::GetSystemMetrics(SM_CXFRAME) + ::GetSystemMetrics(SM_CXSIZE) / 2,
                        rectWindow.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYSIZE) / 2);
    PopupWatch watch;
    watch.ullGiveUp = NowMs() + 3000;
    watch.onTick = [&](HWND, HMENU) {
        if (watch.seen.size() == 1)
        {
            watch.seen.push_back(NULL); // done once
            Click(ptIcon);
        }
    };
    Key(VK_MENU, true);
    Key(VK_SPACE, true);
    Key(VK_SPACE, false);
    Key(VK_MENU, false);
    PumpFor([&] { return watch.seen.size() == 2 && ::FindWindow(_T("#32768"), NULL) == NULL; }, 2000);
    Pump(200);
    ASSERT_EQ(2u, watch.seen.size()) << "not opened again";
    EXPECT_EQ(::GetSystemMenu(m_pFrame->m_hWnd, FALSE), watch.seen[0]);
    EXPECT_LT(NowMs(), watch.ullGiveUp);
    EXPECT_TRUE(m_pFrame->m_sysCommands.empty());
    HWND hPopup = ::FindWindow(_T("#32768"), NULL);
    EXPECT_TRUE(hPopup == NULL || !::IsWindowVisible(hPopup));
}

TEST_F(MenuBarFrameTest, AltSpaceOpensTheFramesSystemMenuAndADoubleClickOnTheIconRunsItsDefault)
{
    HMENU hSystem = ::GetSystemMenu(m_pFrame->m_hWnd, FALSE);
    CRect rectWindow;
    m_pFrame->GetWindowRect(&rectWindow);
    // The icon at the caption's left.
    const CPoint ptIcon(rectWindow.left + ::GetSystemMetrics(SM_CXFRAME) + ::GetSystemMetrics(SM_CXSIZE) / 2,
                        rectWindow.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYSIZE) / 2);
    PopupWatch watch;
    watch.onTick = [&](HWND, HMENU) {
        if (watch.seen.size() == 1)
        {
            watch.seen.push_back(NULL); // done once
            DoubleClick(ptIcon);
        }
    };
    Key(VK_MENU, true);
    Key(VK_SPACE, true);
    Key(VK_SPACE, false);
    Key(VK_MENU, false);
    PumpFor([&] { return !m_pFrame->m_sysCommands.empty(); }, 3000);
    Pump(100);
    ASSERT_EQ(2u, watch.seen.size());
    EXPECT_EQ(hSystem, watch.seen[0]);
    EXPECT_EQ(std::vector<UINT>{SC_CLOSE}, m_pFrame->m_sysCommands) << "once, the default item";
    HWND hPopup = ::FindWindow(_T("#32768"), NULL);
    EXPECT_TRUE(hPopup == NULL || !::IsWindowVisible(hPopup)) << "the menu is closed";
}

TEST_F(MenuBarFrameTest, TheMaximisedChildsIconOnTheBarDropsTheChildsMenuWhoseCommandsAreTheChilds)
{
    CMDIChildWnd* pChild = (CMDIChildWnd*)CSecMdiFixture::FrameOf(OpenDocument());
    ASSERT_NE(nullptr, pChild);
    m_pFrame->MDIMaximize(pChild);
    Pump(50);
    SECCapMenuBtn& btn = Bar().GetSysMenuButton();
    ASSERT_FALSE(btn.HasStyle(TBBS_HIDDEN));
    CPoint ptIcon(btn.m_x + btn.m_cx / 2, btn.m_y + btn.m_cy / 2);
    Bar().ClientToScreen(&ptIcon);
    const HWND hChild = pChild->m_hWnd;
    HMENU hChildMenu = ::GetSystemMenu(hChild, FALSE);
    // The close item, chosen with the keyboard.
    int nClose = -1;
    for (int i = 0; i < ::GetMenuItemCount(hChildMenu); i++)
        if (::GetMenuItemID(hChildMenu, i) == SC_CLOSE)
            nClose = i;
    ASSERT_GE(nClose, 0);
    PopupWatch watch;
    bool bChosen = false;
    watch.onTick = [&](HWND, HMENU hMenu) {
        if ((::GetMenuState(hMenu, (UINT)nClose, MF_BYPOSITION) & MF_HILITE) != 0 && !bChosen)
        {
            bChosen = true;
            Key(VK_RETURN, true);
            Key(VK_RETURN, false);
        }
        else if (!bChosen)
        {
            Key(VK_DOWN, true);
            Key(VK_DOWN, false);
        }
    };
    Click(ptIcon);
    PumpFor([&] { return !::IsWindow(hChild); }, 4000);
    Pump(50);
    ASSERT_FALSE(watch.seen.empty());
    EXPECT_EQ(hChildMenu, watch.seen[0]) << "the child's own system menu";
    EXPECT_FALSE(::IsWindow(hChild)) << "its close item closed the child";
    EXPECT_TRUE(m_pFrame->m_sysCommands.empty()) << "and nothing of it reached the frame";
    EXPECT_EQ(kFrameMenu, Visible());
}

TEST_F(MenuBarFrameTest, ADoubleClickOnTheMaximisedChildsIconClosesTheChild)
{
    CDocument* pOther = OpenDocument();
    CMDIChildWnd* pChild = (CMDIChildWnd*)CSecMdiFixture::FrameOf(OpenDocument());
    ASSERT_NE(nullptr, pChild);
    m_pFrame->MDIMaximize(pChild);
    Pump(50);
    SECCapMenuBtn& btn = Bar().GetSysMenuButton();
    ASSERT_FALSE(btn.HasStyle(TBBS_HIDDEN));
    CPoint ptIcon(btn.m_x + btn.m_cx / 2, btn.m_y + btn.m_cy / 2);
    Bar().ClientToScreen(&ptIcon);
    const HWND hChild = pChild->m_hWnd, hOther = CSecMdiFixture::FrameOf(pOther)->m_hWnd;
    PopupWatch watch;
    watch.ullGiveUp = NowMs() + 3000;
    DoubleClick(ptIcon);
    PumpFor([&] { return !::IsWindow(hChild); }, 3000);
    Pump(100);
    EXPECT_LT(NowMs(), watch.ullGiveUp) << "the second press closed the menu the first one dropped";
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_TRUE(::IsWindow(hOther)) << "only the child whose icon it was";
    EXPECT_TRUE(m_pFrame->m_sysCommands.empty());
    HWND hPopup = ::FindWindow(_T("#32768"), NULL);
    EXPECT_TRUE(hPopup == NULL || !::IsWindowVisible(hPopup));
}

TEST_F(MenuBarFrameTest, TheBarsContextMenuFloatsItAsAnMDIChildAndDocksItBack)
{
    SECControlBar* pBar = new SECControlBar;
    pBar->m_szDefault = CSize(120, 80);
    ASSERT_TRUE(pBar->Create(m_pFrame, _T("Leiste"), WS_CHILD | WS_VISIBLE | CBRS_LEFT, 0, 0x610));
    pBar->m_bAutoDelete = TRUE;
    pBar->m_dwExStyle |= BAR_EX_CONTEXT_MENU | 0x20;
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    Pump(50);
    CDockBar* pLeft = pBar->m_pDockBar;
    ASSERT_NE(nullptr, pLeft);

    // Right click on the bar, the last item of its menu (the one the frame added).
    struct MenuSeen
    {
        bool bFloatItem = false;
        bool bChecked = false;
        bool bHideGreyed = false;
    };
    auto chooseFloatItem = [&](MenuSeen& seen) {
        CRect rect;
        pBar->GetWindowRect(&rect);
        const CPoint pt = rect.CenterPoint();
        PopupWatch watch;
        watch.onTick = [&](HWND, HMENU hMenu) {
            if (watch.seen.size() != 1)
                return;
            watch.seen.push_back(NULL);
            const int nCount = ::GetMenuItemCount(hMenu);
            seen.bFloatItem = ::GetMenuItemID(hMenu, nCount - 1) == ID_SEC_FLOAT_AS_MDICHILD;
            seen.bChecked = (::GetMenuState(hMenu, ID_SEC_FLOAT_AS_MDICHILD, MF_BYCOMMAND) & MF_CHECKED) != 0;
            seen.bHideGreyed = (::GetMenuState(hMenu, 43040, MF_BYCOMMAND) & MF_GRAYED) != 0;
            Key(VK_UP, true);
            Key(VK_UP, false);
            Key(VK_RETURN, true);
            Key(VK_RETURN, false);
        };
        drag_input::SendMouse(0, &pt);
        drag_input::SendMouse(MOUSEEVENTF_RIGHTDOWN);
        drag_input::SendMouse(MOUSEEVENTF_RIGHTUP);
        PumpFor([&] { return watch.seen.size() == 2; }, 3000);
        Pump(150);
    };
    MenuSeen first;
    chooseFloatItem(first);
    EXPECT_TRUE(first.bFloatItem);
    EXPECT_FALSE(first.bChecked);
    ASSERT_TRUE(pBar->IsFloatingAsMDIChild());
    EXPECT_TRUE(pBar->GetParentFrame()->IsKindOf(RUNTIME_CLASS(SECControlBarMDIChildWnd)));

    MenuSeen second;
    chooseFloatItem(second);
    EXPECT_TRUE(second.bFloatItem);
    EXPECT_TRUE(second.bChecked);
    EXPECT_TRUE(second.bHideGreyed);
    EXPECT_FALSE(pBar->IsFloatingAsMDIChild());
    EXPECT_EQ(pLeft, pBar->m_pDockBar) << "back at its old place";
}

namespace
{
// The single-document frame with a menu bar.
class CSdiMenuBarFrame : public SECFrameWnd
{
  public:
    CSdiMenuBarFrame()
    {
        m_pMenuBar = &m_wndMenuBar;
    }
    SECMenuBar m_wndMenuBar;

  protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (SECFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        if (!m_wndMenuBar.CreateEx(0, this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, kMenuBarID, _T("Menü")))
            return -1;
        m_wndMenuBar.LoadMenus(1, IDR_MB_FRAME);
        m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndMenuBar, AFX_IDW_DOCKBAR_TOP);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSdiMenuBarFrame, SECFrameWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()
} // namespace

TEST(SdiMenuBarFrame, TheSingleDocumentFrameServesItsMenuBarToo)
{
    CSdiMenuBarFrame* pFrame = new CSdiMenuBarFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MB_FRAME, WS_OVERLAPPEDWINDOW));
    pFrame->SetWindowPos(NULL, 80, 80, 500, 300, SWP_NOZORDER);
    CWnd* pOldMain = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = pFrame;
    pFrame->ShowWindow(SW_SHOW);
    pFrame->SetForegroundWindow();
    pFrame->SetFocus();
    pFrame->RecalcLayout();
    Pump(100);
    EXPECT_EQ(nullptr, ::GetMenu(pFrame->m_hWnd));
    ASSERT_NE(nullptr, pFrame->m_pMenuFeature);
    HMENU hMenu = pFrame->GetDefaultMenu();
    const UINT nMsg = ::RegisterWindowMessage(_T("WM_SECGETMENU"));
    EXPECT_EQ((LRESULT)::GetSubMenu(hMenu, 1), pFrame->SendMessage(nMsg, IDR_MB_FRAME, 1));
    EXPECT_EQ((LRESULT)::GetSubMenu(hMenu, 2), pFrame->SendMessage(nMsg, 0, 2));
    EXPECT_EQ(0, pFrame->SendMessage(nMsg, 4711, 0));
    {
        PopupWatch watch;
        watch.onTick = [&](HWND, HMENU) { ::EndMenu(); };
        Key(VK_MENU, true);
        Key('A', true);
        Key('A', false);
        Key(VK_MENU, false);
        PumpFor([&] { return !watch.seen.empty(); }, 3000);
        Pump(50);
        ASSERT_EQ(1u, watch.seen.size());
        EXPECT_EQ(::GetSubMenu(hMenu, 1), watch.seen[0]) << "\"&Ansicht\" from the bar";
    }
    AfxGetApp()->m_pMainWnd = pOldMain;
    pFrame->DestroyWindow();
    Pump(20);
}

TEST_F(MenuBarFrameTest, WithBitmapMenusTheMenuPlugInSharesTheToolbarManagersImages)
{
    for (BOOL bBmpMenus : {TRUE, FALSE})
    {
        SCOPED_TRACE(bBmpMenus);
        Destroy();
        SECToolBarManager manager;
        ASSERT_NE(nullptr, manager.GetBmpMgr());
        m_pFrame = new CMenuBarTestFrame(TRUE, bBmpMenus);
        m_pFrame->SetControlBarManager(&manager);
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MB_FRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        SECBmpMenuPlugIn* pPlugIn = DYNAMIC_DOWNCAST(SECBmpMenuPlugIn, m_pFrame->m_pMenuPlugIn);
        ASSERT_NE(nullptr, pPlugIn);
        EXPECT_EQ(bBmpMenus != FALSE, pPlugIn->GetBitmapManager() == manager.GetBmpMgr());
        m_pFrame->SetControlBarManager(NULL);
        Destroy();
    }
}

TEST_F(MenuBarFrameTest, WhenTheLastChildClosesADockedDocumentFrameTakesOverWithItsMenu)
{
    CDocument* pDocked = SecTestTemplate()->OpenDocumentFileEx(NULL, TRUE, TRUE, 0);
    ASSERT_NE(nullptr, pDocked);
    Pump(50);
    CFrameWnd* pDockedFrame = CSecMdiFixture::FrameOf(pDocked);
    ASSERT_TRUE(pDockedFrame->IsKindOf(RUNTIME_CLASS(SECDockableFrame)));
    CDocument* pDoc = OpenDocument();
    ASSERT_NE(nullptr, pDoc);
    m_pFrame->ActivateDockableFrame(NULL, TRUE);
    m_pFrame->MDIActivate(CSecMdiFixture::FrameOf(pDoc));
    Pump(30);
    ASSERT_EQ(nullptr, m_pFrame->m_pActiveDockableFrame);
    // The frame's own menu shows for a moment so that the switch back is seen.
    m_pFrame->SwitchMenuBarMenu((UINT)-1);
    ASSERT_EQ(kFrameMenu, Visible());
    pDoc->OnCloseDocument();
    Pump(50);
    EXPECT_EQ(pDockedFrame, m_pFrame->m_pActiveDockableFrame);
    EXPECT_EQ((UINT)IDR_SECDOC_TYPE, Bar().GetCurrentMenuID());
    EXPECT_EQ(kDocumentMenu, Visible());
}

namespace
{
// The press a timer sends once help mode runs.
struct HelpModeInput
{
    CFrameWnd* pFrame;
    CPoint pt;
    bool bSent;
};
HelpModeInput s_helpInput;

void CALLBACK SendWhenHelpModeRuns(HWND, UINT, UINT_PTR nID, DWORD)
{
    if (s_helpInput.bSent || s_helpInput.pFrame->m_bHelpMode != CFrameWnd::HELP_ACTIVE)
        return;
    ::KillTimer(NULL, nID);
    s_helpInput.bSent = true;
    Click(s_helpInput.pt);
}

// Ends a help loop that missed its input, so a failure does not hang the test program.
void CALLBACK EndHelpModeWatchdog(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(NULL, nID);
    if (s_helpInput.pFrame->m_bHelpMode != CFrameWnd::HELP_INACTIVE)
        s_helpInput.pFrame->ExitHelpMode();
}
} // namespace

TEST_F(MenuBarFrameTest, InHelpModeAPressOnTheBarsButtonsAsksForTheirHelp)
{
    CMDIChildWnd* pChild = (CMDIChildWnd*)CSecMdiFixture::FrameOf(OpenDocument());
    ASSERT_NE(nullptr, pChild);
    m_pFrame->MDIMaximize(pChild);
    Pump(50);
    SECBtnCaption& caption = Bar().GetCaptionButtons();
    ASSERT_FALSE(caption.HasStyle(TBBS_HIDDEN));
    const int cxPart = ::GetSystemMetrics(SM_CXSIZE) - 2, cyPart = ::GetSystemMetrics(SM_CYSIZE) - 4;
    auto onBar = [&](int x, int y) {
        CPoint pt(x, y);
        Bar().ClientToScreen(&pt);
        return pt;
    };
    const CPoint ptFile = ButtonCentre(_T("&Datei"));
    struct
    {
        CPoint pt;
        std::vector<DWORD_PTR> expected;
    } const cases[] = {
        {onBar(caption.m_x + cxPart / 2, caption.m_y + cyPart / 2), {0x1EF02}},
        {onBar(caption.m_x + cxPart + cxPart / 2, caption.m_y + cyPart / 2), {0x1EF12}},
        {onBar(caption.m_x + 2 * cxPart + 2 + cxPart / 2, caption.m_y + cyPart / 2), {0x1EF06}},
        {ptFile, {HID_BASE_NCAREAS}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << c.pt.x << "," << c.pt.y);
        m_pFrame->m_helpAsked.clear();
        s_helpInput = {m_pFrame, c.pt, false};
        const UINT_PTR nTimer = ::SetTimer(NULL, 0, 20, SendWhenHelpModeRuns);
        const UINT_PTR nWatchdog = ::SetTimer(NULL, 0, 2500, EndHelpModeWatchdog);
        m_pFrame->PostMessage(WM_COMMAND, ID_CONTEXT_HELP);
        EXPECT_TRUE(PumpFor([] { return s_helpInput.bSent; }, 3000));
        Pump(150);
        EXPECT_TRUE(PumpFor([&] { return m_pFrame->m_bHelpMode == CFrameWnd::HELP_INACTIVE; }, 3000));
        ::KillTimer(NULL, nTimer);
        ::KillTimer(NULL, nWatchdog);
        if (m_pFrame->m_bHelpMode != CFrameWnd::HELP_INACTIVE)
            m_pFrame->ExitHelpMode();
        Pump(50);
        EXPECT_EQ(c.expected, m_pFrame->m_helpAsked);
        EXPECT_TRUE(::IsWindow(pChild->m_hWnd)) << "no caption button ran";
    }
}

TEST_F(MenuBarFrameTest, TakingAllBorderSpaceAwayLeavesTheMenuBarShown)
{
    CRect rectNone(0, 0, 0, 0);
    EXPECT_TRUE(m_pFrame->NegotiateBorderSpace(2, &rectNone));
    Bar().DelayShow(FALSE);
    EXPECT_TRUE(Bar().IsVisible()) << "the first hide request after it is ignored";
    Bar().DelayShow(FALSE);
    EXPECT_FALSE(Bar().IsVisible()) << "only the first";
    Bar().DelayShow(TRUE);
    // Other border space leaves the bar's hide requests alone.
    CRect rectSome(0, 20, 0, 0);
    m_pFrame->NegotiateBorderSpace(2, &rectSome);
    Bar().DelayShow(FALSE);
    EXPECT_FALSE(Bar().IsVisible());
    Bar().DelayShow(TRUE);
}

// A form view of the document type whose button "&Dokument prüfen" shares the mnemonic D with
// the bar's "&Datei" and "&Dokument".
class CMbFormView : public CFormView
{
    DECLARE_DYNCREATE(CMbFormView)

  public:
    CMbFormView() : CFormView(IDD_MB_FORM)
    {
    }
    int m_nClicked = 0;

  protected:
    afx_msg void OnButton()
    {
        m_nClicked++;
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CMbFormView, CFormView)
BEGIN_MESSAGE_MAP(CMbFormView, CFormView)
ON_BN_CLICKED(IDC_MB_FORM_BUTTON, OnButton)
END_MESSAGE_MAP()

namespace
{
SECMultiDocTemplate* FormTemplate()
{
    static SECMultiDocTemplate* pTemplate = [] {
        SECMultiDocTemplate* p = new SECMultiDocTemplate(IDR_SECDOC_TYPE, RUNTIME_CLASS(CSecTestDoc), NULL,
                                                         RUNTIME_CLASS(CMbFormView));
        p->LoadTemplate();
        return p;
    }();
    return pTemplate;
}
} // namespace

TEST_F(MenuBarFrameTest, AltAndTheMnemonicOfAFormViewsButtonReachTheButtonAndOthersStillTheBar)
{
    CDocument* pDoc = FormTemplate()->OpenDocumentFileEx(NULL, TRUE, FALSE, 0);
    ASSERT_NE(nullptr, pDoc);
    Pump(100);
    POSITION pos = pDoc->GetFirstViewPosition();
    CMbFormView* pView = static_cast<CMbFormView*>(pDoc->GetNextView(pos));
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(kDocumentMenu, Visible()) << "the bar's own D buttons compete";
    pView->GetDlgItem(IDC_MB_FORM_EDIT)->SetFocus();
    Pump(50);
    {
        PopupWatch watch;
        watch.onTick = [](HWND, HMENU) { ::EndMenu(); };
        Key(VK_MENU, true);
        Key('D', true);
        Key('D', false);
        Key(VK_MENU, false);
        EXPECT_TRUE(PumpFor([&] { return pView->m_nClicked > 0; }, 1500));
        Pump(200);
        EXPECT_EQ(1, pView->m_nClicked) << "the form's button took its mnemonic";
        EXPECT_TRUE(watch.seen.empty()) << "no popup of the bar dropped";
        EXPECT_FALSE(Bar().IsMenuMode()) << "releasing Alt after the mnemonic left the bar alone";
    }
    {
        // A letter no control of the form carries still drops the bar's popup.
        PopupWatch watch;
        watch.onTick = [](HWND, HMENU) { ::EndMenu(); };
        Key(VK_MENU, true);
        Key('F', true);
        Key('F', false);
        Key(VK_MENU, false);
        EXPECT_TRUE(PumpFor([&] { return !watch.seen.empty(); }, 1500));
        ASSERT_FALSE(watch.seen.empty());
        EXPECT_EQ(::GetSubMenu(Shared(), 2), watch.seen[0]) << "the document menu's \"&Fenster\"";
        EXPECT_EQ(1, pView->m_nClicked);
    }
    if (Bar().IsMenuMode())
        Bar().ExitMenuMode();
    FormTemplate()->CloseAllDocuments(FALSE);
    Pump(50);
}
