// Puts an old styles map back.
#include "grid/features/ChangeStylesMapCmd.h"
#include "grid/core/GridCore.h"
#include "grid/core/StylesMap.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXChangeStylesMapCmd, CGXCommand)

CGXChangeStylesMapCmd::CGXChangeStylesMapCmd(CGXStylesMap* pStylesMap) : m_pStylesMap(pStylesMap)
{
}

CGXChangeStylesMapCmd::~CGXChangeStylesMapCmd()
{
    delete m_pStylesMap;
}

BOOL CGXChangeStylesMapCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->SetStylesMap(*m_pStylesMap, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXChangeStylesMapCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_STYLESMAP);
}
