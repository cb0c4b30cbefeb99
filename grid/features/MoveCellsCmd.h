// Moves a block of cells back and restores what the move overwrote.
#pragma once
#include "grid/features/Command.h"
#include "grid/core/CellRange.h"

class CGXMoveCellsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXMoveCellsCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXMoveCellsCmd(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol, CObject* pUndoInfo);
    ~CGXMoveCellsCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    CGXCellRange m_range;
    ROWCOL m_nToRow;
    ROWCOL m_nToCol;
    CObject* m_pUndoInfo;
};
