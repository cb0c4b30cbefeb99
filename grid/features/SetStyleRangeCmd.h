// Puts the old styles of a range of cells back.
#pragma once
#include "grid/features/Command.h"
#include "grid/core/CellRange.h"

class CGXSetStyleRangeCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXSetStyleRangeCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXSetStyleRangeCmd(const CGXCellRange& range, int nType, CObArray* pCellsArray);
    ~CGXSetStyleRangeCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    CGXCellRange m_range;
    int m_nType;
    CObArray* m_pCellsArray;
};
