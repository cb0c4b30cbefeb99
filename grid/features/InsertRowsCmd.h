// Takes back removing rows: inserts them again with their heights and styles.
#pragma once
#include "grid/features/Command.h"

class CGXInsertRowsCmd : public CGXCommand
{
    DECLARE_DYNAMIC(CGXInsertRowsCmd)

  public:
    // Construction (arrays and objects become the command's)
    CGXInsertRowsCmd(ROWCOL nInsertRow, ROWCOL nCount, int* anHeights, CObArray* pCellsArray,
                     CObArray* pRowsArray, ROWCOL nColCount);
    ~CGXInsertRowsCmd() override;

    // Overridables
    BOOL Execute(CGXGridCore* pGrid, int ctCmd) override;
    LPCTSTR GetName() override;

    // Implementation
    ROWCOL m_nInsertRow;
    ROWCOL m_nCount;
    int* m_anHeights;
    CObArray* m_pCellsArray;
    CObArray* m_pRowsArray;
    ROWCOL m_nColCount;
};
