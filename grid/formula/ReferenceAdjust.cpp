// Clearing, copying and moving cells, and the structure changes of rows and columns.
#include "grid/formula/ReferenceAdjust.h"
#include "grid/formula/Evaluator.h"
#include "grid/formula/RangeNames.h"
#include <functional>
#include <vector>

namespace
{
// Locks every pool for the lifetime of the object and sets the sheet's flags of a structure
// change.
struct PoolLock
{
    int nSheet;
    int nLocked;
    explicit PoolLock(int n) : nSheet(n), nLocked(GXLockPools(n, GX_POOL_ALL))
    {
    }
    ~PoolLock()
    {
        GXUnlockPools(nSheet, nLocked);
    }
    PoolLock(const PoolLock&) = delete;
    PoolLock& operator=(const PoolLock&) = delete;
};

struct AdjustScope
{
    GX_SHEET_CONTEXT* c;
    int bPlaceholders;
    explicit AdjustScope(GX_SHEET_CONTEXT* p) : c(p), bPlaceholders(p->bCreatePlaceholders)
    {
        c->bCreatePlaceholders = 0;
        GXGetEngineState()->m_bAdjusting = 1;
    }
    ~AdjustScope()
    {
        c->bCreatePlaceholders = bPlaceholders;
        GXGetEngineState()->m_bAdjusting = 0;
    }
    AdjustScope(const AdjustScope&) = delete;
    AdjustScope& operator=(const AdjustScope&) = delete;
};

std::vector<GX_CELL*> CellsIn(int nSheet, const GX_RANGE& range)
{
    std::vector<GX_CELL*> cells;
    GX_RANGE_ITER it;
    GXRangeIterInit(&it, nSheet, range, GX_POOL_ALL);
    while (GX_CELL* p = GXRangeIterNext(&it))
        cells.push_back(p);
    return cells;
}

std::vector<GX_CELL*> AllCells(int nSheet)
{
    std::vector<GX_CELL*> cells;
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    for (int nPool : {GX_POOL_CONST, GX_POOL_FORMULA, GX_POOL_PLACEHOLDER})
    {
        GX_POOL_ITER it;
        GXPoolIterInit(&it, GXGetPool(c, nPool));
        while (GX_CELL* p = GXPoolIterNext(&it))
            if (p->dwFlags & GX_CF_LINKED)
                cells.push_back(p);
    }
    return cells;
}

// Formula cells that may hold references.
std::vector<GX_CELL*> FormulaCells(int nSheet)
{
    std::vector<GX_CELL*> cells;
    GX_POOL_ITER it;
    GXPoolIterInit(&it, GXGetPool(GXGetSheetContext(nSheet), GX_POOL_FORMULA));
    while (GX_CELL* p = GXPoolIterNext(&it))
        if ((p->dwFlags & GX_CF_LINKED) && p->pFormula != NULL)
            cells.push_back(p);
    return cells;
}

void Release(int nSheet, GX_CELL* p)
{
    if (GXGetSheetContext(nSheet)->bKeepUndo)
        GXSaveForUndo(nSheet, p);
    else
        GXFreeCellRecord(p);
}

// A cleared number constant followed by a "\" list that begins with a cell: that cell is to
// be looked at again.
void NoteTargetCell(int nSheet, const GX_CELL* p)
{
    const GX_FORMULA* f = p->pFormula;
    if (f == NULL || f->nTargetRoot == GX_NO_NODE || f->nValueRoot == GX_NO_NODE)
        return;
    if (f->pNodes[f->nValueRoot].nKind != GX_NODE_NUMBER)
        return;
    const GX_EXPR_NODE& t = f->pNodes[f->nTargetRoot];
    if (t.nKind == GX_NODE_CELL)
        GXAddChangedRange(nSheet, t.range);
}

void MakeErrorLiteral(GX_EXPR_NODE& n)
{
    WORD nLink2 = n.nLink2; // a "\" list keeps its chain
    BYTE nFlags = n.nFlags;
    memset(&n, 0, sizeof(n));
    n.nKind = GX_NODE_OPERATOR;
    n.nFlags = nFlags;
    n.nOperator = GX_OP_ERRLIT;
    n.nLink1 = GX_NO_NODE;
    n.nLink2 = nLink2;
}

BOOL IsRefNode(const GX_EXPR_NODE& n)
{
    return n.nKind == GX_NODE_CELL || n.nKind == GX_NODE_RANGE;
}

// Saves a formula cell once before its first change, when undo information is kept.
struct SaveOnce
{
    int nSheet;
    std::vector<GX_CELL*> saved;
    void operator()(GX_CELL* p)
    {
        if (!GXGetSheetContext(nSheet)->bKeepUndo)
            return;
        for (GX_CELL* q : saved)
            if (q == p)
                return;
        saved.push_back(p);
        GXSaveForUndo(nSheet, GXCopyCellRecord(GXPoolOfCell(p), p));
    }
};

GX_RANGE Box(const GX_RANGE& r)
{
    return GXBoxRef(r.Row1(), r.Col1(), r.Bottom(), r.Right());
}

BOOL Inside(const GX_RANGE& inner, const GX_RANGE& outer)
{
    return outer.Contains(inner.Row1(), inner.Col1()) && outer.Contains(inner.Bottom(), inner.Right());
}

// Moves every cell through a position map (old position -> new position); cells mapped off the
// sheet are released. The cells are unlinked first and relinked afterwards, so that blocks that
// overlap their own destination move whole.
void RelinkCells(int nSheet, const std::vector<GX_CELL*>& cells,
                 const std::function<bool(DWORD&, DWORD&)>& map)
{
    std::vector<GX_CELL*> moving;
    for (GX_CELL* p : cells)
    {
        GXUnlinkCellRecord(nSheet, p);
        moving.push_back(p);
    }
    for (GX_CELL* p : moving)
    {
        DWORD r = p->nRow, c = p->nCol;
        if (!map(r, c))
        {
            Release(nSheet, p);
            continue;
        }
        p->nRow = r;
        p->nCol = c;
        GXReplaceCellRecord(nSheet, p);
    }
}

// Adjusts one corner index by insertion or removal at nAt of nCount (negative: removal).
// Returns FALSE when the corner falls into removed rows.
long long ShiftIndex(long long n, long long nAt, long long nCount, BOOL& bRemoved)
{
    bRemoved = FALSE;
    if (n < nAt)
        return n;
    if (nCount >= 0)
        return n + nCount;
    if (n < nAt - nCount)
    {
        bRemoved = TRUE;
        return n;
    }
    return n + nCount;
}
} // namespace

