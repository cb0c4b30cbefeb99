// Values, operators, the cell store and the recalculation of engine sheets.
#include "FormulaTestSupport.h"
#include <set>
#include <string.h>

using namespace formula_test;

namespace
{
// A1 5, A2 "abc", A3 an error, A4 an empty result; A5 is missing. A6 and A7 hold 300 and 255
// characters.
class OperatorTest : public SheetTest
{
  protected:
    void SetUp() override
    {
        SheetTest::SetUp();
        GXStoreNumber(m_nSheet, 1, 0, 5);
        GXStoreText(m_nSheet, 2, 0, "abc");
        GXStoreFormula(m_nSheet, 3, 0, "=1/0", NULL);
        GXStoreFormula(m_nSheet, 4, 0, "=EMPTY()", NULL);
        GXStoreText(m_nSheet, 6, 0, std::string(300, 'x').c_str());
        GXStoreText(m_nSheet, 7, 0, std::string(255, 'y').c_str());
        GXSetForeground(m_nSheet, 1);
        GXRecalc(m_nSheet);
    }
};

struct OperatorCase
{
    const char* pszFormula;
    int bBlankIsZero;
    const char* pszExpected;
};

const OperatorCase s_aOperatorCases[] = {
    {"=1+2", 0, "3"},
    {"=7-10", 0, "-3"},
    {"=+4", 0, "4"},
    {"=-4", 0, "-4"},
    {"=2*3", 0, "6"},
    {"=1/4", 0, "0.25"},
    {"=1/0", 0, "#70"},
    {"=2**3", 0, "8"},
    {"=2**1024", 0, "#70"},
    {"=-2**2", 0, "-4"},
    {"=7%3", 0, "1"},
    {"=-7%3", 0, "-1"},
    {"=7%0", 0, "#122"},
    {"=1&&2", 0, "1"},
    {"=1&&0", 0, "0"},
    {"=0&&(1/0)", 0, "0"},
    {"=1&&(1/0)", 0, "#70"},
    {"=0||2", 0, "1"},
    {"=1||(1/0)", 0, "1"},
    {"=!0", 0, "1"},
    {"=!3", 0, "0"},
    {"=\"ab\"&\"cd\"", 0, "'abcd'"},
    {"=6&3", 0, "2"},
    {"=\"a\"&1", 0, "#140"},
    {"=A1&3", 0, "1"},
    {"=A2&\"d\"", 0, "'abcd'"},
    {"=A4&1", 0, "#91"},
    {"=A6&A6", 0, "#150"},
    {"=6|3", 0, "7"},
    {"=2^3", 0, "1"},
    {"=~0", 0, "-1"},
    {"=2<<33", 0, "4"},
    {"=-8>>1", 0, "-4"},
    {"=A2|1", 0, "1"},
    {"=A5|1", 0, "1"},
    {"=\"x\"|1", 0, "#128"},
    {"=4294967296|0", 0, "#136"},
    {"=4294967295|0", 0, "-1"},
    {"=-2147483649|0", 0, "#136"},
    {"=1==1", 0, "1"},
    {"=1!=1", 0, "0"},
    {"=1<2", 0, "1"},
    {"=1>2", 0, "0"},
    {"=2<=2", 0, "1"},
    {"=1>=2", 0, "0"},
    {"=\"a\"<1", 0, "1"},
    {"=\"a\">1", 0, "0"},
    {"=\"a\"==1", 0, "0"},
    {"=\"a\"!=1", 0, "1"},
    {"=\"ab  \"==\"ab\"", 0, "1"},
    {"=\"ab\"<\"b\"", 0, "1"},
    {"=A2==\"abc\"", 0, "1"},
    {"=A5==0", 0, "0"},
    {"=A5==0", 1, "1"},
    {"=A4==0", 0, "0"},
    {"=A3==0", 0, "#133"},
    {"=A1..A2==0", 0, "#94"},
    {"=0==A1..A2", 0, "#94"},
    {"=0!=A1..A2", 0, "#90"},
    {"=0<A1..A2", 0, "#93"},
    {"=0>A1..A2", 0, "#96"},
    {"=0<=A1..A2", 0, "#92"},
    {"=0>=A1..A2", 0, "#95"},
    {"=1?2:1/0", 0, "2"},
    {"=0?1/0:3", 0, "3"},
    {"=10%", 0, "0.1"},
    {"=??", 0, "#89"},
    {"=A1+1", 0, "6"},
    {"=A2+1", 0, "#128"},
    {"=A3+1", 0, "#133"},
    {"=A4+1", 0, "#128"},
    {"=A5+1", 0, "#60"},
    {"=A5+1", 1, "1"},
    {"=\"\"+1", 1, "1"},
    {"=\"\"+1", 0, "#128"},
    {"=A1", 0, "cell"},
    {"=A1..B2", 0, "range"},
    {"=A1:ECHOV(A2)", 0, "range"},
    {"=A1:ECHOV(1)", 0, "#141"},
    {"=1e308*10", 0, "#40"},
    {"=TEMP(8)", 0, "8"},
    {"=TEMP(9)", 0, "#5"},
    {"=#{0,-1}", 0, "cell"},
    {"=#{0,-100}", 0, "#110"},
};
} // namespace

