// Puts sorted rows back into their old order.
#pragma once
#include "grid/features/Command.h"
#include "grid/core/CellRange.h"

class CGXMoveDataRowsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXMoveDataRowsCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXMoveDataRowsCmd(CObject* pOrder, const CGXCellRange& range);
    ~CGXMoveDataRowsCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    CObject* m_pOrder;
    CGXCellRange m_range;
};
