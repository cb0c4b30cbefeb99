// The font and palette tables against hand-written FONT and PALETTE records.
#include "ExcelTestApp.h"
#include "TableTestSupport.h"
#include "grid/core/GridParam.h"
#include "grid/core/StylesMap.h"
#include "grid/core/SysColorTable.h"
#include "grid/excel/ExcelColorTable.h"
#include "grid/excel/ExcelFontTable.h"
#include <gtest/gtest.h>
#include <memory>

namespace
{
// The PALETTE record this program writes: the default palette, without the entries whose colour
// comes again later in the palette (4-8, 10, 12, 13, 17, 19).
const char* kWrittenPalette = "9200 e200 3800"
                              "00000000 ffffff00 ff000000 00ff0000 00000000 00000000 00000000 00000000"
                              "00000000 00800000 00000000 80800000 00000000 00000000 c0c0c000 80808000"
                              "9999ff00 00000000 ffffcc00 00000000 66006600 ff808000 0066cc00 ccccff00"
                              "00008000 ff00ff00 ffff0000 00ffff00 80008000 80000000 00808000 0000ff00"
                              "00ccff00 ccffff00 ccffcc00 ffff9900 99ccff00 ff99cc00 cc99ff00 e3e3e300"
                              "3366ff00 33cccc00 99cc0000 ffcc0000 ff990000 ff660000 66669900 96969600"
                              "00336600 33996600 00330000 33330000 99330000 99336600 33339900 33333300";
} // namespace

TEST_F(TableTest, PaletteColoursComeFromTheRecordThenTheDefaults)
{
    EXPECT_EQ(RGB(0xFF, 0, 0), Colors().GetColor(2, 0));
    EXPECT_EQ(RGB(0x33, 0x33, 0x33), Colors().GetColor(55, 0));
    ReadRecords(Colors(), Record(0x92, HexBytes("0200 01020300 0a0b0c00")));
    EXPECT_EQ(1u, Colors().GetCount());
    EXPECT_EQ(RGB(1, 2, 3), Colors().GetColor(0, 0));
    EXPECT_EQ(RGB(10, 11, 12), Colors().GetColor(1, 0));
    EXPECT_EQ(RGB(0xFF, 0, 0), Colors().GetColor(2, 0));
    EXPECT_EQ(RGB(7, 8, 9), Colors().GetColor(56, RGB(7, 8, 9)));
    EXPECT_EQ(GXGetSysColorTable()->GetColor(COLOR_WINDOW), Colors().GetColor(63, (COLORREF)-1));
    CGXStyle* pStyle = NULL;
    EXPECT_FALSE(Colors().ApplyToStyle(0, pStyle));
    EXPECT_EQ(nullptr, pStyle);
    // BIFF colour indexes: 0-7 the first entries, 8-63 the entry 8 lower.
    EXPECT_EQ(RGB(10, 11, 12), CGXExcelColorTable::ColorOfIndex(1, 0));
    EXPECT_EQ(RGB(10, 11, 12), CGXExcelColorTable::ColorOfIndex(9, 0));
    EXPECT_EQ(RGB(0x80, 0x80, 0x80), CGXExcelColorTable::ColorOfIndex(23, 0));

    // A record cut inside its second colour keeps the first.
    Colors().ResetTable();
    ReadRecords(Colors(), Record(0x92, HexBytes("0300 04050600 0708")));
    EXPECT_EQ(RGB(4, 5, 6), Colors().GetColor(0, 0));
    EXPECT_EQ(RGB(255, 255, 255), Colors().GetColor(1, 0));
}

TEST_F(TableTest, WritingThePaletteNumbersTheDefaultColours)
{
    Sheet sheet;
    CGXGridParam* params[1] = {&sheet.param};
    TestStream s;
    DWORD nTotal = 10;
    Colors().SetWriteMode(CGXExcelColorTable::modeSeedDefaults);
    Colors().WriteRecords(s, &nTotal, params, 1);
    EXPECT_EQ(10u, nTotal);
    struct Case
    {
        COLORREF cr;
        int nIndex;
    };
    const Case cases[] = {
        {RGB(0, 0, 0), 0},           {RGB(255, 255, 255), 9},     {RGB(0, 0, 255), 39},
        {RGB(255, 255, 0), 34},      {RGB(0, 255, 255), 35},      {RGB(0x99, 0x33, 0x66), 61},
        {RGB(0xCC, 0xFF, 0xFF), 41}, {RGB(250, 2, 1), 10},        {RGB(3, 3, 3), 0},
        {RGB(0xE0, 0xE0, 0xE0), 47}, {RGB(0x30, 0x30, 0x30), 63},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nIndex, Colors().FindColorIndex(c.cr)) << std::hex << c.cr;
    EXPECT_EQ(3u, Colors().GetWriteMode() | 2);

    Colors().SetWriteMode(CGXExcelColorTable::modeWriteRecord);
    Colors().WriteRecords(s, &nTotal, params, 1);
    EXPECT_EQ(240u, nTotal);
    EXPECT_EQ(HexBytes(kWrittenPalette), StreamBytes(s));
    // The map is emptied with the record.
    EXPECT_EQ(-1, Colors().FindColorIndex(0));
    Colors().SetWriteMode(3);
}

