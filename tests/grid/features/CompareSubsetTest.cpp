// Whether a style holds every attribute of a subset style with equal values.
#include "FeatureTestApp.h"
#include "grid/core/Style.h"
#include <gtest/gtest.h>

TEST(CompareSubset, AttributesBordersFontsAndUserAttributes)
{
    EnsureGridLibrary();
    CGXStyle style;
    style.SetValue("a")
        .SetHorizontalAlignment(DT_RIGHT)
        .SetInterior(RGB(1, 2, 3))
        .SetBorder(CGXStyle::sideTop, CGXCellPen(PS_SOLID, 1, RGB(0, 0, 255)))
        .MergeFont(CGXFont().SetWeight(700).SetSize(10))
        .SetUserAttributeText(1000, "x")
        .SetUserAttributeText(1001, "y");
    EXPECT_TRUE(style.CompareSubset(CGXStyle()));
    EXPECT_TRUE(style.CompareSubset(style));

    struct Case
    {
        const char* what;
        CGXStyle subset;
        BOOL bExpected;
    } cases[] = {
        {"same value", CGXStyle().SetValue("a"), TRUE},
        {"value differs in case", CGXStyle().SetValue("A"), FALSE},
        {"alignment", CGXStyle().SetHorizontalAlignment(DT_RIGHT), TRUE},
        {"other alignment", CGXStyle().SetHorizontalAlignment(DT_LEFT), FALSE},
        {"attribute the style lacks", CGXStyle().SetReadOnly(FALSE), FALSE},
        {"interior", CGXStyle().SetInterior(RGB(1, 2, 4)), FALSE},
        {"top border", CGXStyle().SetBorder(CGXStyle::sideTop, CGXCellPen(PS_SOLID, 1, RGB(0, 0, 255))),
         TRUE},
        {"left border", CGXStyle().SetBorder(CGXStyle::sideLeft, CGXCellPen(PS_SOLID, 1, RGB(0, 0, 255))),
         FALSE},
        {"part of the font", CGXStyle().MergeFont(CGXFont().SetWeight(700)), TRUE},
        {"other font", CGXStyle().MergeFont(CGXFont().SetItalic(TRUE)), FALSE},
        {"first user attribute", CGXStyle().SetUserAttributeText(1000, "x"), TRUE},
        {"user attribute value", CGXStyle().SetUserAttributeText(1000, "z"), FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.bExpected, style.CompareSubset(c.subset)) << c.what;

    // Compared by position: a style with fewer user attributes than the subset does not hold it.
    CGXStyle three = style;
    three.SetUserAttributeText(1002, "z");
    EXPECT_FALSE(style.CompareSubset(three));
    EXPECT_FALSE(CGXStyle().SetValue("a").CompareSubset(CGXStyle().SetUserAttributeText(1000, "x")));
}
