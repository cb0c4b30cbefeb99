// The workbook frame: sheets as tabs below the MDI client, their geometry, painting, clicks and
// tips, the tab width's edge cases and a control bar shown as a sheet.
#include "FramesIds.h"
#include "SecMdiFixture.h"
#include "uilib/bars/ControlBar.h"
#include "uilib/frames/mdi/ControlBarWorksheet.h"
#include "uilib/frames/mdi/WorkbookClientWnd.h"
#include "uilib/frames/mdi/WorkbookWnd.h"
#include "uilib/frames/mdi/WorksheetWnd.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
SECMultiDocTemplate* SheetTemplate()
{
    static SECMultiDocTemplate* pTemplate = [] {
        SECMultiDocTemplate* p =
            new SECMultiDocTemplate(IDR_SECDOC_TYPE, RUNTIME_CLASS(CSecTestDoc),
                                    RUNTIME_CLASS(SECWorksheetWnd), RUNTIME_CLASS(CSecTestView));
        p->LoadTemplate();
        return p;
    }();
    return pTemplate;
}

class WorkbookTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_pBook = new SECWorkbookWnd;
        ASSERT_TRUE(
            m_pBook->Create(NULL, _T("Mappe"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 640, 500)));
        m_pBook->EnableDocking(CBRS_ALIGN_ANY);
        AfxGetApp()->m_pMainWnd = m_pBook;
        m_pBook->SetWorkbookMode(TRUE);
        PumpMessages(30);
    }
    void TearDown() override
    {
        SheetTemplate()->CloseAllDocuments(FALSE);
        PumpMessages(20);
        AfxGetApp()->m_pMainWnd = NULL;
        m_pBook->DestroyWindow();
        PumpMessages(20);
    }
    SECWorksheetWnd* Open(LPCTSTR lpszTitle)
    {
        CDocument* pDoc = SheetTemplate()->OpenDocumentFile(NULL);
        if (pDoc == NULL)
            return NULL;
        pDoc->SetTitle(lpszTitle);
        PumpMessages(20);
        return DYNAMIC_DOWNCAST(SECWorksheetWnd, CSecMdiFixture::FrameOf(pDoc));
    }
    // Sets the MDI client's window width by sizing the frame around it.
    void SetClientWidth(int cx)
    {
        CRect rectFrame;
        m_pBook->GetWindowRect(&rectFrame);
        const int dx = cx - m_pBook->GetClientWndRect().Width();
        m_pBook->SetWindowPos(NULL, 0, 0, rectFrame.Width() + dx, rectFrame.Height(),
                              SWP_NOMOVE | SWP_NOZORDER);
        m_pBook->RecalcLayout();
        PumpMessages(20);
    }
    SECWorkbookWnd* m_pBook = nullptr;
};

TEST_F(WorkbookTest, TheClientKeepsRoomForItsFrameAndTheTabs)
{
    CRect rectClient;
    m_pBook->GetClientRect(&rectClient);
    const CRect rectMDI = m_pBook->GetClientWndRect();
    EXPECT_EQ(CRect(5, 5, rectClient.right - 5, rectClient.bottom - 29), rectMDI);
    EXPECT_EQ(CRect(0, rectMDI.bottom + 4, rectClient.right, rectMDI.bottom + 29), m_pBook->GetTabArea());
    m_pBook->SetWorkbookMode(FALSE);
    EXPECT_EQ(rectClient, m_pBook->GetClientWndRect());
    EXPECT_FALSE(m_pBook->IsWorkbookMode());
}

TEST_F(WorkbookTest, TabWidthSharesTheClientUpToTheMaximumAndSurvivesNoSheets)
{
    // Resizing an empty workbook and closing the last sheet keep the widest tab.
    SetClientWidth(400);
    EXPECT_EQ(90, m_pBook->GetTabWidth());
    std::vector<SECWorksheetWnd*> sheets;
    for (int i = 0; i < 10; i++)
    {
        CString strTitle;
        strTitle.Format(_T("B%d"), i);
        sheets.push_back(Open(strTitle));
        ASSERT_TRUE(sheets.back() != NULL);
    }
    EXPECT_EQ(10, m_pBook->GetSheetCount());
    SetClientWidth(400);
    EXPECT_EQ(40, m_pBook->GetTabWidth()); // (400 + 5) / 10
    for (int i = 0; i < 10; i++)
        EXPECT_EQ(i, sheets[(size_t)i]->m_nIndex);
    SheetTemplate()->CloseAllDocuments(FALSE);
    PumpMessages(20);
    EXPECT_EQ(0, m_pBook->GetSheetCount());
    EXPECT_EQ(90, m_pBook->GetTabWidth());
    Open(_T("A"));
    Open(_T("B"));
    EXPECT_EQ(90, m_pBook->GetTabWidth());
}

