// Floating docked nodes: a gripper dropped where no area takes it floats in a mini frame of its
// size plus the frame's borders; the frame moves by its caption, docks back when dropped over an
// area or double-clicked, hides on "Close" and hands Alt+F4 to the main window. Drags that float
// nothing leave no frames behind, and a frame destroyed during its own drag keeps its listener
// until the drag loop returned.
#include "DockingFrameFixture.h"
#include "DockLayoutFixture.h"
#include "uilib/frames/dockengine/DockFloatingNode.h"
#include "uilib/frames/dockengine/FloatDynGridLineTarget.h"
#include "uilib/frames/dockengine/FloatingTargetGripper.h"
#include "uilib/frames/dockengine/LNFloatingHwndContainer.h"
#include "uilib/frames/dockengine/LayoutMiniFloatWnd.h"

namespace
{
using namespace docking_frame;
using namespace drag_input;

SECDockFloatingNode* FloatingNodeOf(DockingFrame& F, int i)
{
    return dynamic_cast<SECDockFloatingNode*>(F.m_pGrippers[i]->GetRootNode());
}

SECLayoutMiniFloatWnd* FrameOf(SECDockFloatingNode* pNode)
{
    SECLNFloatingHwndContainer* pContainer = pNode != NULL ? pNode->GetFloatingContainer() : NULL;
    return pContainer != NULL ? pContainer->GetFrame() : NULL;
}

// The frame's client area in screen coordinates.
RECT ScreenClient(CWnd* pWnd)
{
    RECT rc;
    pWnd->GetClientRect(&rc);
    pWnd->ClientToScreen(&rc);
    return rc;
}

RECT ScreenWindow(CWnd* pWnd)
{
    RECT rc;
    pWnd->GetWindowRect(&rc);
    return rc;
}

POINT CaptionPoint(CWnd* pWnd)
{
    const RECT rcWindow = ScreenWindow(pWnd), rcClient = ScreenClient(pWnd);
    return POINT{(rcWindow.left + rcWindow.right) / 2, (rcWindow.top + rcClient.top) / 2};
}

// Two clicks on the caption: the first runs a drag loop to its button up, the second makes it a
// double click.
void DoubleClickCaption(CWnd* pWnd)
{
    const POINT ptCaption = CaptionPoint(pWnd);
    ::SetCursorPos(ptCaption.x, ptCaption.y);
    PumpMessages(20);
    for (int i = 0; i < 2; ++i)
    {
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
    }
    PumpMessages(250);
}

int CountFloatFrames()
{
    int nCount = 0;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
            if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(SECLayoutMiniFloatWnd)))
                ++*(int*)lParam;
            return TRUE;
        },
        (LPARAM)&nCount);
    return nCount;
}

POINT ViewCentre(DockingFrame& F)
{
    const RECT rcView = ChildRect(*F.m_pFrame, F.m_view);
    return POINT{(rcView.left + rcView.right) / 2, (rcView.top + rcView.bottom) / 2};
}

// Floats list box i by dropping it over the view; its frame, NULL when none.
SECLayoutMiniFloatWnd* FloatOverView(DockingFrame& F, int i)
{
    F.Drag(i, ViewCentre(F));
    return FrameOf(FloatingNodeOf(F, i));
}

// The first list box floated up and left of the view's centre; its frame.
SECLayoutMiniFloatWnd* FloatTheFirstList(DockingFrame& F)
{
    const POINT ptView = ViewCentre(F);
    F.Drag(0, POINT{ptView.x - 60, ptView.y - 40});
    return FrameOf(FloatingNodeOf(F, 0));
}

void ExpectNoDragLeft(const char* name)
{
    EXPECT_EQ(::GetCapture(), (HWND)NULL) << name;
    EXPECT_FALSE(SECLNHwndContainer::IsRecalcSuppressed()) << name;
    EXPECT_EQ(SECDragDropDockingFeature::GetCurrentDragInitiator(), nullptr) << name;
}

