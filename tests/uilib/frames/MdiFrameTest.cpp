// The library's MDI frame: the dock position cycle, bars floated as MDI children in a cascade,
// closing and showing such a bar, the bar context-menu hook, the menus answered by
// "WM_SECGETMENU", and the gradient caption.
#include "SecMdiFixture.h"
#include "FramesIds.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/docking/DockContext.h"
#include "uilib/frames/docking/FrameDocking.h"
#include "uilib/frames/mdi/ControlBarMDIChildWnd.h"
#include <vector>

using namespace testing_support;

namespace
{
SECControlBar* MakeBar(CFrameWnd* pFrame, UINT nID)
{
    SECControlBar* pBar = new SECControlBar;
    pBar->m_szDefault = CSize(120, 60);
    pBar->Create(pFrame, _T("Leiste"), WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, nID);
    pBar->m_bAutoDelete = TRUE;
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}

// Where an MDI child lies in its client.
CPoint ChildOrigin(CWnd* pChild)
{
    CRect rect;
    pChild->GetWindowRect(&rect);
    pChild->GetParent()->ScreenToClient(&rect);
    return rect.TopLeft();
}
} // namespace

TEST(MdiFrame, GetNextDockPositionWalksTheCycle)
{
    CSecMdiFixture fixture;
    const UINT B = AFX_IDW_DOCKBAR_BOTTOM, L = AFX_IDW_DOCKBAR_LEFT, R = AFX_IDW_DOCKBAR_RIGHT;
    // Dock bar, then row, column and flags of the position; a new row after each separator.
    const struct
    {
        UINT nID;
        int nRow, nColumn, nFlags;
    } expected[] = {
        // clang-format off
        {B, 0, 1, 6}, {L, 1, 1, 7}, {R, 0, 1, 6}, {B, 0, 1, 2}, {L, 0, 1, 3}, {R, 0, 1, 2}, {B, 0, 1, 2},
        {L, 1, 1, 7}, {R, 0, 1, 6}, {B, 0, 1, 6}, {L, 0, 1, 3}, {R, 0, 1, 2}, {B, 0, 1, 2}, {L, 1, 1, 7},
        {R, 0, 1, 6}, {B, 0, 1, 2}, {L, 0, 1, 3}, {R, 0, 1, 2},
        {B, 0, 1, 6}, // round again from the start
        // clang-format on
    };
    EXPECT_EQ(26, fixture.m_pFrame->GetDockCycle().GetSize());
    for (size_t i = 0; i < _countof(expected); ++i)
    {
        UINT nID = 0;
        SECDockBarPosition pos = {-1, -1, -1};
        SECDockSizeRecord size = {0.0f, 0, 0};
        fixture.m_pFrame->GetNextDockPosition(&nID, &pos, &size);
        EXPECT_EQ(expected[i].nID, nID) << i;
        EXPECT_EQ(expected[i].nRow, pos.nRow) << i;
        EXPECT_EQ(expected[i].nColumn, pos.nColumn) << i;
        EXPECT_EQ(expected[i].nFlags, pos.nFlags) << i;
        EXPECT_EQ(1.0f, size.fPctWidth);
        EXPECT_EQ(150, size.nLength);
    }
    // A cycle without any dock bar gives the bottom in a new row.
    fixture.m_pFrame->m_arrDockCycle.RemoveAll();
    fixture.m_pFrame->m_arrDockCycle.Add(0);
    fixture.m_pFrame->m_arrDockCycle.Add(0);
    UINT nID = 0;
    SECDockBarPosition pos = {-1, -1, -1};
    fixture.m_pFrame->GetNextDockPosition(&nID, &pos, NULL);
    EXPECT_EQ(AFX_IDW_DOCKBAR_BOTTOM, nID);
    EXPECT_EQ(0, pos.nRow);
    EXPECT_EQ(0, pos.nColumn);
    EXPECT_EQ(4, pos.nFlags);
}

