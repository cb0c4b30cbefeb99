// Interpolation functions; several targets give an array result shaped like the targets.
#include "grid/formula/Interpolation.h"
#include "grid/formula/FunctionSupport.h"
#include "grid/formula/MatrixRoutines.h"

namespace
{
enum
{
    GX_ERR_TABLE = 306,
    GX_ERR_NOINTERVAL = 307
};

// The targets: a number, or the numbers of a cell or a single row or column (131 for a cell
// without a number); bRow tells a row.
void Targets(const GX_VALUE& v, CGXTempMatrix& t, BOOL* pbRow)
{
    *pbRow = FALSE;
    if (v.nKind == GX_VALUE_ERROR)
        GXRaiseValueError(v);
    if (v.nKind == GX_VALUE_NUMBER)
    {
        t.Alloc(1, 1);
        t.At(0, 0) = v.dValue;
        return;
    }
    if (v.nKind != GX_VALUE_RANGE && v.nKind != GX_VALUE_CELL)
        GXRaiseFunctionError(GX_ERR_BADARGTYPE);
    const GX_RANGE& r = v.range;
    if (r.Row1() != r.Bottom() && r.Col1() != r.Right())
        GXRaiseFunctionError(GX_ERR_DIMENSIONS);
    *pbRow = r.Row1() == r.Bottom() && r.Col1() != r.Right();
    int n = (int)r.CellCount();
    t.Alloc(n, 1);
    for (int i = 0; i < n; i++)
        if (!GXGetCellNumber(*pbRow ? r.Row1() : r.Row1() + i, *pbRow ? r.Col1() + i : r.Col1(), &t.At(i, 0)))
            GXRaiseFunctionError(GX_ERR_VECTORVALUE);
}

// The first i below n - 1 with x[i] <= t <= x[i + 1]; 307 when there is none.
int Interval(const double* x, int n, double t)
{
    for (int i = 0; i + 1 < n; i++)
        if (x[i] <= t && t <= x[i + 1])
            return i;
    GXRaiseFunctionError(GX_ERR_NOINTERVAL);
}

GX_VALUE* Results(GX_VALUE* pResult, CGXTempMatrix& values, BOOL bRow)
{
    if (bRow)
    {
        CGXTempMatrix row;
        GXTransposeMatrix(values, row);
        GXWriteArrayResult(row);
    }
    else
        GXWriteArrayResult(values);
    return GXReturnNumber(pResult, values.At(0, 0));
}
} // namespace

GX_VALUE* GXInterp2D(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    GX_RANGE rx = GXRangeArgument(pArgs, 1), ry = GXRangeArgument(pArgs, 2);
    if (rx.Bottom() - rx.Row1() != ry.Bottom() - ry.Row1() ||
        rx.Right() - rx.Col1() != ry.Right() - ry.Col1())
        GXRaiseFunctionError(GX_ERR_DIMENSIONS);
    CGXTempNumbers x, y;
    int n = (int)rx.CellCount();
    x.Alloc(n);
    y.Alloc(n);
    double d;
    for (DWORD r = 0; r <= rx.Bottom() - rx.Row1(); r++)
        for (DWORD c = 0; c <= rx.Right() - rx.Col1(); c++)
        {
            if (!GXGetCellNumber(rx.Row1() + r, rx.Col1() + c, &d))
                GXRaiseFunctionError(GX_ERR_VECTORVALUE);
            x.Add(d);
            if (!GXGetCellNumber(ry.Row1() + r, ry.Col1() + c, &d))
                GXRaiseFunctionError(GX_ERR_VECTORVALUE);
            y.Add(d);
        }
    CGXTempMatrix t;
    BOOL bRow;
    Targets(pArgs[3], t, &bRow);
    for (int k = 0; k < t.Rows(); k++)
    {
        double v = t.At(k, 0);
        int i = Interval(x.Data(), n, v);
        t.At(k, 0) = y[i] + (y[i + 1] - y[i]) * (v - x[i]) / (x[i + 1] - x[i]);
    }
    return Results(pResult, t, bRow);
}

GX_VALUE* GXInterp3D(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    GXCheckArgumentCount(pArgs, 3);
    GX_RANGE r = GXRangeArgument(pArgs, 1);
    if (r.Bottom() - r.Row1() != r.Right() - r.Col1())
        GXRaiseFunctionError(GX_ERR_DIMENSIONS);
    int n = (int)(r.Bottom() - r.Row1()); // breakpoints in each direction
    CGXTempNumbers bx, by;
    bx.Alloc(n);
    by.Alloc(n);
    double d;
    for (int i = 1; i <= n; i++)
    {
        if (!GXGetCellNumber(r.Row1() + i, r.Col1(), &d))
            GXRaiseFunctionError(GX_ERR_TABLE);
        bx.Add(d);
        if (!GXGetCellNumber(r.Row1(), r.Col1() + i, &d))
            GXRaiseFunctionError(GX_ERR_TABLE);
        by.Add(d);
    }
    CGXTempMatrix tx, ty;
    BOOL bRowX, bRowY;
    Targets(pArgs[2], tx, &bRowX);
    Targets(pArgs[3], ty, &bRowY);
    if (bRowX != bRowY || tx.Rows() != ty.Rows())
        GXRaiseFunctionError(GX_ERR_DIMENSIONS);
    auto cell = [&](int i, int j) {
        double v;
        if (!GXGetCellNumber(r.Row1() + 1 + i, r.Col1() + 1 + j, &v))
            GXRaiseFunctionError(GX_ERR_TABLE);
        return v;
    };
    for (int k = 0; k < tx.Rows(); k++)
    {
        double x = tx.At(k, 0), y = ty.At(k, 0);
        int i = Interval(bx.Data(), n, x), j = Interval(by.Data(), n, y);
        double c00 = cell(i, j), c10 = cell(i + 1, j), c01 = cell(i, j + 1), c11 = cell(i + 1, j + 1);
        double a = (x - bx[i]) / (bx[i + 1] - bx[i]);
        double p = c00 + (c10 - c00) * a, q = c01 + (c11 - c01) * a;
        tx.At(k, 0) = p + (y - by[j]) * (q - p) / (by[j + 1] - by[j]);
    }
    return Results(pResult, tx, bRowX);
}
