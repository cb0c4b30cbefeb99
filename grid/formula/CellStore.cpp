// The cell store: sheets, records, pools, counts and the used extent, and range iteration.
#include "grid/formula/CellStore.h"
#include "grid/formula/Evaluator.h"
#include "grid/formula/FormulaText.h"
#include "grid/formula/RangeNames.h"
#include "grid/core/Style.h"
#include "grid/formula/FormulaSheet.h"
#include <stddef.h>
#include <stdlib.h>
#include <string.h>

namespace
{
const DWORD kFullMask = 0xFFFFFFFFu;

DWORD Bucket(DWORD nRow, DWORD nCol)
{
    return (nCol * 8388607u + nRow) % GX_HASH_SIZE;
}

GX_CELL_BLOCK* BlockOf(const GX_CELL* pCell)
{
    const GX_CELL* pFirst = pCell - pCell->BlockIndex();
    return (GX_CELL_BLOCK*)((const char*)pFirst - offsetof(GX_CELL_BLOCK, cells));
}

void Unchain(GX_CELL_POOL* pPool, GX_CELL_BLOCK* p)
{
    if (p->pPrev)
        p->pPrev->pNext = p->pNext;
    else
        pPool->pFirst = p->pNext;
    if (p->pNext)
        p->pNext->pPrev = p->pPrev;
    else
        pPool->pLast = p->pPrev;
    p->pNext = p->pPrev = NULL;
}

void ChainFront(GX_CELL_POOL* pPool, GX_CELL_BLOCK* p)
{
    p->pPrev = NULL;
    p->pNext = pPool->pFirst;
    if (pPool->pFirst)
        pPool->pFirst->pPrev = p;
    pPool->pFirst = p;
    if (!pPool->pLast)
        pPool->pLast = p;
}

void ChainBack(GX_CELL_POOL* pPool, GX_CELL_BLOCK* p)
{
    p->pNext = NULL;
    p->pPrev = pPool->pLast;
    if (pPool->pLast)
        pPool->pLast->pNext = p;
    pPool->pLast = p;
    if (!pPool->pFirst)
        pPool->pFirst = p;
}

void Compact(GX_CELL_POOL* pPool)
{
    GX_CELL_BLOCK* p = pPool->pFirst;
    while (p)
    {
        GX_CELL_BLOCK* pNext = p->pNext;
        p->dwMark = 0;
        if (p->dwMask == 0)
        {
            Unchain(pPool, p);
            free(p);
        }
        else if (p->dwMask != kFullMask && p != pPool->pFirst)
        {
            Unchain(pPool, p);
            ChainFront(pPool, p);
        }
        p = pNext;
    }
    pPool->bCompactPending = 0;
}

// New size of a count array: grown by a step that depends on its size.
DWORD GrownSize(DWORD nOld, DWORD nNeeded)
{
    if (nOld == 0)
        return nNeeded;
    DWORD nRounded = nOld & ~7u;
    DWORD nStep = nRounded < 32 ? 4 : nRounded <= 8192 ? nOld / 8 : 1024;
    DWORD n = nOld + nStep;
    return n > nNeeded ? n : nNeeded;
}

void Grow(DWORD*& p, DWORD& nSize, DWORD nNeeded)
{
    if (nNeeded <= nSize)
        return;
    DWORD nNew = GrownSize(nSize, nNeeded);
    DWORD* pNew = (DWORD*)realloc(p, nNew * sizeof(DWORD));
    if (pNew == NULL)
        AfxThrowMemoryException();
    memset(pNew + nSize, 0, (nNew - nSize) * sizeof(DWORD));
    p = pNew;
    nSize = nNew;
}

void CountCell(GX_SHEET_CONTEXT* c, DWORD nRow, DWORD nCol)
{
    Grow(c->pRowCounts, c->nRowCountSize, nRow);
    Grow(c->pColCounts, c->nColCountSize, nCol + 1);
    c->pRowCounts[nRow - 1]++;
    c->pColCounts[nCol]++;
    if (!c->bExtentValid)
    {
        c->extent = GXBoxRef(nRow, nCol, nRow, nCol);
        c->bExtentValid = 1;
        return;
    }
    GX_RANGE& e = c->extent;
    if (nRow < e.Row1())
        e.SetRow1(nRow);
    if (nRow > e.Row2())
        e.SetRow2(nRow);
    if (nCol < e.Col1())
        e.SetCol1(nCol);
    if (nCol > e.Col2())
        e.SetCol2(nCol);
}

void UncountCell(GX_SHEET_CONTEXT* c, DWORD nRow, DWORD nCol)
{
    if (nRow - 1 >= c->nRowCountSize || nCol >= c->nColCountSize)
        return;
    BOOL bRowEmpty = --c->pRowCounts[nRow - 1] == 0;
    BOOL bColEmpty = --c->pColCounts[nCol] == 0;
    if (!c->bExtentValid)
        return;
    GX_RANGE& e = c->extent;
    if (bRowEmpty && (nRow == e.Row1() || nRow == e.Row2()))
    {
        DWORD nTop = e.Row1(), nBottom = e.Row2();
        while (nTop <= nBottom && c->pRowCounts[nTop - 1] == 0)
            nTop++;
        while (nBottom >= nTop && nBottom > 0 && c->pRowCounts[nBottom - 1] == 0)
            nBottom--;
        if (nTop > nBottom)
        {
            c->bExtentValid = 0;
            return;
        }
        e.SetRow1(nTop);
        e.SetRow2(nBottom);
    }
    if (bColEmpty && (nCol == e.Col1() || nCol == e.Col2()))
    {
        long nLeft = (long)e.Col1(), nRight = (long)e.Col2();
        while (nLeft <= nRight && c->pColCounts[nLeft] == 0)
            nLeft++;
        while (nRight >= nLeft && c->pColCounts[nRight] == 0)
            nRight--;
        if (nLeft > nRight)
        {
            c->bExtentValid = 0;
            return;
        }
        e.SetCol1((DWORD)nLeft);
        e.SetCol2((DWORD)nRight);
    }
}

BOOL ValidPosition(DWORD nRow, DWORD nCol)
{
    return nRow >= 1 && nRow <= GX_MAX_ROW && nCol <= GX_MAX_COL;
}

int PoolBit(int i)
{
    return 1 << i;
}
} // namespace