TEST(FloatingDockTest, AGripperDroppedOverTheViewFloatsAtItsSizePlusTheFrameBorders)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    const RECT rcGripper = Applied(F.m_pGrippers[2]);
    RECT rcListBefore;
    F.m_lists[2].GetWindowRect(&rcListBefore);
    const POINT ptFrom = F.GripperPoint(2), ptView = ViewCentre(F);
    const POINT ptTo = F.Screen(ptView.x, ptView.y);
    F.DragScreen(ptFrom, ptTo);

    SECDockFloatingNode* pFloating = FloatingNodeOf(F, 2);
    ASSERT_NE(pFloating, nullptr);
    SECLayoutMiniFloatWnd* pFrame = FrameOf(pFloating);
    ASSERT_NE(pFrame, nullptr);
    EXPECT_TRUE(pFrame->IsWindowVisible());
    EXPECT_EQ(F.Target(0)->GetNodeCount(), 0);
    EXPECT_EQ(F.Thickness(0), 0);

    // The borders measured are the frame's real ones; the gripper fills the client area.
    const RECT rcWindow = ScreenWindow(pFrame), rcClient = ScreenClient(pFrame);
    int l, t, r, b;
    pFloating->GetBorders(l, t, r, b);
    EXPECT_EQ(l, rcClient.left - rcWindow.left);
    EXPECT_EQ(t, rcClient.top - rcWindow.top);
    EXPECT_EQ(r, rcWindow.right - rcClient.right);
    EXPECT_EQ(b, rcWindow.bottom - rcClient.bottom);
    EXPECT_GT(t, l); // the caption
    EXPECT_EQ(rcWindow.right - rcWindow.left, rcGripper.right - rcGripper.left + l + r);
    EXPECT_EQ(rcWindow.bottom - rcWindow.top, rcGripper.bottom - rcGripper.top + t + b);
    const RECT rcGripperNow = Applied(F.m_pGrippers[2]);
    EXPECT_EQ(rcGripperNow.left, l);
    EXPECT_EQ(rcGripperNow.top, t);

    // The grabbed point stayed under the cursor: the list box moved as far as the mouse.
    RECT rcListAfter;
    F.m_lists[2].GetWindowRect(&rcListAfter);
    EXPECT_EQ(rcListAfter.left - rcListBefore.left, ptTo.x - ptFrom.x);
    EXPECT_EQ(rcListAfter.top - rcListBefore.top, ptTo.y - ptFrom.y);
    EXPECT_EQ(::GetParent(F.m_lists[2].m_hWnd), pFrame->m_hWnd);
    CString strTitle;
    pFrame->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, CString(_T("Liste")));
    ExpectNoDragLeft("float");
    // A message forwarded through the container reaches the frame and brings its answer back;
    // the frame's own container has no frame to forward to.
    MSG msg{};
    msg.message = WM_GETTEXTLENGTH;
    EXPECT_EQ(pFloating->GetFloatingContainer()->ForwardToFrame((LPARAM)&msg), (LRESULT)strTitle.GetLength());
    EXPECT_EQ(pFloating->GetFloatingContainer()->ForwardToFrame(0), 0);
    EXPECT_EQ(SECLNHwndContainer(F.m_pFrame).ForwardToFrame((LPARAM)&msg), 0);

    // The floated list box still takes a click.
    RECT rcItem;
    F.m_lists[2].GetItemRect(1, &rcItem);
    F.m_lists[2].ClientToScreen(&rcItem);
    POINT ptItem = {(rcItem.left + rcItem.right) / 2, (rcItem.top + rcItem.bottom) / 2};
    SendMouse(0, &ptItem);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(150);
    EXPECT_EQ(F.m_lists[2].GetCurSel(), 1);
}

