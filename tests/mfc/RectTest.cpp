// CPoint, CSize and CRect: geometry members and operators.
#include "Rect.h"
#include <gtest/gtest.h>

namespace
{
void ExpectRect(const CRect& rect, int l, int t, int r, int b)
{
    EXPECT_EQ(l, rect.left);
    EXPECT_EQ(t, rect.top);
    EXPECT_EQ(r, rect.right);
    EXPECT_EQ(b, rect.bottom);
}

TEST(RectTest, Attributes)
{
    CRect rect(10, 20, 50, 80);
    EXPECT_EQ(40, rect.Width());
    EXPECT_EQ(60, rect.Height());
    EXPECT_TRUE(rect.Size() == CSize(40, 60));
    EXPECT_TRUE(rect.TopLeft() == CPoint(10, 20));
    EXPECT_TRUE(rect.BottomRight() == CPoint(50, 80));
    EXPECT_TRUE(rect.CenterPoint() == CPoint(30, 50));
    rect.TopLeft() = CPoint(0, 0); // a reference into the rectangle
    ExpectRect(rect, 0, 0, 50, 80);

    EXPECT_FALSE(rect.IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 1, 10).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 10).IsRectNull());
    EXPECT_TRUE(CRect().IsRectNull());

    // Left and top edges inside, right and bottom outside.
    const CRect r(0, 0, 10, 10);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(r.PtInRect(CPoint(9, 9)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));
    EXPECT_FALSE(r.PtInRect(CPoint(5, 10)));
}

TEST(RectTest, InflateDeflateAllOverloads)
{
    CRect rect(10, 10, 20, 20);
    rect.InflateRect(1, 2);
    ExpectRect(rect, 9, 8, 21, 22);
    rect.DeflateRect(1, 2);
    ExpectRect(rect, 10, 10, 20, 20);
    rect.InflateRect(CSize(3, 4));
    ExpectRect(rect, 7, 6, 23, 24);
    rect.DeflateRect(CSize(3, 4));
    rect.InflateRect(1, 2, 3, 4);
    ExpectRect(rect, 9, 8, 23, 24);
    rect.DeflateRect(1, 2, 3, 4);
    const RECT border = {1, 2, 3, 4};
    rect.InflateRect(&border);
    ExpectRect(rect, 9, 8, 23, 24);
    rect.DeflateRect(&border);
    ExpectRect(rect, 10, 10, 20, 20);
    ExpectRect(rect + &border, 9, 8, 23, 24);
    ExpectRect(rect - &border, 11, 12, 17, 16);
    rect += &border;
    rect -= &border;
    ExpectRect(rect, 10, 10, 20, 20);
}

TEST(RectTest, NormalizeOffsetSetAndCopy)
{
    CRect rect(20, 30, 10, 5);
    rect.NormalizeRect();
    ExpectRect(rect, 10, 5, 20, 30);
    rect.OffsetRect(1, -1);
    ExpectRect(rect, 11, 4, 21, 29);
    rect.OffsetRect(CPoint(-1, 1));
    rect.OffsetRect(CSize(2, 2));
    ExpectRect(rect, 12, 7, 22, 32);
    ExpectRect(rect + CPoint(1, 1), 13, 8, 23, 33);
    ExpectRect(rect - CSize(2, 2), 10, 5, 20, 30);
    rect += CSize(1, 0);
    rect -= CPoint(1, 0);
    ExpectRect(rect, 12, 7, 22, 32);

    rect.SetRect(1, 2, 3, 4);
    ExpectRect(rect, 1, 2, 3, 4);
    rect.SetRect(CPoint(5, 6), CPoint(7, 8));
    ExpectRect(rect, 5, 6, 7, 8);
    CRect copy;
    copy.CopyRect(rect);
    EXPECT_TRUE(copy.EqualRect(rect));
    EXPECT_TRUE(copy == rect);
    copy.SetRectEmpty();
    EXPECT_TRUE(copy.IsRectNull());
    EXPECT_TRUE(copy != rect);
    ExpectRect(CRect(CPoint(1, 2), CSize(3, 4)), 1, 2, 4, 6);
    ExpectRect(CRect(10, 20, 30, 40).MulDiv(3, 2), 15, 30, 45, 60);
}

