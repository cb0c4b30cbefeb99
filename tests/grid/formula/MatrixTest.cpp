// Matrix functions and array results: blocks written from the formula cell on, shapes, errors,
// the sheet's edge and the records saved for undo.
#include "FunctionSheetTest.h"
#include "grid/core/GridParam.h"
#include "grid/formula/CellStore.h"
#include "grid/formula/FormulaSheet.h"
#include "grid/formula/Fourier.h"
#include "grid/formula/FunctionSupport.h"
#include "grid/formula/UndoEngineCellsInfo.h"
#include <algorithm>
#include <math.h>
#include <vector>

using namespace formula_test;

namespace
{
// F1..H2 the 2 x 3 matrix 1 2 3 / 4 5 6; F4..G6 the 3 x 2 matrix 7 8 / 9 10 / 11 12;
// F8..G9 0 1 / 1 0; F11..G12 1 2 / 2 4 (singular); F14..F17 1, 2, 3, 4 and G14..G15 bins 2, 3.
class MatrixTest : public FunctionSheetTest
{
  protected:
    void SetUp() override
    {
        FunctionSheetTest::SetUp();
        const double a[] = {1, 2, 3, 4, 5, 6};
        for (int i = 0; i < 6; i++)
            GXStoreNumber(m_nSheet, 1 + i / 3, 5 + i % 3, a[i]);
        for (int i = 0; i < 6; i++)
            GXStoreNumber(m_nSheet, 4 + i / 2, 5 + i % 2, 7 + i);
        const double s[] = {0, 1, 1, 0, 1, 2, 2, 4};
        for (int i = 0; i < 4; i++)
        {
            GXStoreNumber(m_nSheet, 8 + i / 2, 5 + i % 2, s[i]);
            GXStoreNumber(m_nSheet, 11 + i / 2, 5 + i % 2, s[4 + i]);
            GXStoreNumber(m_nSheet, 14 + i, 5, i + 1);
        }
        GXStoreNumber(m_nSheet, 14, 6, 2);
        GXStoreNumber(m_nSheet, 15, 6, 3);
    }
    std::string Block(DWORD nRow, DWORD nCol, int nRows, int nCols, int nSheet = 0)
    {
        std::string s;
        for (int i = 0; i < nRows; i++)
            for (int j = 0; j < nCols; j++)
                s += (s.empty() ? "" : (j == 0 ? " / " : " ")) +
                     CellValue(nSheet ? nSheet : m_nSheet, nRow + i, nCol + j);
        return s;
    }
    // Stores a formula at row 30 of column K and recalculates.
    void Put(const char* pszFormula)
    {
        ASSERT_TRUE(GXStoreFormula(m_nSheet, 30, 10, pszFormula, NULL)) << pszFormula;
        GXRecalc(m_nSheet);
    }
};

struct ArrayCase
{
    const char* pszFormula;
    int nRows, nCols; // the block to show, one row and column beyond the result
    const char* pszBlock;
};

TEST_F(MatrixTest, ArrayResultsFillTheirBlock)
{
    const ArrayCase aCases[] = {
        {"=MMUL(F1..H2,F4..G6)", 3, 3, "58 64 none / 139 154 none / none none none"},
        {"=TRANSPOSE(F1..H1)", 4, 2, "1 none / 2 none / 3 none / none none"},
        {"=TRANSPOSE(F1..H2)", 4, 3, "1 4 none / 2 5 none / 3 6 none / none none none"},
        {"=INVERT(F8..G9)", 3, 3, "0 1 none / 1 0 none / none none none"},
        {"=FREQUENCY(F14..F17,G14..G15)", 4, 2, "1 none / 1 none / 2 none / none none"},
        {"=FREQUENCY(F14..F17,F14..H14)", 2, 4, "0 1 3 none / none none none none"},
    };
    for (const ArrayCase& c : aCases)
    {
        SCOPED_TRACE(c.pszFormula);
        Put(c.pszFormula);
        EXPECT_EQ(c.pszBlock, Block(30, 10, c.nRows, c.nCols));
        for (int i = 0; i < c.nRows; i++)
            for (int j = 0; j < c.nCols; j++)
                GXRemoveCellAt(m_nSheet, 30 + i, 10 + j);
    }
}

TEST_F(MatrixTest, MatrixValuesAndErrors)
{
    const EdgeCase aCases[] = {
        {"=DET(F8..G9)", "-1"},
        {"=DET(F11..G12)", "0"},
        {"=DET(F4..G5)", "-2"},
        {"=DET(F1..H2)", "#118"},
        {"=INVERT(F11..G12)", "#117"},
        {"=INVERT(F1..H2)", "#118"},
        {"=MMUL(F1..H2,F1..H2)", "#104"},
        {"=MMUL(3,F1..H2)", "#98"},
        {"=MMUL(1/0,F1..H2)", "#70"},
        {"=TRANSPOSE(\"a\")", "#98"},
        {"=DET(J1..K2)", "#130"},
        {"=DET(F7..G8)", "#130"},
        {"=FREQUENCY(3,G14..G15)", "#58"},
        {"=FREQUENCY(F14..F17,3)", "#58"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
}

// FREQUENCY takes its bins by position, whatever order the store keeps (constants before
// formulas): bins 2, =3+0, 5 give the counts of [.., 2), [2, 3), [3, 5), [5, ..); in store
// order (2, 5, 3) they would be 1 1 0 3. The data's order does not matter, but a formula
// among the data counts the same.
TEST_F(MatrixTest, FrequencyTakesItsBinsInPositionOrder)
{
    GXStoreNumber(m_nSheet, 20, 6, 2);
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 21, 6, "=3+0", NULL));
    GXStoreNumber(m_nSheet, 22, 6, 5);
    const double data[] = {1, 2, 3, 6};
    for (int i = 0; i < 4; i++)
        GXStoreNumber(m_nSheet, 20 + i, 5, data[i]);
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 24, 5, "=2+2", NULL));
    GXRecalc(m_nSheet);
    for (const char* pszFormula : {"=FREQUENCY(F20..F24,G20..G22)", "=FREQUENCY(F20..F1000,G20..G1000)"})
    {
        SCOPED_TRACE(pszFormula);
        Put(pszFormula);
        EXPECT_EQ("1 / 1 / 2 / 1", Block(30, 10, 4, 1));
    }
}

