// Puts sorted columns back into their old order.
#include "grid/features/MoveDataColsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXMoveDataColsCmd, CGXCommand)

CGXMoveDataColsCmd::CGXMoveDataColsCmd(CObject* pOrder, const CGXCellRange& range)
    : m_pOrder(pOrder), m_range(range)
{
}

CGXMoveDataColsCmd::~CGXMoveDataColsCmd()
{
    delete m_pOrder;
}

BOOL CGXMoveDataColsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->ApplyColOrder(m_range, m_pOrder, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXMoveDataColsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_SORTCOLS);
}
