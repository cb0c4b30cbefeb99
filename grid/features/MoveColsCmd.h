// Moves columns back.
#pragma once
#include "grid/features/Command.h"

class CGXMoveColsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXMoveColsCmd)

  public:
    // Construction
    CGXMoveColsCmd(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest);

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    ROWCOL m_nFirst;
    ROWCOL m_nLast;
    ROWCOL m_nDest;
};
