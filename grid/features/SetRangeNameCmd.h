// Takes back defining a range name: the old range again, or no name.
#pragma once
#include "grid/features/Command.h"
#include "grid/core/CellRange.h"

class CGXSetRangeNameCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXSetRangeNameCmd)

  public:
    // Construction
    CGXSetRangeNameCmd(const CString& strName, BOOL bExisted, const CGXCellRange& range);

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    CString m_strName;
    BOOL m_bExisted;
    CGXCellRange m_range;
};
