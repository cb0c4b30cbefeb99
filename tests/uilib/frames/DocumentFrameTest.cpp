// Document frames of the multiple-document template: the extra caption button docks an MDI child
// and makes a docked frame an MDI child again with the same view; the state menu; the extended
// commands for maximised and floating forms; activation when the last MDI child closes; titles;
// caption styles; commands from another thread; and a docking that cannot make its frame.
#include "SecMdiFixture.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/docking/ControlBarInfo.h"
#include "uilib/frames/docking/DockState.h"
#include "uilib/frames/docking/FrameBar.h"
#include "uilib/frames/mdi/SysCommandEx.h"
#include <algorithm>
#include <atomic>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

using namespace drag_input;
using namespace testing_support;
using namespace nsSysCommandEx;

namespace
{
// Presses and releases the left button on a screen point; the button's loop takes it from there.
void ClickAt(CPoint pt)
{
    const POINT screen = pt;
    SendMouse(0, &screen);
    PumpMessages(30);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(150);
}

// A dockable frame class whose window cannot be made.
class CFailingDockableFrame : public SECDockableFrame
{
    DECLARE_DYNCREATE(CFailingDockableFrame)

  protected:
    BOOL PreCreateWindow(CREATESTRUCT&) override
    {
        return FALSE;
    }
};
IMPLEMENT_DYNCREATE(CFailingDockableFrame, SECDockableFrame)

// The state menu while it is open: its place and its checked commands.
struct MenuSeen
{
    bool bSeen = false;
    CPoint ptMenu;
    std::vector<UINT> checked;
    std::vector<UINT> ids;
};
MenuSeen g_menu;

void CollectChecked(HMENU hMenu, std::vector<UINT>& checked, std::vector<UINT>* pIds = NULL)
{
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub != NULL)
        {
            CollectChecked(hSub, checked, pIds);
            continue;
        }
        if (pIds != NULL)
            pIds->push_back(::GetMenuItemID(hMenu, i));
        if (::GetMenuState(hMenu, i, MF_BYPOSITION) & MF_CHECKED)
            checked.push_back(::GetMenuItemID(hMenu, i));
    }
}

void CALLBACK ReadMenuAndEscape(HWND, UINT, UINT_PTR nID, DWORD)
{
    HWND hPopup = ::FindWindow(_T("#32768"), NULL);
    if (hPopup == NULL || !::IsWindowVisible(hPopup))
        return;
    ::KillTimer(NULL, nID);
    g_menu.bSeen = true;
    CRect rect;
    ::GetWindowRect(hPopup, &rect);
    g_menu.ptMenu = rect.TopLeft();
    HMENU hMenu = (HMENU)::SendMessage(hPopup, MN_GETHMENU, 0, 0);
    if (hMenu != NULL)
        CollectChecked(hMenu, g_menu.checked, &g_menu.ids);
    SendKey(VK_ESCAPE, false);
    SendKey(VK_ESCAPE, true);
}

BOOL IsFilterOn(SECMsgFilter* pRoot, UINT nID)
{
    SECMsgFilter* pFilter = pRoot->FindOrCreateFilter(nID, NULL, -1);
    return pFilter != NULL && pFilter->IsEnabled();
}
} // namespace

// The template's caption style for a test: buttons and the state menu on.
struct CCaptionButtonsOn
{
    CCaptionButtonsOn()
    {
        SecTestTemplate()->EnableCaptionButtons(TRUE, FALSE);
    }
    ~CCaptionButtonsOn()
    {
        SecTestTemplate()->EnableCaptionButtons(FALSE, FALSE);
    }
};

TEST(DocumentFrames, TheCaptionButtonDocksAnMDIChildAndMakesTheDockedFrameAnMDIChildAgain)
{
    CCaptionButtonsOn buttons;
    CSecMdiFixture fixture;
    CDocument* pDoc = fixture.OpenDocument();
    ASSERT_NE(nullptr, pDoc);
    CFrameWnd* pChild = CSecMdiFixture::FrameOf(pDoc);
    ASSERT_TRUE(pChild->IsKindOf(RUNTIME_CLASS(SECMDIChildWnd)));
    CView* pView = CSecMdiFixture::ViewOf(pDoc);
    const CRect rectButton = CSecMdiFixture::ButtonRectOnScreen(pChild);
    ASSERT_FALSE(rectButton.IsRectEmpty());

    ClickAt(rectButton.CenterPoint());
    CFrameWnd* pDocked = CSecMdiFixture::FrameOf(pDoc);
    ASSERT_NE(nullptr, pDocked);
    ASSERT_TRUE(pDocked->IsKindOf(RUNTIME_CLASS(SECDockableFrame)));
    EXPECT_EQ(pView, CSecMdiFixture::ViewOf(pDoc)); // the same view object moved over
    EXPECT_EQ(pView, pDocked->GetActiveView());
    EXPECT_FALSE(pDoc->IsModified());
    CWnd* pBar = pDocked->GetParent();
    ASSERT_TRUE(pBar->IsKindOf(RUNTIME_CLASS(SECFrameBar)));
    EXPECT_EQ(256, pBar->GetDlgCtrlID());
    // The first docking place of the cycle: the bottom edge.
    EXPECT_EQ(AFX_IDW_DOCKBAR_BOTTOM, pBar->GetParent()->GetDlgCtrlID());
    EXPECT_EQ(SECMultiDocTemplate::stateBottom, SecTestTemplate()->GetDockingState(pDocked));
    EXPECT_FALSE(::IsWindow(pChild->m_hWnd) && CWnd::FromHandlePermanent(pChild->m_hWnd) == pChild);

    const CRect rectDockedButton = CSecMdiFixture::ButtonRectOnScreen(pDocked);
    ASSERT_FALSE(rectDockedButton.IsRectEmpty());
    ClickAt(rectDockedButton.CenterPoint());
    CFrameWnd* pAgain = CSecMdiFixture::FrameOf(pDoc);
    ASSERT_NE(nullptr, pAgain);
    EXPECT_TRUE(pAgain->IsKindOf(RUNTIME_CLASS(SECMDIChildWnd)));
    EXPECT_EQ(pView, CSecMdiFixture::ViewOf(pDoc));
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(nullptr, fixture.m_pFrame->GetControlBar(256)); // the bar went with the frame
}