TEST(MdiFrame, ElevenBarsFloatedAsMDIChildrenFollowTheCascade)
{
    CSecMdiFixture fixture;
    // An MDI client of 200 x 230: x starts again after 170, y after 200.
    CRect rectClient;
    ::GetClientRect(fixture.m_pFrame->m_hWndMDIClient, &rectClient);
    CRect rectFrame;
    fixture.m_pFrame->GetWindowRect(&rectFrame);
    fixture.m_pFrame->SetWindowPos(NULL, 0, 0, rectFrame.Width() - rectClient.Width() + 200,
                                   rectFrame.Height() - rectClient.Height() + 230, SWP_NOMOVE | SWP_NOZORDER);
    fixture.Layout();
    ::GetClientRect(fixture.m_pFrame->m_hWndMDIClient, &rectClient);
    ASSERT_EQ(CSize(200, 230), rectClient.Size());
    const CPoint expected[] = {{30, 30},   {50, 53},   {70, 76}, {90, 99}, {110, 122}, {130, 145},
                               {150, 168}, {170, 191}, {30, 30}, {50, 53}, {70, 76}};
    for (size_t i = 0; i < _countof(expected); ++i)
    {
        SECControlBar* pBar = MakeBar(fixture.m_pFrame, 0x400 + (UINT)i);
        fixture.m_pFrame->FloatControlBarInMDIChild(pBar, CPoint(-1, -1), CBRS_ALIGN_TOP);
        ASSERT_TRUE(pBar->IsFloatingAsMDIChild()) << i;
        CFrameWnd* pChild = pBar->GetParentFrame();
        ASSERT_TRUE(pChild->IsKindOf(RUNTIME_CLASS(SECControlBarMDIChildWnd))) << i;
        EXPECT_EQ(expected[i], ChildOrigin(pChild)) << i;
    }
}

TEST(MdiFrame, ClosingABarsMDIChildHidesTheBarAndShowingOrTogglingBringsItBack)
{
    CSecMdiFixture fixture;
    SECControlBar* pBar = MakeBar(fixture.m_pFrame, 0x500);
    fixture.m_pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_LEFT);
    fixture.Layout();
    CDockBar* pLeft = SECFrameDocking::GetDockBar(fixture.m_pFrame, AFX_IDW_DOCKBAR_LEFT);
    ASSERT_EQ(pLeft, pBar->m_pDockBar);
    SECDockContext* pContext = dynamic_cast<SECDockContext*>(pBar->m_pDockContext);
    ASSERT_NE(nullptr, pContext);
    pContext->ToggleMDIChildFloating(); // through the frame, as item 43042 does
    fixture.Layout();
    ASSERT_TRUE(pBar->IsFloatingAsMDIChild());
    CFrameWnd* pChild = pBar->GetParentFrame();
    CRect rectChild;
    pChild->GetWindowRect(&rectChild);
    // The last floating place is kept in screen coordinates.
    EXPECT_EQ(rectChild.TopLeft(), pContext->m_ptMRUFloatPos);

    pChild->SendMessage(WM_CLOSE);
    PumpMessages(30);
    EXPECT_TRUE(::IsWindow(pChild->m_hWnd));
    EXPECT_FALSE(pBar->IsWindowVisible());
    EXPECT_FALSE(pChild->IsWindowVisible());
    fixture.m_pFrame->ShowControlBar(pBar, TRUE, FALSE);
    PumpMessages(30);
    EXPECT_TRUE(pBar->IsWindowVisible());
    EXPECT_TRUE(pChild->IsWindowVisible());

    pContext->ToggleMDIChildFloating();
    fixture.Layout();
    EXPECT_FALSE(pBar->IsFloatingAsMDIChild());
    EXPECT_EQ(pLeft, pBar->m_pDockBar); // back at its old place
}