GX_RANGE GXCellRef(DWORD nRow, DWORD nCol)
{
    GX_RANGE r = {0, 0, 0};
    r.SetRow1(nRow);
    r.SetRow2(nRow);
    r.SetCol1(nCol);
    r.SetCol2(nCol);
    r.w3 |= GX_RANGE::single;
    return r;
}

GX_RANGE GXBoxRef(DWORD nTop, DWORD nLeft, DWORD nBottom, DWORD nRight)
{
    GX_RANGE r = {0, 0, 0};
    r.SetRow1(nTop);
    r.SetRow2(nBottom);
    r.SetCol1(nLeft);
    r.SetCol2(nRight);
    return r;
}

int GXCreateSheet()
{
    GX_ENGINE_STATE* pState = GXGetEngineState();
    INT_PTR i = 0;
    while (i < pState->m_aSheets.GetSize() && pState->m_aSheets[i] != NULL)
        i++;
    GX_SHEET_CONTEXT* c = (GX_SHEET_CONTEXT*)calloc(1, sizeof(GX_SHEET_CONTEXT));
    if (c == NULL)
        AfxThrowMemoryException();
    pState->m_aSheets.SetAtGrow(i, c);
    return (int)i + 1;
}

GX_SHEET_CONTEXT* GXGetSheetContext(int nSheet)
{
    GX_ENGINE_STATE* pState = GXGetEngineState();
    if (nSheet < 1 || nSheet > pState->m_aSheets.GetSize())
        return NULL;
    return (GX_SHEET_CONTEXT*)pState->m_aSheets[nSheet - 1];
}

void GXDeleteSheet(int nSheet)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c == NULL)
        return;
    GXClearChangedRanges(nSheet);
    GXFreeSavedCells(nSheet);
    free(c->pRowCounts);
    free(c->pColCounts);
    for (int i = 0; i < 3; i++)
        GXDeletePoolCells(&c->pools[i]);
    GXDeleteAllRangeNames(nSheet);
    free(c);
    GXGetEngineState()->m_aSheets[nSheet - 1] = NULL;
}

