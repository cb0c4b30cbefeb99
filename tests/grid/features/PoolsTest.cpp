// Span-cell, covered-cell and delayed-range pools: their cases, their archive bytes and damaged
// archives.
#include "ArchiveBytes.h"
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/core/RangeList.h"
#include "grid/features/CoveredCellPool.h"
#include "grid/features/DelayedRangePool.h"
#include "grid/features/SpanCellPool.h"
#include <gtest/gtest.h>

using namespace testing_support;

namespace
{
CGXCellRange Lookup(const CGXSpanCellPool& pool, ROWCOL nRow, ROWCOL nCol, BOOL* pFound = NULL)
{
    CGXCellRange r(nRow, nCol);
    BOOL b = pool.LookupSpan(nRow, nCol, r);
    if (pFound != NULL)
        *pFound = b;
    return r;
}

bool Spanned(const CGXSpanCellPool& pool, ROWCOL nRow, ROWCOL nCol)
{
    BOOL b = FALSE;
    Lookup(pool, nRow, nCol, &b);
    return b != FALSE;
}
} // namespace

TEST(SpanCellPool, SetLookUpShrinkAndClear)
{
    CGXSpanCellPool pool;
    EXPECT_TRUE(pool.SetSpan(3, 2, 3, 5, TRUE));
    CGXCellRange r = Lookup(pool, 3, 4);
    EXPECT_EQ(CGXCellRange(3, 2, 3, 5), r);
    EXPECT_FALSE(Spanned(pool, 3, 6));
    EXPECT_FALSE(Spanned(pool, 2, 4));
    EXPECT_FALSE(Spanned(pool, 0x80000000, 4));

    // Shrinking leaves the cells it gave up unspanned.
    pool.SetSpan(3, 2, 3, 3, TRUE);
    EXPECT_EQ(CGXCellRange(3, 2, 3, 3), Lookup(pool, 3, 2));
    EXPECT_FALSE(Spanned(pool, 3, 4));
    EXPECT_FALSE(Spanned(pool, 3, 5));

    // Cleared at its first cell.
    pool.SetSpan(3, 2, 3, 5, TRUE);
    EXPECT_TRUE(pool.SetSpan(3, 2, 3, 2, FALSE));
    EXPECT_FALSE(Spanned(pool, 3, 4));
    EXPECT_FALSE(pool.SetSpan(3, 2, 3, 2, FALSE));

    // A block spans in both maps.
    pool.SetSpan(5, 1, 7, 2, TRUE);
    EXPECT_EQ(CGXCellRange(5, 1, 7, 2), Lookup(pool, 6, 2));
    EXPECT_EQ(CGXCellRange(5, 1, 7, 2), Lookup(pool, 7, 1));
}

TEST(SpanCellPool, RowsAndColumnsInsertedRemovedAndMoved)
{
    CGXSpanCellPool pool;
    pool.SetSpan(3, 2, 3, 5, TRUE);
    pool.InsertRows(1, 2);
    EXPECT_FALSE(Spanned(pool, 3, 4));
    EXPECT_TRUE(Spanned(pool, 5, 4));
    pool.RemoveRows(1, 2);
    EXPECT_TRUE(Spanned(pool, 3, 4));
    pool.InsertCols(4, 1);
    EXPECT_FALSE(Spanned(pool, 3, 4)) << "an inserted column holds no span";
    EXPECT_TRUE(Spanned(pool, 3, 5));
    pool.RemoveCols(4, 4);
    EXPECT_EQ(CGXCellRange(3, 2, 3, 5), Lookup(pool, 3, 4));
    pool.MoveRows(3, 3, 8);
    EXPECT_FALSE(Spanned(pool, 3, 4));
    EXPECT_TRUE(Spanned(pool, 8, 4));
    pool.InsertRows(0x7FFFFFFF, 1); // ignored
    CGXSpanCellPool copy;
    copy.CopyFrom(pool);
    EXPECT_EQ(CGXCellRange(8, 2, 8, 5), Lookup(copy, 8, 3));
}

