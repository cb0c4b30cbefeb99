// The cell data object: storing and reading styles, and structure changes.
#include "grid/core/AppData.h"
#include "grid/core/Data.h"
#include "grid/features/NumberFormattingImp.h"
#include "tests/grid/ComponentSlot.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <stdio.h>
#include <stdlib.h>
#include <string>

namespace
{
CString ValueAt(CGXData& data, ROWCOL row, ROWCOL col, int nType = 0)
{
    CGXStyle s;
    if (!data.GetStyleRowCol(row, col, s, gxCopy, nType))
        return CString("-");
    return s.GetValue();
}

// Values of column 1 of rows 1..n, "-" where nothing is stored.
std::string Column1(CGXData& data, ROWCOL n)
{
    std::string s;
    for (ROWCOL r = 1; r <= n; r++)
        s += std::string(r > 1 ? " " : "") + (LPCTSTR)ValueAt(data, r, 1);
    return s;
}

void FillRows(CGXData& data, ROWCOL n)
{
    for (ROWCOL r = 1; r <= n; r++)
    {
        char sz[8];
        sprintf(sz, "%lu", (unsigned long)r);
        data.StoreValueRowCol(r, 1, sz, gxOverride, 0);
    }
}

} // namespace

TEST(Data, StoringGrowsTheCounts)
{
    CGXData data;
    CGXStyle s;
    s.SetValue("x");
    EXPECT_TRUE(data.StoreStyleRowCol(10, 3, &s, gxOverride, 0));
    EXPECT_EQ(10u, data.QueryRowCount());
    EXPECT_EQ(3u, data.QueryColumnCount());
    EXPECT_EQ(CString("x"), ValueAt(data, 10, 3));
    EXPECT_EQ(CString("-"), ValueAt(data, 9, 3));

    // Row and column styles.
    CGXStyle r;
    r.SetValue("row");
    data.StoreStyleRowCol(4, 0, &r, gxOverride, -1);
    CGXStyle c;
    c.SetValue("col");
    data.StoreStyleRowCol(0, 2, &c, gxOverride, -1);
    EXPECT_EQ(CString("row"), ValueAt(data, 4, 0, -1));
    EXPECT_EQ(CString("col"), ValueAt(data, 0, 2, -1));
    EXPECT_EQ(CString("-"), ValueAt(data, 11, 1, -1)); // beyond the counts
    EXPECT_EQ(CString("-"), ValueAt(data, 4, 4));      // beyond the columns, even with a row style

    // Merging into a stored style and reading by merging.
    CGXStyle extra;
    extra.SetReadOnly(TRUE);
    data.StoreStyleRowCol(10, 3, &extra, gxOverride, 0);
    CGXStyle out;
    out.SetValue("mine");
    ASSERT_TRUE(data.GetStyleRowCol(10, 3, out, gxApplyNew, 0));
    EXPECT_EQ(CString("mine"), out.GetValue());
    EXPECT_TRUE(out.GetReadOnly());

    // Exclude where nothing is stored, and null styles.
    CGXStyle ex;
    ex.SetValue("e");
    data.StoreStyleRowCol(2, 2, &ex, gxExclude, 0);
    EXPECT_EQ(CString("-"), ValueAt(data, 2, 2));
    data.StoreStyleRowCol(2, 2, NULL, gxOverride, 0);
    data.StoreStyleRowCol(10, 3, NULL, gxOverride, 0);
    EXPECT_EQ(CString("-"), ValueAt(data, 10, 3));
    data.StoreStyleRowCol(4, 0, NULL, gxOverride, -1);
    EXPECT_EQ(CString("-"), ValueAt(data, 4, 0, -1));
}

