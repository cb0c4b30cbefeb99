// Annuity, depreciation and cash-flow functions: values against LibreOffice Calc (with the
// sign and argument order of our functions mapped), the edge cases and the errors.
#include "FunctionSheetTest.h"
#include <math.h>
#include <stdio.h>

using namespace formula_test;

namespace
{
const OracleCase s_aFinance[] = {
#include "FinanceOracle.inc"
};

TEST_F(FunctionSheetTest, FinanceAgreesWithCalc)
{
    CheckOracle(s_aFinance, sizeof(s_aFinance) / sizeof(s_aFinance[0]));
}

std::string Number(double d)
{
    char sz[64];
    sprintf(sz, "%.14g", d);
    return sz;
}

TEST_F(FunctionSheetTest, FinanceEdgeCasesAndErrors)
{
    // V1..V2 -100, 110; W1..W2 100, 100 with the dates X1..X2 both 38000 (in a leap year);
    // X3 37999; Y1..Y2 100 and nothing.
    GXStoreNumber(m_nSheet, 1, 21, -100);
    GXStoreNumber(m_nSheet, 2, 21, 110);
    GXStoreNumber(m_nSheet, 1, 22, 100);
    GXStoreNumber(m_nSheet, 2, 22, 100);
    GXStoreNumber(m_nSheet, 1, 23, 38000);
    GXStoreNumber(m_nSheet, 2, 23, 38000);
    GXStoreNumber(m_nSheet, 3, 23, 37999);
    GXStoreNumber(m_nSheet, 1, 24, 100);
    const std::string sEffect = Number(pow(1.04, 2.5) - 1);
    const std::string sXnpv = Number(200 / pow(1.1, 1 / 366.0));
    const EdgeCase aCases[] = {
        {"=PMT(1000,0,4)", "250"},
        {"=FV(100,0,12)", "1200"},
        {"=PV(100,-1,3)", "#86"},
        {"=FV(100,-2,1)", "#50"},
        {"=FV(100,0.1,0)", "#49"},
        {"=RATE(200,100,1)", "1"},
        {"=RATE(200,-100,1)", "#45"},
        {"=RATE(0,100,1)", "#44"},
        {"=RATE(200,100,0)", "#49"},
        {"=CTERM(0,2,1)", "#51"},
        {"=CTERM(0.1,0,1)", "#44"},
        {"=CTERM(0.1,-2,1)", "#45"},
        {"=TERM(0,0.1,100)", "#47"},
        {"=TERM(100,0.1,-100)", "#46"},
        {"=SYD(1000,100,5,1)", "300"},
        {"=SYD(1000,100,5,-1)", "#48"},
        {"=SLN(1000,100,0)", "#43"},
        {"=SLN(100,1000,5)", "#124"},
        {"=SLN(1000,-1,5)", "#124"},
        {"=DDB(1000,100,5,1)", "400"},
        {"=DDB(1000,100,5.5,1)", "#42"},
        {"=DDB(1000,100,5,6)", "#125"},
        {"=DDB(1000,100,5,0)", "#125"},
        {"=DDB(1000,100,1e10,1)", "#109"},
        {"=DB(1000,100,5,1)", "369"},
        {"=DB(1000,100,5,6,6)*0", "0"},
        {"=DB(1000,100,5,6)", "#125"},
        {"=DB(1000,-100,5,1)", "#313"},
        {"=VDB(1000,100,5,0,1)", "400"},
        {"=VDB(1000,100,5,2,1)", "#287"},
        {"=VDB(1000,100,5,0,6)", "#125"},
        {"=VDB(1000,100,1e10,0,1)", "#109"},
        {"=CUMIPMT(0.01,24,1000,1,1,1)", "0"},
        {"=CUMIPMT(0.01,24,1000,0,5,0)", "#285"},
        {"=CUMPRINC(0.01,24,1000,2,0,0)", "#286"},
        {"=CUMIPMT(0.01,24,1000,5,2,0)", "#287"},
        {"=CUMIPMT(0.01,24,1000,1,1e10,0)", "#55"},
        {"=IPMT(-0.01,3,24,1000,0)", "#313"},
        {"=IPMT(-0.01,3,24,A1:A2,0)", "#56"},
        {"=EFFECT(0.1,2.5)", sEffect.c_str()},
        {"=EFFECT(0,4)", "#290"},
        {"=EFFECT(0.1,0.5)", "#291"},
        {"=NOMINAL(0.1,0)", "#291"},
        {"=FVSCHEDULE(100,0.1)", "110"},
        {"=FVSCHEDULE(100,A1..B2)", "#309"},
        {"=IRR(0.1,V1)", "#126"},
        {"=IRR(0.1,V1..V2)", "0.1"},
        {"=IRR(0.1,W1..W2)", "#147"},
        {"=MIRR(D1..D5,0.1,0.1)", "#304"},
        {"=MIRR(3,0.1,0.1)", "#58"},
        {"=MIRR(A1..B8,0.1,0.1)", "#59"},
        {"=XNPV(0.1,W1..W2,X1..X2)", sXnpv.c_str()},
        {"=XNPV(-2,W1..W2,X1..X2)", "#50"},
        {"=XNPV(0.1,W1..W2,X1..X3)", "#297"},
        {"=XNPV(0.1,W1..W2,3)", "#58"},
        {"=XNPV(0.1,W1..X2,X1..X2)", "#59"},
        {"=XNPV(0.1,W1..W2,X1..Y2)", "#296"},
        {"=XNPV(0.1,W1..W2,X2..X3)", "#308"},
        {"=XNPV(0.1,Y1..Y2,X1..X2)", "#129"},
        {"=XIRR(W1..W2,X1..X2,-1)", "#147"},
        {"=XIRR(V1..V2,X1..X2,0.1)", "#63"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
}

// MIRR discounts the k-th flow of the series by position, whatever order the store keeps.
TEST_F(FunctionSheetTest, MirrReadsTheSeriesInPositionOrder)
{
    GXStoreNumber(m_nSheet, 1, 21, -100);
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 2, 21, "=50+0", NULL));
    GXStoreNumber(m_nSheet, 3, 21, 80);
    GXRecalc(m_nSheet);
    // By hand: P = 50/1.12^2 + 80/1.12^3, N = -100/1.1, n = 3.
    double p = 50 / pow(1.12, 2) + 80 / pow(1.12, 3), n = -100 / 1.1;
    std::string sExpected = Number(pow(-pow(1.12, 3) * p / (1.1 * n), 0.5) - 1);
    EXPECT_EQ(sExpected, Eval(m_nSheet, "=MIRR(V1..V3,0.1,0.12)"));
    EXPECT_EQ(sExpected, Eval(m_nSheet, "=MIRR(V1..V1000,0.1,0.12)"));
}
} // namespace
