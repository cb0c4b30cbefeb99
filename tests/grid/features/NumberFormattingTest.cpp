// Number formats: every code with a number and with a text, the edge cases of each kind, typed
// numbers read back with the format they suggest, and formatted values in a shown grid and in
// a formula grid. Date and number texts of the user's formats come from the locale functions.
#include "FeatureTestApp.h"
#include "grid/core/AppData.h"
#include "grid/core/DrawingAndFormatting.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"
#include "grid/features/NoOleDateTimeImp.h"
#include "grid/features/NumberFormattingImp.h"
#include "grid/formula/FormulaSheet.h"
#include "GridIds.h"
#include "tests/grid/ComponentSlot.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <locale.h>
#include <stdlib.h>
#include <string>

using namespace testing_support;

namespace
{
const char* const s_apszMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

SYSTEMTIME SystemTimeOf(double dDate)
{
    SYSTEMTIME st = {};
    ::VariantTimeToSystemTime(dDate, &st);
    return st;
}

std::string Printf(const char* pszFormat, ...)
{
    char sz[256];
    va_list args;
    va_start(args, pszFormat);
    _vsnprintf(sz, sizeof(sz) - 1, pszFormat, args);
    va_end(args);
    sz[sizeof(sz) - 1] = 0;
    return sz;
}

// The user's short date and time, as the OLE date type writes them.
std::string LocaleDate(const SYSTEMTIME& st)
{
    char sz[128] = "";
    ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, NULL, sz, sizeof(sz));
    return sz;
}

std::string LocaleTime(const SYSTEMTIME& st)
{
    char sz[128] = "";
    ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, NULL, sz, sizeof(sz));
    return sz;
}

// The pixels of a window's client rectangle, row by row.
std::vector<DWORD> CapturePixels(CWnd* pWnd, const CRect& rect)
{
    CClientDC dc(pWnd);
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height());
    CBitmap* pOld = mem.SelectObject(&bitmap);
    mem.BitBlt(0, 0, rect.Width(), rect.Height(), &dc, rect.left, rect.top, SRCCOPY);
    mem.SelectObject(pOld);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = rect.Width();
    bmi.bmiHeader.biHeight = -rect.Height();
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels((size_t)rect.Width() * rect.Height());
    ::GetDIBits(mem.GetSafeHdc(), (HBITMAP)bitmap.GetSafeHandle(), 0, rect.Height(), pixels.data(), &bmi,
                DIB_RGB_COLORS);
    return pixels;
}

std::string LocaleNumber(const char* pszNumber)
{
    char sz[256] = "";
    ::GetNumberFormatA(LOCALE_USER_DEFAULT, 0, pszNumber, NULL, sz, sizeof(sz));
    return sz;
}

// The display text of a value under a format code.
std::string Shown(unsigned nFormat, unsigned nPlaces, LPCTSTR pszValue, unsigned nType = GX_VT_NUMBER)
{
    CGXNumberFormattingImp imp;
    CGXStyle style;
    style.SetFormat(nFormat).SetPlaces(nPlaces).SetValue(pszValue);
    style.SetValueType(nType);
    return (LPCTSTR)imp.FormatValue(style, NULL, 0);
}

struct FormatCase
{
    unsigned nFormat;
    unsigned nPlaces;
    const char* pszValue;
    std::string expected;
};

void CheckFormats(const std::vector<FormatCase>& cases)
{
    for (const FormatCase& c : cases)
    {
        SCOPED_TRACE(Printf("code %u, places %u, value %s", c.nFormat, c.nPlaces, c.pszValue));
        EXPECT_EQ(c.expected, Shown(c.nFormat, c.nPlaces, c.pszValue));
    }
}
} // namespace

