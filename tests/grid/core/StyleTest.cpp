// Cell styles: include bits and masks, merge modes with borders, colour values, base styles.
#include "grid/core/StylesMap.h"
#include "grid/core/SysColorTable.h"
#include "GridIds.h"
#include <functional>
#include <gtest/gtest.h>

namespace
{
CGXStyle Sides(BOOL l, BOOL r, BOOL t, BOOL b, COLORREF cr)
{
    CGXStyle s;
    const BOOL sides[4] = {l, r, t, b};
    for (int i = 0; i < 4; i++)
        if (sides[i])
            s.SetBorder(i, CGXCellPen(PS_SOLID, 1, cr));
    return s;
}
} // namespace

TEST(Style, SettersMaskTheirFields)
{
    CGXStyle s;
    EXPECT_TRUE(s.IsEmpty());
    s.SetBaseStyle(300).SetPlaces(20).SetFormat(33).SetMergeCell(9);
    EXPECT_EQ(44, s.GetBaseStyle());
    EXPECT_EQ(4u, s.GetPlaces());
    EXPECT_EQ(1u, s.GetFormat());
    EXPECT_EQ(1u, s.GetMergeCell());
    s.SetHorizontalAlignment(DT_RIGHT).SetVerticalAlignment(DT_VCENTER);
    EXPECT_EQ((DWORD)DT_RIGHT, s.GetHorizontalAlignment());
    EXPECT_EQ((DWORD)DT_VCENTER, s.GetVerticalAlignment());
    s.SetHorizontalAlignment(7);
    EXPECT_EQ((DWORD)DT_LEFT, s.GetHorizontalAlignment());
    s.SetNumberValue(0.1 + 0.2);
    EXPECT_EQ(CString("0.3"), s.GetValue());
    EXPECT_EQ((UINT)GX_VT_NUMBER, s.GetValueType());
    s.SetValue("text");
    EXPECT_EQ((UINT)GX_VT_TEXT, s.GetValueType());
    s.SetUnsignedValue(4000000000u);
    EXPECT_EQ(CString("4000000000"), s.GetValue());
    s.SetValuePresent(FALSE);
    EXPECT_TRUE(s.GetValue().IsEmpty());
    EXPECT_FALSE(s.GetInclude(CGXStyle::ibValue));
}

TEST(Style, IncludeMaskExchangesTwoBits)
{
    struct Case
    {
        std::function<void(CGXStyle&)> set;
        DWORD mask;
    } cases[] = {
        {[](CGXStyle& s) { s.SetFloatCell(TRUE); }, 0x200000},
        {[](CGXStyle& s) { s.SetFloodCell(TRUE); }, 0x400000},
        {[](CGXStyle& s) { s.SetReadOnly(TRUE); }, 0x4},
        {[](CGXStyle& s) { s.SetPlaces(2); }, 0x2000000},
        {[](CGXStyle&) {}, 0},
    };
    for (const Case& c : cases)
    {
        CGXStyle s;
        c.set(s);
        EXPECT_EQ(c.mask, s.GetIncludeBits().GetMask());
        CGXStyleIncludeBits bits;
        bits.SetMask(c.mask);
        EXPECT_EQ(s.GetIncludeBits().m_dw, bits.m_dw);
    }
    CGXStyleIncludeBits bits;
    bits.SetMask(0xFFFFFFFF);
    EXPECT_EQ(0x3FFFFFFu, bits.m_dw);
}

TEST(Style, MergeModes)
{
    CGXStyle target;
    target.SetValue("t").SetReadOnly(TRUE).SetChoiceList("a\nb");
    CGXStyle source;
    source.SetValue("s").SetEnabled(FALSE).SetChoiceList("c");

    CGXStyle m0(target);
    m0.MergeStyle(source, gxOverride);
    EXPECT_EQ(CString("s"), m0.GetValue());
    EXPECT_TRUE(m0.GetReadOnly());
    EXPECT_FALSE(m0.GetEnabled());
    EXPECT_TRUE(m0.GetInclude(CGXStyle::ibEnabled));

    CGXStyle m1(target);
    m1.MergeStyle(source, gxApplyNew);
    EXPECT_EQ(CString("t"), m1.GetValue());
    EXPECT_EQ(CString("a\nb"), m1.GetChoiceList());
    EXPECT_TRUE(m1.GetInclude(CGXStyle::ibEnabled));

    CGXStyle m2(target);
    m2.MergeStyle(source, gxCopy);
    EXPECT_FALSE(m2.GetInclude(CGXStyle::ibReadOnly));
    EXPECT_EQ(CString("s"), m2.GetValue());

    CGXStyle m3(target);
    m3.MergeStyle(source, gxExclude);
    EXPECT_FALSE(m3.GetInclude(CGXStyle::ibValue));
    EXPECT_TRUE(m3.GetValue().IsEmpty());
    EXPECT_FALSE(m3.GetInclude(CGXStyle::ibChoiceList));
    EXPECT_EQ(CString("a\nb"), m3.GetChoiceList()); // the text stays
    EXPECT_TRUE(m3.GetInclude(CGXStyle::ibReadOnly));

    // Empty sources change nothing; an empty target becomes a copy.
    CGXStyle empty;
    for (GXModifyType mt : {gxOverride, gxApplyNew})
    {
        CGXStyle t(target);
        t.MergeStyle(empty, mt);
        EXPECT_EQ(target.GetIncludeBits().m_dw, t.GetIncludeBits().m_dw);
        CGXStyle e;
        e.MergeStyle(source, mt);
        EXPECT_EQ(source.GetIncludeBits().m_dw, e.GetIncludeBits().m_dw);
        EXPECT_EQ(CString("s"), e.GetValue());
    }
}

