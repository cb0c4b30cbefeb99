// CTime/CTimeSpan and COleDateTime/COleDateTimeSpan: construction, parts, arithmetic,
// strftime formats, and parsing and formatting in explicit locales.
#include "OleDateTime.h"
#include "Time.h"
#include <gtest/gtest.h>
#include <math.h>

namespace
{
const LCID kGerman = MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT);
const LCID kEnglishUS = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);

TEST(TimeTest, CTimePartsAndFormat)
{
    const CTime t(2024, 3, 5, 14, 7, 9);
    EXPECT_EQ(2024, t.GetYear());
    EXPECT_EQ(3, t.GetMonth());
    EXPECT_EQ(5, t.GetDay());
    EXPECT_EQ(14, t.GetHour());
    EXPECT_EQ(7, t.GetMinute());
    EXPECT_EQ(9, t.GetSecond());
    EXPECT_EQ(3, t.GetDayOfWeek()); // Tuesday
    EXPECT_STREQ("2024-03-05 14:07:09", t.Format("%Y-%m-%d %H:%M:%S"));
    EXPECT_STREQ("05.03.24 %", t.Format("%d.%m.%y %%"));
    EXPECT_STREQ("1970-01-01 00:00:00", CTime(0).FormatGmt("%Y-%m-%d %H:%M:%S"));

    SYSTEMTIME st = {};
    ASSERT_TRUE(t.GetAsSystemTime(st));
    EXPECT_EQ(2024, st.wYear);
    EXPECT_TRUE(CTime(st) == t);

    // DOS date 2024-03-05, time 14:07:08 (two-second steps).
    const CTime dos(static_cast<WORD>(((2024 - 1980) << 9) | (3 << 5) | 5),
                    static_cast<WORD>((14 << 11) | (7 << 5) | 4));
    EXPECT_STREQ("2024-03-05 14:07:08", dos.Format("%Y-%m-%d %H:%M:%S"));

    struct tm atm;
    ASSERT_NE(nullptr, t.GetLocalTm(&atm));
    EXPECT_EQ(124, atm.tm_year);
}

TEST(TimeTest, CTimeArithmeticAndSpans)
{
    const CTime t1(2024, 2, 28, 23, 0, 0);
    const CTime t2 = t1 + CTimeSpan(0, 2, 0, 0);
    EXPECT_EQ(29, t2.GetDay());
    EXPECT_EQ(1, t2.GetHour());
    const CTimeSpan span = t2 - t1;
    EXPECT_EQ(7200, span.GetTotalSeconds());
    EXPECT_TRUE(t2 > t1);
    EXPECT_TRUE(t2 - span == t1);

    const CTimeSpan s(1, 2, 3, 4);
    EXPECT_EQ(1, s.GetDays());
    EXPECT_EQ(26, s.GetTotalHours());
    EXPECT_EQ(2, s.GetHours());
    EXPECT_EQ(26 * 60 + 3, s.GetTotalMinutes());
    EXPECT_EQ(3, s.GetMinutes());
    EXPECT_EQ(4, s.GetSeconds());
    EXPECT_STREQ("1 02:03:04 % X", s.Format("%D %H:%M:%S %% %X"));

    const time_t now = ::time(NULL);
    EXPECT_LE(llabs(static_cast<long long>(CTime::GetCurrentTime().GetTime() - now)), 2);
}

