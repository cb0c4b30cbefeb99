// The cell value records read into real grids, and the cell writer's records, against
// hand-written bytes.
#include "RecordTestSupport.h"
#include "grid/core/Control.h"
#include "grid/excel/ExcelCellWriter.h"
#include "grid/excel/ExcelNumberHandler.h"
#include "grid/excel/ExcelRkHandler.h"
#include "grid/formula/FormulaSheet.h"
#include "grid/excel/ExcelHandlerSupport.h"
#include <gtest/gtest.h>
#include <iomanip>
#include <stdio.h>
#include <stdlib.h>
#include <vector>

namespace
{
// XF 0 plain; XF 1 format 2 (two places), XF 2 format 10 (code 14, two places), XF 3 format 20
// (code 27, hours and minutes).
Bytes FourXFs()
{
    return FormatXF(0) + FormatXF(2) + FormatXF(10) + FormatXF(20);
}

// Writes the grid's cells and answers the bytes; nCode receives a raised code (0: none).
Bytes WriteCells(CGXGridCore* pGrid, int* pCode = NULL, DWORD nKind = 1)
{
    TestStream stream;
    DWORD nTotal = 0;
    int nCode = 0;
    try
    {
        CGXExcelHandler* pRk = GXExGetHandlerMap()->Lookup(0x27E);
        pRk->WriteRecord(stream, CGXExcelHandler::gxexpointer(nKind, pGrid), &nTotal, 0);
    }
    catch (egxExcelRWFlags e)
    {
        nCode = e;
    }
    if (pCode != NULL)
        *pCode = nCode;
    Bytes bytes = StreamBytes(stream);
    EXPECT_EQ(bytes.size(), nTotal);
    return bytes;
}
// The text the cell shows.
CString Shown(CGXGridCore& g, ROWCOL nRow, ROWCOL nCol)
{
    CGXStyle style;
    g.ComposeStyleRowCol(nRow, nCol, &style);
    CString strText;
    g.GetControl(nRow, nCol)->FormatValueText(strText, nRow, nCol, NULL, style);
    return strText;
}
} // namespace

