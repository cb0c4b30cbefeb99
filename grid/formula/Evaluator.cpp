// Evaluation of nodes and operators, conversions, function calls and the evaluation entry.
#include "grid/formula/Evaluator.h"
#include "grid/formula/FormulaParser.h"
#include "grid/formula/FormulaText.h"
#include "grid/formula/WorksheetFunctions.h"
#include <errno.h>
#include <math.h>
#include <mbstring.h>
#include <stdlib.h>
#include <string.h>

GX_VALUE GXNumberValue(double d)
{
    GX_VALUE v;
    memset(&v, 0, sizeof(v));
    v.nKind = GX_VALUE_NUMBER;
    v.dValue = d;
    return v;
}

GX_VALUE GXErrorValue(int nCode, const char* pszDetail)
{
    GX_VALUE v;
    memset(&v, 0, sizeof(v));
    v.nKind = GX_VALUE_ERROR;
    v.error.nCode = (DWORD)nCode;
    v.error.pszDetail = pszDetail;
    return v;
}

GX_VALUE GXEmptyValue()
{
    GX_VALUE v;
    memset(&v, 0, sizeof(v));
    v.nKind = GX_VALUE_EMPTY;
    return v;
}

void GXReleaseValue(GX_VALUE& value)
{
    if (value.nKind == GX_VALUE_STRING)
    {
        GXFreeMemory(value.pszValue);
        value.pszValue = NULL;
        value.nKind = GX_VALUE_EMPTY;
    }
}

