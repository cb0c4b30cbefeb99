// Where a document frame or bar goes when it docks: the size record handed with a dock-bar
// position (share of the row and thickness), and the default records for each edge.
#pragma once
#include "uilib/frames/docking/DockBar.h"

// The bar's share of its row and its thickness across the dock bar.
struct SECDockSizeRecord
{
    float fPctWidth;
    int nLength;
    int nReserved;
};

namespace SECDockPlacement
{
// {1.0, 150}: the whole row, 150 pixels thick.
SECDockSizeRecord DefaultSize();
// Top and left: a new row next to the client area; right and bottom: a new outer row.
SECDockBarPosition DefaultPosition(UINT nDockBarID);
// The CBRS_ alignment of a standard dock bar id, 0 for other ids.
DWORD AlignmentOf(UINT nDockBarID);
BOOL IsStandardDockBarID(UINT nID);
} // namespace SECDockPlacement
