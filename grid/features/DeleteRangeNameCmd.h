// Takes back deleting a range name; keeps what the name held.
#pragma once
#include "grid/features/Command.h"
#include "grid/core/CellRange.h"

class CGXDeleteRangeNameCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXDeleteRangeNameCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXDeleteRangeNameCmd(const CString& strName, const CGXCellRange& range, CObject* pObject);
    ~CGXDeleteRangeNameCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    CString m_strName;
    CGXCellRange m_range;
    CObject* m_pObject;
};
