// Matrix routines of the array functions and the least-squares fits, and the array result.
#include "grid/formula/MatrixRoutines.h"
#include "grid/formula/CellStore.h"
#include "grid/formula/FunctionSupport.h"
#include "grid/core/Style.h"
#include <algorithm>
#include <string.h>

CGXTempMatrix::~CGXTempMatrix()
{
    if (m.pData != NULL)
        GXFreeTempArray(&m);
}

void CGXTempMatrix::Alloc(int nRows, int nCols)
{
    if (m.pData != NULL)
        GXFreeTempArray(&m);
    m.nRows = nRows;
    m.nCols = nCols;
    GXAllocTempArray(&m);
}

void GXReadMatrix(const GX_RANGE& range, CGXTempMatrix& result, BOOL bTransposed)
{
    if (range.CellCount() > (unsigned long long)GXCountPoolCells(GXGetCurrentSheet(), GX_POOL_ALL))
        GXRaiseFunctionError(GX_ERR_MATRIXVALUE);
    int nRows = (int)(range.Bottom() - range.Row1() + 1), nCols = (int)(range.Right() - range.Col1() + 1);
    if (bTransposed)
        result.Alloc(nCols, nRows);
    else
        result.Alloc(nRows, nCols);
    for (int i = 0; i < nRows; i++)
        for (int j = 0; j < nCols; j++)
        {
            double d;
            if (!GXGetCellNumber(range.Row1() + i, range.Col1() + j, &d))
                GXRaiseFunctionError(GX_ERR_MATRIXVALUE);
            (bTransposed ? result.At(j, i) : result.At(i, j)) = d;
        }
}

void GXTransposeMatrix(const CGXTempMatrix& a, CGXTempMatrix& result)
{
    result.Alloc(a.Cols(), a.Rows());
    for (int i = 0; i < a.Rows(); i++)
        for (int j = 0; j < a.Cols(); j++)
            result.At(j, i) = a.At(i, j);
}

void GXMultiplyMatrices(const CGXTempMatrix& a, const CGXTempMatrix& b, CGXTempMatrix& result)
{
    if (a.Cols() != b.Rows())
    {
        result.Alloc(0, 0);
        return;
    }
    result.Alloc(a.Rows(), b.Cols());
    for (int i = 0; i < a.Rows(); i++)
        for (int j = 0; j < b.Cols(); j++)
        {
            double d = 0;
            for (int k = 0; k < a.Cols(); k++)
                d += a.At(i, k) * b.At(k, j);
            result.At(i, j) = d;
        }
}

void GXMultiplyTransposed(const CGXTempMatrix& a, const CGXTempMatrix& b, CGXTempMatrix& result)
{
    if (a.Rows() != b.Rows())
    {
        result.Alloc(0, 0);
        return;
    }
    result.Alloc(a.Cols(), b.Cols());
    for (int i = 0; i < a.Cols(); i++)
        for (int j = 0; j < b.Cols(); j++)
        {
            double d = 0;
            for (int k = 0; k < a.Rows(); k++)
                d += a.At(k, i) * b.At(k, j);
            result.At(i, j) = d;
        }
}

BOOL GXDecomposeLU(CGXTempMatrix& a, GX_LU& lu)
{
    int n = a.Rows();
    std::vector<double> scale(n);
    lu.aPivot.assign(n, 0);
    lu.dSign = 1;
    for (int i = 0; i < n; i++)
    {
        double big = 0;
        for (int j = 0; j < n; j++)
            big = fmax(big, fabs(a.At(i, j)));
        if (big == 0)
            return FALSE;
        scale[i] = 1 / big;
    }
    for (int j = 0; j < n; j++)
    {
        for (int i = 0; i < j; i++)
        {
            double sum = a.At(i, j);
            for (int k = 0; k < i; k++)
                sum -= a.At(i, k) * a.At(k, j);
            a.At(i, j) = sum;
        }
        double big = 0;
        int iMax = j;
        for (int i = j; i < n; i++)
        {
            double sum = a.At(i, j);
            for (int k = 0; k < j; k++)
                sum -= a.At(i, k) * a.At(k, j);
            a.At(i, j) = sum;
            if (scale[i] * fabs(sum) >= big) // ties go to the later row
            {
                big = scale[i] * fabs(sum);
                iMax = i;
            }
        }
        if (iMax != j)
        {
            for (int k = 0; k < n; k++)
            {
                double d = a.At(iMax, k);
                a.At(iMax, k) = a.At(j, k);
                a.At(j, k) = d;
            }
            lu.dSign = -lu.dSign;
            scale[iMax] = scale[j];
        }
        lu.aPivot[j] = iMax;
        if (a.At(j, j) == 0)
            return FALSE;
        double inverse = 1 / a.At(j, j);
        for (int i = j + 1; i < n; i++)
            a.At(i, j) *= inverse;
    }
    double dMin = HUGE_VAL, dMax = 0;
    for (int i = 0; i < n; i++)
    {
        dMin = fmin(dMin, fabs(a.At(i, i)));
        dMax = fmax(dMax, fabs(a.At(i, i)));
    }
    return !(dMax + dMin == dMax || dMax / dMin > 1e15);
}