TEST(NumberFormatting, EveryCodeShowsANumberByItsRule)
{
    const double v = 1234567.5;
    SYSTEMTIME st = SystemTimeOf(v), stDay = SystemTimeOf(1234567.0), stTime = SystemTimeOf(0.5);
    std::string strDay = Printf("%02d", st.wDay), strMonth = s_apszMonths[st.wMonth - 1];
    std::string strYear2 = Printf("%02d", st.wYear % 100);
    std::vector<FormatCase> cases = {
        {0, 2, "1234567.5", "1234567.5"},
        {1, 2, "1234567.5", "1.23e+006"},
        {2, 2, "1234567.5", "1234567.50"},
        {3, 2, "1234567.5", "1.2e+006"},
        {4, 2, "1234567.5", "$1,234,567.50 "},
        {5, 2, "1234567.5", "1,234,567.50 "},
        {6, 2, "1234567.5", "0x12D687"},
        {7, 2, "1234567.5", "?"},
        {8, 2, "1234567.5", strDay + "-" + strMonth + "-" + strYear2},
        {9, 2, "1234567.5", strDay + "-" + strMonth},
        {10, 2, "1234567.5", strMonth + "-" + strYear2},
        {11, 2, "1234567.5", LocaleDate(stDay)},
        {12, 2, "1234567.5", ""},
        {13, 2, "1234567.5", LocaleTime(stTime)},
        {14, 2, "1234567.5", "123456750.00%"},
        {15, 2, "1234567.5", "1234567.5"},
        {16, 2, "1234567.5", Printf("%02d.%02d.%04d", st.wDay, st.wMonth, st.wYear)},
        {17, 2, "1234567.5", Printf("%04d-%02d-%02d", st.wYear, st.wMonth, st.wDay)},
        {18, 2, "1234567.5", LocaleDate(st) + " " + LocaleTime(st)},
        {19, 2, "1234567.5", "1234567.5"},
        {20, 2, "1234567.5", "1234567.5"},
        {21, 2, "1234567.5", "1234567.5"},
        {22, 2, "1234567.5", "1234567.5"},
        {23, 2, "1234567.5", " 1,234,567.50 "},
        {24, 2, "1234567.5", " 1234567 1/2"},
        {25, 2, "1234567.5", "12:00 PM"},
        {26, 2, "1234567.5", "12:00:00 PM"},
        {27, 2, "1234567.5", "12:00"},
        {28, 2, "1234567.5", LocaleNumber("1234567.5") + " "},
        {29, 2, "1234567.5", " Format? "},
        {31, 2, "1234567.5", " Format? "},
    };
    CheckFormats(cases);
}

TEST(NumberFormatting, ATextOrAStyleWithoutFormatShowsUnchangedExceptHidden)
{
    CGXNumberFormattingImp imp;
    for (unsigned nFormat = 0; nFormat <= 31; nFormat++)
    {
        SCOPED_TRACE(nFormat);
        EXPECT_EQ(nFormat == 12 ? "" : "Lötzinn 42", Shown(nFormat, 2, "Lötzinn 42", GX_VT_TEXT));
        // A given text takes the given type, not the style's.
        CGXStyle style;
        style.SetFormat(nFormat).SetPlaces(2).SetValue("7").SetValueType(GX_VT_NUMBER);
        EXPECT_EQ(CString(nFormat == 12 ? "" : "abc"), imp.FormatValue(style, "abc", GX_VT_TEXT));
        // Without the format attribute the value is shown as it is, also under the hidden code.
        CGXStyle plain;
        plain.SetValue("1234567.5").SetValueType(GX_VT_NUMBER);
        plain.SetFormat(nFormat).SetInclude(CGXStyle::ibFormat, FALSE);
        EXPECT_EQ(CString("1234567.5"), imp.FormatValue(plain, NULL, 0));
    }
}

TEST(NumberFormatting, EdgeCasesOfEachKind)
{
    SYSTEMTIME stTime = SystemTimeOf(37986.75 - 37986);
    std::vector<FormatCase> cases = {
        // Fractions: reduced by the small primes; places outside 1..6 count as 3.
        {24, 2, "0.75", "  3/4"},
        {24, 0, "-1.5", "-1 1/2"},
        {24, 7, "2.125", " 2 1/8"},
        {24, 1, "0.333", "  333/1000"}, // no common factor
        // Logical values.
        {7, 0, "1.0", "1"},
        {7, 0, "0.5", "0"},
        {7, 0, "2.0", "?"},
        {7, 0, "-0.5", "?"},
        // Negative amounts in parentheses; short numbers stay ungrouped.
        {4, 2, "-1234.5", "($1,234.50)"},
        {5, 0, "-999", "(999)"},
        {23, 1, "-1234567", "(1,234,567.0)"},
        {23, 1, "0", " 0.0 "},
        {5, 3, "123456", "123,456.000 "},
        // Percent up to its limit, hexadecimal of the magnitude.
        {14, 1, "0.125", "12.5%"},
        {14, 0, "1.7976931348623156e+306", " Percent! "},
        {6, 0, "-255.9", "0xFF"},
        // The time of day of a date with a time.
        {13, 0, "37986.75", LocaleTime(stTime)},
        {25, 0, "37986.75", "06:00 PM"},
        {27, 0, "37986.75", "18:00"},
        {16, 0, "37986.75", "31.12.2003"},
        {8, 0, "37986.75", "31-Dec-03"},
    };
    CheckFormats(cases);
}

