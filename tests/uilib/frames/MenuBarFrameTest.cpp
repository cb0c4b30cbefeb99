// The MDI frame with a menu bar: keys and the mouse reach the bar through the frame, popups come
// from the frame's menus, the bar follows the active child (menus, a maximised child's icon and
// caption buttons, the child list) and bitmap menus show toolbar images.
#include "SecMdiFixture.h"
#include "uilib/bars/MDIMenuBar.h"
#include "uilib/bars/MenuBarFeature.h"
#include "uilib/bars/TBMenuBtn.h"
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
    explicit CMenuBarTestFrame(BOOL bBmpMenus)
    {
        m_pMenuBar = &m_wndMenuBar;
        EnableBmpMenus(bBmpMenus);
    }

    SECMDIMenuBar m_wndMenuBar;
    int m_nOpened = 0;
    std::vector<UINT> m_sysCommands; // taken instead of run

  protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (SECMDIFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
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

// The application's pump: every message through the frame's PreTranslateMessage walk first.
void Pump(DWORD ms)
{
    const ULONGLONG until = NowMs() + ms;
    for (;;)
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
            if (!AfxGetThread()->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessage(&msg);
            }
        const ULONGLONG now = NowMs();
        if (now >= until)
            break;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, (DWORD)(until - now), QS_ALLINPUT);
    }
}

bool PumpFor(const std::function<bool()>& done, DWORD ms)
{
    const ULONGLONG until = NowMs() + ms;
    while (!done() && NowMs() < until)
        Pump(20);
    return done();
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
    void Make(BOOL bBmpMenus)
    {
        SecTestTemplate();
        m_pFrame = new CMenuBarTestFrame(bBmpMenus);
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
        Make(FALSE);
    }
    void TearDown() override
    {
        if (m_pFrame->m_wndMenuBar.IsMenuMode())
            m_pFrame->m_wndMenuBar.ExitMenuMode();
        SecTestTemplate()->CloseAllDocuments(FALSE);
        Pump(20);
        AfxGetApp()->m_pMainWnd = NULL;
        m_pFrame->DestroyWindow();
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
