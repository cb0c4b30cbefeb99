// Searches, references, choices and value tests. MATCH reports positions in the range, read
// row by row, whatever order the cell store keeps.
#include "grid/formula/LookupFunctions.h"
#include "grid/formula/Evaluator.h"
#include "grid/formula/FormulaParser.h"
#include "grid/formula/FunctionSupport.h"
#include <mbstring.h>
#include <stdio.h>

namespace
{
enum
{
    GX_ERR_COLOFFSET = 62,
    GX_ERR_NOARGS = 71,
    GX_ERR_FIRSTNUMERIC = 85,
    GX_ERR_RANGEREF = 112,
    GX_ERR_NOMATCH = 115,
    GX_ERR_BOTHINDEXZERO = 135,
    GX_ERR_ROWOFFSET = 151,
    GX_ERR_SELECTOR = 155,
    GX_ERR_MATCHTYPE = 302
};

// The value of a cell as a lookup result: its text, or its number (0 when it has none).
GX_VALUE* CellResult(GX_VALUE* pResult, DWORD nRow, DWORD nCol)
{
    char* psz = GXGetScratchBuffer();
    if (GXGetCellString(nRow, nCol, psz))
    {
        pResult->nKind = GX_VALUE_STRING;
        pResult->pszValue = GXStrDup(psz);
        return pResult;
    }
    double d;
    GXGetCellNumber(nRow, nCol, &d);
    return GXReturnNumber(pResult, d);
}

// VLOOKUP (bVertical) and HLOOKUP.
GX_VALUE* Lookup(GX_VALUE* pResult, GX_VALUE* pArgs, BOOL bVertical)
{
    GXCheckArgumentCount(pArgs, 3);
    GXResolveArgument(&pArgs[1]);
    const GX_VALUE& v = pArgs[1];
    if (v.nKind != GX_VALUE_NUMBER && v.nKind != GX_VALUE_STRING)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    GX_RANGE r = GXRangeArgument(pArgs, 2);
    double offset = trunc(GXNumberArgument(pArgs, 3));
    DWORD nCount = bVertical ? r.Bottom() - r.Row1() + 1 : r.Right() - r.Col1() + 1;
    DWORD nAcross = bVertical ? r.Right() - r.Col1() + 1 : r.Bottom() - r.Row1() + 1;
    if (!(offset >= 0 && offset < nAcross))
        GXRaiseFunctionError(bVertical ? GX_ERR_COLOFFSET : GX_ERR_ROWOFFSET);
    char* psz = GXGetScratchBuffer();
    long nFound = -1;
    for (DWORD i = 0; i < nCount && nFound < 0; i++)
    {
        DWORD row = bVertical ? r.Row1() + i : r.Row1(), col = bVertical ? r.Col1() : r.Col1() + i;
        BOOL bText = GXGetCellString(row, col, psz);
        BOOL bLast = i + 1 == nCount;
        if (v.nKind == GX_VALUE_STRING)
        {
            if (bText && _mbscmp((const unsigned char*)psz, (const unsigned char*)v.pszValue) == 0)
                nFound = i;
            continue;
        }
        if (bText)
        {
            if (bLast)
                nFound = i;
            continue;
        }
        double key;
        GXGetCellNumber(row, col, &key);
        if (key == v.dValue || (key < v.dValue && bLast))
            nFound = i;
        else if (key > v.dValue)
        {
            if (i == 0)
                GXRaiseFunctionError(GX_ERR_NOMATCH);
            nFound = i - 1;
        }
    }
    if (nFound < 0)
        GXRaiseFunctionError(GX_ERR_NOMATCH);
    DWORD k = (DWORD)offset;
    if (bVertical)
        return CellResult(pResult, r.Row1() + nFound, r.Col1() + k);
    return CellResult(pResult, r.Row1() + k, r.Col1() + nFound);
}

// "*" any run, "?" any one byte, everything else itself.
BOOL MatchPattern(const char* p, const char* s)
{
    if (*p == 0)
        return *s == 0;
    if (*p == '*')
        return MatchPattern(p + 1, s) || (*s != 0 && MatchPattern(p, s + 1));
    if (*s == 0)
        return FALSE;
    return (*p == '?' || *p == *s) && MatchPattern(p + 1, s + 1);
}

GX_VALUE ReferenceValue(const GX_RANGE& r)
{
    GX_VALUE v;
    v.nKind = r.IsSingle() ? GX_VALUE_CELL : GX_VALUE_RANGE;
    v.range = r;
    return v;
}

GX_VALUE* ReturnReference(GX_VALUE* pResult, DWORD nTop, DWORD nLeft, DWORD nBottom, DWORD nRight)
{
    *pResult = ReferenceValue(nTop == nBottom && nLeft == nRight ? GXCellRef(nTop, nLeft)
                                                                 : GXBoxRef(nTop, nLeft, nBottom, nRight));
    return pResult;
}

GX_VALUE* Constant(GX_VALUE* pResult, GX_VALUE* pArgs, double d)
{
    if (pArgs[0].nCount != 0)
        GXRaiseFunctionError(GX_ERR_NOARGS);
    return GXReturnNumber(pResult, d);
}

// The chosen unevaluated argument, evaluated now.
GX_VALUE* Evaluate(GX_VALUE* pResult, const GX_VALUE& v)
{
    if (v.nKind != GX_VALUE_EXPR)
    {
        *pResult = v;
        return pResult;
    }
    *pResult = EvaluateNode(v.expr.pNodes, (WORD)v.expr.nIndex, 1);
    return pResult;
}

GX_VALUE* IsKind(GX_VALUE* pResult, GX_VALUE* pArgs, DWORD nKind)
{
    GXCheckArgumentCount(pArgs, 1);
    if (!GXResolveArgument(&pArgs[1]))
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    return GXReturnNumber(pResult, pArgs[1].nKind == nKind);
}
} // namespace

