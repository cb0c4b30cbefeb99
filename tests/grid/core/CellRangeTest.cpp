// Cell ranges: setters, containment, intersection, union and the archive form.
#include "grid/core/CellRange.h"
#include "ArchiveHelpers.h"
#include <gtest/gtest.h>

namespace
{
typedef CGXCellRange R;

R Rows(ROWCOL a, ROWCOL b)
{
    return R().SetRows(a, b);
}
R Cols(ROWCOL a, ROWCOL b)
{
    return R().SetCols(a, b);
}
R Cells(ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL r)
{
    return R().SetCells(t, l, b, r);
}
R Table()
{
    return R().SetTable();
}

void ExpectRange(const R& r, DWORD type, ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL rt, DWORD valid)
{
    EXPECT_EQ(type, r.rtType);
    EXPECT_EQ(t, r.top);
    EXPECT_EQ(l, r.left);
    EXPECT_EQ(b, r.bottom);
    EXPECT_EQ(rt, r.right);
    EXPECT_EQ(valid, r.m_bValid);
}
} // namespace

TEST(CellRange, SettersKeepInvariants)
{
    ExpectRange(R(5, 7, 2, 3), R::typeCells, 2, 3, 5, 7, 1);
    ExpectRange(R(4, 9), R::typeCells, 4, 9, 4, 9, 1);
    ExpectRange(R(), R::typeCells, 0, 0, 0, 0, 0);
    ExpectRange(Rows(9, 3), R::typeRows, 3, 0, 9, 0, 1);
    ExpectRange(Cols(8, 2), R::typeCols, 0, 2, 0, 8, 1);
    R t = Cells(1, 2, 3, 4);
    t.SetTable();
    ExpectRange(t, R::typeTable, 1, 2, 3, 4, 1);
    ExpectRange(R((const R*)NULL), R::typeCells, 0, 0, 0, 0, 0);
}

TEST(CellRange, ExpandToCells)
{
    ExpectRange(Rows(2, 4).ExpandToCells(10, 1, 20, 7), R::typeCells, 2, 1, 4, 7, 1);
    ExpectRange(Cols(2, 4).ExpandToCells(1, 10, 9, 20), R::typeCells, 1, 2, 9, 4, 1);
    ExpectRange(Table().ExpandToCells(1, 1, 9, 8), R::typeCells, 1, 1, 9, 8, 1);
    ExpectRange(Cells(3, 3, 4, 4).ExpandToCells(1, 1, 9, 8), R::typeCells, 3, 3, 4, 4, 1);
}

