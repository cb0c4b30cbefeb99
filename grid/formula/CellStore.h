// The cell store of one engine sheet: a fixed hash table of cell records keyed by row and
// column, records carved from blocks of 32 in three pools (constants, dependent formulas,
// placeholders), per-row and per-column counts that keep the used extent, and a range iterator
// that either probes positions or scans the pools. Sheets are numbered from 1.
#pragma once
#include "grid/formula/EngineState.h"

#define GX_HASH_SIZE 32749u
#define GX_BLOCK_CELLS 32

// Pool selection bits.
enum
{
    GX_POOL_CONST = 1,
    GX_POOL_FORMULA = 2,
    GX_POOL_PLACEHOLDER = 4,
    GX_POOL_ALL = 7
};

// Content kinds.
enum
{
    GX_CONTENT_NONE = 0,
    GX_CONTENT_NUMBER = 1,
    GX_CONTENT_TEXT = 2,
    GX_CONTENT_FORMULA = 3,     // refers to cells or calls functions: recalculated
    GX_CONTENT_CONSTFORMULA = 4 // evaluated once when stored
};

// Flag bits of a cell record.
enum : DWORD
{
    GX_CF_CONTENT = 0x0F,
    GX_CF_LINKED = 1u << 8,
    GX_CF_STALE = 1u << 15,
    GX_CF_CURRENT = 1u << 16,
    GX_CF_EVALUATING = 1u << 17,
    GX_CF_CHANGED = 1u << 18,
    GX_CF_CYCLE = 1u << 19,
    GX_CF_VIOLATED = 1u << 20
};

struct GX_CELL
{
    GX_CELL* pNext;
    DWORD nRow;
    DWORD nCol;
    union {
        double dValue;
        char* pszValue;
        char szValue[8];
        struct
        {
            DWORD nCode;
            const char* pszDetail;
        } error;
    };
    GX_FORMULA* pFormula;
    DWORD nStamp;
    DWORD dwFlags;
    CObject* pAttached;

    int Content() const
    {
        return dwFlags & GX_CF_CONTENT;
    }
    int ValueKind() const
    {
        return (dwFlags >> 4) & 0x0F;
    }
    void SetValueKind(int n)
    {
        dwFlags = (dwFlags & ~0xF0u) | ((DWORD)n << 4);
    }
    int BlockIndex() const
    {
        return (dwFlags >> 9) & 0x3F;
    }
};

struct GX_CELL_POOL;

struct GX_CELL_BLOCK
{
    DWORD dwMask;
    DWORD dwMark;
    GX_CELL_BLOCK* pNext;
    GX_CELL_BLOCK* pPrev;
    GX_CELL_POOL* pPool;
    GX_CELL cells[GX_BLOCK_CELLS];
};

struct GX_CELL_POOL
{
    GX_CELL_BLOCK* pFirst;
    GX_CELL_BLOCK* pLast;
    int nCount;
    int bLocked;
    int bCompactPending;
};

struct GX_RANGE_NAME
{
    GX_RANGE_NAME* pNext;
    char* pszName;
    GX_RANGE range;
};

struct GX_CHANGED_RANGE
{
    GX_CHANGED_RANGE* pNext;
    GX_RANGE range;
};

// A record saved for undo, kept in a list by the sheet until the formula sheet takes it.
struct GX_SAVED_CELL
{
    GX_SAVED_CELL* pNext;
    GX_CELL* pCell;
};

class CGXFormulaSheet;

struct GX_SHEET_CONTEXT
{
    GX_CELL* apBuckets[GX_HASH_SIZE];
    GX_CELL_POOL pools[3]; // constants, formulas, placeholders
    GX_RANGE_NAME* pNames;
    int nRecalcMode; // 1 = automatic recalculation off
    int bForeground; // 1 = every stale formula in each pass, 0 = as needed
    int bConstraintCheck;
    int nIterationLimit; // 0..100
    int bBlankIsZero;
    int bCycleFound;
    int nRunning;
    int bNamesChanged;
    int bCreatePlaceholders;
    int bKeepUndo;
    int bUndoBlock; // an array result recorded undoBlock while saving for undo
    GX_RANGE undoBlock;
    int nCells;
    int bModified;
    DWORD nGeneration;
    DWORD* pRowCounts;
    DWORD nRowCountSize;
    DWORD* pColCounts;
    DWORD nColCountSize;
    GX_RANGE extent;
    int bExtentValid;
    int bReportNextError;
    char szMessage[512];
    GX_CHANGED_RANGE* pChanged;
    GX_SAVED_CELL* pSaved;
    GX_RANGE_NAME* pSavedNames; // names deleted while keeping undo information
    CGXFormulaSheet* pOwner;
};

// Range iteration.
struct GX_RANGE_ITER
{
    int nSheet;
    GX_RANGE range;
    int nPoolMask;
    BOOL bScan;
    int nPool; // scanning: 0..2
    GX_CELL_BLOCK* pBlock;
    int nSlot;
    DWORD nRow, nCol; // probing: the next position
    BOOL bDone;
};