TEST(Data, ValueParserMarksNumbers)
{
    CGXData data;
    CGXStyle s;
    {
        ComponentSlot<CGXAbstractNumberFormattingImp> none(GXGetAppData()->m_pNumberFormattingImp, NULL);
        data.StoreValueRowCol(1, 1, "12.5", gxOverride, 1);
        ASSERT_TRUE(data.GetStyleRowCol(1, 1, s, gxCopy, 0));
        EXPECT_EQ((UINT)GX_VT_TEXT, s.GetValueType()); // no parser: text
    }

    CGXNumberFormattingImp parser;
    {
        ComponentSlot<CGXAbstractNumberFormattingImp> slot(GXGetAppData()->m_pNumberFormattingImp, &parser);
        data.StoreValueRowCol(1, 1, "12.5", gxOverride, 1);
        data.StoreValueRowCol(1, 2, "12.5", gxOverride, 0);
        data.StoreValueRowCol(1, 3, "abc", gxOverride, 1);
    }
    ASSERT_TRUE(data.GetStyleRowCol(1, 1, s, gxCopy, 0));
    EXPECT_EQ((UINT)GX_VT_NUMBER, s.GetValueType());
    EXPECT_EQ(CString("12.5"), s.GetValue());
    ASSERT_TRUE(data.GetStyleRowCol(1, 2, s, gxCopy, 0));
    EXPECT_EQ((UINT)GX_VT_TEXT, s.GetValueType());
    ASSERT_TRUE(data.GetStyleRowCol(1, 3, s, gxCopy, 0));
    EXPECT_EQ((UINT)GX_VT_TEXT, s.GetValueType());
}

TEST(Data, RemovingRowsCountsOnlyExistingRows)
{
    struct Case
    {
        ROWCOL first, last;
        ROWCOL rowsLeft;
        const char* column;
    } cases[] = {
        {5, 9, 4, "1 2 3 4"},
        {8, 9, 7, "1 2 3 4 5 6 7"},
        {2, 3, 5, "1 4 5 6 7"},
        {1, 7, 0, ""},
    };
    for (const Case& c : cases)
    {
        CGXData data;
        FillRows(data, 7);
        data.RemoveRows(c.first, c.last);
        EXPECT_EQ(c.rowsLeft, data.QueryRowCount()) << c.first << ".." << c.last;
        EXPECT_EQ(c.column, Column1(data, data.QueryRowCount())) << c.first << ".." << c.last;
        // Rows added again are empty: no styles of removed rows come back.
        data.ResizeRowCount(7);
        for (ROWCOL r = c.rowsLeft + 1; r <= 7; r++)
            EXPECT_EQ(CString("-"), ValueAt(data, r, 1)) << r;
    }
}

TEST(Data, RemovingColumnsCountsOnlyExistingColumns)
{
    CGXData data;
    for (ROWCOL col = 1; col <= 7; col++)
        data.StoreValueRowCol(2, col, "v", gxOverride, 0);
    data.RemoveCols(5, 9);
    EXPECT_EQ(4u, data.QueryColumnCount());
    data.RemoveCols(8, 9);
    EXPECT_EQ(4u, data.QueryColumnCount());
    data.ResizeColumnCount(7);
    EXPECT_EQ(CString("v"), ValueAt(data, 2, 4));
    EXPECT_EQ(CString("-"), ValueAt(data, 2, 5));
}

TEST(Data, InsertMoveKeepStylesWithTheirCells)
{
    CGXData data;
    FillRows(data, 8);
    data.MoveRows(2, 3, 6);
    EXPECT_EQ("1 4 5 6 7 2 3 8", Column1(data, 8));
    data.MoveRows(6, 7, 2);
    EXPECT_EQ("1 2 3 4 5 6 7 8", Column1(data, 8));
    data.InsertRows(3, 2);
    EXPECT_EQ(10u, data.QueryRowCount());
    EXPECT_EQ("1 2 - - 3 4 5 6 7 8", Column1(data, 10));

    // Columns: every row with cell styles gets empty entries; rows without stay without.
    CGXData cols;
    cols.StoreValueRowCol(1, 1, "a", gxOverride, 0);
    cols.StoreValueRowCol(1, 2, "b", gxOverride, 0);
    cols.StoreValueRowCol(3, 1, "c", gxOverride, 0);
    cols.InsertCols(1, 1);
    EXPECT_EQ(3u, cols.QueryColumnCount());
    EXPECT_EQ(CString("a"), ValueAt(cols, 1, 2));
    EXPECT_EQ(CString("b"), ValueAt(cols, 1, 3));
    EXPECT_EQ(CString("c"), ValueAt(cols, 3, 2));
    EXPECT_EQ(nullptr, cols.m_apapCellStyle.GetRow(2));
    cols.MoveCols(3, 3, 1);
    EXPECT_EQ(CString("b"), ValueAt(cols, 1, 1));
    EXPECT_EQ(CString("a"), ValueAt(cols, 1, 3));

    // Moving rows that hold nothing past the end still shifts the rows in between.
    CGXData sparse;
    FillRows(sparse, 3);
    sparse.ResizeRowCount(6);
    sparse.MoveRows(5, 6, 1);
    EXPECT_EQ("- - 1 2 3 -", Column1(sparse, 6));
}

