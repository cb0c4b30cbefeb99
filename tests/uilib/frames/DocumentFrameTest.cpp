// Document frames of the multiple-document template: the extra caption button docks an MDI child
// and makes a docked frame an MDI child again with the same view; the state menu; the extended
// commands for maximised and floating forms; activation when the last MDI child closes; titles;
// caption styles; commands from another thread; and a docking that cannot make its frame.
#include "SecMdiFixture.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/docking/FrameBar.h"
#include "uilib/frames/mdi/SysCommandEx.h"
#include <atomic>
#include <thread>

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
};
MenuSeen g_menu;

void CollectChecked(HMENU hMenu, std::vector<UINT>& checked)
{
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub != NULL)
            CollectChecked(hSub, checked);
        else if (::GetMenuState(hMenu, i, MF_BYPOSITION) & MF_CHECKED)
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
        CollectChecked(hMenu, g_menu.checked);
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
        const POINT pt = {ptCaption.x + (ptDrop.x - ptCaption.x) * i / 8, ptCaption.y + (ptDrop.y - ptCaption.y) * i / 8};
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
