// The XF and STYLE tables against hand-written XF and STYLE records.
#include "TableTestSupport.h"
#include "grid/core/SysColorTable.h"
#include "tests/grid/GridTestWindow.h"
#include <gtest/gtest.h>
#include <memory>

namespace
{
// FONT records of 8, 9, 10, 11 and 12 points, all "A".
Bytes FiveFonts()
{
    Bytes bytes;
    const char* heights[5] = {"a000", "b400", "c800", "dc00", "f000"};
    for (const char* h : heights)
        bytes = bytes + Record(0x31, HexBytes(h) + HexBytes("0000 ff7f 9001 0000 00 00 00 00 01 00 41"));
    return bytes;
}

double FontSize(const CGXStyle& style)
{
    CGXFont font;
    style.GetFont(font);
    return font.GetSize();
}

LONG Orientation(const CGXStyle& style)
{
    CGXFont font;
    style.GetFont(font);
    return font.GetOrientation();
}

// A style XF that sets nothing but the fill (white) and that the STYLE records can point to.
const char* kPlainStyleXF = "0000 0000 f4ff 00 00 00 00 0000 0000 00000000 0920";

std::string AnsiOf(const wchar_t* psz)
{
    char buf[64] = {};
    ::WideCharToMultiByte(CP_ACP, 0, psz, -1, buf, sizeof(buf) - 1, NULL, NULL);
    return buf;
}
} // namespace

TEST_F(TableTest, CellXFsApplyWhatTheirUsedBitsSay)
{
    ReadRecords(Fonts(), FiveFonts());
    // Font 5 (the fifth record), right aligned with wrap and centred vertically, 45 degrees,
    // left border dash-dot-dot in red (10), bottom border medium in blue (12), solid yellow (13).
    ReadRecords(XFs(), Record(0xE0, HexBytes("0500 0000 0000 1b 2d 00 78 0b20 0a00 00060004 0d20")));
    // No font bit (font 3 unused), rotated 45 degrees clockwise, borders given without their
    // bit, pattern 3 in red (10) on automatic (64), parent 0xFFF.
    ReadRecords(XFs(), Record(0xE0, HexBytes("0300 0000 f0ff 00 87 00 40 0100 4000 0000000c 4005")));
    // Font 3 with its bit.
    ReadRecords(XFs(), Record(0xE0, HexBytes("0300 0000 0000 00 00 00 08 0000 0000 00000000 0000")));
    ASSERT_EQ(3u, XFs().GetCount());

    CGXStyle* pStyle = NULL;
    ASSERT_TRUE(XFs().ApplyToStyle(0, pStyle));
    std::unique_ptr<CGXStyle> first(pStyle);
    EXPECT_EQ(12.0, FontSize(*first));
    EXPECT_EQ((DWORD)DT_RIGHT, first->GetHorizontalAlignment());
    EXPECT_EQ((DWORD)DT_VCENTER, first->GetVerticalAlignment());
    EXPECT_TRUE(first->GetWrapText());
    EXPECT_EQ(450, Orientation(*first));
    EXPECT_EQ(RGB(255, 255, 0), first->GetInterior().GetBackColor());
    ASSERT_TRUE(first->HasBorder(CGXStyle::sideLeft));
    EXPECT_EQ(4u, first->GetBorder(CGXStyle::sideLeft).GetStyle());
    EXPECT_EQ(1u, first->GetBorder(CGXStyle::sideLeft).GetWidth());
    EXPECT_EQ(RGB(255, 0, 0), first->GetBorder(CGXStyle::sideLeft).GetColor());
    ASSERT_TRUE(first->HasBorder(CGXStyle::sideBottom));
    EXPECT_EQ(0u, first->GetBorder(CGXStyle::sideBottom).GetStyle());
    EXPECT_EQ(2u, first->GetBorder(CGXStyle::sideBottom).GetWidth());
    EXPECT_EQ(RGB(0, 0, 255), first->GetBorder(CGXStyle::sideBottom).GetColor());
    EXPECT_FALSE(first->HasBorder(CGXStyle::sideTop));
    EXPECT_FALSE(first->HasBorder(CGXStyle::sideRight));

    CGXStyle second;
    CGXStyle* pSecond = &second;
    ASSERT_TRUE(XFs().ApplyToStyle(1, pSecond));
    EXPECT_FALSE(second.GetInclude(CGXStyle::ibHorzAlign));
    EXPECT_EQ((DWORD)DT_TOP, second.GetVerticalAlignment());
    EXPECT_EQ(3150, Orientation(second));
    EXPECT_FALSE(second.GetInclude(CGXStyle::ibBorders));
    EXPECT_FALSE(second.GetInclude(CGXStyle::ibBaseStyle));
    EXPECT_EQ(3u, second.GetInterior().GetStyle());
    EXPECT_EQ(1u, second.GetInterior().GetPattern());
    EXPECT_EQ(RGB(255, 0, 0), second.GetInterior().GetColor());
    EXPECT_EQ(GXGetSysColorTable()->GetColor(COLOR_WINDOW), second.GetInterior().GetBackColor());

    CGXStyle third;
    CGXStyle* pThird = &third;
    ASSERT_TRUE(XFs().ApplyToStyle(2, pThird));
    EXPECT_EQ(11.0, FontSize(third));
    EXPECT_FALSE(third.GetInclude(CGXStyle::ibInterior));

    CGXStyle* pNone = NULL;
    EXPECT_FALSE(XFs().ApplyToStyle(3, pNone));
    EXPECT_EQ(nullptr, pNone);
}