GX_VALUE* GXVLookup(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return Lookup(pResult, pArgs, TRUE);
}

GX_VALUE* GXHLookup(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return Lookup(pResult, pArgs, FALSE);
}

GX_VALUE* GXMatch(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    DWORD nArgs = pArgs[0].nCount;
    if (nArgs < 2)
        GXRaiseFunctionError(GX_ERR_TOOFEW);
    if (nArgs > 3)
        GXRaiseFunctionError(GX_ERR_TOOMANY);
    GXResolveArgument(&pArgs[1]);
    const GX_VALUE& v = pArgs[1];
    if (v.nKind != GX_VALUE_NUMBER && v.nKind != GX_VALUE_STRING)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    GX_RANGE r = GXRangeArgument(pArgs, 2);
    double type = nArgs == 3 ? GXNumberArgument(pArgs, 3) : 0;
    int nType = type < 0 ? -1 : type > 0 ? 1 : 0;
    if (r.Row1() != r.Bottom() && r.Col1() != r.Right())
        GXRaiseFunctionError(GX_ERR_DIMENSIONS);
    DWORD nWidth = r.Right() - r.Col1() + 1;
    char* psz = GXGetScratchBuffer();
    if (v.nKind == GX_VALUE_STRING)
    {
        if (nType != 0)
            GXRaiseFunctionError(GX_ERR_MATCHTYPE);
        for (GX_CELL* p : GXRangeCellsInOrder(r))
            if (GXGetCellString(p->nRow, p->nCol, psz) && MatchPattern(v.pszValue, psz))
                return GXReturnNumber(pResult,
                                      (double)(p->nRow - r.Row1()) * nWidth + (p->nCol - r.Col1()) + 1);
        return GXReturnNumber(pResult, 0);
    }
    double best = 0, pos = 0, d;
    for (GX_CELL* p : GXRangeCellsInOrder(r))
    {
        if (!GXGetCellNumber(p->nRow, p->nCol, &d))
            continue;
        double here = (double)(p->nRow - r.Row1()) * nWidth + (p->nCol - r.Col1()) + 1;
        if (d == v.dValue)
            return GXReturnNumber(pResult, here);
        BOOL bCandidate = nType == 1 ? d < v.dValue : nType == -1 ? d > v.dValue : FALSE;
        if (bCandidate && (pos == 0 || (nType == 1 ? d > best : d < best)))
        {
            best = d;
            pos = here;
        }
    }
    return GXReturnNumber(pResult, pos);
}

GX_VALUE* GXIndex(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    DWORD n = pArgs[0].nCount;
    GX_RANGE r = GXRangeArgument(pArgs, 1);
    DWORD nRows = r.Bottom() - r.Row1() + 1, nCols = r.Right() - r.Col1() + 1;
    if (n == 1)
        return ReturnReference(pResult, r.Row1(), r.Col1(), r.Bottom(), r.Right());
    if (n > 3)
        GXRaiseFunctionError(GX_ERR_WRONGARGS);
    if (n == 2)
    {
        double i = trunc(GXNumberArgument(pArgs, 2));
        if (nRows > 1 && nCols > 1)
            GXRaiseFunctionError(GX_ERR_WRONGARGS);
        if (!(i >= 1 && i <= (nRows > 1 ? nRows : nCols)))
            GXRaiseFunctionError(GX_ERR_ARGRANGE);
        DWORD k = (DWORD)i - 1;
        return nRows > 1 ? ReturnReference(pResult, r.Row1() + k, r.Col1(), r.Row1() + k, r.Col1())
                         : ReturnReference(pResult, r.Row1(), r.Col1() + k, r.Row1(), r.Col1() + k);
    }
    double i = trunc(GXNumberArgument(pArgs, 2)), j = trunc(GXNumberArgument(pArgs, 3));
    if (i == 0 && j == 0)
        GXRaiseFunctionError(GX_ERR_BOTHINDEXZERO);
    if (!(i >= 0 && i <= nRows && j >= 0 && j <= nCols))
        GXRaiseFunctionError(GX_ERR_ARGRANGE);
    if (i == 0)
        return ReturnReference(pResult, r.Row1(), r.Col1() + (DWORD)j - 1, r.Bottom(),
                               r.Col1() + (DWORD)j - 1);
    if (j == 0)
        return ReturnReference(pResult, r.Row1() + (DWORD)i - 1, r.Col1(), r.Row1() + (DWORD)i - 1,
                               r.Right());
    DWORD row = r.Row1() + (DWORD)i - 1, col = r.Col1() + (DWORD)j - 1;
    return ReturnReference(pResult, row, col, row, col);
}

