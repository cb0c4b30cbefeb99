// Moves rows back.
#include "grid/features/MoveRowsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXMoveRowsCmd, CGXCommand)

CGXMoveRowsCmd::CGXMoveRowsCmd(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest)
    : m_nFirst(nFirst), m_nLast(nLast), m_nDest(nDest)
{
}

BOOL CGXMoveRowsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->MoveRows(m_nFirst, m_nLast, m_nDest, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXMoveRowsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_MOVEROWS);
}
