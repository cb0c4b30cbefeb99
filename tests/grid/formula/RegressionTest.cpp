// The least-squares functions: fits and statistics against LibreOffice Calc's LINEST and
// FORECAST, the shapes of their blocks and their errors.
#include "FunctionSheetTest.h"
#include "grid/formula/CellStore.h"

using namespace formula_test;

namespace
{
const OracleCase s_aRegression[] = {
#include "RegressionOracle.inc"
};

TEST_F(FunctionSheetTest, RegressionAgreesWithCalc)
{
    const struct
    {
        DWORD nRow;
        const char* pszFormula;
    } aFits[] = {
        {20, "=PLS(A1..A8,B1..B8,1)"},      {30, "=LLS(P1..R6,S1..S6)"},
        {40, "=POLYCOEF(A1..A8,B1..B8,2)"}, {50, "=TREND(C1..C3,A1..A8,B1..B8)"},
        {60, "=LINFIT(A1..A8,B1..B8)"},
    };
    for (const auto& f : aFits)
        ASSERT_TRUE(GXStoreFormula(m_nSheet, f.nRow, 12, f.pszFormula, NULL)) << f.pszFormula;
    GXRecalc(m_nSheet);
    for (const auto& f : aFits)
        ASSERT_NE(std::string::npos, CellValue(m_nSheet, f.nRow, 12).find_first_of("0123456789"))
            << f.pszFormula << " gave " << CellValue(m_nSheet, f.nRow, 12);
    CheckOracle(s_aRegression, sizeof(s_aRegression) / sizeof(s_aRegression[0]));
    // Block shapes: 4 x (p + 1) statistics, a column of coefficients, one fitted value per x.
    EXPECT_NE("none", CellValue(m_nSheet, 23, 14));
    EXPECT_EQ("none", CellValue(m_nSheet, 24, 12));
    EXPECT_EQ("none", CellValue(m_nSheet, 20, 15));
    EXPECT_NE("none", CellValue(m_nSheet, 33, 15));
    EXPECT_EQ("none", CellValue(m_nSheet, 30, 16));
    EXPECT_EQ("none", CellValue(m_nSheet, 43, 12));
    EXPECT_EQ("none", CellValue(m_nSheet, 40, 13));
    EXPECT_EQ("none", CellValue(m_nSheet, 53, 12));
    EXPECT_EQ("none", CellValue(m_nSheet, 68, 12));
}

TEST_F(FunctionSheetTest, RegressionEdgeCasesAndErrors)
{
    // F1..F3 1, 2, 3 and G1..G3 3, 5, 7 lie on y = 2x + 1; F5..H5 1, 2, 3 and F6..H6 3, 5, 7
    // the same as rows; J1..J3 all 1 (a constant x), I1..I3 all 2.
    for (int i = 1; i <= 3; i++)
    {
        GXStoreNumber(m_nSheet, i, 5, i);
        GXStoreNumber(m_nSheet, i, 6, 2 * i + 1);
        GXStoreNumber(m_nSheet, 5, 4 + i, i);
        GXStoreNumber(m_nSheet, 6, 4 + i, 2 * i + 1);
        GXStoreNumber(m_nSheet, i, 9, 1);
        GXStoreNumber(m_nSheet, i, 8, 2);
    }
    const EdgeCase aCases[] = {
        {"=FORECAST(10,F1..F3,G1..G3)", "21"},   {"=FORECAST(10,F5..H5,F6..H6)", "21"},
        {"=TREND(4,F1..F3,G1..G3)", "9"},        {"=FORECAST(10,F1..F2,G1..G2)", "#65"},
        {"=FORECAST(10,F1..F3,G1..G2)", "#103"}, {"=FORECAST(10,F1..F3,F6..H6)", "#103"},
        {"=FORECAST(10,F1..G3,F1..G3)", "#103"}, {"=FORECAST(10,F1..F4,G1..G4)", "#131"},
        {"=FORECAST(10,J1..J3,G1..G3)", "#61"},  {"=POLYCOEF(F1..F3,G1..G3,11)", "#143"},
        {"=POLYCOEF(F1..F3,G1..G3,0)", "#143"},  {"=POLYCOEF(F1..F3,G1..G3,1e10)", "#143"},
        {"=POLYCOEF(F1..F3,G1..G3,2)", "#66"},   {"=PLS(F1..F3,G1..G3,2)", "#66"},
        {"=LINFIT(F1..F2,G1..G2)", "#65"},       {"=LLS(F1..F3,G1..G2)", "#103"},
        {"=LLS(I1..J3,G1..G3)", "#61"},          {"=LLS(F1..F4,G1..G4)", "#130"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
}

// LINFIT over rows writes a row; TREND takes any number of new x values.
TEST_F(FunctionSheetTest, FittedValuesKeepTheDataShape)
{
    for (int i = 1; i <= 3; i++)
    {
        GXStoreNumber(m_nSheet, 5, 4 + i, i);
        GXStoreNumber(m_nSheet, 6, 4 + i, 2 * i + 1);
    }
    for (int i = 1; i <= 12; i++)
        GXStoreNumber(m_nSheet, i, 20, i);
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 40, 10, "=LINFIT(F5..H5,F6..H6)", NULL));
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 50, 10, "=TREND(U1..U12,F5..H5,F6..H6)", NULL));
    GXRecalc(m_nSheet);
    EXPECT_EQ("3", CellValue(m_nSheet, 40, 10));
    EXPECT_EQ("5", CellValue(m_nSheet, 40, 11));
    EXPECT_EQ("7", CellValue(m_nSheet, 40, 12));
    EXPECT_EQ("none", CellValue(m_nSheet, 41, 10));
    EXPECT_EQ("3", CellValue(m_nSheet, 50, 10));
    EXPECT_EQ("25", CellValue(m_nSheet, 61, 10));
    EXPECT_EQ("none", CellValue(m_nSheet, 62, 10));
}
} // namespace