void GXOffsetRange(GX_RANGE* pOut, const GX_RANGE& range, DWORD nDestRow, DWORD nDestCol)
{
    GX_RANGE r = Box(range);
    unsigned long long nBottom = (unsigned long long)nDestRow + (r.Row2() - r.Row1());
    unsigned long long nRight = (unsigned long long)nDestCol + (r.Col2() - r.Col1());
    *pOut = GXBoxRef(nDestRow, nDestCol, nBottom > GX_MAX_ROW ? GX_MAX_ROW : (DWORD)nBottom,
                     nRight > GX_MAX_COL ? GX_MAX_COL : (DWORD)nRight);
}

DWORD GXMoveIndex(DWORD nIndex, DWORD nFirst, DWORD nLast, DWORD nDest)
{
    DWORD nCount = nLast - nFirst + 1;
    if (nIndex >= nFirst && nIndex <= nLast)
        return nIndex - nFirst + nDest;
    if (nDest < nFirst && nIndex >= nDest && nIndex < nFirst)
        return nIndex + nCount;
    if (nDest > nLast && nIndex > nLast && nIndex <= nDest + nCount - 1)
        return nIndex - nCount;
    return nIndex;
}

int GXClearRange(int nSheet, const GX_RANGE& range)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    GX_RANGE r = Box(range);
    if (!GXClipToUsedExtent(nSheet, &r))
        return 0;
    PoolLock lock(nSheet);
    std::vector<GX_CELL*> cells = CellsIn(nSheet, r);
    for (GX_CELL* p : cells)
    {
        NoteTargetCell(nSheet, p);
        GXUnlinkCellRecord(nSheet, p);
        if (c->bCreatePlaceholders)
            GXAddPlaceholderCell(nSheet, p->nRow, p->nCol)->dwFlags |= GX_CF_CHANGED;
    }
    for (GX_CELL* p : cells)
        Release(nSheet, p);
    GXAddChangedRange(nSheet, r);
    return 1;
}

