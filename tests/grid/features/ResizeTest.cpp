// Resizing columns and rows by dragging their edges on a shown grid with real mouse input: the
// new sizes with undo, the double click, live resizing, the drag line window in band mode, cancel
// mode, and the limits the sizing flags and the minimum set.
#include "FeatureTestApp.h"
#include "grid/features/DragLineWnd.h"
#include <gtest/gtest.h>
#include <string>

using namespace testing_support;

namespace
{
// The screen point on the right edge of a column's header (on the bottom edge of a row's header).
CPoint EdgeOf(SelectGrid& w, bool bCol, ROWCOL n)
{
    CRect rect = w.g.CalcCellRect(bCol ? 0 : n, bCol ? n : 0);
    CPoint pt = bCol ? CPoint(rect.right, rect.CenterPoint().y) : CPoint(rect.CenterPoint().x, rect.bottom);
    w.grid->ClientToScreen(&pt);
    return pt;
}

// A double click at a screen point, after the time that keeps it apart from earlier clicks.
void DoubleClickAt(CPoint pt)
{
    PumpMessages(::GetDoubleClickTime() + 50);
    MoveMouseTo(pt);
    for (int i = 0; i < 2; i++)
    {
        SendLeftButton(true);
        SendLeftButton(false);
    }
    PumpMessages(50);
}

// Presses on an edge and moves the mouse by the offset, holding the button.
void PressAndMove(CPoint pt, CSize offset)
{
    PumpMessages(::GetDoubleClickTime() + 50);
    MoveMouseTo(pt);
    SendLeftButton(true);
    MoveMouseTo(pt + CSize(offset.cx / 2, offset.cy / 2));
    MoveMouseTo(pt + offset);
}
} // namespace

TEST(GridResize, DraggingAHeaderEdgeResizesWithUndoAndADoubleClickGivesTheDefaultBack)
{
    SelectGrid w;
    int nOld = w.g.GetColWidth(3);
    PressAndMove(EdgeOf(w, true, 3), CSize(30, 0));
    EXPECT_TRUE(w.g.m_resize.bTracking);
    EXPECT_EQ(nOld, w.g.GetColWidth(3)); // default flags: no live resizing
    SendLeftButton(false);
    EXPECT_FALSE(w.g.m_resize.bTracking);
    EXPECT_EQ(nOld + 30, w.g.GetColWidth(3));
    EXPECT_TRUE(w.ShowsFreshPaint());
    PressKey('Z', true);
    EXPECT_EQ(nOld, w.g.GetColWidth(3));
    EXPECT_TRUE(w.ShowsFreshPaint());
    PressKey('R', true);
    EXPECT_EQ(nOld + 30, w.g.GetColWidth(3));
    // Rows likewise.
    int nOldRow = w.g.GetRowHeight(4);
    PressAndMove(EdgeOf(w, false, 4), CSize(0, 12));
    SendLeftButton(false);
    EXPECT_EQ(nOldRow + 12, w.g.GetRowHeight(4));
    EXPECT_TRUE(w.ShowsFreshPaint());
    // The double click on the edge: the column's default width.
    DoubleClickAt(EdgeOf(w, true, 3));
    EXPECT_EQ(w.g.GetDefaultColWidth(), w.g.GetColWidth(3));
    EXPECT_TRUE(w.ShowsFreshPaint());
}

