// The sheet-tab window in a frame: layout for both looks, painting, choosing and renaming sheets,
// marks, the splitter, resizing and the strip's scroll buttons.
#include "TabWndSupport.h"
#include "grid/excel/EditLabelPopup.h"
#include "grid/excel/SheetTabClasses.h"
#include "grid/excel/TabMessages.h"
#include "grid/excel/TabWndInterface.h"
#include "grid/core/GridParam.h"
#include "tests/grid/GridPixels.h"
#include "tests/uilib/frames/DragInput.h"
#include "Static.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
CRect ChildRect(CWnd* pParent, CWnd* pChild)
{
    CRect rect;
    pChild->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

std::string RectText(const CRect& r)
{
    char sz[80];
    sprintf(sz, "(%ld,%ld)-(%ld,%ld)", r.left, r.top, r.right, r.bottom);
    return sz;
}
} // namespace

TEST(GridExcelTabWnd, LayoutOfBothLooks)
{
    const int cyH = ::GetSystemMetrics(SM_CYHSCROLL);
    for (int g = 0; g <= 1; g++)
    {
        LookFlags look(g);
        SheetFrame f(600, 300);
        CGXTabWnd& t = *f.pTabWnd;
        CRect client;
        t.GetClientRect(&client);
        const int cx = client.Width(), cy = client.Height();
        ASSERT_GT(cx, 500);
        ASSERT_GT(cy, 250);
        // The layout worked out by hand from the client size and the system's bar height.
        const int n = cyH + g - 1, inRight = cx - n, inBottom = cy - n;
        const int H = cy - 2 * g - inBottom, W = cx - 2 * g - inRight, sw = cx / 2;
        struct Row
        {
            UINT nID;
            CRect expected;
        } rows[] = {
            {59904, CRect(sw + 5, inBottom, sw + 5 + (inRight - sw - 6) + 2, inBottom + H + 2)},
            {59920, CRect(inRight, -1, inRight + W + 2, inBottom + 1)},
            {59905, CRect(-1, inBottom, sw + 1, inBottom + H + 2)},
            {59936, CRect(inRight + 1, inBottom + 1, inRight + 1 + W + 2, inBottom + 1 + H + 2)},
        };
        for (const Row& r : rows)
        {
            CWnd* pChild = t.GetDlgItem(r.nID);
            if (r.nID == 59936 && !g)
            {
                EXPECT_EQ(nullptr, pChild) << "the old look has no size box";
                continue;
            }
            ASSERT_NE(nullptr, pChild) << r.nID;
            EXPECT_EQ(RectText(r.expected), RectText(ChildRect(&t, pChild))) << "g=" << g << " id " << r.nID;
        }
        EXPECT_EQ(RectText(CRect(0, 0, inRight, inBottom)), RectText(ChildRect(&t, t.GetActivePane()))) << g;
        EXPECT_EQ(sw, t.m_nStripWidth);
        EXPECT_EQ(2 * cyH, t.GetBeam().m_nButtonAreaWidth);
        // The sheets share the tab window's bars.
        EXPECT_EQ(t.GetDlgItem(59920)->m_hWnd, f.apViews[0]->GetScrollBarCtrl(SB_VERT)->GetSafeHwnd());
        EXPECT_FALSE(f.apViews[1]->IsWindowVisible());
    }
}

