// Takes back a change of frozen columns.
#pragma once
#include "grid/features/Command.h"

class CGXSetFrozenColsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXSetFrozenColsCmd)

  public:
    // Construction
    CGXSetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeader);

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    ROWCOL m_nFrozen;
    ROWCOL m_nHeader;
};
