// Update hints between views of one document: a change in one view leaves the others showing
// what a fresh paint shows; hints reach the grids they address; local changes stay local; the
// answers of the views to storing the current cell are combined.
#include "FeatureTestApp.h"
#include "grid/core/GridHint.h"
#include "grid/core/GridParam.h"
#include "grid/core/GridView.h"
#include "CreateContext.h"
#include "Document.h"
#include "FrameWnd.h"
#include "TestSupport.h"
#include <functional>
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

    explicit ViewsOfOneDocument(std::vector<CRuntimeClass*> classes)
    {
        EnsureGridLibrary();
        doc.m_bAutoDelete = FALSE;
        int x = 0;
        for (CRuntimeClass* pClass : classes)
        {
            CFrameWnd* pFrame = new CFrameWnd;
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
        {"column widths", [](CGXGridCore& g) { g.SetColWidth(1, 2, 90); }},
        {"rows moved", [](CGXGridCore& g) { g.MoveRows(1, 3, 6); }},
        {"typed", [](CGXGridCore& g) { g.SetValueRange(CGXCellRange(2, 2), "getippt"); }},
        {"frozen rows", [](CGXGridCore& g) { g.SetFrozenRows(2); }},
        {"row count", [](CGXGridCore& g) { g.SetRowCount(4); }},
    };
    for (const Case& c : cases)
    {
        ViewsOfOneDocument d({RUNTIME_CLASS(CGXGridView), RUNTIME_CLASS(CGXGridView)});
        c.change(*d.views[0]);
        EXPECT_TRUE(ShowsFreshPaint(d.views[1])) << c.name;
        EXPECT_TRUE(ShowsFreshPaint(d.views[0])) << c.name;
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