TEST(DocumentFrames, ARightClickOnTheButtonOpensTheStateMenuBelowItAndEscapeChangesNothing)
{
    CCaptionButtonsOn buttons;
    CSecMdiFixture fixture;
    CDocument* pDoc = fixture.OpenDocument(TRUE);
    CFrameWnd* pDocked = CSecMdiFixture::FrameOf(pDoc);
    ASSERT_TRUE(pDocked->IsKindOf(RUNTIME_CLASS(SECDockableFrame)));
    const CRect rectButton = CSecMdiFixture::ButtonRectOnScreen(pDocked);
    ASSERT_FALSE(rectButton.IsRectEmpty());
    g_menu = MenuSeen();
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 30, ReadMenuAndEscape);
    const POINT pt = rectButton.CenterPoint();
    SendMouse(0, &pt);
    PumpMessages(30);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(PumpUntil([] { return g_menu.bSeen; }, 3000));
    ::KillTimer(NULL, nTimer);
    PumpMessages(100);
    EXPECT_EQ(CPoint(rectButton.left, rectButton.bottom), g_menu.ptMenu);
    // Docked at the bottom: "&Docked" and "&Bottom" carry the check marks.
    const std::vector<UINT> expected = {scxDocked, scxDockedBottom};
    EXPECT_EQ(expected, g_menu.checked);
    EXPECT_EQ(pDocked, CSecMdiFixture::FrameOf(pDoc));
}

TEST(DocumentFrames, TheStateMenuChecksTheCurrentGroupAndState)
{
    const struct
    {
        int nState;
        std::vector<UINT> checked;
    } cases[] = {
        {scxMDIMaximized, {scxMDIChild, scxMDIMaximized}},
        {scxMDIRestored, {scxMDIChild, scxMDIRestored}},
        {scxDockedLeft, {scxDocked, scxDockedLeft}},
        {scxDockedTop, {scxDocked, scxDockedTop}},
        {scxFloating, {scxFloating}},
        {scxNone, {}},
    };
    for (const auto& c : cases)
    {
        HMENU hMenu = BuildStateMenu(c.nState);
        ASSERT_NE(nullptr, hMenu);
        EXPECT_EQ(6, ::GetMenuItemCount(hMenu));
        std::vector<UINT> checked;
        CollectChecked(hMenu, checked);
        EXPECT_EQ(c.checked, checked) << c.nState;
        ::DestroyMenu(hMenu);
    }
}

TEST(DocumentFrames, MaximizedFromTheMenuMakesADockedFrameAMaximizedMDIChild)
{
    CSecMdiFixture fixture;
    CDocument* pDoc = fixture.OpenDocument(TRUE);
    ASSERT_TRUE(CSecMdiFixture::FrameOf(pDoc)->IsKindOf(RUNTIME_CLASS(SECDockableFrame)));
    CSecMdiFixture::SendCommand(CSecMdiFixture::FrameOf(pDoc), scxSetState, scxMDIMaximized);
    CFrameWnd* pChild = CSecMdiFixture::FrameOf(pDoc);
    ASSERT_TRUE(pChild->IsKindOf(RUNTIME_CLASS(SECMDIChildWnd)));
    EXPECT_TRUE(pChild->IsZoomed());
    BOOL bMaximized = FALSE;
    EXPECT_EQ(pChild, fixture.m_pFrame->MDIGetActive(&bMaximized));
    EXPECT_TRUE(bMaximized);
}

TEST(DocumentFrames, FloatingAnMDIChildKeepsItsScreenRectangle)
{
    CSecMdiFixture fixture;
    CDocument* pDoc = fixture.OpenDocument();
    CFrameWnd* pChild = CSecMdiFixture::FrameOf(pDoc);
    pChild->SetWindowPos(NULL, 40, 30, 260, 200, SWP_NOZORDER);
    CRect rectBefore;
    pChild->GetWindowRect(&rectBefore);
    CSecMdiFixture::SendCommand(pChild, scxSetState, scxFloating);
    PumpMessages(50);
    CFrameWnd* pFloating = CSecMdiFixture::FrameOf(pDoc);
    ASSERT_TRUE(pFloating->IsKindOf(RUNTIME_CLASS(SECDockableFrame)));
    EXPECT_EQ(SECMultiDocTemplate::stateFloating, SecTestTemplate()->GetDockingState(pFloating));
    CRect rectAfter;
    CFrameWnd* pFloatFrame = pFloating->GetParent()->GetParentFrame();
    ASSERT_NE(nullptr, pFloatFrame);
    pFloatFrame->GetWindowRect(&rectAfter);
    EXPECT_NEAR(rectBefore.left, rectAfter.left, 2);
    EXPECT_NEAR(rectBefore.top, rectAfter.top, 2);
    EXPECT_NEAR(rectBefore.Width(), rectAfter.Width(), 16);
    EXPECT_NEAR(rectBefore.Height(), rectAfter.Height(), 16);
}