TEST_F(TableTest, StyleXFsApplyEverything)
{
    ReadRecords(Fonts(), FiveFonts());
    // Font 0, bottom aligned, top border thin in automatic colour (64), white fill.
    ReadRecords(XFs(), Record(0xE0, HexBytes("0000 0000 f4ff 20 00 00 00 0001 0000 40000000 0920")));
    CGXStyle style;
    CGXStyle* pStyle = &style;
    XFs().ApplyToStyle(0, pStyle);
    EXPECT_EQ(8.0, FontSize(style));
    EXPECT_EQ((DWORD)DT_BOTTOM, style.GetVerticalAlignment());
    ASSERT_TRUE(style.HasBorder(CGXStyle::sideTop));
    EXPECT_EQ(GXGetSysColorTable()->GetColor(COLOR_WINDOW), style.GetBorder(CGXStyle::sideTop).GetColor());
    EXPECT_EQ(RGB(255, 255, 255), style.GetInterior().GetBackColor());
    EXPECT_EQ(0, Orientation(style));
}

TEST_F(TableTest, LinePatternAndRotationMappings)
{
    struct Line
    {
        UINT nBiff;
        UINT nPenStyle, nWidth, nBack;
    };
    const Line lines[] = {
        {1, 0, 1, 1},   {2, 0, 2, 2},   {3, 1, 1, 3},  {4, 2, 1, 4},  {5, 0, 3, 5},
        {6, 0, 3, 5},   {7, 2, 1, 4},   {8, 1, 1, 3},  {9, 3, 1, 9},  {10, 3, 1, 9},
        {11, 4, 1, 11}, {12, 4, 1, 11}, {13, 3, 1, 9}, {14, 2, 1, 4},
    };
    for (const Line& l : lines)
    {
        CGXCellPen pen(0, 7);
        XFs().MapLineStyle(l.nBiff, pen);
        EXPECT_EQ(l.nPenStyle, pen.GetStyle()) << l.nBiff;
        EXPECT_EQ(l.nWidth, pen.GetWidth()) << l.nBiff;
        EXPECT_EQ(l.nBack, XFs().PenToLineStyle(pen)) << l.nBiff;
    }
    CGXCellPen none(0, 7);
    XFs().MapLineStyle(0, none);
    EXPECT_EQ(5u, none.GetStyle());
    EXPECT_EQ(7u, none.GetWidth());
    EXPECT_EQ(0u, XFs().PenToLineStyle(none));
    EXPECT_EQ(1u, XFs().PenToLineStyle(CGXCellPen(0, 4)));

    EXPECT_EQ(63u, XFs().MapPattern(1, TRUE));
    EXPECT_EQ(63u, XFs().MapPattern(0, TRUE));
    EXPECT_EQ(4u, XFs().MapPattern(18, TRUE));
    EXPECT_EQ(10u, XFs().MapPattern(17, FALSE));
    EXPECT_EQ(17u, XFs().MapPattern(4, FALSE));
    EXPECT_EQ(0u, XFs().MapPattern(5, FALSE));

    struct Angle
    {
        LONG nTenths;
        BYTE nBiff;
        LONG nBack;
    };
    const Angle angles[] = {
        {0, 0, 0},         {450, 45, 450},   {900, 90, 900},  {2700, 180, 2700},
        {3150, 135, 3150}, {3590, 91, 3590}, {1350, 90, 900}, {2250, 180, 2700},
    };
    for (const Angle& a : angles)
    {
        EXPECT_EQ(a.nBiff, CGXExcelXFTable::RotationToBiff(a.nTenths)) << a.nTenths;
        EXPECT_EQ(a.nBack, CGXExcelXFTable::RotationFromBiff(a.nBiff)) << a.nTenths;
    }
    EXPECT_EQ(0, CGXExcelXFTable::RotationFromBiff(255));
}

