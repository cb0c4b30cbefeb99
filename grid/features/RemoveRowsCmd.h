// Takes back inserting rows by removing them.
#pragma once
#include "grid/features/Command.h"

class CGXRemoveRowsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXRemoveRowsCmd)

  public:
    // Construction
    CGXRemoveRowsCmd(ROWCOL nFirst, ROWCOL nLast);

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    ROWCOL m_nFirst;
    ROWCOL m_nLast;
};
