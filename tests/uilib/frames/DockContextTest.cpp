// Dragging the library's bars with real input: docking on another side where the feedback
// showed, floating over the client area, a floating bar nudged over a dock bar, Ctrl, Escape,
// the message-bar hint, double clicks toggling, and resizing a floating bar by its border.
#include "DragInput.h"
#include "FramesIds.h"
#include "TestSupport.h"
#include "afxwin.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/DockContext.h"
#include "uilib/frames/docking/FrameDocking.h"
#include "uilib/frames/docking/FrameWnd.h"
#include "uilib/frames/docking/MiniDockFrameWnd.h"
#include <vector>

using namespace drag_input;
using namespace testing_support;

namespace
{
// The frame's message bar: remembers every text it is given.
class CRecordingBar : public CWnd
{
  public:
    std::vector<CString> m_texts;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SETTEXT)
            m_texts.push_back(lParam != 0 ? CString((LPCTSTR)lParam) : CString());
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

struct CDragFixture
{
    SECFrameWnd* m_pFrame;
    CRecordingBar m_wndMessageBar;
    std::vector<SECControlBar*> m_bars;

    CDragFixture()
    {
        m_pFrame = new SECFrameWnd;
        m_pFrame->Create(NULL, _T("Drag test"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 700, 560));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_wndMessageBar.Create(_T("STATIC"), _T(""), WS_CHILD, CRect(0, 0, 10, 10), m_pFrame,
                               AFX_IDW_STATUS_BAR);
        AfxGetApp()->m_pMainWnd = m_pFrame;
        m_pFrame->SetForegroundWindow();
    }
    ~CDragFixture()
    {
        AfxGetApp()->m_pMainWnd = NULL;
        m_pFrame->DestroyWindow();
    }
    SECControlBar* AddTopBar(const TCHAR* pszTitle, float fPct = 1.0f, DWORD dwStyle = 0)
    {
        SECControlBar* pBar = new SECControlBar;
        pBar->m_szDefault = CSize(160, 60);
        pBar->Create(m_pFrame, pszTitle, WS_CHILD | WS_VISIBLE | CBRS_TOP | dwStyle, 0,
                     0x300 + (UINT)m_bars.size());
        pBar->m_bAutoDelete = TRUE;
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        pBar->m_fPctWidth = fPct;
        m_pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
        m_bars.push_back(pBar);
        Layout();
        return pBar;
    }
    void Layout()
    {
        m_pFrame->RecalcLayout();
        PumpMessages(30);
    }
    CDockBar* Dock(UINT nID) const
    {
        return SECFrameDocking::GetDockBar(m_pFrame, nID);
    }
    CPoint ClientPoint(int x, int y) const
    {
        CPoint pt(x, y);
        m_pFrame->ClientToScreen(&pt);
        return pt;
    }
    static CPoint Centre(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        return rect.CenterPoint();
    }
};

struct DragSteps
{
    bool bShift = false;
    bool bCtrl = false;
    bool bEscape = false;
    bool bRightButton = false;
};

// Presses at ptFrom, moves in two steps to ptTo and releases; the loop the press starts runs on
// the queued input while messages are pumped.
void Drag(CPoint ptFrom, CPoint ptTo, const DragSteps& steps = DragSteps())
{
    ::SetCursorPos(ptFrom.x, ptFrom.y);
    SendMouse(0, &ptFrom);
    PumpMessages(50);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    if (steps.bCtrl)
        SendKey(VK_CONTROL, false);
    if (steps.bShift)
        SendKey(VK_SHIFT, false);
    const CPoint ptHalf((ptFrom.x + ptTo.x) / 2, (ptFrom.y + ptTo.y) / 2);
    SendMouse(0, &ptHalf);
    SendMouse(0, &ptTo);
    if (steps.bEscape)
    {
        SendKey(VK_ESCAPE, false);
        SendKey(VK_ESCAPE, true);
    }
    if (steps.bRightButton)
    {
        SendMouse(MOUSEEVENTF_RIGHTDOWN);
        SendMouse(MOUSEEVENTF_RIGHTUP);
    }
    SendMouse(MOUSEEVENTF_LEFTUP);
    if (steps.bCtrl)
        SendKey(VK_CONTROL, true);
    if (steps.bShift)
        SendKey(VK_SHIFT, true);
    const UINT_PTR nWatchdog = ::SetTimer(NULL, 0, 3000, DropCapture);
    PumpMessages(250);
    ::KillTimer(NULL, nWatchdog);
}

SECDockContext* ContextOf(CControlBar* pBar)
{
    return dynamic_cast<SECDockContext*>(pBar->m_pDockContext);
}

CString LoadText(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

TEST(SECDockContext, IsTheControlBarsDragContext)
{
    CDragFixture fix;
    SECControlBar* pBar = fix.AddTopBar(_T("Eins"));
    ASSERT_NE(nullptr, ContextOf(pBar));
    EXPECT_EQ(-1, ContextOf(pBar)->m_nLastDockingRow);
    EXPECT_GT(ContextOf(pBar)->m_nMinFloatWidth, ::GetSystemMetrics(SM_CXMENUSIZE));
}

TEST(SECDockContext, ABarDraggedToTheLeftDocksVerticallyWhereTheFeedbackShowed)
{
    CDragFixture fix;
    SECControlBar* pBar = fix.AddTopBar(_T("Eins"), 0.5f);
    SECControlBar* pOther = fix.AddTopBar(_T("Zwei"), 0.5f);
    // Both in one row, so the top dock bar keeps its height when one leaves.
    CDockBar* pTop = fix.Dock(AFX_IDW_DOCKBAR_TOP);
    pTop->m_arrBars.RemoveAll();
    pTop->m_arrBars.Add(NULL);
    pTop->m_arrBars.Add(pBar);
    pTop->m_arrBars.Add(pOther);
    pTop->m_arrBars.Add(NULL);
    fix.Layout();
    CRect rectClient;
    fix.m_pFrame->GetClientRect(&rectClient);
    Drag(CDragFixture::Centre(pBar), fix.ClientPoint(3, rectClient.Height() / 2));
    fix.Layout();
    CDockBar* pLeft = fix.Dock(AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(pLeft, pBar->m_pDockBar);
    EXPECT_EQ(CBRS_ALIGN_LEFT, pBar->m_dwStyle & CBRS_ALIGN_ANY);
    // The feedback showed the extent the bar took along the dock bar: its whole length.
    SECDockContext* pContext = ContextOf(pBar);
    CRect rectFeedback = pContext->m_rectLast;
    rectFeedback.InflateRect(1, 1);
    CRect rectBar, rectLeft;
    pBar->GetWindowRect(&rectBar);
    pLeft->GetWindowRect(&rectLeft);
    EXPECT_NEAR(rectFeedback.Height(), rectBar.Height(), 3);
    EXPECT_NEAR(rectLeft.Height(), rectBar.Height(), 3);
    EXPECT_TRUE(rectFeedback.left <= rectBar.right && rectBar.left <= rectFeedback.right);
    EXPECT_EQ((UINT)AFX_IDW_DOCKBAR_LEFT, pContext->m_uMRUDockID);
    EXPECT_FALSE(pContext->m_bDragging);
}

TEST(SECDockContext, DroppedOverTheClientTheBarFloats)
{
    const struct
    {
        const char* name;
        bool bCtrl;
        bool bShift;
        bool bToLeftEdge;
        DWORD dwFloatAlign; // the floating dock bar's alignment
    } rows[] = {
        {"over the client", false, false, false, CBRS_ALIGN_TOP},
        {"Ctrl held over the left dock bar", true, false, true, CBRS_ALIGN_TOP},
        {"Shift held: the other orientation", false, true, false, CBRS_ALIGN_LEFT},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CDragFixture fix;
        SECControlBar* pBar = fix.AddTopBar(_T("Eins"));
        CRect rectClient;
        fix.m_pFrame->GetClientRect(&rectClient);
        DragSteps steps;
        steps.bCtrl = row.bCtrl;
        steps.bShift = row.bShift;
        const CPoint ptTo = row.bToLeftEdge
                                ? fix.ClientPoint(3, rectClient.Height() / 2)
                                : fix.ClientPoint(rectClient.Width() / 2, rectClient.Height() / 2);
        Drag(CDragFixture::Centre(pBar), ptTo, steps);
        ASSERT_NE(nullptr, pBar->m_pDockBar);
        EXPECT_TRUE(pBar->IsFloating());
        EXPECT_EQ(row.dwFloatAlign, pBar->m_pDockBar->m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT));
        CFrameWnd* pFloat = pBar->GetParentFrame();
        EXPECT_TRUE(pFloat->IsKindOf(RUNTIME_CLASS(SECMiniDockFrameWnd)));
        EXPECT_TRUE(pFloat->IsWindowVisible());
        EXPECT_TRUE(pBar->m_pDockBar->IsKindOf(RUNTIME_CLASS(SECDockBar)));
        // The floating frame takes the bar's title.
        CString strTitle;
        pFloat->GetWindowText(strTitle);
        EXPECT_STREQ(_T("Eins"), strTitle);
    }
}

TEST(SECDockContext, ShiftOverABarThatDocksOnlyHorizontallyKeepsItDocking)
{
    for (bool bShift : {false, true})
    {
        SCOPED_TRACE(bShift ? "Shift held" : "no key");
        CDragFixture fix;
        SECControlBar* pBar = fix.AddTopBar(_T("Eins"));
        pBar->EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
        DragSteps steps;
        steps.bShift = bShift;
        // Along its own row: the top dock bar stays under the cursor.
        Drag(CDragFixture::Centre(pBar), CDragFixture::Centre(pBar) + CSize(30, 0), steps);
        fix.Layout();
        EXPECT_FALSE(ContextOf(pBar)->m_bFlip);
        EXPECT_FALSE(pBar->IsFloating());
        EXPECT_EQ(fix.Dock(AFX_IDW_DOCKBAR_TOP), pBar->m_pDockBar);
    }
}

TEST(SECDockContext, EscapeAndTheRightButtonLeaveAllAsItWas)
{
    for (int nCase = 0; nCase < 2; ++nCase)
    {
        SCOPED_TRACE(nCase == 0 ? "escape" : "right button");
        CDragFixture fix;
        SECControlBar* pA = fix.AddTopBar(_T("Eins"), 0.5f);
        SECControlBar* pB = fix.AddTopBar(_T("Zwei"), 0.5f);
        CRect rectA, rectB;
        pA->GetWindowRect(&rectA);
        pB->GetWindowRect(&rectB);
        CDockBar* pTop = fix.Dock(AFX_IDW_DOCKBAR_TOP);
        const int nA = pTop->FindBar(pA), nB = pTop->FindBar(pB);
        DragSteps steps;
        (nCase == 0 ? steps.bEscape : steps.bRightButton) = true;
        CRect rectClient;
        fix.m_pFrame->GetClientRect(&rectClient);
        Drag(CDragFixture::Centre(pA), fix.ClientPoint(rectClient.Width() / 2, rectClient.Height() / 2),
             steps);
        fix.Layout();
        EXPECT_EQ(pTop, pA->m_pDockBar);
        EXPECT_EQ(nA, pTop->FindBar(pA));
        EXPECT_EQ(nB, pTop->FindBar(pB));
        CRect rectA2, rectB2;
        pA->GetWindowRect(&rectA2);
        pB->GetWindowRect(&rectB2);
        EXPECT_EQ(rectA, rectA2);
        EXPECT_EQ(rectB, rectB2);
        EXPECT_EQ(nullptr, ::GetCapture());
    }
}

TEST(SECDockContext, TheMessageBarShowsTheHintDuringTheDragAndTheIdleTextAfter)
{
    CDragFixture fix;
    SECControlBar* pBar = fix.AddTopBar(_T("Eins"));
    PumpMessages(50);
    fix.m_wndMessageBar.m_texts.clear();
    CRect rectClient;
    fix.m_pFrame->GetClientRect(&rectClient);
    Drag(CDragFixture::Centre(pBar), fix.ClientPoint(rectClient.Width() / 2, rectClient.Height() / 2));
    const std::vector<CString>& texts = fix.m_wndMessageBar.m_texts;
    ASSERT_GE(texts.size(), 2u);
    EXPECT_STREQ(LoadText(IDS_SEC_DRAG_NODOCK_HINT), texts.front());
    EXPECT_STREQ(LoadText(AFX_IDS_IDLEMESSAGE), texts.back());
}

TEST(SECDockContext, AFloatingBarNudgedOverADockBarStaysFloating)
{
    const struct
    {
        const char* name;
        int nDx;
        bool bDocks;
    } rows[] = {
        {"3 pixels", 3, false},
        {"40 pixels", 40, true},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CDragFixture fix;
        SECControlBar* pBar = fix.AddTopBar(_T("Eins"));
        // Floating across the frame's left edge, over the left dock bar.
        const CPoint ptFloat = fix.ClientPoint(-60, 150);
        fix.m_pFrame->FloatControlBar(pBar, ptFloat, CBRS_ALIGN_TOP);
        PumpMessages(50);
        CFrameWnd* pFloat = pBar->GetParentFrame();
        CRect rectFloat;
        pFloat->GetWindowRect(&rectFloat);
        // Pressed on the caption, as a user drags it.
        const CPoint ptCaption(rectFloat.left + 30, rectFloat.top + ::GetSystemMetrics(SM_CYFRAME) +
                                                        ::GetSystemMetrics(SM_CYSMCAPTION) / 2);
        ASSERT_EQ(HTCAPTION, pFloat->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptCaption.x, ptCaption.y)));
        Drag(ptCaption, ptCaption + CSize(row.nDx, 0));
        fix.Layout();
        if (row.bDocks)
        {
            EXPECT_FALSE(pBar->IsFloating());
            EXPECT_EQ(fix.Dock(AFX_IDW_DOCKBAR_LEFT), pBar->m_pDockBar);
        }
        else
        {
            EXPECT_TRUE(pBar->IsFloating());
            EXPECT_EQ(pFloat, pBar->GetParentFrame()); // the same frame, only moved
            CRect rectNow;
            pFloat->GetWindowRect(&rectNow);
            EXPECT_NEAR(rectFloat.left + row.nDx, rectNow.left, 3);
        }
    }
}

