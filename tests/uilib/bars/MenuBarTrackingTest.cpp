// Keyboard access to the menu bar through the feature plugged into a frame: Alt alone, Alt again,
// an F10 accelerator, Alt+letter dropping a popup with its first item selected.
#include "BarsTestApp.h"
#include "TestSupport.h"
#include "uilib/bars/MenuBar.h"
#include "uilib/bars/MenuBarFeature.h"
#include "uilib/bars/TBMenuBtn.h"
#include <gtest/gtest.h>
#include <map>

using namespace testing_support;

namespace
{
// A frame that hands its messages to the feature first and answers the popup requests from
// its own copies of the menus.
class CMenuBarHost : public CFrameWnd
{
  public:
    SECMenuBarFeature* m_pFeature = nullptr;
    std::map<UINT, HMENU> m_menus;
    ~CMenuBarHost() override
    {
        for (auto& m : m_menus)
            ::DestroyMenu(m.second);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (m_pFeature != nullptr && m_pFeature->PreTranslateMessage(pMsg))
            return TRUE;
        return CFrameWnd::PreTranslateMessage(pMsg);
    }
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message == SECMenuBarMessages::GetMenuMessage())
        {
            HMENU& hMenu = m_menus[(UINT)wParam];
            if (hMenu == NULL)
                hMenu = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(wParam));
            *pResult = (LRESULT)::GetSubMenu(hMenu, (int)lParam);
            return TRUE;
        }
        if (m_pFeature != nullptr)
        {
            LRESULT lResult = 0;
            m_pFeature->OnWndMsg(message, wParam, lParam, &lResult);
            if (m_pFeature->m_bMsgConsumed)
            {
                *pResult = lResult;
                return TRUE;
            }
        }
        return CFrameWnd::OnWndMsg(message, wParam, lParam, pResult);
    }
};

CMenuBarHost* s_pHost = nullptr;

// The application's pump: the frame sees each message first.
void PumpFrame(DWORD ms)
{
    DWORD start = ::GetTickCount();
    for (;;)
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
            if (s_pHost == nullptr || !s_pHost->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessage(&msg);
            }
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= ms)
            break;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, ms - elapsed, QS_ALLINPUT);
    }
}

void Keys(std::initializer_list<std::pair<WORD, bool>> keys)
{
    std::vector<INPUT> in;
    for (const auto& k : keys)
    {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k.first;
        i.ki.dwFlags = k.second ? 0 : KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    ::SendInput((UINT)in.size(), in.data(), sizeof(INPUT));
}

class MenuBarTrackingTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pHost = new CMenuBarHost;
        s_pHost = m_pHost;
        ASSERT_TRUE(m_pHost->Create(NULL, _T("Menüleiste"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                    CRect(60, 60, 560, 400)));
        m_pHost->m_bAutoMenuEnable = FALSE;
        m_pHost->EnableDocking(CBRS_ALIGN_ANY);
        m_pBar = new SECMenuBar;
        ASSERT_TRUE(m_pBar->CreateEx(0, m_pHost, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0xE81F, _T("Menü")));
        m_pBar->m_bAutoDelete = TRUE;
        m_pBar->SetOwner(m_pHost);
        m_pBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pHost->DockControlBar(m_pBar);
        ASSERT_TRUE(m_pBar->LoadMenus(2, IDM_TB_MENU, IDM_BMP_MENU));
        m_pBar->SwitchMenu(IDM_BMP_MENU);
        m_pFeature = new SECMenuBarFeature;
        ASSERT_TRUE(m_pFeature->PlugInTo(m_pHost));
        m_pFeature->AttachMenuBar(m_pBar);
        m_pHost->m_pFeature = m_pFeature;
        m_pHost->RecalcLayout();
        ::SetForegroundWindow(m_pHost->m_hWnd);
        m_pHost->SetFocus();
        PumpFrame(100);
    }
    void TearDown() override
    {
        if (m_pBar->IsMenuMode())
            m_pBar->ExitMenuMode();
        m_pHost->m_pFeature = nullptr;
        delete m_pFeature;
        m_pHost->DestroyWindow();
        s_pHost = nullptr;
        PumpMessages(10);
    }

    CMenuBarHost* m_pHost = nullptr;
    SECMenuBar* m_pBar = nullptr;
    SECMenuBarFeature* m_pFeature = nullptr;
};

struct PopupSeen
{
    BOOL bSeen = FALSE;
    BOOL bFirstSelected = FALSE;
    HMENU hMenu = NULL;
};
PopupSeen* s_pSeen = nullptr;