TEST(DocumentFrames, ClosingTheLastMDIChildActivatesAVisibleDockableFrame)
{
    CSecMdiFixture fixture;
    CDocument* pDocked = fixture.OpenDocument(TRUE);
    CDocument* pChildDoc = fixture.OpenDocument();
    CFrameWnd* pChild = CSecMdiFixture::FrameOf(pChildDoc);
    ASSERT_TRUE(pChild->IsKindOf(RUNTIME_CLASS(SECMDIChildWnd)));
    fixture.m_pFrame->MDIActivate(pChild);
    fixture.m_pFrame->DeactivateDockableFrame(TRUE);
    EXPECT_EQ(pChild, fixture.m_pFrame->GetActiveFrame());
    pChild->SendMessage(WM_CLOSE);
    PumpMessages(50);
    EXPECT_EQ(CSecMdiFixture::FrameOf(pDocked), fixture.m_pFrame->GetActiveFrame());
}

TEST(DocumentFrames, TheTitleCarriesTheWindowNumber)
{
    CSecMdiFixture fixture;
    CDocument* pDoc = fixture.OpenDocument(TRUE);
    CFrameWnd* pDocked = CSecMdiFixture::FrameOf(pDoc);
    const struct
    {
        int nWindow;
        CString strSuffix;
    } cases[] = {{2, _T(":2")}, {0, _T("")}};
    for (const auto& c : cases)
    {
        pDocked->m_nWindow = c.nWindow;
        pDocked->OnUpdateFrameTitle(TRUE);
        CString strText;
        pDocked->GetWindowText(strText);
        EXPECT_EQ(pDoc->GetTitle() + c.strSuffix, strText);
    }
}

TEST(DocumentFrames, CaptionStylesSwitchTheFiltersOfADockableFrame)
{
    CSecMdiFixture fixture;
    CDocument* pDoc = fixture.OpenDocument(TRUE);
    SECDockableFrame* pDocked = DYNAMIC_DOWNCAST(SECDockableFrame, CSecMdiFixture::FrameOf(pDoc));
    ASSERT_NE(nullptr, pDocked);
    // Filters 257 commands, 258 button, 259 right double-click, 262 state menu.
    const struct
    {
        DWORD dwStyle;
        BOOL bCommands, bButton, bRDblClk, bMenu;
    } cases[] = {
        {7, TRUE, FALSE, FALSE, TRUE},
        {1, TRUE, TRUE, TRUE, TRUE},
        {3, TRUE, FALSE, TRUE, TRUE},
        {0, FALSE, FALSE, FALSE, FALSE},
    };
    for (const auto& c : cases)
    {
        pDocked->SetCaptionStyle(c.dwStyle);
        SECMsgFilter* pRoot = pDocked->GetMsgFilter();
        EXPECT_EQ(c.bCommands, IsFilterOn(pRoot, 257)) << c.dwStyle;
        EXPECT_EQ(c.bButton, IsFilterOn(pRoot, 258)) << c.dwStyle;
        EXPECT_EQ(c.bRDblClk, IsFilterOn(pRoot, 259)) << c.dwStyle;
        EXPECT_EQ(c.bMenu, IsFilterOn(pRoot, 262)) << c.dwStyle;
        // The button list exists once a style wanted buttons; its standard buttons stay off.
        SECMsgFilter* pList = pRoot->FindOrCreateFilter(256, NULL, -1);
        EXPECT_EQ(c.dwStyle != 7, pList != NULL) << c.dwStyle;
        if (pList == NULL)
            continue;
        for (UINT nButton = 0; nButton <= 4; ++nButton)
            EXPECT_FALSE(IsFilterOn(pList, nButton)) << c.dwStyle << " button " << nButton;
    }
}

TEST(DocumentFrames, ACommandSentFromAnotherThreadChangesNothing)
{
    CSecMdiFixture fixture;
    CDocument* pDoc = fixture.OpenDocument();
    CFrameWnd* pChild = CSecMdiFixture::FrameOf(pDoc);
    HWND hChild = pChild->GetSafeHwnd();
    std::atomic<LRESULT> lResult(-1);
    std::thread sender([&] {
        ScxCommandRecord record = {};
        record.hWnd = hChild;
        record.nTarget = -1;
        lResult = ::SendMessage(hChild, GetMessageID(), scxSetState, (LPARAM)&record);
    });
    while (lResult == -1)
        PumpMessages(10);
    sender.join();
    EXPECT_EQ(0, lResult);
    EXPECT_EQ(pChild, CSecMdiFixture::FrameOf(pDoc));
    // Posted, even from this thread, it changes nothing either.
    ScxCommandRecord record = {};
    record.hWnd = hChild;
    record.nTarget = -1;
    ::PostMessage(hChild, GetMessageID(), scxSetState, (LPARAM)&record);
    PumpMessages(50);
    EXPECT_EQ(pChild, CSecMdiFixture::FrameOf(pDoc));
}