TEST(SECDockContext, ToggleDockingFloatsAtTheLastPlacesAndDocksBackWithTheOldShare)
{
    CDragFixture fix;
    SECControlBar* pA = fix.AddTopBar(_T("Eins"), 0.3f);
    SECControlBar* pB = fix.AddTopBar(_T("Zwei"), 0.7f);
    CDockBar* pTop = fix.Dock(AFX_IDW_DOCKBAR_TOP);
    // Into one row: A then B.
    pTop->m_arrBars.RemoveAll();
    pTop->m_arrBars.Add(NULL);
    pTop->m_arrBars.Add(pA);
    pTop->m_arrBars.Add(pB);
    pTop->m_arrBars.Add(NULL);
    pA->m_fPctWidth = 0.3f;
    pB->m_fPctWidth = 0.7f;
    fix.Layout();
    SECDockContext* pContext = ContextOf(pA);
    // Never floated: it floats where it was docked.
    pContext->m_rectMRUDockPos = CRect(20, 5, 200, 65);
    CPoint ptExpected(20, 5);
    pTop->ClientToScreen(&ptExpected);
    pContext->ToggleDocking();
    PumpMessages(30);
    ASSERT_TRUE(pA->IsFloating());
    CRect rect;
    pA->GetParentFrame()->GetWindowRect(&rect);
    EXPECT_EQ(ptExpected, rect.TopLeft());
    EXPECT_NEAR(0.3f, pA->m_fPctWidthSaved, 1e-6);

    // Back into its row, before B, with its old share.
    pContext->m_uMRUDockID = AFX_IDW_DOCKBAR_TOP;
    pContext->ToggleDocking();
    fix.Layout();
    ASSERT_EQ(pTop, pA->m_pDockBar);
    EXPECT_EQ(1, pTop->FindBar(pA));
    EXPECT_EQ(2, pTop->FindBar(pB));
    EXPECT_NEAR(0.3f, pA->m_fPctWidth, 0.01);

    // Floated once more: at its last floating place.
    pContext->m_ptMRUFloatPos = CPoint(333, 222);
    pContext->ToggleDocking();
    PumpMessages(30);
    ASSERT_TRUE(pA->IsFloating());
    pA->GetParentFrame()->GetWindowRect(&rect);
    EXPECT_EQ(CPoint(333, 222), rect.TopLeft());
}