GX_CELL_POOL* GXGetPool(GX_SHEET_CONTEXT* c, int nPoolBit)
{
    return &c->pools[nPoolBit == GX_POOL_CONST ? 0 : nPoolBit == GX_POOL_FORMULA ? 1 : 2];
}

GX_CELL_POOL* GXPoolOfCell(const GX_CELL* pCell)
{
    return BlockOf(pCell)->pPool;
}

GX_CELL* GXFindCellRecord(int nSheet, DWORD nRow, DWORD nCol)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c == NULL)
        return NULL;
    for (GX_CELL* p = c->apBuckets[Bucket(nRow, nCol)]; p; p = p->pNext)
        if (p->nRow == nRow && p->nCol == nCol)
            return p;
    return NULL;
}

int GXInsertCellRecord(int nSheet, GX_CELL* pCell)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    GX_CELL*& head = c->apBuckets[Bucket(pCell->nRow, pCell->nCol)];
    pCell->pNext = head;
    head = pCell;
    pCell->dwFlags |= GX_CF_LINKED;
    c->nCells++;
    CountCell(c, pCell->nRow, pCell->nCol);
    c->bModified = 1;
    return 1;
}

void GXUnlinkCellRecord(int nSheet, GX_CELL* pCell)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c == NULL || !(pCell->dwFlags & GX_CF_LINKED))
        return;
    GX_CELL** pp = &c->apBuckets[Bucket(pCell->nRow, pCell->nCol)];
    while (*pp && *pp != pCell)
        pp = &(*pp)->pNext;
    if (*pp)
        *pp = pCell->pNext;
    pCell->pNext = NULL;
    pCell->dwFlags &= ~GX_CF_LINKED;
    c->nCells--;
    UncountCell(c, pCell->nRow, pCell->nCol);
    c->bModified = 1;
}

void GXDeleteCellRecord(int nSheet, GX_CELL* pCell)
{
    if (pCell == NULL)
        return;
    GXUnlinkCellRecord(nSheet, pCell);
    GXFreeCellRecord(pCell);
}

GX_CELL* GXAllocCellRecord(GX_CELL_POOL* pPool)
{
    GX_CELL_BLOCK* p = pPool->pFirst;
    if (pPool->bLocked)
        while (p && (p->dwMask == kFullMask || p->dwMark))
            p = p->pNext;
    else if (p && p->dwMask == kFullMask)
        p = NULL;
    if (p == NULL)
    {
        p = (GX_CELL_BLOCK*)calloc(1, sizeof(GX_CELL_BLOCK));
        if (p == NULL)
            AfxThrowMemoryException();
        p->pPool = pPool;
        ChainFront(pPool, p);
    }
    int i = 0;
    while (p->dwMask & (1u << i))
        i++;
    p->dwMask |= 1u << i;
    pPool->nCount++;
    GX_CELL* pCell = &p->cells[i];
    memset(pCell, 0, sizeof(GX_CELL));
    pCell->dwFlags = (DWORD)i << 9;
    if (p->dwMask == kFullMask)
    {
        if (pPool->bLocked)
            pPool->bCompactPending = 1;
        else if (p != pPool->pLast)
        {
            Unchain(pPool, p);
            ChainBack(pPool, p);
        }
    }
    return pCell;
}

namespace
{
void FreeCellContents(GX_CELL* pCell)
{
    delete pCell->pAttached;
    pCell->pAttached = NULL;
    if (pCell->Content() == GX_CONTENT_FORMULA || pCell->Content() == GX_CONTENT_CONSTFORMULA)
        GXFreeFormula(pCell->pFormula);
    pCell->pFormula = NULL;
    if (pCell->ValueKind() == GX_CELLVALUE_HEAPSTR)
        free(pCell->pszValue);
    pCell->SetValueKind(0);
}

void ReleaseSlot(GX_CELL* pCell);
} // namespace

GX_CELL* GXDetachCellRecord(GX_CELL* pCell)
{
    GX_CELL* p = (GX_CELL*)malloc(sizeof(GX_CELL));
    if (p == NULL)
        AfxThrowMemoryException();
    *p = *pCell;
    p->pNext = NULL;
    p->dwFlags &= ~(GX_CF_LINKED | (0x3Fu << 9));
    pCell->pAttached = NULL;
    pCell->pFormula = NULL;
    pCell->SetValueKind(0);
    ReleaseSlot(pCell);
    return p;
}