namespace
{
// An operand whose string is freed however the operator ends.
struct Operand
{
    GX_VALUE v;
    explicit Operand(const GX_VALUE& value) : v(value)
    {
    }
    ~Operand()
    {
        GXReleaseValue(v);
    }
    Operand(const Operand&) = delete;
    Operand& operator=(const Operand&) = delete;
};

int Sheet()
{
    return GXGetEvalState()->nSheet;
}

[[noreturn]] void Raise(int nCode)
{
    GXRaiseError(nCode, NULL);
    throw GXEvalException();
}

void RaiseValue(const GX_VALUE& v)
{
    GXRaiseError((int)v.error.nCode, v.error.pszDetail);
    throw GXEvalException();
}

double Numeric(const GX_EXPR_NODE* pNodes, WORD n)
{
    Operand a(EvaluateNode(const_cast<GX_EXPR_NODE*>(pNodes), n, 1));
    return GXValueToNumber(Sheet(), a.v);
}

int Integer(const GX_EXPR_NODE* pNodes, WORD n)
{
    Operand a(EvaluateNode(const_cast<GX_EXPR_NODE*>(pNodes), n, 1));
    return GXValueToInteger(Sheet(), a.v);
}

GX_VALUE OpAdd(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    double a = Numeric(p, n.nLink1);
    return GXNumberValue(a + Numeric(p, n.nLink2));
}
GX_VALUE OpSub(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    double a = Numeric(p, n.nLink1);
    return GXNumberValue(a - Numeric(p, n.nLink2));
}
GX_VALUE OpPlus(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    return GXNumberValue(Numeric(p, n.nLink2));
}
GX_VALUE OpNeg(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    return GXNumberValue(-Numeric(p, n.nLink2));
}
GX_VALUE OpMul(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    double a = Numeric(p, n.nLink1);
    return GXNumberValue(a * Numeric(p, n.nLink2));
}
GX_VALUE OpDiv(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    double a = Numeric(p, n.nLink1);
    double b = Numeric(p, n.nLink2);
    if (b == 0)
        Raise(GX_ERR_DIVZERO);
    return GXNumberValue(a / b);
}
// pow does not set errno under every runtime when it overflows: a finite pair giving an
// infinite or undefined result counts as the error too.
GX_VALUE OpPow(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    double a = Numeric(p, n.nLink1);
    double b = Numeric(p, n.nLink2);
    errno = 0;
    double r = pow(a, b);
    if (errno != 0 || (isfinite(a) && isfinite(b) && !isfinite(r)))
        Raise(GX_ERR_DIVZERO);
    return GXNumberValue(r);
}
GX_VALUE OpMod(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    int a = Integer(p, n.nLink1);
    int b = Integer(p, n.nLink2);
    if (b == 0)
        Raise(GX_ERR_MODZERO);
    return GXNumberValue(b == -1 ? 0 : a % b); // INT_MIN % -1 traps
}
GX_VALUE OpAnd(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    if (Numeric(p, n.nLink1) == 0)
        return GXNumberValue(0);
    return GXNumberValue(Numeric(p, n.nLink2) != 0 ? 1 : 0);
}
GX_VALUE OpOr(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    if (Numeric(p, n.nLink1) != 0)
        return GXNumberValue(1);
    return GXNumberValue(Numeric(p, n.nLink2) != 0 ? 1 : 0);
}
GX_VALUE OpNot(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    return GXNumberValue(Numeric(p, n.nLink2) == 0 ? 1 : 0);
}

// "&": strings concatenate, numbers are ANDed bitwise.
GX_VALUE OpConcat(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    GX_EXPR_NODE* pNodes = const_cast<GX_EXPR_NODE*>(p);
    Operand a(EvaluateNode(pNodes, n.nLink1, 1));
    Operand ra(GXResolveValue(Sheet(), a.v));
    if (a.v.nKind != GX_VALUE_CELL)
        a.v.nKind = GX_VALUE_EMPTY; // ra holds it now
    Operand b(EvaluateNode(pNodes, n.nLink2, 1));
    Operand rb(GXResolveValue(Sheet(), b.v));
    if (b.v.nKind != GX_VALUE_CELL)
        b.v.nKind = GX_VALUE_EMPTY;
    for (GX_VALUE* v : {&ra.v, &rb.v})
    {
        if (v->nKind == GX_VALUE_ERROR)
            RaiseValue(*v);
        if (v->nKind != GX_VALUE_NUMBER && v->nKind != GX_VALUE_STRING)
            Raise(GX_ERR_CONCAT);
    }
    if (ra.v.nKind != rb.v.nKind)
        Raise(GX_ERR_SAMETYPE);
    if (ra.v.nKind == GX_VALUE_NUMBER)
        return GXNumberValue(GXValueToInteger(Sheet(), ra.v) & GXValueToInteger(Sheet(), rb.v));
    size_t n1 = strlen(ra.v.pszValue), n2 = strlen(rb.v.pszValue);
    if (n1 + n2 > GX_MAX_TEXT)
        Raise(GX_ERR_STRTOOLONG);
    GX_VALUE r;
    memset(&r, 0, sizeof(r));
    r.nKind = GX_VALUE_STRING;
    r.pszValue = GXStrDupLen(ra.v.pszValue, n1 + n2);
    memcpy(r.pszValue + n1, rb.v.pszValue, n2 + 1);
    return r;
}
GX_VALUE OpBitOr(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    int a = Integer(p, n.nLink1);
    return GXNumberValue(a | Integer(p, n.nLink2));
}
GX_VALUE OpXor(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    int a = Integer(p, n.nLink1);
    return GXNumberValue(a ^ Integer(p, n.nLink2));
}
GX_VALUE OpCompl(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    return GXNumberValue(~Integer(p, n.nLink2));
}
GX_VALUE OpShl(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    int a = Integer(p, n.nLink1);
    int b = Integer(p, n.nLink2);
    return GXNumberValue((int)((unsigned)a << (b & 31)));
}
GX_VALUE OpShr(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    int a = Integer(p, n.nLink1);
    int b = Integer(p, n.nLink2);
    return GXNumberValue(a >> (b & 31));
}

// Comparisons: the error a right operand that cannot be compared raises, per operator.
int RightOperandError(DWORD nOp)
{
    static const int s_anError[] = {94, 90, 93, 96, 92, 95}; // == != < > <= >=
    return s_anError[nOp - GX_OP_EQ];
}

BOOL Comparable(DWORD nKind)
{
    return nKind == GX_VALUE_NUMBER || nKind == GX_VALUE_STRING || nKind == GX_VALUE_CELL ||
           nKind == GX_VALUE_ERROR;
}

void CutTrailingSpace(char* psz)
{
    size_t n = strlen(psz);
    while (n > 0 && (psz[n - 1] == ' ' || psz[n - 1] == '\t' || psz[n - 1] == '\r' || psz[n - 1] == '\n'))
        psz[--n] = 0;
}

GX_VALUE OpCompare(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    GX_EXPR_NODE* pNodes = const_cast<GX_EXPR_NODE*>(p);
    DWORD nOp = n.nOperator;
    Operand a(EvaluateNode(pNodes, n.nLink1, 1));
    if (!Comparable(a.v.nKind))
        Raise(GX_ERR_EQ);
    if (a.v.nKind == GX_VALUE_ERROR)
        RaiseValue(a.v);
    Operand ra(GXResolveValue(Sheet(), a.v));
    if (a.v.nKind != GX_VALUE_CELL)
        a.v.nKind = GX_VALUE_EMPTY;
    Operand b(EvaluateNode(pNodes, n.nLink2, 1));
    if (!Comparable(b.v.nKind))
        Raise(RightOperandError(nOp));
    if (b.v.nKind == GX_VALUE_ERROR)
        RaiseValue(b.v);
    Operand rb(GXResolveValue(Sheet(), b.v));
    if (b.v.nKind != GX_VALUE_CELL)
        b.v.nKind = GX_VALUE_EMPTY;

    int nCmp;
    if (ra.v.nKind != rb.v.nKind)
    {
        BOOL bLeftString = ra.v.nKind == GX_VALUE_STRING;
        switch (nOp)
        {
        case GX_OP_EQ:
            return GXNumberValue(0);
        case GX_OP_NE:
            return GXNumberValue(1);
        case GX_OP_LT:
        case GX_OP_LE:
            return GXNumberValue(bLeftString ? 1 : 0);
        default:
            return GXNumberValue(bLeftString ? 0 : 1);
        }
    }
    if (ra.v.nKind == GX_VALUE_STRING)
    {
        CutTrailingSpace(ra.v.pszValue);
        CutTrailingSpace(rb.v.pszValue);
        nCmp = GXCompareText(ra.v.pszValue, rb.v.pszValue);
    }
    else if (ra.v.nKind == GX_VALUE_NUMBER)
        nCmp = ra.v.dValue < rb.v.dValue ? -1 : ra.v.dValue > rb.v.dValue ? 1 : 0;
    else
        nCmp = 0;
    BOOL bResult;
    switch (nOp)
    {
    case GX_OP_EQ:
        bResult = nCmp == 0;
        break;
    case GX_OP_NE:
        bResult = nCmp != 0;
        break;
    case GX_OP_LT:
        bResult = nCmp < 0;
        break;
    case GX_OP_GT:
        bResult = nCmp > 0;
        break;
    case GX_OP_LE:
        bResult = nCmp <= 0;
        break;
    default:
        bResult = nCmp >= 0;
        break;
    }
    return GXNumberValue(bResult ? 1 : 0);
}

GX_VALUE OpCond(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    double c = Numeric(p, n.nLink1);
    const GX_EXPR_NODE& branches = p[n.nLink2];
    return EvaluateNode(const_cast<GX_EXPR_NODE*>(p), c != 0 ? branches.nLink1 : branches.nLink2, 1);
}

GX_VALUE OpRange(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    GX_EXPR_NODE* pNodes = const_cast<GX_EXPR_NODE*>(p);
    Operand a(EvaluateNode(pNodes, n.nLink1, 1));
    Operand b(EvaluateNode(pNodes, n.nLink2, 1));
    if (a.v.nKind != GX_VALUE_CELL || b.v.nKind != GX_VALUE_CELL)
        Raise(GX_ERR_RANGEOPS);
    GX_VALUE r;
    memset(&r, 0, sizeof(r));
    r.nKind = GX_VALUE_RANGE;
    r.range = a.v.range;
    r.range.w3 &= ~(GX_RANGE::single | GX_RANGE::absRow2 | GX_RANGE::absCol2 | (0x1FFFu << 15));
    r.range.SetRow2(b.v.range.Row1());
    r.range.SetCol2(b.v.range.Col1());
    r.range.SetFlag(GX_RANGE::absRow2, (b.v.range.w3 & GX_RANGE::absRow1) != 0);
    r.range.SetFlag(GX_RANGE::absCol2, (b.v.range.w3 & GX_RANGE::absCol1) != 0);
    GXNormalizeRange(&r.range);
    return r;
}

GX_VALUE OpPercent(const GX_EXPR_NODE* p, const GX_EXPR_NODE& n)
{
    return GXNumberValue(Numeric(p, n.nLink2) * 0.01);
}

GX_VALUE OpErrorLiteral(const GX_EXPR_NODE*, const GX_EXPR_NODE&)
{
    return GXErrorValue(GX_ERR_BADREF, NULL);
}

const GX_OPERATOR_INFO s_aOperators[GX_OP_COUNT] = {
    {"+", gxInfix, OpAdd},      {"-", gxInfix, OpSub},       {"+", gxPrefix, OpPlus},
    {"-", gxPrefix, OpNeg},     {"*", gxInfix, OpMul},       {"/", gxInfix, OpDiv},
    {"**", gxInfix, OpPow},     {"%", gxInfix, OpMod},       {"&&", gxInfix, OpAnd},
    {"||", gxInfix, OpOr},      {"!", gxPrefix, OpNot},      {"&", gxInfix, OpConcat},
    {"|", gxInfix, OpBitOr},    {"^", gxInfix, OpXor},       {"~", gxPrefix, OpCompl},
    {"<<", gxInfix, OpShl},     {">>", gxInfix, OpShr},      {"==", gxInfix, OpCompare},
    {"!=", gxInfix, OpCompare}, {"<", gxInfix, OpCompare},   {">", gxInfix, OpCompare},
    {"<=", gxInfix, OpCompare}, {">=", gxInfix, OpCompare},  {"?", gxInfix, OpCond},
    {"..", gxInfix, OpRange},   {"%", gxPostfix, OpPercent}, {"??", gxOperand, OpErrorLiteral},
};
} // namespace