TEST(SECDockContext, DockingBackToADockBarTheFrameLacksDocksAsIfNoneWereNamed)
{
    // A frame with only a top dock bar; the remembered dock bar is the left one.
    SECFrameWnd* pFrame = new SECFrameWnd;
    pFrame->Create(NULL, _T("Nur oben"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 600, 400));
    pFrame->EnableDocking(CBRS_ALIGN_TOP);
    AfxGetApp()->m_pMainWnd = pFrame;
    SECControlBar* pBar = new SECControlBar;
    pBar->Create(pFrame, _T("Eins"), WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, 0x310);
    pBar->m_bAutoDelete = TRUE;
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(pBar);
    pFrame->FloatControlBar(pBar, CPoint(200, 200), CBRS_ALIGN_TOP);
    ASSERT_TRUE(pBar->IsFloating());
    SECDockContext* pContext = ContextOf(pBar);
    pContext->m_uMRUDockID = AFX_IDW_DOCKBAR_LEFT;
    pContext->m_rectMRUDockPos = CRect(0, 0, 40, 200);
    pContext->ToggleDocking();
    PumpMessages(30);
    EXPECT_FALSE(pBar->IsFloating());
    EXPECT_EQ(SECFrameDocking::GetDockBar(pFrame, AFX_IDW_DOCKBAR_TOP), pBar->m_pDockBar);
    AfxGetApp()->m_pMainWnd = NULL;
    pFrame->DestroyWindow();
}

