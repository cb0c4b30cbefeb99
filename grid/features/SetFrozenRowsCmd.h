// Takes back a change of frozen rows.
#pragma once
#include "grid/features/Command.h"

class CGXSetFrozenRowsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXSetFrozenRowsCmd)

  public:
    // Construction
    CGXSetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeader);

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    ROWCOL m_nFrozen;
    ROWCOL m_nHeader;
};
