// Moves a block of cells back and restores what the move overwrote.
#include "grid/features/MoveCellsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXMoveCellsCmd, CGXCommand)

CGXMoveCellsCmd::CGXMoveCellsCmd(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol, CObject* pUndoInfo)
    : m_range(range), m_nToRow(nToRow), m_nToCol(nToCol), m_pUndoInfo(pUndoInfo)
{
}

CGXMoveCellsCmd::~CGXMoveCellsCmd()
{
    delete m_pUndoInfo;
}

BOOL CGXMoveCellsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    // The cells stand at the destination now; the undo information goes with the call and is
    // the grid's once the move succeeded (a refused move leaves it here for another try).
    CGXCellRange range(m_nToRow, m_nToCol, m_nToRow + (m_range.bottom - m_range.top),
                       m_nToCol + (m_range.right - m_range.left));
    BOOL bOk = pGrid->MoveCells(range, m_range.top, m_range.left, m_pUndoInfo, GX_UPDATENOW, ctCmd);
    if (bOk)
        m_pUndoInfo = NULL;
    return bOk;
}

LPCTSTR CGXMoveCellsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_MOVE);
}