TEST_F(TableTest, StyleRecordsBecomeBaseStylesOfTheGrid)
{
    GridWindowOf<CGXGridWnd> window(200, 100);
    window.grid->OnGridInitialUpdate();
    GXExGetTableMap()->SetContext(window.grid.get());
    CGXStylesMap* pStylesMap = window.grid->GetParam()->GetStylesMap();
    INT_PTR nBefore = pStylesMap->GetCount();

    Bytes xfs;
    for (int i = 0; i < 19; i++)
        xfs = xfs + Record(0xE0, HexBytes(kPlainStyleXF));
    ReadRecords(XFs(), xfs);
    ReadRecords(Styles(), Record(0x293, HexBytes("0080 00 ff")) + Record(0x293, HexBytes("1080 03 ff")) +
                              Record(0x293, HexBytes("1100 0400 00 4d65696e")) +
                              Record(0x293, HexBytes("1200 0500 01 4700 7200 fc00 df00 6500")));
    EXPECT_EQ(4u, Styles().GetCount());
    // "Normal" on XF 0 registers nothing.
    EXPECT_EQ(0, Styles().FindByIndex(0));
    EXPECT_EQ(nBefore + 3, pStylesMap->GetCount());
    WORD nComma = 0, nMein = 0, nGruesse = 0;
    ASSERT_TRUE(pStylesMap->FindBaseStyle(0, "Comma", nComma));
    ASSERT_TRUE(pStylesMap->FindBaseStyle(0, "Mein", nMein));
    ASSERT_TRUE(pStylesMap->FindBaseStyle(0, AnsiOf(L"Gr\u00fc\u00dfe").c_str(), nGruesse));
    EXPECT_EQ(nComma, Styles().FindByIndex(16));
    EXPECT_EQ(nMein, Styles().FindByIndex(17));
    EXPECT_EQ(nGruesse, Styles().FindByIndex(18));
    const CGXStyle* pComma = NULL;
    ASSERT_TRUE(pStylesMap->LookupStyle(nComma, pComma));
    EXPECT_EQ(RGB(255, 255, 255), pComma->GetInterior().GetBackColor());

    // Cell XFs whose parent is XF 16, or 0xFFF.
    ReadRecords(XFs(), Record(0xE0, HexBytes("0000 0000 0001 00 00 00 00 0000 0000 00000000 0000")) +
                           Record(0xE0, HexBytes("0000 0000 f0ff 00 00 00 00 0000 0000 00000000 0000")));
    CGXStyle child, orphan;
    CGXStyle* pChild = &child;
    CGXStyle* pOrphan = &orphan;
    XFs().ApplyToStyle(19, pChild);
    XFs().ApplyToStyle(20, pOrphan);
    ASSERT_TRUE(child.GetInclude(CGXStyle::ibBaseStyle));
    EXPECT_EQ(nComma, child.GetBaseStyle());
    EXPECT_FALSE(orphan.GetInclude(CGXStyle::ibBaseStyle));
}