TEST_F(OperatorTest, EveryCodeWithEveryKindOfOperand)
{
    for (const OperatorCase& c : s_aOperatorCases)
    {
        GXSetBlankIsZero(m_nSheet, c.bBlankIsZero);
        EXPECT_EQ(c.pszExpected, Eval(m_nSheet, c.pszFormula))
            << c.pszFormula << " blank zero " << c.bBlankIsZero;
    }
}

TEST_F(OperatorTest, ConcatenationUpToTheTextLimit)
{
    GX_VALUE v;
    ASSERT_TRUE(GXEvaluateText(m_nSheet, "=A7&A7", 1, 1, &v));
    ASSERT_EQ((DWORD)GX_VALUE_STRING, v.nKind);
    EXPECT_EQ(510u, strlen(v.pszValue));
    GXReleaseValue(v);
}

TEST_F(OperatorTest, RangeOperatorOrdersCornersWithTheirAbsoluteBits)
{
    GX_VALUE a, b;
    ASSERT_TRUE(GXEvaluateText(m_nSheet, "=$B2:ECHOV(A$1)", 1, 1, &a));
    ASSERT_TRUE(GXEvaluateText(m_nSheet, "=A$1:ECHOV($B2)", 1, 1, &b));
    ASSERT_EQ((DWORD)GX_VALUE_RANGE, a.nKind);
    EXPECT_EQ(a.range.w1, b.range.w1);
    EXPECT_EQ(a.range.w2, b.range.w2);
    EXPECT_EQ(a.range.w3, b.range.w3);
    EXPECT_STREQ("A$1..$B2", FormatCellReference(a.range));
}

TEST_F(SheetTest, NumberFormulasBecomeConstantsUnlessWrittenInHex)
{
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 1, 0, "=5", NULL));
    GX_CELL* p = GXFindCellRecord(m_nSheet, 1, 0);
    EXPECT_EQ(GX_CONTENT_NUMBER, p->Content());
    EXPECT_TRUE(p->pFormula == NULL);
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 1, 0, "=0x5", NULL));
    p = GXFindCellRecord(m_nSheet, 1, 0);
    EXPECT_EQ(GX_CONTENT_CONSTFORMULA, p->Content());
    EXPECT_EQ(GXGetPool(GXGetSheetContext(m_nSheet), GX_POOL_CONST), GXPoolOfCell(p));
    EXPECT_EQ("5", CellValue(m_nSheet, 1, 0));
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 2, 0, "=A1+1", NULL));
    EXPECT_EQ(GXGetPool(GXGetSheetContext(m_nSheet), GX_POOL_FORMULA),
              GXPoolOfCell(GXFindCellRecord(m_nSheet, 2, 0)));
    EXPECT_EQ(0, GXCountPoolCells(m_nSheet, GX_POOL_PLACEHOLDER));
}

TEST_F(SheetTest, StoresRefuseBadPositionsAndBadFormulas)
{
    EXPECT_EQ(0, GXStoreNumber(m_nSheet, 0, 0, 1));
    EXPECT_EQ(0, GXStoreNumber(m_nSheet, 1, 4096, 1));
    EXPECT_EQ(0, GXStoreFormula(m_nSheet, 8388608, 0, "=1", NULL));
    GXStoreNumber(m_nSheet, 1, 0, 7);
    EXPECT_EQ(0, GXStoreFormula(m_nSheet, 1, 0, "=1+", NULL));
    EXPECT_EQ("7", CellValue(m_nSheet, 1, 0));
    EXPECT_EQ(1, GXStoreNumber(m_nSheet, 8388607, 4095, 1));
}