TEST(DocumentFrames, ADockingThatCannotMakeItsFrameLeavesTheDocumentsWindowAsItWas)
{
    CSecMdiFixture fixture;
    CDocument* pDoc = fixture.OpenDocument();
    CFrameWnd* pChild = CSecMdiFixture::FrameOf(pDoc);
    CView* pView = CSecMdiFixture::ViewOf(pDoc);
    SECMultiDocTemplate* pTemplate = SecTestTemplate();
    CRuntimeClass* pOldClass = pTemplate->m_pDockableFrameClass;
    pTemplate->m_pDockableFrameClass = RUNTIME_CLASS(CFailingDockableFrame);
    CFrameWnd* pNew = pTemplate->DockFrame(pChild);
    pTemplate->m_pDockableFrameClass = pOldClass;
    PumpMessages(30);
    EXPECT_EQ(nullptr, pNew);
    EXPECT_EQ(pChild, CSecMdiFixture::FrameOf(pDoc));
    EXPECT_EQ(pChild, pView->GetParent());
    EXPECT_EQ(RUNTIME_CLASS(CSecTestView), pTemplate->m_pViewClass);
    EXPECT_EQ(nullptr, fixture.m_pFrame->GetControlBar(256)); // no empty bar is left docked
    // Docking an already dockable frame returns NULL too.
    CFrameWnd* pDocked = pTemplate->DockFrame(pChild);
    ASSERT_NE(nullptr, pDocked);
    EXPECT_EQ(nullptr, pTemplate->DockFrame(pDocked));
}

TEST(DocumentFrames, HoldingTheButtonOpensTheStateMenuOnceAndTheReleaseSendsNothing)
{
    CCaptionButtonsOn buttons;
    CSecMdiFixture fixture;
    CDocument* pDoc = fixture.OpenDocument();
    CFrameWnd* pChild = CSecMdiFixture::FrameOf(pDoc);
    const CRect rectButton = CSecMdiFixture::ButtonRectOnScreen(pChild);
    ASSERT_FALSE(rectButton.IsRectEmpty());
    g_menu = MenuSeen();
    const UINT_PTR nTimer = ::SetTimer(NULL, 0, 30, ReadMenuAndEscape);
    const POINT pt = rectButton.CenterPoint();
    SendMouse(0, &pt);
    PumpMessages(30);
    const ULONGLONG nStart = NowMs();
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(PumpUntil([] { return g_menu.bSeen; }, 3000));
    const ULONGLONG nHeldMs = NowMs() - nStart;
    ::KillTimer(NULL, nTimer);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(150);
    EXPECT_GE(nHeldMs, 350u);
    EXPECT_EQ(CPoint(rectButton.left, rectButton.bottom), g_menu.ptMenu);
    const std::vector<UINT> expected = {scxMDIChild, scxMDIRestored};
    EXPECT_EQ(expected, g_menu.checked);
    // Neither the held press nor the release changed the frame.
    EXPECT_EQ(pChild, CSecMdiFixture::FrameOf(pDoc));
}

TEST(DocumentFrames, ChoosingTheCheckedStateChangesNothing)
{
    CSecMdiFixture fixture;
    CDocument* pDoc = fixture.OpenDocument();
    CFrameWnd* pChild = CSecMdiFixture::FrameOf(pDoc);
    CRect rectBefore;
    pChild->GetWindowRect(&rectBefore);
    for (int nState : {scxMDIRestored, scxMDIChild})
    {
        CSecMdiFixture::SendCommand(pChild, scxSetState, nState);
        EXPECT_EQ(pChild, CSecMdiFixture::FrameOf(pDoc)) << nState;
        CRect rectAfter;
        pChild->GetWindowRect(&rectAfter);
        EXPECT_EQ(rectBefore, rectAfter) << nState;
    }
    // The same for a docked frame asked to dock.
    CFrameWnd* pDocked = SecTestTemplate()->DockFrame(pChild);
    ASSERT_NE(nullptr, pDocked);
    CSecMdiFixture::SendCommand(pDocked, scxSetState, scxDocked);
    EXPECT_EQ(pDocked, CSecMdiFixture::FrameOf(pDoc));
}

TEST(DocumentFrames, AClickInADockedFramesViewActivatesItInTheMDIFrame)
{
    CSecMdiFixture fixture;
    CDocument* pDocked = fixture.OpenDocument(TRUE);
    CDocument* pChildDoc = fixture.OpenDocument();
    CFrameWnd* pChild = CSecMdiFixture::FrameOf(pChildDoc);
    fixture.m_pFrame->MDIActivate(pChild);
    fixture.m_pFrame->DeactivateDockableFrame(TRUE);
    ASSERT_EQ(pChild, fixture.m_pFrame->GetActiveFrame());
    CRect rectView;
    CSecMdiFixture::ViewOf(pDocked)->GetWindowRect(&rectView);
    ClickAt(rectView.CenterPoint());
    EXPECT_EQ(CSecMdiFixture::FrameOf(pDocked), fixture.m_pFrame->GetActiveFrame());
    // A click back in the MDI child hands activation back.
    CRect rectChildView;
    CSecMdiFixture::ViewOf(pChildDoc)->GetWindowRect(&rectChildView);
    ClickAt(rectChildView.CenterPoint());
    EXPECT_EQ(pChild, fixture.m_pFrame->GetActiveFrame());
}

