// Text functions over bytes of the process code page.
#include "grid/formula/TextFunctions.h"
#include "grid/formula/FunctionSupport.h"
#include <ctype.h>
#include <mbctype.h>
#include <mbstring.h>
#include <stdio.h>
#include <string.h>

namespace
{
enum
{
    GX_ERR_COUNTNEG = 64,
    GX_ERR_DECIMALS = 67,
    GX_ERR_HEX32BITS = 88,
    GX_ERR_INDEXRANGE = 107,
    GX_ERR_MAGNITUDE = 116,
    GX_ERR_NONHEX = 127,
    GX_ERR_SUBLONGER = 157,
    GX_ERR_NOTFOUND = 158
};

const int kScratch = GX_MAX_TEXT + 1;

const char* Text(GX_VALUE* pArgs, DWORD i)
{
    GXResolveArgument(&pArgs[i]);
    if (pArgs[i].nKind != GX_VALUE_STRING)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    return pArgs[i].pszValue;
}

GX_VALUE* ReturnText(GX_VALUE* pResult, const char* psz)
{
    char* p = GXGetScratchBuffer();
    if (psz != p)
        GXCopyString(p, psz, kScratch);
    pResult->nKind = GX_VALUE_STRING;
    pResult->pszValue = p;
    return pResult;
}

GX_VALUE* ReturnBytes(GX_VALUE* pResult, const char* psz, size_t n)
{
    char* p = GXGetScratchBuffer();
    memmove(p, psz, n);
    p[n] = 0;
    pResult->nKind = GX_VALUE_STRING;
    pResult->pszValue = p;
    return pResult;
}

// A count as a double first, so 1e10 or NaN never wraps.
double Count(GX_VALUE* pArgs, DWORD i)
{
    double d = trunc(GXNumberArgument(pArgs, i));
    if (!(d >= 0))
        GXRaiseFunctionError(GX_ERR_COUNTNEG);
    return d;
}

// LOWER, UPPER and PROPER: a number gives the empty text.
BOOL CaseArgument(GX_VALUE* pArgs, char* p)
{
    GXCheckArgumentCount(pArgs, 1);
    GXResolveArgument(&pArgs[1]);
    if (pArgs[1].nKind == GX_VALUE_NUMBER)
    {
        *p = 0;
        return FALSE;
    }
    if (pArgs[1].nKind != GX_VALUE_STRING)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    GXCopyString(p, pArgs[1].pszValue, kScratch);
    return TRUE;
}

// STRCAT (bLines FALSE) and TSV.
GX_VALUE* Concatenate(GX_VALUE* pResult, GX_VALUE* pArgs, BOOL bLines)
{
    char* p = GXGetScratchBuffer();
    *p = 0;
    char sz[64];
    CString s;
    for (DWORD i = 1; i <= pArgs[0].nCount; i++)
    {
        const GX_VALUE& v = pArgs[i];
        switch (v.nKind)
        {
        case GX_VALUE_NUMBER:
            sprintf(sz, "%.14g", v.dValue);
            GXAppendString(p, sz, kScratch);
            if (bLines)
                GXAppendString(p, "\n", kScratch);
            break;
        case GX_VALUE_STRING:
            GXAppendString(p, v.pszValue, kScratch);
            if (bLines)
                GXAppendString(p, "\n", kScratch);
            break;
        case GX_VALUE_CELL:
            if (GXGetCellDisplayText(v.range.Row1(), v.range.Col1(), s))
            {
                GXAppendString(p, s, kScratch);
                if (bLines)
                    GXAppendString(p, "\n", kScratch);
            }
            break;
        case GX_VALUE_RANGE:
            for (DWORD r = v.range.Row1(); r <= v.range.Bottom(); r++)
                for (DWORD c = v.range.Col1(); c <= v.range.Right(); c++)
                {
                    if (GXGetCellDisplayText(r, c, s))
                        GXAppendString(p, s, kScratch);
                    if (bLines)
                        GXAppendString(p, c == v.range.Right() ? "\r\n" : "\t", kScratch);
                }
            break;
        case GX_VALUE_ERROR:
            GXRaiseValueError(v);
        default:
            GXRaiseFunctionError(GX_ERR_BADARGTYPE);
        }
    }
    return ReturnText(pResult, p);
}
} // namespace

BOOL GXGetCellDisplayText(DWORD nRow, DWORD nCol, CString& s)
{
    int nSheet = GXGetCurrentSheet();
    GX_CELL* p = GXFindCellRecord(nSheet, nRow, nCol);
    if (p == NULL)
        return FALSE;
    s = GXCellDisplayText(nSheet, p);
    return TRUE;
}

GX_VALUE* GXChar(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double d = trunc(GXFetchSingleNumber(pArgs));
    if (!(d >= 1 && d <= 255))
        GXRaiseFunctionError(GX_ERR_OPRANGE);
    char sz[2] = {(char)(unsigned char)d, 0};
    return ReturnText(pResult, sz);
}