// Two clicks at pt: the first picks the bar up and puts it back where it was, the second is the
// double click.
void DoubleClick(CPoint pt)
{
    ::SetCursorPos(pt.x, pt.y);
    SendMouse(0, &pt);
    PumpMessages(50);
    for (int i = 0; i < 2; ++i)
    {
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
    }
    const UINT_PTR nWatchdog = ::SetTimer(NULL, 0, 3000, DropCapture);
    PumpMessages(250);
    ::KillTimer(NULL, nWatchdog);
}

TEST(SECDockContext, ADoubleClickOnADockedBarFloatsIt)
{
    for (bool bFloatedBefore : {false, true})
    {
        SCOPED_TRACE(bFloatedBefore ? "floated before" : "never floated");
        CDragFixture fix;
        SECControlBar* pBar = fix.AddTopBar(_T("Eins"));
        CRect rectDocked;
        pBar->GetWindowRect(&rectDocked);
        if (bFloatedBefore)
            ContextOf(pBar)->m_ptMRUFloatPos = CPoint(250, 300);
        DoubleClick(CDragFixture::Centre(pBar));
        ASSERT_TRUE(pBar->IsFloating());
        CRect rect;
        pBar->GetParentFrame()->GetWindowRect(&rect);
        // Never floated: where it was docked.
        EXPECT_EQ(bFloatedBefore ? CPoint(250, 300) : rectDocked.TopLeft(), rect.TopLeft());
    }
}