TEST(Style, MergeBordersSideBySide)
{
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
    CGXStyle all = Sides(TRUE, TRUE, TRUE, TRUE, blue);

    CGXStyle t1 = Sides(FALSE, FALSE, TRUE, FALSE, red);
    t1.MergeStyle(all, gxApplyNew);
    EXPECT_EQ(red, t1.GetBorder(CGXStyle::sideTop).GetColor());
    EXPECT_EQ(blue, t1.GetBorder(CGXStyle::sideLeft).GetColor());
    EXPECT_EQ(blue, t1.GetBorder(CGXStyle::sideBottom).GetColor());
    EXPECT_EQ(blue, t1.GetBorder(CGXStyle::sideRight).GetColor());

    CGXStyle t0 = Sides(FALSE, FALSE, TRUE, FALSE, red);
    t0.MergeStyle(all, gxOverride);
    EXPECT_EQ(blue, t0.GetBorder(CGXStyle::sideTop).GetColor());

    // Sides the source has not set never change.
    CGXStyle t2 = Sides(TRUE, FALSE, FALSE, FALSE, red);
    t2.MergeStyle(Sides(FALSE, TRUE, FALSE, FALSE, blue), gxOverride);
    EXPECT_EQ(red, t2.GetBorder(CGXStyle::sideLeft).GetColor());
    EXPECT_TRUE(t2.HasBorder(CGXStyle::sideRight));
    EXPECT_FALSE(t2.HasBorder(CGXStyle::sideTop));

    CGXStyle t3 = Sides(TRUE, FALSE, TRUE, FALSE, red);
    t3.MergeStyle(Sides(TRUE, FALSE, FALSE, FALSE, blue), gxExclude);
    EXPECT_FALSE(t3.HasBorder(CGXStyle::sideLeft));
    EXPECT_TRUE(t3.HasBorder(CGXStyle::sideTop));
    EXPECT_TRUE(t3.GetInclude(CGXStyle::ibBorders));
    t3.MergeStyle(Sides(FALSE, FALSE, TRUE, FALSE, blue), gxExclude);
    EXPECT_FALSE(t3.GetInclude(CGXStyle::ibBorders));

    CGXStyle t4 = Sides(FALSE, TRUE, FALSE, FALSE, red);
    t4.MergeStyle(all, gxCopy);
    EXPECT_EQ(blue, t4.GetBorder(CGXStyle::sideRight).GetColor());
    EXPECT_TRUE(t4.HasBorder(CGXStyle::sideLeft));
}

TEST(Style, SystemColoursStaySystemColours)
{
    CGXSysColorTable* pTable = GXGetSysColorTable();
    pTable->Refresh();
    CGXStyle s;
    s.SetTextColor(GXSYSCOLOR(COLOR_WINDOWTEXT));
    EXPECT_EQ(0xF6u, s.GetTextColorValue() >> 24);
    CGXStyle t;
    t.SetTextColor(RGB(1, 2, 3));
    t.MergeStyle(s, gxOverride);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), t.GetTextColor());

    // The colour follows a change of the system colours.
    DWORD saved = pTable->m_adwColors[COLOR_WINDOWTEXT];
    pTable->m_adwColors[COLOR_WINDOWTEXT] = RGB(9, 8, 7);
    EXPECT_EQ(RGB(9, 8, 7), t.GetTextColor());
    EXPECT_EQ(0xF6000000u | RGB(9, 8, 7), t.GetTextColorValue());
    pTable->m_adwColors[COLOR_WINDOWTEXT] = saved;

    // A value with a high byte of 0..64 is a colour reference of that kind.
    CGXStyle p;
    p.SetTextColor(0x02123456);
    EXPECT_EQ(0x02123456u, p.GetTextColor());
    EXPECT_EQ(0x02123456u, p.GetTextColorValue());

    CGXCellBrush brush(BS_SOLID, GXSYSCOLOR(COLOR_WINDOW));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), brush.GetBackColor());
    EXPECT_EQ(0xF9u, brush.GetBackColorValue() >> 24);
    const LOGBRUSH& lb = brush.GetLogBrush();
    EXPECT_EQ((UINT)BS_SOLID, lb.lbStyle);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), lb.lbColor);

    CGXCellPen pen;
    EXPECT_FALSE(pen.GetInclude());
    pen.SetColor(GXSYSCOLOR(COLOR_BTNFACE));
    EXPECT_EQ((UINT)PS_SOLID, pen.GetStyle());
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), pen.GetLogPen().lopnColor);
}

