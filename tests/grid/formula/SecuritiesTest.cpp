// Securities functions: coupon schedules, discounted securities, bonds and their yield solver,
// treasury bills and dollar fractions, with values worked out by hand.
#include "FunctionSheetTest.h"
#include <math.h>
#include <stdio.h>

using namespace formula_test;

namespace
{
std::string Number(double d)
{
    char sz[64];
    sprintf(sz, "%.14g", d);
    return sz;
}

TEST_F(FunctionSheetTest, SecuritiesEdgeCasesAndErrors)
{
    const std::string sAccrued = Number(1000 * 0.1 * 182 / 366.0);
    const std::string sTBill = Number(((1 - 0.9845) / (61 / 360.0)) / 0.9845);
    const std::string sDisc = Number(0.03 / (182 / 360.0));
    const std::string sPriceDisc = Number((1 - 182 / 360.0 * 0.06) * 100);
    const std::string sReceived = Number(97 / (1 - 182 / 360.0 * 0.06));
    const std::string sIntRate = Number((3 / 97.0) / (182 / 360.0));
    const std::string sTBillEq = Number(1 / (1 - 31 / 360.0 * 0.05) * 0.05 * 1.0138888888888888);
    const EdgeCase aCases[] = {
        {"=COUPNUM(DATE(2004,7,30),DATE(2004,7,31),2)", "1"},
        {"=COUPNUM(DATE(2004,1,31),DATE(2004,7,31),2)", "1"},
        {"=COUPNUM(DATE(2004,1,30),DATE(2004,7,31),2)", "2"},
        {"=COUPNUM(DATE(2002,3,15),DATE(2004,7,31),4)", "10"},
        {"=COUPDAYS(DATE(2004,9,15),DATE(2004,12,31),4,0)", "90"},
        {"=COUPDAYS(DATE(2004,9,15),DATE(2004,12,31),4,1)", "92"},
        {"=COUPPCD(DATE(2004,3,15),DATE(2004,7,31),2,0)-DATE(2004,1,30)", "0"},
        {"=COUPPCD(DATE(2004,3,15),DATE(2004,7,31),2,1)-DATE(2004,1,31)", "0"},
        {"=COUPNCD(DATE(2004,3,15),DATE(2004,7,31),2,0)-DATE(2004,7,30)", "0"},
        {"=COUPNCD(DATE(2004,3,15),DATE(2004,7,31),2,1)-DATE(2004,7,30)", "0"},
        {"=COUPPCD(DATE(2004,9,1),DATE(2005,2,28),2,1)-DATE(2004,8,31)", "0"},
        {"=COUPPCD(DATE(2004,9,1),DATE(2005,4,30),4,1)-DATE(2004,7,30)", "0"},
        {"=COUPDAYBS(DATE(2004,3,15),DATE(2004,7,31),2,1)", "44"},
        {"=COUPDAYSNC(DATE(2004,3,15),DATE(2004,7,31),2,1)", "138"},
        {"=COUPDAYBS(DATE(2004,3,15),DATE(2004,7,31),2,0)", "45"},
        {"=COUPNUM(DATE(2004,7,31),DATE(2004,7,31),2)", "#292"},
        {"=COUPNUM(DATE(2004,1,1),DATE(2004,7,31),3)", "#295"},
        {"=COUPNUM(DATE(2004,1,1),DATE(2004,7,31),2,4)", "#294"},
        {"=COUPNUM(0,DATE(2004,7,31),2)", "#111"},
        {"=COUPNUM(1e10,DATE(2004,7,31),2)", "#111"},
        {"=ACCRINTM(DATE(2004,1,1),DATE(2004,7,1),0.1,1000.9,1)", sAccrued.c_str()},
        {"=ACCRINTM(DATE(2004,7,1),DATE(2004,1,1),0.1,1000)", "#293"},
        {"=ACCRINTM(DATE(2004,1,1),DATE(2004,7,1),-0.1,1000)", "#313"},
        {"=DISC(DATE(2004,1,1),DATE(2004,7,1),97,100,2)", sDisc.c_str()},
        {"=PRICEDISC(DATE(2004,1,1),DATE(2004,7,1),0.06,100,2)", sPriceDisc.c_str()},
        {"=RECEIVED(DATE(2004,1,1),DATE(2004,7,1),97,0.06,2)", sReceived.c_str()},
        {"=INTRATE(DATE(2004,1,1),DATE(2004,7,1),97,100,2)", sIntRate.c_str()},
        {"=DISC(DATE(2004,7,1),DATE(2004,1,1),97,100,2)", "#292"},
        {"=PRICEMAT(DATE(2004,1,1),DATE(2005,1,1),DATE(2004,2,1),0.05,0.06)", "#293"},
        {"=TBILLYIELD(DATE(2004,3,31),DATE(2004,5,31),98.45)", sTBill.c_str()},
        {"=TBILLEQ(DATE(2004,1,1),DATE(2005,2,1),0.05)", "#305"},
        {"=TBILLEQ(DATE(2004,1,1),DATE(2004,2,1),0.05)", sTBillEq.c_str()},
        {"=DOLLARDE(1.02,16)", "1.125"},
        {"=DOLLARFR(1.125,16)", "1.02"},
        {"=DOLLARDE(1.5,0.5)", "#289"},
        {"=DOLLARDE(-1,16)", "#313"},
        // Every argument must be a number before any is held to its sign: a range after a
        // negative argument raises 56, as in the annuity functions.
        {"=ACCRINTM(DATE(2004,1,1),DATE(2004,7,1),-0.1,A1:A2)", "#56"},
        {"=DISC(-1,DATE(2004,7,1),97,A1:A2,2)", "#56"},
        // No yield brings the price to 0 when nothing has accrued: the search gives up.
        {"=YIELD(DATE(2004,1,31),DATE(2004,7,31),0.06,0,100,2)", "#63"},
        {"=PRICE(DATE(2004,1,31),DATE(2004,7,31),0.06,0.08,100,2,5)", "#294"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
}

double Value(int nSheet, const char* pszFormula)
{
    GX_VALUE v;
    EXPECT_TRUE(GXEvaluateText(nSheet, pszFormula, 1, 1, &v)) << pszFormula;
    EXPECT_EQ((DWORD)GX_VALUE_NUMBER, v.nKind) << pszFormula << " gave " << Take(v);
    return v.nKind == GX_VALUE_NUMBER ? v.dValue : NAN;
}

TEST_F(FunctionSheetTest, YieldInvertsPrice)
{
    // One coupon left, bought on a coupon date: price = 103 / 1.04.
    EXPECT_NEAR(103 / 1.04, Value(m_nSheet, "=PRICE(DATE(2004,1,31),DATE(2004,7,31),0.06,0.08,100,2)"), 1e-9);
    double price = Value(m_nSheet, "=PRICE(DATE(2004,3,15),DATE(2009,7,31),0.06,0.08,100,2,1)");
    char sz[160];
    sprintf(sz, "=YIELD(DATE(2004,3,15),DATE(2009,7,31),0.06,%.17g,100,2,1)", price);
    EXPECT_NEAR(0.08, Value(m_nSheet, sz), 1e-8);
    // A price reached only below a yield of 0 bisects towards 0.
    EXPECT_NEAR(0, Value(m_nSheet, "=YIELD(DATE(2004,3,15),DATE(2009,7,31),0.06,200,100,2,1)"), 1e-8);
    // Duration of a zero-coupon bond is its time to maturity.
    EXPECT_NEAR(1.5, Value(m_nSheet, "=DURATION(DATE(2004,1,31),DATE(2005,7,31),0,0.08,2)"), 1e-12);
    EXPECT_NEAR(1.5 / 1.04, Value(m_nSheet, "=MDURATION(DATE(2004,1,31),DATE(2005,7,31),0,0.08,2,0)"), 1e-12);
}
} // namespace

namespace
{
// ACCRINT: accrual from the issue date over quasi-coupon periods, or since the last coupon date.
TEST_F(FunctionSheetTest, AccruedInterest)
{
    const std::string sFirstActual = Number(50 * 62 / 184.0);
    const std::string sLater = Number(50 * 60 / 180.0);
    const EdgeCase aCases[] = {
        // Issue on the quasi-coupon date: 90 of 180 days of a 50 coupon.
        {"=ACCRINT(DATE(2004,1,1),DATE(2004,7,1),DATE(2004,4,1),0.1,1000,2,0)", "25"},
        // Issue inside the period before: half a period plus the 90 of 180 days.
        {"=ACCRINT(DATE(2003,10,1),DATE(2004,7,1),DATE(2004,4,1),0.1,1000,2,0)", "50"},
        // One more whole quasi period between issue and settlement.
        {"=ACCRINT(DATE(2003,4,1),DATE(2004,7,1),DATE(2004,4,1),0.1,1000,2,0)", "100"},
        // Settlement in the period after the first interest date, actual days.
        {"=ACCRINT(DATE(2004,1,1),DATE(2004,7,1),DATE(2004,9,1),0.1,1000,2,1)", sFirstActual.c_str()},
        // Settlement two periods on: since 1 January 2005.
        {"=ACCRINT(DATE(2004,1,1),DATE(2004,7,1),DATE(2005,3,1),0.1,1000,2,0)", sLater.c_str()},
        // The next coupon date would lie past the calendar's end.
        {"=ACCRINT(DATE(2099,1,1),DATE(2099,7,1),DATE(2099,12,1),0.1,1000,1)", "#111"},
        {"=ACCRINT(DATE(2099,1,1),DATE(2099,2,1),DATE(2099,12,1),0.1,1000,4)", "#111"},
        {"=ACCRINT(DATE(2004,4,1),DATE(2004,7,1),DATE(2004,4,1),0.1,1000,2)", "#292"},
        {"=ACCRINT(DATE(2004,7,1),DATE(2004,7,1),DATE(2004,9,1),0.1,1000,2)", "#292"},
        {"=ACCRINT(DATE(2004,1,1),DATE(2004,7,1),DATE(2004,9,1),-0.1,1000,2)", "#313"},
        {"=ACCRINT(DATE(2004,1,1),DATE(2004,7,1),DATE(2004,9,1),0.1,1000,3)", "#295"},
        {"=ACCRINT(DATE(2004,1,1),DATE(2004,7,1),DATE(2004,9,1),0.1,1000,2,5)", "#294"},
        {"=ACCRINT(DATE(2004,1,1),DATE(2004,7,1),1e10,0.1,1000,2)", "#111"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
}
} // namespace

namespace
{
// Yearly coupons of 10, basis 0, yield 10%: the cash flows discounted by hand.
double Discount(double t)
{
    return pow(1 / 1.1, t);
}

TEST_F(FunctionSheetTest, OddFirstPeriod)
{
    // Short: issue 1 Jan 2004, first coupon 1 Jan 2005, settlement 1 Mar 2004 (d = 300/360);
    // the first coupon is a whole 10, accrued 60/360 of it.
    double d = 300 / 360.0;
    const std::string sShort =
        Number(10 * Discount(d) + 10 * Discount(1 + d) + 110 * Discount(2 + d) - 10 / 6.0);
    // Long: issue 1 Jul 2003, first coupon 1 Jan 2005 (15: one period and a half), settlement
    // 1 Sep 2003, 16 months before the first coupon.
    d = 4 / 3.0;
    const std::string sLong =
        Number(15 * Discount(d) + 10 * Discount(1 + d) + 110 * Discount(2 + d) - 10 / 6.0);
    const std::string sLongYield =
        "=ROUND(ODDFYIELD(DATE(2003,9,1),DATE(2007,1,1),DATE(2003,7,1),DATE(2005,1,1),0.1," + sLong +
        ",100,1,0),6)";
    const std::string sShortYield =
        "=ROUND(ODDFYIELD(DATE(2004,3,1),DATE(2007,1,1),DATE(2004,1,1),DATE(2005,1,1),0.1," + sShort +
        ",100,1,0),6)";
    const EdgeCase aCases[] = {
        {"=ODDFPRICE(DATE(2004,3,1),DATE(2007,1,1),DATE(2004,1,1),DATE(2005,1,1),0.1,0.1,100,1,0)",
         sShort.c_str()},
        {"=ODDFPRICE(DATE(2003,9,1),DATE(2007,1,1),DATE(2003,7,1),DATE(2005,1,1),0.1,0.1,100,1,0)",
         sLong.c_str()},
        {sLongYield.c_str(), "0.1"},
        {sShortYield.c_str(), "0.1"},
        // Nothing accrued at settlement on the issue date: no yield brings the price to 0.
        {"=ODDFYIELD(DATE(2004,1,1),DATE(2007,1,1),DATE(2004,1,1),DATE(2005,1,1),0.1,0,100,1,0)", "#63"},
        {"=ODDFPRICE(DATE(2003,9,1),DATE(2007,1,1),DATE(2003,10,1),DATE(2005,1,1),0.1,0.1,100,1)", "#293"},
        {"=ODDFPRICE(DATE(2003,9,1),DATE(2007,1,1),DATE(2003,7,1),DATE(2003,7,1),0.1,0.1,100,1)", "#298"},
        {"=ODDFPRICE(DATE(2003,9,1),DATE(2007,1,1),DATE(2003,7,1),DATE(2007,1,1),0.1,0.1,100,1)", "#298"},
        {"=ODDFPRICE(DATE(2007,9,1),DATE(2007,1,1),DATE(2003,7,1),DATE(2005,1,1),0.1,0.1,100,1)", "#292"},
        {"=ODDFYIELD(DATE(2003,9,1),DATE(2007,1,1),DATE(2003,7,1),DATE(2005,1,1),0.1,-1,100,1)", "#313"},
        {"=ODDFPRICE(DATE(2003,9,1),DATE(2007,1,1),DATE(2003,7,1),DATE(2005,1,1),0.1,0.1,100,3)", "#295"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
}
} // namespace
