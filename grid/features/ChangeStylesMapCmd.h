// Puts an old styles map back.
#pragma once
#include "grid/features/Command.h"

class CGXStylesMap;

class CGXChangeStylesMapCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXChangeStylesMapCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXChangeStylesMapCmd(CGXStylesMap* pStylesMap);
    ~CGXChangeStylesMapCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    CGXStylesMap* m_pStylesMap;
};