GX_VALUE* GXCode(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    return GXReturnNumber(pResult, (unsigned char)Text(pArgs, 1)[0]);
}

GX_VALUE* GXClean(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    const unsigned char* s = (const unsigned char*)Text(pArgs, 1);
    char* p = GXGetScratchBuffer();
    int n = 0;
    while (*s)
    {
        size_t len = _ismbblead(*s) && s[1] ? 2 : 1;
        unsigned int c = len == 2 ? (s[0] << 8) | s[1] : *s;
        // Single bytes through isprint: the runtime's _ismbcprint passes control bytes such as tab.
        if (len == 2 ? _ismbcprint(c) : isprint(c))
        {
            if (n + (int)len >= kScratch)
                GXRaiseFunctionError(GX_ERR_STRTOOLONG);
            memcpy(p + n, s, len);
            n += (int)len;
        }
        s += len;
    }
    p[n] = 0;
    return ReturnText(pResult, p);
}

GX_VALUE* GXExact(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    const char* a = Text(pArgs, 1);
    const char* b = Text(pArgs, 2);
    return GXReturnNumber(pResult, _mbscmp((const unsigned char*)a, (const unsigned char*)b) == 0);
}

GX_VALUE* GXFind(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    const char* pattern = Text(pArgs, 1);
    const char* text = Text(pArgs, 2);
    double start = trunc(GXNumberArgument(pArgs, 3));
    size_t np = strlen(pattern), nt = strlen(text);
    if (np > nt)
        GXRaiseFunctionError(GX_ERR_SUBLONGER);
    if (!(start >= 0 && start <= (double)nt - 1))
        GXRaiseFunctionError(GX_ERR_INDEXRANGE);
    for (size_t i = (size_t)start; i + np <= nt; i++)
        if (_mbsnbcmp((const unsigned char*)text + i, (const unsigned char*)pattern, np) == 0)
            return GXReturnNumber(pResult, (double)i);
    GXRaiseFunctionError(GX_ERR_NOTFOUND);
}

GX_VALUE* GXHexToNum(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    const unsigned char* s = (const unsigned char*)Text(pArgs, 1);
    while (*s && _ismbcspace(*s))
        s++;
    while (*s == '0')
        s++;
    char buf[10] = "0";
    int n = 1;
    for (; *s && !_ismbcspace(*s); s++)
    {
        if (!isxdigit(*s))
            GXRaiseFunctionError(GX_ERR_NONHEX);
        if (n + 1 >= 10)
            GXRaiseFunctionError(GX_ERR_HEX32BITS);
        buf[n++] = (char)*s;
    }
    buf[n] = 0;
    for (; *s; s++)
        if (!_ismbcspace(*s))
            GXRaiseFunctionError(GX_ERR_NONHEX);
    unsigned int x = 0;
    sscanf(buf, "%x", &x);
    return GXReturnNumber(pResult, (double)(int)x);
}

GX_VALUE* GXNumToHex(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double d = GXFetchSingleNumber(pArgs);
    if (!(d >= -2147483648.0 && d <= 2147483647.0))
        GXRaiseFunctionError(GX_ERR_MAGNITUDE);
    char sz[16];
    sprintf(sz, "%x", (unsigned int)(int)trunc(d));
    return ReturnText(pResult, sz);
}

GX_VALUE* GXLeft(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    const char* s = Text(pArgs, 1);
    double n = Count(pArgs, 2);
    size_t len = strlen(s);
    return ReturnBytes(pResult, s, n < (double)len ? (size_t)n : len);
}

GX_VALUE* GXRight(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    const char* s = Text(pArgs, 1);
    double n = Count(pArgs, 2);
    size_t len = strlen(s), k = n < (double)len ? (size_t)n : len;
    return ReturnBytes(pResult, s + len - k, k);
}

GX_VALUE* GXMid(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    const char* s = Text(pArgs, 1);
    double start = trunc(GXNumberArgument(pArgs, 2)) - 1;
    size_t len = strlen(s);
    if (!(start >= 0 && start <= (double)len - 1))
        GXRaiseFunctionError(GX_ERR_INDEXRANGE);
    double n = Count(pArgs, 3);
    size_t rest = len - (size_t)start;
    return ReturnBytes(pResult, s + (size_t)start, n < (double)rest ? (size_t)n : rest);
}

GX_VALUE* GXLength(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    return GXReturnNumber(pResult, (double)strlen(Text(pArgs, 1)));
}

GX_VALUE* GXLower(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    char* p = GXGetScratchBuffer();
    if (CaseArgument(pArgs, p))
        _mbslwr((unsigned char*)p);
    return ReturnText(pResult, p);
}

GX_VALUE* GXUpper(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    char* p = GXGetScratchBuffer();
    if (CaseArgument(pArgs, p))
        _mbsupr((unsigned char*)p);
    return ReturnText(pResult, p);
}