TEST(GridExcelTabWnd, TabsAndButtonsAsPainted)
{
    LookFlags look(TRUE);
    SheetFrame f(900, 300);
    CGXTabBeam& beam = f.Beam();
    const COLORREF clrNormal = ToRGB(::GetSysColor(COLOR_BTNFACE)),
                   clrCurrent = ToRGB(::GetSysColor(COLOR_WINDOW)),
                   clrEmpty = ToRGB(::GetSysColor(COLOR_SCROLLBAR));
    ASSERT_NE(clrNormal, clrCurrent);
    beam.Invalidate();
    beam.UpdateWindow();
    Pixels px = CaptureClient(&beam);
    const int s = beam.m_nSlant;
    for (int i = 0; i < 3; i++)
    {
        // Right of the label, where the next tab's slant lies under this one.
        int x = beam.GetTabLeft(i) + s + beam.GetTab(i).nWidth + 1;
        EXPECT_EQ(i == 0 ? clrCurrent : clrNormal, px.At(x, 3)) << i;
    }
    // Slanted sides: left of the first tab's bottom edge lies the empty strip; the shadow runs
    // along the bottom inside each tab.
    const int T = beam.m_nHeight; // the new look: no old-look row less
    EXPECT_EQ(clrEmpty, px.At(beam.GetTabLeft(0) + 1, T - 2));
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(ToRGB(::GetSysColor(COLOR_BTNSHADOW)), px.At(beam.GetTabLeft(i) + s + 2, T - 1)) << i;
    // The splitter bar: black, highlight, face, shadow from its left edge.
    f.pTabWnd->Invalidate();
    f.pTabWnd->UpdateWindow();
    Pixels wnd = CaptureClient(f.pTabWnd);
    const int sw = f.pTabWnd->m_nStripWidth, yBar = wnd.cy - 3;
    const COLORREF bar[] = {0, ToRGB(::GetSysColor(COLOR_BTNHIGHLIGHT)), clrNormal,
                            ToRGB(::GetSysColor(COLOR_BTNSHADOW))};
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(bar[i], wnd.At(sw + 1 + i, yBar)) << i;
    // The current tab opens towards the sheet: no black line above it, black above the others.
    EXPECT_EQ(clrCurrent, px.At(beam.GetTabLeft(0) + s + 2, 0));
    EXPECT_EQ(0u, px.At(beam.GetTabLeft(2) + s + beam.GetTab(2).nWidth + 1, 0));
    int nEnd = beam.GetTabLeft(2) + beam.GetTab(2).nWidth + 2 * s;
    EXPECT_EQ(clrEmpty, px.At(nEnd + 5, 5));
    // All tabs fit: both glyphs grey. Their first line at the button's left triangle.
    const int h = beam.m_nHeight, w = beam.m_nButtonWidth, g = 1;
    const int gw = (h >= 20 ? 6 : 5) + 2 * g, m = (w - gw) / 2, tt = (h - 9) / 2;
    const COLORREF grey = 0x606060;
    EXPECT_EQ(grey, px.At(m + 1, tt + 4));             // back, line 0
    EXPECT_EQ(grey, px.At(2 * h - m - 2, tt + 4));     // forward, line 0
    EXPECT_EQ(grey, px.At(2 * h - m - 2 - 3, tt + 1)); // forward, line 3 top
    // Long labels overflow the strip: forward turns black, back stays grey.
    for (int i = 0; i < 3; i++)
        f.pTabWnd->SetTabNameAt(i, _T("Ein sehr langer Tabellenname"));
    beam.UpdateWindow();
    px = CaptureClient(&beam);
    EXPECT_EQ(grey, px.At(m + 1, tt + 4));
    EXPECT_EQ(0u, px.At(2 * h - m - 2, tt + 4));
    // One sheet left: both glyphs grey, and the buttons do nothing.
    f.pTabWnd->RemoveWnd(f.apViews[2]);
    f.pTabWnd->RemoveWnd(f.apViews[1]);
    ASSERT_EQ(1, beam.GetTabCount());
    beam.Invalidate();
    beam.UpdateWindow();
    px = CaptureClient(&beam);
    EXPECT_EQ(grey, px.At(m + 1, tt + 4));
    EXPECT_EQ(grey, px.At(2 * h - m - 2, tt + 4));
    EXPECT_EQ(-1, beam.ButtonFromPoint(w / 2, h / 2, -1));
    EXPECT_EQ(-1, beam.ButtonFromPoint(w + w / 2, h / 2, -1));
    EXPECT_EQ(0, beam.m_nFirstTab);
}