TEST(SpanCellPool, ArchiveBytesAndDamagedMaps)
{
    CGXSpanCellPool pool;
    pool.SetSpan(1, 0, 1, 1, TRUE);
    Bytes expected = Cat({Word(1), DWord(2), DWord(1), Word(2), DWord(0), DWord(0), DWord(0xFFFFFFFF), // rows
                          Word(1), DWord(0), DWord(0xFFFFFFFF)}); // columns
    EXPECT_EQ(expected, Store([&](CArchive& ar) { pool.Serialize(ar); }));
    CGXSpanCellPool loaded;
    EXPECT_EQ(kNoError, LoadCause(expected, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ(CGXCellRange(1, 0, 1, 1), Lookup(loaded, 1, 1));

    Bytes version2 = expected;
    version2[0] = 2;
    EXPECT_EQ(CArchiveException::badSchema, LoadCause(version2, [&](CArchive& ar) { loaded.Serialize(ar); }));
    // A huge count costs nothing; an index at or beyond it is refused.
    Bytes huge = Cat({Word(1), DWord(0x7FFFFFFF), DWord(0xFFFFFFFF), Word(1), DWord(0), DWord(0xFFFFFFFF)});
    EXPECT_EQ(kNoError, LoadCause(huge, [&](CArchive& ar) { loaded.Serialize(ar); }));
    Bytes beyond = Cat({Word(1), DWord(1), DWord(1), Word(0), DWord(0xFFFFFFFF)});
    EXPECT_EQ(CArchiveException::generic, LoadCause(beyond, [&](CArchive& ar) { loaded.Serialize(ar); }));
}

TEST(CoveredCellPool, RangesAndRefusals)
{
    EnsureGridLibrary();
    CGXRangeList list;
    POSITION a = list.AddTail(new CGXCellRange(2, 2, 3, 4));
    POSITION b = list.AddTail(new CGXCellRange(5, 1, 5, 2));
    CGXCoveredCellPool pool;
    GXGetAppData()->m_pCoveredCellPoolImp->InitFromRangeList(&pool, list);
    EXPECT_EQ(a, pool.LookupCell(3, 3));
    EXPECT_EQ(b, pool.LookupCell(5, 2));
    EXPECT_EQ(nullptr, pool.LookupCell(4, 3));
    EXPECT_EQ(nullptr, pool.LookupCell(0x80000000, 3));
    EXPECT_FALSE(pool.SetCells(7, 7, 7, 7, b)) << "one cell";
    EXPECT_FALSE(pool.SetCells(3, 2, 4, 5, b)) << "a cell of another range";
    EXPECT_EQ(nullptr, pool.LookupCell(4, 5));
    // Shrinking clears what is left to the right; NULL clears the run.
    EXPECT_TRUE(pool.SetCells(2, 2, 3, 3, a));
    EXPECT_EQ(nullptr, pool.LookupCell(2, 4));
    EXPECT_TRUE(pool.SetCells(5, 1, 5, 1, NULL));
    EXPECT_EQ(nullptr, pool.LookupCell(5, 2));
    delete list.GetHead();
    delete list.GetTail();
}

TEST(DelayedRangePool, RangesJoinAndCellsAreHandedOutOnce)
{
    CGXDelayedRangePool pool;
    pool.AddRange(CGXCellRange(1, 1, 1, 5));
    pool.AddRange(CGXCellRange(2, 1, 2, 5));
    ASSERT_EQ(1, pool.GetCount());
    EXPECT_EQ(CGXCellRange(1, 1, 2, 5), pool.GetAt(0)->m_range);

    pool.AddRange(CGXCellRange(1, 1, 10, 3)); // takes the old one in
    CDWordArray first, last;
    ASSERT_TRUE(pool.GetPendingCells(CGXCellRange(4, 1, 6, 9), first, last));
    ASSERT_EQ(3, first.GetSize());
    for (int i = 0; i < 3; i++)
    {
        EXPECT_EQ(1u, first[i]);
        EXPECT_EQ(3u, last[i]);
    }
    // The same rows are not handed out again; the others are, once.
    ASSERT_TRUE(pool.GetPendingCells(CGXCellRange(1, 1, 10, 9), first, last));
    ASSERT_EQ(10, first.GetSize());
    for (int row = 1; row <= 10; row++)
        EXPECT_EQ(row >= 4 && row <= 6 ? 0xFFFFFFFFu : 1u, first[row - 1]) << row;
    EXPECT_FALSE(pool.GetPendingCells(CGXCellRange(1, 1, 10, 9), first, last));
    EXPECT_EQ(0, pool.GetCount());
    EXPECT_FALSE(pool.GetPendingCells(CGXCellRange(), first, last));
}

TEST(DelayedRangePool, ArchiveBytesAndClamping)
{
    CGXDelayedRangePool pool;
    pool.AddRange(CGXCellRange(1, 2, 3, 4));
    Bytes range = Cat({DWord(1), DWord(2), DWord(3), DWord(4), {0, 1}});
    Bytes expected = Cat({Word(1), NewClass("CGXDelayedRange"), range, Word(0), Word(0)});
    EXPECT_EQ(expected, Store([&](CArchive& ar) { pool.Serialize(ar); }));
    CGXDelayedRangePool loaded;
    EXPECT_EQ(kNoError, LoadCause(expected, [&](CArchive& ar) { loaded.Serialize(ar); }));
    ASSERT_EQ(1, loaded.GetCount());
    EXPECT_EQ(CGXCellRange(1, 2, 3, 4), loaded.GetAt(0)->m_range);
    loaded.ClampRows(2);
    loaded.ClampCols(3);
    EXPECT_EQ(CGXCellRange(1, 2, 2, 3), loaded.GetAt(0)->m_range);
    // A huge count ends at the end of the file; lists of different lengths are refused.
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadCause(Cat({Word(0xFFFF), DWord(0x7FFFFFFF)}), [&](CArchive& ar) { loaded.Serialize(ar); }));
    Bytes uneven = Cat({Word(1), NewClass("CGXDelayedRange"), range, Word(1), DWord(1), Word(0)});
    EXPECT_EQ(CArchiveException::generic, LoadCause(uneven, [&](CArchive& ar) { loaded.Serialize(ar); }));
}

TEST(SpanCellPool, ParameterObjectsStoreAndCopyTheirPools)
{
    EnsureGridLibrary();
    CGXGridParam param;
    auto* pSpans = new CGXSpanCellPool;
    pSpans->SetSpan(2, 1, 2, 3, TRUE);
    param.m_pFloatCellsPool = pSpans;
    auto* pDelayed = new CGXDelayedRangePool;
    pDelayed->AddRange(CGXCellRange(1, 1, 4, 4));
    param.m_pDelayedMergeCellsPool = pDelayed;
    param.m_wFloatCellsMode = 1;
    Bytes bytes = Store([&](CArchive& ar) { param.Serialize(ar); });
    CGXGridParam loaded;
    EXPECT_EQ(kNoError, LoadCause(bytes, [&](CArchive& ar) { loaded.Serialize(ar); }));
    auto* pLoadedSpans = dynamic_cast<CGXSpanCellPool*>(loaded.m_pFloatCellsPool);
    ASSERT_TRUE(pLoadedSpans != NULL);
    EXPECT_EQ(CGXCellRange(2, 1, 2, 3), Lookup(*pLoadedSpans, 2, 2));
    auto* pLoadedDelayed = dynamic_cast<CGXDelayedRangePool*>(loaded.m_pDelayedMergeCellsPool);
    ASSERT_TRUE(pLoadedDelayed != NULL && pLoadedDelayed->GetCount() == 1);
    EXPECT_EQ(nullptr, loaded.m_pHorzMergeCellsPool);

    CGXGridParam copy;
    copy.CopyFrom(param);
    ASSERT_TRUE(copy.m_pFloatCellsPool != NULL);
    EXPECT_NE(param.m_pFloatCellsPool, copy.m_pFloatCellsPool);
    EXPECT_EQ(CGXCellRange(2, 1, 2, 3), Lookup(*static_cast<CGXSpanCellPool*>(copy.m_pFloatCellsPool), 2, 3));
    EXPECT_EQ(1, static_cast<CGXDelayedRangePool*>(copy.m_pDelayedMergeCellsPool)->GetCount());

    // Spans stored by schema 6 are computed again: the delayed pools cover everything.
    bytes[0] = 6;
    size_t nTails = 3 + 2 + 1 + 9; // schemas 8 to 11
    bytes.resize(bytes.size() - nTails);
    CGXGridParam old;
    EXPECT_EQ(kNoError, LoadCause(bytes, [&](CArchive& ar) { old.Serialize(ar); }));
    ASSERT_TRUE(old.m_pFloatCellsPool != NULL);
    EXPECT_FALSE(Spanned(*static_cast<CGXSpanCellPool*>(old.m_pFloatCellsPool), 2, 2));
    auto* pOldDelayed = static_cast<CGXDelayedRangePool*>(old.m_pDelayedMergeCellsPool);
    ASSERT_EQ(1, pOldDelayed->GetCount());
    EXPECT_TRUE(pOldDelayed->GetAt(0)->m_range.ContainsCell(1000, 1000));
}
