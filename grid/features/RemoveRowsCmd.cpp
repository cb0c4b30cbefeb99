// Takes back inserting rows by removing them.
#include "grid/features/RemoveRowsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXRemoveRowsCmd, CGXCommand)

CGXRemoveRowsCmd::CGXRemoveRowsCmd(ROWCOL nFirst, ROWCOL nLast) : m_nFirst(nFirst), m_nLast(nLast)
{
}

BOOL CGXRemoveRowsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->RemoveRows(m_nFirst, m_nLast, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXRemoveRowsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_INSERTROWS);
}
