// Takes back hiding or showing rows.
#include "grid/features/HideRowsCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXHideRowsCmd, CGXCommand)

CGXHideRowsCmd::CGXHideRowsCmd(ROWCOL nFirst, ROWCOL nLast, BOOL* abHidden)
    : m_nFirst(nFirst), m_nLast(nLast), m_abHidden(abHidden)
{
}

CGXHideRowsCmd::~CGXHideRowsCmd()
{
    delete[] m_abHidden;
}

BOOL CGXHideRowsCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->HideRows(m_nFirst, m_nLast, FALSE, m_abHidden, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXHideRowsCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_HIDEROWS);
}