namespace
{
// Shifts the relative parts of the reference nodes of a copied formula.
void ShiftRelative(GX_FORMULA* f, long long dr, long long dc)
{
    for (int i = 0; i < f->nNodes; i++)
    {
        GX_EXPR_NODE& n = f->pNodes[i];
        if (!IsRefNode(n))
            continue;
        GX_RANGE& r = n.range;
        long long r1 = r.Row1() + ((r.w3 & GX_RANGE::absRow1) ? 0 : dr);
        long long c1 = r.Col1() + ((r.w3 & GX_RANGE::absCol1) ? 0 : dc);
        long long r2 = r.Row2() + ((r.w3 & GX_RANGE::absRow2) ? 0 : dr);
        long long c2 = r.Col2() + ((r.w3 & GX_RANGE::absCol2) ? 0 : dc);
        if (r.IsSingle())
            r2 = r1, c2 = c1;
        if (r1 < 1 || r1 > GX_MAX_ROW || r2 < 1 || r2 > GX_MAX_ROW || c1 < 0 || c1 > GX_MAX_COL || c2 < 0 ||
            c2 > GX_MAX_COL)
        {
            MakeErrorLiteral(n);
            continue;
        }
        r.SetRow1((DWORD)r1);
        r.SetCol1((DWORD)c1);
        r.SetRow2((DWORD)r2);
        r.SetCol2((DWORD)c2);
        GXNormalizeRange(&r);
    }
}
} // namespace

int GXCopyCells(int nSheet, const GX_RANGE& source, DWORD nDestRow, DWORD nDestCol)
{
    GX_RANGE src = Box(source), dest;
    GXOffsetRange(&dest, src, nDestRow, nDestCol);
    long long dr = (long long)nDestRow - src.Row1(), dc = (long long)nDestCol - src.Col1();
    GX_RANGE clipped = src;
    if (!GXClipToUsedExtent(nSheet, &clipped))
        return 0;
    PoolLock lock(nSheet);
    std::vector<GX_CELL*> copies;
    for (GX_CELL* p : CellsIn(nSheet, clipped))
    {
        long long r = p->nRow + dr, c = p->nCol + dc;
        if (r < 1 || r > GX_MAX_ROW || c < 0 || c > GX_MAX_COL)
            continue;
        GX_CELL* q = GXCopyCellRecord(GXPoolOfCell(p), p);
        q->nRow = (DWORD)r;
        q->nCol = (DWORD)c;
        if (q->pFormula != NULL)
        {
            ShiftRelative(q->pFormula, dr, dc);
            q->dwFlags |= GX_CF_STALE;
        }
        copies.push_back(q);
    }
    std::vector<GX_CELL*> old = CellsIn(nSheet, dest);
    for (GX_CELL* p : old)
        GXUnlinkCellRecord(nSheet, p);
    for (GX_CELL* p : old)
        Release(nSheet, p);
    for (GX_CELL* q : copies)
        GXReplaceCellRecord(nSheet, q);
    GXAddChangedRange(nSheet, src);
    GXAddChangedRange(nSheet, dest);
    GXRecalc(nSheet);
    return 1;
}