TEST(NumberFormatting, TheLibrarySeparatorsGroupAndReadTheValue)
{
    CGXAppData* pAppData = GXGetAppData();
    char cDecimal = pAppData->m_cDecimalSeparator, cThousand = pAppData->m_cThousandSeparator;
    pAppData->m_cThousandSeparator = '\'';
    EXPECT_EQ(" 1'234'567.50 ", Shown(23, 2, "1234567.5"));
    double d = 0;
    unsigned nFormat = 0, nPlaces = 0;
    CGXNumberFormattingImp imp;
    EXPECT_TRUE(imp.ParseValue("1'234.5", d, &nFormat, &nPlaces));
    EXPECT_EQ(1234.5, d);
    EXPECT_EQ(5u, nFormat);
    EXPECT_FALSE(imp.ParseValue("1,234.5", d));
    pAppData->m_cThousandSeparator = cThousand;
    pAppData->m_cDecimalSeparator = cDecimal;
}

TEST(NumberFormatting, ParsingReadsWholeNumbersAndSuggestsAFormat)
{
    struct ParseCase
    {
        const char* pszText;
        bool bNumber;
        double d = 0;
        unsigned nFormat = 0, nPlaces = 0;
    } cases[] = {
        {"(1,234.5)", true, -1234.5, 5, 1},
        {"1,23", false},
        {"$12", true, 12, 4, 0},
        {"($1,234.50)", true, -1234.5, 4, 2},
        {"1e5", true, 1e5, 1, 0},
        {"-1.25E-3", true, -1.25e-3, 1, 2},
        {"12 x", false},
        {"  12.50  ", true, 12.5, 2, 2},
        {"-3", true, -3, 2, 0},
        {"+7.", true, 7, 2, 0},
        {"1,234,567", true, 1234567, 5, 0},
        {"12,345.6789", true, 12345.6789, 5, 4},
        {"1,2345", false},
        {",123", true, 123, 5, 0}, // only the distance to the end is checked
        {"12,34,567", false},
        {"0.1234567890123456789", true, 0.1234567890123456789, 2, 15},
        {"12345678901234567890", true, 12345678901234567890.0, 2, 0},
        {"", false},
        {"   ", false},
        {"-", false},
        {".", false},
        {"5", true, 5, 2, 0},
        {"1.2.3", false},
        {"1e5e3", false},
        {"(1e5)", false},
        {"(-5)", false},
        {"(12", false},
        {"12)", false},
        {"(12) ", false},
        {"12a", false},
        {"1-2", false},
        {"$", false},
    };
    CGXNumberFormattingImp imp;
    for (const ParseCase& c : cases)
    {
        SCOPED_TRACE(c.pszText);
        double d = -99;
        unsigned nFormat = 99, nPlaces = 99;
        ASSERT_EQ(c.bNumber, (bool)imp.ParseValue(c.pszText, d, &nFormat, &nPlaces));
        if (!c.bNumber)
            continue;
        EXPECT_DOUBLE_EQ(c.d, d);
        EXPECT_EQ(c.nFormat, nFormat);
        EXPECT_EQ(c.nPlaces, nPlaces);
        // The outputs are optional.
        double d2 = 0;
        EXPECT_TRUE(imp.ParseValue(c.pszText, d2));
        EXPECT_EQ(d, d2);
    }
    // At most 257 characters; at most 19 thousands separators.
    std::string strLong(257, '1'), strLonger(258, '1');
    double d;
    EXPECT_TRUE(imp.ParseValue(strLong.c_str(), d));
    EXPECT_FALSE(imp.ParseValue(strLonger.c_str(), d));
    std::string strGroups = "1";
    for (int i = 0; i < 19; i++)
        strGroups += ",000";
    EXPECT_TRUE(imp.ParseValue(strGroups.c_str(), d));
    EXPECT_FALSE(imp.ParseValue((strGroups + ",000").c_str(), d));
}

