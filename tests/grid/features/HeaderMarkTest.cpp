// Marking the current cell's headers: an arrow key repaints the headers of the old and the new
// current cell and only the new ones are marked; row-selection mode leaves the row header
// unmarked; a row or column being resized marks its header unless its sizing flags forbid it;
// the properties' options switch the marks off.
#include "FeatureTestApp.h"
#include "grid/core/Control.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
struct MarkGrid : GridWindowOf<CGXGridWnd>
{
    CGXGridWnd& g;
    MarkGrid() : GridWindowOf(360, 220), g(*grid)
    {
        g.OnGridInitialUpdate();
        g.SetRowCount(8, GX_NOREDRAW);
        g.SetColCount(5, GX_NOREDRAW);
        g.GetParam()->ClearUndoList();
        g.RedrawAll(GX_UPDATENOW, FALSE);
        g.SetFocus();
        PumpMessages(50);
    }
    BOOL Marked(ROWCOL nRow, ROWCOL nCol)
    {
        CGXStyle style;
        g.ComposeStyleRowCol(nRow, nCol, &style);
        return g.GetRegisteredControl(style.GetControl())->IsMarkedHeaderCell(nRow, nCol, style);
    }
    bool ShowsFreshPaint()
    {
        g.UpdateWindow();
        return CaptureClient(&g).px == RenderGrid(&g, &g).px;
    }
};
} // namespace

TEST(GridHeaderMarks, AnArrowKeyRepaintsTheHeadersOfTheOldAndTheNewCurrentCell)
{
    MarkGrid w;
    w.g.SetCurrentCell(2, 2);
    w.g.RedrawAll(GX_UPDATENOW, FALSE);
    EXPECT_TRUE(w.Marked(2, 0));
    EXPECT_TRUE(w.Marked(0, 2));
    struct
    {
        WORD vk;
        ROWCOL nRow, nCol; // the new current cell
    } steps[] = {{VK_DOWN, 3, 2}, {VK_RIGHT, 3, 3}, {VK_UP, 2, 3}, {VK_LEFT, 2, 2}};
    ROWCOL nOldRow = 2, nOldCol = 2;
    for (const auto& s : steps)
    {
        SCOPED_TRACE(testing::Message() << s.nRow << "," << s.nCol);
        PressKey(s.vk);
        ROWCOL nRow = 0, nCol = 0;
        ASSERT_TRUE(w.g.GetCurrentCell(nRow, nCol));
        ASSERT_EQ(s.nRow, nRow);
        ASSERT_EQ(s.nCol, nCol);
        EXPECT_TRUE(w.Marked(nRow, 0));
        EXPECT_TRUE(w.Marked(0, nCol));
        if (nOldRow != nRow)
        {
            EXPECT_FALSE(w.Marked(nOldRow, 0));
        }
        if (nOldCol != nCol)
        {
            EXPECT_FALSE(w.Marked(0, nOldCol));
        }
        EXPECT_FALSE(w.Marked(nRow + 2, 0));
        // The old header is drawn raised again and the new one pushed, as a fresh paint has them.
        EXPECT_TRUE(w.ShowsFreshPaint());
        nOldRow = nRow;
        nOldCol = nCol;
    }
}

TEST(GridHeaderMarks, RuleByRule)
{
    MarkGrid w;
    w.g.SetCurrentCell(4, 3);
    CGXGridParam* pParam = w.g.GetParam();
    CGXProperties* pProps = pParam->GetProperties();
    struct
    {
        const char* name;
        void (*setUp)(MarkGrid&);
        BOOL bRowHeader, bColHeader; // of the current cell
    } cases[] = {
        {"defaults", [](MarkGrid&) {}, TRUE, TRUE},
        {"row selection mode", [](MarkGrid& m) { m.g.GetParam()->m_wMouseCurrentCellFlags |= 1; }, FALSE,
         TRUE},
        {"row marks off",
         [](MarkGrid& m) {
             m.g.GetParam()->GetProperties()->m_abFlags[CGXProperties::flagMarkRowHeader] = FALSE;
         },
         FALSE, TRUE},
        {"column marks off",
         [](MarkGrid& m) {
             m.g.GetParam()->GetProperties()->m_abFlags[CGXProperties::flagMarkColHeader] = FALSE;
         },
         TRUE, FALSE},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        WORD wOldFlags = pParam->m_wMouseCurrentCellFlags;
        c.setUp(w);
        EXPECT_EQ(c.bRowHeader, w.Marked(4, 0));
        EXPECT_EQ(c.bColHeader, w.Marked(0, 3));
        EXPECT_FALSE(w.Marked(3, 0));
        EXPECT_FALSE(w.Marked(0, 4));
        pParam->m_wMouseCurrentCellFlags = wOldFlags;
        pProps->m_abFlags[CGXProperties::flagMarkRowHeader] = TRUE;
        pProps->m_abFlags[CGXProperties::flagMarkColHeader] = TRUE;
    }
    // A current cell in the headers marks nothing.
    w.g.SetCurrentCell(0, 3);
    EXPECT_FALSE(w.Marked(0, 3));
}

TEST(GridHeaderMarks, ARowOrColumnBeingResizedMarksItsHeader)
{
    MarkGrid w;
    w.g.SetCurrentCell(1, 1);
    struct
    {
        int nKind;
        ROWCOL nIndex;
        WORD wRowFlags, wColFlags;
        BOOL bRow5, bCol4;
    } cases[] = {
        {2, 4, 0xB2, 0xA2, FALSE, TRUE},  // column 4, its flags without bit 16
        {1, 5, 0xA2, 0xB2, TRUE, FALSE},  // row 5
        {2, 4, 0xA2, 0xB2, FALSE, FALSE}, // bit 16 keeps the column header unmarked
        {1, 5, 0xB2, 0xA2, FALSE, FALSE}, {0, 4, 0xA2, 0xA2, FALSE, FALSE}, // no resize
    };
    CGXGridParam* pParam = w.g.GetParam();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.nKind << " " << c.nIndex);
        // The resize component's tracking state as a drag of that row or column leaves it.
        w.g.m_resize.bTracking = c.nKind != 0;
        w.g.m_resize.nKind = c.nKind;
        w.g.m_resize.nRow = c.nKind == 1 ? c.nIndex : 8;
        w.g.m_resize.nCol = c.nKind == 2 ? c.nIndex : 0;
        pParam->SetRowSizingFlags(c.wRowFlags);
        pParam->SetColSizingFlags(c.wColFlags);
        EXPECT_EQ(c.bRow5, w.Marked(5, 0));
        EXPECT_EQ(c.bCol4, w.Marked(0, 4));
        EXPECT_FALSE(w.Marked(6, 0));
        EXPECT_FALSE(w.Marked(0, 5));
    }
    w.g.m_resize.bTracking = FALSE;
}
