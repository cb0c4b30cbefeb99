// Moves rows back.
#pragma once
#include "grid/features/Command.h"

class CGXMoveRowsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXMoveRowsCmd)

  public:
    // Construction
    CGXMoveRowsCmd(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    ROWCOL m_nFirst;
    ROWCOL m_nLast;
    ROWCOL m_nDest;
};
