// The status bars: indicator panes from string resources, stretchy panes sharing the free width,
// the message pane's text, owner-drawn panes with their attributes and the progress pane.
#include "BarsTestApp.h"
#include "TestSupport.h"
#include "uilib/bars/CustomStatusBar.h"

using namespace testing_support;

namespace
{

const UINT kIndicators[] = {0, IDS_PANE_CAPS, IDS_PANE_NUM, IDS_PANE_NO_STRING, IDS_PANE_SCRL, IDS_PANE_WIDE};
const int kIndicatorCount = 6;

// A frame with one status bar of class BAR at its bottom.
template <class BAR> class CStatusFrame
{
  public:
    CStatusFrame()
    {
        m_pFrame = new CFrameWnd;
        m_pFrame->Create(NULL, _T("Statuszeile"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 620, 320));
        m_bar.Create(m_pFrame);
        m_bar.SetIndicators(kIndicators, kIndicatorCount);
        m_pFrame->RecalcLayout();
        PumpMessages(20);
    }
    ~CStatusFrame()
    {
        m_bar.DestroyWindow();
        m_pFrame->DestroyWindow();
    }
    std::vector<int> Parts()
    {
        int edges[32];
        int n = (int)m_bar.SendMessage(SB_GETPARTS, 32, (LPARAM)edges);
        return std::vector<int>(edges, edges + std::max(n, 0));
    }
    CString ControlText(int nIndex)
    {
        TCHAR sz[256] = {};
        m_bar.SendMessage(SB_GETTEXT, nIndex, (LPARAM)sz);
        return sz;
    }
    CFrameWnd* m_pFrame;
    BAR m_bar;
};

TEST(StatusBar, IndicatorsTakeTheirStringsAndAMissingOneShowsTwoBlanks)
{
    CStatusFrame<SECStatusBar> frame;
    SECStatusBar& bar = frame.m_bar;
    ASSERT_EQ(kIndicatorCount, bar.GetCount());
    // Pane 0 is the frame's message line: the frame has put its idle text there.
    const LPCTSTR expected[] = {NULL, _T("UF"), _T("NUM"), _T("  "), _T("RF"), _T("Verbunden mit COM5")};
    EXPECT_FALSE(bar.GetPaneText(0).IsEmpty());
    EXPECT_EQ(bar.GetPaneText(0), frame.ControlText(0));
    for (int i = 1; i < kIndicatorCount; i++)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(CString(expected[i]), bar.GetPaneText(i));
        EXPECT_EQ(CString(expected[i]), frame.ControlText(i)) << "sent to the control";
        EXPECT_EQ(i, bar.CommandToIndex(kIndicators[i]));
    }
    EXPECT_EQ(-1, bar.CommandToIndex(4711));
    EXPECT_EQ(UINT(SBPS_STRETCH | SBPS_NOBORDERS), bar.GetPaneStyle(0));
    EXPECT_EQ(6u, frame.Parts().size());
    // The wide text gets a wider pane than the short one.
    UINT nID, nStyle;
    int cxShort, cxWide;
    bar.GetPaneInfo(1, nID, nStyle, cxShort);
    bar.GetPaneInfo(5, nID, nStyle, cxWide);
    EXPECT_GT(cxShort, 0);
    EXPECT_GT(cxWide, 3 * cxShort);
    // The bar stands at the bottom of the frame's client area.
    CRect rcFrame, rcBar;
    frame.m_pFrame->GetClientRect(&rcFrame);
    frame.m_pFrame->ClientToScreen(&rcFrame);
    bar.GetWindowRect(&rcBar);
    EXPECT_EQ(rcFrame.bottom, rcBar.bottom);
    EXPECT_GT(rcBar.Height(), 0);
}