TEST(RkDecode, DecodesTheFourForms)
{
    struct Case
    {
        DWORD nRk;
        double d;
    } cases[] = {
        {2, 0},
        {6, 1},
        {7, 0.01},
        {0x3FF00000, 1.0},
        {0x3FF00001, 0.01},
        {0xFFFFFFFE, -1},
        {0x3FF80000, 1.5},
        {0xC0000000 | 0, -2.0},
        {((DWORD)-123456 << 2) | 3, -1234.56},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(c.d, RkDecode(c.nRk)) << std::hex << c.nRk;
}

// A number read from a workbook becomes the text "%.15g" gives it where that reads back as the same
// double, or else the shortest longer one that does.
TEST(NumberValue, IsTheShortestTextThatReadsBackTheSame)
{
    std::vector<double> values = {0,
                                  -0.0,
                                  1,
                                  -1,
                                  0.5,
                                  0.1 + 0.2,
                                  1.0 / 3,
                                  123.45,
                                  -0.05,
                                  0.0001,
                                  0.00012,
                                  9.9e-5,
                                  1e-6,
                                  1e-300,
                                  1e14,
                                  1e15,
                                  -1e15,
                                  999999999999999.0,
                                  123456789012345.0,
                                  1234567890123456.0,
                                  9007199254740993.0,
                                  12345678.123456,
                                  0.1234567,
                                  2.5e-7,
                                  1e100,
                                  -123456.789};
    // What workbooks mostly hold: decimals of a few places over a wide range of digits.
    unsigned long long nSeed = 12345;
    for (int i = 0; i < 20000; i++)
    {
        nSeed = nSeed * 6364136223846793005ull + 1442695040888963407ull;
        const double scales[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7};
        long long n = (long long)(nSeed >> (11 + (nSeed >> 60) * 3));
        values.push_back((i % 2 ? -1 : 1) * (double)n / scales[i % 8]);
    }
    for (double d : values)
    {
        CGXStyle style;
        GXExSetNumberValue(&style, d);
        char szExpected[40];
        for (int nDigits = 15; nDigits <= 17; nDigits++)
        {
            _snprintf(szExpected, sizeof(szExpected), "%.*g", nDigits, d);
            if (strtod(szExpected, NULL) == d)
                break;
        }
        ASSERT_STREQ(szExpected, style.GetValue()) << "%.17g: " << std::setprecision(17) << d;
        EXPECT_EQ((UINT)GX_VT_NUMBER, style.GetValueType());
    }
}

TEST_F(RecordTest, RkMulRkAndNumberCellsGetValueAndFormat)
{
    RecordGrid w;
    Bytes cells =
        Record(0x27E, HexBytes("0000 0000 0100 0000F03F"))                                     // A1 1.0, XF 1
        + Record(0x27E, HexBytes("0100 0100 0000 FEFFFFFF"))                                   // B2 -1
        + Record(0xBD, HexBytes("0200 0200 0100 0600 0000 0200 0700 0000 0300 0100F03F 0400")) // C3-E3
        + Record(0x203, HexBytes("0400 0000 0100 000000000000F83F"));                          // A5 1.5
    ASSERT_EQ(0, ReadIntoGrid(&w.g, FourXFs() + cells));
    struct Case
    {
        ROWCOL nRow, nCol;
        const char* pszValue;
        UINT nFormat;
        int nPlaces;
    } cases[] = {
        {1, 1, "1", 2, 2},      {2, 2, "-1", 3, -1}, {3, 3, "1", 2, 2},       {3, 4, "0.01", 14, 2},
        {3, 5, "0.01", 27, -1}, {5, 1, "1.5", 2, 2}, {3, 2, "<none>", 0, -1}, {3, 6, "<none>", 0, -1},
    };
    for (const Case& c : cases)
    {
        CGXStyle style = w.StyleAt(c.nRow, c.nCol);
        EXPECT_STREQ(c.pszValue, w.ValueAt(c.nRow, c.nCol)) << c.nRow << "," << c.nCol;
        EXPECT_EQ(c.nFormat, style.GetInclude(CGXStyle::ibFormat) ? style.GetFormat() : 0u)
            << c.nRow << "," << c.nCol;
        EXPECT_EQ(c.nPlaces >= 0, style.GetInclude(CGXStyle::ibPlaces) != FALSE) << c.nRow << "," << c.nCol;
    }
    EXPECT_EQ((UINT)GX_VT_NUMBER, w.StyleAt(5, 1).GetValueType());
}

// A sheet with formulas keeps each read number exactly, with the format of its XF.
TEST_F(RecordTest, NumbersReadIntoAFormulaSheet)
{
    RecordGrid w(TRUE);
    CGXFormulaSheet* pSheet = w.g.GetFormulaSheet();
    ASSERT_TRUE(pSheet != NULL);
    Bytes cells = Record(0x27E, HexBytes("0000 0000 0100 0000F03F"))                       // A1 1.0, XF 1
                  + Record(0x27E, HexBytes("0100 0100 0000 FEFFFFFF"))                     // B2 -1, XF 0
                  + Record(0xBD, HexBytes("0200 0200 0100 0600 0000 0200 0700 0000 0300")) // C3-D3
                  + Record(0x203, HexBytes("0400 0000 0100 9CA223B9FC87B43F"))             // A5 0.0802
                  + Record(0x203, HexBytes("0500 0000 0000 66DE77832112DC42"))             // A6
                  + Record(0x203, HexBytes("0600 0000 0000 343333333333D33F"));            // A7
    ASSERT_EQ(0, ReadIntoGrid(&w.g, FourXFs() + cells));
    struct Case
    {
        ROWCOL nRow, nCol;
        double d;
        UINT nFormat;
    } cases[] = {
        {1, 1, 1, 2},         {2, 2, -1, 3},     {3, 3, 1, 2},
        {3, 4, 0.01, 14},     {5, 1, 0.0802, 2}, {6, 1, 123456789012345.6, 3},
        {7, 1, 0.1 + 0.2, 3},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.d, pSheet->GetNumberRowCol(c.nRow, c.nCol)) << c.nRow << "," << c.nCol;
        EXPECT_EQ((UINT)GX_VT_NUMBER, w.StyleAt(c.nRow, c.nCol).GetValueType()) << c.nRow << "," << c.nCol;
        unsigned nFormat = 0, nPlaces = 0;
        EXPECT_TRUE(pSheet->GetFormatRowCol(c.nRow, c.nCol, nFormat, nPlaces)) << c.nRow << "," << c.nCol;
        EXPECT_EQ(c.nFormat, nFormat) << c.nRow << "," << c.nCol;
    }
}

