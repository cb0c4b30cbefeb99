// Dense matrices of one evaluation, kept in the evaluation's temporary arrays, and the
// routines on them: reading ranges, products, LU decomposition, inverse and determinant, and
// writing a matrix into the sheet as an array result.
#pragma once
#include "grid/formula/EngineState.h"
#include <vector>

// A matrix whose data is a temporary array, released when the holder goes out of scope (also
// when an error unwinds through it). Zero rows stand for a failed routine.
class CGXTempMatrix
{
  public:
    CGXTempMatrix()
    {
        m.nRows = m.nCols = 0;
        m.pData = NULL;
    }
    ~CGXTempMatrix();
    void Alloc(int nRows, int nCols);
    double& At(int i, int j)
    {
        return m.pData[(size_t)i * m.nCols + j];
    }
    double At(int i, int j) const
    {
        return m.pData[(size_t)i * m.nCols + j];
    }
    int Rows() const
    {
        return m.nRows;
    }
    int Cols() const
    {
        return m.nCols;
    }
    GX_MATRIX m;

  private:
    CGXTempMatrix(const CGXTempMatrix&) = delete;
    CGXTempMatrix& operator=(const CGXTempMatrix&) = delete;
};

// The LU decomposition of a square matrix, in place.
struct GX_LU
{
    std::vector<int> aPivot;
    double dSign = 1;
};

// Reads a range row by row (transposed: column by column); 130 for a cell without a number.
void GXReadMatrix(const GX_RANGE& range, CGXTempMatrix& result, BOOL bTransposed = FALSE);
void GXTransposeMatrix(const CGXTempMatrix& a, CGXTempMatrix& result);
// Zero rows when the inner dimensions differ.
void GXMultiplyMatrices(const CGXTempMatrix& a, const CGXTempMatrix& b, CGXTempMatrix& result);
// Aᵀ · B
void GXMultiplyTransposed(const CGXTempMatrix& a, const CGXTempMatrix& b, CGXTempMatrix& result);
// Returns FALSE when the matrix is singular.
BOOL GXDecomposeLU(CGXTempMatrix& a, GX_LU& lu);
void GXSolveLU(const CGXTempMatrix& a, const GX_LU& lu, double* b);
// Zero rows when singular; a is overwritten by its decomposition.
void GXInvertMatrix(CGXTempMatrix& a, CGXTempMatrix& result);
double GXDeterminant(CGXTempMatrix& a);
// Writes the matrix from the current formula cell on; element (0, 0) is the caller's value.
void GXWriteArrayResult(const CGXTempMatrix& a);
// 1 when some pair a_ij, a_ji differs by more than 1e-10 relative to the larger magnitude.
int GXIsNotSymmetric(const CGXTempMatrix& a);
// Eigenvalues of a symmetric matrix as an n x 1 matrix; zero rows when an eigenvalue does not
// settle within 30 steps. a is overwritten.
void GXEigen(CGXTempMatrix& a, CGXTempMatrix& result);
