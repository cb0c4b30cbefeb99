// Takes back inserting columns by removing them.
#include "grid/features/RemoveColsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXRemoveColsCmd, CGXCommand)

CGXRemoveColsCmd::CGXRemoveColsCmd(ROWCOL nFirst, ROWCOL nLast) : m_nFirst(nFirst), m_nLast(nLast)
{
}

BOOL CGXRemoveColsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->RemoveCols(m_nFirst, m_nLast, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXRemoveColsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_INSERTCOLS);
}
