// Dates and times: the program's own parser over a table of texts and orders, its formatting by
// the user's short-date pattern (set with SetLocaleInfo and announced by WM_SETTINGCHANGE to a
// shown grid), the OLE variant, the three library functions and the installation order.
#include "FeatureTestApp.h"
#include "grid/core/AppData.h"
#include "grid/core/DateTimeSettings.h"
#include "grid/core/GridCore.h"
#include "grid/features/NoOleDateTimeImp.h"
#include "grid/features/OleDateTimeImp.h"
#include "tests/grid/ComponentSlot.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <string>

using namespace testing_support;

namespace
{
// Puts a date/time component into the library's slot for one scope.
struct DateTimeSlot
{
    ComponentSlot<CGXAbstractDateTimeImp> slot;
    explicit DateTimeSlot(CGXAbstractDateTimeImp* p)
        : slot((EnsureGridLibrary(), GXGetAppData()->m_pDateTimeImp), p)
    {
    }
};

// Sets the user's short-date pattern for one scope; the old one comes back with the cache.
struct ShortDatePattern
{
    char szOld[128] = "";
    explicit ShortDatePattern(const char* pszPattern)
    {
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, szOld, sizeof(szOld));
        EXPECT_TRUE(::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, pszPattern));
    }
    ~ShortDatePattern()
    {
        ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, szOld);
        CGXNoOleDateTimeImp().RefreshSettings();
    }
};

std::string TmText(const struct tm& t)
{
    char sz[64];
    sprintf(sz, "%d-%d-%d %d:%d:%d", t.tm_year, t.tm_mon, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    return sz;
}

std::string RecordText(const TIMESTAMP_STRUCT& ts)
{
    char sz[64];
    sprintf(sz, "%d-%d-%d %d:%d:%d", ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second);
    return sz;
}

TIMESTAMP_STRUCT Record(int y, int mo, int d, int h, int mi, int s)
{
    TIMESTAMP_STRUCT ts = {};
    ts.year = (SQLSMALLINT)y;
    ts.month = (SQLUSMALLINT)mo;
    ts.day = (SQLUSMALLINT)d;
    ts.hour = (SQLUSMALLINT)h;
    ts.minute = (SQLUSMALLINT)mi;
    ts.second = (SQLUSMALLINT)s;
    return ts;
}
} // namespace

TEST(DateTime, TheOwnParserReadsDatesAndTimesByTheOrderGiven)
{
    CGXNoOleDateTimeImp imp;
    ASSERT_EQ(':', imp.GetTimeSeparator(TRUE));
    // tm fields as "year-month-day hour:minute:second" (years from 1900, months from 0).
    struct Case
    {
        const char* pszText;
        int nOrder;
        const char* pszTm; // NULL: refused
        const char* pszRecord;
    } cases[] = {
        {"31.12.03", 0, "3-11-31 0:0:0", "1903-12-31 0:0:0"},
        {"31.12.00", 0, "100-11-31 0:0:0", "0-12-31 0:0:0"},
        {"311203", 0, "3-11-31 0:0:0", "1903-12-31 0:0:0"},
        {"29.02.1900", 0, NULL, NULL},
        {"29.02.2000", 0, "100-1-29 0:0:0", "2000-2-29 0:0:0"},
        {"29.2.04", 0, "4-1-29 0:0:0", "1904-2-29 0:0:0"},
        {"31.4.2003", 0, NULL, NULL},
        {"12:30 PM", 0, "70-0-1 12:30:0", "70-0-1 12:30:0"},
        {"12:30 AM", 0, "70-0-1 0:30:0", "70-0-1 0:30:0"},
        {"13:00 AM", 0, NULL, NULL},
        {"1:05:09 pm", 0, "70-0-1 13:5:9", "70-0-1 13:5:9"},
        {"24:00", 0, "70-0-1 24:0:0", "70-0-1 24:0:0"},
        {"25:00", 0, NULL, NULL},
        {"10:60", 0, NULL, NULL},
        {"31.l2.03", 0, NULL, NULL},
        {"31. Dez 03", 0, NULL, NULL},
        {"12/31/2003", 1, "103-11-31 0:0:0", "2003-12-31 0:0:0"},
        {"2003-12-31", 2, "103-11-31 0:0:0", "2003-12-31 0:0:0"},
        {"03-12-31", 2, "3-11-31 0:0:0", "1903-12-31 0:0:0"},
        {"31.12.2003 13:45:10", 0, "103-11-31 13:45:10", "2003-12-31 13:45:10"},
        {" 1 .2 .37", 0, "37-1-1 0:0:0", "1937-2-1 0:0:0"},
        {"1.2.0037", 0, "137-1-1 0:0:0", "37-2-1 0:0:0"},
        {"1.2.12345", 0, NULL, NULL},
        {"32.1.03", 0, NULL, NULL},
        {"1.13.03", 0, NULL, NULL},
        {"0.1.03", 0, NULL, NULL},
        {"1.1.", 0, NULL, NULL},
        {"31.12.03", 5, NULL, NULL},
        {"", 0, "0-0-0 0:0:0", "0-0-0 0:0:0"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszText);
        struct tm t;
        TIMESTAMP_STRUCT ts;
        BOOL bTm = imp.ParseToTm(t, c.pszText, c.nOrder);
        BOOL bRecord = imp.ParseToSystemTime(ts, c.pszText, c.nOrder);
        ASSERT_EQ(c.pszTm != NULL, (bool)bTm);
        ASSERT_EQ(c.pszTm != NULL, (bool)bRecord);
        if (c.pszTm == NULL)
            continue;
        EXPECT_EQ(c.pszTm, TmText(t));
        EXPECT_EQ(c.pszRecord, RecordText(ts));
        EXPECT_EQ(0u, ts.fraction);
    }
}