TEST(GridExcelTabWnd, ClicksChooseSheetsAndKeepTheirScrollState)
{
    LookFlags look(TRUE);
    SheetFrame f(600, 300);
    CGXTabWnd& t = *f.pTabWnd;
    CGXTabBeam& beam = f.Beam();
    for (CSheetTestView* pView : f.apViews)
        pView->SetRowCount(300);
    f.apViews[0]->SetTopRow(120);
    f.apViews[0]->UpdateWindow();
    CScrollBar* pVert = (CScrollBar*)t.GetDlgItem(59920);
    int nPos0 = pVert->GetScrollPos();
    ASSERT_GT(nPos0, 0);
    POINT c = TabCentre(beam, 1);
    ClickAt(&beam, c.x, c.y);
    EXPECT_TRUE(PumpUntil([&] { return t.GetActivePane() == f.apViews[1]; }, 2000));
    EXPECT_EQ(1, beam.GetCurrentTab());
    EXPECT_TRUE(f.apViews[1]->IsWindowVisible());
    EXPECT_FALSE(f.apViews[0]->IsWindowVisible());
    EXPECT_LT(pVert->GetScrollPos(), nPos0) << "the other sheet's own position";
    EXPECT_EQ(f.apViews[1], f.pFrame->GetActiveView());
    c = TabCentre(beam, 0);
    ClickAt(&beam, c.x, c.y);
    EXPECT_TRUE(PumpUntil([&] { return t.GetActivePane() == f.apViews[0]; }, 2000));
    EXPECT_EQ(nPos0, pVert->GetScrollPos());
    EXPECT_EQ(120u, f.apViews[0]->GetTopRow());
}

TEST(GridExcelTabWnd, VetoesKeepTheCurrentSheet)
{
    LookFlags look(TRUE);
    SheetFrame f(600, 300);
    CGXTabWnd& t = *f.pTabWnd;
    CGXTabBeam& beam = f.Beam();
    struct Case
    {
        int nView, nWhen;
    } cases[] = {{0, 0}, {2, 1}};
    for (const Case& k : cases)
    {
        f.apViews[k.nView]->m_nVetoWhen = k.nWhen;
        POINT c = TabCentre(beam, 2);
        ClickAt(&beam, c.x, c.y);
        EXPECT_EQ(f.apViews[0], t.GetActivePane()) << k.nView;
        EXPECT_EQ(0, beam.GetCurrentTab()) << k.nView;
        f.apViews[k.nView]->m_nVetoWhen = -1;
    }
    // The strip asks its notification window first (0x787); a refusal posts nothing.
    struct CNotify : CWnd
    {
        LRESULT lAnswer = 1;
        std::vector<WPARAM> selected;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_GX_TABCANACTIVATE)
                return lAnswer;
            if (message == WM_GX_TABSELECT)
                selected.push_back(wParam);
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } notify;
    notify.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, CRect(0, 0, 1, 1), NULL, 0);
    beam.m_pNotifyWnd = &notify;
    POINT c = TabCentre(beam, 1);
    ClickAt(&beam, c.x, c.y);
    EXPECT_EQ(0, beam.GetCurrentTab());
    EXPECT_TRUE(notify.selected.empty());
    notify.lAnswer = 0;
    ClickAt(&beam, c.x, c.y);
    EXPECT_EQ(1, beam.GetCurrentTab());
    ASSERT_EQ(1u, notify.selected.size());
    EXPECT_EQ(1u, notify.selected[0]);
    beam.m_pNotifyWnd = NULL;
    notify.DestroyWindow();
}

TEST(GridExcelTabWnd, CtrlAndShiftMarkTabs)
{
    LookFlags look(TRUE);
    SheetFrame f(900, 300);
    CGXTabBeam& beam = f.Beam();
    for (int i = 3; i < 5; i++)
        f.pTabWnd->CreateView(RUNTIME_CLASS(CSheetTestView), _T("X"));
    auto marks = [&] {
        std::string s;
        for (int i = 0; i < beam.GetTabCount(); i++)
            s += beam.GetTab(i).bSel ? '1' : '0';
        return s;
    };
    POINT c = TabCentre(beam, 4);
    ClickAt(&beam, c.x, c.y);
    PumpUntil([&] { return beam.GetCurrentTab() == 4; }, 1000);
    ASSERT_EQ(4, beam.GetCurrentTab());
    c = TabCentre(beam, 1);
    ClickAt(&beam, c.x, c.y, VK_SHIFT);
    EXPECT_EQ("01110", marks()); // from the clicked tab up to, not including, the current one
    c = TabCentre(beam, 2);
    ClickAt(&beam, c.x, c.y, VK_CONTROL);
    EXPECT_EQ("01010", marks());
    ClickAt(&beam, c.x, c.y, VK_CONTROL);
    EXPECT_EQ("01110", marks());
    EXPECT_EQ(4, beam.GetCurrentTab()); // marking chooses nothing
    // A plain click on an unmarked tab clears the marks.
    c = TabCentre(beam, 0);
    ClickAt(&beam, c.x, c.y);
    PumpUntil([&] { return beam.GetCurrentTab() == 0; }, 1000);
    EXPECT_EQ("00000", marks());
}