TEST(Style, PatternBrushes)
{
    CGXCellBrush b;
    b.SetPattern(40);
    EXPECT_EQ(3u, b.GetStyle());
    const LOGBRUSH& lb = b.GetLogBrush();
    EXPECT_EQ((UINT)BS_PATTERN, lb.lbStyle);
    EXPECT_NE(0u, (UINT_PTR)lb.lbHatch);
    b.SetPattern(41);
    EXPECT_EQ((UINT)BS_HOLLOW, b.GetLogBrush().lbStyle);
    CGXCellBrush d;
    EXPECT_EQ(63u, d.GetPattern());
    EXPECT_EQ(RGB(255, 255, 255), d.GetColor());
    EXPECT_EQ(RGB(0, 0, 0), d.GetBackColor());
}

TEST(Style, DefaultStyle)
{
    CGXStyle s;
    s.SetDefault();
    // Everything is included except borders, base style and user attributes.
    const DWORD notIncluded =
        (1u << CGXStyle::ibBorders) | (1u << CGXStyle::ibBaseStyle) | (1u << CGXStyle::ibUserAttributes);
    EXPECT_EQ(((1u << CGXStyle::ibCount) - 1) & ~notIncluded, s.GetIncludeBits().m_dw);
    struct Case
    {
        const char* what;
        DWORD actual, expected;
    } cases[] = {
        {"horizontal", s.GetHorizontalAlignment(), DT_LEFT},
        {"vertical", s.GetVerticalAlignment(), DT_TOP},
        {"read-only", (DWORD)s.GetReadOnly(), FALSE},
        {"3-D frame", s.GetDraw3dFrame(), 0},
        {"scroll bar", (DWORD)s.GetVerticalScrollBar(), FALSE},
        {"max length", s.GetMaxLength(), 0},
        {"allow Enter", (DWORD)s.GetAllowEnter(), FALSE},
        {"enabled", (DWORD)s.GetEnabled(), TRUE},
        {"tri-state", (DWORD)s.GetTriState(), FALSE},
        {"auto-size", (DWORD)s.GetAutoSize(), FALSE},
        {"merge", s.GetMergeCell(), 0},
        {"format", s.GetFormat(), 0},
        {"item", s.GetItemData(), 0},
        {"value type", s.GetValueType(), (DWORD)GX_VT_TEXT},
        {"interior style", s.GetInterior().GetStyle(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, c.actual) << c.what;
    EXPECT_TRUE(s.GetValue().IsEmpty());
    EXPECT_TRUE(s.GetChoiceList().IsEmpty());
    EXPECT_EQ(GX_IDS_CTRL_EDIT, s.GetControl());
    EXPECT_EQ(13u, s.GetPlaces());
    EXPECT_TRUE(s.GetWrapText());
    EXPECT_TRUE(s.GetFloatCell() && s.GetFloodCell());
    EXPECT_FALSE(s.GetInclude(CGXStyle::ibBorders));
    EXPECT_FALSE(s.GetInclude(CGXStyle::ibBaseStyle));
    EXPECT_TRUE(s.GetInclude(CGXStyle::ibItemData));
    EXPECT_TRUE(s.GetInclude(CGXStyle::ibValue));
    EXPECT_EQ(0xF9u, s.GetInterior().GetBackColorValue() >> 24);
    EXPECT_EQ(0xF6u, s.GetTextColorValue() >> 24);
    CGXFont f;
    s.GetFont(f);
    EXPECT_DOUBLE_EQ(8.25, f.GetSize());
}

TEST(Style, UserAttributes)
{
    CGXStyle s;
    EXPECT_TRUE(s.GetUserAttribute(51011).GetValueText().IsEmpty());
    s.SetUserAttributeText(51011, "10");
    EXPECT_TRUE(s.GetInclude(CGXStyle::ibUserAttributes));
    EXPECT_EQ(10, s.GetUserAttribute(51011).GetLongValue());
    s.EnableNegativeNumberColor(TRUE);
    EXPECT_TRUE(s.HasUserAttribute(52797));
    EXPECT_EQ(0u, s.GetUserAttribute(52797).GetDWordValue());
    s.SetNegativeNumberColor(RGB(255, 0, 0));
    EXPECT_EQ((DWORD)RGB(255, 0, 0), s.GetUserAttribute(52797).GetDWordValue());
    s.EnableNegativeNumberColor(TRUE); // present: keeps its value
    EXPECT_EQ((DWORD)RGB(255, 0, 0), s.GetUserAttribute(52797).GetDWordValue());
    s.EnableNegativeNumberColor(FALSE);
    EXPECT_FALSE(s.HasUserAttribute(52797));
    EXPECT_TRUE(s.GetInclude(CGXStyle::ibUserAttributes));
    s.SetIncludeUserAttribute(51011, FALSE);
    EXPECT_FALSE(s.GetInclude(CGXStyle::ibUserAttributes));

    CGXStyle a, b;
    a.SetUserAttributeText(1, "a1").SetUserAttributeText(2, "a2");
    b.SetUserAttributeText(2, "b2").SetUserAttributeText(3, "b3");
    CGXStyle m(a);
    m.MergeStyle(b, gxApplyNew);
    EXPECT_EQ(CString("a2"), m.GetUserAttribute(2).GetValueText());
    EXPECT_EQ(CString("b3"), m.GetUserAttribute(3).GetValueText());
    m.MergeStyle(b, gxExclude);
    EXPECT_TRUE(m.HasUserAttribute(1));
    EXPECT_FALSE(m.HasUserAttribute(2));
    EXPECT_TRUE(m.GetInclude(CGXStyle::ibUserAttributes));
}

TEST(Style, BaseStyleChains)
{
    CGXStylesMap map;
    CGXStyle base1, base2;
    base1.SetTextColor(RGB(1, 1, 1)).SetReadOnly(TRUE);
    base2.SetTextColor(RGB(2, 2, 2)).SetMaxLength(5).SetWrapText(TRUE);
    WORD id1 = map.RegisterStyle("Base1", base1);
    base2.SetBaseStyle(id1);
    WORD id2 = map.RegisterStyle("Base2", base2);

    CGXStyle cell;
    cell.SetBaseStyle(id2).SetWrapText(FALSE);
    cell.ApplyBaseStyles(&map);
    EXPECT_EQ(RGB(2, 2, 2), cell.GetTextColor());
    EXPECT_TRUE(cell.GetReadOnly());
    EXPECT_EQ(5, cell.GetMaxLength());
    EXPECT_FALSE(cell.GetWrapText());
    EXPECT_EQ(id2, cell.GetBaseStyle());

    // An unknown id leaves the style as it is.
    CGXStyle unknown;
    unknown.SetBaseStyle(99).SetValue("v");
    DWORD before = unknown.GetIncludeBits().m_dw;
    unknown.ApplyBaseStyles(&map);
    EXPECT_EQ(before, unknown.GetIncludeBits().m_dw);

    // A cycle ends the walk instead of looping.
    CGXStyle c1, c2;
    WORD idA = map.RegisterStyle("A", c1);
    WORD idB = map.RegisterStyle("B", c2);
    c1.SetBaseStyle(idB).SetEnabled(TRUE);
    c2.SetBaseStyle(idA).SetMaxLength(9);
    map.RegisterStyle("A", c1);
    map.RegisterStyle("B", c2);
    CGXStyle cyc;
    cyc.SetBaseStyle(idA);
    cyc.ApplyBaseStyles(&map);
    EXPECT_TRUE(cyc.GetEnabled());
    EXPECT_EQ(9, cyc.GetMaxLength());
}

TEST(Style, CopyAndFree)
{
    CGXStyle s;
    s.SetValue("v").SetBorder(CGXStyle::sideAll, CGXCellPen(PS_DOT)).MergeFont(CGXFont().SetSize(20));
    s.SetUserAttributeText(5, "x");
    CGXStyle* pClone = s.Clone();
    EXPECT_EQ(s.GetIncludeBits().m_dw, pClone->GetIncludeBits().m_dw);
    EXPECT_TRUE(pClone->HasBorder(CGXStyle::sideBottom));
    EXPECT_EQ(CString("x"), pClone->GetUserAttribute(5).GetValueText());
    delete pClone;
    s.Free();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(nullptr, s.GetFontPtr());
    EXPECT_EQ(nullptr, s.GetUserAttributeMap());
}
