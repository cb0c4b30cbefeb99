// The name list of a sheet.
#include "grid/formula/RangeNames.h"
#include "grid/formula/Evaluator.h"
#include <mbctype.h>
#include <mbstring.h>
#include <stdlib.h>
#include <string.h>

BOOL GXIsValidRangeName(const char* pszName)
{
    const unsigned char* p = (const unsigned char*)pszName;
    if (p == NULL || *p == 0)
        return FALSE;
    BOOL bFirst = TRUE;
    while (*p)
    {
        unsigned int ch = _mbsnextc(p);
        BOOL bOk = _ismbcalpha(ch) || ch == '_' || ch == '$' || (!bFirst && (_ismbcdigit(ch) || ch == '.'));
        if (!bOk)
            return FALSE;
        bFirst = FALSE;
        p = _mbsinc(p);
    }
    return TRUE;
}

namespace
{
// The name cut to its first 31 bytes without splitting a double-byte character.
CString CutName(const char* pszName)
{
    const unsigned char* p = (const unsigned char*)pszName;
    const unsigned char* pEnd = p;
    while (*pEnd)
    {
        const unsigned char* pNext = _mbsinc(pEnd);
        if (pNext - p > GX_MAX_NAME)
            break;
        pEnd = pNext;
    }
    return CString(pszName, (int)(pEnd - p));
}
} // namespace

int GXDefineRangeName(int nSheet, const char* pszName, const GX_RANGE& range)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    CString strName = CutName(pszName ? pszName : "");
    if (c == NULL || !GXIsValidRangeName(strName))
        return 0;
    GX_RANGE r = range;
    if (!GXNormalizeRange(&r))
        return 0;
    c->bNamesChanged = 1;
    if (GX_RANGE_NAME* p = GXFindRangeName(nSheet, strName, NULL))
    {
        p->range = r;
        return 1;
    }
    GX_RANGE_NAME* pNew = new GX_RANGE_NAME;
    pNew->pNext = NULL;
    pNew->pszName = strdup(strName);
    pNew->range = r;
    GX_RANGE_NAME** pp = &c->pNames;
    while (*pp)
        pp = &(*pp)->pNext;
    *pp = pNew;
    return 1;
}

GX_RANGE_NAME* GXFindRangeName(int nSheet, const char* pszName, GX_RANGE* pRange)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    if (c == NULL || pszName == NULL)
        return NULL;
    for (GX_RANGE_NAME* p = c->pNames; p; p = p->pNext)
        if (_mbsicmp((const unsigned char*)p->pszName, (const unsigned char*)pszName) == 0)
        {
            if (pRange)
                *pRange = p->range;
            return p;
        }
    return NULL;
}

int GXDeleteRangeName(int nSheet, const char* pszName)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    GX_RANGE_NAME* pEntry = GXFindRangeName(nSheet, pszName, NULL);
    if (pEntry == NULL)
        return 0;
    // Formulas that use the name keep their meaning: they get the name's address instead.
    GX_POOL_ITER it;
    GXPoolIterInit(&it, GXGetPool(c, GX_POOL_FORMULA));
    while (GX_CELL* pCell = GXPoolIterNext(&it))
    {
        if (!(pCell->dwFlags & GX_CF_LINKED) || pCell->pFormula == NULL)
            continue;
        BOOL bSaved = FALSE;
        for (int i = 0; i < pCell->pFormula->nNodes; i++)
        {
            GX_EXPR_NODE& n = pCell->pFormula->pNodes[i];
            if ((n.nKind != GX_NODE_NAMEDCELL && n.nKind != GX_NODE_NAMEDRANGE) || n.pName != pEntry)
                continue;
            if (c->bKeepUndo && !bSaved)
            {
                GXSaveForUndo(nSheet, GXCopyCellRecord(GXPoolOfCell(pCell), pCell));
                bSaved = TRUE;
            }
            n.nKind = n.nKind == GX_NODE_NAMEDCELL ? GX_NODE_CELL : GX_NODE_RANGE;
            n.range = pEntry->range;
        }
    }
    GX_RANGE_NAME** pp = &c->pNames;
    while (*pp != pEntry)
        pp = &(*pp)->pNext;
    *pp = pEntry->pNext;
    pEntry->pNext = NULL;
    if (c->bKeepUndo)
    {
        pEntry->pNext = c->pSavedNames;
        c->pSavedNames = pEntry;
    }
    else
        GXFreeRangeName(pEntry);
    c->bNamesChanged = 1;
    return 1;
}

void GXLinkRangeName(int nSheet, GX_RANGE_NAME* pEntry)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    pEntry->pNext = c->pNames;
    c->pNames = pEntry;
    c->bNamesChanged = 1;
}

void GXFreeRangeName(GX_RANGE_NAME* pEntry)
{
    if (pEntry == NULL)
        return;
    free(pEntry->pszName);
    delete pEntry;
}

void GXDeleteAllRangeNames(int nSheet)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    for (GX_RANGE_NAME** pp : {&c->pNames, &c->pSavedNames})
        while (GX_RANGE_NAME* p = *pp)
        {
            *pp = p->pNext;
            GXFreeRangeName(p);
        }
    c->bNamesChanged = 1;
}
