// Window messages of the grid about the system and its own window: settings and colour changes
// reach every registered control's children and a settings change repaints the whole window;
// the current cell's window shows the cell's colours; the size-optimisation lock; hiding the
// window forgets its remembered size; the click that activates a grid view's frame is eaten.
#include "GridTestApp.h"
#include "TestSupport.h"
#include "grid/core/EditControl.h"
#include "grid/core/GridView.h"
#include "grid/core/Static.h"
#include "grid/core/Style.h"
#include "CreateContext.h"
#include "Document.h"
#include "Edit.h"
#include "FrameWnd.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
struct Notes
{
    int nWinIni = 0, nColors = 0;
    CString sSection;
};

class NotedChild : public CGXChild
{
  public:
    explicit NotedChild(Notes* p) : m_p(p)
    {
    }
    void Draw(CDC*, BOOL, const CGXStyle&) override
    {
    }
    void OnWinIniChange(LPCTSTR pszSection) override
    {
        m_p->nWinIni++;
        m_p->sSection = pszSection != NULL ? pszSection : "";
    }
    void OnSysColorChange() override
    {
        m_p->nColors++;
    }
    Notes* m_p;
};

bool WholeClientInvalid(CWnd* pWnd)
{
    CRect rectUpdate, rectClient;
    pWnd->GetClientRect(&rectClient);
    return pWnd->GetUpdateRect(&rectUpdate, FALSE) && rectUpdate == rectClient;
}
} // namespace

TEST(GridSystemMessages, SettingsAndColourChangesReachEveryControlsChildren)
{
    GridWindow w(300, 200);
    CGXGridCore& g = *w.grid;
    g.OnGridInitialUpdate();
    g.SetRowCount(5, GX_NOREDRAW);
    g.SetColCount(3, GX_NOREDRAW);
    CGXControl* pEdit = g.GetRegisteredControl(GX_IDS_CTRL_EDIT);
    CGXControl* pStatic = g.GetRegisteredControl(GX_IDS_CTRL_STATIC);
    ASSERT_NE(nullptr, pEdit);
    ASSERT_NE(nullptr, pStatic);
    Notes edit, stat;
    pEdit->AddChild(new NotedChild(&edit)); // the controls own their children
    pStatic->AddChild(new NotedChild(&stat));
    ASSERT_TRUE(g.ChangeCurrentCell(2, 2, 0x0A));
    w.grid->UpdateWindow();
    ASSERT_TRUE(pEdit->IsInit());
    ASSERT_FALSE(pEdit->IsActive());

    w.grid->SendMessage(WM_WININICHANGE, 0, (LPARAM) "intl");
    EXPECT_EQ(1, edit.nWinIni);
    EXPECT_EQ(1, stat.nWinIni);
    EXPECT_STREQ("intl", edit.sSection);
    EXPECT_EQ(0, edit.nColors);
    // The whole window is repainted.
    EXPECT_TRUE(WholeClientInvalid(w.grid.get()));

    w.grid->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(1, edit.nColors);
    EXPECT_EQ(1, stat.nColors);
    EXPECT_EQ(1, edit.nWinIni);
}

TEST(GridSystemMessages, TheCurrentCellsWindowShowsTheCellsColours)
{
    GridWindow w(300, 200);
    CGXGridCore& g = *w.grid;
    g.OnGridInitialUpdate();
    g.SetRowCount(5, GX_NOREDRAW);
    g.SetColCount(3, GX_NOREDRAW);
    g.SetColWidth(2, 2, 120, NULL, GX_NOREDRAW);
    const COLORREF crBack = RGB(255, 255, 0);
    g.SetStyleRange(CGXCellRange(2, 2),
                    CGXStyle().SetValue("ab").SetInterior(crBack).SetTextColor(RGB(0, 0, 255)));
    ASSERT_TRUE(g.ChangeCurrentCell(2, 2, 0x1A)); // with the control active
    w.grid->SetFocus();
    w.grid->UpdateWindow();
    PumpMessages(100);
    CEdit* pEdit = (CEdit*)(CGXEditControl*)g.GetControl(2, 2);
    ASSERT_TRUE(pEdit->IsWindowVisible());
    pEdit->RedrawWindow();
    PumpMessages(50);
    Pixels px = CaptureClient(pEdit);
    ASSERT_GT(px.cx, 20);
    // Right of the short text the window shows the cell's interior.
    EXPECT_EQ(ToRGB(crBack), px.At(px.cx - 4, px.cy / 2));
    // The grid answers for its own control windows only.
    CClientDC dc(w.grid.get());
    LRESULT hbr = w.grid->SendMessage(WM_CTLCOLOREDIT, (WPARAM)dc.GetSafeHdc(), (LPARAM)pEdit->GetSafeHwnd());
    ASSERT_NE(0, hbr);
    LOGBRUSH lb = {};
    ::GetObject((HBRUSH)hbr, sizeof(lb), &lb);
    EXPECT_EQ(crBack, lb.lbColor);
    EXPECT_EQ(crBack, dc.GetBkColor());
    EXPECT_EQ(RGB(0, 0, 255), dc.GetTextColor());
}

