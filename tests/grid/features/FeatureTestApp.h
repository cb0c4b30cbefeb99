// The application object of the grid feature tests, a grid window on the screen and real input
// for it.
#pragma once
#include "grid/core/GridWnd.h"
#include "tests/grid/GridPixels.h"
#include "tests/grid/GridTestWindow.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"
#include "TestSupport.h"
#include "GridIds.h"
#include <memory>
#include <string>

// A visible top-level window holding one initialised grid window of the given client size.
struct GridWindow : GridWindowOf<CGXGridWnd>
{
    GridWindow(int cx, int cy) : GridWindowOf(cx, cy)
    {
        grid->OnGridInitialUpdate();
    }
    // The screen point at the centre of a cell.
    CPoint CellCenter(ROWCOL nRow, ROWCOL nCol)
    {
        CPoint pt = grid->CalcCellRect(nRow, nCol).CenterPoint();
        grid->ClientToScreen(&pt);
        return pt;
    }
    // TRUE when the screen shows what a fresh paint of the grid's state draws.
    bool ShowsFreshPaint()
    {
        grid->UpdateWindow();
        Pixels shown = CaptureClient(grid.get()), fresh = RenderGrid(grid.get(), grid.get());
        return shown.px == fresh.px;
    }
};

// A shown grid of 10 rows and 6 columns, 60 by 20 pixels each, with static cells (a click
// activates no edit control with its blinking caret), empty undo list and the focus.
struct SelectGrid : GridWindow
{
    CGXGridCore& g;
    SelectGrid() : GridWindow(420, 260), g(*grid)
    {
        g.SetRowCount(10, GX_NOREDRAW);
        g.SetColCount(6, GX_NOREDRAW);
        g.SetColWidth(0, 0, 40, NULL, GX_NOREDRAW);
        g.SetColWidth(1, 6, 60, NULL, GX_NOREDRAW);
        g.SetRowHeight(0, 10, 20, NULL, GX_NOREDRAW);
        // Static cells: a click activates no edit control with its blinking caret.
        g.ChangeDefaultBaseStyle(CGXStyle().SetControl(GX_IDS_CTRL_STATIC), gxOverride, GX_NOREDRAW);
        g.GetParam()->ClearUndoList();
        g.RedrawAll(GX_INVALIDATE, FALSE);
        grid->UpdateWindow();
        grid->SetFocus();
        testing_support::PumpMessages(50);
    }
    CPoint At(ROWCOL nRow, ROWCOL nCol)
    {
        return CellCenter(nRow, nCol);
    }
    // The selection list: "t,l-b,r" for cells, "Rt-b" rows, "Cl-r" columns, "T" the table.
    std::string Selection()
    {
        std::string s;
        CGXRangeList& list = g.GetParam()->m_SelectedRanges;
        for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        {
            const CGXCellRange& r = *list.GetNext(pos);
            if (!s.empty())
                s += ";";
            if (!r.IsValid())
                s += "-";
            else if (r.IsTable())
                s += "T";
            else if (r.IsRows())
                s += "R" + std::to_string(r.top) + "-" + std::to_string(r.bottom);
            else if (r.IsCols())
                s += "C" + std::to_string(r.left) + "-" + std::to_string(r.right);
            else
                s += std::to_string(r.top) + "," + std::to_string(r.left) + "-" + std::to_string(r.bottom) +
                     "," + std::to_string(r.right);
        }
        return s;
    }
};

// Whether the window shows what a fresh paint of it shows.
bool ShowsFreshPaint(CWnd* pWnd);
// Holds (bDown) or lets go a key through the system's input queue.
void SendKeyState(WORD vk, bool bDown);
// Presses and releases a key with Ctrl and Shift held as asked, then lets the windows see it.
void PressKey(WORD vk, bool bCtrl = false, bool bShift = false);
// A left click at a screen point with Ctrl and Shift held as asked.
void ClickAt(CPoint pt, bool bCtrl = false, bool bShift = false);
// A left-button drag through the given screen points.
void DragThrough(std::initializer_list<CPoint> points);