const GX_OPERATOR_INFO* GXOperatorInfo(DWORD nCode)
{
    return nCode < GX_OP_COUNT ? &s_aOperators[nCode] : NULL;
}

int GXCompareText(const char* psz1, const char* psz2)
{
    return _mbscmp((const unsigned char*)psz1, (const unsigned char*)psz2);
}

GX_VALUE GXResolveValue(int nSheet, GX_VALUE value)
{
    if (value.nKind == GX_VALUE_ERROR)
    {
        GXRaiseError((int)value.error.nCode, value.error.pszDetail);
        return value;
    }
    if (value.nKind != GX_VALUE_CELL)
        return value;
    DWORD nRow = value.range.Row1(), nCol = value.range.Col1();
    GX_CELL* pCell = GXFindCellRecord(nSheet, nRow, nCol);
    if (pCell != NULL && pCell->Content() == GX_CONTENT_FORMULA && !(pCell->dwFlags & GX_CF_CURRENT))
    {
        int nLocked = GXLockPools(nSheet, GX_POOL_ALL);
        GXRecalcCell(nSheet, pCell);
        GXUnlockPools(nSheet, nLocked);
    }
    if (pCell != NULL && pCell->Content() != GX_CONTENT_NONE && pCell->ValueKind() != GX_CELLVALUE_NONE)
    {
        GX_VALUE r;
        memset(&r, 0, sizeof(r));
        switch (pCell->ValueKind())
        {
        case GX_CELLVALUE_EMPTY:
            return GXEmptyValue();
        case GX_CELLVALUE_ERROR:
            GXRaiseError(GX_ERR_OPERROR, NULL);
            return GXErrorValue(GX_ERR_OPERROR, NULL);
        case GX_CELLVALUE_NUMBER:
            return GXNumberValue(pCell->dValue);
        case GX_CELLVALUE_HEAPSTR:
            r.nKind = GX_VALUE_STRING;
            r.pszValue = GXStrDup(pCell->pszValue);
            return r;
        case GX_CELLVALUE_INLINESTR:
            r.nKind = GX_VALUE_STRING;
            r.pszValue = GXShortStrDup(pCell->szValue);
            return r;
        }
    }
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c != NULL && c->bBlankIsZero)
        return GXNumberValue(0);
    return GXErrorValue(GX_ERR_CELLERROR, NULL);
}

