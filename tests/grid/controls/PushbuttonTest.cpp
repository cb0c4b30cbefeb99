// Push-button and hot-spot cells in a shown grid, driven through the system's input queue: which
// press, move, release, cancel and key sequences reach the grid's clicked-button hook, and how
// the button looks pressed.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/Button.h"
#include "grid/controls/HotSpotButton.h"
#include "grid/controls/HotSpotEdit.h"
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
    bool bKeys; // only the push button takes keys: the hot-spot cell's keys go to its edit
};

const ClickCase s_clickCases[] = {
    {"press and release inside", {pressIn, release, endOfSteps}, 1, false},
    {"drag out and release", {pressIn, moveOut, release, endOfSteps}, 0, false},
    {"out and back in", {pressIn, moveOut, moveIn, release, endOfSteps}, 1, false},
    {"cancel mode while pressed", {pressIn, cancelMode, release, endOfSteps}, 0, false},
    {"space down and up", {spaceDown, spaceUp, endOfSteps}, 1, true},
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
        grid->SetStyleRange(CGXCellRange(2, 1),
                            CGXStyle().SetControl(GX_IDS_CTRL_HOTSPOT).SetValue(_T("abc")));
        grid->RedrawAll();
        grid->UpdateWindow();
    }
};

TEST(GridPushbutton, ClicksReachTheHookOnlyForACompletedPress)
{
    PushbuttonGrid w;
    CGXGridWnd& grid = *w.grid;
    CPoint outside = w.CellCentre(3, 3);
    // The push button fills its cell; the hot-spot button sits in the top right corner.
    ASSERT_TRUE(grid.SetCurrentCell(2, 1));
    PumpMessages(50);
    CGXHotSpotEdit* pHotSpot = (CGXHotSpotEdit*)grid.GetControl(2, 1);
    ASSERT_TRUE(pHotSpot->IsKindOf(GX_CONTROL_CLASS(CGXHotSpotEdit)));
    CRect rectCell = pHotSpot->CGXControl::GetCellRect(2, 1);
    pHotSpot->LayoutChildren(2, 1, rectCell);
    CPoint ptHotSpot = pHotSpot->m_pButton->GetRect().CenterPoint();
    EXPECT_EQ(rectCell.right - 1, pHotSpot->m_pButton->GetRect().right);
    grid.ClientToScreen(&ptHotSpot);
    struct
    {
        ROWCOL nRow, nCol;
        CPoint ptPress;
        bool bKeys;
    } cells[] = {{1, 1, w.CellCentre(1, 1), true}, {2, 1, ptHotSpot, false}};
    for (const auto& cell : cells)
        for (const ClickCase& c : s_clickCases)
        {
            if (c.bKeys && !cell.bKeys)
                continue;
            SCOPED_TRACE(testing::Message() << c.name << " in row " << cell.nRow);
            MoveMouseTo(outside);
            ASSERT_TRUE(grid.SetCurrentCell(cell.nRow, cell.nCol));
            grid.SetFocus();
            PumpMessages(::GetDoubleClickTime() + 50);
            w.grid->m_nClicks = 0;
            for (int i = 0; c.steps[i] != endOfSteps; i++)
            {
                switch (c.steps[i])
                {
                case pressIn:
                case moveIn:
                    MoveMouseTo(cell.ptPress);
                    if (c.steps[i] == pressIn)
                        SendLeftButton(true);
                    break;
                case moveOut:
                    MoveMouseTo(outside);
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
                EXPECT_EQ(cell.nRow, w.grid->m_nLastRow);
                EXPECT_EQ(cell.nCol, w.grid->m_nLastCol);
            }
        }
    // The push button's value is never touched; the hot spot's text stays.
    CGXStyle style;
    grid.GetStyleRowCol(1, 1, style);
    EXPECT_FALSE(style.GetInclude(CGXStyle::ibValue));
    EXPECT_STREQ("abc", CellValue(grid, 2, 1));
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