TEST(StatusBar, StretchyPanesShareTheFreeWidth)
{
    CStatusFrame<SECStatusBar> frame;
    SECStatusBar& bar = frame.m_bar;
    int borders[3] = {};
    bar.SendMessage(SB_GETBORDERS, 0, (LPARAM)borders);
    UINT nID, nStyle;
    int cx;
    bar.GetPaneInfo(2, nID, nStyle, cx);
    bar.SetPaneInfo(2, nID, nStyle | SBPS_STRETCH, cx);
    bar.GetPaneInfo(0, nID, nStyle, cx);
    bar.SetPaneInfo(0, nID, nStyle, 40);
    std::vector<int> parts = frame.Parts();
    ASSERT_EQ(6u, parts.size());
    // Width of each pane beyond its text + 6.
    std::vector<int> extra;
    int left = borders[0];
    for (int i = 0; i < 6; i++)
    {
        bar.GetPaneInfo(i, nID, nStyle, cx);
        extra.push_back(parts[(size_t)i] - left - cx - 6);
        left = parts[(size_t)i] + borders[2];
    }
    EXPECT_EQ(0, extra[1]);
    EXPECT_EQ(0, extra[3]);
    EXPECT_EQ(0, extra[5]);
    EXPECT_GT(extra[0], 0);
    EXPECT_TRUE(extra[2] == extra[0] || extra[2] == extra[0] + 1) << extra[0] << " / " << extra[2];
    CRect rcInside;
    bar.GetWindowRect(&rcInside);
    rcInside.OffsetRect(-rcInside.left, -rcInside.top);
    bar.CalcInsideRect(rcInside, TRUE);
    EXPECT_EQ(rcInside.Width() + borders[0], parts[5]) << "the panes fill the inside width";

    // Without free width every pane keeps its text width + 6.
    bar.GetPaneInfo(5, nID, nStyle, cx);
    bar.SetPaneInfo(5, nID, nStyle, 2000);
    parts = frame.Parts();
    bar.GetPaneInfo(0, nID, nStyle, cx);
    EXPECT_EQ(borders[0] + 40 + 6, parts[0]);
    bar.GetPaneInfo(2, nID, nStyle, cx);
    EXPECT_EQ(parts[1] + borders[2] + cx + 6, parts[2]);
}

TEST(StatusBar, MessagePaneTextThroughWindowText)
{
    CStatusFrame<SECStatusBar> frame;
    SECStatusBar& bar = frame.m_bar;
    EXPECT_EQ(0, bar.SendMessage(WM_SETTEXT, 0, (LPARAM) _T("Bereit")));
    EXPECT_EQ(CString(_T("Bereit")), bar.GetPaneText(0));
    EXPECT_EQ(CString(_T("Bereit")), frame.ControlText(0));
    EXPECT_EQ(6, bar.SendMessage(WM_GETTEXTLENGTH));
    struct
    {
        int nBuffer;
        LRESULT nCopied;
        LPCTSTR text;
    } const cases[] = {{64, 6, _T("Bereit")}, {7, 6, _T("Bereit")}, {6, 5, _T("Berei")}, {1, 0, _T("")}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nBuffer);
        TCHAR sz[80];
        memset(sz, 'x', sizeof(sz));
        EXPECT_EQ(c.nCopied, bar.SendMessage(WM_GETTEXT, c.nBuffer, (LPARAM)sz));
        EXPECT_EQ(CString(c.text), CString(sz));
        EXPECT_EQ('x', sz[c.nBuffer]) << "nothing written beyond the buffer";
    }
    TCHAR cUntouched = 'x';
    EXPECT_EQ(0, bar.SendMessage(WM_GETTEXT, 0, (LPARAM)&cUntouched));
    EXPECT_EQ('x', cUntouched);
}

