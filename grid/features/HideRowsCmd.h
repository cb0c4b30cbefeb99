// Takes back hiding or showing rows.
#pragma once
#include "grid/features/Command.h"

class CGXHideRowsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXHideRowsCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXHideRowsCmd(ROWCOL nFirst, ROWCOL nLast, BOOL* abHidden);
    ~CGXHideRowsCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    ROWCOL m_nFirst;
    ROWCOL m_nLast;
    BOOL* m_abHidden;
};
