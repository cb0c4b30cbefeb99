// Steps the cell controls share when editing starts from the grid: moving to a cell a search
// found, activating for a key, and showing the cell afterwards.
#pragma once
#include "grid/core/Control.h"
#include "grid/core/GridCore.h"

// Makes (nRow, nCol) the current cell the way the user moves there, the focus staying where it
// is (in a find dialog), and binds the control to it; FALSE when the grid refused the cell.
BOOL AFXAPI GXMoveToFoundCell(CGXControl* pControl, ROWCOL nRow, ROWCOL nCol);
// Editing begins from a key: the grid agrees, the control is bound to its cell and active.
BOOL AFXAPI GXActivateForKey(CGXControl* pControl);
// Scrolls the control's cell into view; a cell that needed no scrolling is redrawn.
void AFXAPI GXShowActiveCell(CGXControl* pControl, UINT flags = GX_UPDATENOW);