TEST(DocumentFrames, DraggingADockedFrameByItsCaptionOverTheClientFloatsIt)
{
    CSecMdiFixture fixture;
    CDocument* pDoc = fixture.OpenDocument(TRUE);
    CFrameWnd* pDocked = CSecMdiFixture::FrameOf(pDoc);
    ASSERT_EQ(SECMultiDocTemplate::stateBottom, SecTestTemplate()->GetDockingState(pDocked));
    CRect rectFrame;
    pDocked->GetWindowRect(&rectFrame);
    const POINT ptCaption = {rectFrame.left + 60, rectFrame.top + ::GetSystemMetrics(SM_CYCAPTION) / 2};
    ASSERT_EQ(HTCAPTION, (int)pDocked->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptCaption.x, ptCaption.y)));
    CRect rectClient;
    ::GetWindowRect(fixture.m_pFrame->m_hWndMDIClient, &rectClient);
    const POINT ptDrop = {rectClient.left + 200, rectClient.top + 120};
    SendMouse(0, &ptCaption);
    PumpMessages(30);
    // The whole drag is queued before the press is taken: the drag loop finds it waiting.
    const UINT_PTR nWatchdog = ::SetTimer(NULL, 0, 4000, DropCapture);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= 8; ++i)
    {
        const POINT pt = {ptCaption.x + (ptDrop.x - ptCaption.x) * i / 8,
                          ptCaption.y + (ptDrop.y - ptCaption.y) * i / 8};
        SendMouse(0, &pt);
    }
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(300);
    ::KillTimer(NULL, nWatchdog);
    CFrameWnd* pAfter = CSecMdiFixture::FrameOf(pDoc);
    ASSERT_NE(nullptr, pAfter);
    EXPECT_EQ(pDocked, pAfter); // the same frame, carried by its bar
    EXPECT_EQ(SECMultiDocTemplate::stateFloating, SecTestTemplate()->GetDockingState(pAfter));
}

// Floated, a document frame takes the main frame's masked styles and its floating frame gives up
// its own; docked again it has its own styles back. Floating, a double click on its caption docks
// it and a drag by its caption moves it.
TEST(DocumentFrames, FloatedADocumentFrameTakesTheMainFramesStylesItsCaptionDocksAndMovesIt)
{
    CSecMdiFixture fixture;
    CDocument* pDoc = fixture.OpenDocument(TRUE);
    CFrameWnd* pFrame = CSecMdiFixture::FrameOf(pDoc);
    ASSERT_TRUE(pFrame != NULL && pFrame->IsKindOf(RUNTIME_CLASS(SECDockableFrame)));
    CControlBar* pBar = DYNAMIC_DOWNCAST(CControlBar, pFrame->GetParent());
    ASSERT_TRUE(pBar != NULL);
    const DWORD dwDocked = pFrame->GetStyle(), dwDockedEx = pFrame->GetExStyle();
    const DWORD dwMain = fixture.m_pFrame->GetStyle(), dwMainEx = fixture.m_pFrame->GetExStyle();

    fixture.m_pFrame->FloatControlBar(pBar, CPoint(300, 260), CBRS_ALIGN_TOP);
    fixture.Layout();
    ASSERT_TRUE(pBar->IsFloating());
    EXPECT_EQ((dwMain & 0x10CFFFFF) | WS_CAPTION, pFrame->GetStyle() & ((dwMain & 0x10CFFFFF) | WS_CAPTION));
    EXPECT_EQ(dwMainEx & 0x000203A9, pFrame->GetExStyle() & (dwMainEx & 0x000203A9));
    CFrameWnd* pFloatFrame = pBar->GetParentFrame();
    ASSERT_TRUE(pFloatFrame != NULL && pFloatFrame != fixture.m_pFrame);
    EXPECT_EQ(0u, pFloatFrame->GetStyle() & WS_CAPTION);

    // Dragged by its caption, the floating frame follows the mouse to the pixel.
    CRect rectFrame, rectFloatBefore;
    pFrame->GetWindowRect(&rectFrame);
    pFloatFrame->GetWindowRect(&rectFloatBefore);
    const POINT ptCaption = {rectFrame.left + 40, rectFrame.top + ::GetSystemMetrics(SM_CYCAPTION) / 2};
    ASSERT_EQ(HTCAPTION, (int)pFrame->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptCaption.x, ptCaption.y)));
    const CSize offset(-60, 50);
    SendMouse(0, &ptCaption);
    PumpMessages(30);
    const UINT_PTR nWatchdog = ::SetTimer(NULL, 0, 4000, DropCapture);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= 6; ++i)
    {
        const POINT pt = {ptCaption.x + offset.cx * i / 6, ptCaption.y + offset.cy * i / 6};
        SendMouse(0, &pt);
    }
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(300);
    ::KillTimer(NULL, nWatchdog);
    ASSERT_TRUE(pBar->IsFloating());
    CRect rectFloatAfter;
    pBar->GetParentFrame()->GetWindowRect(&rectFloatAfter);
    EXPECT_EQ(rectFloatBefore.left + offset.cx, rectFloatAfter.left);
    EXPECT_EQ(rectFloatBefore.top + offset.cy, rectFloatAfter.top);
    EXPECT_EQ(rectFloatBefore.Size(), rectFloatAfter.Size());

    // A double click on the caption docks it, with its own styles back.
    pFrame->GetWindowRect(&rectFrame);
    const POINT ptDbl = {rectFrame.left + 40, rectFrame.top + ::GetSystemMetrics(SM_CYCAPTION) / 2};
    pFrame->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(ptDbl.x, ptDbl.y));
    fixture.Layout();
    EXPECT_FALSE(pBar->IsFloating());
    EXPECT_EQ(pFrame, CSecMdiFixture::FrameOf(pDoc));
    EXPECT_EQ(dwDocked & ~WS_VISIBLE, pFrame->GetStyle() & ~WS_VISIBLE);
    EXPECT_EQ(dwDockedEx, pFrame->GetExStyle());
}

