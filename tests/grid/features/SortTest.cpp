// Sorting rows and columns: the kind of a key found from its texts, header double clicks that
// switch between ascending and descending, equal keys keeping their order, undo, and the cases
// that change nothing.
#include "FeatureTestApp.h"
#include "grid/core/GridParam.h"
#include "grid/core/LongOperation.h"
#include "grid/features/SortInfoArray.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <mbstring.h>
#include <algorithm>
#include <string>
#include <vector>

using namespace testing_support;

namespace
{
// A date as the user's short date format writes it.
std::string Date(WORD y, WORD m, WORD d)
{
    SYSTEMTIME st = {};
    st.wYear = y;
    st.wMonth = m;
    st.wDay = d;
    char sz[64] = "";
    ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, NULL, sz, sizeof(sz));
    return sz;
}

struct SortGrid : GridWindow
{
    CGXGridCore& g;
    explicit SortGrid(const std::vector<std::string>& keys) : GridWindow(400, 300), g(*grid)
    {
        g.SetRowCount((ROWCOL)keys.size(), GX_NOREDRAW);
        g.SetColCount(2, GX_NOREDRAW);
        for (ROWCOL r = 1; r <= keys.size(); r++)
        {
            g.SetValueRange(CGXCellRange(r, 1), keys[r - 1].c_str(), gxOverride, 0, GX_NOREDRAW);
            g.SetValueRange(CGXCellRange(r, 2), ("r" + std::to_string(r)).c_str(), gxOverride, 0,
                            GX_NOREDRAW);
            g.SetValueRange(CGXCellRange(0, 0), "", gxOverride, 0, GX_NOREDRAW);
        }
        g.GetParam()->m_bSortRowsOnDblClk = TRUE;
        g.GetParam()->m_bSortColsOnDblClk = TRUE;
        g.GetParam()->ClearUndoList();
        grid->UpdateWindow();
    }
    // Column c of every row.
    std::string Column(ROWCOL c)
    {
        std::string s;
        for (ROWCOL r = 1; r <= g.GetRowCount(); r++)
            s += std::string(r > 1 ? "," : "") + (LPCTSTR)g.GetStoredValueText(r, c);
        return s;
    }
    BOOL DblClkHeader(ROWCOL nRow, ROWCOL nCol)
    {
        return g.OnLButtonDblClkRowCol(nRow, nCol, 0, CPoint(1, 1));
    }
};
} // namespace

TEST(GridSort, TheKindOfAKeyComesFromItsTexts)
{
    struct Case
    {
        std::vector<std::string> keys;
        std::string sorted;
    } cases[] = {
        {{"10", "9", "100", "-4"}, "-4,9,10,100"}, // numbers, not texts
        {{"10", "9", "a", "100"}, "10,100,9,a"},   // one letter: texts
        {{"3-4", "10", "9"}, "10,3-4,9"},          // a minus inside: texts
        {{"5", "", "-2"}, "-2,,5"},                // empty counts as 0
        {{Date(2022, 1, 2), Date(2021, 12, 1), Date(2021, 3, 15)},
         (Date(2021, 3, 15) + "," + Date(2021, 12, 1) + "," + Date(2022, 1, 2)).c_str()}, // dates
        {{"b", "B", "a"}, "a,b,B"}, // case ignored, equal keys keep their order
        // Plain numbers and those only the system's conversion reads (separators, exponents,
        // more than 15 digits) in one order.
        {{"1.5", "0.05", "1,000", "-0.25", "999", "007", "0.5"}, "-0.25,0.05,0.5,1.5,007,999,1,000"},
        {{"1234567890123456789", "1e3", "999999999999999", "1000000000000000", "1001"},
         "1e3,1001,999999999999999,1000000000000000,1234567890123456789"},
    };
    for (const Case& c : cases)
    {
        SortGrid w(c.keys);
        EXPECT_TRUE(w.DblClkHeader(0, 1));
        EXPECT_EQ(c.sorted, w.Column(1)) << c.sorted;
        EXPECT_TRUE(w.ShowsFreshPaint());
    }
}

