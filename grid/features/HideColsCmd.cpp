// Takes back hiding or showing columns.
#include "grid/features/HideColsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXHideColsCmd, CGXCommand)

CGXHideColsCmd::CGXHideColsCmd(ROWCOL nFirst, ROWCOL nLast, BOOL* abHidden)
    : m_nFirst(nFirst), m_nLast(nLast), m_abHidden(abHidden)
{
}

CGXHideColsCmd::~CGXHideColsCmd()
{
    delete[] m_abHidden;
}

BOOL CGXHideColsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->HideCols(m_nFirst, m_nLast, FALSE, m_abHidden, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXHideColsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_HIDECOLS);
}
