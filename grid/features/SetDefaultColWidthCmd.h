// Takes back a change of the default column width.
#pragma once
#include "grid/features/Command.h"

class CGXSetDefaultColWidthCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXSetDefaultColWidthCmd)

  public:
    // Construction
    CGXSetDefaultColWidthCmd(int nWidth);

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    int m_nWidth;
};