namespace
{
// The frame bar of a docked frame: its control id and the dock bar it sits in.
CControlBar* BarOf(CFrameWnd* pDocked)
{
    return pDocked != NULL ? DYNAMIC_DOWNCAST(CControlBar, pDocked->GetParent()) : NULL;
}
} // namespace

// A docked frame's bar takes the id asked for when no bar of the main frame has it, else the
// first free id from 256.
TEST(DocumentFrames, ARequestedBarIdInUseBecomesTheFirstFreeIdFrom256)
{
    CSecMdiFixture fixture;
    SECControlBar* pOther = new SECControlBar;
    pOther->Create(fixture.m_pFrame, _T("Andere"), WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, 0x301);
    pOther->m_bAutoDelete = TRUE;
    const struct
    {
        const char* name;
        UINT nRequested;
        int nExpected;
    } cases[] = {
        {"none asked for", 0, 256},
        {"256 taken by the first", 256, 257},
        {"taken by another bar", 0x301, 258},
        {"free", 0x300, 0x300},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CDocument* pDoc = SecTestTemplate()->OpenDocumentFileEx(NULL, TRUE, TRUE, c.nRequested);
        fixture.Layout();
        CControlBar* pBar = BarOf(CSecMdiFixture::FrameOf(pDoc));
        ASSERT_NE(nullptr, pBar);
        EXPECT_EQ(c.nExpected, pBar->GetDlgCtrlID());
        EXPECT_EQ(0u, SecTestTemplate()->m_nRequestedID);
    }
    EXPECT_EQ(pOther, fixture.m_pFrame->GetControlBar(0x301));
}

// Docked at the top edge by its id: a new last row of the top dock bar ({1, 0, 3}), and the main
// frame's cycle of docking places stays where it was.
TEST(DocumentFrames, DockingAtTheTopEdgeOpensANewLastRowAndLeavesTheCycle)
{
    CSecMdiFixture fixture;
    SECControlBar* pFirst = new SECControlBar;
    pFirst->m_szDefault = CSize(120, 40);
    pFirst->Create(fixture.m_pFrame, _T("Oben"), WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, 0x302);
    pFirst->m_bAutoDelete = TRUE;
    pFirst->EnableDocking(CBRS_ALIGN_ANY);
    fixture.m_pFrame->DockControlBar(pFirst, AFX_IDW_DOCKBAR_TOP);
    CDockBar* pTop = DYNAMIC_DOWNCAST(CDockBar, fixture.m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP));
    ASSERT_NE(nullptr, pTop);
    std::vector<void*> expected = {NULL, pFirst, NULL};
    for (int i = 0; i < 2; ++i)
    {
        CDocument* pDoc = fixture.OpenDocument();
        CFrameWnd* pDocked =
            SecTestTemplate()->DockFrameEx(CSecMdiFixture::FrameOf(pDoc), AFX_IDW_DOCKBAR_TOP, NULL, NULL);
        ASSERT_NE(nullptr, pDocked);
        EXPECT_EQ(SECMultiDocTemplate::stateTop, SecTestTemplate()->GetDockingState(pDocked));
        expected.push_back(BarOf(pDocked));
        expected.push_back(NULL);
        EXPECT_EQ(expected, std::vector<void*>(pTop->m_arrBars.GetData(),
                                               pTop->m_arrBars.GetData() + pTop->m_arrBars.GetSize()));
    }
    // The cycle's first place is still the next one: the bottom edge.
    CDocument* pDoc = fixture.OpenDocument();
    CFrameWnd* pDocked = SecTestTemplate()->DockFrame(CSecMdiFixture::FrameOf(pDoc));
    ASSERT_NE(nullptr, pDocked);
    EXPECT_EQ(SECMultiDocTemplate::stateBottom, SecTestTemplate()->GetDockingState(pDocked));
}