double GXValueToNumber(int nSheet, GX_VALUE value)
{
    // Only a text read from a cell is ours to free; a given one stays the caller's.
    Operand r(GXResolveValue(nSheet, value));
    if (value.nKind != GX_VALUE_CELL && r.v.nKind == GX_VALUE_STRING)
    {
        BOOL bZero = r.v.pszValue[0] == 0 && GXGetBlankIsZero(nSheet);
        r.v.nKind = GX_VALUE_EMPTY;
        if (bZero)
            return 0;
        Raise(GX_ERR_NONNUMERIC);
    }
    switch (r.v.nKind)
    {
    case GX_VALUE_NUMBER:
        return r.v.dValue;
    case GX_VALUE_STRING: {
        GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
        if (r.v.pszValue[0] == 0 && c != NULL && c->bBlankIsZero)
            return 0;
        break;
    }
    case GX_VALUE_ERROR:
        RaiseValue(r.v);
    }
    Raise(GX_ERR_NONNUMERIC);
}

namespace
{
int ToInt32(double d, int nError)
{
    if (isnan(d) || d >= 4294967296.0 || d <= -2147483649.0)
        Raise(nError);
    return (int)(unsigned)(long long)d;
}
} // namespace

int GXValueToInteger(int nSheet, GX_VALUE value)
{
    switch (value.nKind)
    {
    case GX_VALUE_NUMBER:
        return ToInt32(value.dValue, GX_ERR_INT32);
    case GX_VALUE_CELL: {
        Operand r(GXResolveValue(nSheet, value));
        return r.v.nKind == GX_VALUE_NUMBER ? ToInt32(r.v.dValue, GX_ERR_INT32) : 0;
    }
    case GX_VALUE_ERROR:
        RaiseValue(value);
    }
    Raise(GX_ERR_NONNUMERIC);
}