GX_VALUE* GXIntersect(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GX_RANGE a = GXRangeArgument(pArgs, 1), b = GXRangeArgument(pArgs, 2);
    DWORD top = a.Row1() > b.Row1() ? a.Row1() : b.Row1(), left = a.Col1() > b.Col1() ? a.Col1() : b.Col1();
    DWORD bottom = a.Bottom() < b.Bottom() ? a.Bottom() : b.Bottom();
    DWORD right = a.Right() < b.Right() ? a.Right() : b.Right();
    if (top > bottom || left > right)
    {
        *pResult = GXEmptyValue();
        return pResult;
    }
    return ReturnReference(pResult, top, left, bottom, right);
}

GX_VALUE* GXNa(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    if (pArgs[0].nCount != 0)
        GXRaiseFunctionError(GX_ERR_NOARGS);
    *pResult = GXEmptyValue();
    return pResult;
}

GX_VALUE* GXRow(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    if (pArgs[0].nCount > 1)
        GXRaiseFunctionError(GX_ERR_TOOMANY);
    DWORD nRow, nCol;
    GXGetCurrentCell(nRow, nCol);
    if (pArgs[0].nCount == 0)
        return GXReturnNumber(pResult, nRow);
    return GXReturnNumber(pResult, GXRangeArgument(pArgs, 1).Row1());
}

GX_VALUE* GXCol(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    if (pArgs[0].nCount > 1)
        GXRaiseFunctionError(GX_ERR_TOOMANY);
    DWORD nRow, nCol;
    GXGetCurrentCell(nRow, nCol);
    if (pArgs[0].nCount == 0)
        return GXReturnNumber(pResult, nCol);
    return GXReturnNumber(pResult, GXRangeArgument(pArgs, 1).Col1());
}

GX_VALUE* GXRows(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    GX_RANGE r = GXRangeArgument(pArgs, 1);
    return GXReturnNumber(pResult, r.Bottom() - r.Row1() + 1);
}

GX_VALUE* GXCols(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    GX_RANGE r = GXRangeArgument(pArgs, 1);
    return GXReturnNumber(pResult, r.Right() - r.Col1() + 1);
}

GX_VALUE* GXCellRefFunction(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    double col = trunc(GXNumberArgument(pArgs, 1)), row = trunc(GXNumberArgument(pArgs, 2));
    if (!(row >= 1 && row <= GX_MAX_ROW && col >= 0 && col <= GX_MAX_COL))
        GXRaiseFunctionError(GX_ERR_BADCELLREF);
    *pResult = ReferenceValue(GXCellRef((DWORD)row, (DWORD)col));
    return pResult;
}

GX_VALUE* GXRangeRef(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 4);
    double c1 = trunc(GXNumberArgument(pArgs, 1)), r1 = trunc(GXNumberArgument(pArgs, 2));
    double c2 = trunc(GXNumberArgument(pArgs, 3)), r2 = trunc(GXNumberArgument(pArgs, 4));
    for (double r : {r1, r2})
        if (!(r >= 1 && r <= GX_MAX_ROW))
            GXRaiseFunctionError(GX_ERR_RANGEREF);
    for (double c : {c1, c2})
        if (!(c >= 0 && c <= GX_MAX_COL))
            GXRaiseFunctionError(GX_ERR_RANGEREF);
    pResult->nKind = GX_VALUE_RANGE;
    pResult->range =
        GXBoxRef((DWORD)fmin(r1, r2), (DWORD)fmin(c1, c2), (DWORD)fmax(r1, r2), (DWORD)fmax(c1, c2));
    return pResult;
}

GX_VALUE* GXChoose(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    DWORD n = pArgs[0].nCount;
    if (n < 1)
        GXRaiseFunctionError(GX_ERR_TOOFEW);
    GXResolveArgument(&pArgs[1]);
    if (pArgs[1].nKind != GX_VALUE_NUMBER)
        GXRaiseFunctionError(GX_ERR_FIRSTNUMERIC);
    double k = trunc(pArgs[1].dValue);
    if (!(k >= 0 && k <= (double)n - 2))
        GXRaiseFunctionError(GX_ERR_SELECTOR);
    return Evaluate(pResult, pArgs[2 + (DWORD)k]);
}