// With the right double-click on, it changes the frame's state and the caption has no state
// menu; with the state menu on, the caption offers it and the double-click does nothing.
TEST(DocumentFrames, RightDoubleClickAndContextMenuOnTheCaptionExcludeEachOther)
{
    SECMultiDocTemplate* pTemplate = SecTestTemplate();
    const DWORD dwOldMDI = pTemplate->m_dwMDICaptionStyle,
                dwOldDockable = pTemplate->m_dwDockableCaptionStyle;
    for (bool bDblClk : {true, false})
    {
        SCOPED_TRACE(bDblClk ? "right double-click on" : "context menu on");
        CSecMdiFixture fixture;
        if (bDblClk)
            pTemplate->EnableCaptionRDblClk(TRUE, TRUE);
        else
            pTemplate->EnableCaptionContextMenu(TRUE, TRUE);
        EXPECT_EQ(bDblClk, pTemplate->HasCaptionRDblClk() != FALSE);
        EXPECT_EQ(!bDblClk, pTemplate->HasCaptionContextMenu() != FALSE);
        CDocument* pDoc = fixture.OpenDocument();
        CFrameWnd* pChild = CSecMdiFixture::FrameOf(pDoc);
        ASSERT_TRUE(pChild->IsKindOf(RUNTIME_CLASS(SECMDIChildWnd)));
        CRect rectFrame;
        pChild->GetWindowRect(&rectFrame);
        const CPoint ptCaption(rectFrame.left + 40, rectFrame.top + ::GetSystemMetrics(SM_CYCAPTION) / 2);
        ASSERT_EQ(HTCAPTION, (int)pChild->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptCaption.x, ptCaption.y)));

        g_menu = MenuSeen();
        const UINT_PTR nTimer = ::SetTimer(NULL, 0, 30, ReadMenuAndEscape);
        pChild->SendMessage(WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(ptCaption.x, ptCaption.y));
        PumpUntil([] { return g_menu.bSeen; }, bDblClk ? 500 : 3000);
        ::KillTimer(NULL, nTimer);
        PumpMessages(50);
        const bool bStateMenu = g_menu.bSeen && std::find(g_menu.ids.begin(), g_menu.ids.end(),
                                                          (UINT)scxDocked) != g_menu.ids.end();
        EXPECT_EQ(!bDblClk, bStateMenu);
        EXPECT_EQ(pChild, CSecMdiFixture::FrameOf(pDoc));

        pChild->SendMessage(WM_NCRBUTTONDBLCLK, HTCAPTION, MAKELPARAM(ptCaption.x, ptCaption.y));
        PumpMessages(50);
        EXPECT_EQ(bDblClk, pChild != CSecMdiFixture::FrameOf(pDoc));
    }
    pTemplate->m_dwMDICaptionStyle = dwOldMDI;
    pTemplate->m_dwDockableCaptionStyle = dwOldDockable;
}

namespace
{
struct FeedbackCall
{
    const char* what;
    CFrameWnd* pOld;
    CFrameWnd* pNew;
    bool operator==(const FeedbackCall& o) const
    {
        return std::string(what) == o.what && pOld == o.pOld && pNew == o.pNew;
    }
};
std::vector<FeedbackCall> g_feedback;

std::ostream& operator<<(std::ostream& os, const FeedbackCall& c)
{
    return os << c.what << "(" << c.pOld << ", " << c.pNew << ")";
}

// A view that hears of its frame changing form, framed by a client edge of its own.
class CFeedbackView : public CView, public ISECVwDockFeedBack
{
    DECLARE_DYNCREATE(CFeedbackView)

  public:
    void OnDraw(CDC*) override
    {
    }
    void OnBeforeDock(CFrameWnd* pOld, CFrameWnd* pNew) override
    {
        g_feedback.push_back({"before dock", pOld, pNew});
    }
    void OnAfterDock(CFrameWnd* pNew) override
    {
        g_feedback.push_back({"after dock", NULL, pNew});
    }
    void OnBeforeFloat(CFrameWnd* pOld, CFrameWnd* pNew) override
    {
        g_feedback.push_back({"before float", pOld, pNew});
    }
    void OnAfterFloat(CFrameWnd* pNew) override
    {
        g_feedback.push_back({"after float", NULL, pNew});
    }

  protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        return CView::PreCreateWindow(cs);
    }
};
IMPLEMENT_DYNCREATE(CFeedbackView, CView)

// Switches the library-wide client-edge removal for a scope.
struct CRemoveClientEdge
{
    explicit CRemoveClientEdge(BOOL bRemove) : m_bOld(SECMultiDocTemplate::GetRemoveFrameClientEdge())
    {
        SECMultiDocTemplate::SetRemoveFrameClientEdge(bRemove);
    }
    ~CRemoveClientEdge()
    {
        SECMultiDocTemplate::SetRemoveFrameClientEdge(m_bOld);
    }
    BOOL m_bOld;
};
} // namespace