void GXSolveLU(const CGXTempMatrix& a, const GX_LU& lu, double* b)
{
    int n = a.Rows(), iFirst = -1;
    for (int i = 0; i < n; i++)
    {
        int ip = lu.aPivot[i];
        double sum = b[ip];
        b[ip] = b[i];
        if (iFirst >= 0)
            for (int j = iFirst; j < i; j++)
                sum -= a.At(i, j) * b[j];
        else if (sum != 0)
            iFirst = i;
        b[i] = sum;
    }
    for (int i = n - 1; i >= 0; i--)
    {
        double sum = b[i];
        for (int j = i + 1; j < n; j++)
            sum -= a.At(i, j) * b[j];
        b[i] = sum / a.At(i, i);
    }
}

void GXInvertMatrix(CGXTempMatrix& a, CGXTempMatrix& result)
{
    GX_LU lu;
    int n = a.Rows();
    if (!GXDecomposeLU(a, lu))
    {
        result.Alloc(0, 0);
        return;
    }
    result.Alloc(n, n);
    std::vector<double> col(n);
    for (int j = 0; j < n; j++)
    {
        std::fill(col.begin(), col.end(), 0.0);
        col[j] = 1;
        GXSolveLU(a, lu, col.data());
        for (int i = 0; i < n; i++)
            result.At(i, j) = col[i];
    }
}

double GXDeterminant(CGXTempMatrix& a)
{
    GX_LU lu;
    if (!GXDecomposeLU(a, lu))
        return 0;
    double d = lu.dSign;
    for (int i = 0; i < a.Rows(); i++)
        d *= a.At(i, i);
    return d;
}

void GXWriteArrayResult(const CGXTempMatrix& a)
{
    int nSheet = GXGetCurrentSheet();
    GX_SHEET_CONTEXT* c = GXGetSheetContext(nSheet);
    DWORD nRow, nCol;
    GXGetCurrentCell(nRow, nCol);
    // The whole block must fit in the sheet before anything is written.
    if (a.Rows() < 1 || a.Cols() < 1 || (unsigned long long)nRow + a.Rows() - 1 > GX_MAX_ROW ||
        (unsigned long long)nCol + a.Cols() - 1 > GX_MAX_COL)
        GXRaiseFunctionError(GX_ERR_BADCELLREF);
    GX_EXPR_NODE node;
    memset(&node, 0, sizeof(node));
    node.nKind = GX_NODE_NUMBER;
    node.nLink1 = node.nLink2 = GX_NO_NODE;
    GX_FORMULA formula = {0, GX_NO_NODE, GX_NO_NODE, 1, &node, NULL};
    for (int i = 0; i < a.Rows(); i++)
        for (int j = 0; j < a.Cols(); j++)
        {
            if (i == 0 && j == 0)
                continue;
            DWORD r = nRow + i, k = nCol + j;
            GX_CELL* pOld = GXFindCellRecord(nSheet, r, k);
            CObject* pAttached = NULL;
            if (c->bKeepUndo)
            {
                if (pOld != NULL)
                {
                    GXUnlinkCellRecord(nSheet, pOld);
                    GXSaveForUndo(nSheet, pOld);
                    CGXStyle* pStyle = dynamic_cast<CGXStyle*>(pOld->pAttached);
                    pAttached = pStyle ? pStyle->Clone() : NULL;
                }
                else
                {
                    GX_CELL* pPlaceholder = GXAllocCellRecord(GXGetPool(c, GX_POOL_PLACEHOLDER));
                    pPlaceholder->nRow = r;
                    pPlaceholder->nCol = k;
                    GXSaveForUndo(nSheet, pPlaceholder);
                }
            }
            else if (pOld != NULL)
            {
                GXUnlinkCellRecord(nSheet, pOld);
                pAttached = GXTakeAttachedObject(pOld);
                GXFreeCellRecord(pOld);
            }
            node.dValue = a.At(i, j);
            GX_CELL* pCell = GXAllocCellRecord(GXGetPool(c, GX_POOL_FORMULA));
            pCell->nRow = r;
            pCell->nCol = k;
            pCell->dwFlags |= GX_CONTENT_FORMULA | GX_CF_CURRENT | GX_CF_CHANGED;
            pCell->SetValueKind(GX_CELLVALUE_NUMBER);
            pCell->dValue = node.dValue;
            pCell->pFormula = GXCopyFormula(&formula);
            pCell->nStamp = c->nGeneration;
            pCell->pAttached = pAttached;
            GXInsertCellRecord(nSheet, pCell);
        }
    if (c->bKeepUndo)
    {
        c->undoBlock = GXBoxRef(nRow, nCol, nRow + a.Rows() - 1, nCol + a.Cols() - 1);
        c->bUndoBlock = 1;
    }
}