// Draws pane nIndex of a custom bar into a memory bitmap pre-filled with kGround.
const COLORREF kGround = RGB(1, 2, 3);
class CDrawnPane
{
  public:
    CDrawnPane(SECCustomStatusBar& bar, int nIndex, int cx = 80, int cy = 20)
    {
        CClientDC screen(NULL);
        m_dc.CreateCompatibleDC(&screen);
        m_bitmap.CreateCompatibleBitmap(&screen, cx, cy);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, kGround);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = 0;
        dis.itemID = (UINT)nIndex;
        dis.hDC = m_dc.m_hDC;
        dis.rcItem = RECT{0, 0, cx, cy};
        bar.DrawPane(&dis);
        m_cx = cx;
        m_cy = cy;
    }
    ~CDrawnPane()
    {
        m_dc.SelectObject(m_pOld);
    }
    int Count(COLORREF color)
    {
        int n = 0;
        for (int y = 0; y < m_cy; y++)
            for (int x = 0; x < m_cx; x++)
                n += ::GetPixel(m_dc.m_hDC, x, y) == color;
        return n;
    }
    // Leftmost and rightmost column holding color, -1 when none.
    std::pair<int, int> Columns(COLORREF color)
    {
        int first = -1, last = -1;
        for (int x = 0; x < m_cx; x++)
            for (int y = 0; y < m_cy; y++)
                if (::GetPixel(m_dc.m_hDC, x, y) == color)
                {
                    if (first < 0)
                        first = x;
                    last = x;
                }
        return {first, last};
    }
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld;
    int m_cx, m_cy;
};

TEST(CustomStatusBar, OnlyTheFirst32PanesHaveARectangle)
{
    CStatusFrame<SECCustomStatusBar> frame;
    SECCustomStatusBar& bar = frame.m_bar;
    std::vector<UINT> ids(34, IDS_PANE_CAPS);
    ids[0] = 0;
    ASSERT_TRUE(bar.SetIndicators(ids.data(), (int)ids.size()));
    for (int i = 0; i < (int)ids.size(); i++)
        bar.SetPaneInfo(i, ids[i], SBPS_NORMAL, 8);
    frame.m_pFrame->RecalcLayout();
    PumpMessages(20);
    ASSERT_EQ(34, (int)bar.SendMessage(SB_GETPARTS, 0, 0)) << "the control holds every pane";
    const CRect last = bar.GetPaneRect(31);
    EXPECT_FALSE(last.IsRectEmpty());
    EXPECT_GT(last.left, bar.GetPaneRect(30).left);
    for (int i : {32, 33})
        EXPECT_TRUE(bar.GetPaneRect(i).IsRectNull()) << i;
}

