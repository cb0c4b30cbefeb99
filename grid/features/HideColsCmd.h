// Takes back hiding or showing columns.
#pragma once
#include "grid/features/Command.h"

class CGXHideColsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXHideColsCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXHideColsCmd(ROWCOL nFirst, ROWCOL nLast, BOOL* abHidden);
    ~CGXHideColsCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    ROWCOL m_nFirst;
    ROWCOL m_nLast;
    BOOL* m_abHidden;
};
