// Takes back a change of the default column width.
#include "grid/features/SetDefaultColWidthCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXSetDefaultColWidthCmd, CGXCommand)

CGXSetDefaultColWidthCmd::CGXSetDefaultColWidthCmd(int nWidth) : m_nWidth(nWidth)
{
}

BOOL CGXSetDefaultColWidthCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->SetDefaultColWidth(m_nWidth, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXSetDefaultColWidthCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_DEFAULTCOLWIDTH);
}