TEST(MdiFrame, TheBarContextMenuHookOffersFloatingAsMDIChild)
{
    CSecMdiFixture fixture;
    SECControlBar* pBar = MakeBar(fixture.m_pFrame, 0x510);
    fixture.m_pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
    pBar->m_dwExStyle |= 0x20;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 43040, _T("Ausblenden "));
    fixture.m_pFrame->SendMessage(WM_SEC_BARCONTEXTMENU, (WPARAM)pBar, (LPARAM)&menu);
    ASSERT_EQ(3, menu.GetMenuItemCount());
    EXPECT_EQ((UINT)ID_SEC_FLOAT_AS_MDICHILD, menu.GetMenuItemID(2));
    EXPECT_EQ(0u, menu.GetMenuState(ID_SEC_FLOAT_AS_MDICHILD, MF_BYCOMMAND) & MF_CHECKED);
    CString strText;
    menu.GetMenuString(2, strText, MF_BYPOSITION);
    EXPECT_EQ(CString("Im Hauptfenster floaten lassen"), strText);
    // A pointer that is no bar of this frame is not touched.
    CMenu other;
    other.CreatePopupMenu();
    int nDummy = 0;
    fixture.m_pFrame->SendMessage(WM_SEC_BARCONTEXTMENU, (WPARAM)&nDummy, (LPARAM)&other);
    EXPECT_EQ(0, other.GetMenuItemCount());
    // Floating as an MDI child: the hide item is greyed, the float item checked.
    fixture.m_pFrame->FloatControlBarInMDIChild(pBar, CPoint(-1, -1), CBRS_ALIGN_TOP);
    CMenu menu2;
    menu2.CreatePopupMenu();
    menu2.AppendMenu(MF_STRING, 43040, _T("Ausblenden "));
    fixture.m_pFrame->SendMessage(WM_SEC_BARCONTEXTMENU, (WPARAM)pBar, (LPARAM)&menu2);
    EXPECT_NE(0u, menu2.GetMenuState(43040, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_NE(0u, menu2.GetMenuState(ID_SEC_FLOAT_AS_MDICHILD, MF_BYCOMMAND) & MF_CHECKED);
}

TEST(MdiFrame, SecGetMenuAnswersThePopupOfTheTemplatesMenu)
{
    CSecMdiFixture fixture;
    const UINT nMsg = ::RegisterWindowMessage(_T("WM_SECGETMENU"));
    HMENU hShared = SecTestTemplate()->m_hMenuShared;
    ASSERT_NE(nullptr, hShared);
    EXPECT_EQ((LRESULT)::GetSubMenu(hShared, 1), fixture.m_pFrame->SendMessage(nMsg, IDR_SECDOC_TYPE, 1));
    EXPECT_EQ(0, fixture.m_pFrame->SendMessage(nMsg, IDR_SECDOC_TYPE, 7));
    EXPECT_EQ(0, fixture.m_pFrame->SendMessage(nMsg, 4711, 0));
}

TEST(MdiFrame, TheCustomCaptionRunsFromTheCaptionColourToTheGradientColour)
{
    CSecMdiFixture fixture;
    // Two clearly different end colours for the test's duration, each channel rising (a falling
    // channel is drawn at its end value).
    const INT nIndex[] = {COLOR_ACTIVECAPTION, COLOR_GRADIENTACTIVECAPTION};
    const COLORREF clrOld[] = {::GetSysColor(COLOR_ACTIVECAPTION),
                               ::GetSysColor(COLOR_GRADIENTACTIVECAPTION)};
    const COLORREF clrNew[] = {RGB(0, 0, 100), RGB(40, 220, 200)};
    ::SetSysColors(2, nIndex, clrNew);
    struct Restore
    {
        const INT* pIndex;
        const COLORREF* pColors;
        ~Restore()
        {
            ::SetSysColors(2, pIndex, pColors);
        }
    } restore{nIndex, clrOld};
    const COLORREF clrFrom = ::GetSysColor(COLOR_ACTIVECAPTION);
    const COLORREF clrTo = ::GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    ASSERT_EQ(clrNew[0], clrFrom);
    ASSERT_EQ(clrNew[1], clrTo);
    fixture.m_pFrame->SetForegroundWindow();
    fixture.m_pFrame->EnableCustomCaption(TRUE, TRUE);
    PumpMessages(100);
    fixture.m_pFrame->SetWindowText(_T("")); // no title over the gradient
    fixture.m_pFrame->m_bCaptionActive = TRUE;
    fixture.m_pFrame->DrawCaption();
    CRect rectWindow;
    fixture.m_pFrame->GetWindowRect(&rectWindow);
    CWindowDC dc(fixture.m_pFrame);
    const int y = ::GetSystemMetrics(SM_CYFRAME) + 2;
    // Past the icon on the left, before the caption buttons on the right.
    const COLORREF clrLeft =
        dc.GetPixel(::GetSystemMetrics(SM_CXFRAME) + ::GetSystemMetrics(SM_CXSIZE) + 2, y);
    const COLORREF clrRight = dc.GetPixel(rectWindow.Width() - 4 * ::GetSystemMetrics(SM_CXSIZE) - 2, y);
    auto similar = [](COLORREF a, COLORREF b) {
        return abs(GetRValue(a) - GetRValue(b)) <= 12 && abs(GetGValue(a) - GetGValue(b)) <= 12 &&
               abs(GetBValue(a) - GetBValue(b)) <= 12;
    };
    EXPECT_TRUE(similar(clrFrom, clrLeft)) << std::hex << clrLeft;
    EXPECT_TRUE(similar(clrTo, clrRight)) << std::hex << clrRight;
    // A frame too narrow for any caption paints without failing and keeps its custom caption.
    fixture.m_pFrame->SetWindowPos(NULL, 0, 0, 8, 200, SWP_NOMOVE | SWP_NOZORDER);
    fixture.m_pFrame->DrawCaption();
    EXPECT_TRUE(fixture.m_pFrame->IsCustomCaptionEnabled());
}
