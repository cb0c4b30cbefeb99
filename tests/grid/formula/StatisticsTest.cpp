// The statistics functions through formulas on an engine sheet: values against LibreOffice
// Calc, then edge cases and errors.
#include "FunctionSheetTest.h"

using namespace formula_test;

namespace
{
const OracleCase s_aStatistics[] = {
#include "StatisticsOracle.inc"
};

TEST_F(FunctionSheetTest, StatisticsAgreeWithCalc)
{
    CheckOracle(s_aStatistics, sizeof(s_aStatistics) / sizeof(s_aStatistics[0]));
}

TEST_F(FunctionSheetTest, StatisticsEdgeCasesAndErrors)
{
    // F1..F3 1, 2, 3; G1 1, G3 4 (G2 missing); H1 "x", H2 "2", H3 " -3", H4 1; I1 7, I2 "t".
    GXStoreNumber(m_nSheet, 1, 5, 1);
    GXStoreNumber(m_nSheet, 2, 5, 2);
    GXStoreNumber(m_nSheet, 3, 5, 3);
    GXStoreNumber(m_nSheet, 1, 6, 1);
    GXStoreNumber(m_nSheet, 3, 6, 4);
    GXStoreText(m_nSheet, 1, 7, "x");
    GXStoreText(m_nSheet, 2, 7, "2");
    GXStoreText(m_nSheet, 3, 7, " -3");
    GXStoreNumber(m_nSheet, 4, 7, 1);
    GXStoreNumber(m_nSheet, 1, 8, 7);
    GXStoreText(m_nSheet, 2, 8, "t");
    const EdgeCase aCases[] = {
        {"=SUM(H1..H4)", "0"},
        {"=SUM(\"5\",\"x\",1)", "6"},
        {"=VSUM(A1..A8)", "40"},
        {"=COUNT(I1..I3)", "2"},
        {"=COUNT(1,\"a\",I1,I3)", "3"},
        {"=AVG(J1..J5)", "#153"},
        {"=MIN(H1..H1)", "#153"},
        {"=MIN(H1)", "0"},
        {"=MAX(I2..I2)", "#153"},
        {"=MIN(F1..F3,-2)", "-2"},
        {"=VAR(3)", "0"},
        {"=STD(3)", "0"},
        {"=VARS(3)", "#154"},
        {"=STDS(3)", "#154"},
        {"=SSE(J1..J2)", "#145"},
        {"=MSQ(J1..J2)", "#153"},
        {"=RMS(J1..J2)", "#153"},
        {"=GMEAN(1,0)", "#137"},
        {"=GMEAN(J1..J2)", "#153"},
        {"=HMEAN(1,0)", "#134"},
        {"=SUM(1,1/0)", "#70"},
        {"=TTEST(A2..A4,1)", "1"},
        {"=TTEST(F1..F1,1)", "#154"},
        {"=TTEST(5,1)", "#98"},
        {"=TTEST(F1,1)", "#154"},
        {"=ZTEST(F1,1)", "#98"},
        {"=T(10,0)", "0.5"},
        {"=T(0,1)", "#68"},
        {"=T(-1,1)", "#68"},
        {"=F(1,1,-1)", "#39"},
        {"=F(0,1,1)", "#68"},
        {"=F(2,3,0)", "0"},
        {"=NORMSINV(0.5)", "0"},
        {"=NORMSINV(1)", "#138"},
        {"=NORMSINV(0)", "#138"},
        {"=NORMSDIST(0)", "0.5"},
        {"=NORMDIST(1,0,0,1)", "#138"},
        {"=NORMINV(1.2,0,1)", "#138"},
        {"=NORMINV(0.5,3,1)", "3"},
        {"=CORR(A1..A4,B1..C2)", "#146"},
        {"=CORR(F1..F3,G1..G3)", "#152"},
        {"=PTTEST(F1..F3,G1..G3)", "#152"},
        {"=PTTEST(F1..F3,G1..H3)", "#146"},
        {"=PTTEST(F1..F3,F1..F3)", "1"},
        {"=TTEST2EV(F1..F1,G1..G2)", "#144"},
        {"=TTEST2EV(F1..F3,F1..F3)", "1"},
        {"=TTEST2UV(F1..F1,G1..G3)", "#154"},
        {"=FTEST(F1..F3,G1..G1)", "#154"},
        {"=ZTEST(C1..C5,10,0)", "#138"},
        {"=ZTEST(F1..F1,1)", "#154"},
        {"=ZTEST(F1..F3,2)", "0.5"},
        {"=STANDARDIZE(1,1,0)", "#138"},
        {"=STANDARDIZE(4,1,3)", "1"},
        {"=CONFIDENCE(0.05,1,0)", "#138"},
        {"=CONFIDENCE(1,1,5)", "#138"},
        {"=CONFIDENCE(0.05,1,1e10)", "#109"},
        {"=CONFIDENCE(0.05,-1,5)", "#138"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
    // An empty range averages to 0 where blank cells are zero.
    GXSetBlankIsZero(m_nSheet, 1);
    EXPECT_EQ("0", Eval(m_nSheet, "=AVG(J1..J5)"));
}

TEST_F(FunctionSheetTest, StatisticsErrorsNameTheFunction)
{
    GX_VALUE v;
    ASSERT_TRUE(GXEvaluateText(m_nSheet, "=STDS(3)", 1, 10, &v));
    ASSERT_EQ((DWORD)GX_VALUE_ERROR, v.nKind);
    EXPECT_EQ(154u, v.error.nCode);
    EXPECT_STREQ("STDS", v.error.pszDetail);
    EXPECT_EQ("parse 229@1", Eval(m_nSheet, "=NORMSDIST(1,2)"));
    EXPECT_EQ("parse 230@1", Eval(m_nSheet, "=T(1)"));
    EXPECT_EQ("parse 230@1", Eval(m_nSheet, "=ZTEST(C1..C5)"));
}
} // namespace