TEST_F(WorkbookTest, TabPolygonsOfInactiveAndActiveTabs)
{
    SetClientWidth(400);
    SECWorksheetWnd* pFirst = Open(_T("Eins"));
    SECWorksheetWnd* pSecond = Open(_T("Zwei"));
    ASSERT_TRUE(pSecond != NULL && m_pBook->MDIGetActive() == pSecond);
    const CRect r = m_pBook->GetClientWndRect();
    const int y0 = r.bottom + 4;
    // Inactive, first place: W 90, H 23, B 2.
    const POINT inactive[7] = {
        {r.left, y0},           {r.left, y0 + 21}, {r.left + 2, y0 + 23}, {r.left + 88, y0 + 23},
        {r.left + 90, y0 + 21}, {r.left + 90, y0}, {r.left, y0}};
    // Active, second place: 2 further left, 4 wider, 2 taller.
    const int x0 = r.left + 90 - 2;
    const POINT active[7] = {{x0, y0},           {x0, y0 + 21}, {x0 + 2, y0 + 25}, {x0 + 92, y0 + 25},
                             {x0 + 94, y0 + 21}, {x0 + 94, y0}, {x0, y0}};
    const SECWorkbookWnd::TabPolygon pi = m_pBook->GetTabPolygon(pFirst);
    const SECWorkbookWnd::TabPolygon pa = m_pBook->GetTabPolygon(pSecond);
    for (int i = 0; i < 7; i++)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(CPoint(inactive[i]), CPoint(pi.pts[i]));
        EXPECT_EQ(CPoint(active[i]), CPoint(pa.pts[i]));
    }
    // The text rectangle: past the icon, inside the slants.
    EXPECT_EQ(CRect(r.left + 2 + 16 + 3, y0, r.left + 88, y0 + 23), m_pBook->GetTabTextRect(pi, 16));

    // A hidden sheet has no tab; the next closes the gap.
    pFirst->ShowWindow(SW_HIDE);
    EXPECT_EQ(r.left - 2, m_pBook->GetTabPolygon(pSecond).pts[0].x);
}

TEST_F(WorkbookTest, TabsArePaintedInButtonFaceTheActiveOneOverItsNeighbours)
{
    SetClientWidth(400);
    SECWorksheetWnd* pFirst = Open(_T("Eins"));
    SECWorksheetWnd* pSecond = Open(_T("Zwei"));
    m_pBook->ShowSheetIcons(FALSE);
    m_pBook->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages(30);
    const SECWorkbookWnd::TabPolygon pa = m_pBook->GetTabPolygon(pSecond);
    CClientDC dc(m_pBook);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    // Inside the first (inactive) tab, away from text and edges.
    const SECWorkbookWnd::TabPolygon pi = m_pBook->GetTabPolygon(pFirst);
    EXPECT_EQ(face, dc.GetPixel(pi.pts[0].x + 4, pi.pts[0].y + 2));
    // Where the active tab reaches over the first one's right edge, its face covers the edge.
    EXPECT_EQ(face, dc.GetPixel(pa.pts[0].x + 1, pa.pts[0].y + 10));
    EXPECT_EQ(face, dc.GetPixel(pa.pts[3].x - 4, pa.pts[3].y - 1));
    // Below the inactive tab's bottom, where only the active one reaches.
    EXPECT_NE(face, dc.GetPixel(pi.pts[3].x - 4, pi.pts[3].y));
}