TEST(NumberFormatting, TheDrawingClassForwardsAndFallsBackToTheValue)
{
    EnsureGridLibrary();
    CGXAppData* pAppData = GXGetAppData();
    ASSERT_TRUE(dynamic_cast<CGXNumberFormattingImp*>(pAppData->m_pNumberFormattingImp) != NULL);
    CGXDrawingAndFormatting* pDraw = GXGetDrawingAndFormatting();
    CGXStyle style;
    style.SetFormat(4).SetPlaces(2).SetNumberValue(-1234.5);
    CString s;
    pDraw->FormatValueText(s, style);
    EXPECT_EQ(CString("($1,234.50)"), s);
    pDraw->FormatValueText(s, style, "99");
    EXPECT_EQ(CString("$99.00 "), s);
    double d = 0;
    unsigned nFormat = 0;
    EXPECT_TRUE(pDraw->ParseValueText("$3", d, &nFormat));
    EXPECT_EQ(4u, nFormat);

    ComponentSlot<CGXAbstractNumberFormattingImp> none(pAppData->m_pNumberFormattingImp, NULL);
    pDraw->FormatValueText(s, style);
    EXPECT_EQ(CString("-1234.5"), s);
    EXPECT_FALSE(pDraw->ParseValueText("3", d));
}

TEST(NumberFormatting, InstallingKeepsTheFirstAndTheFormulaEngineInstallsIt)
{
    EnsureGridLibrary();
    CGXAppData* pAppData = GXGetAppData();
    CGXAbstractNumberFormattingImp* pInstalled = pAppData->m_pNumberFormattingImp;
    ASSERT_NE(nullptr, pInstalled);
    GXInstallNumberFormattingImp();
    EXPECT_EQ(pInstalled, pAppData->m_pNumberFormattingImp);
    EXPECT_TRUE(pAppData->m_exitList.Find(pInstalled) != NULL);

    pAppData->m_pNumberFormattingImp = NULL;
    BOOL bFormulaEngine = pAppData->m_bFormulaEngine;
    {
        CGXGridWnd grid;
        grid.EnableFormulaEngine();
        EXPECT_NE(nullptr, pAppData->m_pNumberFormattingImp);
        EXPECT_NE(pInstalled, pAppData->m_pNumberFormattingImp);
        EXPECT_TRUE(pAppData->m_exitList.Find(pAppData->m_pNumberFormattingImp) != NULL);
    }
    pAppData->m_bFormulaEngine = bFormulaEngine;
    pAppData->m_pNumberFormattingImp = pInstalled;
}

namespace
{
// A grid of static cells, wide enough for the texts, whose cells' pixels can be compared.
struct FormatGrid : GridWindow
{
    CGXGridCore& g;
    FormatGrid() : GridWindow(500, 200), g(*grid)
    {
        g.SetRowCount(4, GX_NOREDRAW);
        g.SetColCount(2, GX_NOREDRAW);
        g.SetColWidth(1, 2, 160, NULL, GX_NOREDRAW);
        g.SetStyleRange(CGXCellRange().SetTable(), CGXStyle().SetHorizontalAlignment(DT_RIGHT));
        // The current cell draws otherwise: away from the compared cells.
        g.SetCurrentCell(4, 2);
        g.RedrawAll(GX_INVALIDATE);
        PumpMessages(50);
    }
    // The pixels inside a cell's borders as the window shows them.
    std::vector<DWORD> CellPixels(ROWCOL nRow, ROWCOL nCol)
    {
        g.m_pGridWnd->UpdateWindow();
        CRect rect = g.CalcCellRect(nRow, nCol);
        rect.DeflateRect(1, 1);
        return CapturePixels(g.m_pGridWnd, rect);
    }
};
} // namespace