GX_VALUE* GXProper(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    char* p = GXGetScratchBuffer();
    if (CaseArgument(pArgs, p))
    {
        BOOL bStart = TRUE;
        for (unsigned char* s = (unsigned char*)p; *s; s++)
        {
            if (_ismbcspace(*s))
            {
                bStart = TRUE;
                continue;
            }
            *s = (unsigned char)(bStart ? _mbctoupper(*s) : _mbctolower(*s));
            bStart = FALSE;
        }
    }
    return ReturnText(pResult, p);
}

GX_VALUE* GXRepeat(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    const char* s = Text(pArgs, 1);
    double n = Count(pArgs, 2);
    size_t len = strlen(s);
    if (n * len > GX_MAX_TEXT)
        GXRaiseFunctionError(GX_ERR_STRTOOLONG);
    if (len == 0) // any count of nothing is nothing, without looping through the count
        n = 0;
    char* p = GXGetScratchBuffer();
    *p = 0;
    for (int i = 0; i < (int)n; i++)
        strcat(p, s);
    return ReturnText(pResult, p);
}

GX_VALUE* GXReplace(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 4);
    const char* s = Text(pArgs, 1);
    double start = trunc(GXNumberArgument(pArgs, 2)), count = trunc(GXNumberArgument(pArgs, 3));
    const char* repl = Text(pArgs, 4);
    double len = (double)strlen(s);
    if (!(start >= 0) || !(count >= 0))
        GXRaiseFunctionError(GX_ERR_ARGRANGE);
    start = fmin(start, len);
    count = fmin(count, len - start);
    CString r(s, (int)start);
    r += repl;
    r += s + (size_t)(start + count);
    return ReturnText(pResult, r);
}

GX_VALUE* GXTrim(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    const unsigned char* s = (const unsigned char*)Text(pArgs, 1);
    char* p = GXGetScratchBuffer();
    int n = 0;
    while (*s && _ismbcspace(*s))
        s++;
    while (*s && n < GX_MAX_TEXT)
    {
        if (_ismbcspace(*s))
        {
            while (*s && _ismbcspace(*s))
                s++;
            p[n++] = ' ';
        }
        else
            p[n++] = (char)*s++;
    }
    if (n > 0 && p[n - 1] == ' ')
        n--;
    p[n] = 0;
    return ReturnText(pResult, p);
}

GX_VALUE* GXValue(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    return GXReturnNumber(pResult, atof(Text(pArgs, 1)));
}

GX_VALUE* GXString(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 2);
    GXResolveArgument(&pArgs[1]);
    double d = pArgs[1].nKind == GX_VALUE_NUMBER ? pArgs[1].dValue : 0;
    double decimals = trunc(GXNumberArgument(pArgs, 2));
    if (!(decimals >= 0 && decimals <= 15))
        GXRaiseFunctionError(GX_ERR_DECIMALS);
    char sz[400];
    snprintf(sz, sizeof(sz), "%.*f", (int)decimals, d);
    return ReturnText(pResult, sz);
}

GX_VALUE* GXS(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    const GX_VALUE& v = pArgs[1];
    char* p = GXGetScratchBuffer();
    *p = 0;
    if (v.nKind == GX_VALUE_ERROR)
        GXRaiseValueError(v);
    if (v.nKind == GX_VALUE_STRING)
        return ReturnText(pResult, v.pszValue);
    if (v.nKind == GX_VALUE_CELL || v.nKind == GX_VALUE_RANGE)
        if (!GXGetCellString(v.range.Row1(), v.range.Col1(), p))
            *p = 0;
    return ReturnText(pResult, p);
}

GX_VALUE* GXN(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 1);
    const GX_VALUE& v = pArgs[1];
    if (v.nKind == GX_VALUE_ERROR)
        GXRaiseValueError(v);
    if (v.nKind == GX_VALUE_NUMBER)
        return GXReturnNumber(pResult, v.dValue);
    if (v.nKind == GX_VALUE_CELL || v.nKind == GX_VALUE_RANGE)
    {
        GX_CELL* p = GXFindCellRecord(GXGetCurrentSheet(), v.range.Row1(), v.range.Col1());
        if (p != NULL && p->ValueKind() == GX_CELLVALUE_NUMBER)
            return GXReturnNumber(pResult, p->dValue);
    }
    return GXReturnNumber(pResult, 0);
}

GX_VALUE* GXStrLen(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double n = 0;
    CString s;
    for (DWORD i = 1; i <= pArgs[0].nCount; i++)
    {
        const GX_VALUE& v = pArgs[i];
        if (v.nKind == GX_VALUE_STRING)
            n += (double)strlen(v.pszValue);
        else if (v.nKind == GX_VALUE_CELL)
            n += GXGetCellDisplayText(v.range.Row1(), v.range.Col1(), s) ? s.GetLength() : 0;
        else if (v.nKind == GX_VALUE_ERROR)
            GXRaiseValueError(v);
        else
            GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    }
    return GXReturnNumber(pResult, n);
}

GX_VALUE* GXStrCat(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return Concatenate(pResult, pArgs, FALSE);
}

GX_VALUE* GXTsv(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    return Concatenate(pResult, pArgs, TRUE);
}