TEST_F(RecordTest, LabelsBlanksAndSharedStrings)
{
    RecordGrid w;
    Bytes sst = Record(0xFC, HexBytes("03000000 02000000 0300 00 616263 0200 01 4700FC00"));
    Bytes cells = Record(0x204, HexBytes("0000 0000 0100 0300 00 787978")) // A1 "xyx"
                  + Record(0x204, HexBytes("0000 0100 0000 0700 01 4700 7200 FC00 DF00 6500 2000 AC20")) // B1
                  + Record(0x204, HexBytes("0000 0200 0100 0000 00"))        // C1 empty, XF 1
                  + Record(0xFD, HexBytes("0100 0000 0000 01000000"))        // A2 string 1
                  + Record(0xFD, HexBytes("0100 0100 0100 00000100"))        // B2 string 65536
                  + Record(0xFD, HexBytes("0100 0200 0000 02000000"))        // C2 past the table
                  + Record(0x201, HexBytes("0200 0000 0200"))                // A3 blank, XF 2
                  + Record(0xBE, HexBytes("0200 0100 0100 0200 0300 0300")); // B3-D3
    ASSERT_EQ(0, ReadIntoGrid(&w.g, FourXFs() + sst + cells));
    struct Case
    {
        ROWCOL nRow, nCol;
        const char* pszValue;
        UINT nFormat;
    } cases[] = {
        {1, 1, "xyx", 2},
        {1, 2,
         "Gr\xFC\xDF"
         "e \x80",
         3},
        {1, 3, "<none>", 2},
        {2, 1, "G\xFC", 3},
        {2, 2, "<none>", 2},
        {2, 3, "<none>", 3},
        {3, 1, "<none>", 14},
        {3, 2, "<none>", 2},
        {3, 3, "<none>", 14},
        {3, 4, "<none>", 27},
        {3, 5, "<none>", 0},
    };
    for (const Case& c : cases)
    {
        CGXStyle style = w.StyleAt(c.nRow, c.nCol);
        EXPECT_STREQ(c.pszValue, w.ValueAt(c.nRow, c.nCol)) << c.nRow << "," << c.nCol;
        EXPECT_EQ(c.nFormat, style.GetInclude(CGXStyle::ibFormat) ? style.GetFormat() : 0u)
            << c.nRow << "," << c.nCol;
    }
}

// 0.75 in format 27 is a time of day in a formula sheet only.
TEST_F(RecordTest, NumberInTimeFormat)
{
    CString strText;
    ASSERT_TRUE(CGXExcelNumberHandler::FormatTimeOfDay(0.75, 27, strText));
    EXPECT_STREQ("18:00", strText);
    ASSERT_TRUE(CGXExcelNumberHandler::FormatTimeOfDay(0.5 + 90.0 / 86400, 26, strText));
    EXPECT_STREQ("12:01:30 PM", strText);
    EXPECT_FALSE(CGXExcelNumberHandler::FormatTimeOfDay(0.75, 2, strText));

    Bytes records = FourXFs() + Record(0x203, HexBytes("0000 0000 0300 000000000000E83F"));
    RecordGrid plain;
    ASSERT_EQ(0, ReadIntoGrid(&plain.g, records));
    EXPECT_STREQ("0.75", plain.ValueAt(1, 1));
    EXPECT_EQ((UINT)GX_VT_NUMBER, plain.StyleAt(1, 1).GetValueType());
    GXExGetTableMap()->ResetAll();
    RecordGrid formulas(TRUE);
    ASSERT_TRUE(formulas.g.GetFormulaSheet() != NULL);
    ASSERT_EQ(0, ReadIntoGrid(&formulas.g, records));
    EXPECT_STREQ("18:00", Shown(formulas.g, 1, 1));
}

// Damaged records: nothing applied for them, the next record read in step.
TEST_F(RecordTest, DamagedCellRecords)
{
    struct Case
    {
        const char* pszWhat;
        Bytes record;
        int nFailed;
        ROWCOL nRow, nCol;
        const char* pszValue;
    } cases[] = {
        {"LABEL longer than its record", Record(0x204, HexBytes("0000 0000 0000 0900 00 616263")), 1, 1, 1,
         "<none>"},
        {"16-bit LABEL cut", Record(0x204, HexBytes("0000 0000 0000 0200 01 6100")), 1, 1, 1, "<none>"},
        {"NUMBER cut", Record(0x203, HexBytes("0000 0000 0000 0000F03F")), 1, 1, 1, "<none>"},
        {"RK cut", Record(0x27E, HexBytes("0000 0000")), 1, 1, 1, "<none>"},
        {"LABELSST cut", Record(0xFD, HexBytes("0000 0000 0000 0000")), 1, 1, 1, "<none>"},
        {"MULRK claiming more columns", Record(0xBD, HexBytes("0000 0000 0000 0600 0000 0800")), 0, 1, 1,
         "1"},
        {"MULRK claiming more columns (past)", Record(0xBD, HexBytes("0000 0000 0000 0600 0000 0800")), 0, 1,
         2, "<none>"},
        {"MULRK without entries", Record(0xBD, HexBytes("0000 0000")), 1, 1, 1, "<none>"},
        {"MULBLANK cut", Record(0xBE, HexBytes("0000")), 1, 1, 1, "<none>"},
    };
    for (const Case& c : cases)
    {
        RecordGrid w;
        Bytes after = Record(0x27E, HexBytes("0100 0000 0000 0A000000")); // A2 2, read in step
        EXPECT_EQ(c.nFailed, ReadIntoGrid(&w.g, c.record + after)) << c.pszWhat;
        EXPECT_STREQ(c.pszValue, w.ValueAt(c.nRow, c.nCol)) << c.pszWhat;
        EXPECT_STREQ("2", w.ValueAt(2, 1)) << c.pszWhat;
    }
}

