// Takes back defining a range name: the old range again, or no name.
#include "grid/features/SetRangeNameCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXSetRangeNameCmd, CGXCommand)

CGXSetRangeNameCmd::CGXSetRangeNameCmd(const CString& strName, BOOL bExisted, const CGXCellRange& range)
    : m_strName(strName), m_bExisted(bExisted), m_range(range)
{
}

BOOL CGXSetRangeNameCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    if (m_bExisted)
        return pGrid->SetRangeName(m_strName, m_range, NULL, GX_UPDATENOW, ctCmd);
    return pGrid->DeleteRangeName(m_strName, 0, ctCmd);
}

LPCTSTR CGXSetRangeNameCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_SETRANGENAME);
}