TEST(CustomStatusBar, PanesDrawWithTheAttributesTheLastCallNamed)
{
    CStatusFrame<SECCustomStatusBar> frame;
    SECCustomStatusBar& bar = frame.m_bar;
    for (int i = 0; i < kIndicatorCount; i++)
        EXPECT_NE(0u, bar.GetPaneStyle(i) & SBT_OWNERDRAW) << i;
    const COLORREF kText = RGB(200, 0, 0), kBack = RGB(0, 200, 0);
    SECStatusPaneInfo info;
    info.index = 1;
    info.text = _T("WW");
    info.textColour = kText;
    info.backColour = kBack;
    info.mask =
        SECStatusPaneInfo::maskText | SECStatusPaneInfo::maskTextColour | SECStatusPaneInfo::maskBackColour;
    bar.SetPaneInfoEx(&info);
    {
        CDrawnPane pane(bar, 1);
        EXPECT_EQ(0, pane.Count(kGround)) << "opaque background";
        EXPECT_GT(pane.Count(kText), 0);
        EXPECT_GT(pane.Count(kBack), pane.Count(kText));
    }
    // Alignment: left, right and centred text.
    struct
    {
        UINT nAlign;
        int xMin, xMax; // where the text's centre may lie in an 80-pixel pane
    } const aligns[] = {{TA_LEFT, 1, 30}, {TA_CENTER, 30, 50}, {TA_RIGHT, 50, 79}};
    for (const auto& a : aligns)
    {
        SCOPED_TRACE(a.nAlign);
        info.textAlign = a.nAlign;
        info.mask = SECStatusPaneInfo::maskTextColour | SECStatusPaneInfo::maskAlign;
        bar.SetPaneInfoEx(&info);
        CDrawnPane pane(bar, 1);
        std::pair<int, int> cols = pane.Columns(kText);
        ASSERT_GE(cols.first, 0);
        int xCentre = (cols.first + cols.second) / 2;
        EXPECT_GE(xCentre, a.xMin);
        EXPECT_LE(xCentre, a.xMax);
    }
    // Naming only the text drops the colours and the alignment set before.
    info.text = _T("WW");
    info.mask = SECStatusPaneInfo::maskText;
    bar.SetPaneInfoEx(&info);
    {
        CDrawnPane pane(bar, 1);
        EXPECT_EQ(0, pane.Count(kText));
        EXPECT_EQ(0, pane.Count(kBack));
        EXPECT_GT(pane.Count(kGround), 0) << "transparent again";
    }
    // A bitmap is copied at its own size to the top-left corner.
    CClientDC screen(NULL);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 12, 9);
    {
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 12, 9, RGB(0, 0, 250));
        dc.SelectObject(pOld);
    }
    info.bitmap = &bitmap;
    info.mask = SECStatusPaneInfo::maskBitmap;
    bar.SetPaneInfoEx(&info, TRUE);
    UINT nID, nStyle;
    int cx;
    bar.GetPaneInfo(1, nID, nStyle, cx);
    EXPECT_EQ(12, cx) << "the pane takes the bitmap's width";
    {
        CDrawnPane pane(bar, 1);
        EXPECT_EQ(12 * 9, pane.Count(RGB(0, 0, 250)));
        EXPECT_EQ(RGB(0, 0, 250), ::GetPixel(pane.m_dc.m_hDC, 11, 8));
        EXPECT_EQ(kGround, ::GetPixel(pane.m_dc.m_hDC, 12, 8));
    }
    // A disabled pane draws nothing.
    bar.SetPaneStyle(1, bar.GetPaneStyle(1) | SBPS_DISABLED);
    {
        CDrawnPane pane(bar, 1);
        EXPECT_EQ(80 * 20, pane.Count(kGround));
    }
}

TEST(CustomStatusBar, ProgressPaneAndItsEnd)
{
    CStatusFrame<SECCustomStatusBar> frame;
    SECCustomStatusBar& bar = frame.m_bar;
    bar.SendMessage(WM_SETTEXT, 0, (LPARAM) _T("Bereit"));
    UINT nID0, nStyle0;
    int cx0;
    bar.GetPaneInfo(0, nID0, nStyle0, cx0);
    CRect rcClient;
    bar.GetClientRect(&rcClient);

    // Without a text pane 0 stays and the bar spans the client width.
    ASSERT_TRUE(bar.ShowProgress(NULL, 0, 50));
    ASSERT_NE(nullptr, bar.GetProgressCtrl());
    CRect rcProgress;
    bar.GetProgressCtrl()->GetWindowRect(&rcProgress);
    bar.ScreenToClient(&rcProgress);
    EXPECT_EQ(rcClient.left, rcProgress.left);
    EXPECT_EQ(rcClient.right, rcProgress.right);
    EXPECT_EQ(CString(_T("Bereit")), bar.GetPaneText(0));
    EXPECT_TRUE(bar.GetProgressCtrl()->IsWindowVisible());
    int nLower, nUpper;
    bar.GetProgressCtrl()->GetRange(nLower, nUpper);
    EXPECT_EQ(50, nUpper);

    // With a text pane 0 shows it and the bar starts after it.
    ASSERT_TRUE(bar.ShowProgress(_T("Lade"), 0, 100));
    EXPECT_EQ(CString(_T("Lade ")), bar.GetPaneText(0));
    UINT nID, nStyle;
    int cx;
    bar.GetPaneInfo(0, nID, nStyle, cx);
    EXPECT_EQ(UINT(SBPS_NOBORDERS | SBT_OWNERDRAW), nStyle);
    bar.GetProgressCtrl()->GetWindowRect(&rcProgress);
    bar.ScreenToClient(&rcProgress);
    EXPECT_GT(rcProgress.left, rcClient.left + cx);
    EXPECT_EQ(rcClient.right, rcProgress.right);
    EXPECT_EQ(0, bar.SendMessage(WM_SETTEXT, 0, (LPARAM) _T("Anderes")));
    EXPECT_EQ(CString(_T("Lade ")), bar.GetPaneText(0)) << "the message line waits while progress shows";

    bar.HideProgress();
    EXPECT_EQ(nullptr, bar.GetProgressCtrl());
    EXPECT_EQ(CString(_T("Bereit")), bar.GetPaneText(0));
    bar.GetPaneInfo(0, nID, nStyle, cx);
    EXPECT_EQ(nID0, nID);
    EXPECT_EQ(nStyle0 | SBT_OWNERDRAW, nStyle);
    EXPECT_EQ(cx0, cx);
    bar.HideProgress(); // nothing to hide
}