void CALLBACK WatchPopup(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hPopup = ::FindWindow(_T("#32768"), NULL);
    if (hPopup == NULL || !::IsWindowVisible(hPopup) || s_pSeen == nullptr)
        return;
    s_pSeen->bSeen = TRUE;
    if (s_pSeen->hMenu != NULL && (::GetMenuState(s_pSeen->hMenu, 0, MF_BYPOSITION) & MF_HILITE))
    {
        s_pSeen->bFirstSelected = TRUE;
        ::EndMenu();
    }
}
} // namespace

TEST_F(MenuBarTrackingTest, AltAloneFocusesTheFirstButtonAndAltAgainLeaves)
{
    Keys({{VK_MENU, true}, {VK_MENU, false}});
    PumpFrame(150);
    ASSERT_TRUE(m_pBar->IsMenuMode());
    EXPECT_TRUE(m_pBar->GetButton(3)->HasStyle(SEC_TBBS_HOT)) << "the first visible menu button";
    Keys({{VK_MENU, true}, {VK_MENU, false}});
    PumpFrame(150);
    EXPECT_FALSE(m_pBar->IsMenuMode());
    EXPECT_FALSE(m_pBar->GetButton(3)->HasStyle(SEC_TBBS_HOT));
}

TEST_F(MenuBarTrackingTest, AnF10AcceleratorKeepsAltFromActivatingTheBar)
{
    ACCEL accel = {FVIRTKEY, VK_F10, ID_BMP_PLAIN};
    m_pHost->m_hAccelTable = ::CreateAcceleratorTable(&accel, 1);
    Keys({{VK_MENU, true}, {VK_MENU, false}});
    PumpFrame(150);
    EXPECT_FALSE(m_pBar->IsMenuMode());
    ::DestroyAcceleratorTable(m_pHost->m_hAccelTable);
    m_pHost->m_hAccelTable = NULL;
}

TEST_F(MenuBarTrackingTest, AltAndTheMnemonicDropThePopupWithItsFirstItemSelected)
{
    PopupSeen seen;
    HMENU hMenu = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(IDM_BMP_MENU));
    m_pHost->m_menus[IDM_BMP_MENU] = hMenu;
    seen.hMenu = ::GetSubMenu(hMenu, 0);
    s_pSeen = &seen;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 30, WatchPopup);
    Keys({{VK_MENU, true}, {'F', true}, {'F', false}, {VK_MENU, false}});
    PumpFrame(300);
    ULONGLONG until = NowMs() + 2000;
    while (!seen.bFirstSelected && NowMs() < until)
        PumpFrame(30);
    ::KillTimer(NULL, nTimer);
    s_pSeen = nullptr;
    if (!seen.bFirstSelected)
        ::EndMenu();
    PumpFrame(50);
    EXPECT_TRUE(seen.bSeen);
    EXPECT_TRUE(seen.bFirstSelected);
    EXPECT_FALSE(m_pBar->IsMenuMode());
}

TEST_F(MenuBarTrackingTest, EscapeEndsMenuModeAndTheKeysGoBackToTheFrame)
{
    Keys({{VK_MENU, true}, {VK_MENU, false}});
    PumpFrame(150);
    ASSERT_TRUE(m_pBar->IsMenuMode());
    Keys({{VK_ESCAPE, true}, {VK_ESCAPE, false}});
    PumpFrame(150);
    EXPECT_FALSE(m_pBar->IsMenuMode());
    // With the keyboard hook gone a plain key reaches the frame's queue again.
    MSG msg;
    while (::PeekMessage(&msg, NULL, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
    {
    }
    Keys({{'Q', true}, {'Q', false}});
    BOOL bSeen = PumpUntil(
        [&] { return ::PeekMessage(&msg, NULL, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) != FALSE; }, 500);
    EXPECT_TRUE(bSeen);
}

namespace
{
struct MoveSeen
{
    HMENU hFirst = NULL, hSecond = NULL;
    BOOL bRightSent = FALSE;
    BOOL bSecondSelected = FALSE;
};
MoveSeen* s_pMove = nullptr;

void CALLBACK WatchMove(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_pMove == nullptr)
        return;
    if (!s_pMove->bRightSent && (::GetMenuState(s_pMove->hFirst, 0, MF_BYPOSITION) & MF_HILITE))
    {
        s_pMove->bRightSent = TRUE;
        Keys({{VK_RIGHT, true}, {VK_RIGHT, false}});
    }
    else if (s_pMove->bRightSent && (::GetMenuState(s_pMove->hSecond, 0, MF_BYPOSITION) & MF_HILITE))
    {
        s_pMove->bSecondSelected = TRUE;
        ::EndMenu();
    }
}
} // namespace

TEST_F(MenuBarTrackingTest, RightOnAPlainItemOpensTheNextPopup)
{
    m_pBar->SwitchMenu(IDM_TB_MENU);
    m_pHost->RecalcLayout();
    PumpFrame(50);
    MoveSeen seen;
    HMENU hMenu = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(IDM_TB_MENU));
    m_pHost->m_menus[IDM_TB_MENU] = hMenu;
    seen.hFirst = ::GetSubMenu(hMenu, 0);
    seen.hSecond = ::GetSubMenu(hMenu, 1);
    s_pMove = &seen;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 30, WatchMove);
    Keys({{VK_MENU, true}, {'D', true}, {'D', false}, {VK_MENU, false}});
    ULONGLONG until = NowMs() + 3000;
    while (!seen.bSecondSelected && NowMs() < until)
        PumpFrame(30);
    ::KillTimer(NULL, nTimer);
    s_pMove = nullptr;
    if (!seen.bSecondSelected)
        ::EndMenu();
    PumpFrame(50);
    EXPECT_TRUE(seen.bRightSent) << "the first popup opened with its first item selected";
    EXPECT_TRUE(seen.bSecondSelected) << "the next popup opened";
}

