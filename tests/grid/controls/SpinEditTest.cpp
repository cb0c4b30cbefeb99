// Spin, hot-spot and scroll-bar edit cells in a shown grid, driven through the system's input
// queue: the spin arrows' steps at the bounds, the value reaching the cell only when the cell
// is left, the repeat while an arrow is held, and the scroll-bar edit's window.
#include "ControlsTestApp.h"
#include "TestSupport.h"
#include "grid/controls/ArrowButton.h"
#include "grid/controls/SpinEdit.h"
#include "grid/controls/VScrollEdit.h"
#include "GridIds.h"
#include <gtest/gtest.h>
#include <vector>

using namespace testing_support;

namespace
{
class CStepTimingGrid : public CClickCountingGrid
{
  public:
    // Each step of the up arrow at the moment the arrow took it, before the step's own work: on
    // a loaded machine changing and drawing the value takes long enough to shift a later reading.
    void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override
    {
        CClickCountingGrid::OnClickedButtonRowCol(nRow, nCol);
        CGXSpinEdit* pSpin = (CGXSpinEdit*)GetRegisteredControl(GX_IDS_CTRL_SPINEDIT);
        if (pSpin != NULL && pSpin->m_pUpButton != NULL)
            m_ticks.push_back(pSpin->m_pUpButton->m_dwLastRepeatTick);
    }
    std::vector<DWORD> m_ticks;
};

struct SpinGrid : GridWindowOf<CStepTimingGrid>
{
    SpinGrid() : GridWindowOf(360, 200)
    {
        grid->OnGridInitialUpdate();
        grid->SetFocus();
        grid->SetRowCount(4, GX_NOREDRAW);
        grid->SetColCount(2, GX_NOREDRAW);
        grid->SetColWidth(1, 2, 120, NULL, GX_NOREDRAW);
        grid->SetRowHeight(1, 4, 26, NULL, GX_NOREDRAW);
        grid->RedrawAll();
    }
    CGXSpinEdit* Spin()
    {
        return (CGXSpinEdit*)grid->GetRegisteredControl(GX_IDS_CTRL_SPINEDIT);
    }
    // An arrow's centre in screen coordinates.
    CPoint ArrowCentre(ROWCOL nRow, ROWCOL nCol, bool bUp)
    {
        CGXSpinEdit* pSpin = Spin();
        pSpin->LayoutChildren(nRow, nCol, pSpin->CGXControl::GetCellRect(nRow, nCol));
        CPoint pt =
            (bUp ? (CGXChild*)pSpin->m_pUpButton : (CGXChild*)pSpin->m_pDownButton)->GetRect().CenterPoint();
        grid->ClientToScreen(&pt);
        return pt;
    }
    CString EditText()
    {
        CString str;
        Spin()->GetWindowText(str);
        return str;
    }
};

struct StepCase
{
    const char *pszMin, *pszMax, *pszWrap, *pszStart;
    const char* pszText;
    bool bUp;
    const char* pszAfter;
};

const StepCase s_stepCases[] = {
    {"1", "10", "1", "", "10", true, "1"},
    {"1", "10", "1", "", "1", false, "10"},
    {"1", "10", "0", "", "10", true, "10"},
    {"1", "10", "0", "", "1", false, "1"},
    {"", "10", "1", "", "10", true, "10"}, // wrapping up needs a minimum
    {"", "", "", "5", "", true, "5"},
    {"", "", "", "", "", true, "1"},
    {"3", "", "", "", "abc", true, "3"},
    {"", "", "", "", "7.9", true, "8"},
    {"1", "10", "", "20", "", true, "10"}, // a start value beyond the bounds is held in them
    {"", "", "", "", "2147483647", true, "2147483647"},
    {"", "", "", "", "-2147483648", false, "-2147483648"},
    {"", "", "", "", "-5", false, "-6"},
};

TEST(GridSpinEdit, ArrowsStepWithinTheBoundsAndTheCellGetsTheNumberWhenLeft)
{
    SpinGrid w;
    CGXGridWnd& grid = *w.grid;
    for (const StepCase& c : s_stepCases)
    {
        SCOPED_TRACE(testing::Message()
                     << "min " << c.pszMin << " max " << c.pszMax << " wrap " << c.pszWrap << " start "
                     << c.pszStart << " text " << c.pszText << (c.bUp ? " up" : " down"));
        CGXStyle style;
        style.SetControl(GX_IDS_CTRL_SPINEDIT)
            .SetValue(c.pszText)
            .SetUserAttributeText(GX_IDS_UA_SPINBOUND_MIN, c.pszMin)
            .SetUserAttributeText(GX_IDS_UA_SPINBOUND_MAX, c.pszMax)
            .SetUserAttributeText(GX_IDS_UA_SPINBOUND_WRAP, c.pszWrap)
            .SetUserAttributeText(GX_IDS_UA_SPINSTART, c.pszStart);
        grid.SetStyleRange(CGXCellRange(1, 1), style, gxCopy);
        ASSERT_TRUE(grid.ChangeCurrentCell(1, 1));
        grid.SetFocus();
        PumpMessages(::GetDoubleClickTime() + 30);
        MoveMouseTo(w.ArrowCentre(1, 1, c.bUp));
        SendLeftButton(true);
        PumpMessages(40);
        SendLeftButton(false);
        PumpMessages(60);
        EXPECT_STREQ(c.pszAfter, w.EditText());
        EXPECT_STREQ(c.pszText, CellValue(grid, 1, 1)); // not yet stored
        TypeKey(VK_DOWN);                               // leaves the cell
        CGXStyle stored;
        grid.GetStyleRowCol(1, 1, stored);
        EXPECT_STREQ(c.pszAfter, stored.GetValue());
    }
}

TEST(GridSpinEdit, AReadOnlyCellActivatesButKeepsItsValue)
{
    SpinGrid w;
    CGXGridWnd& grid = *w.grid;
    grid.SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetControl(GX_IDS_CTRL_SPINEDIT).SetValue(_T("4")));
    grid.SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetReadOnly(TRUE));
    ASSERT_TRUE(grid.ChangeCurrentCell(2, 1));
    PumpMessages(30);
    MoveMouseTo(w.ArrowCentre(2, 1, true));
    SendLeftButton(true);
    PumpMessages(40);
    SendLeftButton(false);
    PumpMessages(60);
    EXPECT_TRUE(w.Spin()->IsActive());
    EXPECT_STREQ("4", w.EditText());
    TypeKey(VK_DOWN);
    ROWCOL nRow = 0, nCol = 0;
    EXPECT_TRUE(grid.GetCurrentCell(nRow, nCol) && nRow == 3);
    EXPECT_STREQ("4", CellValue(grid, 2, 1));
}