TEST(GridExcelTabWnd, DoubleClickRenamesTheCurrentTab)
{
    LookFlags look(TRUE);
    SheetFrame f(600, 300);
    CGXTabWnd& t = *f.pTabWnd;
    CGXTabBeam& beam = f.Beam();
    auto field = [&] { return t.GetDlgItem(23001); };
    POINT c = TabCentre(beam, 0);
    ClickAt(&beam, c.x, c.y, 0, true);
    ASSERT_TRUE(PumpUntil([&] { return field() != NULL; }, 2000));
    EXPECT_TRUE(CWnd::FromHandlePermanent(field()->m_hWnd)->IsKindOf(RUNTIME_CLASS(CGXEditLabelPopup)));
    CString sText;
    field()->GetWindowText(sText);
    EXPECT_EQ(CString("Arbeitsblatt 1"), sText);
    EXPECT_EQ(field()->m_hWnd, ::GetFocus());
    // Typing and Enter rename and re-measure the tab; the sheet hears of it.
    ::SendMessage(field()->m_hWnd, EM_SETSEL, 0, -1);
    for (char ch : std::string("UMSATZ"))
    {
        drag_input::SendKey(ch, false);
        drag_input::SendKey(ch, true);
    }
    drag_input::SendKey(VK_RETURN, false);
    drag_input::SendKey(VK_RETURN, true);
    ASSERT_TRUE(PumpUntil([&] { return field() == NULL; }, 2000));
    PumpMessages(50);
    EXPECT_EQ(CString("umsatz"), beam.GetTab(0).sLabel);
    {
        CClientDC dc(&beam);
        CFont* pOld = dc.SelectObject(beam.m_pFontBold);
        EXPECT_EQ(beam.m_nSlant + dc.GetTextExtent(beam.GetTab(0).sLabel).cx, beam.GetTab(0).nWidth);
        dc.SelectObject(pOld);
    }
    ASSERT_EQ(1u, f.apViews[0]->m_renamed.size());
    EXPECT_EQ(0u, f.apViews[0]->m_renamed[0]);

    // Escape and losing the focus cancel.
    CString sBefore = beam.GetTab(0).sLabel;
    for (int nWay = 0; nWay < 2; nWay++)
    {
        ClickAt(&beam, c.x, c.y, 0, true);
        ASSERT_TRUE(PumpUntil([&] { return field() != NULL; }, 2000)) << nWay;
        drag_input::SendKey('Q', false);
        drag_input::SendKey('Q', true);
        if (nWay == 0)
        {
            drag_input::SendKey(VK_ESCAPE, false);
            drag_input::SendKey(VK_ESCAPE, true);
        }
        else
            f.apViews[0]->SetFocus();
        EXPECT_TRUE(PumpUntil([&] { return field() == NULL; }, 2000)) << nWay;
        EXPECT_EQ(sBefore, beam.GetTab(0).sLabel) << nWay;
    }
    EXPECT_EQ(1u, f.apViews[0]->m_renamed.size());

    // A grid whose parameter object refuses gets no field.
    f.apViews[0]->GetParam()->m_bSheetNameEditable = FALSE;
    ClickAt(&beam, c.x, c.y, 0, true);
    PumpMessages(100);
    EXPECT_EQ(nullptr, field());
    f.apViews[0]->GetParam()->m_bSheetNameEditable = TRUE;

    // The current tab scrolled partly out to the left: a double click starts nothing.
    beam.m_nFirstTab = 1;
    POINT c1 = TabCentre(beam, 1);
    beam.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(c1.x, c1.y));
    PumpMessages(100);
    EXPECT_EQ(nullptr, field());
    beam.m_nFirstTab = 0;
    beam.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(c.x, c.y));
    EXPECT_TRUE(PumpUntil([&] { return field() != NULL; }, 1000)) << "the same with the tab in view";
    drag_input::SendKey(VK_ESCAPE, false);
    drag_input::SendKey(VK_ESCAPE, true);
    EXPECT_TRUE(PumpUntil([&] { return field() == NULL; }, 1000));

    // A rename through the interface notifies the sheet as the user's does.
    t.SetTabName(f.apViews[2], _T("Kosten"), TRUE);
    EXPECT_EQ(CString("Kosten"), beam.GetTab(2).sLabel);
    ASSERT_EQ(1u, f.apViews[2]->m_renamed.size());
    EXPECT_EQ(2u, f.apViews[2]->m_renamed[0]);
    CString sName;
    CGXAbstractTabWndInterface* pInterface = GXGetAppData()->m_pTabWndInterface;
    ASSERT_NE(nullptr, pInterface);
    pInterface->GetOrSetTabName(f.apViews[2], sName, FALSE);
    EXPECT_EQ(CString("Kosten"), sName);
    sName = _T("Gewinn");
    pInterface->GetOrSetTabName(f.apViews[1], sName, TRUE);
    EXPECT_EQ(CString("Gewinn"), beam.GetTab(1).sLabel);
    EXPECT_TRUE(f.apViews[1]->m_renamed.empty()); // no notice from the interface
    EXPECT_EQ(CString("Gewinn"), pInterface->GetTabNameAt(f.apViews[0], 1));
    // The grid renames its own tab through the installed interface.
    f.apViews[0]->SetSheetTabName(_T("Bilanz"));
    EXPECT_EQ(CString("Bilanz"), beam.GetTab(0).sLabel);
    EXPECT_EQ(CString(), pInterface->GetTabNameAt(f.apViews[0], 7));
    EXPECT_EQ(CString(), pInterface->GetTabNameAt(f.pFrame, 0));
}

