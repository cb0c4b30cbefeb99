// Find and replace: the framework's modeless find/replace dialog for the grid, its
// notifications, the walk down (or up) the current cell's column, and the cell-level search and
// replace that the cell controls use by default. The texts and options live in the process-wide
// CGXFindReplaceSettings; the component has no state of its own.
#pragma once
#include "grid/core/GridComponents.h"

class CGXLongOperation;

class CGXGridFindReplaceImp : public CGXAbstractGridFindReplaceImp
{
  public:
    void ShowFindReplaceDialog(CGXGridCore* pGrid, BOOL bFindOnly) override;
    BOOL FindNextText(CGXGridCore* pGrid, const CString& strFind, BOOL bNext, BOOL bMatchCase) override;
    BOOL FindTextInCell(CGXControl* pControl, const CGXFindReplaceSettings& settings, ROWCOL nRow,
                        ROWCOL nCol, BOOL bIncludeCurrent, BOOL bSelect) override;
    BOOL FindInColumn(CGXGridCore* pGrid, ROWCOL& nRow, ROWCOL& nCol, BOOL bSelect) override;
    BOOL FindNext(CGXGridCore* pGrid, BOOL bSelect) override;
    void ReplaceNext(CGXGridCore* pGrid, const CString& strFind, BOOL bNext, BOOL bMatchCase,
                     const CString& strReplace) override;
    void ReplaceAll(CGXGridCore* pGrid, const CString& strFind, const CString& strReplace,
                    BOOL bMatchCase) override;
    void OnFindReplaceMessage(CGXGridCore* pGrid, CFindReplaceDialog* pDialog) override;
    BOOL ReplaceAllInCell(CGXControl* pControl, const CGXFindReplaceSettings& settings, ROWCOL nRow,
                          ROWCOL nCol) override;

    // Implementation
    // The display text of a cell as searched: from the scan style when there is one.
    static CString CellText(CGXControl* pControl, const CGXFindReplaceSettings& settings, ROWCOL nRow,
                            ROWCOL nCol);
    // Progress of a column walk, counted in hundredths of rows; TRUE when the user aborted.
    static BOOL StepProgress(CGXLongOperation& op, DWORD& dwCounter, ROWCOL nRowsToDo);
};
