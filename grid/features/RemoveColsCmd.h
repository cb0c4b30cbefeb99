// Takes back inserting columns by removing them.
#pragma once
#include "grid/features/Command.h"

class CGXRemoveColsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXRemoveColsCmd)

  public:
    // Construction
    CGXRemoveColsCmd(ROWCOL nFirst, ROWCOL nLast);

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    ROWCOL m_nFirst;
    ROWCOL m_nLast;
};
