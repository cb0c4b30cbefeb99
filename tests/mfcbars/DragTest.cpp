// Dragging a toolbar with real input: docking on another side, floating, docking back by a double
// click on the floating caption, cancelling, Ctrl and Shift; floating frames that follow the
// frame's activation, a modal dialog and the visibility of their bar.
#include "BarsTestApp.h"
#include "DockContext.h"
#include "Dialog.h"
#include "MiniDockFrameWnd.h"
#include "TestSupport.h"
#include "ToolBar.h"
#include <atomic>

using namespace testing_support;

namespace
{
const UINT kButtons[] = {ID_TOOL_HANDLED, 0, ID_TOOL_UNHANDLED, ID_TOOL_THIRD};

class DragFrame : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pFrame = new CDockTestFrame;
        ASSERT_TRUE(m_pFrame->CreateAt(CRect(80, 80, 680, 560)));
        ASSERT_TRUE(m_toolBar.CreateEx(m_pFrame, TBSTYLE_FLAT,
                                       WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER, CRect(0, 0, 0, 0),
                                       AFX_IDW_TOOLBAR));
        ASSERT_TRUE(m_toolBar.LoadBitmap(IDB_TEST_TOOLBAR));
        ASSERT_TRUE(m_toolBar.SetButtons(kButtons, 4));
        m_toolBar.SetWindowText(_T("Werkzeuge"));
        m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&m_toolBar);
        m_pFrame->RecalcLayout();
        // A second bar in the same row, after the toolbar.
        ASSERT_TRUE(m_spare.Create(m_pFrame, WS_VISIBLE | CBRS_TOP, ID_BAR_SPARE, _T("Extra")));
        m_spare.EnableDocking(CBRS_ALIGN_ANY);
        CRect rectTool;
        m_toolBar.GetWindowRect(&rectTool);
        CRect rect(CPoint(rectTool.right + 20, rectTool.top), m_spare.m_size);
        m_pFrame->DockControlBar(&m_spare, AFX_IDW_DOCKBAR_TOP, &rect);
        m_pFrame->RecalcLayout();
        PumpMessages(30);
        ASSERT_EQ(TopRow(), (std::vector<void*>{NULL, &m_toolBar, &m_spare, NULL}));
    }
    void TearDown() override
    {
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
    }

    std::vector<void*> TopRow()
    {
        CDockBar* pDock = m_pFrame->DockBar(AFX_IDW_DOCKBAR_TOP);
        std::vector<void*> row;
        for (int i = 0; i < pDock->m_arrBars.GetSize(); i++)
            row.push_back(pDock->m_arrBars[i]);
        return row;
    }
    // A point on the gripper; presses at two offsets are too far apart to make a double click.
    CPoint Gripper(int nOffset = 3)
    {
        CRect rect;
        m_toolBar.GetWindowRect(&rect);
        return CPoint(rect.left + nOffset, rect.CenterPoint().y);
    }
    CPoint ViewCentre()
    {
        CRect rect;
        m_pFrame->m_wndView.GetWindowRect(&rect);
        return rect.CenterPoint();
    }
    // A point over the (empty) left dock bar, half way down.
    CPoint OverLeftSide()
    {
        CRect rect;
        m_pFrame->DockBar(AFX_IDW_DOCKBAR_LEFT)->GetWindowRect(&rect);
        return CPoint(rect.left + 2, (rect.top + rect.bottom) / 2);
    }
    std::function<bool()> Dragging()
    {
        DWORD dwThread = ::GetCurrentThreadId();
        HWND hWnd = m_toolBar.m_hWnd;
        return [dwThread, hWnd] { return CaptureOf(dwThread) == hWnd; };
    }
    std::function<bool()> NotDragging()
    {
        DWORD dwThread = ::GetCurrentThreadId();
        return [dwThread] { return CaptureOf(dwThread) == NULL; };
    }
    std::function<bool()> At(CPoint pt)
    {
        CDockContext* pContext = m_toolBar.m_pDockContext;
        return [pContext, pt] { return pContext->m_ptLast == pt; };
    }
    // Presses on the gripper and moves to pt; the script goes on from there.
    void PickUpAndMoveTo(InputScript& script, CPoint pt, int nGripperOffset = 3)
    {
        script.MoveTo(Gripper(nGripperOffset));
        script.Button(MOUSEEVENTF_LEFTDOWN);
        script.MoveTo(pt + CPoint(-5, 0), Dragging());
        script.MoveTo(pt, At(pt + CPoint(-5, 0)));
        script.WaitFor(At(pt));
    }
    CMiniDockFrameWnd* FloatingFrame()
    {
        CFrameWnd* pFrame = m_toolBar.GetParentFrame();
        return pFrame != NULL && pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))
                   ? (CMiniDockFrameWnd*)pFrame
                   : NULL;
    }

    CDockTestFrame* m_pFrame = NULL;
    CToolBar m_toolBar;
    CTestBar m_spare{CSize(60, 26)};
};

