// Takes back a change of the default row height.
#include "grid/features/SetDefaultRowHeightCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXSetDefaultRowHeightCmd, CGXCommand)

CGXSetDefaultRowHeightCmd::CGXSetDefaultRowHeightCmd(int nHeight) : m_nHeight(nHeight)
{
}

BOOL CGXSetDefaultRowHeightCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->SetDefaultRowHeight(m_nHeight, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXSetDefaultRowHeightCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_DEFAULTROWHEIGHT);
}