// A node floats at the size remembered for it; an outline whose grab point lies outside it keeps
// the cursor 5 pixels inside the edge it was pushed from.
TEST(FloatingDockTest, TheOutlineHasTheRememberedSizeAndKeepsTheCursorInside)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    const RECT rcFloat = {0, 0, 150, 200};
    ASSERT_TRUE(F.m_feature.SetNodeDockOptions(F.m_pGrippers[0], 1, 1, &rcFloat));
    SECLayoutMiniFloatWnd* pFrame = FloatOverView(F, 0);
    ASSERT_NE(pFrame, nullptr);
    const RECT rcWindow = ScreenWindow(pFrame);
    EXPECT_EQ(rcWindow.right - rcWindow.left, 150);
    EXPECT_EQ(rcWindow.bottom - rcWindow.top, 200);

    struct Case
    {
        const char* name;
        POINT ptGrab;
        RECT rcExpected; // relative to the cursor
    } cases[] = {{"inside", {20, 10}, {-20, -10, 130, 190}},
                 {"beyond the bottom-right", {400, 300}, {-145, -195, 5, 5}},
                 {"before the top-left", {-60, -40}, {-5, -5, 145, 195}}};
    const POINT pt = {500, 400};
    for (const Case& c : cases)
    {
        SECDockInProgressInfo info;
        info.ptGrabOffset = c.ptGrab;
        RECT rc;
        ASSERT_TRUE(FloatingNodeOf(F, 0)->GetFeedbackRect(&pt, &rc, F.m_feature.GetDockingMgr(), &info))
            << c.name;
        EXPECT_EQ(rc.left - pt.x, c.rcExpected.left) << c.name;
        EXPECT_EQ(rc.top - pt.y, c.rcExpected.top) << c.name;
        EXPECT_EQ(rc.right - pt.x, c.rcExpected.right) << c.name;
        EXPECT_EQ(rc.bottom - pt.y, c.rcExpected.bottom) << c.name;
    }
}

TEST(FloatingDockTest, CtrlOverAnAreaFloats)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    const RECT rcList0 = ChildRect(*F.m_pFrame, F.m_lists[0]);
    F.Drag(2, POINT{(rcList0.left + rcList0.right) / 2, (rcList0.top + rcList0.bottom) / 2}, true);
    EXPECT_NE(FloatingNodeOf(F, 2), nullptr);
    EXPECT_EQ(F.Target(2)->GetNodeCount(), 2);
    EXPECT_EQ(F.Target(0)->GetNodeCount(), 0);
    ExpectNoDragLeft("ctrl");
}

TEST(FloatingDockTest, TheFrameMovesByItsCaptionKeepingItsSizeAndDocksOverAnArea)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    SECLayoutMiniFloatWnd* pFrame = FloatTheFirstList(F);
    ASSERT_NE(pFrame, nullptr);
    for (int i = 0; i < 3; ++i)
    {
        const RECT rcBefore = ScreenWindow(pFrame);
        const POINT ptFrom = CaptionPoint(pFrame), ptTo = {ptFrom.x + 25, ptFrom.y + 15};
        F.DragScreen(ptFrom, ptTo);
        ASSERT_EQ(FrameOf(FloatingNodeOf(F, 0)), pFrame) << i;
        const RECT rcAfter = ScreenWindow(pFrame);
        EXPECT_EQ(rcAfter.right - rcAfter.left, rcBefore.right - rcBefore.left) << i;
        EXPECT_EQ(rcAfter.bottom - rcAfter.top, rcBefore.bottom - rcBefore.top) << i;
        EXPECT_EQ(rcAfter.left, rcBefore.left + 25) << i;
        EXPECT_EQ(rcAfter.top, rcBefore.top + 15) << i;
        ExpectNoDragLeft("move");
    }

    // Over the right area (empty, collapsed) it docks there; the frame hides at once.
    CRect rcClient;
    F.m_pFrame->GetClientRect(&rcClient);
    const HWND hFrame = pFrame->m_hWnd;
    F.DragScreen(CaptionPoint(pFrame), F.Screen(rcClient.right - 10, rcClient.CenterPoint().y));
    EXPECT_EQ(FloatingNodeOf(F, 0), nullptr);
    EXPECT_EQ(F.Target(3)->GetNodeCount(), 1);
    EXPECT_GT(F.Thickness(3), 0);
    EXPECT_EQ(::GetParent(F.m_lists[0].m_hWnd), F.m_pFrame->m_hWnd);
    EXPECT_FALSE(::IsWindowVisible(hFrame));
    ExpectNoDragLeft("dock");
}