GX_CELL* GXReattachCellRecord(int nSheet, GX_CELL* pDetached)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    int nContent = pDetached->Content();
    int nPool = nContent == GX_CONTENT_FORMULA ? GX_POOL_FORMULA
                : nContent == GX_CONTENT_NONE  ? GX_POOL_PLACEHOLDER
                                               : GX_POOL_CONST;
    GX_CELL* p = GXAllocCellRecord(GXGetPool(c, nPool));
    DWORD dwIndexBits = p->dwFlags & (0x3Fu << 9);
    *p = *pDetached;
    p->dwFlags = (pDetached->dwFlags & ~(GX_CF_LINKED | (0x3Fu << 9))) | dwIndexBits;
    free(pDetached);
    return p;
}

void GXFreeDetachedCell(GX_CELL* pDetached)
{
    if (pDetached == NULL)
        return;
    FreeCellContents(pDetached);
    free(pDetached);
}

void GXFreeCellRecord(GX_CELL* pCell)
{
    if (pCell == NULL)
        return;
    FreeCellContents(pCell);
    ReleaseSlot(pCell);
}

namespace
{
void ReleaseSlot(GX_CELL* pCell)
{
    GX_CELL_BLOCK* p = BlockOf(pCell);
    GX_CELL_POOL* pPool = p->pPool;
    p->dwMask &= ~(1u << pCell->BlockIndex());
    pPool->nCount--;
    if (pPool->bLocked)
    {
        // The slot stays untouched until the pool is unlocked: iterators and the recalculation
        // may still look at it.
        p->dwMark = 1;
        pPool->bCompactPending = 1;
        return;
    }
    if (p->dwMask == 0)
    {
        Unchain(pPool, p);
        free(p);
    }
    else if (p != pPool->pFirst)
    {
        Unchain(pPool, p);
        ChainFront(pPool, p);
    }
}
} // namespace

void GXDeletePoolCells(GX_CELL_POOL* pPool)
{
    int bLocked = pPool->bLocked;
    pPool->bLocked = 0;
    while (GX_CELL_BLOCK* p = pPool->pFirst)
    {
        for (int i = 0; i < GX_BLOCK_CELLS; i++)
            if (p->dwMask & (1u << i))
            {
                GX_CELL* pCell = &p->cells[i];
                delete pCell->pAttached;
                if (pCell->Content() == GX_CONTENT_FORMULA || pCell->Content() == GX_CONTENT_CONSTFORMULA)
                    GXFreeFormula(pCell->pFormula);
                if (pCell->ValueKind() == GX_CELLVALUE_HEAPSTR)
                    free(pCell->pszValue);
            }
        Unchain(pPool, p);
        free(p);
    }
    pPool->nCount = 0;
    pPool->bCompactPending = 0;
    pPool->bLocked = bLocked;
}

GX_CELL* GXCopyCellRecord(GX_CELL_POOL* pPool, const GX_CELL* pSrc)
{
    GX_CELL* p = GXAllocCellRecord(pPool);
    DWORD dwIndexBits = p->dwFlags & (0x3Fu << 9);
    *p = *pSrc;
    p->pNext = NULL;
    p->dwFlags = (pSrc->dwFlags & ~(GX_CF_LINKED | (0x3Fu << 9))) | dwIndexBits;
    if (pSrc->ValueKind() == GX_CELLVALUE_HEAPSTR && pSrc->pszValue)
        p->pszValue = strdup(pSrc->pszValue);
    p->pFormula = NULL;
    if (pSrc->Content() == GX_CONTENT_FORMULA || pSrc->Content() == GX_CONTENT_CONSTFORMULA)
        p->pFormula = GXCopyFormula(pSrc->pFormula);
    p->pAttached = NULL;
    if (CGXStyle* pStyle = dynamic_cast<CGXStyle*>(pSrc->pAttached))
        p->pAttached = pStyle->Clone();
    return p;
}

CObject* GXTakeAttachedObject(GX_CELL* pCell)
{
    if (pCell == NULL)
        return NULL;
    CObject* p = pCell->pAttached;
    pCell->pAttached = NULL;
    return p;
}

