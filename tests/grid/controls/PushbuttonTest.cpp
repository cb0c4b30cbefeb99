// Push-button cells in a shown grid, driven through the system's input queue: which press,
// move, release, cancel and key sequences reach the grid's clicked-button hook, and how the
// button looks pressed.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/Button.h"
#include "grid/controls/Pushbutton.h"
#include "GridIds.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
enum Action
{
    pressIn,
    moveOut,
    moveIn,
    release,
    cancelMode,
    spaceDown,
    spaceUp,
    endOfSteps
};

struct ClickCase
{
    const char* name;
    Action steps[6];
    int nClicks;
};

const ClickCase s_clickCases[] = {
    {"press and release inside", {pressIn, release, endOfSteps}, 1},
    {"drag out and release", {pressIn, moveOut, release, endOfSteps}, 0},
    {"out and back in", {pressIn, moveOut, moveIn, release, endOfSteps}, 1},
    {"cancel mode while pressed", {pressIn, cancelMode, release, endOfSteps}, 0},
    {"space down and up", {spaceDown, spaceUp, endOfSteps}, 1},
};

struct PushbuttonGrid : GridWindow
{
    PushbuttonGrid() : GridWindow(320, 200)
    {
        grid->SetRowCount(4, GX_NOREDRAW);
        grid->SetColCount(3, GX_NOREDRAW);
        grid->SetColWidth(1, 2, 90, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 3, 28, NULL, GX_NOREDRAW);
        for (ROWCOL nCol = 1; nCol <= 2; nCol++)
            grid->SetStyleRange(CGXCellRange(1, nCol),
                                CGXStyle().SetControl(GX_IDS_CTRL_PUSHBTN).SetChoiceList(_T("Los")));
        grid->RedrawAll();
        grid->UpdateWindow();
    }
};

TEST(GridPushbutton, ClicksReachTheHookOnlyForACompletedPress)
{
    PushbuttonGrid w;
    CGXGridWnd& grid = *w.grid;
    CPoint outside = w.CellCentre(3, 3);
    for (const ClickCase& c : s_clickCases)
    {
        SCOPED_TRACE(c.name);
        MoveMouseTo(outside);
        ASSERT_TRUE(grid.SetCurrentCell(1, 1));
        grid.SetFocus();
        PumpMessages(50);
        w.grid->m_nClicks = 0;
        for (int i = 0; c.steps[i] != endOfSteps; i++)
        {
            switch (c.steps[i])
            {
            case pressIn:
                MoveMouseTo(w.CellCentre(1, 1));
                SendLeftButton(true);
                break;
            case moveOut:
                MoveMouseTo(outside);
                break;
            case moveIn:
                MoveMouseTo(w.CellCentre(1, 1));
                break;
            case release:
                SendLeftButton(false);
                break;
            case cancelMode:
                grid.SendMessage(WM_CANCELMODE);
                break;
            case spaceDown:
                SendKey(VK_SPACE, false);
                break;
            case spaceUp:
                SendKey(VK_SPACE, true);
                break;
            case endOfSteps:
                break;
            }
            PumpMessages(60);
        }
        EXPECT_EQ(c.nClicks, w.grid->m_nClicks);
        if (c.nClicks > 0)
        {
            EXPECT_EQ(1u, w.grid->m_nLastRow);
            EXPECT_EQ(1u, w.grid->m_nLastCol);
        }
        // The value is never touched.
        CGXStyle style;
        grid.GetStyleRowCol(1, 1, style);
        EXPECT_FALSE(style.GetInclude(CGXStyle::ibValue));
    }
}

// The outer edge's top-left colour: shadow for a sunken button, light for a raised one.
COLORREF EdgePixel(CGXGridWnd& grid, ROWCOL nRow, ROWCOL nCol)
{
    CGXControl* pControl = grid.GetControl(nRow, nCol);
    CRect rect = pControl->GetCellRect(nRow, nCol);
    CClientDC dc(&grid);
    return dc.GetPixel(rect.left, rect.top + rect.Height() / 2);
}

TEST(GridPushbutton, OnlyTheCurrentCellsButtonSinksWhilePressed)
{
    PushbuttonGrid w;
    CGXGridWnd& grid = *w.grid;
    ASSERT_TRUE(grid.SetCurrentCell(1, 1));
    grid.SetFocus();
    PumpMessages(50);
    COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_NE(crShadow, EdgePixel(grid, 1, 1));
    EXPECT_NE(crShadow, EdgePixel(grid, 1, 2));

    MoveMouseTo(w.CellCentre(1, 1));
    SendLeftButton(true);
    PumpMessages(80);
    grid.UpdateWindow();
    EXPECT_EQ(crShadow, EdgePixel(grid, 1, 1));
    EXPECT_NE(crShadow, EdgePixel(grid, 1, 2));
    SendLeftButton(false);
    PumpMessages(80);
    grid.UpdateWindow();
    EXPECT_NE(crShadow, EdgePixel(grid, 1, 1));
}
} // namespace
