// Order statistics, PERMUT and the error functions: values against LibreOffice Calc, the edge
// cases, and the ranges read in position order.
#include "FunctionSheetTest.h"

using namespace formula_test;

namespace
{
const OracleCase s_aOrderStatistics[] = {
#include "OrderStatisticsOracle.inc"
};

TEST_F(FunctionSheetTest, OrderStatisticsAgreeWithCalc)
{
    CheckOracle(s_aOrderStatistics, sizeof(s_aOrderStatistics) / sizeof(s_aOrderStatistics[0]));
}

TEST_F(FunctionSheetTest, OrderStatisticsEdgeCasesAndErrors)
{
    // F1..F4 1, 2, 3, 4; G1..G3 1, 5, 7.
    for (int i = 1; i <= 4; i++)
        GXStoreNumber(m_nSheet, i, 5, i);
    GXStoreNumber(m_nSheet, 1, 6, 1);
    GXStoreNumber(m_nSheet, 2, 6, 5);
    GXStoreNumber(m_nSheet, 3, 6, 7);
    const EdgeCase aCases[] = {
        {"=QUARTILE(F1..F4,1)", "1.75"},
        {"=QUARTILE(F1..F4,1.9)", "1.75"},
        {"=QUARTILE(F1..F4,4)", "4"},
        {"=QUARTILE(F1..F4,4.1)", "#55"},
        {"=QUARTILE(F1..F4,-0.1)", "#55"},
        {"=MEDIAN(F1..F4)", "2.5"},
        {"=MEDIAN(3,1,2)", "2"},
        {"=PERCENTILE(F1..F4,1)", "4"},
        {"=PERCENTILE(F1..F4,0)", "1"},
        {"=PERCENTILE(F1..F4,1.01)", "#55"},
        {"=PERCENTILE(5,0.3)", "5"},
        {"=PERCENTILE(F2,0.3)", "2"},
        {"=PERCENTILE(\"a\",0.3)", "#98"},
        {"=PERCENTILE(J1..J4,0.3)", "0"},
        {"=MODE(2,1,1,2)", "2"},
        {"=MODE(1,2,2,1)", "1"},
        {"=MODE(1,2,3)", "#300"},
        {"=RANK(5,G1..G3)", "2"},
        {"=RANK(5,G1..G3,1)", "2"},
        {"=RANK(7,G1..G3)", "1"},
        {"=RANK(6,G1..G3)", "#301"},
        {"=LARGE(F1..F4,1)", "4"},
        {"=LARGE(F1..F4,4.9)", "1"},
        {"=SMALL(F1..F4,1.9)", "1"},
        {"=LARGE(F1..F4,0)", "#55"},
        {"=LARGE(F1..F4,5)", "#55"},
        {"=SMALL(F1..F4,1e10)", "#55"},
        {"=SMALL(F1..F4,-1e10)", "#55"},
        {"=LARGE(3,1)", "#98"},
        {"=PERCENTRANK(F1..F4,2.5)", "0.5"},
        {"=PERCENTRANK(F1..F4,3)", "0.66666666666667"},
        {"=PERCENTRANK(F1..F4,0.5)", "#55"},
        {"=PERCENTRANK(F1..F4,4.5)", "#55"},
        {"=PERCENTRANK(F1..F1,1)", "1"},
        {"=PERMUT(5,2)", "20"},
        {"=PERMUT(5,0)", "1"},
        {"=PERMUT(5.9,2.9)", "20"},
        {"=PERMUT(2,5)", "#312"},
        {"=PERMUT(0,0)", "#312"},
        {"=PERMUT(5,-1)", "#312"},
        {"=PERMUT(1e10,1)", "#109"},
        {"=PERMUT(4e9,4e9)", "#86"},
        {"=ERF(0)", "0"},
        {"=ERF(0,1)-ERF(1)", "0"},
        {"=ERF(-1)", "#310"},
        {"=ERF(1,-1)", "#311"},
        {"=ERFC(0)", "1"},
        {"=ERFC(-1)", "#310"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
}

// A range larger than the stored cells is visited by the store pool by pool (constants before
// formulas); MODE's tie must still go to the value that comes first by position.
TEST_F(FunctionSheetTest, ModeBreaksTiesByPosition)
{
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 1, 7, "=1+1", NULL));
    GXStoreNumber(m_nSheet, 2, 7, 3);
    GXStoreNumber(m_nSheet, 3, 7, 3);
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 4, 7, "=1+1", NULL));
    GXRecalc(m_nSheet);
    EXPECT_EQ("2", Eval(m_nSheet, "=MODE(H1..H4)"));
    EXPECT_EQ("2", Eval(m_nSheet, "=MODE(H1..H1000)"));
}

TEST_F(FunctionSheetTest, SampleArraysAreReleased)
{
    GXStoreNumber(m_nSheet, 1, 5, 1);
    GXStoreFormula(m_nSheet, 2, 5, "=1/0", NULL);
    GXRecalc(m_nSheet);
    EXPECT_EQ("#60", Eval(m_nSheet, "=MODE(B1..B8,F1..F2)"));
    EXPECT_EQ("#55", Eval(m_nSheet, "=LARGE(B1..B8,9)"));
    for (int i = 0; i < GX_TEMP_ARRAYS; i++)
        EXPECT_TRUE(GXGetEvalState()->apTemp[i] == NULL) << i;
}
} // namespace