void GXSetAttachedObject(GX_CELL* pCell, CObject* pObject)
{
    if (pCell->pAttached != pObject)
        delete pCell->pAttached;
    pCell->pAttached = pObject;
}

void GXSaveForUndo(int nSheet, GX_CELL* pCell)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    GX_SAVED_CELL* p = new GX_SAVED_CELL;
    p->pCell = pCell;
    p->pNext = c->pSaved;
    c->pSaved = p;
}

void GXFreeSavedCells(int nSheet)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    while (GX_SAVED_CELL* p = c->pSaved)
    {
        c->pSaved = p->pNext;
        GXFreeCellRecord(p->pCell);
        delete p;
    }
}

void GXRemoveCellAt(int nSheet, DWORD nRow, DWORD nCol)
{
    GX_CELL* pOld = GXFindCellRecord(nSheet, nRow, nCol);
    if (pOld == NULL)
        return;
    GXUnlinkCellRecord(nSheet, pOld);
    if (GXGetSheetContext(nSheet)->bKeepUndo)
        GXSaveForUndo(nSheet, pOld);
    else
        GXFreeCellRecord(pOld);
}

void GXReplaceCellRecord(int nSheet, GX_CELL* pCell)
{
    GXRemoveCellAt(nSheet, pCell->nRow, pCell->nCol);
    GXInsertCellRecord(nSheet, pCell);
}

namespace
{
// The old cell's style goes to its successor; with undo information kept the saved record
// keeps its own copy.
CObject* TakeOldStyle(int nSheet, DWORD nRow, DWORD nCol)
{
    GX_CELL* pOld = GXFindCellRecord(nSheet, nRow, nCol);
    if (pOld == NULL)
        return NULL;
    if (GXGetSheetContext(nSheet)->bKeepUndo)
    {
        CGXStyle* pStyle = dynamic_cast<CGXStyle*>(pOld->pAttached);
        return pStyle ? pStyle->Clone() : NULL;
    }
    return GXTakeAttachedObject(pOld);
}

void PutCell(int nSheet, GX_CELL* pCell, DWORD nRow, DWORD nCol)
{
    pCell->nRow = nRow;
    pCell->nCol = nCol;
    pCell->pAttached = TakeOldStyle(nSheet, nRow, nCol);
    GXReplaceCellRecord(nSheet, pCell);
}
} // namespace

int GXStoreFormula(int nSheet, DWORD nRow, DWORD nCol, const char* pszFormula, const GX_VALUE* pValue)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c == NULL || !ValidPosition(nRow, nCol))
        return 0;
    GX_FORMULA formula;
    if (!GXParseFormula(nSheet, pszFormula, &formula))
        return 0;
    c->bModified = 1;
    GX_EXPR_NODE* pRoot = formula.nValueRoot != GX_NO_NODE ? &formula.pNodes[formula.nValueRoot] : NULL;
    if (pRoot && pRoot->nKind == GX_NODE_NUMBER && !(pRoot->nFlags & GX_NF_HEX) &&
        formula.nConstraintRoot == GX_NO_NODE && formula.nTargetRoot == GX_NO_NODE &&
        formula.pszComment == NULL)
    {
        double d = pRoot->dValue;
        GXFreeFormulaParts(&formula);
        GX_CELL* pCell = GXAllocCellRecord(GXGetPool(c, GX_POOL_CONST));
        pCell->dwFlags |= GX_CONTENT_NUMBER;
        pCell->SetValueKind(GX_CELLVALUE_NUMBER);
        pCell->dValue = d;
        PutCell(nSheet, pCell, nRow, nCol);
        return 1;
    }
    BOOL bDependent = GXExprHasReferences(formula.pNodes, formula.nNodes) ||
                      GXExprHasFunctionCall(formula.pNodes, formula.nNodes);
    GX_CELL* pCell = GXAllocCellRecord(GXGetPool(c, bDependent ? GX_POOL_FORMULA : GX_POOL_CONST));
    pCell->dwFlags |= bDependent ? GX_CONTENT_FORMULA : GX_CONTENT_CONSTFORMULA;
    pCell->pFormula = GXNewFormula();
    *pCell->pFormula = formula;
    pCell->nStamp = c->nGeneration;
    if (bDependent && pValue != NULL)
    {
        GXSetCellValue(pCell, *pValue);
        pCell->dwFlags |= GX_CF_CURRENT | GX_CF_CHANGED;
    }
    PutCell(nSheet, pCell, nRow, nCol);
    if (!bDependent)
        GXEvaluateCell(nSheet, pCell);
    return 1;
}

