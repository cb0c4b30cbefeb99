// Storing results, constraints and the recalculation of a sheet. Bringing a cell up to date
// walks its precedents with an explicit work stack, so that a long chain of formulas cannot
// exhaust the machine stack.
#include "grid/formula/Evaluator.h"
#include "grid/formula/FormulaParser.h"
#include "grid/formula/FormulaText.h"
#include <stdio.h>
#include <string.h>
#include <vector>

namespace
{
void SetChanged(GX_CELL* pCell)
{
    pCell->dwFlags |= GX_CF_CHANGED;
}

// Stores an evaluation result into a cell; only real changes mark the cell.
void StoreResult(int nSheet, GX_CELL* pCell, GX_VALUE v)
{
    if (v.nKind == GX_VALUE_CELL)
    {
        int nMarker = GXGetEvalState()->nMarker;
        GXGetEvalState()->nMarker = 0; // resolving outside an evaluation records, never throws
        v = GXResolveValue(nSheet, v);
        GXGetEvalState()->nMarker = nMarker;
    }
    if (v.nKind == GX_VALUE_RANGE || v.nKind == GX_VALUE_CELL)
        v = GXErrorValue(GX_ERR_ISRANGE, NULL);
    switch (v.nKind)
    {
    case GX_VALUE_EMPTY:
        if (pCell->ValueKind() != GX_CELLVALUE_EMPTY)
        {
            GXSetCellValue(pCell, GXNumberValue(0)); // frees a heap string
            pCell->SetValueKind(GX_CELLVALUE_EMPTY);
            SetChanged(pCell);
        }
        break;
    case GX_VALUE_ERROR:
        if (pCell->ValueKind() == GX_CELLVALUE_ERROR && pCell->error.nCode == v.error.nCode &&
            pCell->error.pszDetail == v.error.pszDetail)
            break;
        GXSetCellValue(pCell, v);
        SetChanged(pCell);
        if (GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet))
            if (c->bReportNextError)
            {
                GXReportCellError(nSheet, pCell);
                c->bReportNextError = 0;
            }
        break;
    case GX_VALUE_NUMBER:
        if (pCell->ValueKind() == GX_CELLVALUE_NUMBER && pCell->dValue == v.dValue)
            break;
        GXSetCellValue(pCell, v);
        SetChanged(pCell);
        break;
    case GX_VALUE_STRING: {
        size_t n = strlen(v.pszValue);
        BOOL bSame =
            n > 8
                ? pCell->ValueKind() == GX_CELLVALUE_HEAPSTR && strcmp(pCell->pszValue, v.pszValue) == 0
                : pCell->ValueKind() == GX_CELLVALUE_INLINESTR && strncmp(pCell->szValue, v.pszValue, 8) == 0;
        if (!bSame)
        {
            GXSetCellValue(pCell, v);
            SetChanged(pCell);
        }
        GXFreeMemory(v.pszValue);
        break;
    }
    default:
        if (pCell->ValueKind() != GX_CELLVALUE_NONE)
        {
            GXSetCellValue(pCell, GXNumberValue(0));
            pCell->SetValueKind(GX_CELLVALUE_NONE);
            SetChanged(pCell);
        }
        break;
    }
}

BOOL IsReferenceNode(const GX_EXPR_NODE& n)
{
    return n.nKind == GX_NODE_CELL || n.nKind == GX_NODE_RANGE || n.nKind == GX_NODE_NAMEDCELL ||
           n.nKind == GX_NODE_NAMEDRANGE;
}

GX_RANGE NodeRange(const GX_EXPR_NODE& n)
{
    return n.nKind == GX_NODE_NAMEDCELL || n.nKind == GX_NODE_NAMEDRANGE ? n.pName->range : n.range;
}

BOOL Overlap(const GX_RANGE& a, const GX_RANGE& b)
{
    return a.Row1() <= b.Bottom() && b.Row1() <= a.Bottom() && a.Col1() <= b.Right() && b.Col1() <= a.Right();
}

