// Undo and redo for one grid: creates the commands, keeps the parameter object's undo and redo
// lists, runs undo, redo and transactions and names the Undo and Redo menu items.
#pragma once
#include "grid/core/GridComponents.h"

class CGXCommandFactory : public CGXAbstractCommandFactory
{
  public:
    CObject* CreateBlockCmd(LPCTSTR pszName) override;
    CObject* CreateSetRowHeightCmd(ROWCOL nFirst, ROWCOL nLast, int* anOldHeights) override;
    CObject* CreateHideRowsCmd(ROWCOL nFirst, ROWCOL nLast, BOOL* abOldHidden) override;
    CObject* CreateSetDefaultRowHeightCmd(int nOldHeight) override;
    CObject* CreateSetColWidthCmd(ROWCOL nFirst, ROWCOL nLast, int* anOldWidths) override;
    CObject* CreateHideColsCmd(ROWCOL nFirst, ROWCOL nLast, BOOL* abOldHidden) override;
    CObject* CreateSetDefaultColWidthCmd(int nOldWidth) override;
    CObject* CreateMoveRowsCmd(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) override;
    CObject* CreateMoveColsCmd(ROWCOL nFirst, ROWCOL nLast, ROWCOL nDest) override;
    CObject* CreateRemoveRowsCmd(ROWCOL nFirst, ROWCOL nLast) override;
    CObject* CreateRemoveColsCmd(ROWCOL nFirst, ROWCOL nLast) override;
    CObject* CreateInsertRowsCmd(ROWCOL nRow, ROWCOL nCount, int* anHeights, CObArray* pCellsArray,
                                 CObArray* pRowsArray, ROWCOL nColCount) override;
    CObject* CreateInsertColsCmd(ROWCOL nCol, ROWCOL nCount, int* anWidths, CObArray* pCellsArray,
                                 CObArray* pColsArray, ROWCOL nRowCount) override;
    CObject* CreateSetCoveredCellsCmd(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) override;
    CObject* CreateSetStyleRangeCmd(const CGXCellRange& range, int nType, CObArray* pCellsArray) override;
    CObject* CreateSetFrozenRowsCmd(ROWCOL nFrozen, ROWCOL nHeader) override;
    CObject* CreateSetFrozenColsCmd(ROWCOL nFrozen, ROWCOL nHeader) override;
    CObject* CreateMoveDataRowsCmd(const CGXCellRange& range, CObject* pOrder) override;
    CObject* CreateMoveDataColsCmd(const CGXCellRange& range, CObject* pOrder) override;
    CObject* CreateChangeStylesMapCmd(const CGXStylesMap& stylesMap) override;
    CObject* CreateChangePropertiesCmd(const CGXProperties& properties) override;
    CObject* CreateChangeBaseStyleCmd(WORD nID, const CGXStyle& style, LPCTSTR pszName) override;
    CObject* CreateMoveCellsCmd(const CGXCellRange& range, ROWCOL nToRow, ROWCOL nToCol,
                                CObject* pUndoInfo) override;
    CObject* CreateSetRangeNameCmd(const CString& strName, BOOL bExisted, const CGXCellRange& range) override;
    CObject* CreateDeleteRangeNameCmd(const CString& strName, const CGXCellRange& range,
                                      CObject* pObject) override;
    BOOL SetAdvancedUndoRecording(CGXGridCore* pGrid, BOOL bRecord) override;
    CObject* TakeAdvancedUndoInfo(CGXGridCore* pGrid) override;
    BOOL ApplyAdvancedUndoInfo(CGXGridCore* pGrid, CObject* pInfo, BOOL bRecord, BOOL bBefore) override;
    void DiscardAdvancedUndoInfo(CGXGridCore* pGrid) override;
    BOOL ExecuteCommand(CObject* pCmd, CGXGridCore* pGrid, int ctCmd) override;
    void AddCommand(CGXGridCore* pGrid, CObject* pCmd, int ctCmd) override;
    void RemoveCommand(CGXGridCore* pGrid, int ctCmd) override;
    BOOL Undo(CGXGridCore* pGrid) override;
    BOOL Redo(CGXGridCore* pGrid) override;
    void BeginTransaction(CGXGridCore* pGrid, LPCTSTR pszName) override;
    void CommitTransaction(CGXGridCore* pGrid) override;
    void Rollback(CGXGridCore* pGrid) override;
    void ShowCommandCell(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bMakeCurrent) override;
    BOOL OnUpdateEditUndo(CGXGridCore* pGrid, CCmdUI* pCmdUI) override;
    BOOL OnUpdateEditRedo(CGXGridCore* pGrid, CCmdUI* pCmdUI) override;
    BOOL CollectRowsUndoInfo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nCount, ROWCOL& nColCount,
                             CObArray*& pCellsArray, CObArray*& pRowsArray, CGXLongOperation& op) override;
    BOOL CollectColsUndoInfo(CGXGridCore* pGrid, ROWCOL& nFirst, ROWCOL& nCount, ROWCOL& nRowCount,
                             CObArray*& pCellsArray, CObArray*& pColsArray, CGXLongOperation& op) override;

    // Implementation
    // The list a command recorded with ctCmd goes into: the head block's list while a
    // transaction is open or a block executes.
    static CObList& TargetList(CGXGridCore* pGrid, int ctCmd, BOOL& bInBlock);
    // One body for both update handlers.
    static BOOL UpdateMenuItem(CGXGridCore* pGrid, CCmdUI* pCmdUI, BOOL bUndo);
    // One body for both collectors: bRows selects the twin.
    static BOOL CollectUndoInfo(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFirst, ROWCOL& nCount, ROWCOL nOther,
                                CObArray*& pCellsArray, CObArray*& pLineArray, CGXLongOperation& op);
};
