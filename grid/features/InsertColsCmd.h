// Takes back removing columns: inserts them again with their widths and styles.
#pragma once
#include "grid/features/Command.h"

class CGXInsertColsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXInsertColsCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXInsertColsCmd(ROWCOL nInsertCol, ROWCOL nCount, int* anWidths, CObArray* pCellsArray,
                     CObArray* pColsArray, ROWCOL nRowCount);
    ~CGXInsertColsCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    ROWCOL m_nInsertCol;
    ROWCOL m_nCount;
    int* m_anWidths;
    CObArray* m_pCellsArray;
    CObArray* m_pColsArray;
    ROWCOL m_nRowCount;
};