// One cell being brought up to date, with where its walk over the precedents stands.
struct Frame
{
    GX_CELL* pCell;
    int nNode;
    int nLo, nHi; // the constraint's nodes, skipped
    BOOL bIterating;
    GX_RANGE_ITER iter;
    BOOL bMust;
    GX_CELL* pVisiting;
};

BOOL Enter(std::vector<Frame>& stack, GX_CELL* pCell)
{
    if (pCell->dwFlags & GX_CF_CURRENT)
        return FALSE;
    pCell->dwFlags |= GX_CF_CURRENT | GX_CF_EVALUATING;
    Frame f;
    memset(&f, 0, sizeof(f));
    f.pCell = pCell;
    f.nNode = -1;
    f.nLo = 1;
    f.nHi = 0;
    f.bMust = (pCell->dwFlags & GX_CF_STALE) != 0;
    const GX_FORMULA* pFormula = pCell->pFormula;
    if (pFormula && pFormula->nConstraintRoot != GX_NO_NODE)
    {
        WORD lo = pFormula->nConstraintRoot, hi = lo;
        while (pFormula->pNodes[lo].nLink1 != GX_NO_NODE)
            lo = pFormula->pNodes[lo].nLink1;
        while (pFormula->pNodes[hi].nLink2 != GX_NO_NODE)
            hi = pFormula->pNodes[hi].nLink2;
        f.nLo = lo < pFormula->nConstraintRoot ? lo : pFormula->nConstraintRoot;
        f.nHi = hi > pFormula->nConstraintRoot ? hi : pFormula->nConstraintRoot;
    }
    stack.push_back(f);
    return TRUE;
}

// The next formula cell that the frame's formula refers to, or NULL when the walk is done.
GX_CELL* NextPrecedent(int nSheet, Frame& f)
{
    const GX_FORMULA* pFormula = f.pCell->pFormula;
    for (;;)
    {
        if (f.bIterating)
        {
            while (GX_CELL* p = GXRangeIterNext(&f.iter))
                if (p->Content() == GX_CONTENT_FORMULA)
                    return p;
            f.bIterating = FALSE;
        }
        if (pFormula == NULL || ++f.nNode >= pFormula->nNodes)
            return NULL;
        const GX_EXPR_NODE& n = pFormula->pNodes[f.nNode];
        if ((f.nNode >= f.nLo && f.nNode <= f.nHi) || (n.nFlags & GX_NF_NODEPS) || !IsReferenceNode(n))
            continue;
        GX_RANGE r = NodeRange(n);
        if (r.CellCount() == 1)
        {
            // One cell, the common case: looked up at once rather than through a range walk.
            GX_CELL* p = GXFindCellRecord(nSheet, r.Row1(), r.Col1());
            if (p != NULL && p->Content() == GX_CONTENT_FORMULA &&
                GXPoolOfCell(p) == GXGetPool(GXGetSheetContext(nSheet), GX_POOL_FORMULA))
                return p;
            continue;
        }
        GXRangeIterInit(&f.iter, nSheet, r, GX_POOL_FORMULA);
        f.bIterating = TRUE;
    }
}
} // namespace

int GXEvaluateCell(int nSheet, GX_CELL* pCell)
{
    if (pCell->pFormula == NULL || pCell->pFormula->nValueRoot == GX_NO_NODE)
        return 0;
    GX_VALUE v = GXEvaluateExpression(nSheet, pCell->nRow, pCell->nCol, pCell->pFormula->pNodes,
                                      pCell->pFormula->nValueRoot);
    StoreResult(nSheet, pCell, v);
    return 1;
}

int GXCheckConstraint(int nSheet, GX_CELL* pCell)
{
    if (pCell->pFormula == NULL || pCell->pFormula->nConstraintRoot == GX_NO_NODE)
        return 1;
    GX_VALUE v = GXEvaluateExpression(nSheet, pCell->nRow, pCell->nCol, pCell->pFormula->pNodes,
                                      pCell->pFormula->nConstraintRoot);
    BOOL bViolated = v.nKind == GX_VALUE_NUMBER && v.dValue == 0;
    GXReleaseValue(v);
    BOOL bWas = (pCell->dwFlags & GX_CF_VIOLATED) != 0;
    if (bViolated)
        pCell->dwFlags |= GX_CF_VIOLATED;
    else
        pCell->dwFlags &= ~GX_CF_VIOLATED;
    if (bWas != bViolated)
        SetChanged(pCell);
    return bViolated ? 0 : 1;
}