// A block that would pass the sheet's last row is refused before anything is written.
TEST_F(MatrixTest, ArrayResultMustFitTheSheet)
{
    GX_VALUE v;
    ASSERT_TRUE(GXEvaluateText(m_nSheet, "=MMUL(F4..G6,F8..G9)", GX_MAX_ROW - 1, 10, &v));
    EXPECT_EQ("#110", Take(v));
    EXPECT_EQ("none", CellValue(m_nSheet, GX_MAX_ROW, 10));
    EXPECT_EQ("none", CellValue(m_nSheet, GX_MAX_ROW, 11));
    ASSERT_TRUE(GXEvaluateText(m_nSheet, "=MMUL(F8..G9,F8..G9)", GX_MAX_ROW - 1, 10, &v));
    EXPECT_EQ("1", Take(v));
    EXPECT_EQ("1", CellValue(m_nSheet, GX_MAX_ROW, 11));
    ASSERT_TRUE(GXEvaluateText(m_nSheet, "=TRANSPOSE(F1..H1)", 1, GX_MAX_COL, &v));
    EXPECT_EQ("1", Take(v));
    ASSERT_TRUE(GXEvaluateText(m_nSheet, "=TRANSPOSE(F1..H2)", 1, GX_MAX_COL, &v));
    EXPECT_EQ("#110", Take(v));
}