TEST(CellRange, ContainsCell)
{
    struct Case
    {
        R range;
        ROWCOL row, col;
        BOOL expected;
    } cases[] = {
        {Cells(2, 3, 4, 5), 2, 3, TRUE},  {Cells(2, 3, 4, 5), 4, 5, TRUE},
        {Cells(2, 3, 4, 5), 5, 3, FALSE}, {Cells(2, 3, 4, 5), 3, 6, FALSE},
        {Rows(2, 4), 3, 1000, TRUE},      {Rows(2, 4), 1, 0, FALSE},
        {Cols(2, 4), 1000, 4, TRUE},      {Cols(2, 4), 1, 5, FALSE},
        {Table(), 123456, 7, TRUE},       {R(), 0, 0, FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, c.range.ContainsCell(c.row, c.col)) << c.row << "," << c.col;
    R invalidTable = Table();
    invalidTable.m_bValid = 0;
    EXPECT_FALSE(invalidTable.ContainsCell(1, 1));
}

TEST(CellRange, Intersect)
{
    struct Case
    {
        R a, b;
        DWORD type;
        ROWCOL t, l, bo, r;
        DWORD valid;
    } cases[] = {
        {Rows(2, 4), Cols(3, 5), R::typeCells, 2, 3, 4, 5, 1},
        {Cols(3, 5), Rows(2, 4), R::typeCells, 2, 3, 4, 5, 1},
        {Cells(1, 1, 3, 3), Cells(5, 5, 6, 6), R::typeCells, 5, 5, 3, 3, 0},
        {Cells(1, 1, 5, 5), Cells(3, 2, 8, 4), R::typeCells, 3, 2, 5, 4, 1},
        {Table(), Cells(3, 2, 8, 4), R::typeCells, 3, 2, 8, 4, 1},
        {Rows(7, 9), Table(), R::typeRows, 7, 0, 9, 0, 1},
        {Rows(2, 6), Rows(4, 9), R::typeRows, 4, 0, 6, 0, 1},
        {Rows(2, 6), Cells(4, 3, 9, 5), R::typeCells, 4, 3, 6, 5, 1},
        {Cells(4, 3, 9, 5), Rows(2, 6), R::typeCells, 4, 3, 6, 5, 1},
        {Rows(2, 3), Rows(5, 6), R::typeRows, 5, 0, 3, 0, 0},
        {Cols(2, 6), Cells(1, 4, 3, 9), R::typeCells, 1, 4, 3, 6, 1},
        {Cols(2, 6), Cols(7, 9), R::typeCols, 0, 7, 0, 6, 0},
        {Cols(2, 6), Rows(1, 1), R::typeCells, 1, 2, 1, 6, 1},
        {Cells(2, 2, 3, 3), Cols(3, 9), R::typeCells, 2, 3, 3, 3, 1},
        {Table(), Table(), R::typeTable, 0, 0, 0, 0, 1},
    };
    for (const Case& c : cases)
    {
        R r;
        BOOL b = r.Intersect(c.a, c.b);
        EXPECT_EQ(c.valid, (DWORD)b);
        ExpectRange(r, c.type, c.t, c.l, c.bo, c.r, c.valid);
    }
    // The result may be one of the operands.
    R a = Cells(1, 1, 5, 5);
    a.Intersect(a, Cells(2, 2, 9, 9));
    ExpectRange(a, R::typeCells, 2, 2, 5, 5, 1);
}

TEST(CellRange, Union)
{
    struct Case
    {
        R a, b;
        DWORD type;
        ROWCOL t, l, bo, r;
    } cases[] = {
        {Rows(2, 4), Cols(1, 1), R::typeTable, 2, 0, 4, 0},
        {Rows(2, 4), Cells(7, 1, 8, 9), R::typeRows, 2, 0, 8, 0},
        {Cells(1, 5, 2, 6), Cells(3, 1, 4, 2), R::typeCells, 1, 1, 4, 6},
        {Cols(5, 6), Cells(3, 1, 4, 2), R::typeCols, 0, 1, 0, 6},
        {Cells(3, 1, 4, 2), Table(), R::typeTable, 0, 0, 0, 0},
        {Rows(5, 6), Rows(1, 2), R::typeRows, 1, 0, 6, 0},
        {Cols(5, 6), Rows(1, 2), R::typeTable, 0, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        R r;
        EXPECT_TRUE(r.Union(c.a, c.b));
        EXPECT_EQ(c.type, r.rtType);
        if (c.type != R::typeTable)
            ExpectRange(r, c.type, c.t, c.l, c.bo, c.r, 1);
    }
}

TEST(CellRange, ArchiveBytes)
{
    R r = Cells(0x00010000, 5, 0x01020304, 7);
    std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { ar << r; });
    std::vector<BYTE> expected;
    PutDWord(expected, 0x00010000);
    PutDWord(expected, 5);
    PutDWord(expected, 0x01020304);
    PutDWord(expected, 7);
    expected.push_back(0);
    expected.push_back(1);
    EXPECT_EQ(expected, bytes);

    R loaded;
    LoadBytes(bytes, [&](CArchive& ar) { ar >> loaded; });
    EXPECT_TRUE(loaded == r);

    R rows = Rows(3, 4);
    rows.m_bValid = 0;
    std::vector<BYTE> b2 = StoreBytes([&](CArchive& ar) { ar << rows; });
    ASSERT_EQ(18u, b2.size());
    EXPECT_EQ(1, b2[16]);
    EXPECT_EQ(0, b2[17]);
}
