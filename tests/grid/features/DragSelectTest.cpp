// Dragging selected rows and columns by their headers on a shown grid with real mouse input:
// the cursor and the drop line while dragging, the move at the release with undo, refused
// targets and automatic scrolling along the drag.
#include "FeatureTestApp.h"
#include "grid/features/DragLineWnd.h"
#include <gtest/gtest.h>
#include <string>

using namespace testing_support;

namespace
{
// The values of row 1, one letter per column.
std::string RowText(CGXGridCore& g, ROWCOL nRow = 1)
{
    std::string s;
    for (ROWCOL c = 1; c <= g.GetColCount(); c++)
        s += std::string(g.GetStoredValueText(nRow, c));
    return s;
}

// The values of column 1, one letter per row.
std::string ColText(CGXGridCore& g)
{
    std::string s;
    for (ROWCOL r = 1; r <= g.GetRowCount(); r++)
        s += std::string(g.GetStoredValueText(r, 1));
    return s;
}

void FillLetters(SelectGrid& w)
{
    for (ROWCOL c = 1; c <= 6; c++)
        w.g.SetValueRange(CGXCellRange(1, c), CString((char)('a' + c - 1)));
    for (ROWCOL r = 2; r <= 10; r++)
        w.g.SetValueRange(CGXCellRange(r, 1), CString((char)('A' + r - 1)));
    w.g.GetParam()->ClearUndoList();
}

HCURSOR LibraryCursor(UINT nID)
{
    return ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(nID));
}

// Refuses every drop of columns.
class CRefusingGrid : public CGXGridWnd
{
  public:
    BOOL CanDropSelectedCols(ROWCOL, ROWCOL, ROWCOL) override
    {
        return FALSE;
    }
};
} // namespace

TEST(GridDragSelect, ColumnsShowCursorAndLineThenMoveWithTheirValuesAndUndo)
{
    SelectGrid w;
    FillLetters(w);
    DragThrough({w.At(0, 3), w.At(0, 4)});
    ASSERT_EQ("C3-4", w.Selection());
    ASSERT_NE(LibraryCursor(20194), ::LoadCursor(NULL, IDC_ARROW));
    PumpMessages(::GetDoubleClickTime() + 50);
    MoveMouseTo(w.At(0, 3));
    SendLeftButton(true);
    MoveMouseTo(w.At(0, 5));
    MoveMouseTo(w.At(0, 6));
    EXPECT_TRUE(w.g.m_bDragSelectInProgress);
    EXPECT_EQ(20194u, w.g.GetLastCursorId());
    EXPECT_EQ(LibraryCursor(20194), ::GetCursor());
    // A line of 1 pixel in the move colour at F's left edge.
    ASSERT_NE(nullptr, w.g.m_pDragLineWnd);
    EXPECT_TRUE(w.g.m_pDragLineWnd->IsWindowVisible());
    CRect rectLine;
    w.g.m_pDragLineWnd->GetWindowRect(&rectLine);
    w.grid->ScreenToClient(&rectLine);
    EXPECT_EQ(w.g.CalcCellRect(0, 6).left, rectLine.left);
    EXPECT_EQ(1, rectLine.Width());
    Pixels shown = CaptureClient(w.grid.get());
    EXPECT_EQ(ToRGB(w.g.GetPropertiesColor(3)),
              shown.At(rectLine.left, w.g.CalcCellRect(5, 6).CenterPoint().y));
    EXPECT_EQ(0xFF0000u, ToRGB(w.g.GetPropertiesColor(3)));
    SendLeftButton(false);
    EXPECT_FALSE(w.g.m_bDragSelectInProgress);
    EXPECT_EQ(nullptr, w.g.m_pDragLineWnd);
    EXPECT_EQ("abecdf", RowText(w.g));
    EXPECT_EQ("C4-5", w.Selection());
    EXPECT_TRUE(w.ShowsFreshPaint());
    PressKey('Z', true);
    EXPECT_EQ("abcdef", RowText(w.g));
    EXPECT_TRUE(w.ShowsFreshPaint());
    PressKey('R', true);
    EXPECT_EQ("abecdf", RowText(w.g));
    EXPECT_TRUE(w.ShowsFreshPaint());
}