TEST(Data, RowColumnAndCellStylesFollowStructureChanges)
{
    struct Case
    {
        const char* what;
        std::function<void(CGXData&)> op;
        const char* rowStyles;
        const char* colStyles;
        const char* cellAt; // where the cell style stored at (2, 3) is afterwards
    } cases[] = {
        {"insert row 2", [](CGXData& d) { d.InsertRows(2, 1); }, "r1 - r2 r3 r4 r5 r6", "c1 c2 c3 c4", "3,3"},
        {"remove rows 2..3", [](CGXData& d) { d.RemoveRows(2, 3); }, "r1 r4 r5 r6", "c1 c2 c3 c4", "-"},
        {"remove rows 5..9", [](CGXData& d) { d.RemoveRows(5, 9); }, "r1 r2 r3 r4", "c1 c2 c3 c4", "2,3"},
        {"move rows 1..2 to 4", [](CGXData& d) { d.MoveRows(1, 2, 4); }, "r3 r4 r5 r1 r2 r6", "c1 c2 c3 c4",
         "5,3"},
        {"move rows 5..6 to 1", [](CGXData& d) { d.MoveRows(5, 6, 1); }, "r5 r6 r1 r2 r3 r4", "c1 c2 c3 c4",
         "4,3"},
        {"insert cols 1+2", [](CGXData& d) { d.InsertCols(1, 2); }, "r1 r2 r3 r4 r5 r6", "- - c1 c2 c3 c4",
         "2,5"},
        {"remove col 2", [](CGXData& d) { d.RemoveCols(2, 2); }, "r1 r2 r3 r4 r5 r6", "c1 c3 c4", "2,2"},
        {"remove cols 3..8", [](CGXData& d) { d.RemoveCols(3, 8); }, "r1 r2 r3 r4 r5 r6", "c1 c2", "-"},
        {"move col 4 to 1", [](CGXData& d) { d.MoveCols(4, 4, 1); }, "r1 r2 r3 r4 r5 r6", "c4 c1 c2 c3",
         "2,4"},
    };
    for (const Case& c : cases)
    {
        CGXData data;
        char sz[8];
        for (ROWCOL r = 1; r <= 6; r++)
        {
            sprintf(sz, "r%lu", (unsigned long)r);
            data.StoreValueRowCol(r, 0, sz, gxOverride, -1);
        }
        for (ROWCOL col = 1; col <= 4; col++)
        {
            sprintf(sz, "c%lu", (unsigned long)col);
            data.StoreValueRowCol(0, col, sz, gxOverride, -1);
        }
        data.StoreValueRowCol(2, 3, "x", gxOverride, 0);

        c.op(data);
        std::string rows, cols, cellAt = "-";
        for (ROWCOL r = 1; r <= data.QueryRowCount(); r++)
        {
            rows += std::string(r > 1 ? " " : "") + (LPCTSTR)ValueAt(data, r, 0, -1);
            for (ROWCOL col = 1; col <= data.QueryColumnCount(); col++)
                if (ValueAt(data, r, col) == "x")
                    cellAt = std::to_string(r) + "," + std::to_string(col);
        }
        for (ROWCOL col = 1; col <= data.QueryColumnCount(); col++)
            cols += std::string(col > 1 ? " " : "") + (LPCTSTR)ValueAt(data, 0, col, -1);
        EXPECT_EQ(c.rowStyles, rows) << c.what;
        EXPECT_EQ(c.colStyles, cols) << c.what;
        EXPECT_EQ(c.cellAt, cellAt) << c.what;
    }
}

