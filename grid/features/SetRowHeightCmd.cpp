// Takes back a change of row heights.
#include "grid/features/SetRowHeightCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXSetRowHeightCmd, CGXCommand)

CGXSetRowHeightCmd::CGXSetRowHeightCmd(ROWCOL nFirst, ROWCOL nLast, int* anHeights)
    : m_nFirst(nFirst), m_nLast(nLast), m_anHeights(anHeights)
{
}

CGXSetRowHeightCmd::~CGXSetRowHeightCmd()
{
    delete[] m_anHeights;
}

BOOL CGXSetRowHeightCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->SetRowHeight(m_nFirst, m_nLast, 0, m_anHeights, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXSetRowHeightCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_ROWHEIGHT);
}
