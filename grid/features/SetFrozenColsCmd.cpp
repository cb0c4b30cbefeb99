// Takes back a change of frozen columns.
#include "grid/features/SetFrozenColsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXSetFrozenColsCmd, CGXCommand)

CGXSetFrozenColsCmd::CGXSetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeader)
    : m_nFrozen(nFrozen), m_nHeader(nHeader)
{
}

BOOL CGXSetFrozenColsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->SetFrozenCols(m_nFrozen, m_nHeader, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXSetFrozenColsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_FREEZECOLS);
}
