// Times the formula engine on three engine sheets: a chain of formulas each adding 1 to the cell
// above (recalculated after the first cell changed, then whole), a wide sheet of constants,
// formulas doubling them and one sum over the formulas (recalculated whole), and storing formula
// texts (parsing them) with automatic recalculation off, the second time into memory the process
// already holds ("store") and the first time not ("store_cold"). Prints one "name=milliseconds"
// line per measurement. A second argument (chain, wide or store) runs that sheet alone, for profiling.
#include "grid/formula/Evaluator.h"
#include "grid/formula/WorksheetFunctions.h"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>
#include <array>
#include <vector>

namespace
{
DWORD kCells = 100000; // or the first argument

// The numeric list walk, enough for the sum of the wide sheet.
GX_VALUE* Sum(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double dSum = 0, d;
    for (DWORD i = 1; i <= pArgs[0].nCount; i++)
        if (pArgs[i].nKind == GX_VALUE_NUMBER)
            dSum += pArgs[i].dValue;
        else if (pArgs[i].nKind == GX_VALUE_RANGE)
        {
            GX_RANGE_ITER it;
            GXRangeIterInit(&it, GXGetCurrentSheet(), pArgs[i].range, GX_POOL_ALL);
            while (GX_CELL* p = GXRangeIterNext(&it))
                if (GXGetCellNumber(p->nRow, p->nCol, &d))
                    dSum += d;
        }
    *pResult = GXNumberValue(dSum);
    return pResult;
}

const GX_FUNCTION_ENTRY s_aFunctions[] = {{"SUM", Sum, 0, 0, 0, 1, {{2, 4}}, 4}};

class CBenchFunctions : public CGXWorksheetFunctions
{
  public:
    const GX_FUNCTION_ENTRY* LookupFunction(const char* pszName) override
    {
        return strcmp(pszName, "SUM") == 0 ? &s_aFunctions[0] : NULL;
    }
};

double Now()
{
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return (double)c.QuadPart * 1000.0 / (double)f.QuadPart;
}

double Value(int nSheet, DWORD nRow, DWORD nCol)
{
    GX_VALUE v;
    GXGetCellValue(nSheet, nRow, nCol, &v);
    return v.nKind == GX_CELLVALUE_NUMBER ? v.dValue : -1;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && atol(argv[1]) > 0)
        kCells = (DWORD)atol(argv[1]);
    const char* pszOnly = argc > 2 ? argv[2] : NULL;
    auto Runs = [&](const char* pszName) { return pszOnly == NULL || strcmp(pszOnly, pszName) == 0; };
    GXGetEngineState()->SetWorksheetFunctions(new CBenchFunctions);
    char sz[64];
    double dChain = 0, dChainAll = 0, dWide = 0, dStore = 0, dStoreCold = 0, t;

    if (Runs("chain"))
    {
        int nChain = GXCreateSheet();
        GXSetForeground(nChain, 1);
        GXSetRecalcMode(nChain, 1);
        GXStoreNumber(nChain, 1, 0, 1);
        for (DWORD r = 2; r <= kCells; r++)
        {
            sprintf(sz, "=A%lu+1", (unsigned long)(r - 1));
            GXStoreFormula(nChain, r, 0, sz, NULL);
        }
        GXRecalcForced(nChain);
        GXSetRecalcMode(nChain, 0);
        GXStoreNumber(nChain, 1, 0, 2);
        GXAddChangedRange(nChain, GXCellRef(1, 0));
        t = Now();
        GXRecalc(nChain);
        dChain = Now() - t;
        if (Value(nChain, kCells, 0) != kCells + 1)
            return fprintf(stderr, "chain: wrong result %.0f\n", Value(nChain, kCells, 0)), 1;
        GXStoreNumber(nChain, 1, 0, 3);
        t = Now();
        GXRecalcForced(nChain);
        dChainAll = Now() - t;
        if (Value(nChain, kCells, 0) != kCells + 2)
            return fprintf(stderr, "chain, whole: wrong result %.0f\n", Value(nChain, kCells, 0)), 1;
        GXDeleteSheet(nChain);
    }

    if (Runs("wide"))
    {
        int nWide = GXCreateSheet();
        GXSetForeground(nWide, 1);
        GXSetRecalcMode(nWide, 1);
        for (DWORD r = 1; r <= kCells; r++)
        {
            GXStoreNumber(nWide, r, 0, r);
            sprintf(sz, "=A%lu*2", (unsigned long)r);
            GXStoreFormula(nWide, r, 1, sz, NULL);
        }
        sprintf(sz, "=SUM(B1..B%lu)", (unsigned long)kCells);
        GXStoreFormula(nWide, 1, 2, sz, NULL);
        t = Now();
        GXRecalcForced(nWide);
        dWide = Now() - t;
        if (Value(nWide, 1, 2) != (double)kCells * (kCells + 1))
            return fprintf(stderr, "wide: wrong result %.0f\n", Value(nWide, 1, 2)), 1;
        GXDeleteSheet(nWide);
    }

    if (Runs("store"))
    {
        // The texts are made before the timing: Calc's side is given its texts too. The sheet is
        // stored twice: first into memory the process has yet to take from the system, then, like
        // Calc's loads in its running process, into memory the first sheet gave back.
        std::vector<std::array<char, 32>> texts(kCells);
        for (DWORD r = 1; r <= kCells; r++)
            sprintf(texts[r - 1].data(), "=A%lu*2+B%lu", (unsigned long)r, (unsigned long)r);
        for (double* pd : {&dStoreCold, &dStore})
        {
            int nStore = GXCreateSheet();
            GXSetRecalcMode(nStore, 1);
            t = Now();
            for (DWORD r = 1; r <= kCells; r++)
                GXStoreFormula(nStore, r, 2, texts[r - 1].data(), NULL);
            *pd = Now() - t;
            if (GXCountPoolCells(nStore, GX_POOL_FORMULA) != (int)kCells)
                return fprintf(stderr, "store: %d formulas stored\n",
                               GXCountPoolCells(nStore, GX_POOL_FORMULA)),
                       1;
            GXDeleteSheet(nStore);
        }
    }

    if (Runs("chain"))
        printf("chain=%.1f\nchain_all=%.1f\n", dChain, dChainAll);
    if (Runs("wide"))
        printf("wide=%.1f\n", dWide);
    if (Runs("store"))
        printf("store=%.1f\nstore_cold=%.1f\n", dStore, dStoreCold);
    return 0;
}