GX_VALUE EvaluateOperator(GX_EXPR_NODE* pNodes, WORD nIndex)
{
    const GX_EXPR_NODE& n = pNodes[nIndex];
    const GX_OPERATOR_INFO* pInfo = GXOperatorInfo(n.nOperator);
    if (pInfo == NULL)
        Raise(GX_ERR_UNCONSUMED);
    return pInfo->pfnEvaluate(pNodes, n);
}

GX_VALUE EvaluateNode(GX_EXPR_NODE* pNodes, WORD nIndex, int bTrack)
{
    const GX_EXPR_NODE& n = pNodes[nIndex];
    GX_VALUE v;
    memset(&v, 0, sizeof(v));
    switch (n.nKind)
    {
    case GX_NODE_OPERATOR:
        return EvaluateOperator(pNodes, nIndex);
    case GX_NODE_NUMBER:
        return GXNumberValue(n.dValue);
    case GX_NODE_STRING:
        v.nKind = GX_VALUE_STRING;
        v.pszValue = GXStrDup(n.pszText ? n.pszText : "");
        return v;
    case GX_NODE_CELL:
        v.nKind = GX_VALUE_CELL;
        v.range = n.range;
        return v;
    case GX_NODE_NAMEDCELL:
        v.nKind = GX_VALUE_CELL;
        v.range = n.pName->range;
        return v;
    case GX_NODE_RANGE:
        v.nKind = GX_VALUE_RANGE;
        v.range = n.range;
        return v;
    case GX_NODE_NAMEDRANGE:
        v.nKind = GX_VALUE_RANGE;
        v.range = n.pName->range;
        return v;
    case GX_NODE_NAME:
        Raise(GX_ERR_UNRESOLVED);
    case GX_NODE_ARGLIST:
    case GX_NODE_BRANCHES:
        Raise(GX_ERR_UNCONSUMED);
    case GX_NODE_CALL:
        return GXEvaluateFunctionCall(pNodes, nIndex, bTrack);
    case GX_NODE_RELATIVE: {
        GX_EVAL_STATE* s = GXGetEvalState();
        long long nRow = s->nRow, nCol = s->nCol;
        if (n.w[0] != GX_NO_NODE)
            nRow += Integer(pNodes, n.w[0]);
        if (n.w[1] != GX_NO_NODE)
            nCol += Integer(pNodes, n.w[1]);
        if (nRow < 1 || nRow > GX_MAX_ROW || nCol < 0 || nCol > GX_MAX_COL)
            Raise(GX_ERR_BADCELLREF);
        v.nKind = GX_VALUE_CELL;
        v.range = GXCellRef((DWORD)nRow, (DWORD)nCol);
        return v;
    }
    }
    return v;
}