TEST(GridExcelTabWnd, SplitterDragAndItsLimits)
{
    LookFlags look(TRUE);
    SheetFrame f(600, 300);
    CGXTabWnd& t = *f.pTabWnd;
    CRect client;
    t.GetClientRect(&client);
    const int cyH = ::GetSystemMetrics(SM_CYHSCROLL);
    const int nMin = t.GetBeam().m_nButtonAreaWidth + 20, nMax = client.right - 2 * (cyH + 2);
    struct Case
    {
        int xTo, nExpected;
    } cases[] = {{200, 200}, {nMin - 1, 200}, {nMin, nMin}, {nMax + 1, nMin}, {nMax, nMax}};
    for (const Case& k : cases)
    {
        POINT from = ScreenOf(&t, t.m_nStripWidth + 3, client.bottom - 5);
        POINT to = ScreenOf(&t, k.xTo, client.bottom - 5);
        KeepApartFromLastPress(from);
        drag_input::SendMouse(0, &from);
        drag_input::SendMouse(MOUSEEVENTF_LEFTDOWN);
        drag_input::SendMouse(0, &to);
        drag_input::SendMouse(MOUSEEVENTF_LEFTUP);
        PumpMessages(150);
        EXPECT_EQ(k.nExpected, t.m_nStripWidth) << k.xTo;
        EXPECT_EQ(k.nExpected + 5, ChildRect(&t, t.GetDlgItem(59904)).left) << k.xTo;
        EXPECT_EQ(k.nExpected + 1, ChildRect(&t, &t.GetBeam()).right) << k.xTo;
        EXPECT_FALSE(t.m_bDragging);
        EXPECT_EQ(-1, t.GetBeam().m_nRepaintHint);
    }
}

