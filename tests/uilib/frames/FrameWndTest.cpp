// The docking frame on real windows: its dock bars, docking at a logical place with a share,
// floating kept on the work area, and the custom caption's gradient.
#include "FramesIds.h"
#include "FramesTestIds.h"
#include "TestSupport.h"
#include "afxwin.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/docking/CaptionPainter.h"
#include "uilib/frames/docking/DockBar.h"
#include "uilib/frames/docking/FrameDocking.h"
#include "uilib/frames/docking/FrameWnd.h"
#include "uilib/frames/docking/MiniDockFrameWnd.h"
#include "uilib/common/SystemData.h"

using namespace testing_support;

namespace
{
// A docking frame with all four dock bars, the application's main window while it lives.
struct CFrameFixture
{
    SECFrameWnd* m_pFrame;

    explicit CFrameFixture(CRect rect = CRect(80, 80, 680, 500))
    {
        m_pFrame = new SECFrameWnd;
        m_pFrame->Create(NULL, _T("Frame test"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect);
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        AfxGetApp()->m_pMainWnd = m_pFrame;
    }
    ~CFrameFixture()
    {
        AfxGetApp()->m_pMainWnd = NULL;
        m_pFrame->DestroyWindow();
    }
    SECControlBar* AddBar(UINT nID, DWORD dwAlign = CBRS_TOP, CSize size = CSize(120, 50))
    {
        SECControlBar* pBar = new SECControlBar;
        pBar->m_szDefault = size;
        pBar->Create(m_pFrame, _T("Leiste"), WS_CHILD | WS_VISIBLE | dwAlign, 0, nID);
        pBar->m_bAutoDelete = TRUE;
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        return pBar;
    }
    SECDockBar* Dock(UINT nID) const
    {
        return static_cast<SECDockBar*>(SECFrameDocking::GetDockBar(m_pFrame, nID));
    }
};

TEST(SECFrameWnd, EnableDockingMakesTheFourDockBarsThroughTheFactory)
{
    const struct
    {
        UINT nID;
        DWORD dwAlign;
        DWORD dwBorder;
    } rows[] = {
        {AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP, CBRS_BORDER_BOTTOM},
        {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM, CBRS_BORDER_TOP},
        {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT, CBRS_BORDER_RIGHT},
        {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT, CBRS_BORDER_LEFT},
    };
    CFrameFixture fix;
    for (const auto& row : rows)
    {
        CControlBar* pBar = fix.m_pFrame->GetControlBar(row.nID);
        ASSERT_NE(nullptr, pBar) << row.nID;
        EXPECT_TRUE(pBar->IsKindOf(RUNTIME_CLASS(SECDockBar))) << row.nID;
        EXPECT_EQ(row.dwAlign | row.dwBorder, pBar->m_dwStyle & (CBRS_ALIGN_ANY | CBRS_BORDER_ANY))
            << row.nID;
        EXPECT_FALSE(static_cast<SECDockBar*>(pBar)->m_bFloating);
    }
    EXPECT_EQ(RUNTIME_CLASS(SECMiniDockFrameWnd), fix.m_pFrame->m_pFloatingFrameClass);

    // A frame asking for one side gets only that one.
    SECFrameWnd* pOther = new SECFrameWnd;
    pOther->Create(NULL, _T("Links"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200));
    pOther->EnableDocking(CBRS_ALIGN_LEFT);
    EXPECT_NE(nullptr, pOther->GetControlBar(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(nullptr, pOther->GetControlBar(AFX_IDW_DOCKBAR_TOP));
    pOther->DestroyWindow();
}

TEST(SECFrameWnd, DockControlBarExPlacesTheBarWithItsShareAndThickness)
{
    CFrameFixture fix;
    SECControlBar* pA = fix.AddBar(0x200);
    SECControlBar* pB = fix.AddBar(0x201);
    SECControlBar* pC = fix.AddBar(0x202, CBRS_LEFT);
    fix.m_pFrame->DockControlBarEx(pA, AFX_IDW_DOCKBAR_TOP, 0, 0, 0.5f, 40);
    fix.m_pFrame->DockControlBarEx(pB, AFX_IDW_DOCKBAR_TOP, 1, 0, 0.5f, 40);
    // No dock bar named: the one of the bar's alignment.
    fix.m_pFrame->DockControlBarEx(pC, 0, 0, 0, 1.0f, 90);
    fix.m_pFrame->RecalcLayout();
    PumpMessages(30);

    SECDockBar* pTop = fix.Dock(AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(pTop, pA->m_pDockBar);
    EXPECT_EQ(pTop, pB->m_pDockBar);
    EXPECT_EQ(fix.Dock(AFX_IDW_DOCKBAR_LEFT), pC->m_pDockBar);
    EXPECT_EQ(1, pTop->FindBar(pA));
    EXPECT_EQ(2, pTop->FindBar(pB)); // same row, after A
    EXPECT_EQ(40, pA->m_szDockHorz.cy);
    EXPECT_EQ(90, pC->m_szDockVert.cx);
    CRect rectA, rectB;
    pA->GetWindowRect(&rectA);
    pB->GetWindowRect(&rectB);
    EXPECT_EQ(rectA.top, rectB.top);
    EXPECT_NEAR(rectA.Width(), rectB.Width(), 3); // the last bar takes the rounding
    EXPECT_TRUE((pA->m_dwStyle & CBRS_ALIGN_ANY) == CBRS_ALIGN_TOP);
    EXPECT_TRUE((pC->m_dwStyle & CBRS_ALIGN_ANY) == CBRS_ALIGN_LEFT);
}

TEST(SECFrameWnd, FloatControlBarKeepsTenPixelsOnTheWorkArea)
{
    CRect rectWork;
    ASSERT_TRUE(::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0));
    const struct
    {
        const char* name;
        CPoint pt;
        CPoint expected; // INT_MIN: the bar's width decides
    } rows[] = {
        {"inside", CPoint(rectWork.left + 200, rectWork.top + 150),
         CPoint(rectWork.left + 200, rectWork.top + 150)},
        {"beyond the right edge", CPoint(rectWork.right + 300, rectWork.top + 100),
         CPoint(rectWork.right - 10, rectWork.top + 100)},
        {"below the bottom", CPoint(rectWork.left + 100, rectWork.bottom + 50),
         CPoint(rectWork.left + 100, rectWork.bottom - 10)},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CFrameFixture fix;
        SECControlBar* pBar = fix.AddBar(0x210);
        fix.m_pFrame->DockControlBar(pBar);
        fix.m_pFrame->FloatControlBar(pBar, row.pt, CBRS_ALIGN_TOP);
        PumpMessages(30);
        ASSERT_NE(nullptr, pBar->m_pDockBar);
        EXPECT_TRUE(pBar->m_pDockBar->m_bFloating);
        CFrameWnd* pFloat = pBar->GetParentFrame();
        ASSERT_TRUE(pFloat->IsKindOf(RUNTIME_CLASS(SECMiniDockFrameWnd)));
        EXPECT_TRUE(pFloat->IsWindowVisible());
        // A resizable bar gets a thick frame.
        EXPECT_TRUE(pFloat->GetStyle() & WS_THICKFRAME);
        CRect rect;
        pFloat->GetWindowRect(&rect);
        EXPECT_EQ(row.expected, rect.TopLeft());
    }
    // Left of the work area: the bar's width decides how far out it may go.
    CFrameFixture fix;
    SECControlBar* pBar = fix.AddBar(0x211);
    fix.m_pFrame->DockControlBar(pBar);
    CRect rectBar;
    pBar->GetWindowRect(&rectBar);
    fix.m_pFrame->FloatControlBar(pBar, CPoint(rectWork.left - 1000, rectWork.top + 100), CBRS_ALIGN_TOP);
    CRect rect;
    pBar->GetParentFrame()->GetWindowRect(&rect);
    EXPECT_EQ(rectWork.left + 10 - rectBar.Width(), rect.left);
}

TEST(SECFrameWnd, FloatingAFloatingBarAgainOnlyMovesItsFrame)
{
    CFrameFixture fix;
    SECControlBar* pBar = fix.AddBar(0x220);
    fix.m_pFrame->DockControlBar(pBar);
    fix.m_pFrame->FloatControlBar(pBar, CPoint(300, 200), CBRS_ALIGN_TOP);
    CFrameWnd* pFloat = pBar->GetParentFrame();
    const HWND hFloat = pFloat->m_hWnd;
    fix.m_pFrame->FloatControlBar(pBar, CPoint(350, 260), CBRS_ALIGN_TOP);
    PumpMessages(30);
    EXPECT_EQ(hFloat, pBar->GetParentFrame()->m_hWnd);
    CRect rect;
    pFloat->GetWindowRect(&rect);
    EXPECT_EQ(CPoint(350, 260), rect.TopLeft());
    // Docked again, the floating frame hides (it keeps the bar's placeholder).
    fix.m_pFrame->DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP);
    PumpMessages(30);
    EXPECT_FALSE(::IsWindowVisible(hFloat));
    EXPECT_EQ(fix.Dock(AFX_IDW_DOCKBAR_TOP), pBar->m_pDockBar);
}

TEST(SECFrameWnd, LoadFrameTakesTitleAndIdsFromItsResource)
{
    SECFrameWnd* pFrame = new SECFrameWnd;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_TEST_FRAME, WS_OVERLAPPEDWINDOW));
    EXPECT_STREQ(_T("Rahmentitel"), pFrame->GetTitle());
    EXPECT_EQ((UINT)IDR_TEST_FRAME, pFrame->m_nIDHelp);
    EXPECT_EQ((UINT)IDR_TEST_FRAME, pFrame->m_nIDMenuResource);
    EXPECT_EQ(nullptr, ::GetMenu(pFrame->m_hWnd)); // the id names no menu
    EXPECT_EQ(nullptr, pFrame->GetDefaultMenu());
    pFrame->DestroyWindow();
}

TEST(SECFrameWnd, GetMenuMessageAnswersNothingWithoutAMenuBarMenu)
{
    CFrameFixture fix;
    EXPECT_EQ(0, fix.m_pFrame->SendMessage(SECFrameDocking::GetMenuMessage(), 0, 0));
    EXPECT_EQ(nullptr, fix.m_pFrame->GetMenuForID(1234));
}

// ---- custom caption

TEST(SECCaptionPainter, GradientRunsFromStartToEndInBands)
{
    const struct
    {
        const char* name;
        int nWidth;
        int nBands;
    } rows[] = {
        {"wide", 600, 120},
        {"narrow", 50, 50},
        {"one pixel", 1, 1},
        {"no width", 0, 0},
    };
    CWindowDC dcScreen(NULL);
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(&dcScreen));
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dcScreen, 700, 20));
        CBitmap* pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, 700, 20, RGB(1, 2, 3));
        const COLORREF clrFrom = RGB(0, 0, 128), clrTo = RGB(160, 200, 240);
        EXPECT_EQ(row.nBands,
                  SECCaptionPainter::FillGradient(&dc, CRect(10, 0, 10 + row.nWidth, 20), clrFrom, clrTo));
        if (row.nWidth > 0)
        {
            EXPECT_EQ(clrFrom, dc.GetPixel(10, 5));
            // The last band reaches the right edge, near the end colour.
            const COLORREF clrLast = dc.GetPixel(10 + row.nWidth - 1, 5);
            if (row.nWidth > 10)
            {
                EXPECT_NEAR(GetRValue(clrTo), GetRValue(clrLast), 4);
                EXPECT_NEAR(GetBValue(clrTo), GetBValue(clrLast), 4);
            }
        }
        EXPECT_EQ(RGB(1, 2, 3), dc.GetPixel(10 + row.nWidth, 5)); // nothing beyond the rectangle
        dc.SelectObject(pOld);
    }
}

