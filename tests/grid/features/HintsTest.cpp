// Update hints between views of one document: a change in one view leaves the others showing
// what a fresh paint shows; hints reach the grids they address; local changes stay local; the
// answers of the views to storing the current cell are combined.
#include "FeatureTestApp.h"
#include "grid/features/GridHint.h"
#include "grid/core/GridParam.h"
#include "grid/core/GridView.h"
#include "CreateContext.h"
#include "Document.h"
#include "FrameWnd.h"
#include "SplitterWnd.h"
#include "TestSupport.h"
#include <functional>
#include <map>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{
// A view that refuses to store its current cell when another view asks it to.
class CRefusingView : public CGXGridView
{
    DECLARE_DYNCREATE(CRefusingView)

  public:
    BOOL TransferCurrentCell(BOOL bSave, UINT flags, BOOL bCreateHint) override
    {
        BOOL bOk = CGXGridView::TransferCurrentCell(bSave, flags, bCreateHint);
        return bCreateHint ? bOk : FALSE;
    }
};
IMPLEMENT_DYNCREATE(CRefusingView, CGXGridView)

// Frames side by side, each with one grid view of one document; the views share the first
// view's parameter object.
struct ViewsOfOneDocument
{
    CDocument doc;
    std::vector<CFrameWnd*> frames;
    std::vector<CGXGridView*> views;

    explicit ViewsOfOneDocument(std::vector<CRuntimeClass*> classes,
                                CRuntimeClass* pFrameClass = RUNTIME_CLASS(CFrameWnd))
    {
        EnsureGridLibrary();
        doc.m_bAutoDelete = FALSE;
        int x = 0;
        for (CRuntimeClass* pClass : classes)
        {
            CFrameWnd* pFrame = (CFrameWnd*)pFrameClass->CreateObject();
            pFrame->Create(NULL, _T("Ansicht"), WS_OVERLAPPEDWINDOW, CRect(x, 0, x + 300, 260));
            x += 310;
            CCreateContext ctx;
            ctx.m_pNewViewClass = pClass;
            ctx.m_pCurrentDoc = &doc;
            CGXGridView* pView = (CGXGridView*)pFrame->CreateView(&ctx);
            if (!views.empty())
                pView->AttachParamObject(views[0]->GetParam(), FALSE);
            frames.push_back(pFrame);
            views.push_back(pView);
            pFrame->InitialUpdateFrame(&doc, TRUE);
            pFrame->ShowWindow(SW_SHOW);
            if (views.size() == 1)
            {
                CGXGridView& v = *pView;
                v.SetRowCount(12, GX_NOREDRAW);
                v.SetColCount(4, GX_NOREDRAW);
                for (ROWCOL r = 1; r <= 12; r++)
                    v.SetValueRange(CGXCellRange(r, 1, r, 4), ("z" + std::to_string(r)).c_str(), gxOverride,
                                    0, GX_NOREDRAW);
                v.GetParam()->ClearUndoList();
            }
        }
        for (CGXGridView* pView : views)
        {
            pView->Invalidate();
            pView->UpdateWindow();
        }
    }
    ~ViewsOfOneDocument()
    {
        for (size_t i = frames.size(); i-- > 0;)
            frames[i]->DestroyWindow();
    }
};
} // namespace