TEST(GridExcelTabWnd, ResizingScalesTheStrip)
{
    LookFlags look(TRUE);
    SheetFrame f(600, 300);
    CGXTabWnd& t = *f.pTabWnd;
    // The tab window itself 600 pixels wide with the splitter in the middle, then 300.
    CRect window, client;
    t.GetWindowRect(&window);
    t.GetClientRect(&client);
    const int nBorder = window.Width() - client.Width();
    t.SetWindowPos(NULL, 0, 0, 600 + nBorder, window.Height(), SWP_NOMOVE | SWP_NOZORDER);
    t.m_nStripWidth = 300;
    t.m_nStripWidth100 = 30000;
    t.m_nLastClientWidth = 600;
    t.SetWindowPos(NULL, 0, 0, 300 + nBorder, window.Height(), SWP_NOMOVE | SWP_NOZORDER);
    t.GetClientRect(&client);
    ASSERT_EQ(300, client.Width());
    const int a = (t.GetBeam().m_nButtonAreaWidth - 20) * 100;
    EXPECT_EQ(((30000 - a) * 300 / 600 + a) / 100, t.m_nStripWidth);
    if (t.GetBeam().m_nButtonAreaWidth == 34)
    {
        EXPECT_EQ(157, t.m_nStripWidth);
    }
    // A wide window with the splitter right of the middle: the product passes 32 bits.
    t.m_nStripWidth = 5000;
    t.m_nStripWidth100 = 500000;
    t.m_nLastClientWidth = 6000;
    t.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(12000, 300));
    const long long wide = ((500000LL - a) * 12000 / 6000 + a) / 100;
    EXPECT_EQ(wide, t.m_nStripWidth);
    EXPECT_EQ(12000, t.m_nLastClientWidth);
}

namespace
{
CWnd* g_pCaptureThief = NULL;
VOID CALLBACK StealCapture(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    g_pCaptureThief->SetCapture();
}
CWnd* g_pCancelled = NULL;
VOID CALLBACK CancelMode(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    g_pCancelled->SendMessage(WM_CANCELMODE);
}
VOID CALLBACK PostQuit(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(NULL, nIDEvent);
    ::PostQuitMessage(7);
}
} // namespace

TEST(GridExcelTabWnd, HeldScrollButtonRepeatsUntilTheCaptureGoes)
{
    LookFlags look(TRUE);
    SheetFrame f(600, 300);
    CGXTabBeam& beam = f.Beam();
    CStatic extra[12];
    for (int i = 0; i < 12; i++)
    {
        extra[i].Create(_T(""), WS_CHILD, CRect(0, 0, 1, 1), f.pTabWnd, 100 + i);
        f.pTabWnd->AttachWnd(&extra[i], _T("Ein langer Blattname"));
    }
    ASSERT_EQ(15, beam.GetTabCount());
    ASSERT_EQ(0, beam.m_nFirstTab);
    CWnd thief;
    thief.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP | WS_VISIBLE, CRect(700, 500, 720, 520), NULL,
                   0);
    g_pCaptureThief = &thief;
    // Press and hold the forward button; another window takes the capture after a while.
    POINT pt = ScreenOf(&beam, beam.m_nButtonWidth + beam.m_nButtonWidth / 2, beam.m_nHeight / 2);
    drag_input::SendMouse(0, &pt);
    ::SetTimer(NULL, 0, 1200, StealCapture);
    drag_input::SendMouse(MOUSEEVENTF_LEFTDOWN);
    ULONGLONG start = NowMs();
    PumpUntil([&] { return beam.m_nFirstTab > 0 && !beam.m_bTracking; }, 5000);
    ULONGLONG elapsed = NowMs() - start;
    EXPECT_GE(beam.m_nFirstTab, 3) << "one step for the press, more while held";
    EXPECT_EQ(thief.m_hWnd, ::GetCapture());
    EXPECT_LT(elapsed, 4000u);
    int nFirst = beam.m_nFirstTab;
    PumpMessages(400);
    EXPECT_EQ(nFirst, beam.m_nFirstTab) << "no repeats after the loop ended";
    ::ReleaseCapture();
    drag_input::SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(50);

    // WM_CANCELMODE ends the loop too.
    g_pCancelled = &beam;
    nFirst = beam.m_nFirstTab;
    pt = ScreenOf(&beam, beam.m_nButtonWidth / 2, beam.m_nHeight / 2); // back
    drag_input::SendMouse(0, &pt);
    ::SetTimer(NULL, 0, 300, CancelMode);
    drag_input::SendMouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(PumpUntil([&] { return beam.m_nFirstTab < nFirst && !beam.m_bTracking; }, 3000));
    EXPECT_NE(beam.m_hWnd, ::GetCapture());
    drag_input::SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(50);

    // A quit message met in the loop ends it and stays for the application's loop.
    pt = ScreenOf(&beam, beam.m_nButtonWidth / 2, beam.m_nHeight / 2); // back
    drag_input::SendMouse(0, &pt);
    ::SetTimer(NULL, 0, 300, PostQuit);
    drag_input::SendMouse(MOUSEEVENTF_LEFTDOWN);
    MSG msg;
    bool bQuit = false;
    ULONGLONG t0 = NowMs();
    while (!bQuit && NowMs() - t0 < 3000)
    {
        if (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
                bQuit = true;
            else
            {
                ::TranslateMessage(&msg);
                ::DispatchMessage(&msg);
            }
        }
        else
            ::Sleep(5);
    }
    EXPECT_TRUE(bQuit);
    EXPECT_EQ(7u, msg.wParam);
    EXPECT_FALSE(beam.m_bTracking);
    drag_input::SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(50);
    ::ReleaseCapture();
    for (auto& w : extra)
        f.pTabWnd->RemoveWnd(&w);
    thief.DestroyWindow();
}