// A frame lying over the area it is dropped on docks there: the frame dragged is looked through.
TEST(FloatingDockTest, AFrameDroppedWhereItCoversAnAreaDocksThere)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    SECLayoutMiniFloatWnd* pFrame = FloatTheFirstList(F);
    ASSERT_NE(pFrame, nullptr);
    // The caption's middle a few pixels before the drop point over the top area's list box.
    const RECT rcList2 = ChildRect(*F.m_pFrame, F.m_lists[2]);
    const POINT ptDrop = F.Screen((rcList2.left + rcList2.right) / 2, (rcList2.top + rcList2.bottom) / 2);
    const POINT ptCaption = CaptionPoint(pFrame);
    const RECT rcWindow = ScreenWindow(pFrame);
    pFrame->SetWindowPos(NULL, rcWindow.left + ptDrop.x - 12 - ptCaption.x,
                         rcWindow.top + ptDrop.y - 6 - ptCaption.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages(30);
    const POINT ptFrom = CaptionPoint(pFrame);
    ASSERT_EQ(::WindowFromPoint(ptDrop), pFrame->m_hWnd);
    F.DragScreen(ptFrom, ptDrop);
    EXPECT_EQ(FloatingNodeOf(F, 0), nullptr);
    EXPECT_EQ(F.Target(0)->GetNodeCount(), 2);
    EXPECT_EQ(::GetParent(F.m_lists[0].m_hWnd), F.m_pFrame->m_hWnd);
    ExpectNoDragLeft("dock under the frame");
}

TEST(FloatingDockTest, ADoubleClickOnTheCaptionDocksTheNodeBackAtItsPlace)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    // The first of the two left list boxes leaves its line.
    SECLayoutMiniFloatWnd* pFrame = FloatOverView(F, 0);
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(F.Target(2)->GetNodeCount(), 1);
    const HWND hFrame = pFrame->m_hWnd;
    DoubleClickCaption(pFrame);
    EXPECT_EQ(FloatingNodeOf(F, 0), nullptr);
    ASSERT_EQ(F.Target(2)->GetLineCount(), 1);
    SECLNDynamicGridLine* pLine = F.Target(2)->GetLineAt(0);
    ASSERT_EQ(pLine->GetNodeCount(), 2);
    EXPECT_EQ(pLine->GetFirstNode(), F.m_pGrippers[0]);
    EXPECT_EQ(::GetParent(F.m_lists[0].m_hWnd), F.m_pFrame->m_hWnd);
    const RECT rc0 = ChildRect(*F.m_pFrame, F.m_lists[0]), rc1 = ChildRect(*F.m_pFrame, F.m_lists[1]);
    EXPECT_LT(rc0.bottom, rc1.top);
    // Hidden at once, destroyed when the next node floats.
    EXPECT_TRUE(::IsWindow(hFrame));
    EXPECT_FALSE(::IsWindowVisible(hFrame));
    ExpectNoDragLeft("double click");
    F.Drag(2, ViewCentre(F));
    EXPECT_NE(FloatingNodeOf(F, 2), nullptr);
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(CountFloatFrames(), 1);
}

TEST(FloatingDockTest, ADoubleClickWhoseLastAreaRefusesLeavesTheNodeFloating)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    SECLayoutMiniFloatWnd* pFrame = FloatOverView(F, 0);
    SECDockFloatingNode* pFloating = FloatingNodeOf(F, 0);
    ASSERT_NE(pFrame, nullptr);
    dock_layout::CRefusingTarget refusing;
    refusing.Initialize(F.m_pFrame->m_hWnd, TRUE);
    SECLNDockingMgr* pMgr = F.m_feature.GetDockingMgr();
    ASSERT_TRUE(pMgr->RegisterContainer(&refusing, new SECLNHwndContainer(F.m_pFrame->m_hWnd)));
    dock_layout::CBorderParent parent;
    parent.m_pTarget = &refusing;
    pMgr->GetNodeConstraints(F.m_pGrippers[0], FALSE)->pBorderTargetParent = &parent;

    const RECT rcBefore = ScreenWindow(pFrame);
    DoubleClickCaption(pFrame);
    EXPECT_EQ(FloatingNodeOf(F, 0), pFloating);
    EXPECT_TRUE(pFrame->IsWindowVisible());
    const RECT rcAfter = ScreenWindow(pFrame);
    EXPECT_TRUE(::EqualRect(&rcAfter, &rcBefore));
    EXPECT_EQ(::GetParent(F.m_lists[0].m_hWnd), pFrame->m_hWnd);
    EXPECT_EQ(F.Target(2)->GetNodeCount(), 1);
    ExpectNoDragLeft("refused");
    pMgr->UnregisterContainer(&refusing);
}

