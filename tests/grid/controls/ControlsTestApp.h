// The application object of the cell-control tests and a shown grid that counts the clicks its
// cells' buttons report.
#pragma once
#include "grid/core/GridWnd.h"
#include <memory>

// Starts the library once with the default factory.
void EnsureGridLibrary();

class CClickCountingGrid : public CGXGridWnd
{
  public:
    void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override
    {
        m_nClicks++;
        m_nLastRow = nRow;
        m_nLastCol = nCol;
    }
    int m_nClicks = 0;
    ROWCOL m_nLastRow = 0, m_nLastCol = 0;
};

// A visible top-level window holding one grid window of the given client size.
struct GridWindow
{
    GridWindow(int cx, int cy);
    ~GridWindow();
    // The centre of a cell in screen coordinates.
    CPoint CellCentre(ROWCOL nRow, ROWCOL nCol);
    CWnd parent;
    std::unique_ptr<CClickCountingGrid> grid;
};

// Sends one key down or up through the system's input queue.
void SendKey(WORD vk, bool bUp);