TEST_F(WorkbookTest, AClickOnAnInactiveTabActivatesItsSheetAndFocusesItsView)
{
    SetClientWidth(400);
    SECWorksheetWnd* pFirst = Open(_T("Eins"));
    SECWorksheetWnd* pSecond = Open(_T("Zwei"));
    ASSERT_EQ(pSecond, m_pBook->MDIGetActive());
    m_pBook->SetForegroundWindow();
    PumpMessages(20);
    const SECWorkbookWnd::TabPolygon pi = m_pBook->GetTabPolygon(pFirst);
    CPoint pt(pi.pts[0].x + 10, pi.pts[0].y + 10);
    m_pBook->ClientToScreen(&pt);
    drag_input::SendMouse(0, &pt);
    drag_input::SendMouse(MOUSEEVENTF_LEFTDOWN);
    drag_input::SendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PumpUntil([&] { return m_pBook->MDIGetActive() == pFirst; }, 2000));
    EXPECT_EQ(pFirst->GetActiveView()->m_hWnd, ::GetFocus());
    EXPECT_FALSE(pFirst->m_bActivatedFromTab) << "cleared on the release";
}

TEST_F(WorkbookTest, ToolHitTestNamesOnlyTabsWhoseTitleIsCut)
{
    SetClientWidth(400);
    SECWorksheetWnd* pShort = Open(_T("Kurz"));
    SECWorksheetWnd* pLong = Open(_T("Ein sehr langer Titel, der nicht in den Reiter passt"));
    const CRect r = m_pBook->GetClientWndRect();
    const SECWorkbookWnd::TabPolygon pl = m_pBook->GetTabPolygon(pLong);
    const struct
    {
        const char* name;
        CPoint point;
        INT_PTR nHit;
    } cases[] = {
        {"title fits", CPoint(m_pBook->GetTabPolygon(pShort).pts[0].x + 20, r.bottom + 10), -1},
        {"title cut", CPoint(pl.pts[0].x + 20, r.bottom + 10), 2},
        {"no tab", CPoint(r.right - 5, r.bottom + 10), -1},
        {"inside the client", CPoint(r.left + 20, r.top + 20), -1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        TOOLINFO ti = {};
        ti.cbSize = sizeof(ti);
        EXPECT_EQ(c.nHit, m_pBook->OnToolHitTest(c.point, &ti));
        if (c.nHit == -1)
            continue;
        EXPECT_EQ(m_pBook->m_hWnd, ti.hwnd);
        EXPECT_EQ((UINT_PTR)c.nHit, ti.uId);
        CRgn rgn;
        SECWorkbookWnd::TabPolygon polygon = pl;
        rgn.CreatePolygonRgn(polygon.pts, 7, WINDING);
        CRect rectBox;
        rgn.GetRgnBox(&rectBox);
        EXPECT_EQ(rectBox, CRect(ti.rect));
        ASSERT_TRUE(ti.lpszText != NULL);
        EXPECT_STREQ("Ein sehr langer Titel, der nicht in den Reiter passt", ti.lpszText);
        free(ti.lpszText);
    }
    // The tip pass of the message loop frees each copy: many passes, no growth.
    MSG msg = {};
    msg.hwnd = m_pBook->m_hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.pt = CPoint(pl.pts[0].x + 20, r.bottom + 10);
    m_pBook->ClientToScreen(&msg.pt);
    for (int i = 0; i < 2000; i++)
        EXPECT_FALSE(m_pBook->PreTranslateMessage(&msg));
    EXPECT_EQ(1, (int)::SendMessage(m_pBook->m_hWndToolTip, TTM_GETTOOLCOUNT, 0, 0));
}

TEST_F(WorkbookTest, ShorteningDropsACharacterAPassBeforeTheDots)
{
    CClientDC dc(m_pBook);
    CFont* pOld = dc.SelectObject(&m_pBook->m_tabFont);
    const CString strTitle = _T("Messung vom Dienstag");
    const int cxFull = dc.GetTextExtent(strTitle).cx;
    const int cxDots = dc.GetTextExtent(_T("Mes...")).cx;
    const struct
    {
        const char* name;
        int cx;
        CString expected;
    } cases[] = {
        {"fits", cxFull, strTitle},
        {"one short", cxFull - 1, CString()},
        {"room for Mes...", cxDots, _T("Mes...")},
        {"no room", 0, _T("...")},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        const CString strShort = SECWorkbookWnd::ShortenTitle(&dc, strTitle, c.cx);
        if (!c.expected.IsEmpty())
        {
            EXPECT_EQ(c.expected, strShort);
        }
        else
        {
            EXPECT_EQ(_T("..."), strShort.Right(3));
            EXPECT_LE(dc.GetTextExtent(strShort).cx, c.cx);
            EXPECT_EQ(0, strTitle.Find(strShort.Left(strShort.GetLength() - 3)));
        }
    }
    dc.SelectObject(pOld);
}

TEST_F(WorkbookTest, ABarFloatedAsAnMDIChildBecomesASheet)
{
    SECControlBar bar;
    bar.m_szDefault = CSize(120, 60);
    ASSERT_TRUE(bar.Create(m_pBook, _T("Werkzeug"), WS_CHILD | WS_VISIBLE | CBRS_LEFT, 0, 0x420));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    m_pBook->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    m_pBook->FloatControlBarInMDIChild(&bar, CPoint(30, 30), CBRS_ALIGN_TOP);
    m_pBook->RecalcLayout();
    PumpMessages(30);
    SECControlBarWorksheet* pSheet = DYNAMIC_DOWNCAST(SECControlBarWorksheet, bar.GetParentFrame());
    ASSERT_TRUE(pSheet != NULL);
    EXPECT_EQ(&bar, pSheet->GetHostedBar());
    EXPECT_EQ(1, m_pBook->GetSheetCount());
    EXPECT_EQ(CString(_T("Werkzeug")), m_pBook->GetSheetTitle(pSheet));
    // A bar without an icon gives the sheet the standard one, on its tab too.
    EXPECT_EQ((LRESULT)::LoadIcon(NULL, IDI_WINLOGO), pSheet->SendMessage(WM_GETICON, ICON_BIG));
    EXPECT_TRUE(pSheet->m_hSmallIcon != NULL);
    // Moved, the bar remembers the sheet's place on the screen.
    pSheet->SetWindowPos(NULL, 50, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CRect rectSheet;
    pSheet->GetWindowRect(&rectSheet);
    EXPECT_EQ(rectSheet.TopLeft(), bar.m_pDockContext->m_ptMRUFloatPos);
    // Closing hides the bar and keeps it.
    pSheet->SendMessage(WM_CLOSE);
    PumpMessages(20);
    EXPECT_FALSE(bar.IsVisible());
    EXPECT_TRUE(::IsWindow(bar.m_hWnd));
    m_pBook->DestroyWindow();
    m_pBook = new SECWorkbookWnd;
    ASSERT_TRUE(m_pBook->Create(NULL, _T("Mappe"), WS_OVERLAPPEDWINDOW, CRect(40, 40, 640, 500)));
}

// A bar sheet whose style word turns the bar hosting off is a plain sheet: no dock bar of its
// own, its title its own, and closing closes it.
TEST_F(WorkbookTest, ASheetWithoutBarHostingIsAPlainSheet)
{
    for (const DWORD dwSheetStyle : {(DWORD)0, (DWORD)SEC_SHEET_NO_BAR_HOSTING})
    {
        SCOPED_TRACE(dwSheetStyle);
        const bool bHosts = dwSheetStyle == 0;
        SECControlBarWorksheet* pSheet = new SECControlBarWorksheet;
        pSheet->SetSheetStyle(dwSheetStyle);
        ASSERT_TRUE(pSheet->LoadFrame(IDR_SEC_BAR_MDICHILD, WS_CHILD | WS_OVERLAPPEDWINDOW, m_pBook, NULL));
        pSheet->SetWindowText(_T("Blatt"));
        pSheet->ShowWindow(SW_SHOW);
        pSheet->RecalcLayout();
        PumpMessages(30);
        EXPECT_EQ(bHosts, pSheet->m_wndDockBar.m_hWnd != NULL);
        CString strTitle;
        pSheet->GetWindowText(strTitle);
        // A hosting sheet takes its (empty) dock bar's text.
        EXPECT_EQ(bHosts ? CString() : CString(_T("Blatt")), strTitle);
        const HWND hSheet = pSheet->m_hWnd;
        pSheet->SendMessage(WM_CLOSE);
        PumpMessages(30);
        EXPECT_FALSE(::IsWindow(hSheet));
    }
}
} // namespace
