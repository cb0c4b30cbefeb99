// Puts old properties back.
#include "grid/features/ChangePropertiesCmd.h"
#include "grid/core/GridCore.h"
#include "grid/core/Properties.h"
#include "GridIds.h"

IMPLEMENT_DYNAMIC(CGXChangePropertiesCmd, CGXCommand)

CGXChangePropertiesCmd::CGXChangePropertiesCmd(CGXProperties* pProperties) : m_pProperties(pProperties)
{
}

CGXChangePropertiesCmd::~CGXChangePropertiesCmd()
{
    delete m_pProperties;
}

BOOL CGXChangePropertiesCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->SetProperties(*m_pProperties, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXChangePropertiesCmd::GetName()
{
    static CString s_strName;
    return LoadName(s_strName, GX_IDS_CMD_PROPERTIES);
}
