// Takes back a change of the default row height.
#pragma once
#include "grid/features/Command.h"

class CGXSetDefaultRowHeightCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXSetDefaultRowHeightCmd)

  public:
    // Construction
    CGXSetDefaultRowHeightCmd(int nHeight);

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    int m_nHeight;
};