TEST(GridResize, FeedbackAndLimitsByTheSizingFlags)
{
    struct Case
    {
        const char* name;
        WORD wFlags;
        int nMin, dx;
        int nExpected; // the width after the release, relative to 60
    };
    const Case cases[] = {
        {"a drag of 1 pixel changes nothing", 0xB2, 0, 1, 60},
        {"the minimum is kept", 0xB2, 50, -40, 50},
        {"live resizing", 0x1B2, 0, 20, 80},
        {"the drag line window in band mode", 0x92, 0, 20, 80},
        {"without an inverted line", 0xF2, 0, -20, 40},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SelectGrid w;
        w.g.GetParam()->m_wColSizingFlags = c.wFlags;
        w.g.GetParam()->m_nMinTrackColWidth = c.nMin;
        CRect rectCol = w.g.CalcCellRect(0, 3);
        PressAndMove(EdgeOf(w, true, 3), CSize(c.dx, 0));
        ASSERT_TRUE(w.g.m_resize.bTracking);
        if (c.wFlags & 0x100)
        {
            // The column follows the mouse while the button is held.
            EXPECT_EQ(c.nExpected, w.g.GetColWidth(3));
            EXPECT_TRUE(w.ShowsFreshPaint());
        }
        CGXDragLineWnd* pLine = w.g.m_resize.pLineWnd;
        EXPECT_EQ(!(c.wFlags & 0x20) && !(c.wFlags & 0x100), pLine != NULL);
        if (pLine != NULL)
        {
            // It marks the edge where the resize began.
            EXPECT_TRUE(pLine->IsWindowVisible());
            CRect rectLine;
            pLine->GetWindowRect(&rectLine);
            w.grid->ScreenToClient(&rectLine);
            EXPECT_EQ(rectCol.right, rectLine.left);
            EXPECT_EQ(1, rectLine.Width());
        }
        SendLeftButton(false);
        EXPECT_EQ(c.nExpected, w.g.GetColWidth(3));
        EXPECT_EQ(nullptr, w.g.m_resize.pLineWnd);
        EXPECT_TRUE(w.ShowsFreshPaint());
    }
}

TEST(GridResize, CancelModeRestoresAndSelectedBlocksResizeTogether)
{
    for (WORD wFlags : {(WORD)0xB2, (WORD)0x1B2})
    {
        SCOPED_TRACE(wFlags);
        SelectGrid w;
        w.g.GetParam()->m_wColSizingFlags = wFlags;
        PressAndMove(EdgeOf(w, true, 3), CSize(30, 0));
        ASSERT_TRUE(w.g.m_resize.bTracking);
        w.grid->SendMessage(WM_CANCELMODE);
        EXPECT_FALSE(w.g.m_resize.bTracking);
        SendLeftButton(false);
        EXPECT_EQ(60, w.g.GetColWidth(3));
        EXPECT_TRUE(w.ShowsFreshPaint());
    }
    // Columns C..D and F selected: dragging C's edge gives all three the new width.
    SelectGrid w;
    w.g.SelectRange(CGXCellRange().SetCols(3, 4), TRUE, TRUE);
    w.g.SelectRange(CGXCellRange().SetCols(6, 6), TRUE, TRUE);
    PressAndMove(EdgeOf(w, true, 3), CSize(-20, 0));
    SendLeftButton(false);
    for (ROWCOL c = 1; c <= 6; c++)
        EXPECT_EQ(c == 3 || c == 4 || c == 6 ? 40 : 60, w.g.GetColWidth(c)) << "column " << c;
    EXPECT_TRUE(w.ShowsFreshPaint());
    // With sizing bit 1 the drag changes the default width.
    int nDefault = w.g.GetDefaultColWidth();
    w.g.GetParam()->m_wColSizingFlags = 0xB3;
    PressAndMove(EdgeOf(w, true, 2), CSize(10, 0));
    SendLeftButton(false);
    EXPECT_EQ(70, w.g.GetDefaultColWidth());
    EXPECT_NE(nDefault, w.g.GetDefaultColWidth());
    EXPECT_EQ(60, w.g.GetColWidth(2));
}