// With undo information kept, what the block overwrote is saved: the old record, and a
// placeholder where nothing stood.
TEST_F(MatrixTest, ArrayResultSavesOverwrittenCellsForUndo)
{
    GXStoreNumber(m_nSheet, 30, 11, 99);
    GX_SHEET_CONTEXT* c = GXGetSheetContext(m_nSheet);
    c->bKeepUndo = 1;
    GXFreeSavedCells(m_nSheet);
    Put("=MMUL(F1..H2,F4..G6)");
    EXPECT_EQ("58 64 / 139 154", Block(30, 10, 2, 2));
    std::string sSaved;
    for (GX_SAVED_CELL* p = c->pSaved; p != NULL; p = p->pNext)
    {
        char sz[64];
        sprintf(sz, "%lu,%lu:%d ", (unsigned long)p->pCell->nRow, (unsigned long)p->pCell->nCol,
                p->pCell->ValueKind() == GX_CELLVALUE_NUMBER ? (int)p->pCell->dValue : -1);
        sSaved += sz;
    }
    EXPECT_NE(std::string::npos, sSaved.find("30,11:99 ")) << sSaved;
    EXPECT_NE(std::string::npos, sSaved.find("31,10:-1 ")) << sSaved;
    EXPECT_NE(std::string::npos, sSaved.find("31,11:-1 ")) << sSaved;
    GXFreeSavedCells(m_nSheet);
    c->bKeepUndo = 0;
}

// Through the formula sheet: undo takes the whole block back to what it overwrote (a number
// and empty cells) and restores the cell the formula went into; redo brings the block back.
TEST_F(MatrixTest, UndoOfAnArrayResultRestoresTheBlock)
{
    CGXGridParam param;
    param.SetStylesMapObject(new CGXStylesMap);
    param.GetStylesMap()->CreateStandardStyles();
    CGXFormulaSheet sheet;
    sheet.InitParamObject(&param);
    int nSheet = sheet.GetEngineSheet();
    // Grid column n is engine column n - 1: the matrices stand in engine columns 5..7.
    const double a[] = {1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 6; i++)
    {
        sheet.SetNumberRowCol(1 + i / 3, 6 + i % 3, a[i]);
        sheet.SetNumberRowCol(4 + i / 2, 6 + i % 2, 7 + i);
    }
    sheet.SetNumberRowCol(20, 10, 5);
    sheet.SetNumberRowCol(21, 11, 99);
    sheet.SetKeepUndoInfo(TRUE);
    delete sheet.DetachUndoInfo();
    ASSERT_TRUE(sheet.SetExpressionRowCol(20, 10, "=MMUL(F1..H2,F4..G6)"));
    EXPECT_EQ("58 64 / 139 154", Block(20, 9, 2, 2, nSheet));
    CObject* pInfo = sheet.DetachUndoInfo();
    CGXUndoEngineCellsInfo* pCells = dynamic_cast<CGXUndoEngineCellsInfo*>(pInfo);
    ASSERT_TRUE(pCells != NULL);
    sheet.SetKeepUndoInfo(FALSE);
    // The whole block is the range the operation touched.
    EXPECT_TRUE(SameReference(GXBoxRef(20, 9, 21, 10), pCells->m_range));
    EXPECT_TRUE(pCells->m_bClearRangeFirst);

    ASSERT_TRUE(sheet.ApplyUndoInfo(pInfo, TRUE, TRUE));
    // Where nothing stood, the saved placeholder (a record without a value) comes back.
    EXPECT_EQ("5 no value / no value 99", Block(20, 9, 2, 2, nSheet));
    EXPECT_EQ(CString(""), sheet.GetValueTextRowCol(20, 11));

    ASSERT_TRUE(sheet.ApplyUndoInfo(pInfo, TRUE, TRUE));
    EXPECT_EQ("58 64 / 139 154", Block(20, 9, 2, 2, nSheet));
    EXPECT_EQ(CString("=MMUL(F1..H2,F4..G6)"), sheet.GetExpressionTextRowCol(20, 10));
    delete pInfo;
}
} // namespace

