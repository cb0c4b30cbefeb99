// Undo information of a formula sheet: copies of engine cells taken before they changed, for
// undo and for redo, with the range the operation touched. Owned by whoever detached it from
// the sheet (the grid's undo command); frees its cell records.
#pragma once
#include "grid/formula/CellStore.h"

class CGXUndoEngineCellsInfo : public CObject
{
    DECLARE_DYNAMIC(CGXUndoEngineCellsInfo)

  public:
    // Construction
    CGXUndoEngineCellsInfo();
    ~CGXUndoEngineCellsInfo() override;

    // Operations
    // Puts records in front of a list (takes them over).
    static void Prepend(GX_SAVED_CELL*& pList, GX_SAVED_CELL* pRecords);
    static void FreeList(GX_SAVED_CELL*& pList);

    // Implementation
    GX_SAVED_CELL* m_pUndoCells = NULL;
    GX_SAVED_CELL* m_pRedoCells = NULL;
    GX_RANGE m_range;
    BOOL m_bClearRangeFirst = FALSE;
    GX_RANGE_NAME* m_pName = NULL; // a deleted name, kept to be linked again

  private:
    CGXUndoEngineCellsInfo(const CGXUndoEngineCellsInfo&) = delete;
    CGXUndoEngineCellsInfo& operator=(const CGXUndoEngineCellsInfo&) = delete;
};