TEST_F(DragFrame, DraggedOverTheLeftDockBarItDocksVertically)
{
    InputScript script;
    PickUpAndMoveTo(script, OverLeftSide());
    script.WaitFor([&] { return m_toolBar.m_pDockContext->m_dwOverDockStyle == CBRS_ALIGN_LEFT; });
    script.Button(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(script.Run());
    EXPECT_EQ(m_pFrame->DockBar(AFX_IDW_DOCKBAR_LEFT), m_toolBar.m_pDockBar);
    EXPECT_TRUE(m_toolBar.GetBarStyle() & CBRS_ALIGN_LEFT);
    EXPECT_FALSE(m_toolBar.IsFloating());
    CRect rect;
    m_toolBar.GetWindowRect(&rect);
    EXPECT_GT(rect.Height(), rect.Width()); // one column
    EXPECT_EQ(TopRow(), (std::vector<void*>{NULL, &m_spare, NULL}));
    EXPECT_EQ((UINT)AFX_IDW_DOCKBAR_LEFT, m_toolBar.m_pDockContext->m_uMRUDockID);
}

TEST_F(DragFrame, DroppedOverTheViewItFloatsAndADoubleClickOnTheCaptionPutsItBack)
{
    InputScript script;
    PickUpAndMoveTo(script, ViewCentre());
    script.WaitFor([&] { return m_toolBar.m_pDockContext->m_dwOverDockStyle == 0; });
    script.Button(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(script.Run());
    ASSERT_TRUE(m_toolBar.IsFloating());
    CMiniDockFrameWnd* pFloat = FloatingFrame();
    ASSERT_TRUE(pFloat != NULL);
    HWND hFloat = pFloat->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(hFloat));
    CString title;
    pFloat->GetWindowText(title);
    EXPECT_EQ(CString("Werkzeuge"), title);
    // Its old place stays in the row as a placeholder.
    EXPECT_EQ(TopRow(), (std::vector<void*>{NULL, (void*)(UINT_PTR)AFX_IDW_TOOLBAR, &m_spare, NULL}));

    CRect rectWindow, rectClient;
    pFloat->GetWindowRect(&rectWindow);
    pFloat->GetClientRect(&rectClient);
    pFloat->ClientToScreen(&rectClient);
    CPoint caption(rectWindow.CenterPoint().x, (rectWindow.top + rectClient.top) / 2);
    script.MoveTo(caption);
    script.Button(MOUSEEVENTF_LEFTDOWN);
    script.Button(MOUSEEVENTF_LEFTUP, Dragging());
    script.Button(MOUSEEVENTF_LEFTDOWN, NotDragging());
    script.Button(MOUSEEVENTF_LEFTUP);
    script.WaitFor([hFloat] { return !::IsWindow(hFloat); });
    EXPECT_TRUE(script.Run()) << "the double click did not dock the bar";
    EXPECT_FALSE(m_toolBar.IsFloating());
    EXPECT_EQ(TopRow(), (std::vector<void*>{NULL, &m_toolBar, &m_spare, NULL}));
}

TEST_F(DragFrame, EscapeOrTheRightButtonLeaveItAsItWas)
{
    CRect rectBefore;
    m_toolBar.GetWindowRect(&rectBefore);
    for (bool bEscape : {true, false})
    {
        SCOPED_TRACE(bEscape ? "Escape" : "right button");
        InputScript script;
        PickUpAndMoveTo(script, ViewCentre(), bEscape ? 3 : 8);
        if (bEscape)
        {
            script.Key(VK_ESCAPE, true);
            script.Key(VK_ESCAPE, false, NotDragging());
        }
        else
        {
            script.Button(MOUSEEVENTF_RIGHTDOWN);
            script.Button(MOUSEEVENTF_RIGHTUP, NotDragging());
        }
        script.Button(MOUSEEVENTF_LEFTUP);
        ASSERT_TRUE(script.Run());
        EXPECT_FALSE(m_toolBar.IsFloating());
        EXPECT_EQ(TopRow(), (std::vector<void*>{NULL, &m_toolBar, &m_spare, NULL}));
        CRect rect;
        m_toolBar.GetWindowRect(&rect);
        EXPECT_EQ(rectBefore, rect);
    }
}

TEST_F(DragFrame, CtrlHeldOverADockBarFloatsIt)
{
    InputScript script;
    script.MoveTo(Gripper());
    script.Button(MOUSEEVENTF_LEFTDOWN);
    script.Key(VK_CONTROL, true, Dragging());
    script.MoveTo(OverLeftSide(), [&] { return m_toolBar.m_pDockContext->m_bForceFrame != FALSE; });
    script.WaitFor(At(OverLeftSide()));
    script.Button(MOUSEEVENTF_LEFTUP);
    script.Key(VK_CONTROL, false, NotDragging());
    ASSERT_TRUE(script.Run());
    EXPECT_TRUE(m_toolBar.IsFloating());
    EXPECT_TRUE(FloatingFrame() != NULL);
}

TEST_F(DragFrame, ShiftFlipsTheFeedbackAndTheFloatingOrientation)
{
    CDockContext* pContext = m_toolBar.m_pDockContext;
    CRect rectFeedback, rectVert;
    InputScript script;
    script.MoveTo(Gripper());
    script.Button(MOUSEEVENTF_LEFTDOWN);
    script.Key(VK_SHIFT, true, Dragging());
    script.MoveTo(ViewCentre(), [&] { return pContext->m_bFlip != FALSE; });
    script.WaitFor([&] {
        // The feedback is the vertical floating frame.
        rectFeedback = pContext->m_rectLast;
        rectVert = pContext->m_rectFrameDragVert;
        return pContext->m_ptLast == ViewCentre() && rectFeedback == rectVert;
    });
    script.Button(MOUSEEVENTF_LEFTUP);
    script.Key(VK_SHIFT, false, NotDragging());
    ASSERT_TRUE(script.Run());
    EXPECT_EQ(rectVert, rectFeedback);
    EXPECT_GT(rectVert.Height(), rectVert.Width());
    ASSERT_TRUE(m_toolBar.IsFloating());
    EXPECT_TRUE(m_toolBar.GetBarStyle() & CBRS_ALIGN_LEFT);
    CRect rect;
    m_toolBar.GetWindowRect(&rect);
    EXPECT_GT(rect.Height(), rect.Width());
}

TEST_F(DragFrame, ShiftOverABarThatDocksOnlyHorizontallyKeepsItDocking)
{
    m_toolBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    CDockContext* pContext = m_toolBar.m_pDockContext;
    const CPoint ptAlongRow = Gripper() + CPoint(30, 0);
    InputScript script;
    script.MoveTo(Gripper());
    script.Button(MOUSEEVENTF_LEFTDOWN);
    script.Key(VK_SHIFT, true, Dragging());
    script.MoveTo(ptAlongRow);
    script.WaitFor([&] { return pContext->m_ptLast == ptAlongRow; });
    script.Button(MOUSEEVENTF_LEFTUP);
    script.Key(VK_SHIFT, false, NotDragging());
    ASSERT_TRUE(script.Run());
    EXPECT_FALSE(pContext->m_bFlip);
    EXPECT_FALSE(m_toolBar.IsFloating());
    EXPECT_EQ(m_pFrame->DockBar(AFX_IDW_DOCKBAR_TOP), m_toolBar.m_pDockBar);
}

std::atomic<bool> g_bReleaseCapture(false);

void CALLBACK ReleaseCaptureWhenAsked(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_bReleaseCapture.exchange(false))
        ::ReleaseCapture();
}