namespace
{
// Applies the coercion of the numeric argument kinds.
GX_VALUE CoerceNumeric(GX_VALUE v)
{
    if (v.nKind == GX_VALUE_CELL)
    {
        GX_VALUE r = GXResolveValue(Sheet(), v);
        if (r.nKind == GX_VALUE_NUMBER)
            return r;
        if (r.nKind == GX_VALUE_STRING)
        {
            double d = atof(r.pszValue);
            GXFreeMemory(r.pszValue);
            return GXNumberValue(d);
        }
        Raise(GX_ERR_NONNUMERIC);
    }
    if (v.nKind == GX_VALUE_ERROR)
        RaiseValue(v);
    if (v.nKind == GX_VALUE_STRING)
    {
        double d = atof(v.pszValue);
        GXFreeMemory(v.pszValue);
        return GXNumberValue(d);
    }
    return v;
}

// The argument values of one call, released however the call ends.
struct ArgumentBlock
{
    GX_VALUE a[GX_MAX_ARGUMENTS + 1];
    int n = 0;
    ArgumentBlock()
    {
        memset(a, 0, sizeof(a));
    }
    ~ArgumentBlock()
    {
        for (int i = 1; i <= n; i++)
            GXReleaseValue(a[i]);
    }
    ArgumentBlock(const ArgumentBlock&) = delete;
    ArgumentBlock& operator=(const ArgumentBlock&) = delete;
};

// Restores the caller's current function and argument list.
struct CallScope
{
    GX_EVAL_STATE* s = GXGetEvalState();
    const char* pszFunction = s->pszFunction;
    GX_VALUE* pArguments = s->pArguments;
    ~CallScope()
    {
        s->pszFunction = pszFunction;
        s->pArguments = pArguments;
    }
};
} // namespace