TEST(GridHints, AChangeInOneViewIsRepeatedInTheOthers)
{
    struct Case
    {
        const char* name;
        std::function<void(CGXGridCore&)> change;
    } cases[] = {
        {"rows inserted", [](CGXGridCore& g) { g.InsertRows(2, 2); }},
        {"rows removed", [](CGXGridCore& g) { g.RemoveRows(1, 3); }},
        {"columns inserted", [](CGXGridCore& g) { g.InsertCols(1, 1); }},
        {"row heights", [](CGXGridCore& g) { g.SetRowHeight(2, 4, 12); }},
        {"wide columns", [](CGXGridCore& g) { g.SetColWidth(2, 3, 150); }},
        {"column widths", [](CGXGridCore& g) { g.SetColWidth(1, 2, 90); }},
        {"rows moved", [](CGXGridCore& g) { g.MoveRows(1, 3, 6); }},
        {"typed", [](CGXGridCore& g) { g.SetValueRange(CGXCellRange(2, 2), "getippt"); }},
        {"frozen rows", [](CGXGridCore& g) { g.SetFrozenRows(2); }},
        {"cells covered", [](CGXGridCore& g) { g.SetCoveredCellsRowCol(2, 1, 4, 3); }},
        {"row count", [](CGXGridCore& g) { g.SetRowCount(4); }},
        {"range selected", [](CGXGridCore& g) { g.SelectRange(CGXCellRange(2, 1, 4, 3)); }},
        {"selection changed",
         [](CGXGridCore& g) {
             g.SelectRange(CGXCellRange(2, 1, 4, 3));
             g.SetSelection(g.GetParam()->m_SelectedRanges.GetTailPosition(), 3, 2, 6, 4);
         }},
        {"selection cleared",
         [](CGXGridCore& g) {
             g.SelectRange(CGXCellRange(2, 1, 4, 3));
             g.SetSelection(NULL);
         }},
    };
    for (const Case& c : cases)
    {
        ViewsOfOneDocument d({RUNTIME_CLASS(CGXGridView), RUNTIME_CLASS(CGXGridView)});
        c.change(*d.views[0]);
        EXPECT_TRUE(ShowsFreshPaint(d.views[1])) << c.name;
        EXPECT_TRUE(ShowsFreshPaint(d.views[0])) << c.name;
    }
}

namespace
{
// A frame that names the grid windows inside it, as a sheet-tab window does.
class CNamingFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CNamingFrame)
};
IMPLEMENT_DYNCREATE(CNamingFrame, CFrameWnd)

struct WindowNames : CGXAbstractTabWndInterface
{
    std::map<CWnd*, CString> names;
    void GetOrSetTabName(CWnd* pWnd, CString& sName, BOOL bSet) override
    {
        if (bSet)
            names[pWnd] = sName;
        else
            sName = names[pWnd];
    }
    CString GetTabNameAt(CWnd*, int) override
    {
        return CString();
    }
};
} // namespace

// A sheet tab's new label becomes the grid's text, which names the window of every view that lies
// in a container; a view outside one takes no name.
TEST(GridHints, TheGridsTextNamesTheWindowOfEveryView)
{
    EnsureGridLibrary();
    CGXAppData* pAppData = GXGetAppData();
    WindowNames names;
    CGXAbstractTabWndInterface* pOld = pAppData->m_pTabWndInterface;
    pAppData->m_pTabWndInterface = &names;
    pAppData->RegisterContainerClass(RUNTIME_CLASS(CNamingFrame));
    {
        ViewsOfOneDocument d({RUNTIME_CLASS(CGXGridView), RUNTIME_CLASS(CGXGridView)},
                             RUNTIME_CLASS(CNamingFrame));
        // The tab window labels the first view's window and tells it.
        names.names[d.views[0]] = "Messwerte";
        d.views[0]->SendMessage(0x791, 0, 0);
        EXPECT_STREQ("Messwerte", d.views[0]->GetParam()->m_sWindowSetting);
        EXPECT_STREQ("Messwerte", names.names[d.views[0]]);
        EXPECT_STREQ("Messwerte", names.names[d.views[1]]);
    }
    {
        ViewsOfOneDocument d({RUNTIME_CLASS(CGXGridView)});
        names.names.clear();
        CGXGridHint hint(gxHintWindowText);
        EXPECT_FALSE(d.views[0]->m_pUpdateHintImp->OnGridUpdate(d.views[0], &hint));
        EXPECT_TRUE(names.names.empty());
    }
    pAppData->m_pTabWndInterface = pOld;
}

// Rows made higher bring the vertical scroll bar into every view: each then shows what a fresh
// paint shows, the one that changed and the one the hint reached.
TEST(GridHints, ViewsWhoseScrollBarAppearsShowAFreshPaint)
{
    ViewsOfOneDocument d({RUNTIME_CLASS(CGXGridView), RUNTIME_CLASS(CGXGridView)});
    // As many rows as fit, less one: three of them 37 pixels high no longer fit.
    CRect rect;
    d.views[0]->GetClientRect(&rect);
    int nRows = (rect.Height() - d.views[0]->GetRowHeight(0)) / d.views[0]->GetRowHeight(1) - 1;
    ASSERT_GT(nRows, 4);
    ASSERT_LT(d.views[0]->GetRowHeight(1) * 2, 37);
    d.views[0]->SetRowCount(nRows);
    for (CGXGridView* pView : d.views)
    {
        pView->UpdateWindow();
        ASSERT_FALSE(pView->GetStyle() & WS_VSCROLL);
    }
    d.views[0]->SetRowHeight(2, 4, 37);
    for (size_t i = 0; i < d.views.size(); i++)
    {
        SCOPED_TRACE(i);
        EXPECT_TRUE(d.views[i]->GetStyle() & WS_VSCROLL);
        EXPECT_TRUE(ShowsFreshPaint(d.views[i]));
    }
}