int GXStoreNumber(int nSheet, DWORD nRow, DWORD nCol, double d)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c == NULL || !ValidPosition(nRow, nCol))
        return 0;
    GX_CELL* pCell = GXAllocCellRecord(GXGetPool(c, GX_POOL_CONST));
    pCell->dwFlags |= GX_CONTENT_NUMBER;
    pCell->SetValueKind(GX_CELLVALUE_NUMBER);
    pCell->dValue = d;
    PutCell(nSheet, pCell, nRow, nCol);
    return 1;
}

int GXStoreText(int nSheet, DWORD nRow, DWORD nCol, const char* pszText)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c == NULL || !ValidPosition(nRow, nCol))
        return 0;
    char sz[GX_MAX_TEXT + 1];
    GXUnescapeText(sz, pszText);
    GX_CELL* pCell = GXAllocCellRecord(GXGetPool(c, GX_POOL_CONST));
    pCell->dwFlags |= GX_CONTENT_TEXT;
    GX_VALUE v;
    v.nKind = GX_VALUE_STRING;
    v.pszValue = sz;
    GXSetCellValue(pCell, v);
    PutCell(nSheet, pCell, nRow, nCol);
    return 1;
}

void GXSetCellValue(GX_CELL* pCell, const GX_VALUE& value)
{
    if (pCell->ValueKind() == GX_CELLVALUE_HEAPSTR)
        free(pCell->pszValue);
    pCell->pszValue = NULL;
    switch (value.nKind)
    {
    case GX_VALUE_NUMBER:
        pCell->dValue = value.dValue;
        pCell->SetValueKind(GX_CELLVALUE_NUMBER);
        break;
    case GX_VALUE_STRING: {
        size_t n = value.pszValue ? strlen(value.pszValue) : 0;
        if (n > 8)
        {
            if (n > GX_MAX_TEXT)
                n = GX_MAX_TEXT;
            pCell->pszValue = (char*)malloc(n + 1);
            memcpy(pCell->pszValue, value.pszValue, n);
            pCell->pszValue[n] = 0;
            pCell->SetValueKind(GX_CELLVALUE_HEAPSTR);
        }
        else
        {
            memset(pCell->szValue, 0, 8);
            if (n)
                memcpy(pCell->szValue, value.pszValue, n);
            pCell->SetValueKind(GX_CELLVALUE_INLINESTR);
        }
        break;
    }
    case GX_VALUE_ERROR:
        pCell->error.nCode = value.error.nCode;
        pCell->error.pszDetail = value.error.pszDetail;
        pCell->SetValueKind(GX_CELLVALUE_ERROR);
        break;
    default:
        pCell->SetValueKind((int)value.nKind);
        break;
    }
}

CString GXCellText(const GX_CELL* pCell)
{
    if (pCell->ValueKind() == GX_CELLVALUE_HEAPSTR)
        return CString(pCell->pszValue);
    if (pCell->ValueKind() == GX_CELLVALUE_INLINESTR)
    {
        char sz[9];
        memcpy(sz, pCell->szValue, 8);
        sz[8] = 0;
        return CString(sz);
    }
    return CString();
}

CString GXCellDisplayText(int nSheet, GX_CELL* pCell)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c != NULL && c->pOwner != NULL)
        return c->pOwner->GetValueText(pCell);
    if (pCell->ValueKind() == GX_CELLVALUE_NUMBER)
    {
        CString s;
        s.Format("%.14g", pCell->dValue);
        return s;
    }
    return GXCellText(pCell);
}