TEST_F(DragFrame, ALostCaptureOrAQuitMessageEndsTheLoopLeavingTheBar)
{
    CRect rectBefore;
    m_toolBar.GetWindowRect(&rectBefore);
    DWORD dwThread = ::GetCurrentThreadId();

    // Something else takes the capture: the loop ends and nothing is docked or floated.
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 20, ReleaseCaptureWhenAsked);
    InputScript script;
    PickUpAndMoveTo(script, ViewCentre(), 3);
    script.WaitFor([] {
        g_bReleaseCapture = true;
        return true;
    });
    script.Button(MOUSEEVENTF_LEFTUP, NotDragging());
    ASSERT_TRUE(script.Run());
    ::KillTimer(NULL, nTimer);
    EXPECT_FALSE(m_toolBar.IsFloating());
    CRect rect;
    m_toolBar.GetWindowRect(&rect);
    EXPECT_EQ(rectBefore, rect);

    // A WM_QUIT taken by the loop ends it and still reaches the application's loop.
    PickUpAndMoveTo(script, ViewCentre(), 8);
    script.WaitFor([dwThread] { return ::PostThreadMessage(dwThread, WM_QUIT, 7, 0) != FALSE; });
    script.Button(MOUSEEVENTF_LEFTUP, NotDragging());
    ASSERT_TRUE(script.Run());
    EXPECT_EQ(7, script.QuitCode());
    EXPECT_FALSE(m_toolBar.IsFloating());
    m_toolBar.GetWindowRect(&rect);
    EXPECT_EQ(rectBefore, rect);
}