TEST_F(TableTest, WritingXFsSharesIdenticalCellFormats)
{
    CGXStyle standard;
    standard.MergeFont(CGXFont().SetFaceName("Arial").SetSize(10).SetWeight(FW_NORMAL), gxOverride);
    standard.SetTextColor(RGB(0, 0, 0));
    standard.SetInterior(RGB(255, 255, 255));
    standard.SetHorizontalAlignment(DT_LEFT);
    standard.SetVerticalAlignment(DT_TOP);
    Sheet sheet(&standard);
    CGXStyle bold;
    bold.MergeFont(CGXFont().SetWeight(FW_BOLD), gxOverride);
    WORD nBold = sheet.pStyles->RegisterStyle("Fett", bold);

    CGXStyle right;
    right.SetHorizontalAlignment(DT_RIGHT);
    right.SetBorder(CGXStyle::sideBottom, CGXCellPen(4, 1, RGB(255, 0, 0)));
    CGXStyle cyan;
    cyan.SetInterior(RGB(0, 255, 255));
    CGXStyle wrap;
    wrap.SetWrapText(TRUE);
    sheet.pData->StoreStyleRowCol(1, 1, &right, gxOverride, 0);
    sheet.pData->StoreStyleRowCol(1, 2, &right, gxOverride, 0);
    sheet.pData->StoreStyleRowCol(2, 1, &cyan, gxOverride, 0);
    sheet.pData->StoreStyleRowCol(3, 0, &wrap, gxOverride, -1);

    CGXGridParam* params[1] = {&sheet.param};
    TestStream palette, fonts, s, styles;
    DWORD nTotal = 0;
    Colors().SetWriteMode(CGXExcelColorTable::modeSeedDefaults);
    Colors().WriteRecords(palette, &nTotal, params, 1);
    Fonts().WriteRecords(fonts, &nTotal, params, 1);
    nTotal = 0;
    XFs().WriteRecords(s, &nTotal, params, 1);

    Bytes standardXF = Record(0xE0, HexBytes("0000 0000 f4ff 01 00 00 a4 0000 0000 00000000 8904"));
    Bytes expected;
    for (int i = 0; i < 15; i++)
        expected = expected + standardXF;
    expected = expected + Record(0xE0, HexBytes("0000 0000 0000 01 00 00 00 0000 0000 00000000 8904")) +
               Record(0xE0, HexBytes("0600 0000 f4ff 01 00 00 f4 0000 0000 00000000 8904")) + // XF 16 "Fett"
               Record(0xE0, HexBytes("0700 0000 0000 03 00 00 30 00b0 0000 00050000 8904")) + // XF 17 right
               Record(0xE0, HexBytes("0700 0000 0000 01 00 00 40 0000 0000 00000004 a304")) + // XF 18 cyan
               Record(0xE0, HexBytes("0700 0000 0000 09 00 00 10 0000 0000 00000000 8904"));  // XF 19 row 3
    EXPECT_EQ(HexOf(expected, 24), HexOf(StreamBytes(s), 24));
    EXPECT_EQ(expected.size(), nTotal);
    CGXXFArray* pArray = XFs().GetXFArray(0);
    EXPECT_EQ(17u, pArray->LookupXF(1, 1));
    EXPECT_EQ(17u, pArray->LookupXF(1, 2));
    EXPECT_EQ(18u, pArray->LookupXF(2, 1));
    EXPECT_EQ(19u, pArray->LookupXF(3, 0));
    EXPECT_EQ(0u, pArray->LookupXF(2, 2));
    EXPECT_EQ(16u, XFs().GetStyleIDMap().LookupXF(nBold));

    nTotal = 0;
    Styles().WriteRecords(styles, &nTotal, params, 1);
    Bytes expectedStyles = Record(0x293, HexBytes("0080 03 ff")) + Record(0x293, HexBytes("0080 06 ff")) +
                           Record(0x293, HexBytes("0080 04 ff")) + Record(0x293, HexBytes("0080 07 ff")) +
                           Record(0x293, HexBytes("0080 00 ff")) + Record(0x293, HexBytes("0080 05 ff")) +
                           Record(0x293, HexBytes("1000 0400 01 4600 6500 7400 7400"));
    EXPECT_EQ(expectedStyles, StreamBytes(styles));
    EXPECT_EQ(expectedStyles.size(), nTotal);

    // Read back, the user style names its XF.
    GridWindowOf<CGXGridWnd> window(200, 100);
    window.grid->OnGridInitialUpdate();
    GXExGetTableMap()->ResetAll();
    GXExGetTableMap()->SetContext(window.grid.get());
    ReadRecords(Styles(), expectedStyles);
    WORD nRead = 0;
    ASSERT_TRUE(window.grid->GetParam()->GetStylesMap()->FindBaseStyle(0, "Fett", nRead));
    EXPECT_EQ(nRead, Styles().FindByIndex(16));
}