TEST(GridSort, TextsComeInTheOrderOfTheRuntimesCollation)
{
    // Signs between the capitals and the small letters, digits, letters beyond ASCII and equal
    // texts in different case: the order the runtime's collation gives, with or without case.
    const std::vector<std::string> keys = {"_b", "Zeta", "zebra",     "[x", "a",   "\xe9t\xe9", "Zoo", "z9",
                                           "A",  "b",    "\xc9T\xc9", "`q", "10a", "zoo",       "~",   "B"};
    for (BOOL bCase : {FALSE, TRUE})
    {
        std::vector<std::string> expected = keys;
        std::stable_sort(expected.begin(), expected.end(), [&](const std::string& a, const std::string& b) {
            const unsigned char* s1 = (const unsigned char*)a.c_str();
            const unsigned char* s2 = (const unsigned char*)b.c_str();
            return (bCase ? _mbscoll(s1, s2) : _mbsicoll(s1, s2)) < 0;
        });
        std::string strExpected;
        for (const std::string& k : expected)
            strExpected += (strExpected.empty() ? "" : ",") + k;
        SortGrid w(keys);
        CGXSortInfoArray info;
        CGXSortInfoEntry e = {};
        e.nRC = 1;
        e.sortType = gxSortAlpha;
        e.sortOrder = gxSortAscending;
        e.bCase = bCase;
        info.Add(e);
        w.g.SortRows(CGXCellRange().SetTable(), info);
        EXPECT_EQ(strExpected, w.Column(1)) << (bCase ? "with case" : "without case");
    }
}

TEST(GridSort, DoubleClicksSwitchTheOrderAndUndoPutsItBack)
{
    SortGrid w({"2", "10", "1", "10"});
    CGXGridParam* p = w.g.GetParam();
    EXPECT_TRUE(w.DblClkHeader(0, 1));
    EXPECT_EQ("1,2,10,10", w.Column(1));
    EXPECT_EQ("r3,r1,r2,r4", w.Column(2));
    EXPECT_EQ(1, p->m_nLastSortCol);
    EXPECT_EQ(-1, p->m_nLastSortRow);
    EXPECT_TRUE(p->m_bLastSortAscending);
    EXPECT_TRUE(w.DblClkHeader(0, 1));
    EXPECT_EQ("10,10,2,1", w.Column(1));
    EXPECT_EQ("r2,r4,r1,r3", w.Column(2)); // equal keys keep their order descending too
    EXPECT_FALSE(p->m_bLastSortAscending);
    EXPECT_TRUE(w.DblClkHeader(0, 1));
    EXPECT_EQ("1,2,10,10", w.Column(1));
    // Undo brings back each order before.
    ASSERT_TRUE(w.g.Undo());
    EXPECT_EQ("r2,r4,r1,r3", w.Column(2));
    ASSERT_TRUE(w.g.Undo());
    ASSERT_TRUE(w.g.Undo());
    EXPECT_EQ("r1,r2,r3,r4", w.Column(2));
    EXPECT_TRUE(w.ShowsFreshPaint());
    // Without the switch a header double click does not sort; a cell is no header.
    p->m_bSortRowsOnDblClk = FALSE;
    EXPECT_FALSE(w.DblClkHeader(0, 1));
    EXPECT_FALSE(w.DblClkHeader(2, 2));
    EXPECT_EQ("r1,r2,r3,r4", w.Column(2));
}