TEST_F(DragFrame, TheBorderOfADynamicFloatingBarResizesIt)
{
    // Wider than the narrowest frame the system allows.
    const UINT buttons[] = {ID_TOOL_HANDLED, ID_TOOL_UNHANDLED, ID_TOOL_THIRD, 0,
                            ID_TOOL_HANDLED, ID_TOOL_UNHANDLED, ID_TOOL_THIRD, 0,
                            ID_TOOL_HANDLED, ID_TOOL_UNHANDLED};
    ASSERT_TRUE(m_toolBar.SetButtons(buttons, 10));
    m_toolBar.SetBarStyle(m_toolBar.GetBarStyle() | CBRS_SIZE_DYNAMIC);
    m_pFrame->FloatControlBar(&m_toolBar, CPoint(720, 200));
    CMiniDockFrameWnd* pFloat = FloatingFrame();
    ASSERT_TRUE(pFloat != NULL);
    EXPECT_FALSE(pFloat->GetStyle() & MFS_MOVEFRAME); // its border sizes it
    PumpMessages(30);
    CRect rectBar, rectFrame;
    m_toolBar.GetWindowRect(&rectBar);
    pFloat->GetWindowRect(&rectFrame);
    ASSERT_LT(rectBar.Height(), 2 * 22); // one row

    // Drag the right border in by several buttons: the buttons wrap into more rows.
    ASSERT_GT(rectFrame.Width(), 200);
    CPoint border(rectFrame.right - 2, rectFrame.CenterPoint().y);
    ASSERT_EQ(HTRIGHT, pFloat->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(border.x, border.y)));
    InputScript script;
    script.MoveTo(border);
    script.Button(MOUSEEVENTF_LEFTDOWN);
    script.MoveTo(border - CPoint(40, 0), Dragging());
    script.MoveTo(border - CPoint(90, 0), At(border - CPoint(40, 0)));
    script.Button(MOUSEEVENTF_LEFTUP, At(border - CPoint(90, 0)));
    ASSERT_TRUE(script.Run());
    ASSERT_TRUE(m_toolBar.IsFloating());
    CRect rectBarAfter, rectFrameAfter;
    m_toolBar.GetWindowRect(&rectBarAfter);
    FloatingFrame()->GetWindowRect(&rectFrameAfter);
    EXPECT_LT(rectFrameAfter.Width(), rectFrame.Width() - 40);
    EXPECT_GT(rectBarAfter.Height(), rectBar.Height() + 10);
    EXPECT_EQ(rectFrame.left, rectFrameAfter.left); // the other edge stays
}

// Floated beside the frame, away from everything.
class FloatingBar : public DragFrame
{
  protected:
    void SetUp() override
    {
        DragFrame::SetUp();
        m_pFrame->FloatControlBar(&m_toolBar, CPoint(720, 200));
        m_pFloat = FloatingFrame();
        ASSERT_TRUE(m_pFloat != NULL);
        m_hFloat = m_pFloat->m_hWnd;
        PumpMessages(30);
    }
    CMiniDockFrameWnd* m_pFloat = NULL;
    HWND m_hFloat = NULL;
};