TEST(Data, RowsBeyondTheArraysAreOutOfMemory)
{
    struct Case
    {
        ROWCOL row, col;
        int nType;
    } cases[] = {
        {0xFFFFFFFF, 1, 0},
        {1, 0xFFFFFFFF, 0},
        {0x80000000, 0, -1},
        {0, 0x7FFFFFFF, -1},
    };
    for (const Case& c : cases)
    {
        CGXData data;
        FillRows(data, 2);
        CGXStyle s;
        s.SetValue("x");
        bool bThrown = false;
        try
        {
            data.StoreStyleRowCol(c.row, c.col, &s, gxOverride, c.nType);
        }
        catch (CMemoryException* e)
        {
            bThrown = true;
            e->Delete();
        }
        EXPECT_TRUE(bThrown) << c.row << "," << c.col;
        // Nothing changed.
        EXPECT_EQ(2u, data.QueryRowCount());
        EXPECT_EQ(1u, data.QueryColumnCount());
        EXPECT_EQ("1 2", Column1(data, 2));
    }
}

TEST(Data, CopiesAndDeleteContents)
{
    CGXData a;
    FillRows(a, 3);
    a.StoreValueRowCol(0, 2, "colstyle", gxOverride, -1);
    CGXData b;
    b = a;
    a.DeleteContents();
    EXPECT_EQ(3u, a.QueryRowCount());
    EXPECT_EQ(CString("-"), ValueAt(a, 2, 1));
    EXPECT_EQ("1 2 3", Column1(b, 3));
    EXPECT_EQ(CString("colstyle"), ValueAt(b, 0, 2, -1));
    // Without the copy component (the library start-up of other tests installs one).
    CGXAbstractDataCopyMoveCellsImp* pCopyImp = GXGetAppData()->m_pDataCopyMoveCellsImp;
    GXGetAppData()->m_pDataCopyMoveCellsImp = NULL;
    EXPECT_FALSE(b.CopyCells(CGXCellRange(1, 1), 2, 2));
    GXGetAppData()->m_pDataCopyMoveCellsImp = pCopyImp;
    EXPECT_FALSE(b.IsCellChanged(1, 1));
}

// A style given over is kept as it is where the cell has none (no copy) and reads back as a
// stored copy would; over a stored style, as for a row or column style, it merges.
TEST(Data, AnAdoptedStyleIsKeptOrMerged)
{
    CGXData data;
    auto makeStyle = []() {
        CGXStyle* p = new CGXStyle;
        p->SetValue("0042");
        p->SetFormat(2).SetPlaces(3).SetInterior(RGB(0, 255, 255));
        p->MergeFont(CGXFont().SetBold(TRUE).SetSize(14));
        return p;
    };
    std::unique_ptr<CGXStyle> copy(makeStyle());
    ASSERT_TRUE(data.StoreStyleRowCol(1, 1, copy.get(), gxOverride, 2));
    CGXStyle* pGiven = makeStyle();
    ASSERT_TRUE(data.AdoptStyleRowCol(1, 2, pGiven, 2));
    EXPECT_EQ(pGiven, data.m_apapCellStyle.GetRow(1)->GetStyle(2));
    CGXStyle stored, adopted;
    ASSERT_TRUE(data.GetStyleRowCol(1, 1, stored, gxCopy, 0));
    ASSERT_TRUE(data.GetStyleRowCol(1, 2, adopted, gxCopy, 0));
    EXPECT_TRUE(stored.IsEqual(adopted));
    EXPECT_EQ(CString("0042"), adopted.GetValue());
    EXPECT_EQ((UINT)GX_VT_TEXT, adopted.GetValueType());

    CGXStyle* pOver = new CGXStyle;
    pOver->SetValue("7");
    ASSERT_TRUE(data.AdoptStyleRowCol(1, 2, pOver, 2));
    EXPECT_EQ(pGiven, data.m_apapCellStyle.GetRow(1)->GetStyle(2));
    ASSERT_TRUE(data.GetStyleRowCol(1, 2, adopted, gxCopy, 0));
    EXPECT_EQ(CString("7"), adopted.GetValue());
    EXPECT_EQ(RGB(0, 255, 255), adopted.GetInterior().GetBackColor());

    // Row styles (type -1) the same way.
    CGXStyle* pRow = new CGXStyle;
    pRow->SetInterior(RGB(255, 0, 0));
    ASSERT_TRUE(data.AdoptStyleRowCol(3, 0, pRow, -1));
    EXPECT_EQ(pRow, data.m_apaRowStyles.GetStyle(3));
    EXPECT_EQ(3u, data.QueryRowCount());
}
