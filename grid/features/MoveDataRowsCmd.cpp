// Puts sorted rows back into their old order.
#include "grid/features/MoveDataRowsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXMoveDataRowsCmd, CGXCommand)

CGXMoveDataRowsCmd::CGXMoveDataRowsCmd(CObject* pOrder, const CGXCellRange& range)
    : m_pOrder(pOrder), m_range(range)
{
}

CGXMoveDataRowsCmd::~CGXMoveDataRowsCmd()
{
    delete m_pOrder;
}

BOOL CGXMoveDataRowsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->ApplyRowOrder(m_range, m_pOrder, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXMoveDataRowsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_SORTROWS);
}