namespace
{
// Values of a block of cells, compared with a tolerance.
void ExpectBlockNear(int nSheet, DWORD nRow, DWORD nCol, int nRows, int nCols, const double* pExpected)
{
    for (int i = 0; i < nRows; i++)
        for (int j = 0; j < nCols; j++)
        {
            GX_VALUE v;
            GX_CELL* p = GXGetCellValue(nSheet, nRow + i, nCol + j, &v);
            ASSERT_TRUE(p != NULL && v.nKind == GX_CELLVALUE_NUMBER) << i << "," << j;
            EXPECT_NEAR(pExpected[i * nCols + j], v.dValue, 1e-12) << i << "," << j;
        }
    EXPECT_EQ("none", CellValue(nSheet, nRow + nRows, nCol));
    EXPECT_EQ("none", CellValue(nSheet, nRow, nCol + nCols));
}

TEST_F(MatrixTest, TransformsAndTheirShapes)
{
    GXStoreNumber(m_nSheet, 20, 5, 1); // F20..F23 1, 0, 0, 0
    for (int i = 1; i <= 3; i++)
        GXStoreNumber(m_nSheet, 20 + i, 5, 0);
    Put("=FFT(F20..F23)");
    const double aImpulse[] = {1, 0, 1, 0, 1, 0, 1, 0};
    ExpectBlockNear(m_nSheet, 30, 10, 4, 2, aImpulse);
    Put("=FFT(F14..F17)"); // 1, 2, 3, 4
    const double aRamp[] = {10, 0, -2, -2, -2, 0, -2, 2};
    ExpectBlockNear(m_nSheet, 30, 10, 4, 2, aRamp);
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 30, 14, "=INVFFT(K30..L33)", NULL));
    GXRecalc(m_nSheet);
    const double aBack[] = {1, 0, 2, 0, 3, 0, 4, 0};
    ExpectBlockNear(m_nSheet, 30, 14, 4, 2, aBack);
    // Across a row: a 2 x n block.
    GXRemoveCellAt(m_nSheet, 30, 14);
    for (int i = 0; i < 4; i++)
        for (int j = 0; j < 4; j++)
            GXRemoveCellAt(m_nSheet, 30 + i, 10 + j);
    GXStoreNumber(m_nSheet, 1, 8, 4); // F1..I1 1, 2, 3, 4
    Put("=FFT(F1..I1)");
    const double aRow[] = {10, -2, -2, -2, 0, -2, 0, 2};
    ExpectBlockNear(m_nSheet, 30, 10, 2, 4, aRow);
    for (int i = 0; i < 2; i++)
        for (int j = 0; j < 4; j++)
            GXRemoveCellAt(m_nSheet, 30 + i, 10 + j);
    // Any length for the direct transform, and it agrees with the fast one.
    Put("=DFT(F14..F16)");
    const double aThree[] = {6, 0, -1.5, -sqrt(0.75), -1.5, sqrt(0.75)};
    ExpectBlockNear(m_nSheet, 30, 10, 3, 2, aThree);
    Put("=INVDFT(K30..L32)");
    GXRemoveCellAt(m_nSheet, 30, 10);
    const EdgeCase aCases[] = {
        {"=FFT(F14..F16)", "#69"},
        {"=INVFFT(F14..F16)", "#69"},
        {"=FFT(F14..H17)", "#103"},
        {"=DFT(F1..H3)", "#103"},
        {"=FFT(A1..A1048577)", "#103"},
        {"=FFT(F14..F18)", "#130"},
        {"=FFT(3)", "#98"},
        {"=DFT(F14)", "1"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
}

// The fast transform at its largest length, on a signal whose transform is known in every bin:
// cos(2π·3j/n) + 0.5·sin(2π·5j/n) gives n/2 at bins 3 and n - 3, i·n/4 at bin 5, -i·n/4 at
// bin n - 5 and 0 elsewhere; the inverse gives the signal back.
TEST_F(MatrixTest, FastTransformOfTheLargestLength)
{
    const int n = GX_FFT_MAX_POINTS;
    CGXTempMatrix x;
    x.Alloc(n, 2);
    for (int j = 0; j < n; j++)
        x.At(j, 0) = cos(2 * GX_PI * 3 * j / n) + 0.5 * sin(2 * GX_PI * 5.0 * j / n);
    ASSERT_TRUE(GXFastFourier(x, 1));
    double dWorst = 0;
    int nWorst = -1;
    for (int k = 0; k < n; k++)
    {
        double re = (k == 3 || k == n - 3) ? n / 2.0 : 0;
        double im = k == 5 ? n / 4.0 : (k == n - 5 ? -n / 4.0 : 0);
        double d = fmax(fabs(x.At(k, 0) - re), fabs(x.At(k, 1) - im));
        if (d > dWorst)
            dWorst = d, nWorst = k;
    }
    EXPECT_LT(dWorst, 1e-6) << "bin " << nWorst;
    ASSERT_TRUE(GXFastFourier(x, -1));
    dWorst = 0;
    for (int j = 0; j < n; j++)
    {
        double re = cos(2 * GX_PI * 3 * j / n) + 0.5 * sin(2 * GX_PI * 5.0 * j / n);
        dWorst = fmax(dWorst, fmax(fabs(x.At(j, 0) - re), fabs(x.At(j, 1))));
    }
    EXPECT_LT(dWorst, 1e-12);
}

// Fast and direct transforms agree on an irregular complex signal, both ways.
TEST_F(MatrixTest, FastAndDirectTransformsAgree)
{
    const int n = 1024;
    CGXTempMatrix fast, direct;
    fast.Alloc(n, 2);
    direct.Alloc(n, 2);
    unsigned int seed = 12345;
    for (int j = 0; j < n; j++)
        for (int c = 0; c < 2; c++)
        {
            seed = seed * 1103515245u + 12345u;
            fast.At(j, c) = direct.At(j, c) = (seed >> 8) / 16777216.0 - 0.5;
        }
    for (int nDirection : {1, -1})
    {
        ASSERT_TRUE(GXFastFourier(fast, nDirection));
        GXDirectFourier(direct, nDirection);
        for (int k = 0; k < n; k++)
            for (int c = 0; c < 2; c++)
                ASSERT_NEAR(direct.At(k, c), fast.At(k, c), 1e-9) << nDirection << " bin " << k;
    }
    EXPECT_FALSE(GXFastFourier(fast, 0));
}

TEST_F(MatrixTest, EigenvaluesOfSymmetricMatrices)
{
    // F20..H22 the second-difference matrix, eigenvalues 2 - √2, 2, 2 + √2.
    const double a[] = {2, -1, 0, -1, 2, -1, 0, -1, 2};
    for (int i = 0; i < 9; i++)
        GXStoreNumber(m_nSheet, 20 + i / 3, 5 + i % 3, a[i]);
    Put("=EIGEN(F20..H22)");
    std::vector<double> values;
    for (int i = 0; i < 3; i++)
    {
        GX_VALUE v;
        ASSERT_TRUE(GXGetCellValue(m_nSheet, 30 + i, 10, &v) != NULL);
        values.push_back(v.dValue);
    }
    EXPECT_EQ("none", CellValue(m_nSheet, 33, 10));
    EXPECT_EQ("none", CellValue(m_nSheet, 30, 11));
    std::sort(values.begin(), values.end());
    EXPECT_NEAR(2 - sqrt(2.0), values[0], 1e-12);
    EXPECT_NEAR(2, values[1], 1e-12);
    EXPECT_NEAR(2 + sqrt(2.0), values[2], 1e-12);
    // Symmetric within one part in 1e12, not within one part in 1e6.
    GXStoreNumber(m_nSheet, 21, 5, -1 * (1 + 1e-12));
    EXPECT_NE("#119", Eval(m_nSheet, "=EIGEN(F20..H22)"));
    GXStoreNumber(m_nSheet, 21, 5, -1 * (1 + 1e-6));
    EXPECT_EQ("#119", Eval(m_nSheet, "=EIGEN(F20..H22)"));
    EXPECT_EQ("#118", Eval(m_nSheet, "=EIGEN(F20..H21)"));
    // A value that never settles gives up after a bounded number of steps.
    GXStoreNumber(m_nSheet, 21, 5, -1);
    GXStoreNumber(m_nSheet, 20, 5, NAN);
    EXPECT_EQ("#63", Eval(m_nSheet, "=EIGEN(F20..H22)"));
}
} // namespace