GX_CELL* GXGetCellValue(int nSheet, DWORD nRow, DWORD nCol, GX_VALUE* pValue)
{
    pValue->nKind = GX_CELLVALUE_NONE;
    GX_CELL* pCell = GXFindCellRecord(nSheet, nRow, nCol);
    if (pCell == NULL)
        return NULL;
    if (pCell->Content() == GX_CONTENT_FORMULA && !(pCell->dwFlags & GX_CF_CURRENT))
    {
        int nLocked = GXLockPools(nSheet, GX_POOL_ALL);
        GXRecalcCell(nSheet, pCell);
        GXUnlockPools(nSheet, nLocked);
    }
    pValue->nKind = (DWORD)pCell->ValueKind();
    switch (pCell->ValueKind())
    {
    case GX_CELLVALUE_NUMBER:
        pValue->dValue = pCell->dValue;
        break;
    case GX_CELLVALUE_HEAPSTR:
        pValue->pszValue = GXStrDup(pCell->pszValue);
        break;
    case GX_CELLVALUE_INLINESTR:
        pValue->pszValue = GXShortStrDup(pCell->szValue);
        pValue->nKind = GX_CELLVALUE_HEAPSTR;
        break;
    case GX_CELLVALUE_ERROR:
        pValue->error.nCode = pCell->error.nCode;
        pValue->error.pszDetail = pCell->error.pszDetail;
        break;
    }
    return pCell;
}

void GXSetCellFormula(GX_CELL* pCell, const GX_FORMULA* pFormula)
{
    GXFreeFormula(pCell->pFormula);
    pCell->pFormula = GXCopyFormula(pFormula);
}

GX_CELL* GXAddPlaceholderCell(int nSheet, DWORD nRow, DWORD nCol)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c == NULL || !ValidPosition(nRow, nCol))
        return NULL;
    GX_CELL* pCell = GXAllocCellRecord(GXGetPool(c, GX_POOL_PLACEHOLDER));
    pCell->nRow = nRow;
    pCell->nCol = nCol;
    GXInsertCellRecord(nSheet, pCell);
    return pCell;
}

int GXLockPools(int nSheet, int nMask)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    int nWasUnlocked = 0;
    for (int i = 0; i < 3; i++)
        if (nMask & PoolBit(i))
        {
            if (!c->pools[i].bLocked)
                nWasUnlocked |= PoolBit(i);
            c->pools[i].bLocked = 1;
        }
    return nWasUnlocked;
}

void GXUnlockPools(int nSheet, int nMask)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    for (int i = 0; i < 3; i++)
        if (nMask & PoolBit(i))
        {
            c->pools[i].bLocked = 0;
            if (c->pools[i].bCompactPending)
                Compact(&c->pools[i]);
        }
}

int GXCountPoolCells(int nSheet, int nMask)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    int n = 0;
    for (int i = 0; i < 3; i++)
        if (nMask & PoolBit(i))
            n += c->pools[i].nCount;
    return n;
}

void GXRangeIterInit(GX_RANGE_ITER* it, int nSheet, const GX_RANGE& range, int nPoolMask)
{
    memset(it, 0, sizeof(*it));
    it->nSheet = nSheet;
    it->range = range;
    it->nPoolMask = nPoolMask;
    it->bScan = range.CellCount() >= (unsigned long long)GXCountPoolCells(nSheet, nPoolMask);
    it->nPool = -1;
    it->nRow = range.Row1();
    it->nCol = range.Col1();
}

GX_CELL* GXRangeIterNext(GX_RANGE_ITER* it)
{
    if (it->bDone)
        return NULL;
    GX_SHEET_CONTEXT* c = GXGetSheetContext(it->nSheet);
    if (it->bScan)
    {
        for (;;)
        {
            if (it->pBlock == NULL || it->nSlot >= GX_BLOCK_CELLS)
            {
                if (it->pBlock != NULL)
                    it->pBlock = it->pBlock->pNext;
                while (it->pBlock == NULL)
                {
                    if (++it->nPool >= 3)
                    {
                        it->bDone = TRUE;
                        return NULL;
                    }
                    if (it->nPoolMask & PoolBit(it->nPool))
                        it->pBlock = c->pools[it->nPool].pFirst;
                }
                it->nSlot = 0;
            }
            int i = it->nSlot++;
            if (!(it->pBlock->dwMask & (1u << i)))
                continue;
            GX_CELL* p = &it->pBlock->cells[i];
            if ((p->dwFlags & GX_CF_LINKED) && it->range.Contains(p->nRow, p->nCol))
                return p;
        }
    }
    while (it->nCol <= it->range.Right())
    {
        DWORD nRow = it->nRow, nCol = it->nCol;
        if (++it->nRow > it->range.Bottom())
        {
            it->nRow = it->range.Row1();
            it->nCol++;
        }
        GX_CELL* p = GXFindCellRecord(it->nSheet, nRow, nCol);
        if (p && (it->nPoolMask & 7) != 7)
        {
            GX_CELL_POOL* pPool = GXPoolOfCell(p);
            int nBit = PoolBit((int)(pPool - c->pools));
            if (!(it->nPoolMask & nBit))
                p = NULL;
        }
        if (p)
            return p;
    }
    it->bDone = TRUE;
    return NULL;
}