TEST_F(SheetTest, ExtentFollowsTheOccupiedRowsAndColumns)
{
    GX_RANGE r;
    EXPECT_EQ(0, GXGetUsedExtent(m_nSheet, &r));
    GXStoreNumber(m_nSheet, 3, 1, 1);
    GXStoreNumber(m_nSheet, 5, 4, 1);
    GXStoreNumber(m_nSheet, 9, 2, 1);
    ASSERT_EQ(1, GXGetUsedExtent(m_nSheet, &r));
    EXPECT_STREQ("B3..E9", FormatCellReference(r));
    GXDeleteCellRecord(m_nSheet, GXFindCellRecord(m_nSheet, 3, 1));
    GXGetUsedExtent(m_nSheet, &r);
    EXPECT_STREQ("C5..E9", FormatCellReference(r));
    GXDeleteCellRecord(m_nSheet, GXFindCellRecord(m_nSheet, 9, 2));
    GXGetUsedExtent(m_nSheet, &r);
    EXPECT_STREQ("E5..E5", FormatCellReference(r));
    GX_RANGE clip = GXBoxRef(1, 0, 100, 100);
    EXPECT_EQ(1, GXClipToUsedExtent(m_nSheet, &clip));
    EXPECT_STREQ("E5..E5", FormatCellReference(clip));
    GXDeleteCellRecord(m_nSheet, GXFindCellRecord(m_nSheet, 5, 4));
    EXPECT_EQ(0, GXGetUsedExtent(m_nSheet, &r));
    EXPECT_EQ(0, GXClipToUsedExtent(m_nSheet, &clip));
}

TEST_F(SheetTest, IteratorScansOrProbesAndFindsTheSameCells)
{
    for (DWORD i = 0; i < 20; i++)
        GXStoreNumber(m_nSheet, 1 + i % 5, i / 5, i);
    GX_RANGE_ITER it;
    GXRangeIterInit(&it, m_nSheet, GXBoxRef(1, 0, 100, 99), GX_POOL_ALL);
    EXPECT_TRUE(it.bScan);
    GXRangeIterInit(&it, m_nSheet, GXBoxRef(2, 1, 3, 2), GX_POOL_ALL);
    EXPECT_FALSE(it.bScan);
    // A whole sheet has 2^32 + ... cells: counted in 64 bits it is still the larger side.
    GXRangeIterInit(&it, m_nSheet, GXBoxRef(1, 0, GX_MAX_ROW, GX_MAX_COL), GX_POOL_ALL);
    EXPECT_TRUE(it.bScan);
    for (GX_RANGE r : {GXBoxRef(2, 1, 4, 2), GXBoxRef(1, 0, 5, 3), GXBoxRef(5, 3, 9, 9)})
    {
        std::set<std::pair<DWORD, DWORD>> found[2];
        for (int nMode = 0; nMode < 2; nMode++)
        {
            GXRangeIterInit(&it, m_nSheet, r, GX_POOL_ALL);
            it.bScan = nMode;
            while (GX_CELL* p = GXRangeIterNext(&it))
                found[nMode].insert({p->nRow, p->nCol});
        }
        EXPECT_EQ(found[0], found[1]);
        EXPECT_FALSE(found[0].empty());
    }
}

TEST_F(SheetTest, LongTextIsCutToTheLimit)
{
    GX_CELL* p = GXAddPlaceholderCell(m_nSheet, 1, 0);
    GX_VALUE v;
    std::string s(600, 'z');
    v.nKind = GX_VALUE_STRING;
    v.pszValue = const_cast<char*>(s.c_str());
    GXSetCellValue(p, v);
    EXPECT_EQ(511u, GXCellText(p).GetLength());
    EXPECT_EQ(1, GXCountPoolCells(m_nSheet, GX_POOL_PLACEHOLDER));
}

TEST_F(SheetTest, TextEscapesAreDecodedAndShortTextsStayInline)
{
    GXStoreText(m_nSheet, 1, 0, "a\\tb");
    GXStoreText(m_nSheet, 2, 0, "12345678");
    GXStoreText(m_nSheet, 3, 0, "123456789");
    EXPECT_EQ("'a\tb'", CellValue(m_nSheet, 1, 0));
    EXPECT_EQ(GX_CELLVALUE_INLINESTR, GXFindCellRecord(m_nSheet, 2, 0)->ValueKind());
    EXPECT_EQ("'12345678'", CellValue(m_nSheet, 2, 0));
    EXPECT_EQ(GX_CELLVALUE_HEAPSTR, GXFindCellRecord(m_nSheet, 3, 0)->ValueKind());
}