TEST(GridSystemMessages, UnlockingTheSizeOptimisationRepaintsEverything)
{
    GridWindow w(300, 200);
    CGXGridCore& g = *w.grid;
    g.OnGridInitialUpdate();
    g.SetRowCount(5, GX_NOREDRAW);
    g.SetColCount(3, GX_NOREDRAW);
    w.grid->UpdateWindow();
    w.grid->SendMessage(0x7CB, TRUE);
    EXPECT_FALSE(w.grid->GetUpdateRect(NULL, FALSE));
    w.grid->SendMessage(0x7CB, FALSE);
    EXPECT_TRUE(WholeClientInvalid(w.grid.get()));
}

TEST(GridSystemMessages, HidingTheWindowForgetsItsSize)
{
    GridWindow w(300, 200);
    CGXGridCore& g = *w.grid;
    g.OnGridInitialUpdate();
    w.grid->SetWindowPos(NULL, 0, 0, 280, 190, SWP_NOZORDER | SWP_NOMOVE);
    ASSERT_NE(CSize(0, 0), g.m_sizeLastClient);
    w.grid->ShowWindow(SW_HIDE);
    EXPECT_EQ(CSize(0, 0), g.m_sizeLastClient);
}

namespace
{
// A frame with one grid view of a plain document.
struct ViewInFrame
{
    CFrameWnd* pFrame = new CFrameWnd;
    CDocument doc;
    CGXGridView* pView = NULL;
    ViewInFrame()
    {
        EnsureGridLibrary();
        doc.m_bAutoDelete = FALSE;
        pFrame->Create(NULL, _T("Ansicht"), WS_OVERLAPPEDWINDOW, CRect(30, 30, 430, 330));
        CCreateContext ctx;
        ctx.m_pNewViewClass = RUNTIME_CLASS(CGXGridView);
        ctx.m_pCurrentDoc = &doc;
        pView = (CGXGridView*)pFrame->CreateView(&ctx);
        pFrame->InitialUpdateFrame(&doc, TRUE);
        pView->SetRowCount(6, GX_NOREDRAW);
        pView->SetColCount(4, GX_NOREDRAW);
        pFrame->UpdateWindow();
    }
    ~ViewInFrame()
    {
        pFrame->DestroyWindow();
    }
};
} // namespace

TEST(GridSystemMessages, AClickActivatingTheViewsFrameIsEaten)
{
    ViewInFrame f;
    CGXGridView& v = *f.pView;
    // Another top-level window with an edit; the view had the focus from there once.
    CWnd other;
    other.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), _T("Anderes"),
                   WS_POPUP | WS_VISIBLE, CRect(500, 30, 700, 130), NULL, 0);
    CEdit edit;
    edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 150, 40), &other, 1);
    ::SetForegroundWindow(other.GetSafeHwnd());
    edit.SetFocus();
    PumpMessages(50);
    ASSERT_TRUE(v.ChangeCurrentCell(1, 1, 0x0A));
    ::SetForegroundWindow(f.pFrame->GetSafeHwnd());
    v.SetFocus();
    PumpMessages(50);
    ::SetForegroundWindow(other.GetSafeHwnd());
    edit.SetFocus();
    PumpMessages(100);
    ASSERT_EQ(edit.GetSafeHwnd(), ::GetFocus());

    struct Step
    {
        const char* name;
        ROWCOL row;
    } steps[] = {{"the click activating the frame is eaten", 1},
                 {"the next click makes the cell current", 3}};
    for (const Step& s : steps)
    {
        SCOPED_TRACE(s.name);
        CPoint pt = v.CalcCellRect(3, 2).CenterPoint();
        v.ClientToScreen(&pt);
        MoveMouseTo(pt);
        SendLeftButton(true);
        SendLeftButton(false);
        PumpMessages(150);
        EXPECT_EQ(v.GetSafeHwnd(), ::GetFocus());
        ROWCOL nRow = 0, nCol = 0;
        EXPECT_TRUE(v.GetCurrentCell(nRow, nCol));
        EXPECT_EQ(s.row, nRow);
    }
    edit.DestroyWindow();
    other.DestroyWindow();
}