int GXMoveCells(int nSheet, const GX_RANGE& source, DWORD nDestRow, DWORD nDestCol, int nFlag)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    GX_RANGE src = Box(source), dest;
    GXOffsetRange(&dest, src, nDestRow, nDestCol);
    long long dr = (long long)nDestRow - src.Row1(), dc = (long long)nDestCol - src.Col1();
    PoolLock lock(nSheet);
    std::vector<GX_CELL*> moving = CellsIn(nSheet, src);
    for (GX_CELL* p : moving)
        GXUnlinkCellRecord(nSheet, p);
    for (GX_CELL* p : moving)
    {
        long long r = p->nRow + dr, col = p->nCol + dc;
        DWORD nOldRow = p->nRow, nOldCol = p->nCol;
        if (r < 1 || r > GX_MAX_ROW || col < 0 || col > GX_MAX_COL)
        {
            Release(nSheet, p);
            continue;
        }
        if (GX_CELL* pOld = GXFindCellRecord(nSheet, (DWORD)r, (DWORD)col))
            NoteTargetCell(nSheet, pOld);
        p->nRow = (DWORD)r;
        p->nCol = (DWORD)col;
        GXReplaceCellRecord(nSheet, p);
        if (c->bCreatePlaceholders && !dest.Contains(nOldRow, nOldCol))
            GXAddPlaceholderCell(nSheet, nOldRow, nOldCol)->dwFlags |= GX_CF_CHANGED;
    }
    if (nFlag == 0)
    {
        SaveOnce save{nSheet, {}};
        for (GX_CELL* p : FormulaCells(nSheet))
        {
            BOOL bTouched = FALSE;
            for (int i = 0; i < p->pFormula->nNodes; i++)
            {
                GX_EXPR_NODE& n = p->pFormula->pNodes[i];
                if (!IsRefNode(n))
                    continue;
                GX_RANGE r = Box(n.range);
                if (Inside(r, src))
                {
                    save(p);
                    long long r1 = n.range.Row1() + dr, c1 = n.range.Col1() + dc;
                    long long r2 = n.range.Bottom() + dr, c2 = n.range.Right() + dc;
                    if (r1 < 1 || r2 > GX_MAX_ROW || c1 < 0 || c2 > GX_MAX_COL)
                        MakeErrorLiteral(n);
                    else
                    {
                        n.range.SetRow1((DWORD)r1);
                        n.range.SetCol1((DWORD)c1);
                        n.range.SetRow2((DWORD)r2);
                        n.range.SetCol2((DWORD)c2);
                        GXNormalizeRange(&n.range);
                    }
                    bTouched = TRUE;
                }
                else if (dest.Contains(r.Row1(), r.Col1()) || dest.Contains(r.Row2(), r.Col2()))
                {
                    save(p);
                    bTouched = TRUE;
                }
            }
            if (bTouched)
                p->dwFlags |= GX_CF_STALE;
        }
        for (GX_RANGE_NAME* pName = c->pNames; pName; pName = pName->pNext)
        {
            GX_RANGE& r = pName->range;
            auto moveCorner = [&](DWORD nRow, DWORD nCol, DWORD& nNewRow, DWORD& nNewCol) {
                nNewRow = nRow;
                nNewCol = nCol;
                if (!src.Contains(nRow, nCol))
                    return;
                long long rr = nRow + dr, cc = nCol + dc;
                nNewRow = (DWORD)(rr < 1 ? 1 : rr > GX_MAX_ROW ? GX_MAX_ROW : rr);
                nNewCol = (DWORD)(cc < 0 ? 0 : cc > GX_MAX_COL ? GX_MAX_COL : cc);
            };
            DWORD r1, c1, r2, c2;
            moveCorner(r.Row1(), r.Col1(), r1, c1);
            moveCorner(r.Bottom(), r.Right(), r2, c2);
            r.SetRow1(r1);
            r.SetCol1(c1);
            r.SetRow2(r2);
            r.SetCol2(c2);
            GXNormalizeRange(&r);
            c->bNamesChanged = 1;
        }
    }
    GXAddChangedRange(nSheet, src);
    GXAddChangedRange(nSheet, dest);
    return 1;
}