TEST_F(SheetTest, PoolsKeepRecordsAcrossManyBlocks)
{
    for (DWORD r = 1; r <= 100; r++)
        GXStoreNumber(m_nSheet, r, 0, r);
    for (DWORD r = 1; r <= 100; r += 2)
        GXDeleteCellRecord(m_nSheet, GXFindCellRecord(m_nSheet, r, 0));
    EXPECT_EQ(50, GXCountPoolCells(m_nSheet, GX_POOL_CONST));
    int nLocked = GXLockPools(m_nSheet, GX_POOL_ALL);
    EXPECT_EQ(GX_POOL_ALL, nLocked);
    EXPECT_EQ(0, GXLockPools(m_nSheet, GX_POOL_CONST));
    for (DWORD r = 2; r <= 100; r += 2)
        GXDeleteCellRecord(m_nSheet, GXFindCellRecord(m_nSheet, r, 0));
    for (DWORD r = 1; r <= 40; r++)
        GXStoreNumber(m_nSheet, r, 1, r);
    GXUnlockPools(m_nSheet, nLocked);
    EXPECT_EQ(40, GXCountPoolCells(m_nSheet, GX_POOL_CONST));
    EXPECT_EQ("40", CellValue(m_nSheet, 40, 1));
}

class RecalcTest : public SheetTest
{
  protected:
    void SetUp() override
    {
        SheetTest::SetUp();
        GXSetForeground(m_nSheet, 1);
    }
    void Store(DWORD nRow, DWORD nCol, const char* psz)
    {
        ASSERT_TRUE(GXStoreFormula(m_nSheet, nRow, nCol, psz, NULL)) << psz;
        GXAddChangedRange(m_nSheet, GXCellRef(nRow, nCol));
    }
    void Number(DWORD nRow, DWORD nCol, double d)
    {
        GXStoreNumber(m_nSheet, nRow, nCol, d);
        GXAddChangedRange(m_nSheet, GXCellRef(nRow, nCol));
    }
    DWORD Flags(DWORD nRow, DWORD nCol)
    {
        return GXFindCellRecord(m_nSheet, nRow, nCol)->dwFlags;
    }
};

TEST_F(RecalcTest, DependantIsEvaluatedExactlyWhenAPrecedentChanged)
{
    Number(1, 0, 1);
    Number(1, 3, 1);
    Store(1, 1, "=CNT(A1)+1");
    Store(1, 2, "=CNT(D1)");
    Store(2, 1, "=B1*2");
    g_nCounted = 0;
    GXRecalc(m_nSheet);
    EXPECT_EQ(2, g_nCounted);
    EXPECT_EQ("4", CellValue(m_nSheet, 2, 1));
    Number(1, 0, 10);
    GXRecalc(m_nSheet);
    EXPECT_EQ(3, g_nCounted);
    EXPECT_EQ("11", CellValue(m_nSheet, 1, 1));
    EXPECT_EQ("22", CellValue(m_nSheet, 2, 1));
    EXPECT_EQ("1", CellValue(m_nSheet, 1, 2));
}

TEST_F(RecalcTest, TwoCellCycleIsMarkedAndIterated)
{
    GXSetBlankIsZero(m_nSheet, 1);
    Store(1, 0, "=B1+1");
    Store(1, 1, "=A1+1");
    GXRecalc(m_nSheet);
    EXPECT_TRUE(Flags(1, 0) & GX_CF_CYCLE);
    EXPECT_TRUE(Flags(1, 1) & GX_CF_CYCLE);
    EXPECT_EQ(1, GXGetSheetContext(m_nSheet)->bCycleFound);
    EXPECT_EQ("2", CellValue(m_nSheet, 1, 0));
    EXPECT_EQ("1", CellValue(m_nSheet, 1, 1));

    // Three further passes, each adding 2 to both.
    GXSetIterationLimit(m_nSheet, 3);
    GXAddChangedRange(m_nSheet, GXCellRef(1, 0));
    GXRecalc(m_nSheet);
    EXPECT_EQ("10", CellValue(m_nSheet, 1, 0));
    EXPECT_EQ("9", CellValue(m_nSheet, 1, 1));
    EXPECT_EQ(0, GXSetIterationLimit(m_nSheet, 101));
    EXPECT_EQ(3, GXGetIterationLimit(m_nSheet));
}

