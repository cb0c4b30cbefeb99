// Matrix functions and array results: blocks written from the formula cell on, shapes, errors,
// the sheet's edge and the records saved for undo.
#include "FunctionSheetTest.h"
#include "grid/formula/CellStore.h"

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
    std::string Block(DWORD nRow, DWORD nCol, int nRows, int nCols)
    {
        std::string s;
        for (int i = 0; i < nRows; i++)
            for (int j = 0; j < nCols; j++)
                s += (s.empty() ? "" : (j == 0 ? " / " : " ")) + CellValue(m_nSheet, nRow + i, nCol + j);
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
} // namespace