// A view implementing the feedback interface is told before and after its frame docks and
// floats, with the old and the new frame; with the library-wide flag on, the new frame of a view
// that has its own client edge loses the frame's.
TEST(DocumentFrames, TheViewHearsOfDockingAndFloatingAndKeepsOneClientEdge)
{
    for (BOOL bRemove : {TRUE, FALSE})
    {
        SCOPED_TRACE(bRemove ? "client edge removed" : "client edges kept");
        CRemoveClientEdge flag(bRemove);
        CSecMdiFixture fixture;
        SECMultiDocTemplate* pTemplate = SecTestTemplate();
        CRuntimeClass* pOldView = pTemplate->m_pViewClass;
        pTemplate->m_pViewClass = RUNTIME_CLASS(CFeedbackView);
        CDocument* pDoc = fixture.OpenDocument();
        pTemplate->m_pViewClass = pOldView;
        CFrameWnd* pChild = CSecMdiFixture::FrameOf(pDoc);
        ASSERT_TRUE(CSecMdiFixture::ViewOf(pDoc)->IsKindOf(RUNTIME_CLASS(CFeedbackView)));
        g_feedback.clear();

        CFrameWnd* pDocked = pTemplate->DockFrame(pChild);
        ASSERT_NE(nullptr, pDocked);
        const std::vector<FeedbackCall> docked = {{"before dock", pChild, pDocked},
                                                  {"after dock", NULL, pDocked}};
        EXPECT_EQ(docked, g_feedback);
        EXPECT_EQ(!bRemove, (pDocked->GetExStyle() & WS_EX_CLIENTEDGE) != 0);

        g_feedback.clear();
        CFrameWnd* pAgain = pTemplate->FloatFrameAsMDIChild(pDocked);
        ASSERT_NE(nullptr, pAgain);
        EXPECT_EQ(pAgain, CSecMdiFixture::FrameOf(pDoc));
        const std::vector<FeedbackCall> floated = {{"before float", pDocked, pAgain},
                                                   {"after float", NULL, pAgain}};
        EXPECT_EQ(floated, g_feedback);
    }
}

// MoveViews takes the client edge off the receiving frame only with the flag on and only for a
// view that has one; the windows move over either way.
TEST(DocumentFrames, MovingViewsTakesTheFramesClientEdgeOffOnlyForAViewWithOne)
{
    const struct
    {
        BOOL bFlag;
        bool bView;     // the child is a CView
        bool bEdge;     // the child has a client edge
        bool bEdgeKept; // the receiving frame keeps its own
    } cases[] = {
        {TRUE, true, true, false},
        {FALSE, true, true, true},
        {TRUE, true, false, true},
        {TRUE, false, true, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(::testing::Message()
                     << "flag " << c.bFlag << " view " << c.bView << " edge " << c.bEdge);
        CRemoveClientEdge flag(c.bFlag);
        CFrameWnd* pFrom = new CFrameWnd;
        CFrameWnd* pTo = new CFrameWnd;
        ASSERT_TRUE(pFrom->Create(NULL, _T("Von"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150)));
        ASSERT_TRUE(pTo->Create(NULL, _T("Nach"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150)));
        ASSERT_TRUE(pTo->GetExStyle() & WS_EX_CLIENTEDGE);
        CRect rectClientBefore;
        pTo->GetClientRect(&rectClientBefore);
        CWnd* pChild = c.bView ? (CWnd*)new CSecTestView : new CWnd;
        ASSERT_TRUE(pChild->CreateEx(c.bEdge ? WS_EX_CLIENTEDGE : 0, AfxRegisterWndClass(0), NULL,
                                     WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), pFrom, AFX_IDW_PANE_FIRST));
        const HWND hChild = pChild->m_hWnd;
        SecTestTemplate()->MoveViews(pFrom, pTo);
        EXPECT_EQ(pTo->m_hWnd, ::GetParent(hChild));
        EXPECT_EQ(c.bEdgeKept, (pTo->GetExStyle() & WS_EX_CLIENTEDGE) != 0);
        // The frame change took effect: without the edge the client area grew.
        CRect rectClientAfter;
        pTo->GetClientRect(&rectClientAfter);
        EXPECT_EQ(c.bEdgeKept, rectClientAfter == rectClientBefore);
        pFrom->DestroyWindow();
        pTo->DestroyWindow();
        if (!c.bView)
            delete pChild;
    }
}

namespace
{
// The bar ids a dock state collects from the fixture's frame.
std::vector<UINT> CollectedIds(CFrameWnd* pFrame)
{
    SECDockState state;
    EXPECT_TRUE(state.CollectFrameState(pFrame));
    std::vector<UINT> ids;
    for (int i = 0; i < state.GetBarInfoCount(); i++)
        ids.push_back(state.GetBarInfo(i)->m_nBarID);
    return ids;
}

TEST(DocumentFrames, AFloatingDocumentFramesBarsStayOutOfTheSavedState)
{
    CSecMdiFixture fixture;
    CDocument* pDoc = fixture.OpenDocument(TRUE);
    CFrameWnd* pDocked = CSecMdiFixture::FrameOf(pDoc);
    ASSERT_TRUE(pDocked != NULL && pDocked->IsKindOf(RUNTIME_CLASS(SECDockableFrame)));
    CControlBar* pBar = DYNAMIC_DOWNCAST(CControlBar, pDocked->GetParent());
    ASSERT_TRUE(pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(SECFrameBar)));
    const UINT nBarID = (UINT)pBar->GetDlgCtrlID();
    std::vector<UINT> ids = CollectedIds(fixture.m_pFrame);
    EXPECT_NE(ids.end(), std::find(ids.begin(), ids.end(), nBarID)) << "docked, the frame bar is recorded";
    const size_t nDocked = ids.size();

    fixture.m_pFrame->FloatControlBar(pBar, CPoint(300, 300), CBRS_ALIGN_TOP);
    fixture.Layout();
    ASSERT_TRUE(pBar->IsFloating());
    ids = CollectedIds(fixture.m_pFrame);
    EXPECT_EQ(ids.end(), std::find(ids.begin(), ids.end(), nBarID));
    // Neither the bar nor the floating frame's dock bar.
    EXPECT_EQ(nDocked - 1, ids.size());
}
} // namespace