namespace
{
// Steps through the open "&Datei" popup: down to its submenu item, Right, then watches which
// popup opens.
struct SubmenuSeen
{
    HMENU hFirst = NULL, hSub = NULL, hSecond = NULL;
    int nStep = 0;
    ULONGLONG ullRight = 0;
    BOOL bSubOpened = FALSE;
    BOOL bNextOpened = FALSE;
    BOOL bDone = FALSE;
};
SubmenuSeen* s_pSub = nullptr;

BOOL IsHilited(HMENU hMenu, int nPos)
{
    return (::GetMenuState(hMenu, nPos, MF_BYPOSITION) & MF_HILITE) != 0;
}

void CALLBACK WatchSubmenu(HWND, UINT, UINT_PTR, DWORD)
{
    SubmenuSeen* p = s_pSub;
    if (p == nullptr || p->bDone)
        return;
    if (p->nStep == 0 && IsHilited(p->hFirst, 0))
    {
        p->nStep = 1;
        Keys({{VK_DOWN, true}, {VK_DOWN, false}});
    }
    else if (p->nStep == 1 && IsHilited(p->hFirst, 1))
    {
        p->nStep = 2;
        p->ullRight = NowMs();
        Keys({{VK_RIGHT, true}, {VK_RIGHT, false}});
    }
    else if (p->nStep == 2)
    {
        if (IsHilited(p->hSub, 0))
            p->bSubOpened = TRUE;
        if (IsHilited(p->hSecond, 0))
            p->bNextOpened = TRUE;
        // Give a wrongly posted move to the next popup time to arrive before ending.
        if (NowMs() - p->ullRight > 400)
        {
            p->bDone = TRUE;
            ::EndMenu();
        }
    }
}
} // namespace

TEST_F(MenuBarTrackingTest, RightOnAnItemWithASubmenuOpensTheSubmenuNotTheNextPopup)
{
    m_pBar->SwitchMenu(IDM_TB_MENU);
    m_pHost->RecalcLayout();
    PumpFrame(50);
    SubmenuSeen seen;
    HMENU hMenu = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(IDM_TB_MENU));
    m_pHost->m_menus[IDM_TB_MENU] = hMenu;
    seen.hFirst = ::GetSubMenu(hMenu, 0);
    seen.hSub = ::GetSubMenu(seen.hFirst, 1);
    seen.hSecond = ::GetSubMenu(hMenu, 1);
    ASSERT_NE(nullptr, seen.hSub);
    s_pSub = &seen;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 30, WatchSubmenu);
    Keys({{VK_MENU, true}, {'D', true}, {'D', false}, {VK_MENU, false}});
    ULONGLONG until = NowMs() + 4000;
    while (!seen.bDone && NowMs() < until)
        PumpFrame(30);
    ::KillTimer(NULL, nTimer);
    s_pSub = nullptr;
    if (!seen.bDone)
        ::EndMenu();
    PumpFrame(100);
    EXPECT_EQ(2, seen.nStep) << "the popup opened and the submenu item was reached";
    EXPECT_TRUE(seen.bSubOpened) << "the submenu opened with its first item selected";
    EXPECT_FALSE(seen.bNextOpened) << "the bar did not move on to the next popup";
}
