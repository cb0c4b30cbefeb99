// Takes back a change of column widths.
#pragma once
#include "grid/features/Command.h"

class CGXSetColWidthCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXSetColWidthCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXSetColWidthCmd(ROWCOL nFirst, ROWCOL nLast, int* anWidths);
    ~CGXSetColWidthCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    ROWCOL m_nFirst;
    ROWCOL m_nLast;
    int* m_anWidths;
};