TEST(GridDragSelect, DropsAndRefusals)
{
    struct Case
    {
        const char* name;
        bool bRows;
        ROWCOL nFirst, nLast, nPress, nTarget;
        bool bCtrl;
        const char* expected;
        bool bTable = false; // the whole table selected instead
    };
    const Case cases[] = {
        {"rows 3..5 on row 9 become rows 6..8", true, 3, 5, 4, 9, false, "aBFGHCDEIJ"},
        {"rows 3..5 on row 6 stay", true, 3, 5, 3, 6, false, "aBCDEFGHIJ"},
        {"rows 3..5 on row 4 stay", true, 3, 5, 3, 4, false, "aBCDEFGHIJ"},
        {"rows 5..6 on row 2", true, 5, 6, 5, 2, false, "aEFBCDGHIJ"},
        {"column A past the last column", false, 1, 1, 1, 7, false, "bcdefa"},
        {"with Ctrl no drag starts", false, 2, 3, 2, 6, true, "abcdef"},
        {"an unselected column's header starts no drag", false, 2, 3, 5, 1, false, "abcdef"},
        {"no drag while the table is selected", false, 2, 3, 2, 6, false, "abcdef", true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SelectGrid w;
        FillLetters(w);
        w.g.SelectRange(c.bTable  ? CGXCellRange().SetTable()
                        : c.bRows ? CGXCellRange().SetRows(c.nFirst, c.nLast)
                                  : CGXCellRange().SetCols(c.nFirst, c.nLast),
                        TRUE, TRUE);
        CPoint ptPress = c.bRows ? w.At(c.nPress, 0) : w.At(0, c.nPress);
        CPoint ptTarget;
        if (c.nTarget > (c.bRows ? w.g.GetRowCount() : w.g.GetColCount()))
        {
            CRect rect = w.g.CalcCellRect(c.bRows ? c.nTarget - 1 : 0, c.bRows ? 0 : c.nTarget - 1);
            ptTarget = c.bRows ? CPoint(rect.CenterPoint().x, rect.bottom + 10)
                               : CPoint(rect.right + 10, rect.CenterPoint().y);
            w.grid->ClientToScreen(&ptTarget);
        }
        else
            ptTarget = c.bRows ? w.At(c.nTarget, 0) : w.At(0, c.nTarget);
        if (c.bCtrl)
        {
            // Ctrl held at the press (a pointer move lets the system forget an injected Ctrl).
            PumpMessages(::GetDoubleClickTime() + 50);
            MoveMouseTo(ptPress);
            SendKeyState(VK_CONTROL, true);
            SendLeftButton(true);
            SendKeyState(VK_CONTROL, false);
            MoveMouseTo(ptTarget);
            SendLeftButton(false);
        }
        else
            DragThrough({ptPress, ptTarget});
        EXPECT_FALSE(w.g.m_bDragSelectInProgress);
        EXPECT_EQ(c.expected, c.bRows ? ColText(w.g) : RowText(w.g));
        EXPECT_TRUE(w.ShowsFreshPaint());
    }
}

TEST(GridDragSelect, ARefusedTargetShowsTheNoDropCursorAndNoLine)
{
    GridWindowOf<CRefusingGrid> holder(420, 260);
    // The same layout as the other tests' grid.
    CGXGridCore& g = *holder.grid;
    g.OnGridInitialUpdate();
    g.SetRowCount(10, GX_NOREDRAW);
    g.SetColCount(6, GX_NOREDRAW);
    g.SetColWidth(1, 6, 60, NULL, GX_NOREDRAW);
    g.ChangeDefaultBaseStyle(CGXStyle().SetControl(GX_IDS_CTRL_STATIC), gxOverride, GX_NOREDRAW);
    g.SetValueRange(CGXCellRange(1, 3), "c");
    g.RedrawAll(GX_UPDATENOW, FALSE);
    holder.grid->SetFocus();
    g.SelectRange(CGXCellRange().SetCols(3, 4), TRUE, TRUE);
    auto at = [&](ROWCOL r, ROWCOL c) {
        CPoint pt = g.CalcCellRect(r, c).CenterPoint();
        holder.grid->ClientToScreen(&pt);
        return pt;
    };
    PumpMessages(::GetDoubleClickTime() + 50);
    MoveMouseTo(at(0, 3));
    SendLeftButton(true);
    MoveMouseTo(at(0, 6));
    EXPECT_TRUE(g.m_bDragSelectInProgress);
    EXPECT_EQ(20208u, g.GetLastCursorId());
    EXPECT_EQ(LibraryCursor(20208), ::GetCursor());
    EXPECT_TRUE(g.m_pDragLineWnd == NULL || !g.m_pDragLineWnd->IsWindowVisible());
    SendLeftButton(false);
    EXPECT_EQ("c", std::string(g.GetStoredValueText(1, 3)));
    EXPECT_TRUE(ShowsFreshPaint(holder.grid.get()));
}

TEST(GridDragSelect, AColumnDragBeyondTheEdgeScrollsOnlySideways)
{
    SelectGrid w;
    w.g.SetRowCount(40, GX_NOREDRAW);
    w.g.SetColCount(30, GX_NOREDRAW);
    w.g.SetColWidth(1, 30, 60, NULL, GX_NOREDRAW);
    w.g.SetRowHeight(1, 40, 20, NULL, GX_NOREDRAW);
    w.g.RedrawAll(GX_UPDATENOW, FALSE);
    w.g.SelectRange(CGXCellRange().SetCols(3, 4), TRUE, TRUE);
    PumpMessages(::GetDoubleClickTime() + 50);
    MoveMouseTo(w.At(0, 3));
    SendLeftButton(true);
    CRect rectWnd;
    w.grid->GetWindowRect(&rectWnd);
    // Beyond the right edge and below the bottom edge at once.
    MoveMouseTo(CPoint(rectWnd.right + 20, rectWnd.bottom + 20));
    PumpMessages(600);
    EXPECT_GT(w.g.GetLeftCol(), 1u);
    EXPECT_EQ(1u, w.g.GetTopRow());
    SendLeftButton(false);
    PumpMessages(100);
    EXPECT_FALSE(w.g.m_bAutoScroll);
    EXPECT_FALSE(w.g.m_bDragSelectInProgress);
}