namespace
{
// Index of a row (bRows) or column of a position.
DWORD& IndexOf(BOOL bRows, DWORD& nRow, DWORD& nCol)
{
    return bRows ? nRow : nCol;
}

DWORD MaxIndex(BOOL bRows)
{
    return bRows ? GX_MAX_ROW : GX_MAX_COL;
}

// Sets a range's rows (bRows) or columns to nFirst..nLast.
void SetSpan(GX_RANGE& r, BOOL bRows, DWORD nFirst, DWORD nLast)
{
    if (bRows)
    {
        r.SetRow1(nFirst);
        r.SetRow2(nLast);
    }
    else
    {
        r.SetCol1(nFirst);
        r.SetCol2(nLast);
    }
}

// The whole sheet from index nFrom on, as a changed range.
GX_RANGE From(BOOL bRows, DWORD nFrom)
{
    return bRows ? GXBoxRef(nFrom, 0, GX_MAX_ROW, GX_MAX_COL) : GXBoxRef(1, nFrom, GX_MAX_ROW, GX_MAX_COL);
}

// Applies a corner map to every reference of every formula and to every name. A reference
// whose corners the map drops becomes the error literal; a name keeps its last valid form.
void AdjustReferences(int nSheet, BOOL bRows,
                      const std::function<long long(long long, BOOL bFirst, BOOL& bGone)>& map,
                      SaveOnce& save)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    for (GX_CELL* p : FormulaCells(nSheet))
    {
        BOOL bTouched = FALSE;
        for (int i = 0; i < p->pFormula->nNodes; i++)
        {
            GX_EXPR_NODE& n = p->pFormula->pNodes[i];
            if (!IsRefNode(n))
                continue;
            GX_RANGE& r = n.range;
            BOOL bGone1, bGone2;
            long long a = bRows ? r.Row1() : r.Col1();
            long long b = bRows ? r.Bottom() : r.Right();
            long long na = map(a, TRUE, bGone1);
            long long nb = r.IsSingle() ? na : map(b, FALSE, bGone2);
            if (r.IsSingle())
                bGone2 = bGone1;
            if (na == a && nb == b && !bGone1 && !bGone2)
                continue;
            save(p);
            bTouched = TRUE;
            BOOL bOff = na > nb || (bGone1 && bGone2 && r.IsSingle()) || na > (long long)MaxIndex(bRows) ||
                        na < (bRows ? 1 : 0);
            if (bOff)
            {
                MakeErrorLiteral(n);
                continue;
            }
            if (nb > (long long)MaxIndex(bRows))
                nb = MaxIndex(bRows);
            SetSpan(r, bRows, (DWORD)na, (DWORD)nb);
            GXNormalizeRange(&r);
        }
        if (bTouched)
            p->dwFlags |= GX_CF_STALE;
    }
    for (GX_RANGE_NAME* pName = c->pNames; pName; pName = pName->pNext)
    {
        GX_RANGE& r = pName->range;
        BOOL bGone1, bGone2;
        long long a = bRows ? r.Row1() : r.Col1();
        long long b = bRows ? r.Bottom() : r.Right();
        long long na = map(a, TRUE, bGone1), nb = map(b, FALSE, bGone2);
        long long nMin = bRows ? 1 : 0, nMax = MaxIndex(bRows);
        na = na < nMin ? nMin : na > nMax ? nMax : na;
        nb = nb < nMin ? nMin : nb > nMax ? nMax : nb;
        if (nb < na)
            nb = na;
        SetSpan(r, bRows, (DWORD)na, (DWORD)nb);
        if (r.IsSingle())
            GXNormalizeRange(&r);
        c->bNamesChanged = 1;
    }
}
} // namespace

