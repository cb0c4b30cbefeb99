// Takes back covering cells.
#pragma once
#include "grid/features/Command.h"

class CGXSetCoveredCellsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXSetCoveredCellsCmd)

  public:
    // Construction
    CGXSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    ROWCOL m_nTop;
    ROWCOL m_nLeft;
    ROWCOL m_nBottom;
    ROWCOL m_nRight;
};