TEST(CustomStatusBar, PaneCursorsFollowTheMouse)
{
    CStatusFrame<SECCustomStatusBar> frame;
    SECCustomStatusBar& bar = frame.m_bar;
    frame.m_pFrame->SetForegroundWindow();
    const HCURSOR hHand = ::LoadCursor(NULL, IDC_HAND);
    SECStatusPaneInfo info;
    info.index = 2;
    info.cursor = hHand;
    info.mask = SECStatusPaneInfo::maskCursor;
    bar.SetPaneInfoEx(&info);
    auto cursorOver = [&](int nPane) {
        CPoint pt = bar.GetPaneRect(nPane).CenterPoint();
        bar.ClientToScreen(&pt);
        MoveMouseTo(pt);
        PumpMessages(30);
        return ::GetCursor();
    };
    EXPECT_EQ(hHand, cursorOver(2));
    EXPECT_NE(hHand, cursorOver(1));
    EXPECT_EQ(hHand, cursorOver(2));
    // A later call that does not name the cursor takes it out of force.
    info.text = _T("NUM");
    info.mask = SECStatusPaneInfo::maskText;
    bar.SetPaneInfoEx(&info);
    cursorOver(1);
    EXPECT_NE(hHand, cursorOver(2));
}

TEST(CustomStatusBar, ATallBitmapRaisesTheBar)
{
    CStatusFrame<SECCustomStatusBar> frame;
    SECCustomStatusBar& bar = frame.m_bar;
    int borders[3] = {};
    bar.SendMessage(SB_GETBORDERS, 0, (LPARAM)borders);
    CRect rcBefore;
    bar.GetWindowRect(&rcBefore);
    const int cyBitmap = rcBefore.Height() + 15;
    CClientDC screen(NULL);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 30, cyBitmap);
    SECStatusPaneInfo info;
    info.index = 3;
    info.bitmap = &bitmap;
    info.mask = SECStatusPaneInfo::maskBitmap;
    // Without adjusting nothing grows.
    bar.SetPaneInfoEx(&info, FALSE);
    PumpMessages(20);
    CRect rc;
    bar.GetWindowRect(&rc);
    EXPECT_EQ(rcBefore.Height(), rc.Height());
    bar.SetPaneInfoEx(&info, TRUE);
    PumpMessages(20);
    bar.GetWindowRect(&rc);
    // The control keeps its own border lines on top of the height asked for.
    EXPECT_GE(rc.Height(), cyBitmap + 2 * borders[1]);
    EXPECT_LE(rc.Height(), cyBitmap + 2 * borders[1] + 2 * ::GetSystemMetrics(SM_CYBORDER));
    CRect rcPane;
    bar.SendMessage(SB_GETRECT, 3, (LPARAM)&rcPane);
    EXPECT_GE(rcPane.Height(), cyBitmap) << "the whole bitmap shows";
    CRect rcFrame;
    frame.m_pFrame->GetClientRect(&rcFrame);
    frame.m_pFrame->ClientToScreen(&rcFrame);
    EXPECT_EQ(rcFrame.bottom, rc.bottom) << "the frame laid the taller bar out";
    UINT nID, nStyle;
    int cx;
    bar.GetPaneInfo(3, nID, nStyle, cx);
    EXPECT_EQ(30, cx);
}