BOOL GXInsertRowsCols(int nSheet, BOOL bRows, DWORD nAt, DWORD nCount)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c == NULL || nCount == 0)
        return TRUE;
    GX_RANGE extent;
    if (GXGetUsedExtent(nSheet, &extent))
    {
        DWORD nLast = bRows ? extent.Row2() : extent.Col2();
        if (nLast >= nAt && (unsigned long long)nLast + nCount > MaxIndex(bRows))
            return FALSE;
    }
    AdjustScope scope(c);
    PoolLock lock(nSheet);
    SaveOnce save{nSheet, {}};
    AdjustReferences(
        nSheet, bRows, [&](long long n, BOOL, BOOL& bGone) { return ShiftIndex(n, nAt, nCount, bGone); },
        save);
    std::vector<GX_CELL*> cells;
    for (GX_CELL* p : AllCells(nSheet))
        if (IndexOf(bRows, p->nRow, p->nCol) >= nAt)
            cells.push_back(p);
    RelinkCells(nSheet, cells, [&](DWORD& r, DWORD& col) {
        IndexOf(bRows, r, col) += nCount;
        return true;
    });
    GXAddChangedRange(nSheet, From(bRows, nAt));
    return TRUE;
}

BOOL GXRemoveRowsCols(int nSheet, BOOL bRows, DWORD nFirst, DWORD nCount)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c == NULL || nCount == 0)
        return TRUE;
    AdjustScope scope(c);
    PoolLock lock(nSheet);
    GX_RANGE band = bRows ? GXBoxRef(nFirst, 0, nFirst + nCount - 1, GX_MAX_COL)
                          : GXBoxRef(1, nFirst, GX_MAX_ROW, nFirst + nCount - 1);
    GXClearRange(nSheet, band);
    SaveOnce save{nSheet, {}};
    long long nRemove = -(long long)nCount;
    AdjustReferences(
        nSheet, bRows,
        [&](long long n, BOOL bFirstCorner, BOOL& bGone) {
            long long r = ShiftIndex(n, nFirst, nRemove, bGone);
            if (bGone)
                return bFirstCorner ? (long long)nFirst : (long long)nFirst - 1; // shrink to what is left
            return r;
        },
        save);
    std::vector<GX_CELL*> cells;
    for (GX_CELL* p : AllCells(nSheet))
        if (IndexOf(bRows, p->nRow, p->nCol) >= nFirst + nCount)
            cells.push_back(p);
    RelinkCells(nSheet, cells, [&](DWORD& r, DWORD& col) {
        IndexOf(bRows, r, col) -= nCount;
        return true;
    });
    GXAddChangedRange(nSheet, From(bRows, nFirst));
    return TRUE;
}

