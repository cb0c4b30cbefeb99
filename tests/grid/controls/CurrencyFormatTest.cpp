// Money formats: amounts parsed and formatted with formats built without the locale, the
// template tables including out-of-range indexes, and the locale's format against the
// locale functions.
#include "grid/controls/CurrencyFormat.h"
#include <gtest/gtest.h>

namespace
{
struct ParseCase
{
    const char* pszText;
    BOOL bValid;
    double dValue;
    BOOL bNegative;
};

TEST(CurrencyFormat, ParsesAmountsWithTheDefaultFormat)
{
    const ParseCase aCases[] = {
        {"", TRUE, 0.0, FALSE},
        {"(12.50)", TRUE, 12.5, TRUE},
        {"12.50-", TRUE, 12.5, TRUE},
        {"-$12.50", TRUE, 12.5, TRUE},
        {"(12.50", FALSE, 0, FALSE},
        {"12.50)", FALSE, 0, FALSE},
        {"1,234,567.89", TRUE, 1234567.89, FALSE},
        {"1.2.3", TRUE, 2.3, FALSE},
        {"$ abc", FALSE, 0, FALSE},
        {"   ", FALSE, 0, FALSE},
        {"  $7  ", TRUE, 7.0, FALSE},
    };
    CGXBCurrencyFormat format(FALSE);
    for (const ParseCase& c : aCases)
    {
        double dValue = -99.0;
        BOOL bNegative = 2;
        BOOL bValid = format.ParseValue(c.pszText, dValue, bNegative);
        EXPECT_EQ(c.bValid, bValid) << c.pszText;
        if (c.bValid && bValid)
        {
            EXPECT_DOUBLE_EQ(c.dValue, dValue) << c.pszText;
            EXPECT_EQ(c.bNegative, bNegative) << c.pszText;
        }
    }
}

TEST(CurrencyFormat, ParsesWithTheFormatsSeparators)
{
    CGXBCurrencyFormat format(FALSE);
    format.SetThousandSeparator('.');
    format.SetDecimalSeparator(',');
    double dValue = 0;
    BOOL bNegative = TRUE;
    ASSERT_TRUE(format.ParseValue("1.234,5", dValue, bNegative));
    EXPECT_DOUBLE_EQ(1234.5, dValue);
    EXPECT_FALSE(bNegative);
    int nFirst = 0, nLast = 0;
    EXPECT_FALSE(format.GetNumberBounds("$ -", nFirst, nLast));
    EXPECT_EQ(-1, nFirst);
    EXPECT_EQ(-1, nLast);
    ASSERT_TRUE(format.GetNumberBounds("EUR 1.234,50 x", nFirst, nLast));
    EXPECT_EQ(4, nFirst);
    EXPECT_EQ(11, nLast);
    EXPECT_EQ(9, format.FindDecimalSeparator("EUR 1.234,50"));
    EXPECT_EQ(5, format.FindDecimalSeparator("EUR 1.234,50", '.'));
    EXPECT_EQ(-1, format.FindDecimalSeparator("12"));
}

struct FormatCase
{
    const char* pszName;
    double dValue;
    BOOL bNegative;
    int nMaxDigits;
    BOOL bKeepRightmost;
    char cFill;
    BOOL bPadBeforeGrouping;
    BOOL bLeadingZero;
    int nPositive;
    int nNegative;
    const char* pszExpected;
};

TEST(CurrencyFormat, FormatsAmountsByTheirOptions)
{
    const FormatCase aCases[] = {
        {"defaults", 1234.5, FALSE, -1, FALSE, ' ', FALSE, TRUE, 0, 0, "$1,234.50"},
        {"negative 0", 1234.5, TRUE, -1, FALSE, ' ', FALSE, TRUE, 0, 0, "($1,234.50)"},
        {"cut leftmost", 12345.67, FALSE, 3, FALSE, ' ', FALSE, TRUE, 0, 0, "$123.67"},
        {"cut rightmost", 12345.67, FALSE, 3, TRUE, ' ', FALSE, TRUE, 0, 0, "$345.67"},
        {"pad grouped", 12.5, FALSE, 6, FALSE, '0', TRUE, TRUE, 0, 0, "$000,012.50"},
        {"pad ungrouped", 12.5, FALSE, 6, FALSE, '0', FALSE, TRUE, 0, 0, "$000012.50"},
        {"no leading zero", 0.5, FALSE, -1, FALSE, ' ', FALSE, FALSE, 0, 0, "$.50"},
        {"negative 15", 3, TRUE, -1, FALSE, ' ', FALSE, TRUE, 0, 15, "(3.00 $)"},
        {"negative 8", 3, TRUE, -1, FALSE, ' ', FALSE, TRUE, 0, 8, "-3.00 $"},
        {"positive 3", 3, FALSE, -1, FALSE, ' ', FALSE, TRUE, 3, 0, "3.00 $"},
        {"positive 4", 3, FALSE, -1, FALSE, ' ', FALSE, TRUE, 4, 0, "(3.00$)"},
        {"positive 5", 3, FALSE, -1, FALSE, ' ', FALSE, TRUE, 5, 0, "$3.00"},
        {"positive -1", 3, FALSE, -1, FALSE, ' ', FALSE, TRUE, -1, 0, "$3.00"},
        {"negative 16", 3, TRUE, -1, FALSE, ' ', FALSE, TRUE, 0, 16, "($3.00)"},
        {"negative -3", 3, TRUE, -1, FALSE, ' ', FALSE, TRUE, 0, -3, "($3.00)"},
        {"million", 1234567.891, FALSE, -1, FALSE, ' ', FALSE, TRUE, 0, 1, "$1,234,567.89"},
    };
    for (const FormatCase& c : aCases)
    {
        CGXBCurrencyFormat format(FALSE);
        format.SetMaxIntegerDigits(c.nMaxDigits);
        format.SetKeepRightmostDigits(c.bKeepRightmost);
        ASSERT_TRUE(format.SetFillChar(c.cFill));
        format.SetPadBeforeGrouping(c.bPadBeforeGrouping);
        format.SetLeadingZero(c.bLeadingZero);
        format.SetPositiveFormat(c.nPositive);
        format.SetNegativeFormat(c.nNegative);
        CString str;
        format.FormatValue(c.dValue, str, c.bNegative);
        EXPECT_STREQ(c.pszExpected, str) << c.pszName;
    }
}

TEST(CurrencyFormat, KeepsFieldsAndComparesThem)
{
    CGXBCurrencyFormat a(FALSE), b(FALSE);
    EXPECT_TRUE(a.IsEqual(b));
    EXPECT_FALSE(a.SetFillChar('5'));
    EXPECT_EQ(' ', a.GetFillChar());
    COLORREF cr = 1;
    EXPECT_FALSE(a.GetNegativeColor(cr));
    a.SetNegativeColor(RGB(200, 0, 0));
    ASSERT_TRUE(a.GetNegativeColor(cr));
    EXPECT_EQ(RGB(200, 0, 0), cr);
    EXPECT_FALSE(a.GetPositiveColor(cr));
    EXPECT_TRUE(a.IsNotEqual(b));
    b.Assign(a);
    EXPECT_TRUE(b.IsEqual(a));
    b.SetCurrencySymbol("EUR");
    EXPECT_TRUE(b.IsNotEqual(a));
}

CString LocaleText(LCTYPE item)
{
    char sz[64] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, item, sz, sizeof(sz));
    return CString(sz);
}