int GXIsNotSymmetric(const CGXTempMatrix& a)
{
    for (int i = 0; i < a.Rows(); i++)
        for (int j = 0; j < i; j++)
        {
            double x = a.At(i, j), y = a.At(j, i);
            if (fabs(x - y) > 1e-10 * fmax(fabs(x), fabs(y)))
                return 1;
        }
    return 0;
}

namespace
{
// sqrt(a² + b²) from the larger magnitude, so that the squares do not overflow.
double Hypot(double a, double b)
{
    double x = fabs(a), y = fabs(b);
    if (x > y)
        return x * sqrt(1 + (y / x) * (y / x));
    return y == 0 ? 0 : y * sqrt(1 + (x / y) * (x / y));
}

const int kMaxEigenSteps = 30;
} // namespace

void GXEigen(CGXTempMatrix& a, CGXTempMatrix& result)
{
    int n = a.Rows();
    std::vector<double> d(n), e(n);
    // Householder reduction to tridiagonal form, diagonal and off-diagonal only.
    for (int i = n - 1; i > 0; i--)
    {
        int l = i - 1;
        double h = 0, scale = 0;
        if (l > 0)
        {
            for (int k = 0; k <= l; k++)
                scale += fabs(a.At(i, k));
            if (scale == 0)
                e[i] = a.At(i, l);
            else
            {
                for (int k = 0; k <= l; k++)
                {
                    a.At(i, k) /= scale;
                    h += a.At(i, k) * a.At(i, k);
                }
                double f = a.At(i, l);
                double g = f >= 0 ? -sqrt(h) : sqrt(h);
                e[i] = scale * g;
                h -= f * g;
                a.At(i, l) = f - g;
                f = 0;
                for (int j = 0; j <= l; j++)
                {
                    g = 0;
                    for (int k = 0; k <= j; k++)
                        g += a.At(j, k) * a.At(i, k);
                    for (int k = j + 1; k <= l; k++)
                        g += a.At(k, j) * a.At(i, k);
                    e[j] = g / h;
                    f += e[j] * a.At(i, j);
                }
                double hh = f / (h + h);
                for (int j = 0; j <= l; j++)
                {
                    f = a.At(i, j);
                    e[j] = g = e[j] - hh * f;
                    for (int k = 0; k <= j; k++)
                        a.At(j, k) -= f * e[k] + g * a.At(i, k);
                }
            }
        }
        else
            e[i] = a.At(i, l);
    }
    for (int i = 0; i < n; i++)
        d[i] = a.At(i, i);
    // Implicit QL with shifts.
    for (int i = 1; i < n; i++)
        e[i - 1] = e[i];
    if (n > 0)
        e[n - 1] = 0;
    for (int l = 0; l < n; l++)
    {
        int nSteps = 0, m;
        do
        {
            for (m = l; m < n - 1; m++)
            {
                double dd = fabs(d[m]) + fabs(d[m + 1]);
                if (fabs(e[m]) + dd == dd)
                    break;
            }
            if (m != l)
            {
                if (nSteps++ == kMaxEigenSteps)
                {
                    result.Alloc(0, 0);
                    return;
                }
                double g = (d[l + 1] - d[l]) / (2 * e[l]);
                double r = sqrt(g * g + 1);
                g = d[m] - d[l] + e[l] / (g + (g >= 0 ? fabs(r) : -fabs(r)));
                double s = 1, c = 1, p = 0;
                int i;
                for (i = m - 1; i >= l; i--)
                {
                    double f = s * e[i], b = c * e[i];
                    e[i + 1] = r = Hypot(f, g);
                    if (r == 0)
                    {
                        d[i + 1] -= p;
                        e[m] = 0;
                        break;
                    }
                    s = f / r;
                    c = g / r;
                    g = d[i + 1] - p;
                    r = (d[i] - g) * s + 2 * c * b;
                    d[i + 1] = g + (p = s * r);
                    g = c * r - b;
                }
                if (r == 0 && i >= l)
                    continue;
                d[l] -= p;
                e[l] = g;
                e[m] = 0;
            }
        } while (m != l);
    }
    result.Alloc(n, 1);
    for (int i = 0; i < n; i++)
        result.At(i, 0) = d[i];
}