TEST(NumberFormatting, AShownGridDrawsTheFormattedValue)
{
    FormatGrid w;
    struct Shown
    {
        unsigned nFormat, nPlaces;
        double d;
        const char* pszText;
    } cases[] = {
        {4, 2, -1234.5, "($1,234.50)"},
        {14, 1, 0.125, "12.5%"},
        {24, 2, 0.75, "  3/4"},
        {16, 0, 37986.75, "31.12.2003"},
    };
    for (const Shown& c : cases)
    {
        SCOPED_TRACE(c.pszText);
        w.g.SetStyleRange(CGXCellRange(1, 1),
                          CGXStyle().SetFormat(c.nFormat).SetPlaces(c.nPlaces).SetNumberValue(c.d));
        w.g.SetStyleRange(CGXCellRange(1, 2), CGXStyle().SetValue(c.pszText));
        std::vector<DWORD> formatted = w.CellPixels(1, 1), text = w.CellPixels(1, 2);
        EXPECT_EQ(text, formatted);
        // The unformatted number looks otherwise.
        w.g.SetStyleRange(CGXCellRange(1, 2), CGXStyle().SetNumberValue(c.d));
        EXPECT_NE(w.CellPixels(1, 2), formatted);
    }
    // Hidden: the cell looks empty.
    w.g.SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetFormat(12).SetNumberValue(5));
    EXPECT_EQ(w.CellPixels(3, 1), w.CellPixels(2, 1));
}

namespace
{
// A shown grid switched to formulas.
struct FormulaGrid : GridWindowOf<CGXGridWnd>
{
    CGXGridCore& g;
    FormulaGrid() : GridWindowOf(500, 200), g(*grid)
    {
        grid->EnableFormulaEngine();
        grid->OnGridInitialUpdate();
        g.SetRowCount(4, GX_NOREDRAW);
        g.SetColCount(2, GX_NOREDRAW);
    }
};
} // namespace

TEST(NumberFormatting, AFormulaGridTakesTypedFormattedNumbersAndEditsDatesAsDates)
{
    FormulaGrid w;
    CGXFormulaSheet* pSheet = w.g.GetFormulaSheet();
    ASSERT_TRUE(pSheet != NULL);
    // "1,234.5" typed is a number, stored with the value.
    ASSERT_TRUE(w.g.SetValueRange(CGXCellRange(1, 1), "1,234.5"));
    EXPECT_EQ(CString("1234.5"), pSheet->GetValueTextRowCol(1, 1));
    ASSERT_TRUE(w.g.SetValueRange(CGXCellRange(1, 2), "=A1*2"));
    EXPECT_EQ(CString("2469"), pSheet->GetValueTextRowCol(1, 2));
    ASSERT_TRUE(w.g.SetValueRange(CGXCellRange(2, 1), "12 Stück"));
    EXPECT_EQ(CString("'12 Stück"), pSheet->GetExpressionTextRowCol(2, 1));

    // A date cell is edited as the date it shows, other numbers as they are.
    ASSERT_TRUE(w.g.SetValueRange(CGXCellRange(3, 1), "37986"));
    w.g.SetStyleRange(CGXCellRange(3, 1), CGXStyle().SetFormat(11));
    EXPECT_EQ(CString(LocaleDate(SystemTimeOf(37986)).c_str()), pSheet->GetExpressionTextRowCol(3, 1));
    w.g.SetStyleRange(CGXCellRange(3, 2), CGXStyle().SetFormat(2).SetPlaces(2));
    ASSERT_TRUE(w.g.SetValueRange(CGXCellRange(3, 2), "37986"));
    EXPECT_EQ(CString("37986"), pSheet->GetExpressionTextRowCol(3, 2));
    // The grid shows the computed value formatted.
    ASSERT_TRUE(w.g.SetValueRange(CGXCellRange(4, 2), "=B3/4"));
    w.g.SetStyleRange(CGXCellRange(4, 2), CGXStyle().SetFormat(5).SetPlaces(1));
    const CGXStyle& style = w.g.LookupStyleRowCol(4, 2);
    CString s;
    w.g.GetControl(4, 2)->FormatValueText(s, 4, 2, NULL, style);
    EXPECT_EQ(CString("9,496.5 "), s);
}

namespace
{
// Runs in the German test entry only, whose process has the German locale.
class GermanFormats : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        if (getenv("HELVON_GERMAN_LOCALE") == NULL)
            GTEST_SKIP() << "runs in the German test entry";
        EnsureGridLibrary();
    }
};
} // namespace