GX_VALUE* GXIf(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    double c = GXNumberArgument(pArgs, 1);
    return Evaluate(pResult, pArgs[c != 0 ? 2 : 3]);
}

GX_VALUE* GXIsNumber(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return IsKind(pResult, pArgs, GX_VALUE_NUMBER);
}

GX_VALUE* GXIsString(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return IsKind(pResult, pArgs, GX_VALUE_STRING);
}

GX_VALUE* GXIsError(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    GX_VALUE v;
    try
    {
        Evaluate(&v, pArgs[1]);
    }
    catch (GXEvalException&)
    {
        GXGetEvalState()->nErrorCode = 0;
        return GXReturnNumber(pResult, 1);
    }
    if (v.nKind == GX_VALUE_RANGE)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    double d = v.nKind == GX_VALUE_ERROR;
    if (v.nKind == GX_VALUE_CELL)
    {
        GX_CELL* p = GXFindCellRecord(GXGetCurrentSheet(), v.range.Row1(), v.range.Col1());
        d = p != NULL && p->ValueKind() == GX_CELLVALUE_ERROR;
    }
    GXReleaseValue(v);
    return GXReturnNumber(pResult, d);
}

GX_VALUE* GXFileExists(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    GXResolveArgument(&pArgs[1]);
    if (pArgs[1].nKind != GX_VALUE_STRING)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    FILE* f = fopen(pArgs[1].pszValue, "r");
    if (f != NULL)
        fclose(f);
    return GXReturnNumber(pResult, f != NULL);
}

GX_VALUE* GXTrue(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return Constant(pResult, pArgs, 1);
}

GX_VALUE* GXFalse(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return Constant(pResult, pArgs, 0);
}

GX_VALUE* GXInit(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    // The second argument only while a circular sheet is being iterated.
    BOOL bIterating = (GXGetSheetContext(GXGetCurrentSheet())->nRunning & 64) != 0;
    return Evaluate(pResult, pArgs[bIterating ? 2 : 1]);
}

GX_VALUE* GXMessage(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    double flag = GXNumberArgument(pArgs, 1);
    GXResolveArgument(&pArgs[2]);
    if (pArgs[2].nKind != GX_VALUE_STRING)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    GX_SHEET_CONTEXT* c = GXGetSheetContext(GXGetCurrentSheet());
    if (flag != 0 && c->bReportNextError)
    {
        Beep(400, 100);
        GXCopyString(c->szMessage, pArgs[2].pszValue, sizeof(c->szMessage));
        c->bReportNextError = 0;
    }
    return GXReturnNumber(pResult, flag);
}

GX_VALUE* GXCellInfo(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GXResolveArgument(&pArgs[1]);
    if (pArgs[1].nKind != GX_VALUE_STRING)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    GX_RANGE r = GXRangeArgument(pArgs, 2);
    char szAttribute[GX_MAX_TEXT + 1];
    GXCopyString(szAttribute, pArgs[1].pszValue, sizeof(szAttribute));
    _mbslwr((unsigned char*)szAttribute);
    const unsigned char* a = (const unsigned char*)szAttribute;
    if (_mbscmp(a, (const unsigned char*)"row") == 0)
        return GXReturnNumber(pResult, r.Row1());
    if (_mbscmp(a, (const unsigned char*)"col") == 0)
        return GXReturnNumber(pResult, r.Col1());
    if (_mbscmp(a, (const unsigned char*)"address") == 0)
    {
        pResult->nKind = GX_VALUE_STRING;
        pResult->pszValue = GXStrDup(FormatCellReference(r));
        return pResult;
    }
    if (_mbscmp(a, (const unsigned char*)"contents") == 0)
    {
        *pResult = pArgs[2];
        return pResult;
    }
    if (_mbscmp(a, (const unsigned char*)"type") == 0)
    {
        GX_CELL* p = GXFindCellRecord(GXGetCurrentSheet(), r.Row1(), r.Col1());
        int k = p == NULL ? GX_CELLVALUE_NONE : p->ValueKind();
        const char* psz = k == GX_CELLVALUE_NONE || k == GX_CELLVALUE_EMPTY          ? "b"
                          : k == GX_CELLVALUE_HEAPSTR || k == GX_CELLVALUE_INLINESTR ? "l"
                                                                                     : "v";
        pResult->nKind = GX_VALUE_STRING;
        pResult->pszValue = GXStrDup(psz);
        return pResult;
    }
    GXRaiseFunctionError(GX_ERR_ARGVALUE);
}