TEST_F(TableTest, WritingWithoutParametersOrStylesMapIsRefused)
{
    CGXGridParam bare;
    CGXGridParam* none[1] = {NULL};
    CGXGridParam* noStyles[1] = {&bare};
    struct Case
    {
        CGXExcelTable* pTable;
        CGXGridParam** ppParams;
        int nCode;
    };
    const Case cases[] = {
        {&Colors(), NULL, 11}, {&Colors(), none, 11}, {&Colors(), noStyles, 13},
        {&Fonts(), NULL, 11},  {&Fonts(), none, 11},  {&Fonts(), noStyles, 13},
    };
    for (const Case& c : cases)
    {
        TestStream s;
        DWORD nTotal = 0;
        int nCode = 0;
        try
        {
            c.pTable->WriteRecords(s, &nTotal, c.ppParams, 1);
        }
        catch (egxExcelRWFlags e)
        {
            nCode = e;
        }
        EXPECT_EQ(c.nCode, nCode);
        EXPECT_EQ(0u, nTotal);
    }
}

TEST_F(TableTest, FontRecordsApplyByIndex)
{
    // Arial 10 pt italic red (index 10), Times 12 pt bold struck-out underlined automatic colour
    // in 16-bit characters, and a record cut short in its name.
    Bytes bytes =
        Record(0x31,
               HexBytes("c800 0200 0a00 9001 0000 00 22 00 00 05 00") + Bytes{'A', 'r', 'i', 'a', 'l'}) +
        Record(0x31, HexBytes("f000 0800 ff7f bc02 0000 01 12 00 00 05 01 5400 6900 6d00 6500 7300")) +
        Record(0x31, HexBytes("a000 0000 0200 9001 0000 00 00 00 00 04 00 4d53"));
    ReadRecords(Fonts(), bytes);
    ASSERT_EQ(3u, Fonts().GetCount());

    CGXStyle* pStyle = NULL;
    ASSERT_TRUE(Fonts().ApplyToStyle(0, pStyle));
    std::unique_ptr<CGXStyle> own(pStyle);
    CGXFont font;
    pStyle->GetFont(font);
    EXPECT_EQ(10.0, font.GetSize());
    EXPECT_TRUE(font.GetItalic());
    EXPECT_FALSE(font.GetStrikeOut());
    EXPECT_EQ(400, font.GetWeight());
    EXPECT_STREQ("Arial", font.GetFaceName());
    EXPECT_EQ(RGB(255, 0, 0), pStyle->GetTextColor());

    CGXStyle second;
    CGXStyle* pSecond = &second;
    ASSERT_TRUE(Fonts().ApplyToStyle(1, pSecond));
    second.GetFont(font);
    EXPECT_EQ(12.0, font.GetSize());
    EXPECT_FALSE(font.GetItalic());
    EXPECT_TRUE(font.GetStrikeOut());
    EXPECT_TRUE(font.GetUnderline());
    EXPECT_EQ(700, font.GetWeight());
    EXPECT_STREQ("Times", font.GetFaceName());
    EXPECT_EQ(GXGetSysColorTable()->GetColor(COLOR_WINDOWTEXT), second.GetTextColor());

    // The cut record keeps its fixed fields: 8 pt, colour index 2 (the palette's red).
    CGXStyle third;
    CGXStyle* pThird = &third;
    ASSERT_TRUE(Fonts().ApplyToStyle(2, pThird));
    third.GetFont(font);
    EXPECT_EQ(8.0, font.GetSize());
    EXPECT_EQ(RGB(255, 0, 0), third.GetTextColor());

    CGXStyle* pNone = NULL;
    EXPECT_FALSE(Fonts().ApplyToStyle(3, pNone));
    EXPECT_EQ(nullptr, pNone);
}

TEST_F(TableTest, LongFaceNamesAreCutTo31Characters)
{
    std::string name = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij"; // 36 characters
    Bytes body = HexBytes("c800 0000 ff7f 9001 0000 00 00 00 00 24 00");
    body.insert(body.end(), name.begin(), name.end());
    ReadRecords(Fonts(), Record(0x31, body));
    CGXStyle style;
    CGXStyle* pStyle = &style;
    ASSERT_TRUE(Fonts().ApplyToStyle(0, pStyle));
    CGXFont font;
    style.GetFont(font);
    EXPECT_EQ(name.substr(0, 31), std::string(font.GetLogFont().lfFaceName));
}