void GXPoolIterInit(GX_POOL_ITER* it, GX_CELL_POOL* pPool)
{
    it->pBlock = pPool->pFirst;
    it->nSlot = 0;
}

GX_CELL* GXPoolIterNext(GX_POOL_ITER* it)
{
    while (it->pBlock)
    {
        if (it->nSlot >= GX_BLOCK_CELLS)
        {
            it->pBlock = it->pBlock->pNext;
            it->nSlot = 0;
            continue;
        }
        int i = it->nSlot++;
        if (it->pBlock->dwMask & (1u << i))
            return &it->pBlock->cells[i];
    }
    return NULL;
}

int GXGetUsedExtent(int nSheet, GX_RANGE* pRange)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (!c->bExtentValid)
        return 0;
    *pRange = c->extent;
    return 1;
}

int GXClipToUsedExtent(int nSheet, GX_RANGE* pRange)
{
    GX_RANGE e;
    if (!GXGetUsedExtent(nSheet, &e))
        return 0;
    GX_RANGE r = *pRange;
    DWORD nTop = r.Row1() > e.Row1() ? r.Row1() : e.Row1();
    DWORD nBottom = r.Bottom() < e.Row2() ? r.Bottom() : e.Row2();
    DWORD nLeft = r.Col1() > e.Col1() ? r.Col1() : e.Col1();
    DWORD nRight = r.Right() < e.Col2() ? r.Right() : e.Col2();
    if (nTop > nBottom || nLeft > nRight)
        return 0;
    *pRange = GXBoxRef(nTop, nLeft, nBottom, nRight);
    return 1;
}

namespace
{
int SetFlagOption(int nSheet, int GX_SHEET_CONTEXT::*pField, int n, int nMax)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c == NULL || n < 0 || n > nMax)
        return 0;
    c->*pField = n;
    return 1;
}
int GetOption(int nSheet, int GX_SHEET_CONTEXT::*pField)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    return c ? c->*pField : 0;
}
} // namespace

int GXSetRecalcMode(int nSheet, int n)
{
    return SetFlagOption(nSheet, &GX_SHEET_CONTEXT::nRecalcMode, n, 1);
}
int GXGetRecalcMode(int nSheet)
{
    return GetOption(nSheet, &GX_SHEET_CONTEXT::nRecalcMode);
}
int GXSetForeground(int nSheet, int n)
{
    return SetFlagOption(nSheet, &GX_SHEET_CONTEXT::bForeground, n, 1);
}
int GXGetForeground(int nSheet)
{
    return GetOption(nSheet, &GX_SHEET_CONTEXT::bForeground);
}
int GXSetConstraintCheck(int nSheet, int n)
{
    return SetFlagOption(nSheet, &GX_SHEET_CONTEXT::bConstraintCheck, n, 1);
}
int GXGetConstraintCheck(int nSheet)
{
    return GetOption(nSheet, &GX_SHEET_CONTEXT::bConstraintCheck);
}
int GXSetIterationLimit(int nSheet, int n)
{
    return SetFlagOption(nSheet, &GX_SHEET_CONTEXT::nIterationLimit, n, 100);
}
int GXGetIterationLimit(int nSheet)
{
    return GetOption(nSheet, &GX_SHEET_CONTEXT::nIterationLimit);
}
int GXSetBlankIsZero(int nSheet, int n)
{
    return SetFlagOption(nSheet, &GX_SHEET_CONTEXT::bBlankIsZero, n, 1);
}
int GXGetBlankIsZero(int nSheet)
{
    return GetOption(nSheet, &GX_SHEET_CONTEXT::bBlankIsZero);
}