TEST(GridHints, ChangesWithoutHintsStayLocal)
{
    struct Case
    {
        const char* name;
        std::function<void(CGXGridView&)> change;
    } cases[] = {
        {"hints off",
         [](CGXGridView& v) {
             v.SetHintsEnabled(FALSE);
             v.InsertRows(1, 3);
         }},
        {"create-hint FALSE",
         [](CGXGridView& v) {
             v.StoreInsertRows(1, 3);
             v.UpdateInsertRows(1, 3, GX_UPDATENOW, FALSE);
         }},
    };
    for (const Case& c : cases)
    {
        ViewsOfOneDocument d({RUNTIME_CLASS(CGXGridView), RUNTIME_CLASS(CGXGridView)});
        c.change(*d.views[0]);
        EXPECT_FALSE(ShowsFreshPaint(d.views[1])) << c.name; // it still shows the old rows
        EXPECT_TRUE(ShowsFreshPaint(d.views[0])) << c.name;
    }
}

TEST(GridHints, AHintReachesTheGridsItAddresses)
{
    ViewsOfOneDocument d({RUNTIME_CLASS(CGXGridView), RUNTIME_CLASS(CGXGridView)});
    CGXGridView& v = *d.views[1];
    CGXAbstractGridUpdateHintImp* pImp = v.m_pUpdateHintImp;
    ASSERT_NE(nullptr, pImp);
    struct Case
    {
        UINT nViewId;
        BOOL bApplied;
    } cases[] = {{(UINT)-1, TRUE}, {v.m_nGridId, TRUE}, {d.views[0]->m_nGridId, FALSE}};
    for (const Case& c : cases)
    {
        CGXGridHint hint(gxHintRedraw, c.nViewId);
        hint.m_nFlags = GX_INVALIDATE;
        v.ValidateRect(NULL);
        EXPECT_EQ(c.bApplied, pImp->OnGridUpdate(&v, &hint)) << c.nViewId;
        EXPECT_EQ(c.bApplied, ::GetUpdateRect(v.GetSafeHwnd(), NULL, FALSE)) << c.nViewId;
    }
    // Not a grid hint, an unknown id: ignored.
    CDWordArray other;
    EXPECT_FALSE(pImp->OnGridUpdate(&v, &other));
    CGXGridHint unknown(99);
    EXPECT_FALSE(pImp->OnGridUpdate(&v, &unknown));
}

TEST(GridHints, StoringTheCurrentCellAsksEveryViewAndOneRefusalAnswersFalse)
{
    ViewsOfOneDocument agree(
        {RUNTIME_CLASS(CGXGridView), RUNTIME_CLASS(CGXGridView), RUNTIME_CLASS(CGXGridView)});
    EXPECT_TRUE(agree.views[0]->TransferCurrentCell(TRUE, GX_UPDATENOW, TRUE));
    ViewsOfOneDocument refuse(
        {RUNTIME_CLASS(CGXGridView), RUNTIME_CLASS(CRefusingView), RUNTIME_CLASS(CGXGridView)});
    EXPECT_FALSE(refuse.views[0]->TransferCurrentCell(TRUE, GX_UPDATENOW, TRUE));
    // Without the hint the refusing view is not asked.
    EXPECT_TRUE(refuse.views[0]->TransferCurrentCell(TRUE, GX_UPDATENOW, FALSE));
}