TEST(SECDockContext, ADoubleClickOnAFloatingCaptionDocksTheBarBackIntoItsRow)
{
    CDragFixture fix;
    SECControlBar* pA = fix.AddTopBar(_T("Eins"), 0.4f);
    SECControlBar* pB = fix.AddTopBar(_T("Zwei"), 0.6f);
    CDockBar* pTop = fix.Dock(AFX_IDW_DOCKBAR_TOP);
    pTop->m_arrBars.RemoveAll();
    pTop->m_arrBars.Add(NULL);
    pTop->m_arrBars.Add(pA);
    pTop->m_arrBars.Add(pB);
    pTop->m_arrBars.Add(NULL);
    pA->m_fPctWidth = 0.4f;
    pB->m_fPctWidth = 0.6f;
    fix.Layout();
    ASSERT_NEAR(0.6f, pB->m_fPctWidth, 1e-6);
    ContextOf(pB)->m_uMRUDockID = AFX_IDW_DOCKBAR_TOP;
    ContextOf(pB)->m_ptMRUFloatPos = CPoint(300, 300);
    ContextOf(pB)->ToggleDocking();
    PumpMessages(50);
    ASSERT_TRUE(pB->IsFloating());
    CFrameWnd* pFloat = pB->GetParentFrame();
    CRect rectFloat;
    pFloat->GetWindowRect(&rectFloat);
    DoubleClick(CPoint(rectFloat.left + 30, rectFloat.top + ::GetSystemMetrics(SM_CYFRAME) +
                                                ::GetSystemMetrics(SM_CYSMCAPTION) / 2));
    fix.Layout();
    ASSERT_FALSE(pB->IsFloating());
    EXPECT_EQ(pTop, pB->m_pDockBar);
    EXPECT_EQ(pTop->FindBar(pA) + 1, pTop->FindBar(pB)); // its place in the row, after A
    EXPECT_NEAR(0.6f, pB->m_fPctWidth, 0.01);
}