TEST(DateTime, WithoutAComponentTheLibraryFunctionsGiveTheirDefaults)
{
    DateTimeSlot slot(NULL);
    BOOL bFour = 7;
    TCHAR c = 'x';
    EXPECT_EQ(3, GXGetDateOrder(TRUE, bFour, c));
    EXPECT_EQ(7, bFour);
    EXPECT_EQ('x', c);
    EXPECT_EQ(':', GXGetTimeSeparator(TRUE));
    GXRefreshDateTimeSettings();
}

TEST(DateTime, TheFactoryInstallsTheOleVariantFirst)
{
    EnsureGridLibrary();
    CGXAppData* pAppData = GXGetAppData();
    CGXAbstractDateTimeImp* pInstalled = pAppData->m_pDateTimeImp;
    ASSERT_TRUE(dynamic_cast<CGXOleDateTimeImp*>(pInstalled) != NULL);
    GXInstallNoOleDateTimeImp();
    EXPECT_EQ(pInstalled, pAppData->m_pDateTimeImp);
    // The OLE variant leaves the order open and has no time separator of its own.
    BOOL bFour = 7;
    TCHAR c = 'x';
    EXPECT_EQ(3, GXGetDateOrder(TRUE, bFour, c));
    EXPECT_EQ(7, bFour);
    EXPECT_EQ('x', c);
    EXPECT_EQ(0, GXGetTimeSeparator(TRUE));

    // A program that installs only the other variant gets the locale-driven one.
    pAppData->m_pDateTimeImp = NULL;
    GXInstallNoOleDateTimeImp();
    CGXAbstractDateTimeImp* pNoOle = pAppData->m_pDateTimeImp;
    EXPECT_TRUE(dynamic_cast<CGXNoOleDateTimeImp*>(pNoOle) != NULL);
    GXInstallOleDateTimeImp();
    EXPECT_EQ(pNoOle, pAppData->m_pDateTimeImp);
    EXPECT_TRUE(pAppData->m_exitList.Find(pNoOle) != NULL);
    EXPECT_EQ(':', GXGetTimeSeparator(FALSE));
    pAppData->m_pDateTimeImp = pInstalled;
}

TEST(DateTime, TheOleVariantParsesAndFormatsThroughTheOleDate)
{
    CGXOleDateTimeImp imp;
    struct tm t;
    TIMESTAMP_STRUCT ts;
    ASSERT_TRUE(imp.ParseToTm(t, "2003-12-31 13:05:09", 0));
    EXPECT_EQ("103-11-31 13:5:9", TmText(t));
    ASSERT_TRUE(imp.ParseToSystemTime(ts, "2003-12-31 13:05:09", 5)); // the order is not used
    EXPECT_EQ("2003-12-31 13:5:9", RecordText(ts));
    EXPECT_FALSE(imp.ParseToTm(t, "kein Datum", 0));
    EXPECT_EQ("0-0-0 0:0:0", TmText(t));

    CString s;
    imp.FormatSystemTime(s, Record(2003, 12, 31, 0, 0, 0));
    EXPECT_EQ(CString("12/31/03"), s);
    imp.FormatSystemTime(s, Record(2003, 12, 31, 13, 5, 9));
    EXPECT_EQ(CString("12/31/03 13:05:09"), s);
    imp.FormatSystemTime(s, Record(0, 0, 0, 13, 5, 9));
    EXPECT_EQ(CString("13:05:09"), s);

    // CTime: the same rule for both variants.
    CGXNoOleDateTimeImp noOle;
    for (CGXAbstractDateTimeImp* p : std::initializer_list<CGXAbstractDateTimeImp*>{&imp, &noOle})
    {
        p->FormatTime(s, CTime(2003, 12, 31, 0, 0, 0));
        EXPECT_EQ(CString("12/31/03"), s);
        p->FormatTime(s, CTime(2003, 12, 31, 8, 0, 0));
        EXPECT_EQ(CString("12/31/03 08:00:00"), s);
    }
}

