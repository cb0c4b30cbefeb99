// Takes back deleting a range name; keeps what the name held.
#include "grid/features/DeleteRangeNameCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXDeleteRangeNameCmd, CGXCommand)

CGXDeleteRangeNameCmd::CGXDeleteRangeNameCmd(const CString& strName, const CGXCellRange& range,
                                             CObject* pObject)
    : m_strName(strName), m_range(range), m_pObject(pObject)
{
}

CGXDeleteRangeNameCmd::~CGXDeleteRangeNameCmd()
{
    delete m_pObject;
}

BOOL CGXDeleteRangeNameCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->SetRangeName(m_strName, m_range, m_pObject, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXDeleteRangeNameCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_DELETERANGENAME);
}