TEST(SECDockContext, AFloatingBarIsResizedByItsBorderNotBelowTheMinimumWidth)
{
    CDragFixture fix;
    SECControlBar* pBar = fix.AddTopBar(_T("Eins"), 1.0f, CBRS_SIZE_DYNAMIC);
    pBar->m_szFloat = CSize(200, 80);
    fix.m_pFrame->FloatControlBar(pBar, CPoint(250, 250), CBRS_ALIGN_TOP);
    PumpMessages(50);
    CFrameWnd* pFloat = pBar->GetParentFrame();
    CRect rectFloat;
    pFloat->GetWindowRect(&rectFloat);
    const CPoint ptBorder(rectFloat.right - 2, rectFloat.CenterPoint().y);
    ASSERT_EQ(HTRIGHT, pFloat->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptBorder.x, ptBorder.y)));
    const int nMin = ContextOf(pBar)->m_nMinFloatWidth;

    // Narrower by 50 pixels: the bar takes the width.
    Drag(ptBorder, ptBorder - CSize(50, 0));
    PumpMessages(30);
    EXPECT_EQ(150, pBar->m_szFloat.cx);
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    EXPECT_NEAR(150, rectBar.Width(), 2);

    // Below the minimum: the width stays.
    pFloat->GetWindowRect(&rectFloat);
    const CPoint ptBorder2(rectFloat.right - 2, rectFloat.CenterPoint().y);
    Drag(ptBorder2, ptBorder2 - CSize(150 - nMin + 5, 0));
    PumpMessages(30);
    EXPECT_EQ(150, pBar->m_szFloat.cx);
}
} // namespace

// ---- floating as an MDI child, through the dock site

