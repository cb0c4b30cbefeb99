// One direction of the grid's structure, rows or columns. The engine's structure and size steps
// are written once over it; the public row and column members forward to that one body.
#pragma once
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"

struct CGXGridAxis
{
    BOOL bRows;
    UINT nInsertText, nRemoveText; // long-operation and transaction texts

    // The engine's members for this direction.
    ROWCOL (CGXGridCore::*GetCount)();
    BOOL (CGXGridCore::*Insert)(ROWCOL, ROWCOL, int*, CObArray*, CObArray*, ROWCOL, UINT, int);
    BOOL (CGXGridCore::*Remove)(ROWCOL, ROWCOL, UINT, int);
    int (CGXGridCore::*GetSize)(ROWCOL);
    BOOL (CGXGridCore::*StoreSize)(ROWCOL, int);
    ROWCOL (CGXGridCore::*GetFrozen)();
    BOOL (CGXGridCore::*StoreInsert)(ROWCOL, ROWCOL, BOOL);
    BOOL (CGXGridCore::*StoreRemove)(ROWCOL, ROWCOL, BOOL);
    void (CGXGridCore::*UpdateInsert)(ROWCOL, ROWCOL, UINT, BOOL);
    void (CGXGridCore::*UpdateRemove)(ROWCOL, ROWCOL, int*, UINT, BOOL);
    void (CGXGridCore::*UpdateChangedSize)(ROWCOL, ROWCOL, int*, UINT, BOOL);
    ROWCOL (CGXGridCore::*ClientToIndex)(ROWCOL);
    ROWCOL CGXGridCore::*pnCurrent; // the current cell's index
    ROWCOL CGXGridCore::*pnFirst;   // the first scrollable index shown

    LONG RECT::*pnStart; // the rectangle's edges along this direction
    LONG RECT::*pnEnd;

    // The stored parts: data object, sizes, range lists.
    BOOL (CGXData::*DataInsert)(ROWCOL, ROWCOL);
    BOOL (CGXData::*DataRemove)(ROWCOL, ROWCOL);
    CGXMapDWordToLong CGXGridParam::*pSizes;
    void (CGXRangeList::*AdjustInserted)(ROWCOL, ROWCOL);
    void (CGXRangeList::*AdjustRemoved)(ROWCOL, ROWCOL, ROWCOL);

    // The components' members for this direction.
    void (CGXAbstractGridOptimizedUpdateImp::*OptimizedSizes)(CGXGridCore*, ROWCOL*, ROWCOL*, int*, UINT*);
    void (CGXAbstractGridUpdateHintImp::*HintChangedSize)(CGXGridCore*, ROWCOL, ROWCOL, const int*, UINT);
    void (CGXAbstractGridHideCellsImp::*HideInsert)(CGXGridCore*, ROWCOL, ROWCOL);
    void (CGXAbstractGridHideCellsImp::*HideRemove)(CGXGridCore*, ROWCOL, ROWCOL);
    BOOL (CGXAbstractGridCoveredCellsImp::*CoveredRemoved)(CGXGridCore*, ROWCOL, ROWCOL, BOOL&, BOOL);
    void (CGXAbstractGridUpdateHintImp::*HintInsert)(CGXGridCore*, ROWCOL, ROWCOL, UINT);
    void (CGXAbstractGridUpdateHintImp::*HintRemove)(CGXGridCore*, ROWCOL, ROWCOL, const int*, UINT);
    void (CGXAbstractGridUpdateHintImp::*HintChangedCount)(CGXGridCore*, ROWCOL, UINT);
    CObject* (CGXAbstractCommandFactory::*CreateRemoveCmd)(ROWCOL, ROWCOL);
    CObject* (CGXAbstractCommandFactory::*CreateInsertCmd)(ROWCOL, ROWCOL, int*, CObArray*, CObArray*,
                                                           ROWCOL);
    CObject* (CGXAbstractCommandFactory::*CreateSizeCmd)(ROWCOL, ROWCOL, int*);
    using CollectFn = BOOL (CGXAbstractCommandFactory::*)(CGXGridCore*, ROWCOL&, ROWCOL&, ROWCOL&, CObArray*&,
                                                          CObArray*&, CGXLongOperation&);
    CollectFn CollectUndoInfo;
    // The optimised update's removal takes the mode by value for rows and by pointer for columns.
    void (*OptimizedInsert)(CGXAbstractGridOptimizedUpdateImp*, CGXGridCore*, ROWCOL, ROWCOL, UINT*);
    void (*OptimizedRemove)(CGXAbstractGridOptimizedUpdateImp*, CGXGridCore*, ROWCOL, ROWCOL, int*, UINT*);