TEST_F(TableTest, WritingFontsNumbersThemWithoutIndex4)
{
    Sheet sheet;
    CGXStyle& standard = sheet.Standard();
    standard.MergeFont(CGXFont().SetFaceName("Arial").SetSize(10).SetWeight(FW_NORMAL), gxOverride);
    standard.SetTextColor(RGB(0, 0, 0));
    // A base style in bold, a cell in italic red, a row style equal to the Standard style.
    CGXStyle bold;
    bold.MergeFont(CGXFont().SetWeight(FW_BOLD), gxOverride);
    sheet.pStyles->RegisterStyle("Fett", bold);
    CGXStyle cell;
    cell.MergeFont(CGXFont().SetItalic(TRUE).SetSize(12.5), gxOverride);
    cell.SetTextColor(RGB(255, 0, 0));
    sheet.pData->StoreStyleRowCol(2, 3, &cell, gxOverride, 0);
    CGXStyle row;
    row.SetHorizontalAlignment(DT_RIGHT);
    sheet.pData->StoreStyleRowCol(4, 0, &row, gxOverride, -1);

    CGXGridParam* params[1] = {&sheet.param};
    Colors().SetWriteMode(CGXExcelColorTable::modeSeedDefaults);
    TestStream palette;
    DWORD nTotal = 0;
    Colors().WriteRecords(palette, &nTotal, params, 1);
    TestStream s;
    nTotal = 0;
    Fonts().WriteRecords(s, &nTotal, params, 1);

    const LOGFONT& lf = CGXFont(standard.GetFontPtr() ? *standard.GetFontPtr() : CGXFont()).GetLogFont();
    Bytes arial = HexBytes("3100 1a00 c800 0000 ff7f 9001 0000 00") +
                  Bytes{lf.lfPitchAndFamily, lf.lfCharSet} + HexBytes("00 05 01 4100 7200 6900 6100 6c00");
    Bytes arialBold = HexBytes("3100 1a00 c800 0000 ff7f bc02 0000 00") +
                      Bytes{lf.lfPitchAndFamily, lf.lfCharSet} +
                      HexBytes("00 05 01 4100 7200 6900 6100 6c00");
    // 12.5 points are written as 12; red is palette entry 2, colour index 10.
    Bytes arialItalicRed = HexBytes("3100 1a00 f000 0200 0a00 9001 0000 00") +
                           Bytes{lf.lfPitchAndFamily, lf.lfCharSet} +
                           HexBytes("00 05 01 4100 7200 6900 6100 6c00");
    // Row and column styles come before the cells. The row style's font is the Standard
    // style's, but of this sheet: a record of its own.
    Bytes expected = arial + arial + arial + arial + arial + arialBold + arial + arialItalicRed;
    EXPECT_EQ(expected, StreamBytes(s));
    EXPECT_EQ(expected.size(), nTotal);

    EXPECT_EQ(0u, Fonts().GetFontIndex(CGXExcelFontIndex(standard, 0xFFFF)));
    CGXStyle boldDone(bold);
    boldDone.MergeStyle(standard, gxApplyNew);
    EXPECT_EQ(6u, Fonts().GetFontIndex(CGXExcelFontIndex(boldDone, 0xFFFF)));
    CGXStyle cellDone(cell);
    cellDone.MergeStyle(standard, gxApplyNew);
    EXPECT_EQ(8u, Fonts().GetFontIndex(CGXExcelFontIndex(cellDone, 0)));
    CGXStyle rowDone(row);
    rowDone.MergeStyle(standard, gxApplyNew);
    EXPECT_EQ(7u, Fonts().GetFontIndex(CGXExcelFontIndex(rowDone, 0)));
    EXPECT_FALSE(Fonts().HasFontIndex(CGXExcelFontIndex(cellDone, 1)));
}

TEST_F(TableTest, AFontWithoutFaceNameWritesNothing)
{
    CGXStyle style;
    style.SetTextColor(RGB(0, 0, 0));
    BYTE buffer[CGXExcelFontTable::recordBufferSize] = {};
    EXPECT_EQ(0u, Fonts().BuildFontRecord(CGXFont().SetSize(10), buffer, style));
    EXPECT_EQ(0, buffer[0]);
}

TEST_F(TableTest, CollectedColoursTakeTheNextFreeIndexOnce)
{
    CGXStyle style;
    style.SetTextColor(RGB(1, 2, 3));
    style.SetInterior(CGXCellBrush(0, RGB(4, 5, 6)).SetColor(RGB(1, 2, 3)));
    style.SetBorder(CGXStyle::sideTop, CGXCellPen(0, 1, RGB(7, 8, 9)));
    style.SetBorder(CGXStyle::sideRight, CGXCellPen(0, 1, RGB(10, 11, 12)));
    CPtrArray styles;
    styles.Add(NULL);
    styles.Add(&style);
    int nNext = 0;
    Colors().CollectStyleColors(styles, nNext);
    // Text, interior colour (the same), background, top, right.
    EXPECT_EQ(4, nNext);
    EXPECT_EQ(0, Colors().FindColorIndex(RGB(1, 2, 3)));
    EXPECT_EQ(9, Colors().FindColorIndex(RGB(4, 5, 6)));
    EXPECT_EQ(10, Colors().FindColorIndex(RGB(7, 8, 9)));
    EXPECT_EQ(11, Colors().FindColorIndex(RGB(10, 11, 12)));
    // The palette holds 56 entries: nothing goes beyond.
    nNext = 56;
    Colors().AddColor(RGB(200, 0, 0), nNext);
    EXPECT_EQ(56, nNext);
    EXPECT_EQ(11, Colors().FindColorIndex(RGB(200, 0, 0)));
}
