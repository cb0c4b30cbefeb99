// Moves columns back.
#include "grid/features/MoveColsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXMoveColsCmd, CGXCommand)

CGXMoveColsCmd::CGXMoveColsCmd(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
    : m_nFirst(nFirst), m_nLast(nLast), m_nDest(nDest)
{
}

BOOL CGXMoveColsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->MoveCols(m_nFirst, m_nLast, m_nDest, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXMoveColsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_MOVECOLS);
}