struct GX_POOL_ITER
{
    GX_CELL_BLOCK* pBlock;
    int nSlot;
};

int GXCreateSheet();
void GXDeleteSheet(int nSheet);
GX_SHEET_CONTEXT* GXGetSheetContext(int nSheet);
GX_CELL_POOL* GXGetPool(GX_SHEET_CONTEXT* pContext, int nPoolBit);
GX_CELL_POOL* GXPoolOfCell(const GX_CELL* pCell);

GX_CELL* GXFindCellRecord(int nSheet, DWORD nRow, DWORD nCol);
int GXInsertCellRecord(int nSheet, GX_CELL* pCell);
void GXUnlinkCellRecord(int nSheet, GX_CELL* pCell);
void GXDeleteCellRecord(int nSheet, GX_CELL* pCell);
GX_CELL* GXAllocCellRecord(GX_CELL_POOL* pPool);
void GXFreeCellRecord(GX_CELL* pCell);
GX_CELL* GXCopyCellRecord(GX_CELL_POOL* pPool, const GX_CELL* pCell);
CObject* GXTakeAttachedObject(GX_CELL* pCell);
void GXSetAttachedObject(GX_CELL* pCell, CObject* pObject);
// Moves a record out of its pool into a heap block of its own (undo information outlives
// the sheet's blocks); the slot is released.
GX_CELL* GXDetachCellRecord(GX_CELL* pCell);
// Takes a detached record back into a pool (the pool its content belongs to) and returns it.
GX_CELL* GXReattachCellRecord(int nSheet, GX_CELL* pDetached);
void GXFreeDetachedCell(GX_CELL* pDetached);
// Deletes every record of a pool and its blocks.
void GXDeletePoolCells(GX_CELL_POOL* pPool);

int GXStoreFormula(int nSheet, DWORD nRow, DWORD nCol, const char* pszFormula, const GX_VALUE* pValue);
int GXStoreNumber(int nSheet, DWORD nRow, DWORD nCol, double d);
int GXStoreText(int nSheet, DWORD nRow, DWORD nCol, const char* pszText);
void GXSetCellValue(GX_CELL* pCell, const GX_VALUE& value);
GX_CELL* GXGetCellValue(int nSheet, DWORD nRow, DWORD nCol, GX_VALUE* pValue);
void GXSetCellFormula(GX_CELL* pCell, const GX_FORMULA* pFormula);
GX_CELL* GXAddPlaceholderCell(int nSheet, DWORD nRow, DWORD nCol);
// Replaces whatever stands at the record's position by the record (the old one is saved for
// undo or freed).
void GXReplaceCellRecord(int nSheet, GX_CELL* pCell);
// Removes the cell at a position, saving it for undo with the keep-undo flag.
void GXRemoveCellAt(int nSheet, DWORD nRow, DWORD nCol);
// The text the grid shows for a cell (its owner's formatting when it has an owner).
CString GXCellDisplayText(int nSheet, GX_CELL* pCell);
// Text of an inline or heap string cell (a nine-byte copy for inline ones is not needed here).
CString GXCellText(const GX_CELL* pCell);

int GXLockPools(int nSheet, int nMask);
void GXUnlockPools(int nSheet, int nMask);
int GXCountPoolCells(int nSheet, int nMask);

void GXRangeIterInit(GX_RANGE_ITER* pIter, int nSheet, const GX_RANGE& range, int nPoolMask);
GX_CELL* GXRangeIterNext(GX_RANGE_ITER* pIter);
void GXPoolIterInit(GX_POOL_ITER* pIter, GX_CELL_POOL* pPool);
GX_CELL* GXPoolIterNext(GX_POOL_ITER* pIter);

int GXGetUsedExtent(int nSheet, GX_RANGE* pRange);
int GXClipToUsedExtent(int nSheet, GX_RANGE* pRange);

// Options; flags take 0 or 1, the iteration limit 0..100 (else 0 and nothing changes).
int GXSetRecalcMode(int nSheet, int n);
int GXGetRecalcMode(int nSheet);
int GXSetForeground(int nSheet, int n);
int GXGetForeground(int nSheet);
int GXSetConstraintCheck(int nSheet, int n);
int GXGetConstraintCheck(int nSheet);
int GXSetIterationLimit(int nSheet, int n);
int GXGetIterationLimit(int nSheet);
int GXSetBlankIsZero(int nSheet, int n);
int GXGetBlankIsZero(int nSheet);

// Pushes a record on the sheet's list of records saved for undo.
void GXSaveForUndo(int nSheet, GX_CELL* pCell);
// Frees the list of records saved for undo.
void GXFreeSavedCells(int nSheet);

// Builds a cell or range reference from positions.
GX_RANGE GXCellRef(DWORD nRow, DWORD nCol);
GX_RANGE GXBoxRef(DWORD nTop, DWORD nLeft, DWORD nBottom, DWORD nRight);