TEST(FloatingDockTest, TheCaptionFollowsTheGrippersTitle)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    typedef SECFloatableDockingNode_T<SECReparentableGripperEx> CGripper;
    CGripper* pGripper = dynamic_cast<CGripper*>(F.m_pGrippers[2]);
    ASSERT_NE(pGripper, nullptr);
    EXPECT_FALSE(pGripper->UpdateFloatingTitle(TRUE)); // docked: no floating frame
    SECLayoutMiniFloatWnd* pFrame = FloatOverView(F, 2);
    ASSERT_NE(pFrame, nullptr);
    pGripper->SetNodeName(_T("Umbenannt"));
    // The frame keeps its private manager: without a process-wide one only a forced update acts.
    ASSERT_EQ(SECLNDockingMgr::GetDefaultDockingMgr(), nullptr);
    EXPECT_FALSE(pGripper->UpdateFloatingTitle(FALSE));
    CString strTitle;
    pFrame->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, CString(_T("Liste")));
    EXPECT_TRUE(pGripper->UpdateFloatingTitle(TRUE));
    pFrame->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, CString(_T("Umbenannt")));
}

TEST(FloatingDockTest, CloseHidesTheFrameAndAltF4ReachesTheMainWindow)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    SECLayoutMiniFloatWnd* pFrame = FloatOverView(F, 2);
    SECDockFloatingNode* pFloating = FloatingNodeOf(F, 2);
    ASSERT_NE(pFrame, nullptr);
    CString strItem;
    ASSERT_NE(pFrame->GetSystemMenu(FALSE), nullptr);
    pFrame->GetSystemMenu(FALSE)->GetMenuString(SC_CLOSE, strItem, MF_BYCOMMAND);
    EXPECT_EQ(strItem, CString(_T("Close")));

    // The item chosen with the mouse hides the frame; the node stays floating.
    const POINT ptCaption = CaptionPoint(pFrame);
    pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(ptCaption.x, ptCaption.y));
    EXPECT_FALSE(pFrame->IsWindowVisible());
    EXPECT_TRUE(::IsWindow(pFrame->m_hWnd));
    EXPECT_EQ(FloatingNodeOf(F, 2), pFloating);
    EXPECT_EQ(F.m_pFrame->m_nCloseCommands, 0);
    EXPECT_FALSE(F.m_feature.IsNodeVisible(F.m_pGrippers[2], TRUE));
    EXPECT_TRUE(F.m_feature.ShowNode(F.m_pGrippers[2], TRUE));
    EXPECT_TRUE(pFrame->IsWindowVisible());

    // Alt+F4 on the focused floating frame acts on the main window; the frame stays.
    ::SetForegroundWindow(pFrame->m_hWnd);
    pFrame->SetFocus();
    PumpMessages(50);
    ASSERT_EQ(::GetForegroundWindow(), pFrame->m_hWnd);
    SendKey(VK_MENU, false);
    SendKey(VK_F4, false);
    SendKey(VK_F4, true);
    SendKey(VK_MENU, true);
    PumpMessages(150);
    EXPECT_EQ(F.m_pFrame->m_nCloseCommands, 1);
    EXPECT_TRUE(pFrame->IsWindowVisible());
    EXPECT_EQ(FloatingNodeOf(F, 2), pFloating);
}

TEST(FloatingDockTest, DragsThatFloatNothingLeaveAtMostOneHiddenFrame)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    const POINT ptView = ViewCentre(F);
    const int nFramesBefore = CountFloatFrames();
    SECDragDropDockingFeature feature;
    feature.SetDockingMgr(F.m_feature.GetDockingMgr());
    for (int i = 0; i < 100; ++i)
    {
        // Out over the view (no area: a floating node and frame are made), then back over the
        // top area to dock, or cancelled.
        const POINT ptFrom = F.GripperPoint(2), ptOver = F.Screen(ptView.x, ptView.y);
        ASSERT_TRUE(feature.BeginDrag(0, &ptFrom)) << i;
        feature.DragMove(0, &ptOver);
        feature.DragMove(0, &ptFrom);
        feature.EndDrag(0, &ptFrom, i % 2 == 0);
        ASSERT_EQ(FloatingNodeOf(F, 2), nullptr) << i;
        ASSERT_EQ(F.Target(0)->GetNodeCount(), 1) << i;
    }
    EXPECT_LE(CountFloatFrames() - nFramesBefore, 1);
    EXPECT_EQ(SECLNFloatingHwndContainer::GetPoolCount() <= 1, true);
    ExpectNoDragLeft("hundred drags");
}