TEST(GridExcelTabWnd, RemovingSheets)
{
    LookFlags look(TRUE);
    SheetFrame f(600, 300);
    CGXTabWnd& t = *f.pTabWnd;
    CGXTabBeam& beam = f.Beam();
    t.ActivateWnd(f.apViews[2]);
    ASSERT_EQ(f.apViews[2], t.GetActivePane());
    // One before the current goes: the current sheet stays active.
    t.RemoveWnd(f.apViews[0]);
    EXPECT_EQ(2, beam.GetTabCount());
    EXPECT_EQ(f.apViews[2], t.GetActivePane());
    EXPECT_EQ(1, beam.GetCurrentTab());
    // The current one goes: the one now at its place, or the last.
    t.RemoveWnd(f.apViews[2]);
    EXPECT_EQ(f.apViews[1], t.GetActivePane());
    EXPECT_EQ(0, beam.GetCurrentTab());
    // The only sheet stays.
    t.RemoveWnd(f.apViews[1]);
    EXPECT_EQ(1, beam.GetTabCount());
    EXPECT_EQ(f.apViews[1], t.GetActivePane());
}

TEST(GridExcelTabWnd, InADialogTemplate)
{
    EnsureGridLibrary();
    // A dialog template with one "CGXTabWnd" control.
    struct
    {
        DLGTEMPLATE dlg;
        WORD menu, cls, title;
        DLGITEMTEMPLATE item;
        WCHAR itemClass[10];
        WORD itemTitle, extra;
    } tmpl = {};
    tmpl.dlg.style = WS_POPUP | WS_VISIBLE;
    tmpl.dlg.cdit = 1;
    tmpl.dlg.cx = 200;
    tmpl.dlg.cy = 120;
    tmpl.item.style = WS_CHILD | WS_VISIBLE;
    tmpl.item.cx = 180;
    tmpl.item.cy = 100;
    tmpl.item.id = 1234;
    memcpy(tmpl.itemClass, L"CGXTabWnd", sizeof(tmpl.itemClass));
    static_assert(offsetof(decltype(tmpl), item) % 4 == 0, "items start on DWORD boundaries");
    HWND hDlg = ::CreateDialogIndirectParamA(
        AfxGetInstanceHandle(), &tmpl.dlg, NULL, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; },
        0);
    ASSERT_NE(nullptr, hDlg);
    HWND hTab = ::GetDlgItem(hDlg, 1234);
    ASSERT_NE(nullptr, hTab);
    CWnd* pObject = CWnd::FromHandlePermanent(hTab);
    ASSERT_NE(nullptr, pObject);
    ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CGXTabWnd)));
    CGXTabWnd* pTab = (CGXTabWnd*)pObject;
    // The parts come with the first layout (painting here).
    ::UpdateWindow(hDlg);
    ::RedrawWindow(hTab, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(pTab->m_bCreated);
    EXPECT_NE(nullptr, ::GetDlgItem(hTab, 59905));
    EXPECT_NE(nullptr, ::GetDlgItem(hTab, 59904));
    EXPECT_EQ(nullptr, ::GetDlgItem(hTab, 59936)) << "no size box outside a frame";
    EXPECT_EQ(59648u, pTab->m_nNextId);
    CStatic sheet;
    sheet.Create(_T(""), WS_CHILD, CRect(0, 0, 1, 1), pTab, 59649);
    pTab->AttachWnd(&sheet, _T("Tabelle"));
    EXPECT_EQ(&sheet, pTab->GetActivePane());
    EXPECT_TRUE(sheet.IsWindowVisible());
    sheet.DestroyWindow();
    pTab->m_pActivePane = NULL;
    ::DestroyWindow(hDlg);
    // The object the class made went with its window (its entry is gone); ours stay.
    EXPECT_FALSE(GXReleaseSheetTabWindow(pObject));
    CGXTabWnd* pOwn = new CGXTabWnd;
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, CRect(0, 0, 100, 100), NULL, 0);
    pOwn->CreateCommonParts(&parent, WS_CHILD | WS_HSCROLL | WS_VSCROLL, 5);
    ASSERT_NE(nullptr, pOwn->m_pBeam);
    pOwn->DestroyWindow();
    EXPECT_EQ(nullptr, pOwn->m_hWnd);
    EXPECT_TRUE(pOwn->m_bCreated);
    EXPECT_EQ(nullptr, pOwn->m_pBeam) << "the strip goes with the window";
    delete pOwn;
    parent.DestroyWindow();
}