TEST(TimeTest, OleDateMatchesSystemConversion)
{
    const SYSTEMTIME dates[] = {
        {2024, 2, 0, 29, 13, 45, 30, 0}, {1899, 12, 0, 30, 0, 0, 0, 0}, {1899, 12, 0, 29, 6, 0, 0, 0},
        {1900, 1, 0, 1, 0, 0, 0, 0},     {100, 1, 0, 1, 0, 0, 0, 0},    {9999, 12, 0, 31, 23, 59, 59, 0},
        {1753, 7, 0, 4, 12, 0, 1, 0},
    };
    for (const SYSTEMTIME& st : dates)
    {
        DATE dtSystem = 0;
        ASSERT_TRUE(::SystemTimeToVariantTime(const_cast<SYSTEMTIME*>(&st), &dtSystem));
        const COleDateTime date(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
        ASSERT_EQ(COleDateTime::valid, date.GetStatus()) << st.wYear;
        EXPECT_NEAR(dtSystem, date.m_dt, 1e-9) << st.wYear;
        EXPECT_EQ(st.wYear, date.GetYear());
        EXPECT_EQ(st.wMonth, date.GetMonth());
        EXPECT_EQ(st.wDay, date.GetDay());
        EXPECT_EQ(st.wHour, date.GetHour());
        EXPECT_EQ(st.wMinute, date.GetMinute());
        EXPECT_EQ(st.wSecond, date.GetSecond());
    }
    EXPECT_DOUBLE_EQ(-1.25, COleDateTime(1899, 12, 29, 6, 0, 0).m_dt);
    EXPECT_DOUBLE_EQ(2.0, COleDateTime(1900, 1, 1, 0, 0, 0).m_dt);
}

TEST(TimeTest, OleDateValidityAndParts)
{
    const COleDateTime date(2024, 2, 29, 13, 45, 30);
    EXPECT_EQ(5, date.GetDayOfWeek()); // Thursday
    EXPECT_EQ(60, date.GetDayOfYear());
    EXPECT_EQ(7, COleDateTime(1899, 12, 30, 0, 0, 0).GetDayOfWeek()); // Saturday

    struct
    {
        int y, m, d, h, min, s;
    } invalid[] = {{2023, 2, 29, 0, 0, 0}, {99, 1, 1, 0, 0, 0},    {10000, 1, 1, 0, 0, 0},
                   {2024, 13, 1, 0, 0, 0}, {2024, 4, 31, 0, 0, 0}, {2024, 1, 1, 24, 0, 0}};
    for (const auto& c : invalid)
    {
        COleDateTime bad;
        EXPECT_EQ(COleDateTime::invalid, bad.SetDateTime(c.y, c.m, c.d, c.h, c.min, c.s))
            << c.y << "-" << c.m;
        EXPECT_EQ(AFX_OLE_DATETIME_ERROR, bad.GetYear());
        EXPECT_STREQ("", bad.Format(0, kGerman));
    }
    COleDateTime time;
    EXPECT_EQ(0, time.SetTime(6, 0, 0));
    EXPECT_DOUBLE_EQ(0.25, time.m_dt);
    EXPECT_EQ(COleDateTime::invalid, COleDateTime(1e9).GetStatus());

    // Half a second rounds up, into the next day if need be.
    const COleDateTime almost(45351.0 + (86400.0 - 0.4) / 86400.0);
    EXPECT_EQ(1, almost.GetDay());
    EXPECT_EQ(3, almost.GetMonth());
    EXPECT_EQ(0, almost.GetHour());
}

TEST(TimeTest, OleDateArithmetic)
{
    const COleDateTime d1(2024, 2, 28, 23, 0, 0);
    const COleDateTime d2 = d1 + COleDateTimeSpan(0, 2, 0, 0);
    EXPECT_EQ(29, d2.GetDay());
    EXPECT_EQ(1, d2.GetHour());
    const COleDateTimeSpan diff = d2 - d1;
    EXPECT_DOUBLE_EQ(2.0, diff.GetTotalHours());
    EXPECT_TRUE(d2 > d1);
    EXPECT_TRUE(d2 - diff == d1);

    // Across day 0: the fraction of a negative date counts forwards.
    const COleDateTime before(1899, 12, 29, 6, 0, 0);
    const COleDateTime after = before + COleDateTimeSpan(1.0);
    EXPECT_DOUBLE_EQ(0.25, after.m_dt);
    EXPECT_NEAR(1.0, static_cast<double>(after - before), 1e-9);
    EXPECT_TRUE(before < after);
    EXPECT_TRUE(COleDateTime(1899, 12, 29, 18, 0, 0) > before);

    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(COleDateTime::invalid, (invalid + COleDateTimeSpan(1.0)).GetStatus());
    EXPECT_EQ(COleDateTimeSpan::invalid, (invalid - d1).GetStatus());
}

TEST(TimeTest, OleDateTimeSpanParts)
{
    const COleDateTimeSpan span(1, 2, 3, 4);
    EXPECT_DOUBLE_EQ(1.0, span.GetTotalDays());
    EXPECT_DOUBLE_EQ(26.0, span.GetTotalHours());
    EXPECT_DOUBLE_EQ(26 * 60 + 3, span.GetTotalMinutes());
    EXPECT_DOUBLE_EQ((26 * 60 + 3) * 60 + 4, span.GetTotalSeconds());
    EXPECT_EQ(1, span.GetDays());
    EXPECT_EQ(2, span.GetHours());
    EXPECT_EQ(3, span.GetMinutes());
    EXPECT_EQ(4, span.GetSeconds());
    EXPECT_STREQ("1 02:03:04 %", span.Format("%D %H:%M:%S %%"));

    const COleDateTimeSpan negative = -COleDateTimeSpan(1.5);
    EXPECT_EQ(-1, negative.GetDays());
    EXPECT_EQ(-12, negative.GetHours());
    EXPECT_TRUE(negative < span);
}

// The locale's short date; Wine's German one is "d.M.yyyy" where Windows has "dd.MM.yyyy".
CString ShortDate(LCID lcid, const SYSTEMTIME& st)
{
    char szDate[64] = "";
    ::GetDateFormatA(lcid, DATE_SHORTDATE, &st, NULL, szDate, sizeof szDate);
    return szDate;
}

TEST(TimeTest, OleDateFormatAndParseInLocales)
{
    const COleDateTime date(2024, 2, 29, 13, 45, 30);
    const SYSTEMTIME st = {2024, 2, 4, 29, 13, 45, 30, 0};
    const CString germanDate = ShortDate(kGerman, st);
    ASSERT_TRUE(germanDate == "29.02.2024" || germanDate == "29.2.2024") << germanDate;
    const CString germanDateTime = germanDate + " 13:45:30";
    struct
    {
        LCID lcid;
        DWORD flags;
        const char* text;
    } cases[] = {
        {kGerman, 0, germanDateTime},
        {kGerman, VAR_DATEVALUEONLY, germanDate},
        {kGerman, VAR_TIMEVALUEONLY, "13:45:30"},
        {kEnglishUS, 0, "2/29/2024 1:45:30 PM"},
        {kEnglishUS, VAR_DATEVALUEONLY, "2/29/2024"},
    };
    for (const auto& c : cases)
    {
        EXPECT_STREQ(c.text, date.Format(c.flags, c.lcid)) << c.lcid << "/" << c.flags;
        if (c.flags != 0)
            continue;
        COleDateTime parsed;
        ASSERT_TRUE(parsed.ParseDateTime(c.text, 0, c.lcid)) << c.text;
        EXPECT_EQ(COleDateTime::valid, parsed.GetStatus());
        EXPECT_NEAR(date.m_dt, parsed.m_dt, 0.5 / 86400) << c.text;
    }

    COleDateTime dateOnly;
    ASSERT_TRUE(dateOnly.ParseDateTime("01.12.1999", VAR_DATEVALUEONLY, kGerman));
    EXPECT_EQ(1999, dateOnly.GetYear());
    EXPECT_EQ(12, dateOnly.GetMonth());
    EXPECT_EQ(1, dateOnly.GetDay());

    COleDateTime bad(2024, 1, 1, 0, 0, 0);
    EXPECT_FALSE(bad.ParseDateTime("kein Datum", 0, kGerman));
    EXPECT_EQ(COleDateTime::invalid, bad.GetStatus());
    EXPECT_FALSE(bad.ParseDateTime(NULL));

    EXPECT_STREQ("29.02.2024 13:45 Thursday", date.Format("%d.%m.%Y %H:%M %A"));
    COleDateTime null;
    null.SetStatus(COleDateTime::null);
    EXPECT_STREQ("", null.Format("%Y"));
}

TEST(TimeTest, OleDateFromOtherTimeTypes)
{
    const CTime t(2024, 3, 5, 14, 7, 9);
    const COleDateTime fromTimeT(t.GetTime());
    EXPECT_EQ(2024, fromTimeT.GetYear());
    EXPECT_EQ(14, fromTimeT.GetHour());
    EXPECT_EQ(9, fromTimeT.GetSecond());

    SYSTEMTIME st = {2024, 3, 0, 5, 14, 7, 9, 0};
    EXPECT_TRUE(COleDateTime(st) == fromTimeT);

    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_R8;
    var.dblVal = 2.5;
    const COleDateTime fromVariant(var);
    EXPECT_EQ(COleDateTime::valid, fromVariant.GetStatus());
    EXPECT_EQ(12, fromVariant.GetHour());
    var.vt = VT_NULL;
    EXPECT_EQ(COleDateTime::null, COleDateTime(var).GetStatus());

    const COleDateTime now = COleDateTime::GetCurrentTime();
    EXPECT_EQ(COleDateTime::valid, now.GetStatus());
    EXPECT_NEAR(COleDateTime(::time(NULL)).m_dt, now.m_dt, 5.0 / 86400);
}
} // namespace
