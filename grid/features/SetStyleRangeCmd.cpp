// Puts the old styles of a range of cells back.
#include "grid/features/SetStyleRangeCmd.h"
#include "grid/core/GridCore.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXSetStyleRangeCmd, CGXCommand)

CGXSetStyleRangeCmd::CGXSetStyleRangeCmd(const CGXCellRange& range, int nType, CObArray* pCellsArray)
    : m_range(range), m_nType(nType), m_pCellsArray(pCellsArray)
{
}

CGXSetStyleRangeCmd::~CGXSetStyleRangeCmd()
{
    DeleteObjectArray(m_pCellsArray);
}

BOOL CGXSetStyleRangeCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->SetStyleRange(m_range, NULL, gxCopy, m_nType, m_pCellsArray, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXSetStyleRangeCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_STYLERANGE);
}