// The writer: LABEL, NUMBER and BLANK bytes for a small grid.
TEST_F(RecordTest, WritesCellRecords)
{
    RecordGrid w;
    w.g.SetValueRange(CGXCellRange(1, 1), "abc");
    w.g.SetStyleRange(CGXCellRange(1, 2), CGXStyle().SetNumberValue(3.5));
    w.g.SetStyleRange(CGXCellRange(2, 1), CGXStyle().SetFormat(2));
    w.g.SetStyleRange(CGXCellRange(2, 3), CGXStyle().SetValue(""));
    XFs().GetXFArray(0)->Add(1, 2, 17, NULL);
    int nCode = -1;
    Bytes bytes = WriteCells(&w.g, &nCode);
    EXPECT_EQ(0, nCode);
    Bytes expected = HexBytes("0402 0F00 0000 0000 0000 0300 01 6100 6200 6300"
                              "0302 0E00 0000 0100 1100 0000000000000C40"
                              "0102 0600 0100 0000 0000"
                              "0102 0600 0100 0200 0000");
    EXPECT_EQ(expected, bytes);
}

// Before anything is written: cells past the workbook's limits, long texts, wrong targets.
TEST_F(RecordTest, RefusesWhatAWorkbookCannotHold)
{
    struct Case
    {
        const char* pszWhat;
        ROWCOL nRow, nCol;
        int nChars; // 0: a number
        DWORD nKind;
        int nCode;
    } cases[] = {
        {"last row", 65536, 1, 0, 1, 0},          {"row 65,537", 65537, 1, 0, 1, 15},
        {"column 256", 1, 256, 0, 1, 0},          {"column 257", 1, 257, 0, 1, 15},
        {"32,763 characters", 1, 1, 32763, 1, 0}, {"32,764 characters", 1, 1, 32764, 1, 15},
        {"no grid target", 1, 1, 0, 0, 15},
    };
    for (const Case& c : cases)
    {
        RecordGrid w;
        w.g.SetRowCount(c.nRow, GX_NOREDRAW);
        w.g.SetColCount(c.nCol, GX_NOREDRAW);
        if (c.nChars > 0)
            w.g.SetValueRange(CGXCellRange(c.nRow, c.nCol), CString('x', c.nChars));
        else
            w.g.SetStyleRange(CGXCellRange(c.nRow, c.nCol), CGXStyle().SetNumberValue(1));
        int nCode = -1;
        Bytes bytes = WriteCells(&w.g, &nCode, c.nKind);
        EXPECT_EQ(c.nCode, nCode) << c.pszWhat;
        EXPECT_EQ(c.nCode != 0, bytes.empty()) << c.pszWhat;
        if (c.nChars > 0 && c.nCode == 0)
        {
            ASSERT_EQ(13u + 2 * c.nChars, bytes.size());
            EXPECT_EQ(0xFF, bytes[3]); // body length 65,535
            EXPECT_EQ((BYTE)c.nChars, bytes[10]);
        }
    }
    int nCode = 0;
    WriteCells(NULL, &nCode);
    EXPECT_EQ(10, nCode);
}

// A formula sheet's numbers are written exactly, not as their rounded texts.
TEST_F(RecordTest, FormulaSheetNumbersWrittenExactly)
{
    RecordGrid w(TRUE);
    ASSERT_TRUE(w.g.GetFormulaSheet() != NULL);
    w.g.SetValueRange(CGXCellRange(1, 1), "0.33333333333333331483");
    w.g.SetValueRange(CGXCellRange(1, 2), "-0.000123456789012345");
    w.g.SetValueRange(CGXCellRange(2, 1), "abc");
    Bytes bytes = WriteCells(&w.g);
    const double expected[] = {1.0 / 3, -0.000123456789012345};
    ASSERT_GE(bytes.size(), 2 * 18u);
    for (int i = 0; i < 2; i++)
    {
        const BYTE* p = bytes.data() + 18 * i;
        EXPECT_EQ(HexBytes("0302 0E00"), Bytes(p, p + 4)) << i;
        EXPECT_EQ(i, p[6]) << i;
        double d;
        memcpy(&d, p + 10, 8);
        EXPECT_EQ(expected[i], d) << i;
    }
    EXPECT_EQ(HexBytes("0402 0F00 0100 0000 0000 0300 01 6100 6200 6300"),
              Bytes(bytes.begin() + 36, bytes.end()));
}
