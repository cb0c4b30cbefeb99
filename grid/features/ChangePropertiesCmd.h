// Puts old properties back.
#pragma once
#include "grid/features/Command.h"

class CGXProperties;

class CGXChangePropertiesCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXChangePropertiesCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXChangePropertiesCmd(CGXProperties* pProperties);
    ~CGXChangePropertiesCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    CGXProperties* m_pProperties;
};
