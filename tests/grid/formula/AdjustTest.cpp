// Named ranges and the adjustment of references through copies, moves and structure changes.
#include "FormulaTestSupport.h"
#include "grid/formula/FormulaSheet.h"
#include "grid/formula/UndoEngineCellsInfo.h"
#include <functional>

using namespace formula_test;

TEST_F(SheetTest, NameRules)
{
    std::string longName(40, 'n');
    GX_RANGE r = GXBoxRef(1, 0, 2, 0);
    ASSERT_EQ(1, GXDefineRangeName(m_nSheet, longName.c_str(), r));
    GX_RANGE_NAME* p = GXFindRangeName(m_nSheet, longName.substr(0, 31).c_str(), NULL);
    ASSERT_TRUE(p != NULL);
    EXPECT_EQ(31u, strlen(p->pszName));
    ASSERT_EQ(1, GXDefineRangeName(m_nSheet, longName.c_str(), GXCellRef(5, 5)));
    GX_RANGE out;
    EXPECT_EQ(p, GXFindRangeName(m_nSheet, "NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN", &out));
    EXPECT_STREQ("F5", FormatCellReference(out));
    for (const char* pszBad : {"1abc", "", "a b", ".x", "a-b"})
        EXPECT_EQ(0, GXDefineRangeName(m_nSheet, pszBad, r)) << pszBad;
    for (const char* pszGood : {"_a", "$b", "c.d_1$"})
        EXPECT_EQ(1, GXDefineRangeName(m_nSheet, pszGood, r)) << pszGood;
    EXPECT_EQ(0, GXDeleteRangeName(m_nSheet, "nothere"));
}

TEST_F(SheetTest, DeletingAUsedNameLeavesTheAddress)
{
    GXDefineRangeName(m_nSheet, "Cells", GXBoxRef(1, 0, 3, 0));
    GXDefineRangeName(m_nSheet, "One", GXCellRef(2, 1));
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 1, 3, "=SUM(Cells)+One", NULL));
    EXPECT_EQ(1, GXDeleteRangeName(m_nSheet, "cells"));
    EXPECT_EQ(1, GXDeleteRangeName(m_nSheet, "ONE"));
    std::string s;
    GXFormulaToText(m_nSheet, GXFindCellRecord(m_nSheet, 1, 3)->pFormula, s);
    EXPECT_EQ("=SUM(A1..A3)+B2", s);
    EXPECT_EQ("281@1", Reparse(m_nSheet, "=One"));
}

TEST_F(SheetTest, CopiesShiftRelativeReferences)
{
    GXStoreNumber(m_nSheet, 1, 0, 3);
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 2, 2, "=C1+$A$1+A$1", NULL));
    ASSERT_EQ(1, GXCopyCells(m_nSheet, GXCellRef(2, 2), 5, 3));
    std::string s;
    GXFormulaToText(m_nSheet, GXFindCellRecord(m_nSheet, 5, 3)->pFormula, s);
    EXPECT_EQ("=D4+$A$1+B$1", s);
    ASSERT_EQ(1, GXCopyCells(m_nSheet, GXCellRef(2, 2), 1, 2));
    GXFormulaToText(m_nSheet, GXFindCellRecord(m_nSheet, 1, 2)->pFormula, s);
    EXPECT_EQ("=??+$A$1+A$1", s);
    EXPECT_EQ("#89", CellValue(m_nSheet, 1, 2));
    EXPECT_EQ(0, GXCopyCells(m_nSheet, GXCellRef(50, 50), 1, 1));
}

TEST_F(SheetTest, MovesCarryReferencesAndNames)
{
    GXStoreNumber(m_nSheet, 1, 0, 1);
    GXStoreNumber(m_nSheet, 2, 0, 2);
    GXDefineRangeName(m_nSheet, "Top", GXBoxRef(1, 0, 2, 0));
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 1, 4, "=A1+SUM(A1..A2)+SUM(A1..A3)", NULL));
    ASSERT_EQ(1, GXMoveCells(m_nSheet, GXBoxRef(1, 0, 2, 0), 5, 1, 0));
    std::string s;
    GXFormulaToText(m_nSheet, GXFindCellRecord(m_nSheet, 1, 4)->pFormula, s);
    EXPECT_EQ("=B5+SUM(B5..B6)+SUM(A1..A3)", s);
    GX_RANGE r;
    GXFindRangeName(m_nSheet, "Top", &r);
    EXPECT_STREQ("B5..B6", FormatCellReference(r));
    EXPECT_TRUE(GXFindCellRecord(m_nSheet, 1, 0) == NULL);
    EXPECT_EQ("2", CellValue(m_nSheet, 6, 1));
}

namespace
{
// A1..A10 hold 1..10; row 1 holds formulas in C..G; R names A3..A7.
class StructureTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        InstallTestFunctions();
        for (int i = 1; i <= 10; i++)
            m_sheet.SetNumberRowCol(i, 1, i);
        m_sheet.SetRangeName("R", CGXCellRange(3, 1, 7, 1), NULL);
        const char* apsz[] = {"=SUM(A1..A10)", "=A5", "=A9+A10", "=$A$6", "=SUM(R)"};
        for (int i = 0; i < 5; i++)
            ASSERT_TRUE(m_sheet.SetExpressionRowCol(1, 3 + i, apsz[i]));
        m_sheet.SetKeepUndoInfo(TRUE);
        delete m_sheet.DetachUndoInfo();
    }
    std::string Row1()
    {
        std::string s;
        for (ROWCOL c = 3; c <= 7; c++)
            s += std::string(c > 3 ? " | " : "") + (LPCTSTR)m_sheet.GetExpressionTextRowCol(1, c) + " " +
                 (LPCTSTR)m_sheet.GetValueTextRowCol(1, c);
        CGXCellRange r;
        m_sheet.GetRangeName("R", r);
        char sz[64];
        sprintf(sz, " | R %lu..%lu", (unsigned long)r.top, (unsigned long)r.bottom);
        return s + sz;
    }
    CGXFormulaSheet m_sheet;
};