TEST(DateTime, TheShortDatePatternGivesOrderSeparatorAndYearDigits)
{
    CGXNoOleDateTimeImp imp;
    DateTimeSlot slot(&imp);
    struct Case
    {
        const char* pszPattern;
        int nOrder;
        BOOL bFour;
        TCHAR cSeparator;
        const char* pszDate;     // 31 December 2003
        const char* pszDateTime; // with 13:05:09
    } cases[] = {
        {"dd.MM.yyyy", 0, TRUE, '.', "31.12.2003", "31.12.2003 13:05:09"},
        {"d.M.yy", 0, FALSE, '.', "31.12.03", "31.12.03 13:05:09"},
        {"M/d/yy", 1, FALSE, '/', "12/31/03", "12/31/03 13:05:09"},
        {"MM-dd-yyyy", 1, TRUE, '-', "12-31-2003", "12-31-2003 13:05:09"},
        {"yyyy-MM-dd", 2, TRUE, '-', "2003-12-31", "2003-12-31 13:05:09"},
        {"yy/MM/dd", 2, FALSE, '/', "03/12/31", "03/12/31 13:05:09"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszPattern);
        ShortDatePattern pattern(c.pszPattern);
        GXRefreshDateTimeSettings();
        BOOL bFour = 7;
        TCHAR cSeparator = 'x';
        EXPECT_EQ(c.nOrder, GXGetDateOrder(FALSE, bFour, cSeparator));
        EXPECT_EQ(c.bFour, bFour);
        EXPECT_EQ(c.cSeparator, cSeparator);
        CString s;
        imp.FormatSystemTime(s, Record(2003, 12, 31, 0, 0, 0));
        EXPECT_EQ(CString(c.pszDate), s);
        imp.FormatSystemTime(s, Record(2003, 12, 31, 13, 5, 9));
        EXPECT_EQ(CString(c.pszDateTime), s);
        // The order of the locale reads a date when none is given (two digits: the 1900s).
        struct tm t;
        ASSERT_TRUE(imp.ParseToTm(t, c.pszDate, gxUndeterminedOrder));
        EXPECT_EQ(c.bFour ? "103-11-31 0:0:0" : "3-11-31 0:0:0", TmText(t));
    }
    // A time alone, and nothing at all.
    CString s;
    imp.FormatSystemTime(s, Record(1970, 0, 1, 13, 5, 9));
    EXPECT_EQ(CString("13:05:09"), s);
    imp.FormatSystemTime(s, Record(0, 0, 0, 0, 0, 0));
    EXPECT_EQ(CString(""), s);
}

TEST(DateTime, AGridPassesASettingChangeToTheComponent)
{
    CGXNoOleDateTimeImp imp;
    DateTimeSlot slot(&imp);
    GridWindow w(200, 100);
    ShortDatePattern usPattern("M/d/yyyy");
    w.grid->SendMessage(WM_SETTINGCHANGE, 0, (LPARAM) "intl");
    BOOL bFour = FALSE;
    TCHAR c = 0;
    ASSERT_EQ(1, GXGetDateOrder(FALSE, bFour, c));

    ShortDatePattern germanPattern("dd.MM.yyyy");
    // The cache keeps the old order until the grid hears of the change.
    EXPECT_EQ(1, GXGetDateOrder(FALSE, bFour, c));
    w.grid->SendMessage(WM_SETTINGCHANGE, 0, (LPARAM) "intl");
    EXPECT_EQ(0, GXGetDateOrder(FALSE, bFour, c));
    EXPECT_TRUE(bFour);
    EXPECT_EQ('.', c);
}
