// Pieces every worksheet function family shares: the error codes the functions raise, the walk
// over a numeric argument list, the range arguments of the tests and the check of a floating
// result.
#pragma once
#include "grid/formula/CellStore.h"
#include "grid/formula/WorksheetFunctions.h"
#include <errno.h>
#include <math.h>

const double GX_PI = 3.14159265358979323846;

// Codes the functions raise (texts in the engine's error table).
enum
{
    GX_ERR_FMUSTBEPOS = 39,
    GX_ERR_ARGNOTRANGE = 54,
    GX_ERR_ARGRANGE = 55,
    GX_ERR_NONNUMARGS = 56,
    GX_ERR_DEGFREEDOM = 68,
    GX_ERR_FLOAT = 86,
    GX_ERR_ARGVALUE = 97,
    GX_ERR_OPZERO = 134,
    GX_ERR_OPNOTPOS = 137,
    GX_ERR_OPRANGE = 138,
    GX_ERR_POOLEDLT3 = 144,
    GX_ERR_POPLT1 = 145,
    GX_ERR_SAMEDIMS = 146,
    GX_ERR_PAIRMISSING = 152,
    GX_ERR_SAMPLELT1 = 153,
    GX_ERR_SAMPLELT2 = 154,
    GX_ERR_TOOFEW = 159,
    GX_ERR_TOOMANY = 160
};

// Calls f(x) for each number of a numeric list, arguments nFirst.. of the list: numbers count,
// texts are skipped, cells and the stored cells of ranges are read with GXGetCellNumber (with
// GXGetCellDisplayNumber when bDisplay), error values are raised.
template <class F> void GXWalkNumericList(GX_VALUE* pArgs, DWORD nFirst, BOOL bDisplay, F f)
{
    int (*pfnRead)(DWORD, DWORD, double*) = bDisplay ? GXGetCellDisplayNumber : GXGetCellNumber;
    double d;
    for (DWORD i = nFirst; i <= pArgs[0].nCount; i++)
    {
        const GX_VALUE& v = pArgs[i];
        switch (v.nKind)
        {
        case GX_VALUE_NUMBER:
            f(v.dValue);
            break;
        case GX_VALUE_CELL:
            if (pfnRead(v.range.Row1(), v.range.Col1(), &d))
                f(d);
            break;
        case GX_VALUE_RANGE: {
            GX_RANGE_ITER it;
            GXRangeIterInit(&it, GXGetCurrentSheet(), v.range, GX_POOL_ALL);
            while (GX_CELL* p = GXRangeIterNext(&it))
                if (pfnRead(p->nRow, p->nCol, &d))
                    f(d);
            break;
        }
        case GX_VALUE_ERROR:
            GXRaiseValueError(v);
        }
    }
}

// Sums of a sample: count, sum and sum of squares.
struct GX_SAMPLE
{
    int n = 0;
    double dSum = 0;
    double dSumSq = 0;

    void Add(double x)
    {
        n++;
        dSum += x;
        dSumSq += x * x;
    }
    double Mean() const
    {
        return dSum / n;
    }
    // Σx² − (Σx)²/n
    double SquaredDeviations() const
    {
        return dSumSq - dSum * dSum / n;
    }
};

// Checks that the list holds nCount arguments (165 otherwise).
void GXCheckArgumentCount(GX_VALUE* pArgs, DWORD nCount);
// Resolves argument i and raises 98 unless it is a number.
double GXNumberArgument(GX_VALUE* pArgs, DWORD i);
// The range of argument i: an error value is raised, anything but a range or a cell raises 98.
GX_RANGE GXRangeArgument(GX_VALUE* pArgs, DWORD i);
// The sample of a range's stored numbers.
GX_SAMPLE GXRangeSample(const GX_RANGE& range);
// Raises 86 when errno is set or the result is not finite.
void GXCheckFloat(double d);
GX_VALUE* GXReturnNumber(GX_VALUE* pResult, double d);