void GXRecalcCell(int nSheet, GX_CELL* pCell)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    // The walk's stack is kept from one call to the next: a long chain of formulas needs a deep
    // one, and growing it anew for every cell cost more than evaluating the cells. A call made
    // while another one walks (a formula of another sheet) has a stack of its own.
    static thread_local std::vector<Frame> s_stack;
    static thread_local int s_nWalking = 0;
    std::vector<Frame> own;
    std::vector<Frame>& stack = s_nWalking == 0 ? s_stack : own;
    struct Walking
    {
        std::vector<Frame>& stack;
        Walking(std::vector<Frame>& s) : stack(s)
        {
            s_nWalking++;
        }
        ~Walking()
        {
            s_nWalking--;
            stack.clear();
        }
    } walking(stack);
    if (!Enter(stack, pCell))
        return;
    while (!stack.empty())
    {
        Frame& f = stack.back();
        GX_CELL* pVisited = f.pVisiting;
        f.pVisiting = NULL;
        if (pVisited == NULL)
        {
            pVisited = NextPrecedent(nSheet, f);
            if (pVisited == NULL)
            {
                if (f.bMust)
                {
                    GXEvaluateCell(nSheet, f.pCell);
                    f.pCell->dwFlags &= ~GX_CF_STALE;
                    f.pCell->nStamp = c->nGeneration;
                }
                f.pCell->dwFlags &= ~GX_CF_EVALUATING;
                stack.pop_back();
                continue;
            }
            if (pVisited->dwFlags & GX_CF_EVALUATING)
            {
                // Every cell on the stack from the visited one up to here is part of the cycle.
                for (size_t i = stack.size(); i-- > 0;)
                {
                    stack[i].pCell->dwFlags |= GX_CF_CYCLE;
                    if (stack[i].pCell == pVisited)
                        break;
                }
            }
            else if (!(pVisited->dwFlags & GX_CF_CURRENT))
            {
                f.pVisiting = pVisited;
                Enter(stack, pVisited); // f is no longer valid
                continue;
            }
        }
        Frame& g = stack.back();
        if (pVisited->dwFlags & GX_CF_CYCLE)
            c->bCycleFound = 1;
        if (!(g.pCell->dwFlags & GX_CF_LINKED))
        {
            // Unlinked meanwhile: it keeps its old value.
            g.pCell->dwFlags &= ~GX_CF_EVALUATING;
            stack.pop_back();
            continue;
        }
        if ((int)(pVisited->nStamp - g.pCell->nStamp) > 0)
            g.bMust = TRUE;
    }
}

int GXCellNeedsRecalc(int nSheet, const GX_CELL* pCell)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c->pChanged == NULL)
        return 1;
    for (GX_CHANGED_RANGE* p = c->pChanged; p; p = p->pNext)
        if (p->range.Contains(pCell->nRow, pCell->nCol))
            return 1;
    const GX_FORMULA* pFormula = pCell->pFormula;
    if (pFormula == NULL)
        return 0;
    for (int i = 0; i < pFormula->nNodes; i++)
    {
        const GX_EXPR_NODE& n = pFormula->pNodes[i];
        if (!IsReferenceNode(n))
            continue;
        GX_RANGE r = NodeRange(n);
        for (GX_CHANGED_RANGE* p = c->pChanged; p; p = p->pNext)
            if (Overlap(r, p->range))
                return 1;
    }
    return 0;
}

int GXCountConstraintViolations(int nSheet, int nPoolBit)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    GX_POOL_ITER it;
    GXPoolIterInit(&it, GXGetPool(c, nPoolBit));
    int n = 0;
    while (GX_CELL* p = GXPoolIterNext(&it))
        if ((p->dwFlags & GX_CF_LINKED) && p->ValueKind() != GX_CELLVALUE_ERROR &&
            !GXCheckConstraint(nSheet, p))
            n++;
    return n;
}