namespace
{
// A frame that records what the dock context asks of an MDI frame.
class CRecordingSite : public SECFrameWnd
{
  public:
    int m_nMDIFloats = 0;
    CPoint m_ptMDIFloat;
    DWORD m_dwMDIStyle = 0;
    std::vector<BOOL> m_busy;
    void FloatControlBarInMDIChild(CControlBar*, CPoint point, DWORD dwStyle) override
    {
        ++m_nMDIFloats;
        m_ptMDIFloat = point;
        m_dwMDIStyle = dwStyle;
    }
    void SetDockingBusy(BOOL bBusy) override
    {
        m_busy.push_back(bBusy);
    }
};

TEST(SECDockContext, ToggleMDIChildFloatingGoesThroughTheDockSite)
{
    const struct
    {
        const char* name;
        bool bAsMDIChild; // the bar floats as an MDI child now
        bool bWasFloating;
        UINT nMRUDockID;
        bool bExpectDocked;
    } rows[] = {
        {"docked bar becomes an MDI child", false, false, AFX_IDW_DOCKBAR_TOP, false},
        {"back to its dock place", true, false, AFX_IDW_DOCKBAR_TOP, true},
        {"back to a dock bar the frame lacks", true, false, AFX_IDW_DOCKBAR_RIGHT, true},
        {"back to floating", true, true, AFX_IDW_DOCKBAR_TOP, false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CRecordingSite* pFrame = new CRecordingSite;
        pFrame->Create(NULL, _T("MDI"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 600, 450));
        pFrame->EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT);
        AfxGetApp()->m_pMainWnd = pFrame;
        SECControlBar* pBar = new SECControlBar;
        pBar->Create(pFrame, _T("Eins"), WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, 0x320);
        pBar->m_bAutoDelete = TRUE;
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(pBar);
        SECControlBar* pOther = new SECControlBar;
        pOther->Create(pFrame, _T("Zwei"), WS_CHILD | WS_VISIBLE | CBRS_TOP, 0, 0x321);
        pOther->m_bAutoDelete = TRUE;
        pOther->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(pOther);
        // One row: the bar with 0.7, the other with 0.3.
        CDockBar* pTop = SECFrameDocking::GetDockBar(pFrame, AFX_IDW_DOCKBAR_TOP);
        pTop->m_arrBars.RemoveAll();
        pTop->m_arrBars.Add(NULL);
        pTop->m_arrBars.Add(pBar);
        pTop->m_arrBars.Add(pOther);
        pTop->m_arrBars.Add(NULL);
        pBar->m_fPctWidth = 0.7f;
        pOther->m_fPctWidth = 0.3f;
        pFrame->RecalcLayout();
        SECDockContext* pContext = ContextOf(pBar);
        pContext->m_ptMRUFloatPos = CPoint(222, 233);
        pContext->m_uMRUDockID = row.nMRUDockID;
        if (row.bAsMDIChild)
        {
            // As the MDI frame leaves it: in a dock bar that floats as an MDI child.
            pBar->m_fPctWidthSaved = 0.7f;
            pFrame->FloatControlBar(pBar, CPoint(300, 300), CBRS_ALIGN_TOP);
            static_cast<SECDockBar*>(pBar->m_pDockBar)->m_bFloatsAsMDIChild = TRUE;
            pBar->m_fPctWidth = 1.0f;
            pContext->m_bWasFloating = row.bWasFloating;
        }
        pContext->ToggleMDIChildFloating();
        PumpMessages(30);
        EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), pFrame->m_busy);
        if (!row.bAsMDIChild)
        {
            EXPECT_EQ(1, pFrame->m_nMDIFloats);
            EXPECT_EQ(CPoint(222, 233), pFrame->m_ptMDIFloat);
            EXPECT_EQ(pContext->m_dwMRUFloatStyle, pFrame->m_dwMDIStyle);
            EXPECT_NEAR(0.7f, pBar->m_fPctWidthSaved, 1e-6);
            EXPECT_FALSE(pContext->m_bWasFloating);
        }
        else
        {
            EXPECT_EQ(0, pFrame->m_nMDIFloats);
            EXPECT_EQ(row.bExpectDocked, !pBar->IsFloating());
            if (row.bExpectDocked)
            {
                // Back in its row, before the other bar, with its old share.
                pFrame->RecalcLayout();
                EXPECT_EQ(pTop, pBar->m_pDockBar);
                EXPECT_EQ(pTop->FindBar(pBar) + 1, pTop->FindBar(pOther));
                EXPECT_NEAR(0.7f, pBar->m_fPctWidth, 1e-5);
            }
            else
            {
                CRect rect;
                pBar->GetParentFrame()->GetWindowRect(&rect);
                EXPECT_EQ(CPoint(222, 233), rect.TopLeft());
            }
        }
        AfxGetApp()->m_pMainWnd = NULL;
        pFrame->DestroyWindow();
    }
}
} // namespace