TEST(GridExcelTabWnd, CreateNeedsTheGridWindowClass)
{
    EnsureGridLibrary();
    HINSTANCE hInst = AfxGetInstanceHandle();
    WNDCLASSA wc;
    ASSERT_TRUE(::GetClassInfoA(hInst, "CGXTabWnd", &wc));
    EXPECT_EQ((UINT)(CS_DBLCLKS | CS_GLOBALCLASS), wc.style);
    EXPECT_NE((WNDPROC)::DefWindowProcA, wc.lpfnWndProc);
    ASSERT_TRUE(::GetClassInfoA(hInst, "CGXTabBeam", &wc));
    EXPECT_NE((WNDPROC)::DefWindowProcA, wc.lpfnWndProc);
    ASSERT_TRUE(::GetClassInfoA(hInst, "GXWND", &wc));
    ASSERT_TRUE(::UnregisterClassA("GXWND", hInst));
    CGXTabWnd tab;
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, CRect(0, 0, 100, 100), NULL, 0);
    bool bThrown = false;
    try
    {
        tab.Create(&parent, _T("A"), NULL);
    }
    catch (CNotSupportedException* e)
    {
        e->Delete();
        bThrown = true;
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(nullptr, tab.m_hWnd);
    // Back as the library registered it.
    WNDCLASSA gx = wc;
    gx.lpszClassName = "GXWND";
    gx.hInstance = hInst;
    EXPECT_NE((ATOM)0, ::RegisterClassA(&gx));
    // A view class that cannot be made: FALSE, no window left.
    CCreateContext ctx;
    ctx.m_pNewViewClass = RUNTIME_CLASS(CView); // not dynamically creatable
    CGXTabWnd tab2;
    EXPECT_FALSE(tab2.Create(&parent, _T("A"), &ctx));
    EXPECT_EQ(nullptr, tab2.m_hWnd);
    parent.DestroyWindow();
}

TEST(GridExcelTabWnd, AFocusReachingTheTabWindowAfterItsPaneIsGoneStaysThere)
{
    SheetFrame f(600, 300);
    CGXTabWnd& t = *f.pTabWnd;
    ASSERT_EQ(f.apViews[0], t.GetActivePane());
    // The shown sheet's window is destroyed behind the tab window's back.
    f.apViews[0]->DestroyWindow();
    t.SetFocus();
    EXPECT_EQ(t.GetSafeHwnd(), ::GetFocus());
    // Another sheet shown, the tab window hands the focus on again.
    t.ActivateTab(1);
    ::SetFocus(NULL);
    t.SetFocus();
    EXPECT_EQ(f.apViews[1]->GetSafeHwnd(), ::GetFocus());
}
