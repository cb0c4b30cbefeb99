// Puts an old base style back; named after the base style.
#pragma once
#include "grid/features/Command.h"

class CGXStyle;

class CGXChangeBaseStyleCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXChangeBaseStyleCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXChangeBaseStyleCmd(CGXStyle* pStyle, LPCTSTR pszName, WORD nBaseStyle);
    ~CGXChangeBaseStyleCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    CGXStyle* m_pStyle;
    CString m_strName;
    WORD m_nBaseStyle;
};
