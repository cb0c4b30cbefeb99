// Takes back covering cells.
#include "grid/features/SetCoveredCellsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXSetCoveredCellsCmd, CGXCommand)

CGXSetCoveredCellsCmd::CGXSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
    : m_nTop(nTop), m_nLeft(nLeft), m_nBottom(nBottom), m_nRight(nRight)
{
}

BOOL CGXSetCoveredCellsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->SetCoveredCellsRowCol(m_nTop, m_nLeft, m_nBottom, m_nRight, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXSetCoveredCellsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_COVEREDCELLS);
}