TEST(GridResize, TheHeaderOfTheRowOrColumnBeingDraggedIsMarkedWhileTheButtonIsHeld)
{
    // Sizing flags without header preview, drag line window and inverted line, so that the window
    // shows the grid's own paint while the button is held.
    struct Case
    {
        const char* name;
        bool bCol;
        WORD wFlags;
        BOOL bMarked;
    } cases[] = {
        {"column", true, 0x62, TRUE},
        {"row", false, 0x62, TRUE},
        {"column, flag 0x10 leaves it unmarked", true, 0x72, FALSE},
        {"row, flag 0x10 leaves it unmarked", false, 0x72, FALSE},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SelectGrid w;
        (c.bCol ? w.g.GetParam()->m_wColSizingFlags : w.g.GetParam()->m_wRowSizingFlags) = c.wFlags;
        ROWCOL nRow = c.bCol ? 0 : 4, nCol = c.bCol ? 3 : 0;
        CGXStyle style;
        w.g.ComposeStyleRowCol(nRow, nCol, &style);
        CRect rectHeader = w.g.CalcCellRect(nRow, nCol);
        Pixels before = CaptureClient(w.grid.get());
        int nOld = c.bCol ? w.g.GetColWidth(3) : w.g.GetRowHeight(4);
        for (bool bCancel : {true, false})
        {
            PressAndMove(EdgeOf(w, c.bCol, c.bCol ? 3 : 4), c.bCol ? CSize(20, 0) : CSize(0, 20));
            ASSERT_TRUE(w.g.m_resize.bTracking);
            int nKind = 0;
            ROWCOL nIndex = 0;
            EXPECT_TRUE(w.g.GetMarkedHeaderState(nKind, nIndex));
            EXPECT_EQ(c.bCol ? 2 : 1, nKind);
            EXPECT_EQ(c.bCol ? 3u : 4u, nIndex);
            EXPECT_EQ(c.bMarked, w.g.IsMarkedHeader(nRow, nCol, style));
            EXPECT_FALSE(w.g.IsMarkedHeader(c.bCol ? 0 : 5, c.bCol ? 4 : 0, style));
            // The header cell was repainted marked at the press, and differs from before only then.
            EXPECT_TRUE(w.ShowsFreshPaint());
            Pixels now = CaptureClient(w.grid.get());
            bool bHeaderChanged = false;
            for (int y = rectHeader.top; y < rectHeader.bottom; y++)
                for (int x = rectHeader.left; x < rectHeader.right; x++)
                    bHeaderChanged |= now.At(x, y) != before.At(x, y);
            EXPECT_EQ(c.bMarked == TRUE, bHeaderChanged);
            if (bCancel)
                w.grid->SendMessage(WM_CANCELMODE);
            SendLeftButton(false);
            EXPECT_FALSE(w.g.m_resize.bTracking);
            EXPECT_FALSE(w.g.GetMarkedHeaderState(nKind, nIndex));
            EXPECT_FALSE(w.g.IsMarkedHeader(nRow, nCol, style));
            EXPECT_EQ(bCancel ? nOld : nOld + 20, c.bCol ? w.g.GetColWidth(3) : w.g.GetRowHeight(4));
            EXPECT_TRUE(w.ShowsFreshPaint());
        }
    }
}

// Dragging a row's or a column's edge to less than a pixel hides it; a double click on the edge
// shows it again with its old size, and a drag from its edge gives it the dragged size.
TEST(GridResize, DraggingNarrowerThanAPixelHidesAndTheEdgeShowsItAgain)
{
    for (bool bCol : {false, true})
    {
        SCOPED_TRACE(bCol ? "column 4" : "row 4");
        SelectGrid w;
        auto size = [&](ROWCOL n) { return bCol ? w.g.GetColWidth(n) : w.g.GetRowHeight(n); };
        auto hidden = [&](ROWCOL n) { return bCol ? w.g.IsColHidden(n) : w.g.IsRowHidden(n); };
        int nOld = size(4);
        PressAndMove(EdgeOf(w, bCol, 4), bCol ? CSize(-nOld - 5, 0) : CSize(0, -nOld - 5));
        SendLeftButton(false);
        EXPECT_TRUE(hidden(4));
        EXPECT_EQ(0, size(4));
        EXPECT_TRUE(w.ShowsFreshPaint());

        // The edge of the hidden one lies on its neighbour's: a double click shows it again.
        DoubleClickAt(EdgeOf(w, bCol, 3));
        EXPECT_FALSE(hidden(4));
        EXPECT_EQ(nOld, size(4));
        EXPECT_TRUE(w.ShowsFreshPaint());

        // Hidden again by Ctrl+Z of the showing, then dragged open from its edge.
        PressKey('Z', true);
        ASSERT_TRUE(hidden(4));
        EXPECT_TRUE(w.ShowsFreshPaint());
        // A press a little way past the edge takes the hidden one, not its neighbour.
        PressAndMove(EdgeOf(w, bCol, 3) + (bCol ? CSize(3, 0) : CSize(0, 3)),
                     bCol ? CSize(25, 0) : CSize(0, 15));
        SendLeftButton(false);
        EXPECT_FALSE(hidden(4));
        EXPECT_GT(size(4), 0);
        EXPECT_EQ(nOld, size(3));
        EXPECT_TRUE(w.ShowsFreshPaint());
    }
}
