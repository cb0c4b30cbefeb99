// Row, column and sheet-layout records read into real grids and written from them, against
// hand-written bytes.
#include "RecordTestSupport.h"
#include "grid/core/FontFaceTable.h"
#include "grid/excel/ExcelBOFHandler.h"
#include "grid/excel/ExcelMergedCellsHandler.h"
#include <gtest/gtest.h>

namespace
{
// Writes one record type of a grid and answers the bytes; nCode receives a raised code.
Bytes WriteOf(WORD nType, CGXGridCore* pGrid, DWORD nSheet = 0, int* pCode = NULL, DWORD nKind = 1)
{
    TestStream stream;
    DWORD nTotal = 0;
    int nCode = 0;
    try
    {
        GXExGetHandlerMap()->Lookup(nType)->WriteRecord(stream, CGXExcelHandler::gxexpointer(nKind, pGrid),
                                                        &nTotal, nSheet);
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

Bytes Word(DWORD n)
{
    return Bytes{(BYTE)n, (BYTE)(n >> 8)};
}
} // namespace

TEST_F(RecordTest, DimensionsSizeTheGrid)
{
    struct Case
    {
        const char* pszBody;
        ROWCOL nRows, nCols;
    } cases[] = {
        {"00000000 DCFF0000 0000 6400 0000", 65535, 110}, // 65,500 rows, 100 columns
        {"00000000 0A000000 0000 0001 0000", 110, 257},   // 256 columns
        {"00000000 FFFFFFFF 0000 0300 0000", 65535, 13},  // an absurd row count
    };
    for (const Case& c : cases)
    {
        RecordGrid w;
        ASSERT_EQ(0, ReadIntoGrid(&w.g, Record(0x200, HexBytes(c.pszBody)))) << c.pszBody;
        EXPECT_EQ(c.nRows, w.g.GetRowCount()) << c.pszBody;
        EXPECT_EQ(c.nCols, w.g.GetColCount()) << c.pszBody;
    }
    // Written: the grid's counts, in clipboard mode too.
    RecordGrid w;
    EXPECT_EQ(HexBytes("0002 0E00 00000000 14000000 0000 0A00 0000"), WriteOf(0x200, &w.g));
    GXExSetClipboardMode(1);
    EXPECT_EQ(HexBytes("0002 0E00 00000000 14000000 0000 0A00 0000"), WriteOf(0x200, &w.g));
    GXExSetClipboardMode(0);
    int nCode = 0;
    WriteOf(0x200, &w.g, 0, &nCode, 0);
    EXPECT_EQ(15, nCode);
}

TEST_F(RecordTest, RowsAndColumnsTakeSizesStylesAndHiding)
{
    RecordGrid w;
    w.g.SetRowHeight(4, 4, 33, NULL, GX_NOREDRAW);
    w.g.SetStyleRange(CGXCellRange().SetRows(4, 4), CGXStyle().SetFormat(14), gxOverride, 0);
    int nDpi = GXGetFontFaceTable()->GetVertResolution();
    int nChar = w.g.GetCharWidth();
    Bytes records = FormatXF(0) + FormatXF(2) +
                    Record(0x208, HexBytes("0200 0000 0100 2C01 00000000 8001 0100")) + // row 3, XF 1
                    Record(0x208, HexBytes("0300 0000 0100 2C01 00000000 0000 0100")) + // row 4: height only
                    Record(0x7D, HexBytes("0100 0200 000A 0100 0000 00")) +             // B:C, XF 1
                    Record(0x7D, HexBytes("0400 0400 0005 0000 0100 00"));              // E hidden
    ASSERT_EQ(0, ReadIntoGrid(&w.g, records));
    EXPECT_EQ(::MulDiv(300, nDpi, 1440), w.g.GetRowHeight(3));
    EXPECT_EQ(::MulDiv(300, nDpi, 1440), w.g.GetRowHeight(4));
    CGXStyle rowStyle;
    w.g.GetStyleRowCol(3, 0, rowStyle, gxCopy, -1);
    EXPECT_EQ(2u, rowStyle.GetFormat());
    CGXStyle keptStyle;
    w.g.GetStyleRowCol(4, 0, keptStyle, gxCopy, -1);
    EXPECT_EQ(14u, keptStyle.GetFormat());
    EXPECT_EQ(::MulDiv(2560, nChar, 256), w.g.GetColWidth(2));
    EXPECT_EQ(::MulDiv(2560, nChar, 256), w.g.GetColWidth(3));
    CGXStyle colStyle;
    w.g.GetStyleRowCol(0, 3, colStyle, gxCopy, -1);
    EXPECT_EQ(2u, colStyle.GetFormat());
    EXPECT_TRUE(w.g.IsColHidden(5));
    EXPECT_FALSE(w.g.IsColHidden(4));
    EXPECT_EQ(1, ReadIntoGrid(&w.g, Record(0x208, HexBytes("0500 0000 0100 2C01 0000"))));
    EXPECT_EQ(1, ReadIntoGrid(&w.g, Record(0x7D, HexBytes("0500 0500"))));
}

TEST_F(RecordTest, WritesRowsAndColumns)
{
    RecordGrid w;
    int nDpi = GXGetFontFaceTable()->GetVertResolution();
    int nChar = w.g.GetCharWidth();
    w.g.SetRowHeight(2, 2, 0, NULL, GX_NOREDRAW);
    w.g.SetRowHeight(3, 3, 20, NULL, GX_NOREDRAW);
    XFs().GetXFArray(0)->Add(3, 0, 18, NULL);
    XFs().GetXFArray(0)->Add(5, 0, 19, NULL);
    Bytes rows = WriteOf(0x208, &w.g);
    DWORD nTwips = 20 * 1440 / nDpi, nDefaultTwips = w.g.GetDefaultRowHeight() * 1440 / nDpi;
    Bytes expected = HexBytes("0802 1000 0100 0000 0100 0000 0000 0000 2000 0000") +
                     HexBytes("0802 1000 0200 0000 0100") + Word(nTwips) + HexBytes("0000 0000 C001 1200") +
                     HexBytes("0802 1000 0400 0000 0100") + Word(nDefaultTwips) +
                     HexBytes("0000 0000 C001 1300");
    EXPECT_EQ(expected, rows);

    w.g.SetColWidth(2, 2, 70, NULL, GX_NOREDRAW);
    w.g.HideCols(4, 4, TRUE, NULL, GX_NOREDRAW);
    XFs().GetXFArray(1)->Add(0, 6, 20, NULL);
    Bytes cols = WriteOf(0x7D, &w.g, 1);
    DWORD nWidth = 70 * 256 / nChar, nDefaultWidth = w.g.GetDefaultColWidth() * 256 / nChar;
    expected = HexBytes("7D00 0B00 0100 0100") + Word(nWidth) + HexBytes("0000 0000 00") +
               HexBytes("7D00 0B00 0300 0300 0000 0000 0100 00") + HexBytes("7D00 0B00 0500 0500") +
               Word(nDefaultWidth) + HexBytes("1400 0000 00");
    EXPECT_EQ(expected, cols);
    // Only a grid target has rows and columns to write.
    int nCode = 0;
    EXPECT_TRUE(WriteOf(0x7D, &w.g, 0, &nCode, 0).empty());
    EXPECT_EQ(15, nCode);
    EXPECT_TRUE(WriteOf(0x208, NULL, 0, &nCode).empty());
    EXPECT_EQ(10, nCode);
}

TEST_F(RecordTest, Window2ShowsAndHides)
{
    RecordGrid w;
    // Formulas shown, no grid lines, no headers, scrolled to row 6, column 3.
    ASSERT_EQ(0, ReadIntoGrid(&w.g, Record(0x23E, HexBytes("B100 0500 0200 40000000 0000 0000 00000000"))));
    EXPECT_EQ(6u, w.g.GetTopRow());
    EXPECT_EQ(3u, w.g.GetLeftCol());
    EXPECT_TRUE(w.g.IsRowHidden(0));
    EXPECT_TRUE(w.g.IsColHidden(0));
    CGXProperties* pProps = w.g.GetParam()->GetProperties();
    EXPECT_FALSE(pProps->m_abFlags[CGXProperties::flagVertLines]);
    EXPECT_FALSE(pProps->m_abFlags[CGXProperties::flagHorzLines]);
    EXPECT_NE(0, w.g.GetParam()->m_wDisplayFlags);
    // Written back for a second sheet: headers hidden, no lines, not selected.
    EXPECT_EQ(HexBytes("3E02 1200 1000 0000 0000 40000000 0000 0000 00000000"), WriteOf(0x23E, &w.g, 1));
    // Grid lines and headers again; the first sheet is the selected one. A 10-byte record reads.
    ASSERT_EQ(0, ReadIntoGrid(&w.g, Record(0x23E, HexBytes("B600 0000 0000 40000000"))));
    EXPECT_FALSE(w.g.IsRowHidden(0));
    EXPECT_EQ(0, w.g.GetParam()->m_wDisplayFlags);
    EXPECT_EQ(HexBytes("3E02 1200 1602 0000 0000 40000000 0000 0000 00000000"), WriteOf(0x23E, &w.g, 0));
    EXPECT_EQ(1, ReadIntoGrid(&w.g, Record(0x23E, HexBytes("B600 00"))));
}

TEST_F(RecordTest, MergedCellsBecomeCoveredCells)
{
    RecordGrid w;
    Bytes records = Record(0xE5, HexBytes("0200 0000 0100 0000 0200 0400 0400 0100 0300")) + // A1:C2, B5:D5
                    Record(0xE5, HexBytes("0000")) +                                         // none
                    Record(0xE5, HexBytes("0300 0700 0800 0000 0100"));                      // cut off
    EXPECT_EQ(1, ReadIntoGrid(&w.g, records));
    CGXCellRange range;
    ASSERT_TRUE(w.g.GetCoveredCellsRowCol(2, 3, range) != NULL);
    EXPECT_EQ(CGXCellRange(1, 1, 2, 3), range);
    ASSERT_TRUE(w.g.GetCoveredCellsRowCol(5, 4, range) != NULL);
    EXPECT_EQ(CGXCellRange(5, 2, 5, 4), range);
    EXPECT_TRUE(w.g.GetCoveredCellsRowCol(8, 1, range) == NULL);
    EXPECT_EQ(HexBytes("E500 1200 0200 0000 0100 0000 0200 0400 0400 0100 0300"), WriteOf(0xE5, &w.g));

    // No covered cells, no record; more than one record holds are split.
    RecordGrid empty;
    EXPECT_TRUE(WriteOf(0xE5, &empty.g).empty());
    RecordGrid many;
    many.g.SetRowCount(2100, GX_NOREDRAW);
    for (ROWCOL r = 1; r <= 2060; r += 2)
        many.g.SetCoveredCellsRowCol(r, 1, r + 1, 1, GX_NOREDRAW);
    Bytes bytes = WriteOf(0xE5, &many.g);
    const size_t nFirst = 4 + 2 + 8 * CGXExcelMergedCellsHandler::MAX_RANGES;
    ASSERT_EQ(nFirst + 4 + 2 + 8 * 3, bytes.size());
    EXPECT_EQ(HexBytes("E500 1A20 0304"), Bytes(bytes.begin(), bytes.begin() + 6));
    EXPECT_EQ(HexBytes("E500 1A00 0300 0608"), Bytes(bytes.begin() + nFirst, bytes.begin() + nFirst + 8));
}

TEST_F(RecordTest, BofWrittenForGlobalsAndSheets)
{
    RecordGrid w;
    EXPECT_EQ(HexBytes("0908 1000 0006 1000 BB0D CC07 01000000 00060000"), WriteOf(0x809, &w.g));
    EXPECT_EQ(HexBytes("0908 1000 0006 0500 BB0D CC07 01000000 00060000"), WriteOf(0x809, NULL, 0, NULL, 0));
    // Reading keeps the substream type and applies nothing.
    ASSERT_EQ(0, ReadIntoGrid(&w.g, Record(0x809, HexBytes("0006 2000 BB0D CC07 01000000 00060000"))));
    EXPECT_EQ(0x20, static_cast<CGXExcelBOFHandler*>(GXExGetHandlerMap()->Lookup(0x809))->m_nType);
}

// What the handlers write, they read back into a fresh grid.
TEST_F(RecordTest, WrittenRecordsReadBackEqual)
{
    RecordGrid source;
    source.g.SetValueRange(CGXCellRange(1, 1), "Gr\xFC\xDF\x65 \x80");
    source.g.SetStyleRange(CGXCellRange(2, 3), CGXStyle().SetNumberValue(-0.000123456789012345));
    source.g.SetStyleRange(CGXCellRange(4, 2), CGXStyle().SetNumberValue(9007199254740992.0));
    source.g.SetRowHeight(3, 3, 31, NULL, GX_NOREDRAW);
    source.g.SetColWidth(2, 2, 90, NULL, GX_NOREDRAW);
    source.g.HideCols(5, 5, TRUE, NULL, GX_NOREDRAW);
    source.g.SetCoveredCellsRowCol(6, 1, 7, 3, GX_NOREDRAW);
    Bytes bytes;
    for (WORD nType : {0x200, 0x208, 0x7D, 0x27E, 0xE5})
        bytes = bytes + WriteOf(nType, &source.g);

    RecordGrid copy;
    ASSERT_EQ(0, ReadIntoGrid(&copy.g, bytes));
    EXPECT_EQ(120u, copy.g.GetRowCount());
    EXPECT_EQ(20u, copy.g.GetColCount());
    for (ROWCOL r = 1; r <= 7; r++)
        for (ROWCOL c = 1; c <= 5; c++)
            EXPECT_STREQ(source.ValueAt(r, c), copy.ValueAt(r, c)) << r << "," << c;
    EXPECT_NEAR(31, copy.g.GetRowHeight(3), 1);
    EXPECT_NEAR(90, copy.g.GetColWidth(2), 1);
    EXPECT_TRUE(copy.g.IsColHidden(5));
    CGXCellRange range;
    ASSERT_TRUE(copy.g.GetCoveredCellsRowCol(7, 2, range) != NULL);
    EXPECT_EQ(CGXCellRange(6, 1, 7, 3), range);
}
