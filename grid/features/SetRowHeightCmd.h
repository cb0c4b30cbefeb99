// Takes back a change of row heights.
#pragma once
#include "grid/features/Command.h"

class CGXSetRowHeightCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXSetRowHeightCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXSetRowHeightCmd(ROWCOL nFirst, ROWCOL nLast, int* anHeights);
    ~CGXSetRowHeightCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    ROWCOL m_nFirst;
    ROWCOL m_nLast;
    int* m_anHeights;
};