GX_VALUE GXEvaluateFunctionCall(GX_EXPR_NODE* pNodes, WORD nIndex, int)
{
    const GX_EXPR_NODE& call = pNodes[nIndex];
    const GX_FUNCTION_ENTRY* pEntry = call.pEntry;
    if (pEntry == NULL)
        Raise(GX_ERR_UNDEFFUNC);
    CallScope scope;
    ArgumentBlock args;
    for (WORD i = call.nLink2; i != GX_NO_NODE; i = pNodes[i].nLink2)
    {
        if (args.n == GX_MAX_ARGUMENTS)
            Raise(GX_ERR_TOOMANYARGS);
        const GX_EXPR_NODE& arg = pNodes[i];
        GX_VALUE v;
        memset(&v, 0, sizeof(v));
        if (arg.nFlags & GX_NF_UNEVALUATED)
        {
            v.nKind = GX_VALUE_EXPR;
            v.expr.pNodes = pNodes;
            v.expr.nIndex = arg.nLink1;
        }
        else
        {
            v = EvaluateNode(pNodes, arg.nLink1, 1);
            if (arg.w[1] <= 2)
            {
                args.a[args.n + 1] = v; // released on error while coercing
                args.n++;
                v = CoerceNumeric(v);
                args.n--;
            }
        }
        args.a[++args.n] = v;
    }
    args.a[0].nCount = (DWORD)args.n;
    scope.s->pszFunction = pEntry->pszName;
    scope.s->pArguments = args.a;
    GX_VALUE result;
    memset(&result, 0, sizeof(result));
    if (pEntry->nReserved1 != 0)
        Raise(GX_ERR_NOTINSTALLED);
    result = *pEntry->pfn(&result, args.a);
    scope.s->nErrorCode = 0;
    if (result.nKind == GX_VALUE_STRING)
    {
        if (!GXIsTracked(result.pszValue))
            result.pszValue = GXStrDup(result.pszValue ? result.pszValue : "");
        for (int i = 1; i <= args.n; i++)
            if (args.a[i].nKind == GX_VALUE_STRING && args.a[i].pszValue == result.pszValue)
                args.a[i].nKind = GX_VALUE_EMPTY; // the result took it over
    }
    return result;
}

GX_VALUE GXEvaluateExpression(int nSheet, DWORD nRow, DWORD nCol, GX_EXPR_NODE* pNodes, WORD nRoot)
{
    GX_EVAL_STATE* s = GXGetEvalState();
    GX_EVAL_STATE saved = *s;
    memset(s, 0, sizeof(*s));
    GXSetLastFailed(0);
    char szScratch[512];
    szScratch[0] = 0;
    s->nSheet = nSheet;
    s->nRow = nRow;
    s->nCol = nCol;
    s->pszScratch = szScratch;
    s->nMarker = 255;
    GX_VALUE v;
    try
    {
        v = EvaluateNode(pNodes, nRoot, 1);
        s->nMarker = 0;
        if (v.nKind == GX_VALUE_NUMBER && !isfinite(v.dValue))
        {
            s->nErrorCode = GX_ERR_IEEE;
            GXSetLastFailed(1);
            v = GXErrorValue(GX_ERR_IEEE, NULL);
        }
    }
    catch (GXEvalException&)
    {
        s->nMarker = 0;
        GXSetLastFailed(1);
        v = GXErrorValue(s->nErrorCode, s->pszErrorDetail);
    }
    catch (CException* e)
    {
        e->Delete();
        s->nMarker = 0;
        s->nErrorCode = GX_ERR_NOMEM;
        GXSetLastFailed(1);
        v = GXErrorValue(GX_ERR_NOMEM, NULL);
    }
    GXFreeTempArrays();
    GXSetLastError(s->nErrorCode);
    *s = saved;
    return v;
}

int GXEvaluateText(int nSheet, const char* pszText, DWORD nRow, DWORD nCol, GX_VALUE* pValue)
{
    CString str(pszText);
    if (str.IsEmpty() || str[0] != '=')
        str = "=" + str;
    GX_FORMULA f;
    if (!GXParseFormula(nSheet, str, &f))
        return 0;
    *pValue = f.nValueRoot != GX_NO_NODE ? GXEvaluateExpression(nSheet, nRow, nCol, f.pNodes, f.nValueRoot)
                                         : GXEmptyValue();
    GXFreeFormulaParts(&f);
    return 1;
}