TEST_F(FloatingBar, TheFrameStaysActiveWhileTheFloatingToolbarIsClicked)
{
    m_pFrame->SetForegroundWindow();
    ASSERT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == m_pFrame->m_hWnd; }, 2000));
    EXPECT_TRUE(m_pFrame->m_nFlags & WF_STAYACTIVE);
    CRect rect;
    m_toolBar.GetWindowRect(&rect);
    InputScript script;
    script.MoveTo(CPoint(rect.right - 4, rect.CenterPoint().y));
    script.Button(MOUSEEVENTF_LEFTDOWN);
    script.Button(MOUSEEVENTF_LEFTUP);
    DWORD dwThread = ::GetCurrentThreadId();
    HWND hFloat = m_hFloat;
    script.WaitFor([dwThread, hFloat] { return ActiveOf(dwThread) == hFloat; });
    EXPECT_TRUE(script.Run()) << "the floating frame did not become active";
    EXPECT_TRUE(m_pFrame->m_nFlags & WF_STAYACTIVE);
    EXPECT_EQ(1, m_pFloat->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE));

    // Another top-level window takes the activation: the frame is drawn inactive.
    CFrameWnd* pOther = new CFrameWnd;
    ASSERT_TRUE(
        pOther->Create(NULL, _T("Anderes"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(700, 500, 900, 650)));
    pOther->SetForegroundWindow();
    PumpUntil([&] { return ::GetActiveWindow() == pOther->m_hWnd; }, 2000);
    EXPECT_FALSE(m_pFrame->m_nFlags & WF_STAYACTIVE);
    pOther->DestroyWindow();
}

// Records whether the floating frame could be used while the dialog ran.
class CProbeDialog : public CDialog
{
  public:
    CProbeDialog(CWnd* pParent, HWND hProbe) : CDialog(IDD_TEST_MODAL, pParent), m_hProbe(hProbe)
    {
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_bProbeEnabled = ::IsWindowEnabled(m_hProbe);
        PostMessage(WM_COMMAND, IDOK);
        return TRUE;
    }
    HWND m_hProbe;
    BOOL m_bProbeEnabled = -1;
};

TEST_F(FloatingBar, IsDisabledWhileAModalDialogOfTheFrameRuns)
{
    EXPECT_TRUE(::IsWindowEnabled(m_hFloat));
    CProbeDialog dlg(m_pFrame, m_hFloat);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(FALSE, dlg.m_bProbeEnabled);
    EXPECT_TRUE(::IsWindowEnabled(m_hFloat));
}

TEST_F(FloatingBar, DisappearsWithItsOnlyBarAndReturnsWithIt)
{
    ASSERT_TRUE(::IsWindowVisible(m_hFloat));
    m_pFrame->ShowControlBar(&m_toolBar, FALSE, FALSE);
    EXPECT_FALSE(::IsWindowVisible(m_hFloat));
    EXPECT_TRUE(::IsWindow(m_hFloat)); // kept for the bar
    m_pFrame->ShowControlBar(&m_toolBar, TRUE, FALSE);
    EXPECT_TRUE(::IsWindowVisible(m_hFloat));
    EXPECT_TRUE(m_toolBar.IsWindowVisible());

    // Delayed: the idle step hides it; closing the floating frame hides the bar the same way.
    m_pFrame->ShowControlBar(&m_toolBar, FALSE, TRUE);
    EXPECT_TRUE(::IsWindowVisible(m_hFloat));
    TheApp().OnIdle(0);
    EXPECT_FALSE(::IsWindowVisible(m_hFloat));
    m_pFrame->ShowControlBar(&m_toolBar, TRUE, TRUE);
    TheApp().OnIdle(0);
    EXPECT_TRUE(::IsWindowVisible(m_hFloat));
    m_pFloat->SendMessage(WM_CLOSE);
    TheApp().OnIdle(0);
    EXPECT_FALSE(m_toolBar.IsWindowVisible());
    EXPECT_FALSE(::IsWindowVisible(m_hFloat));
}
} // namespace
