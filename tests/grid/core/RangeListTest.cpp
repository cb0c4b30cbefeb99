// Range lists: lookups, interval collection, adjustments, copies and the archive form.
#include "grid/core/RangeList.h"
#include "ArchiveHelpers.h"
#include <gtest/gtest.h>
#include <functional>
#include <stdio.h>
#include <string>

namespace
{
typedef CGXCellRange R;

R* NewCells(ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL r)
{
    return new R(t, l, b, r);
}
R* NewRows(ROWCOL a, ROWCOL b)
{
    return &(new R)->SetRows(a, b);
}
R* NewCols(ROWCOL a, ROWCOL b)
{
    return &(new R)->SetCols(a, b);
}

std::string Describe(const CGXRangeList& list)
{
    std::string s;
    POSITION pos = list.GetHeadPosition();
    while (pos != NULL)
    {
        const R* r = list.GetNext(pos);
        char sz[96];
        sprintf(sz, "%s%lu:%lu,%lu-%lu,%lu%s", s.empty() ? "" : " ", (unsigned long)r->rtType,
                (unsigned long)r->top, (unsigned long)r->left, (unsigned long)r->bottom,
                (unsigned long)r->right, r->IsValid() ? "" : "!");
        s += sz;
    }
    return s;
}

std::string Intervals(const CDWordArray& f, const CDWordArray& l)
{
    std::string s;
    for (INT_PTR i = 0; i < f.GetSize(); i++)
        s += (s.empty() ? "" : " ") + std::to_string(f[i]) + ".." + std::to_string(l[i]);
    return s;
}
} // namespace

TEST(RangeList, Lookups)
{
    CGXRangeList list;
    list.AddTail(NewCells(1, 1, 2, 2));
    POSITION posRows = list.AddTail(NewRows(5, 6));
    list.AddTail(NewCols(8, 8));

    EXPECT_TRUE(list.IsCellInList(2, 2));
    EXPECT_TRUE(list.IsCellInList(5, 100));
    EXPECT_FALSE(list.IsCellInList(5, 100, posRows));
    EXPECT_FALSE(list.IsCellInList(3, 3));
    EXPECT_EQ(posRows, list.FindRangeWithCell(6, 1));
    EXPECT_EQ(NULL, list.FindRangeWithCell(3, 3));
    EXPECT_TRUE(list.HasRangeInRow(100)); // the columns range touches every row
    EXPECT_TRUE(list.HasRangeInCol(100)); // the rows range touches every column
    list.DeleteAt(posRows);
    EXPECT_FALSE(list.HasRangeInCol(5));
    EXPECT_TRUE(list.HasRangeInCol(8));
    EXPECT_FALSE(list.HasRangeInRow(3) && list.IsCellInList(3, 3));
}

TEST(RangeList, RowAndColumnIntervals)
{
    CGXRangeList list;
    list.AddTail(NewRows(1, 2));
    list.AddTail(NewCells(3, 5, 4, 6));
    list.AddTail(NewRows(10, 12));
    CDWordArray f, l;
    EXPECT_TRUE(list.GetRowArray(100, f, l, FALSE));
    EXPECT_EQ("1..4 10..12", Intervals(f, l));
    EXPECT_TRUE(list.GetRowArray(100, f, l, TRUE));
    EXPECT_EQ("1..2 10..12", Intervals(f, l));

    list.AddTail(NewCols(2, 3)); // rows 0..count
    EXPECT_TRUE(list.GetRowArray(50, f, l, FALSE));
    EXPECT_EQ("0..50", Intervals(f, l));
    EXPECT_TRUE(list.GetColArray(30, f, l, FALSE));
    EXPECT_EQ("0..30", Intervals(f, l)); // the rows ranges cover every column

    CGXRangeList empty;
    f.Add(7);
    EXPECT_FALSE(empty.GetColArray(10, f, l, FALSE));
    EXPECT_EQ(0, f.GetSize());
}