TEST_F(RecalcTest, AutomaticOffWaitsForAForcedRecalculation)
{
    Number(1, 0, 1);
    Store(2, 0, "=A1*3");
    GXRecalc(m_nSheet);
    EXPECT_EQ("3", CellValue(m_nSheet, 2, 0));
    ASSERT_EQ(1, GXSetRecalcMode(m_nSheet, 1));
    Number(1, 0, 2);
    EXPECT_EQ(0, GXRecalc(m_nSheet));
    EXPECT_EQ("3", CellValue(m_nSheet, 2, 0));
    Number(1, 0, 4);
    EXPECT_EQ(1, GXRecalcForced(m_nSheet));
    EXPECT_EQ("12", CellValue(m_nSheet, 2, 0));
    EXPECT_EQ(1, GXGetRecalcMode(m_nSheet));
}

TEST_F(RecalcTest, AsNeededEvaluatesWhenRead)
{
    Number(1, 0, 1);
    Store(2, 0, "=CNT(A1)");
    GXRecalc(m_nSheet);
    GXSetForeground(m_nSheet, 0);
    g_nCounted = 0;
    Number(1, 0, 5);
    GXRecalc(m_nSheet);
    EXPECT_EQ(0, g_nCounted);
    EXPECT_EQ("5", CellValue(m_nSheet, 2, 0));
    EXPECT_EQ(1, g_nCounted);
    EXPECT_EQ("5", CellValue(m_nSheet, 2, 0));
    EXPECT_EQ(1, g_nCounted);
}

// A chain as long as a column: no recursion along the references.
TEST_F(RecalcTest, LongChainInBothModes)
{
    const DWORD n = 100000;
    GXStoreNumber(m_nSheet, 1, 0, 1);
    char sz[32];
    for (DWORD r = 2; r <= n; r++)
    {
        sprintf(sz, "=A%lu+1", (unsigned long)(r - 1));
        ASSERT_TRUE(GXStoreFormula(m_nSheet, r, 0, sz, NULL));
    }
    GXRecalc(m_nSheet);
    EXPECT_EQ("100000", CellValue(m_nSheet, n, 0));
    GXSetForeground(m_nSheet, 0);
    Number(1, 0, 2);
    GXRecalc(m_nSheet);
    EXPECT_EQ("100001", CellValue(m_nSheet, n, 0));
}

TEST_F(RecalcTest, ErrorsAreStoredAndReported)
{
    Number(1, 1, 0);
    Store(1, 0, "=1/B1");
    Store(2, 0, "=3");
    Store(3, 0, "=A2+1");
    GXSetReportNextError(m_nSheet);
    GXRecalc(m_nSheet);
    EXPECT_EQ("#70", CellValue(m_nSheet, 1, 0));
    EXPECT_EQ("4", CellValue(m_nSheet, 3, 0));
    EXPECT_STREQ("Cell A1: ERROR:  divide by zero ", GXGetSheetContext(m_nSheet)->szMessage);
    EXPECT_EQ(0, GXGetSheetContext(m_nSheet)->bReportNextError);
}

TEST_F(RecalcTest, ConstraintViolationsAreCounted)
{
    GXSetConstraintCheck(m_nSheet, 1);
    Number(1, 1, 1);
    Store(1, 0, "=B1+1;A1>5");
    Store(2, 0, "=B1;0");
    GXSetReportNextError(m_nSheet);
    EXPECT_EQ(2, GXRecalcPass(m_nSheet));
    EXPECT_STREQ("There are 2 constraint violations!", GXGetSheetContext(m_nSheet)->szMessage);
    EXPECT_TRUE(Flags(1, 0) & GX_CF_VIOLATED);
    Number(1, 1, 10);
    GXSetReportNextError(m_nSheet);
    EXPECT_EQ(1, GXRecalcPass(m_nSheet));
    EXPECT_STREQ("There is 1 constraint violation!", GXGetSheetContext(m_nSheet)->szMessage);
    EXPECT_FALSE(Flags(1, 0) & GX_CF_VIOLATED);
}

TEST_F(SheetTest, SumCountsFormulasWithoutReferences)
{
    GXStoreFormula(m_nSheet, 1, 0, "=1+2", NULL);
    GXStoreNumber(m_nSheet, 2, 0, 1);
    GXStoreText(m_nSheet, 3, 0, "2");
    GXStoreText(m_nSheet, 4, 0, " -3");
    GXStoreText(m_nSheet, 5, 0, "x");
    EXPECT_EQ("3", Eval(m_nSheet, "=SUM(A1..A5)"));
    EXPECT_EQ("5", Eval(m_nSheet, "=SUM(\"5\", \"x\")"));
}
