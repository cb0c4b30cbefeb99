// Takes back a change of frozen rows.
#include "grid/features/SetFrozenRowsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXSetFrozenRowsCmd, CGXCommand)

CGXSetFrozenRowsCmd::CGXSetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeader)
    : m_nFrozen(nFrozen), m_nHeader(nHeader)
{
}

BOOL CGXSetFrozenRowsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->SetFrozenRows(m_nFrozen, m_nHeader, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXSetFrozenRowsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_FREEZEROWS);
}
