// Puts an old base style back; named after the base style.
#include "grid/features/ChangeBaseStyleCmd.h"
#include "grid/core/GridCore.h"
#include "grid/core/Style.h"

IMPLEMENT_DYNAMIC(CGXChangeBaseStyleCmd, CGXCommand)

CGXChangeBaseStyleCmd::CGXChangeBaseStyleCmd(CGXStyle* pStyle, LPCTSTR pszName, WORD nBaseStyle)
    : m_pStyle(pStyle), m_strName(pszName), m_nBaseStyle(nBaseStyle)
{
}

CGXChangeBaseStyleCmd::~CGXChangeBaseStyleCmd()
{
    delete m_pStyle;
}

BOOL CGXChangeBaseStyleCmd::Execute(CGXGridCore* pGrid, int ctCmd)
{
    return pGrid->ChangeBaseStyle(m_nBaseStyle, *m_pStyle, gxCopy, GX_UPDATENOW, ctCmd);
}

LPCTSTR CGXChangeBaseStyleCmd::GetName()
{
    return m_strName;
}