// A listener that notes whether its drag loop still ran when it was deleted.
struct ListenerLog
{
    int nDeleted = 0;
    int nDeletedInLoop = 0;
};
ListenerLog g_listenerLog;

class CLoggingListener : public SECDockingListener
{
  public:
    ~CLoggingListener() override
    {
        ++g_listenerLog.nDeleted;
        g_listenerLog.nDeletedInLoop += IsInDragLoop() ? 1 : 0;
    }
};

class CLoggingFloatWnd : public SECLayoutMiniFloatWnd
{
  public:
    SECDockingListener* CreateDockingListener() override
    {
        return new CLoggingListener;
    }
};

class CLoggingContainer : public SECLNFloatingHwndContainer
{
  public:
    CLoggingContainer() : SECLNFloatingHwndContainer(NULL)
    {
    }
    SECLayoutMiniFloatWnd* NewFrameObject() override
    {
        return new CLoggingFloatWnd;
    }
};

HWND g_hFrameToDestroy = NULL;

VOID CALLBACK DestroyFrame(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    ::DestroyWindow(g_hFrameToDestroy);
}

TEST(FloatingDockTest, AFrameDestroyedDuringItsDragDeletesItsListenerAfterTheLoop)
{
    g_listenerLog = ListenerLog();
    SECLNDockingMgr mgr;
    dock_layout::CDragNode root;
    CLoggingContainer* pContainer = new CLoggingContainer;
    ASSERT_TRUE(pContainer->CreateFrame(&root, NULL, _T("Schwebend"), TRUE, TRUE));
    ASSERT_TRUE(pContainer->MeasureFrameBorders(NULL, NULL, NULL, NULL));
    ASSERT_TRUE(mgr.RegisterContainer(&root, pContainer));
    pContainer->SetDockingMgr(&mgr);
    RECT rc = {200, 200, 400, 330}, rcOut;
    root.RecalcNode(rcOut, RECT{0, 0, 200, 130}, FALSE, TRUE);
    ASSERT_TRUE(pContainer->ShowFrame(&rc));
    SECLayoutMiniFloatWnd* pFrame = pContainer->GetFrame();
    ASSERT_NE(pFrame, nullptr);
    pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpMessages(50);
    g_hFrameToDestroy = pFrame->m_hWnd;

    // The press starts the drag; the frame goes while the loop waits for the button.
    const POINT ptCaption = CaptionPoint(pFrame), ptAway = {ptCaption.x + 30, ptCaption.y + 30};
    ::SetCursorPos(ptCaption.x, ptCaption.y);
    PumpMessages(20);
    ::SetTimer(NULL, 0, 150, DestroyFrame);
    const UINT_PTR nSafety = ::SetTimer(NULL, 0, 3000, DropCapture);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(0, &ptAway);
    PumpMessages(400);
    ::KillTimer(NULL, nSafety);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(50);
    EXPECT_FALSE(::IsWindow(g_hFrameToDestroy));
    EXPECT_EQ(g_listenerLog.nDeleted, 1);
    EXPECT_EQ(g_listenerLog.nDeletedInLoop, 0);
    EXPECT_FALSE(root.IsLayoutFrozen());
    ExpectNoDragLeft("destroyed during the drag");
}
} // namespace

namespace
{
// The gripper around a floating grid tidies it: borders shown for several nodes, hidden for one
// in a floating frame; one node in a frame that does not float takes the gripper's place.
TEST(FloatingDockTest, AFloatingTargetGripperTidiesTheGridItWraps)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    SECLayoutDockFactory& factory = F.m_factory;
    SECLayoutNode* pGrid = factory.CreateNode(factory.m_floatTargetFactory);
    ASSERT_NE(dynamic_cast<SECFloatDynGridLineTarget*>(pGrid), nullptr);
    ((SECFloatDynGridLineTarget*)pGrid)->Initialize(F.m_pFrame->m_hWnd, TRUE);
    SECLayoutNodeDCBase* pInner[2];
    for (SECLayoutNodeDCBase*& p : pInner)
    {
        p = factory.CreateGripperNode(F.m_pFrame, factory.CreateNode(), _T("Innen"));
        ASSERT_NE(p, nullptr);
        ASSERT_NE(((SECFloatDynGridLineTarget*)pGrid)->InsertNode(p, NULL), -1);
    }
    SECLayoutNodeDCBase* pOuter =
        factory.CreateWrapperNode(F.m_pFrame, factory.m_floatTargetGripperFactory, pGrid, _T("Aussen"));
    SECFloatingTargetGripper* pGripper = dynamic_cast<SECFloatingTargetGripper*>(pOuter);
    ASSERT_NE(pGripper, nullptr);
    SECLayoutNode parent;
    ASSERT_NE(parent.AddLayoutChild(pGripper), -1);