int GXMoveRowsCols(int nSheet, BOOL bRows, DWORD nFirst, DWORD nLast, DWORD nDest)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c == NULL || nLast < nFirst)
        return 0;
    DWORD nCount = nLast - nFirst + 1;
    DWORD nSpanFirst = nFirst < nDest ? nFirst : nDest;
    DWORD nSpanLast = nLast > nDest + nCount - 1 ? nLast : nDest + nCount - 1;
    if (nSpanLast > MaxIndex(bRows))
        return 0;
    AdjustScope scope(c);
    PoolLock lock(nSheet);
    std::vector<GX_CELL*> cells;
    for (GX_CELL* p : AllCells(nSheet))
    {
        DWORD n = IndexOf(bRows, p->nRow, p->nCol);
        if (n >= nSpanFirst && n <= nSpanLast)
            cells.push_back(p);
    }
    RelinkCells(nSheet, cells, [&](DWORD& r, DWORD& col) {
        DWORD& n = IndexOf(bRows, r, col);
        n = GXMoveIndex(n, nFirst, nLast, nDest);
        return true;
    });
    // References and names move as a whole, by their first corner.
    auto moveWhole = [&](GX_RANGE& r) -> BOOL {
        long long a = bRows ? r.Row1() : r.Col1();
        if (a < nSpanFirst || a > nSpanLast)
            return TRUE;
        long long d = (long long)GXMoveIndex((DWORD)a, nFirst, nLast, nDest) - a;
        long long b = (bRows ? r.Bottom() : r.Right()) + d;
        if (b > (long long)MaxIndex(bRows))
            return FALSE;
        SetSpan(r, bRows, (DWORD)(a + d), (DWORD)b);
        GXNormalizeRange(&r);
        return TRUE;
    };
    SaveOnce save{nSheet, {}};
    for (GX_CELL* p : FormulaCells(nSheet))
        for (int i = 0; i < p->pFormula->nNodes; i++)
        {
            GX_EXPR_NODE& n = p->pFormula->pNodes[i];
            if (!IsRefNode(n))
                continue;
            GX_RANGE before = n.range;
            GX_RANGE after = before;
            BOOL bOk = moveWhole(after);
            if (bOk && after.w1 == before.w1 && after.w2 == before.w2 && after.w3 == before.w3)
                continue;
            save(p);
            if (bOk)
                n.range = after;
            else
                MakeErrorLiteral(n);
        }
    for (GX_RANGE_NAME* pName = c->pNames; pName; pName = pName->pNext)
        moveWhole(pName->range);
    c->bNamesChanged = 1;
    GXAddChangedRange(nSheet, bRows ? GXBoxRef(nSpanFirst, 0, nSpanLast, GX_MAX_COL)
                                    : GXBoxRef(1, nSpanFirst, GX_MAX_ROW, nSpanLast));
    return 1;
}

BOOL GXReorderRowsCols(int nSheet, BOOL bRows, DWORD nFirst, const DWORD* adwOrder, DWORD nCount)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c == NULL || nCount == 0)
        return TRUE;
    // New index of every old index of the sorted span.
    std::vector<DWORD> newIndex(nCount);
    for (DWORD i = 0; i < nCount; i++)
    {
        if (adwOrder[i] < nFirst || adwOrder[i] >= nFirst + nCount)
            return FALSE;
        newIndex[adwOrder[i] - nFirst] = nFirst + i;
    }
    AdjustScope scope(c);
    PoolLock lock(nSheet);
    auto map = [&](DWORD n) { return n >= nFirst && n < nFirst + nCount ? newIndex[n - nFirst] : n; };
    std::vector<GX_CELL*> cells;
    for (GX_CELL* p : AllCells(nSheet))
    {
        DWORD n = IndexOf(bRows, p->nRow, p->nCol);
        if (n >= nFirst && n < nFirst + nCount)
            cells.push_back(p);
    }
    RelinkCells(nSheet, cells, [&](DWORD& r, DWORD& col) {
        DWORD& n = IndexOf(bRows, r, col);
        n = map(n);
        return true;
    });
    // References within one row (column) of the span follow it; wider ones stay.
    SaveOnce save{nSheet, {}};
    for (GX_CELL* p : FormulaCells(nSheet))
        for (int i = 0; i < p->pFormula->nNodes; i++)
        {
            GX_EXPR_NODE& n = p->pFormula->pNodes[i];
            if (!IsRefNode(n))
                continue;
            DWORD a = bRows ? n.range.Row1() : n.range.Col1();
            DWORD b = bRows ? n.range.Bottom() : n.range.Right();
            if (a != b || map(a) == a)
                continue;
            save(p);
            SetSpan(n.range, bRows, map(a), map(a));
        }
    GXAddChangedRange(nSheet, bRows ? GXBoxRef(nFirst, 0, nFirst + nCount - 1, GX_MAX_COL)
                                    : GXBoxRef(1, nFirst, GX_MAX_ROW, nFirst + nCount - 1));
    return TRUE;
}