TEST(RangeList, AdjustForInsertedRemovedMoved)
{
    struct Case
    {
        const char* what;
        std::function<void(CGXRangeList&)> op;
        const char* expected;
    } cases[] = {
        {"insert rows 3+2", [](CGXRangeList& l) { l.AdjustForInsertedRows(3, 2); },
         "0:1,1-2,2 0:5,5-6,6 1:5,0-11,0"},
        {"insert cols 2+1", [](CGXRangeList& l) { l.AdjustForInsertedCols(2, 1); },
         "0:1,1-2,3 0:3,6-4,7 1:3,0-9,0"},
        {"remove rows 3..5", [](CGXRangeList& l) { l.AdjustForRemovedRows(3, 5, 100); },
         "0:1,1-2,2 0:3,5-4,6! 1:3,0-6,0"},
        {"remove rows 1..20 limit 4", [](CGXRangeList& l) { l.AdjustForRemovedRows(1, 20, 4); },
         "0:1,1-2,2! 0:3,5-4,6! 1:3,0-4,0!"},
        {"remove cols 1..1", [](CGXRangeList& l) { l.AdjustForRemovedCols(1, 1, 100); },
         "0:1,1-2,1 0:3,4-4,5 1:3,0-9,0"},
        {"move rows 3..4 to 7", [](CGXRangeList& l) { l.AdjustForMovedRows(3, 4, 7, 100); },
         "0:1,1-2,2 0:7,5-8,6 1:7,0-13,0"},
        {"move rows 5..6 to 1", [](CGXRangeList& l) { l.AdjustForMovedRows(5, 6, 1, 100); },
         "0:3,1-4,2 0:5,5-6,6 1:5,0-11,0"},
        {"move rows to same place", [](CGXRangeList& l) { l.AdjustForMovedRows(3, 4, 3, 100); },
         "0:1,1-2,2 0:3,5-4,6 1:3,0-9,0"},
        {"move cols 5..6 to 1 limit 3", [](CGXRangeList& l) { l.AdjustForMovedCols(5, 6, 1, 3); },
         "0:1,3-2,3 0:3,1-4,2 1:3,0-9,0"},
    };
    for (const Case& c : cases)
    {
        CGXRangeList list;
        list.AddTail(NewCells(1, 1, 2, 2));
        list.AddTail(NewCells(3, 5, 4, 6));
        list.AddTail(NewRows(3, 9));
        c.op(list);
        EXPECT_EQ(c.expected, Describe(list)) << c.what;
    }
}

TEST(RangeList, RemovedRowsExamples)
{
    CGXRangeList list;
    list.AddTail(NewRows(4, 9));
    list.AddTail(NewRows(3, 5));
    list.AdjustForRemovedRows(3, 5, 1000);
    EXPECT_EQ("1:3,0-6,0 1:3,0-5,0!", Describe(list));
}

TEST(RangeList, CopyReversesAndDropsInvalid)
{
    CGXRangeList src;
    src.AddTail(NewCells(1, 1, 1, 1));
    src.AddTail(NewCells(2, 2, 2, 2));
    R* pInvalid = NewCells(4, 4, 4, 4);
    pInvalid->m_bValid = 0;
    src.AddTail(pInvalid);
    src.AddTail(NewCells(3, 3, 3, 3));
    CGXRangeList copy;
    copy.AddTail(NewRows(9, 9));
    copy = src;
    EXPECT_EQ("0:3,3-3,3 0:2,2-2,2 0:1,1-1,1", Describe(copy));
    EXPECT_EQ(4, src.GetCount());
}

TEST(RangeList, ArchiveBytesAndLoading)
{
    CGXRangeList list;
    list.AddTail(NewCells(1, 2, 3, 4));
    R* pInvalid = NewRows(5, 6);
    pInvalid->m_bValid = 0;
    list.AddTail(pInvalid);
    list.AddTail(NewCols(7, 8));

    std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { list.Serialize(ar); });
    std::vector<BYTE> expected;
    PutWord(expected, 1);
    PutDWord(expected, 2);
    for (DWORD v : {1, 2, 3, 4})
        PutDWord(expected, v);
    expected.push_back(0);
    expected.push_back(1);
    for (DWORD v : {0, 7, 0, 8})
        PutDWord(expected, v);
    expected.push_back(2);
    expected.push_back(1);
    EXPECT_EQ(expected, bytes);
    EXPECT_EQ(2, list.GetCount()); // the invalid range was removed by storing

    // Loading appends to what the list holds.
    CGXRangeList loaded;
    loaded.AddTail(NewRows(1, 1));
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ("1:1,0-1,0 0:1,2-3,4 2:0,7-0,8", Describe(loaded));

    // An unknown schema reads nothing and reports a bad schema.
    std::vector<BYTE> bad = bytes;
    bad[0] = 2;
    CGXRangeList other;
    int cause = testing_support::LoadCause(bad, [&](CArchive& ar) { other.Serialize(ar); });
    EXPECT_EQ(CArchiveException::badSchema, cause);
    EXPECT_EQ(0, other.GetCount());
}