CString LocaleCurrency(LPCSTR pszNumber)
{
    char sz[128] = {};
    GetCurrencyFormatA(LOCALE_USER_DEFAULT, 0, pszNumber, NULL, sz, sizeof(sz));
    return CString(sz);
}

// The locale's digit count is a count of decimals; the integer part stays unlimited.
TEST(CurrencyFormat, TakesTheUserLocale)
{
    CGXBCurrencyFormat format(TRUE);
    EXPECT_STREQ(LocaleText(LOCALE_SCURRENCY), format.GetCurrencySymbol());
    EXPECT_EQ(LocaleText(LOCALE_SMONDECIMALSEP)[0], format.GetDecimalSeparator());
    EXPECT_EQ(LocaleText(LOCALE_SMONTHOUSANDSEP)[0], format.GetThousandSeparator());
    EXPECT_EQ(atoi(LocaleText(LOCALE_ICURRDIGITS)), format.GetDecimalPlaces());
    EXPECT_EQ(atoi(LocaleText(LOCALE_ICURRENCY)), format.GetPositiveFormat());
    EXPECT_EQ(atoi(LocaleText(LOCALE_INEGCURR)), format.GetNegativeFormat());
    EXPECT_EQ(-1, format.GetMaxIntegerDigits());

    CString str;
    format.FormatValue(1234.5, str, FALSE);
    EXPECT_STREQ(LocaleCurrency("1234.5"), str);
    format.FormatValue(1234.5, str, TRUE);
    EXPECT_STREQ(LocaleCurrency("-1234.5"), str);
    double dValue = 0;
    BOOL bNegative = FALSE;
    ASSERT_TRUE(format.ParseValue(LocaleCurrency("-98765.25"), dValue, bNegative));
    EXPECT_DOUBLE_EQ(98765.25, dValue);
    EXPECT_TRUE(bNegative);
}
} // namespace