TEST(SECCaptionPainter, ANarrowFrameDrawsItsCaptionWithoutAGradient)
{
    // So narrow that the caption buttons take all of the caption (a child without a sizing
    // border: others get a minimum width).
    CFrameFixture fix;
    SECFrameWnd* pNarrow = new SECFrameWnd;
    ASSERT_TRUE(
        pNarrow->Create(NULL, _T("Schmal-Fenster"),
                        WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                        CRect(10, 10, 50, 110), fix.m_pFrame));
    EXPECT_LE(SECCaptionPainter::CaptionRect(pNarrow).Width(), 0);
    pNarrow->EnableCustomCaption(TRUE, TRUE);
    PumpMessages(50);
    pNarrow->m_bCaptionActive = TRUE;
    pNarrow->DrawCaption();
    EXPECT_TRUE(pNarrow->IsCustomCaptionEnabled()); // drawing did not fail
    pNarrow->DestroyWindow();
}

TEST(SECCaptionPainter, TheCaptionShowsTheGradientEndColours)
{
    CFrameFixture fix(CRect(100, 100, 600, 300));
    fix.m_pFrame->SetWindowText(_T("Titel-Rest"));
    fix.m_pFrame->EnableCustomCaption(TRUE, TRUE);
    fix.m_pFrame->m_bCaptionActive = TRUE;
    fix.m_pFrame->DrawCaption();
    const CRect rect = SECCaptionPainter::CaptionRect(fix.m_pFrame);
    CWindowDC dc(fix.m_pFrame);
    const COLORREF clrStart = ::GetSysColor(COLOR_ACTIVECAPTION);
    COLORREF clrEnd = ::GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    if (clrEnd == 0)
        clrEnd = clrStart;
    // Just after the icon square, and at the right end (the title stays left of it).
    const COLORREF clrLeft = dc.GetPixel(rect.left + ::GetSystemMetrics(SM_CXSMICON) + 1, rect.bottom - 2);
    const COLORREF clrRight = dc.GetPixel(rect.right - 1, rect.bottom - 2);
    EXPECT_NEAR(GetRValue(clrStart), GetRValue(clrLeft), 8);
    EXPECT_NEAR(GetBValue(clrStart), GetBValue(clrLeft), 8);
    EXPECT_NEAR(GetRValue(clrEnd), GetRValue(clrRight), 8);
    EXPECT_NEAR(GetBValue(clrEnd), GetBValue(clrRight), 8);
}
} // namespace

namespace
{
TEST(DockingResources, SplitterCursorsAndTheBarFrameIconAreThere)
{
    CFrameFixture fix; // its dock bars load the splitter cursors
    const SECSystemData& data = SECGetSystemData();
    const HINSTANCE hInst = AfxGetResourceHandle();
    for (UINT nID : {IDC_SEC_SPLITTER_VERT, IDC_SEC_SPLITTER_HORZ})
        EXPECT_NE(nullptr, ::FindResource(hInst, MAKEINTRESOURCE(nID), RT_GROUP_CURSOR)) << nID;
    EXPECT_NE(nullptr, data.m_hcurVSplit);
    EXPECT_NE(nullptr, data.m_hcurHSplit);
    EXPECT_NE(::LoadCursor(NULL, IDC_SIZEWE), data.m_hcurVSplit); // ours, not the system's fallback
    EXPECT_NE(::LoadCursor(NULL, IDC_SIZENS), data.m_hcurHSplit);
    EXPECT_NE(nullptr, ::LoadIcon(hInst, MAKEINTRESOURCE(IDR_SEC_BAR_MDICHILD)));
}
} // namespace