TEST(GridSpinEdit, AnArrowHeldStillRepeatsOnItsSchedule)
{
    SpinGrid w;
    CStepTimingGrid& grid = *w.grid;
    grid.SetStyleRange(CGXCellRange(1, 1), CGXStyle().SetControl(GX_IDS_CTRL_SPINEDIT).SetValue(_T("0")));
    ASSERT_TRUE(grid.ChangeCurrentCell(1, 1));
    PumpMessages(30);
    MoveMouseTo(w.ArrowCentre(1, 1, true));
    PumpMessages(30);
    grid.m_ticks.clear();
    SendLeftButton(true);
    // Six steps take 1.07 s; hold until they are in, as a loaded machine delays each a little.
    PumpUntil([&] { return grid.m_ticks.size() >= 6; }, 4000);
    PumpMessages(20);
    SendLeftButton(false);
    PumpMessages(30);
    size_t nHeld = grid.m_ticks.size();
    PumpMessages(400);
    EXPECT_EQ(nHeld, grid.m_ticks.size()); // none after the release
    const DWORD expected[] = {500, 150, 145, 140, 135};
    ASSERT_GE(nHeld, 6u);
    for (size_t i = 0; i < 5; i++)
    {
        DWORD dwGap = grid.m_ticks[i + 1] - grid.m_ticks[i];
        // Never early (but for the tick counter's resolution); late by what a loaded machine
        // delays a timer message, still far from the first step's half second.
        EXPECT_GE(dwGap + 16, expected[i]) << i;
        EXPECT_LE(dwGap, expected[i] + 90) << i;
    }
    EXPECT_STREQ(CString(std::to_string(nHeld).c_str()), w.EditText());
}

TEST(GridVScrollEdit, TheEditWindowAlwaysHasAVerticalScrollBar)
{
    SpinGrid w;
    CGXGridWnd& grid = *w.grid;
    grid.SetStyleRange(CGXCellRange(1, 2),
                       CGXStyle().SetControl(GX_IDS_CTRL_SCROLLEDIT).SetValue(_T("Zeile")).SetWrapText(TRUE));
    ASSERT_TRUE(grid.ChangeCurrentCell(1, 2));
    PumpMessages(30);
    TypeKey('X');
    CGXVScrollEdit* pEdit = (CGXVScrollEdit*)grid.GetControl(1, 2);
    ASSERT_TRUE(pEdit->IsKindOf(GX_CONTROL_CLASS(CGXVScrollEdit)));
    ASSERT_TRUE(pEdit->IsActive());
    EXPECT_TRUE(pEdit->GetStyle() & WS_VSCROLL);
    // A plain edit cell with the same text has none.
    grid.SetStyleRange(CGXCellRange(2, 2), CGXStyle().SetValue(_T("Zeile")).SetWrapText(TRUE));
    ASSERT_TRUE(grid.ChangeCurrentCell(2, 2));
    PumpMessages(30);
    TypeKey('X');
    CWnd* pPlain = grid.GetControl(2, 2)->GetWndPtr();
    ASSERT_TRUE(pPlain != NULL);
    EXPECT_FALSE(pPlain->GetStyle() & WS_VSCROLL);
}
} // namespace
