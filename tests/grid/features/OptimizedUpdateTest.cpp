// Optimised update on a shown grid: rows and columns inserted, removed and resized above, inside
// and below the visible part, with frozen rows, a covered block across the change and floating
// on. The screen ends as a full redraw paints it; where the window is scrolled, only the changed
// rows (columns), the uncovered strip and the renumbered headers are painted again.
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"
#include "TestSupport.h"
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
struct UpdateGrid : GridWindow
{
    CGXGridWnd& g;
    UpdateGrid() : GridWindow(420, 300), g(*grid)
    {
        g.SetRowCount(200, GX_NOREDRAW);
        g.SetColCount(40, GX_NOREDRAW);
        for (ROWCOL r = 1; r <= 200; r++)
            for (ROWCOL c = 1; c <= 6; c++)
                g.SetValueRange(CGXCellRange(r, c), (std::to_string(r) + ":" + std::to_string(c)).c_str(),
                                gxOverride, 0, GX_NOREDRAW);
        g.SetTopRow(50, GX_NOREDRAW);
        g.GetParam()->ClearUndoList();
        g.RedrawAll(GX_UPDATENOW, FALSE);
    }
    // What of the update region lies outside the allowed rectangles.
    bool UpdateOnlyIn(const std::vector<CRect>& allowed)
    {
        CRgn update, rest;
        update.CreateRectRgn(0, 0, 0, 0);
        ::GetUpdateRgn(g.m_hWnd, (HRGN)update.GetSafeHandle(), FALSE);
        rest.CreateRectRgn(0, 0, 0, 0);
        rest.CopyRgn(&update);
        for (const CRect& r : allowed)
        {
            CRgn rgn;
            rgn.CreateRectRgnIndirect(&r);
            rest.CombineRgn(&rest, &rgn, RGN_DIFF);
        }
        CRect box;
        return rest.GetRgnBox(&box) == NULLREGION;
    }
    // The band of rows (columns) first..last over the whole window, and the header column (row)
    // from the first on.
    std::vector<CRect> Band(BOOL bRows, ROWCOL nFirst, ROWCOL nLast)
    {
        CRect client;
        g.GetClientRect(&client);
        CRect band = bRows ? g.CalcRangeClientRect(CGXCellRange(nFirst, 0, nLast, 0))
                           : g.CalcRangeClientRect(CGXCellRange(0, nFirst, 0, nLast));
        CRect header = band;
        if (bRows)
        {
            band.left = client.left, band.right = client.right, band.bottom++;
            header.bottom = client.bottom;
        }
        else
        {
            band.top = client.top, band.bottom = client.bottom, band.right++;
            header.right = client.right;
        }
        return {band, header};
    }
};

// A removal as a grid that overrides it makes it: the store step, then the update step with the
// removed sizes.
BOOL RemoveInSteps(CGXGridWnd& g, BOOL bRows, ROWCOL nFirst, ROWCOL nLast)
{
    std::vector<int> anSizes;
    for (ROWCOL n = nFirst; n <= nLast; n++)
        anSizes.push_back(bRows ? g.GetRowHeight(n) : g.GetColWidth(n));
    if (!(bRows ? g.StoreRemoveRows(nFirst, nLast) : g.StoreRemoveCols(nFirst, nLast)))
        return FALSE;
    if (bRows)
        g.UpdateRemoveRows(nFirst, nLast, anSizes.data(), GX_UPDATENOW, FALSE);
    else
        g.UpdateRemoveCols(nFirst, nLast, anSizes.data(), GX_UPDATENOW, FALSE);
    return TRUE;
}
} // namespace