    auto borderShown = [](SECLayoutNode* p) {
        return SECNodeInterface<ISECBorderWrapper>(p)->IsBorderShown();
    };
    SECNodeInterface<ISECBorderWrapper>(pInner[0])->ShowBorder(FALSE, FALSE);
    EXPECT_TRUE(pGripper->ArrangeFloatingContent());
    EXPECT_TRUE(borderShown(pInner[0]));
    EXPECT_TRUE(borderShown(pInner[1]));

    // One node left, not floating: it takes the gripper's place.
    ((SECFloatDynGridLineTarget*)pGrid)->RemoveLayoutChild(pInner[1]);
    EXPECT_TRUE(pGripper->ArrangeFloatingContent());
    EXPECT_EQ(pInner[0]->GetParentNode(), &parent);
    EXPECT_EQ(pGripper->GetParentNode(), nullptr);
    EXPECT_EQ(((SECFloatDynGridLineTarget*)pGrid)->GetNodeCount(), 0);

    // Nothing to tidy around a plain node.
    SECLayoutNodeDCBase* pPlain = factory.CreateWrapperNode(F.m_pFrame, factory.m_floatTargetGripperFactory,
                                                            factory.CreateNode(), NULL);
    ASSERT_NE(pPlain, nullptr);
    EXPECT_FALSE(dynamic_cast<SECFloatingTargetGripper*>(pPlain)->ArrangeFloatingContent());
    parent.RemoveLayoutChild(pInner[0]);
}

// In a floating frame one node keeps its place and hides its border.
TEST(FloatingDockTest, AFloatingTargetGripperInAFloatingFrameHidesTheLastNodesBorder)
{
    DockingFrame F;
    ASSERT_TRUE(F.m_bOk);
    SECLayoutDockFactory& factory = F.m_factory;
    SECFloatDynGridLineTarget* pGrid =
        (SECFloatDynGridLineTarget*)factory.CreateNode(factory.m_floatTargetFactory);
    pGrid->Initialize(F.m_pFrame->m_hWnd, TRUE);
    SECLayoutNodeDCBase* pInner = factory.CreateGripperNode(F.m_pFrame, factory.CreateNode(), _T("Innen"));
    ASSERT_NE(pGrid->InsertNode(pInner, NULL), -1);
    SECFloatingTargetGripper* pGripper = dynamic_cast<SECFloatingTargetGripper*>(
        factory.CreateWrapperNode(F.m_pFrame, factory.m_floatTargetGripperFactory, pGrid, _T("Aussen")));
    ASSERT_NE(pGripper, nullptr);
    SECDockFloatingNode* pFloating = SECDockFloatingNode::Create(F.m_feature.GetDockingMgr());
    ASSERT_NE(pFloating->AddLayoutChild(pGripper), -1);
    ASSERT_TRUE(SECNodeInterface<ISECBorderWrapper>(pInner)->IsBorderShown());
    EXPECT_TRUE(pGripper->ArrangeFloatingContent());
    EXPECT_EQ(pInner->GetParentNode() != NULL, true);
    EXPECT_EQ(pGrid->GetNodeCount(), 1);
    EXPECT_FALSE(SECNodeInterface<ISECBorderWrapper>(pInner)->IsBorderShown());
    // The floating node's content questions go to the grid.
    pFloating->RemoveLayoutChild(pGripper);
    ASSERT_NE(pFloating->AddLayoutChild(pGrid), -1);
    EXPECT_EQ(pFloating->GetNodeCount(), 1);
    EXPECT_EQ(pFloating->GetFirstNode(), pInner);
    CPtrList nodes;
    nodes.AddTail(pGrid);
    pFloating->CollectNodes(nodes);
    EXPECT_EQ(nodes.GetCount(), 1);
    EXPECT_EQ(nodes.GetHead(), pInner);
    pFloating->RemoveLayoutChild(pGrid);
    pFloating->Destroy();
}
} // namespace
