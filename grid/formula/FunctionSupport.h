// Pieces every worksheet function family shares: the error codes the functions raise, the walk
// over a numeric argument list, the range arguments of the tests and the check of a floating
// result.
#pragma once
#include "grid/formula/CellStore.h"
#include "grid/formula/WorksheetFunctions.h"
#include <errno.h>
#include <math.h>
#include <vector>

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
    GX_ERR_TOOMANY = 160,
    GX_ERR_CASHFLOWRANGE = 58,
    GX_ERR_DEPENDENT = 61,
    GX_ERR_NOROOT = 63,
    GX_ERR_SETLT3 = 65,
    GX_ERR_SETLTDEGREE = 66,
    GX_ERR_DIMENSIONS = 103,
    GX_ERR_MATRIXVALUE = 130,
    GX_ERR_VECTORVALUE = 131,
    GX_ERR_DEGREE = 143,
    GX_ERR_NODUPLICATE = 300,
    GX_ERR_NOTINLIST = 301,
    GX_ERR_LOWERLIMIT = 310,
    GX_ERR_UPPERLIMIT = 311,
    GX_ERR_PERMUT = 312,
    GX_ERR_NEGATIVE = 313
};

// The stored cells of a range in position order: rows top to bottom, each row left to right
// (the store itself visits large ranges pool by pool).
std::vector<GX_CELL*> GXRangeCellsInOrder(const GX_RANGE& range);

// A temporary array of the running evaluation, released when the holder goes out of scope
// (also when an error unwinds through it).
class CGXTempNumbers
{
  public:
    CGXTempNumbers() = default;
    ~CGXTempNumbers();
    // Room for n numbers (at least one).
    void Alloc(long long n);
    void Add(double d)
    {
        m_pData[m_n++] = d;
    }
    double* Data()
    {
        return m_pData;
    }
    int Count() const
    {
        return m_n;
    }
    long long Capacity() const
    {
        return m_nCapacity;
    }
    double& operator[](int i)
    {
        return m_pData[i];
    }

  private:
    CGXTempNumbers(const CGXTempNumbers&) = delete;
    CGXTempNumbers& operator=(const CGXTempNumbers&) = delete;
    double* m_pData = NULL;
    int m_n = 0;
    long long m_nCapacity = 0;
};

// Gathers the numbers of a range's cells, in position order, into a temporary array no larger
// than the smaller of the range's cell count and the cells stored in the sheet.
void GXGatherRange(const GX_RANGE& range, CGXTempNumbers& numbers);

// Calls f(x) for each number of a numeric list, arguments nFirst.. of the list: numbers count,
// texts are skipped, cells and the stored cells of ranges are read with GXGetCellNumber (with
// GXGetCellDisplayNumber when bDisplay), error values are raised.
// With bInOrder the cells of a range are read in position order.
template <class F>
void GXWalkNumericList(GX_VALUE* pArgs, DWORD nFirst, BOOL bDisplay, F f, BOOL bInOrder = FALSE)
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
            if (bInOrder)
            {
                for (GX_CELL* p : GXRangeCellsInOrder(v.range))
                    if (pfnRead(p->nRow, p->nCol, &d))
                        f(d);
                break;
            }
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

// Counts the numbers of a numeric list.
int GXCountNumbers(GX_VALUE* pArgs, DWORD nFirst);

// Checks that the list holds nCount arguments (165 otherwise).
void GXCheckArgumentCount(GX_VALUE* pArgs, DWORD nCount);
// Resolves argument i and raises 98 unless it is a number.
double GXNumberArgument(GX_VALUE* pArgs, DWORD i);
// Reads every argument into p: the count within [nMin, nMax] (165), every argument a number
// (nCode), and with bNonNegative then every one 0 or more (313). A negative argument before a
// text thus still raises nCode.
void GXNumberArguments(GX_VALUE* pArgs, DWORD nMin, DWORD nMax, int nCode, double* p, BOOL bNonNegative);
// The range of argument i: an error value is raised, anything but a range or a cell raises 98.
GX_RANGE GXRangeArgument(GX_VALUE* pArgs, DWORD i);
// The sample of a range's stored numbers.
GX_SAMPLE GXRangeSample(const GX_RANGE& range);
// Raises 86 when errno is set or the result is not finite.
void GXCheckFloat(double d);
GX_VALUE* GXReturnNumber(GX_VALUE* pResult, double d);