TEST(RectTest, IntersectUnionSubtract)
{
    struct
    {
        RECT a, b;
        BOOL intersects;
        RECT intersection, unionRect;
    } cases[] = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, TRUE, {5, 5, 10, 10}, {0, 0, 15, 15}},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, FALSE, {0, 0, 0, 0}, {0, 0, 20, 10}},
        {{0, 0, 10, 10}, {2, 2, 4, 4}, TRUE, {2, 2, 4, 4}, {0, 0, 10, 10}},
        {{0, 0, 10, 10}, {0, 0, 0, 0}, FALSE, {0, 0, 0, 0}, {0, 0, 10, 10}},
    };
    for (const auto& c : cases)
    {
        CRect intersection, unionRect;
        EXPECT_EQ(c.intersects, intersection.IntersectRect(&c.a, &c.b));
        EXPECT_TRUE(intersection == c.intersection);
        EXPECT_TRUE((CRect(c.a) & c.b) == c.intersection);
        EXPECT_TRUE(unionRect.UnionRect(&c.a, &c.b));
        EXPECT_TRUE(unionRect == c.unionRect);
        EXPECT_TRUE((CRect(c.a) | c.b) == c.unionRect);
    }
    CRect rect(0, 0, 10, 10);
    rect &= CRect(5, 0, 20, 20);
    ExpectRect(rect, 5, 0, 10, 10);
    rect |= CRect(0, 0, 1, 1);
    ExpectRect(rect, 0, 0, 10, 10);

    // SubtractRect removes only a part that spans a full side.
    CRect rest;
    EXPECT_TRUE(rest.SubtractRect(CRect(0, 0, 10, 10), CRect(5, 0, 10, 10)));
    ExpectRect(rest, 0, 0, 5, 10);
    EXPECT_TRUE(rest.SubtractRect(CRect(0, 0, 10, 10), CRect(2, 2, 4, 4)));
    ExpectRect(rest, 0, 0, 10, 10);
    EXPECT_FALSE(rest.SubtractRect(CRect(0, 0, 10, 10), CRect(-1, -1, 11, 11)));
}

TEST(RectTest, PointAndSize)
{
    CPoint pt(MAKELONG(-5, 7)); // signed words, as in a mouse message
    EXPECT_EQ(-5, pt.x);
    EXPECT_EQ(7, pt.y);
    pt.Offset(5, 3);
    EXPECT_TRUE(pt == CPoint(0, 10));
    pt += CSize(1, 1);
    pt -= CPoint(1, 1);
    EXPECT_TRUE(pt == CPoint(0, 10));
    const CSize dist = CPoint(10, 10) - CPoint(4, 3);
    EXPECT_TRUE(dist == CSize(6, 7));
    EXPECT_TRUE(CPoint(1, 1) + CSize(2, 3) == CPoint(3, 4));
    EXPECT_TRUE(-CPoint(1, -2) == CPoint(-1, 2));
    EXPECT_TRUE(CSize(1, 2) + CSize(3, 4) == CSize(4, 6));
    EXPECT_TRUE(CSize(1, 2) - CSize(3, 4) == CSize(-2, -2));
    EXPECT_TRUE(CSize(1, 2) + CPoint(1, 1) == CPoint(2, 3));
    EXPECT_TRUE(CSize(MAKELONG(3, -4)) == CSize(3, -4));
    const RECT r = {0, 0, 2, 2};
    ExpectRect(CPoint(1, 1) + &r, 1, 1, 3, 3);
    ExpectRect(CSize(1, 1) - &r, -1, -1, 1, 1);
}
} // namespace
