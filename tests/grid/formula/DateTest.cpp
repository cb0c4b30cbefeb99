// Date and time functions: the engine's calendar, day counts, working days, and texts in the
// user's locale.
#include "FunctionSheetTest.h"
#include "OleDateTime.h"
#include <math.h>
#include <windows.h>

using namespace formula_test;

namespace
{
TEST_F(FunctionSheetTest, DateEdgeCasesAndErrors)
{
    // F1 20 (a Friday three weeks on), F2 4 (a Wednesday); serial 2 is a Monday.
    GXStoreNumber(m_nSheet, 1, 5, 20);
    GXStoreNumber(m_nSheet, 2, 5, 4);
    const EdgeCase aCases[] = {
        {"=DATE(1900,2,29)", "60"},
        {"=DATE(1900,3,1)", "61"},
        {"=DATE(2099,12,31)", "73050"},
        {"=DATE(2004,5,24)", "38131"},
        {"=DATE(2100,1,1)", "#111"},
        {"=DATE(4,1,1)-DATE(1904,1,1)", "0"},
        {"=DATE(2004,13,1)", "#111"},
        {"=DATE(2004,2,30)", "#111"},
        {"=DATE(2003,2,29)", "#111"},
        {"=DATE(1e10,1,1)", "#111"},
        {"=DATE(2004,-1e10,1)", "#111"},
        {"=YEAR(DATE(2004,5,24))", "104"},
        {"=MONTH(DATE(2004,5,24))", "5"},
        {"=DAY(DATE(2004,5,24))", "24"},
        {"=DAY(60)", "29"},
        {"=YEAR(73051)", "#111"},
        {"=YEAR(-1)", "#111"},
        {"=MONTH(0.5)", "#111"},
        {"=WEEKDAY(1)", "1"},
        {"=WEEKDAY(7.9)", "7"},
        {"=WEEKDAY(0)", "#111"},
        {"=WEEKDAY(73051)", "#111"},
        {"=DAYS360(DATE(2004,1,31),DATE(2004,3,31))", "60"},
        {"=DAYS360(DATE(2003,2,28),DATE(2003,3,31))", "30"},
        {"=DAYS360(0,5)", "#111"},
        {"=YEARFRAC(100,100,3)", "0.0027397260273973"},
        {"=YEARFRAC(100,100,7)", "0.0027777777777778"},
        {"=YEARFRAC(DATE(2004,1,1),DATE(2004,12,31),1)", "1"},
        {"=YEARFRAC(-5,10,1)", "0.043835616438356"},
        {"=YEARFRAC(1,1e300,3)", "2739726.0273973"},
        {"=EDATE(DATE(2004,1,31),1)-DATE(2004,2,29)", "0"},
        {"=EDATE(DATE(2004,3,31),-13)-DATE(2003,2,28)", "0"},
        {"=EOMONTH(DATE(2004,1,15),-1)-DATE(2003,12,31)", "0"},
        {"=EOMONTH(DATE(2004,1,15),13)-DATE(2005,2,28)", "0"},
        {"=EDATE(DATE(2099,12,5),1)", "#111"},
        {"=EDATE(1,1e10)", "#111"},
        {"=EDATE(0,1)", "#111"},
        {"=HOUR(0.99999999)", "24"},
        {"=MINUTE(0.99999999)", "0"},
        {"=SECOND(0.99999999)", "0"},
        {"=HOUR(38131.5)", "12"},
        {"=MINUTE(TIME(1,30,15))", "30"},
        {"=SECOND(TIME(1,30,15))", "15"},
        {"=TIME(12,0,0)", "0.5"},
        {"=TIME(24,0,0)", "#113"},
        {"=TIME(1,60,0)", "#113"},
        {"=TIME(1,0,-1)", "#113"},
        {"=NETWORKDAYS(2,6)", "5"},
        {"=NETWORKDAYS(6,9)", "2"},
        {"=NETWORKDAYS(2,6,F1)", "5"},
        {"=NETWORKDAYS(2,6,F1..F2)", "4"},
        {"=NETWORKDAYS(2,6,3)", "4"},
        {"=NETWORKDAYS(2,6,\"x\")", "5"},
        {"=NETWORKDAYS(0,6)", "#111"},
        {"=WORKDAY(6,2)", "9"},
        {"=WORKDAY(6,-2)", "5"},
        {"=WORKDAY(2,1)", "2"},
        {"=WORKDAY(2,2)", "3"},
        {"=WORKDAY(2,0)", "2"},
        {"=WORKDAY(3,2,F2)", "5"},
        {"=WORKDAY(1,1e9)", "#111"},
        {"=WORKDAY(73049,-1e9)", "#111"},
        {"=WORKDAY(-1,1)", "#111"},
        {"=NOW(1)", "parse 229@1"},
        {"=DATEVALUE(\"no date\")", "#111"},
        {"=DATEVALUE(5)", "#98"},
        {"=TIMEVALUE(\"no time\")", "#113"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
}

// Texts as the user's locale writes them.
TEST_F(FunctionSheetTest, DateAndTimeTextsOfTheLocale)
{
    SYSTEMTIME st = {};
    st.wYear = 2004;
    st.wMonth = 5;
    st.wDay = 24;
    st.wHour = 13;
    st.wMinute = 45;
    st.wSecond = 30;
    char szDate[64], szTime[64];
    ASSERT_NE(0, GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, NULL, szDate, sizeof(szDate)));
    ASSERT_NE(0, GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, NULL, szTime, sizeof(szTime)));
    EXPECT_EQ("38131", Eval(m_nSheet, (std::string("=DATEVALUE(\"") + szDate + "\")").c_str())) << szDate;
    EXPECT_EQ("0", Eval(m_nSheet, (std::string("=TIMEVALUE(\"") + szTime + "\")-TIME(13,45,30)").c_str()))
        << szTime;
}

TEST_F(FunctionSheetTest, NowAndTodayFollowTheClock)
{
    double dClock = (double)COleDateTime::GetCurrentTime();
    GX_VALUE v;
    ASSERT_TRUE(GXEvaluateText(m_nSheet, "=NOW()", 1, 1, &v));
    ASSERT_EQ((DWORD)GX_VALUE_NUMBER, v.nKind);
    EXPECT_NEAR(dClock, v.dValue, 2.0 / 86400);
    ASSERT_TRUE(GXEvaluateText(m_nSheet, "=TODAY()", 1, 1, &v));
    ASSERT_EQ((DWORD)GX_VALUE_NUMBER, v.nKind);
    EXPECT_EQ(floor(dClock), v.dValue);
}
} // namespace