TEST(GridOptimizedUpdate, ChangesEndAsAFullRedrawAndScrollsPaintOnlyWhatChanged)
{
    using Grid = CGXGridWnd;
    struct Case
    {
        const char* what;
        std::function<void(Grid&)> setup;
        std::function<BOOL(Grid&)> change;
        // What may be painted again after the change (none: not checked).
        std::function<std::vector<CRect>(UpdateGrid&)> allowed;
        ROWCOL nTopAfter; // 0: not checked
    } cases[] = {
        {"rows inserted above", nullptr,
         [](Grid& g) { return g.InsertRows(10, 5, NULL, NULL, NULL, 0, GX_SMART); },
         [](UpdateGrid& w) { return std::vector<CRect>{w.Band(TRUE, 55, 55)[1]}; }, 55},
        {"rows inserted inside", nullptr,
         [](Grid& g) { return g.InsertRows(55, 2, NULL, NULL, NULL, 0, GX_SMART); },
         [](UpdateGrid& w) { return w.Band(TRUE, 55, 57); }, 50},
        {"rows inserted below", nullptr,
         [](Grid& g) { return g.InsertRows(150, 2, NULL, NULL, NULL, 0, GX_SMART); },
         [](UpdateGrid&) { return std::vector<CRect>(); }, 50},
        {"rows removed above", nullptr, [](Grid& g) { return g.RemoveRows(10, 12, GX_SMART); }, nullptr, 47},
        {"rows removed inside", nullptr, [](Grid& g) { return g.RemoveRows(55, 56, GX_SMART); }, nullptr, 50},
        {"rows removed across the top", nullptr, [](Grid& g) { return g.RemoveRows(48, 52, GX_SMART); },
         nullptr, 48},
        {"rows removed below", nullptr, [](Grid& g) { return g.RemoveRows(150, 151, GX_SMART); }, nullptr,
         50},
        {"row higher", nullptr,
         [](Grid& g) { return g.SetRowHeight(53, 53, g.GetRowHeight(53) + 10, NULL, GX_SMART); },
         [](UpdateGrid& w) { return w.Band(TRUE, 53, 53); }, 50},
        {"row lower", nullptr,
         [](Grid& g) { return g.SetRowHeight(53, 53, g.GetRowHeight(53) - 8, NULL, GX_SMART); }, nullptr, 50},
        {"row above resized", nullptr, [](Grid& g) { return g.SetRowHeight(10, 10, 40, NULL, GX_SMART); },
         [](UpdateGrid&) { return std::vector<CRect>(); }, 50},
        {"row below resized", nullptr, [](Grid& g) { return g.SetRowHeight(180, 180, 40, NULL, GX_SMART); },
         [](UpdateGrid&) { return std::vector<CRect>(); }, 50},
        {"columns inserted inside", nullptr,
         [](Grid& g) { return g.InsertCols(2, 1, NULL, NULL, NULL, 0, GX_SMART); },
         [](UpdateGrid& w) { return w.Band(FALSE, 2, 3); }, 50},
        {"columns removed inside", nullptr, [](Grid& g) { return g.RemoveCols(2, 3, GX_SMART); }, nullptr,
         50},
        {"column wider", nullptr,
         [](Grid& g) { return g.SetColWidth(3, 3, g.GetColWidth(3) + 20, NULL, GX_SMART); },
         [](UpdateGrid& w) { return w.Band(FALSE, 3, 3); }, 50},
        {"column narrower", nullptr,
         [](Grid& g) { return g.SetColWidth(3, 3, g.GetColWidth(3) - 20, NULL, GX_SMART); }, nullptr, 50},
        {"frozen rows, a row inserted among them", [](Grid& g) { g.SetFrozenRows(2, 0, GX_UPDATENOW); },
         [](Grid& g) { return g.InsertRows(1, 1, NULL, NULL, NULL, 0, GX_SMART); }, nullptr, 0},
        {"frozen rows, a row inserted below them", [](Grid& g) { g.SetFrozenRows(2, 0, GX_UPDATENOW); },
         [](Grid& g) { return g.InsertRows(55, 1, NULL, NULL, NULL, 0, GX_SMART); },
         [](UpdateGrid& w) { return w.Band(TRUE, 55, 56); }, 0},
        {"a covered block across the removal",
         [](Grid& g) { g.SetCoveredCellsRowCol(53, 2, 57, 3, GX_UPDATENOW); },
         [](Grid& g) { return g.RemoveRows(55, 55, GX_SMART); }, nullptr, 50},
        // Without the removal's closing recalculation, which repaints everything.
        {"a covered block cut by rows removed in steps",
         [](Grid& g) { g.SetCoveredCellsRowCol(53, 2, 56, 3, GX_UPDATENOW); },
         [](Grid& g) { return RemoveInSteps(g, TRUE, 55, 57); }, nullptr, 50},
        {"a covered block starting among rows removed in steps",
         [](Grid& g) { g.SetCoveredCellsRowCol(55, 2, 58, 3, GX_UPDATENOW); },
         [](Grid& g) { return RemoveInSteps(g, TRUE, 54, 56); }, nullptr, 50},
        {"a covered block cut by columns removed in steps",
         [](Grid& g) { g.SetCoveredCellsRowCol(53, 2, 54, 4, GX_UPDATENOW); },
         [](Grid& g) { return RemoveInSteps(g, FALSE, 3, 5); }, nullptr, 50},
        {"a covered block across the resized row",
         [](Grid& g) { g.SetCoveredCellsRowCol(53, 2, 57, 3, GX_UPDATENOW); },
         [](Grid& g) { return g.SetRowHeight(55, 55, 35, NULL, GX_SMART); }, nullptr, 50},
        {"floating on", [](Grid& g) { g.GetParam()->m_wFloatCellsMode = 1; },
         [](Grid& g) { return g.InsertRows(55, 1, NULL, NULL, NULL, 0, GX_SMART); }, nullptr, 50},
    };
    for (const Case& c : cases)
    {
        UpdateGrid w;
        if (c.setup)
        {
            c.setup(w.g);
            w.g.RedrawAll(GX_UPDATENOW, FALSE);
        }
        w.g.UpdateWindow();
        ASSERT_TRUE(c.change(w.g)) << c.what;
        if (c.allowed)
        {
            EXPECT_TRUE(w.UpdateOnlyIn(c.allowed(w))) << c.what;
        }
        if (c.nTopAfter != 0)
        {
            EXPECT_EQ(c.nTopAfter, w.g.GetTopRow()) << c.what;
        }
        EXPECT_TRUE(w.ShowsFreshPaint()) << c.what;
    }
}

TEST(GridOptimizedUpdate, RemovingRowsWithModeOneAndRemovingAllRowsRepaintEverything)
{
    UpdateGrid w;
    // Painted over without invalidating: only what is painted again loses the colour.
    auto smear = [&] {
        w.g.UpdateWindow();
        CClientDC dc(&w.g);
        CRect rect;
        w.g.GetClientRect(&rect);
        dc.FillSolidRect(&rect, RGB(255, 0, 255));
    };
    smear();
    ASSERT_TRUE(w.g.RemoveRows(40, 60, GX_INVALIDATE));
    EXPECT_TRUE(w.ShowsFreshPaint());
    smear();
    ASSERT_TRUE(w.g.RemoveRows(1, w.g.GetRowCount(), GX_SMART));
    EXPECT_EQ(1u, w.g.GetTopRow());
    EXPECT_TRUE(w.ShowsFreshPaint());
}