    // Scrolling and freezing.
    ROWCOL (CGXGridCore::*GetFirstShown)() const;
    ROWCOL (CGXGridCore::*ToClient)(ROWCOL);
    int (CGXGridCore::*CalcClientStart)(ROWCOL);
    ROWCOL (CGXGridCore::*GetLastVisible)(BOOL*);
    BOOL (CGXGridCore::*OnFirstChanging)(ROWCOL);
    void (CGXGridCore::*OnFirstChanged)();
    ROWCOL CGXGridCore::*pnPrintFirst;
    int nScrollBack, nScrollOn; // scroll directions towards smaller and larger indices
    ROWCOL (CGXGridCore::*GetHeader)();
    BOOL (CGXGridCore::*StoreFrozen)(ROWCOL, ROWCOL);
    void (CGXGridCore::*UpdateFrozen)(ROWCOL, ROWCOL, UINT, BOOL);
    BOOL CGXGridCore::*pbFrozenOff;
    ROWCOL CGXGridParam::*pnFrozen;
    ROWCOL CGXGridParam::*pnHeader;
    void (CGXAbstractGridUpdateHintImp::*HintSetFirst)(CGXGridCore*, ROWCOL, UINT);
    void (CGXAbstractGridUpdateHintImp::*HintChangedFrozen)(CGXGridCore*, ROWCOL, ROWCOL, UINT);
    CObject* (CGXAbstractCommandFactory::*CreateFrozenCmd)(ROWCOL, ROWCOL);

    // Sizes, the last-visible cache and hit-testing.
    int (CGXGridCore::*GetCharMetric)();
    int (CGXGridCore::*GetDefaultSize)();
    BOOL (CGXGridCore::*StoreDefaultSize)(int);
    BOOL (CGXGridCore::*IsHidden)(ROWCOL);
    int (CGXGridCore::*SumSizes)(ROWCOL, ROWCOL, int);
    ROWCOL (CGXGridCore::*CalcLastInRect)(const CRect&, BOOL*);
    LONG CGXGridParam::*pnDefaultSize;
    CObject* (CGXAbstractCommandFactory::*CreateDefaultSizeCmd)(int);
    ROWCOL CGXGridCore::*pnLastVisible;      // the cached last visible index
    ROWCOL CGXGridCore::*pnLastVisibleFirst; // the first shown index the cache was made for
    BOOL CGXGridCore::*pbLastVisiblePartial;
    BOOL (CGXGridParam::*TestSizingFlags)(WORD) const;
    int nHitLine, nHitHiddenLine; // hit codes of a boundary and of a hidden neighbour's boundary
    LONG POINT::*pnPos;           // the point's coordinate along this direction

    // Bringing a cell into view.
    void (CGXGridCore::*SetFirst)(ROWCOL, UINT, BOOL);
    UINT nScrollMessage; // the scroll message a control hears of before the grid scrolls
    int nBar;            // the scroll bar
    ROWCOL (CGXGridCore::*CalcMaxFirst)();

    // The floated and merged span pools.
    void (CGXAbstractSpanCellPoolImp::*PoolInsert)(CObject*, ROWCOL, ROWCOL);
    void (CGXAbstractSpanCellPoolImp::*PoolRemove)(CObject*, ROWCOL, ROWCOL);

    static const CGXGridAxis rows, cols;

    // The row (column) of a cell at index n along this direction, with nRow (nCol) across it.
    ROWCOL Row(ROWCOL n, ROWCOL nRow) const
    {
        return bRows ? n : nRow;
    }
    ROWCOL Col(ROWCOL n, ROWCOL nCol) const
    {
        return bRows ? nCol : n;
    }
    // The index along this direction of the cell (nRow, nCol).
    ROWCOL Along(ROWCOL nRow, ROWCOL nCol) const
    {
        return bRows ? nRow : nCol;
    }
    // The range's first and last index along this direction.
    ROWCOL First(const CGXCellRange& range) const
    {
        return bRows ? range.top : range.left;
    }
    ROWCOL Last(const CGXCellRange& range) const
    {
        return bRows ? range.bottom : range.right;
    }
    // The extent of the rectangle along this direction.
    LONG Extent(const RECT& rect) const
    {
        return rect.*pnEnd - rect.*pnStart;
    }
    // The range of whole rows (columns) nFirst..nLast.
    CGXCellRange Lines(ROWCOL nFirst, ROWCOL nLast) const
    {
        CGXCellRange range;
        return bRows ? range.SetRows(nFirst, nLast) : range.SetCols(nFirst, nLast);
    }
};

// Set while a removal re-evaluates a grid without covered cells: its update step has drawn the
// result, so without formulas the re-evaluation paints only what is pending.
extern BOOL g_bGXRecalcKeepsScreen;