TEST_F(GermanFormats, TheUserFormatsAndTheLibrarySeparatorsAreGerman)
{
    char szName[16] = "";
    ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SNAME, szName, sizeof(szName));
    ASSERT_STREQ("de-DE", szName);
    // The user's number, date and time formats.
    std::string strNumber = LocaleNumber("1234567.5");
    EXPECT_EQ(",50", strNumber.substr(strNumber.size() - 3));
    EXPECT_EQ(strNumber + " ", Shown(28, 2, "1234567.5"));
    EXPECT_EQ("31.12.2003", Shown(11, 0, "37986.75"));
    EXPECT_EQ("18:00:00", Shown(13, 0, "37986.75"));
    // The fixed patterns stay as they are.
    EXPECT_EQ("31-Dec-03", Shown(8, 0, "37986.75"));

    // With the locale's separators the library reads and writes a decimal comma.
    CGXAppData* pAppData = GXGetAppData();
    BOOL bLocale = pAppData->m_bUseLocaleSeparators;
    pAppData->m_bUseLocaleSeparators = TRUE;
    pAppData->LoadLocaleSeparators();
    EXPECT_EQ(',', pAppData->m_cDecimalSeparator);
    EXPECT_EQ('.', pAppData->m_cThousandSeparator);
    EXPECT_EQ("1234,50", Shown(2, 2, "1234.5"));
    EXPECT_EQ("1.234,50 ", Shown(5, 2, "1234.5"));
    EXPECT_EQ("($1.234.567,5)", Shown(4, 1, "-1234567.5"));
    CGXNumberFormattingImp imp;
    double d = 0;
    unsigned nFormat = 0, nPlaces = 0;
    EXPECT_TRUE(imp.ParseValue("1.234,5", d, &nFormat, &nPlaces));
    EXPECT_EQ(1234.5, d);
    EXPECT_EQ(5u, nFormat);
    EXPECT_EQ(1u, nPlaces);
    EXPECT_FALSE(imp.ParseValue("1,234.5", d));
    setlocale(LC_NUMERIC, "C");
    pAppData->m_bUseLocaleSeparators = bLocale;
    pAppData->m_cDecimalSeparator = '.';
    pAppData->m_cThousandSeparator = ',';
}

TEST_F(GermanFormats, TheOwnDateParserTakesTheGermanOrder)
{
    CGXNoOleDateTimeImp imp;
    imp.RefreshSettings();
    BOOL bFour = FALSE;
    TCHAR c = 0;
    EXPECT_EQ(0, imp.GetDateOrder(FALSE, bFour, c));
    EXPECT_TRUE(bFour);
    EXPECT_EQ('.', c);
    struct tm t;
    ASSERT_TRUE(imp.ParseToTm(t, "24.12.2003 18:30", gxUndeterminedOrder));
    EXPECT_EQ(103, t.tm_year);
    EXPECT_EQ(11, t.tm_mon);
    EXPECT_EQ(24, t.tm_mday);
    EXPECT_EQ(18, t.tm_hour);
    EXPECT_EQ(30, t.tm_min);
}

TEST(NumberFormatting, TypingIntoAFormulaGridStoresFormattedNumbersAsNumbers)
{
    FormulaGrid w;
    CGXFormulaSheet* pSheet = w.g.GetFormulaSheet();
    ASSERT_TRUE(pSheet != NULL);
    w.g.GetParam()->m_wEnterKeyAction = 3; // Enter moves down
    w.g.SetStyleRange(CGXCellRange(3, 1), CGXStyle().SetFormat(5).SetPlaces(1));
    w.g.SetCurrentCell(1, 1);
    w.grid->SetFocus();
    TypeText("1,234.5\n-7.25\n12 kg\n");
    EXPECT_EQ(CString("1234.5"), pSheet->GetValueTextRowCol(1, 1));
    EXPECT_EQ(CString("-7.25"), pSheet->GetValueTextRowCol(2, 1));
    EXPECT_EQ(CString("12 kg"), pSheet->GetValueTextRowCol(3, 1));
    CGXStyle style;
    ASSERT_TRUE(w.g.GetStyleRowCol(1, 1, style, gxCopy, 0));
    EXPECT_EQ((UINT)GX_VT_NUMBER, style.GetValueType());
    ASSERT_TRUE(w.g.GetStyleRowCol(3, 1, style, gxCopy, 0));
    EXPECT_NE((UINT)GX_VT_NUMBER, style.GetValueType());
    // The formatted cell shows the typed number in its format.
    w.g.SetCurrentCell(4, 2);
    TypeText("1234.56\n");
    w.g.SetStyleRange(CGXCellRange(4, 2), CGXStyle().SetFormat(4).SetPlaces(2));
    CString s;
    w.g.GetControl(4, 2)->FormatValueText(s, 4, 2, NULL, w.g.LookupStyleRowCol(4, 2));
    EXPECT_EQ(CString("$1,234.56 "), s);
}