int GXRecalcPass(int nSheet)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    GX_CELL_POOL* pPool = GXGetPool(c, GX_POOL_FORMULA);
    BOOL bChanged = FALSE;
    GX_POOL_ITER it;
    GXPoolIterInit(&it, pPool);
    while (GX_CELL* p = GXPoolIterNext(&it))
    {
        if (!(p->dwFlags & GX_CF_LINKED))
            continue;
        p->dwFlags &= ~(GX_CF_CURRENT | GX_CF_EVALUATING | GX_CF_CYCLE);
        if (GXCellNeedsRecalc(nSheet, p))
        {
            p->dwFlags |= GX_CF_STALE;
            bChanged = TRUE;
        }
    }
    int nLocked = GXLockPools(nSheet, GX_POOL_ALL);
    if (bChanged)
    {
        c->nGeneration++;
        if (c->bForeground)
        {
            GXPoolIterInit(&it, pPool);
            while (GX_CELL* p = GXPoolIterNext(&it))
                if ((p->dwFlags & GX_CF_LINKED) && !(p->dwFlags & GX_CF_CURRENT))
                    GXRecalcCell(nSheet, p);
        }
    }
    GXUnlockPools(nSheet, nLocked);
    if (c->bConstraintCheck && c->bReportNextError)
    {
        int n = GXCountConstraintViolations(nSheet, GX_POOL_CONST) +
                GXCountConstraintViolations(nSheet, GX_POOL_FORMULA);
        if (n == 1)
            strcpy(c->szMessage, "There is 1 constraint violation!");
        else if (n > 1)
            sprintf(c->szMessage, "There are %d constraint violations!", n);
        if (n > 0)
            c->bReportNextError = 0;
        return n;
    }
    return 0;
}

int GXRecalc(int nSheet)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c->nRecalcMode == 1)
    {
        GXClearChangedRanges(nSheet);
        return 0;
    }
    c->nRunning |= 1;
    c->bCycleFound = 0;
    GXRecalcPass(nSheet);
    if (c->bCycleFound)
    {
        c->nRunning |= 64;
        for (int nIteration = 1; nIteration <= c->nIterationLimit; nIteration++)
            if (GXRecalcPass(nSheet) == 0 && c->bConstraintCheck)
                break;
    }
    GXClearChangedRanges(nSheet);
    c->nRunning = 0;
    return 1;
}

int GXRecalcForced(int nSheet)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    int nMode = c->nRecalcMode;
    c->nRecalcMode = 0;
    c->nRunning |= 2;
    GXRecalc(nSheet);
    c->nRunning = 0;
    c->nRecalcMode = nMode;
    return 1;
}

void GXAddChangedRange(int nSheet, const GX_RANGE& range)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    GX_RANGE r = GXBoxRef(range.Row1(), range.Col1(), range.Bottom(), range.Right());
    for (GX_CHANGED_RANGE* p = c->pChanged; p; p = p->pNext)
        if (p->range.Contains(r.Row1(), r.Col1()) && p->range.Contains(r.Row2(), r.Col2()))
            return;
    GX_CHANGED_RANGE* p = new GX_CHANGED_RANGE;
    p->range = r;
    p->pNext = c->pChanged;
    c->pChanged = p;
}

void GXClearChangedRanges(int nSheet)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    while (GX_CHANGED_RANGE* p = c->pChanged)
    {
        c->pChanged = p->pNext;
        delete p;
    }
}

void GXReportCellError(int nSheet, const GX_CELL* pCell)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    CString strError;
    strError.Format("ERROR: %s %s ", pCell->error.pszDetail ? pCell->error.pszDetail : "",
                    FormulaErrorText((int)pCell->error.nCode));
    const char* pszColumn = ColumnLetters(pCell->nCol);
    _snprintf(c->szMessage, sizeof(c->szMessage) - 1, "Cell %s%lu: %s", pszColumn ? pszColumn : "",
              (unsigned long)pCell->nRow, (LPCTSTR)strError);
    c->szMessage[sizeof(c->szMessage) - 1] = 0;
}

void GXSetReportNextError(int nSheet)
{
    GXGetSheetContext(nSheet)->bReportNextError = 1;
}