namespace
{
// A frame whose grid views sit in a dynamic splitter, split into two pane columns (and rows when
// asked); every pane shares the first pane's parameter object.
struct SplitGrid
{
    CDocument doc;
    CFrameWnd* pFrame = new CFrameWnd;
    CSplitterWnd splitter;
    SplitGrid(bool bBothWays)
    {
        EnsureGridLibrary();
        doc.m_bAutoDelete = FALSE;
        pFrame->Create(NULL, _T("Geteilt"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 420, 320));
        CCreateContext ctx;
        ctx.m_pNewViewClass = RUNTIME_CLASS(CGXGridView);
        ctx.m_pCurrentDoc = &doc;
        splitter.Create(pFrame, 2, 2, CSize(10, 10), &ctx);
        pFrame->InitialUpdateFrame(&doc, TRUE);
        pFrame->ShowWindow(SW_SHOW);
        Pane(0, 0)->SetRowCount(60, GX_NOREDRAW);
        Pane(0, 0)->SetColCount(30, GX_NOREDRAW);
        splitter.SplitColumn(200);
        if (bBothWays)
            splitter.SplitRow(150);
        for (int r = 0; r < splitter.GetRowCount(); r++)
            for (int c = 0; c < splitter.GetColumnCount(); c++)
                if (r + c > 0)
                    Pane(r, c)->AttachParamObject(Pane(0, 0)->GetParam(), FALSE);
        testing_support::PumpMessages(50);
    }
    ~SplitGrid()
    {
        pFrame->DestroyWindow();
    }
    CGXGridView* Pane(int r, int c)
    {
        return (CGXGridView*)splitter.GetPane(r, c);
    }
    // Whether the pane applies a hint naming pValue.
    BOOL Applies(CGXGridView* pView, UINT id, void* pValue)
    {
        CGXGridHint hint(id);
        hint.m_nRow1 = 7;
        hint.m_nCol1 = 5;
        hint.m_nParam = 150;
        hint.m_nFlags = GX_NOREDRAW;
        hint.m_pValue = pValue;
        return pView->m_pUpdateHintImp->OnGridUpdate(pView, &hint);
    }
};
} // namespace

// Top-row and left-column hints reach only the pane they name, inside a splitter with two panes
// that way; zoom hints reach the panes of the sender's splitter, other views only with floating
// cells; scrolling one pane scrolls its neighbour.
TEST(GridHints, SplitterPanesFollowOnlyTheHintsThatNameThem)
{
    {
        SplitGrid s(false);
        ASSERT_EQ(2, s.splitter.GetColumnCount());
        ASSERT_EQ(1, s.splitter.GetRowCount());
        CGXGridView *p0 = s.Pane(0, 0), *p1 = s.Pane(0, 1);
        ASSERT_NE(nullptr, p1);
        struct
        {
            const char* name;
            CGXGridView* pView;
            UINT id;
            void* pValue;
            BOOL bApplied;
        } cases[] = {
            {"top row to the named pane", p1, gxHintSplitterTopRow, p1, TRUE},
            {"top row, another pane named", p0, gxHintSplitterTopRow, p1, FALSE},
            {"left column with one pane row", p1, gxHintSplitterLeftCol, p1, FALSE},
            {"zoom from this splitter", p1, gxHintStoreZoom, &s.splitter, TRUE},
            {"zoom from elsewhere", p1, gxHintStoreZoom, NULL, FALSE},
        };
        for (const auto& c : cases)
            EXPECT_EQ(c.bApplied, s.Applies(c.pView, c.id, c.pValue)) << c.name;
        EXPECT_EQ(7u, p1->GetTopRow());
        EXPECT_EQ(150, p1->GetZoom());
        p0->GetParam()->m_wFloatCellsMode = 1;
        EXPECT_TRUE(s.Applies(p1, gxHintStoreZoom, NULL)) << "zoom with floating cells";
        p0->GetParam()->m_wFloatCellsMode = 0;

        // Scrolling the first pane down moves its neighbour's top row along.
        p0->SetTopRow(1);
        p1->SetTopRow(1);
        ASSERT_TRUE(p0->DoScroll(GX_DOWN, 4));
        EXPECT_EQ(p0->GetTopRow(), p1->GetTopRow());
        EXPECT_EQ(5u, p1->GetTopRow());
    }
    {
        SplitGrid s(true);
        ASSERT_EQ(2, s.splitter.GetRowCount());
        CGXGridView* p11 = s.Pane(1, 1);
        EXPECT_TRUE(s.Applies(p11, gxHintSplitterLeftCol, p11));
        EXPECT_EQ(5u, p11->GetLeftCol());
        EXPECT_FALSE(s.Applies(s.Pane(0, 1), gxHintSplitterLeftCol, p11));
    }
    // A view outside any splitter takes neither.
    ViewsOfOneDocument d({RUNTIME_CLASS(CGXGridView)});
    CGXGridView& v = *d.views[0];
    CGXGridHint hint(gxHintSplitterTopRow);
    hint.m_pValue = &v;
    EXPECT_FALSE(v.m_pUpdateHintImp->OnGridUpdate(&v, &hint));
}