TEST(CustomStatusBar, FitPanesToContentSizesPanesAndPlacesTheirWindows)
{
    CStatusFrame<SECCustomStatusBar> frame;
    SECCustomStatusBar& bar = frame.m_bar;
    CWnd insetWnd, ownWnd;
    insetWnd.Create(_T("STATIC"), NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 3), &bar, 101);
    ownWnd.Create(_T("STATIC"), NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 7, 5), &bar, 102);
    ASSERT_TRUE(bar.SetPaneWindow(3, &insetWnd, SECCustomStatusBar::paneWindowInset));
    ASSERT_TRUE(bar.SetPaneWindow(
        4, &ownWnd, SECCustomStatusBar::paneWindowOwnWidth | SECCustomStatusBar::paneWindowOwnHeight));
    EXPECT_FALSE(bar.SetPaneWindow(6, &ownWnd, 0));
    EXPECT_EQ(nullptr, bar.GetPaneWindow(6));
    EXPECT_EQ(0u, bar.GetPaneWindowFlags(-1));
    UINT nID, nStyle;
    int cxPane3, cxPane4;
    bar.GetPaneInfo(3, nID, nStyle, cxPane3);
    bar.GetPaneInfo(4, nID, nStyle, cxPane4);
    bar.SetPaneText(1, _T("Ein langer Text"));
    bar.FitPanesToContent();
    PumpMessages(20);

    // A pane without a window takes its text's width in the bar's font.
    CClientDC dc(&bar);
    CFont* pOld = dc.SelectObject(bar.GetFont());
    const int cxText = dc.GetTextExtent(_T("Ein langer Text")).cx;
    dc.SelectObject(pOld);
    int cx;
    bar.GetPaneInfo(1, nID, nStyle, cx);
    EXPECT_EQ(cxText, cx);
    // Panes holding windows keep their widths.
    bar.GetPaneInfo(3, nID, nStyle, cx);
    EXPECT_EQ(cxPane3, cx);
    bar.GetPaneInfo(4, nID, nStyle, cx);
    EXPECT_EQ(cxPane4, cx);
    // The windows follow their panes: inset by a pixel, or at their own size at the pane's corner.
    auto rectIn = [&](CWnd& wnd) {
        CRect rect;
        wnd.GetWindowRect(&rect);
        bar.ScreenToClient(&rect);
        return rect;
    };
    auto paneRect = [&](int i) {
        CRect rect;
        bar.SendMessage(SB_GETRECT, i, (LPARAM)&rect);
        return rect;
    };
    CRect expected = paneRect(3);
    expected.DeflateRect(1, 1);
    EXPECT_EQ(expected, rectIn(insetWnd));
    const CRect pane4 = paneRect(4);
    EXPECT_EQ(CRect(pane4.left, pane4.top, pane4.left + 7, pane4.top + 5), rectIn(ownWnd));
    // Hidden and shown with the progress pane.
    ASSERT_TRUE(bar.ShowProgress(NULL));
    EXPECT_FALSE(insetWnd.IsWindowVisible());
    bar.HideProgress();
    EXPECT_TRUE(insetWnd.IsWindowVisible());
    bar.SetPaneWindow(3, NULL, 0);
    bar.SetPaneWindow(4, NULL, 0);
}

} // namespace