const char* const kBefore = "=SUM(A1..A10) 55 | =A5 5 | =A9+A10 19 | =$A$6 6 | =SUM(R) 25 | R 3..7";

struct StructureCase
{
    const char* pszName;
    std::function<BOOL(CGXFormulaSheet&)> op;
    const char* pszAfter;
    std::function<BOOL(CGXFormulaSheet&)> inverse;
};
} // namespace

TEST_F(StructureTest, InsertRemoveMoveAndSortWithUndo)
{
    const StructureCase cases[] = {
        {"insert 2 rows at 5", [](CGXFormulaSheet& s) { return s.InsertRows(5, 2); },
         "=SUM(A1..A12) 55 | =A7 5 | =A11+A12 19 | =$A$8 6 | =SUM(R) 25 | R 3..9",
         [](CGXFormulaSheet& s) { return s.RemoveRows(5, 6); }},
        {"remove row 5", [](CGXFormulaSheet& s) { return s.RemoveRows(5, 5); },
         "=SUM(A1..A9) 50 | =?? Error! | =A8+A9 19 | =$A$5 6 | =SUM(R) 20 | R 3..6",
         [](CGXFormulaSheet& s) { return s.InsertRows(5, 1); }},
        {"remove rows 4..6", [](CGXFormulaSheet& s) { return s.RemoveRows(4, 6); },
         "=SUM(A1..A7) 40 | =?? Error! | =A6+A7 19 | =?? Error! | =SUM(R) 10 | R 3..4",
         [](CGXFormulaSheet& s) { return s.InsertRows(4, 3); }},
        {"move rows 9..10 to 2", [](CGXFormulaSheet& s) { return s.MoveRows(9, 10, 2); },
         "=SUM(A1..A10) 55 | =A7 5 | =A2+A3 19 | =$A$8 6 | =SUM(R) 25 | R 5..9",
         [](CGXFormulaSheet& s) { return s.MoveRows(2, 3, 9); }},
        {"sort rows 2..5 backwards",
         [](CGXFormulaSheet& s) {
             CDWordArray order;
             for (DWORD r : {5, 4, 3, 2})
                 order.Add(r);
             return s.ReorderRows(order, 2);
         },
         "=SUM(A1..A10) 55 | =A2 5 | =A9+A10 19 | =$A$6 6 | =SUM(R) 22 | R 3..7",
         [](CGXFormulaSheet& s) {
             CDWordArray order;
             for (DWORD r : {5, 4, 3, 2})
                 order.Add(r);
             return s.ReorderRows(order, 2);
         }},
    };
    ASSERT_EQ(kBefore, Row1());
    for (const StructureCase& c : cases)
    {
        ASSERT_TRUE(c.op(m_sheet)) << c.pszName;
        EXPECT_EQ(c.pszAfter, Row1()) << c.pszName;
        CObject* pInfo = m_sheet.DetachUndoInfo();
        ASSERT_TRUE(c.inverse(m_sheet)) << c.pszName;
        delete m_sheet.DetachUndoInfo();
        if (pInfo != NULL)
        {
            m_sheet.ApplyUndoInfo(pInfo, FALSE, TRUE);
            m_sheet.ApplyUndoInfo(pInfo, FALSE, FALSE);
        }
        delete pInfo;
        EXPECT_EQ(kBefore, Row1()) << "undo of " << c.pszName;
        for (int i = 1; i <= 10; i++)
            EXPECT_DOUBLE_EQ(i, m_sheet.GetNumberRowCol(i, 1)) << c.pszName;
    }
}

TEST_F(StructureTest, ColumnsFollowToo)
{
    ASSERT_TRUE(m_sheet.InsertCols(1, 1));
    EXPECT_EQ(CString("=SUM(B1..B10)"), m_sheet.GetExpressionTextRowCol(1, 4));
    EXPECT_EQ(CString("55"), m_sheet.GetValueTextRowCol(1, 4));
    ASSERT_TRUE(m_sheet.RemoveCols(2, 2));
    EXPECT_EQ(CString("=SUM(?\?)"), m_sheet.GetExpressionTextRowCol(1, 3));
    EXPECT_EQ(CString("Error!"), m_sheet.GetValueTextRowCol(1, 3));
}

TEST_F(StructureTest, InsertThatWouldPushCellsOffTheSheetIsRefused)
{
    m_sheet.SetNumberRowCol(GX_MAX_ROW, 1, 1);
    EXPECT_FALSE(m_sheet.InsertRows(5, 1));
    EXPECT_EQ(kBefore, Row1());
    EXPECT_DOUBLE_EQ(1, m_sheet.GetNumberRowCol(GX_MAX_ROW, 1));
}
