// Puts sorted columns back into their old order.
#pragma once
#include "grid/features/Command.h"
#include "grid/core/CellRange.h"

class CGXMoveDataColsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXMoveDataColsCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXMoveDataColsCmd(CObject* pOrder, const CGXCellRange& range);
    ~CGXMoveDataColsCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    CObject* m_pOrder;
    CGXCellRange m_range;
};