TEST(GridSort, ColumnsByARowHeaderAndRowsByTwoKeys)
{
    SortGrid w({"b", "a", "b"});
    w.g.SetColCount(3);
    for (ROWCOL c = 1; c <= 3; c++)
        w.g.SetValueRange(CGXCellRange(1, c), std::to_string(4 - c).c_str());
    EXPECT_TRUE(w.DblClkHeader(1, 0));
    EXPECT_EQ(CString("1"), w.g.GetStoredValueText(1, 1));
    EXPECT_EQ(CString("3"), w.g.GetStoredValueText(1, 3));
    EXPECT_EQ(1, w.g.GetParam()->m_nLastSortRow);
    EXPECT_EQ(-1, w.g.GetParam()->m_nLastSortCol);

    SortGrid k({"b", "a", "b", "a"});
    CGXSortInfoArray info;
    info.SetSize(2);
    info[0] = {1, gxSortAlpha, gxSortAscending, 0, 0, 0, 0};
    info[1] = {2, gxSortDetermine, gxSortDescending, 0, 0, 0, 0};
    CGXCellRange table;
    k.g.SortRows(table.SetTable(), info);
    EXPECT_EQ("a,a,b,b", k.Column(1));
    EXPECT_EQ("r4,r2,r3,r1", k.Column(2));
    EXPECT_EQ((DWORD)gxSortAlpha, info[1].sortType); // "r1" ... are texts
}

TEST(GridSort, NothingChangesWithoutRowsOrComponentsOrWhenAborted)
{
    {
        SortGrid w({"2"});
        EXPECT_TRUE(w.DblClkHeader(0, 1));
        EXPECT_EQ("2", w.Column(1));
        EXPECT_EQ(0, w.g.GetParam()->GetUndoList().GetCount());
    }
    {
        SortGrid w({"2", "1"});
        CGXAppData* pApp = GXGetAppData();
        CGXAbstractGridSortMoveDataImp* pOld = pApp->m_pSortMoveDataImp;
        pApp->m_pSortMoveDataImp = NULL;
        EXPECT_TRUE(w.DblClkHeader(0, 1));
        pApp->m_pSortMoveDataImp = pOld;
        EXPECT_EQ("2,1", w.Column(1));
        EXPECT_EQ(0, w.g.GetParam()->GetUndoList().GetCount());
    }
    {
        // Esc during the key collection of a long sort, answered Yes: no row moves.
        SortGrid w({"3", "1", "2"});
        w.g.SetRowCount(65535, GX_NOREDRAW);
        w.g.GetParam()->ClearUndoList();
        CGXLongOperationSettings* s = GXGetLongOperationSettings();
        DWORD dwFirst = s->m_dwTicksFirstTime;
        s->m_dwTicksFirstTime = 0;
        MessageBoxes boxes;
        boxes.Expect(IDYES, "abbrechen?");
        ::PostMessage(w.grid->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        EXPECT_TRUE(w.DblClkHeader(0, 1));
        s->m_dwTicksFirstTime = dwFirst;
        EXPECT_EQ(0u, boxes.Pending());
        EXPECT_EQ(CString("3"), w.g.GetStoredValueText(1, 1));
        EXPECT_EQ(CString("1"), w.g.GetStoredValueText(2, 1));
        EXPECT_EQ(0, w.g.GetParam()->GetUndoList().GetCount());
    }
    {
        // Without the sort component nothing sorts and the double click is the grid's.
        SortGrid w({"2", "1"});
        CGXAbstractGridSortImp* pImp = w.g.m_pSortImp;
        w.g.m_pSortImp = NULL;
        EXPECT_FALSE(w.DblClkHeader(0, 1));
        CDWordArray order;
        order.Add(1);
        order.Add(0);
        EXPECT_FALSE(w.g.ApplyRowOrder(CGXCellRange(1, 1, 2, 2), &order));
        w.g.m_pSortImp = pImp;
        EXPECT_EQ("2,1", w.Column(1));
    }
}

TEST(GridSort, TheInfoArrayGrowsAsTheFrameworkArrays)
{
    CGXSortInfoArray a;
    a.SetSize(1);
    EXPECT_EQ(4, a.GetAllocatedSize()); // at least four
    a.SetSize(40);
    a.SetSize(41);
    EXPECT_EQ(45, a.GetAllocatedSize()); // an eighth of 40, at least four
    EXPECT_EQ(0u, a[40].nRC + a[40].sortType + a[40].bMayBeDate);
    a.SetSize(2, 10);
    a.SetSize(50);
    EXPECT_EQ(55, a.GetAllocatedSize()); // by the ten given
    a.SetSize(56);
    EXPECT_EQ(65, a.GetAllocatedSize());
}
