// Takes back a change of column widths.
#include "grid/features/SetColWidthCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXSetColWidthCmd, CGXCommand)

CGXSetColWidthCmd::CGXSetColWidthCmd(ROWCOL nFirst, ROWCOL nLast, int* anWidths)
    : m_nFirst(nFirst), m_nLast(nLast), m_anWidths(anWidths)
{
}

CGXSetColWidthCmd::~CGXSetColWidthCmd()
{
    delete[] m_anWidths;
}

BOOL CGXSetColWidthCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->SetColWidth(m_nFirst, m_nLast, 0, m_anWidths, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXSetColWidthCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_COLWIDTH);
}
