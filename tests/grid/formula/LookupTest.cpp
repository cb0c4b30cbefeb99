// Lookup, reference and information functions: searches, positions, references and choices.
#include "FunctionSheetTest.h"
#include "grid/formula/CellStore.h"

using namespace formula_test;

namespace
{
// F1..F3 10, 20, 30 with G1..G3 "a", "b", "c"; H1..H4 1, 5, 9, 1; I1..I3 "apple", "banana",
// "cherry"; J1 an error.
class LookupTest : public FunctionSheetTest
{
  protected:
    void SetUp() override
    {
        FunctionSheetTest::SetUp();
        const char* aTexts[] = {"a", "b", "c"};
        const char* aFruits[] = {"apple", "banana", "cherry"};
        for (int i = 0; i < 3; i++)
        {
            GXStoreNumber(m_nSheet, 1 + i, 5, 10 * (i + 1));
            GXStoreText(m_nSheet, 1 + i, 6, aTexts[i]);
            GXStoreText(m_nSheet, 1 + i, 8, aFruits[i]);
        }
        const double aNumbers[] = {1, 5, 9, 1};
        for (int i = 0; i < 4; i++)
            GXStoreNumber(m_nSheet, 1 + i, 7, aNumbers[i]);
        GXStoreFormula(m_nSheet, 1, 9, "=1/0", NULL);
        GXRecalc(m_nSheet);
    }
};

TEST_F(LookupTest, LookupEdgeCasesAndErrors)
{
    const EdgeCase aCases[] = {
        {"=VLOOKUP(25,F1..G3,1)", "'b'"},
        {"=VLOOKUP(5,F1..G3,1)", "#115"},
        {"=VLOOKUP(35,F1..G3,1)", "'c'"},
        {"=VLOOKUP(20,F1..G3,0)", "20"},
        {"=VLOOKUP(20,F1..G3,2)", "#62"},
        {"=VLOOKUP(20,F1..G3,1e10)", "#62"},
        {"=VLOOKUP(\"b\",G1..G3,0)", "'b'"},
        {"=VLOOKUP(\"B\",G1..G3,0)", "#115"},
        {"=HLOOKUP(25,F1..G3,1)", "'b'"},
        {"=HLOOKUP(5,F1..G3,1)", "#115"},
        {"=HLOOKUP(10,F1..G3,2)", "30"},
        {"=HLOOKUP(10,F1..G3,3)", "#151"},
        {"=MATCH(\"b*\",I1..I3,0)", "2"},
        {"=MATCH(\"B*\",I1..I3,0)", "0"},
        {"=MATCH(\"?herry\",I1..I3)", "3"},
        {"=MATCH(\"b*\",I1..I3,1)", "#302"},
        {"=MATCH(7,H1..H4,1)", "2"},
        {"=MATCH(7,H1..H4,-1)", "3"},
        {"=MATCH(7,H1..H4,0)", "0"},
        {"=MATCH(9,H1..H4)", "3"},
        {"=MATCH(7,F1..G3)", "#103"},
        {"=CHOOSE(0,\"a\",\"b\")", "'a'"},
        {"=CHOOSE(1,\"a\",\"b\")", "'b'"},
        {"=CHOOSE(2,\"a\",\"b\")", "#155"},
        {"=CHOOSE(-1,\"a\",\"b\")", "#155"},
        {"=CHOOSE(1e10,\"a\",\"b\")", "#155"},
        {"=CHOOSE(0,1,1/0)", "1"},
        {"=IF(1,2,1/0)", "2"},
        {"=IF(0,1/0,3)", "3"},
        {"=INDEX(F1..H3,2,0)", "range"},
        {"=ROWS(INDEX(F1..H3,2,0))", "1"},
        {"=COLS(INDEX(F1..H3,2,0))", "3"},
        {"=ROWS(INDEX(F1..H3,0,2))", "3"},
        {"=COL(INDEX(F1..H3,0,2))", "6"},
        {"=INDEX(F1..H3,0,0)", "#135"},
        {"=SUM(INDEX(F1..F5,3))", "30"},
        {"=INDEX(F1..F5,3)", "cell"},
        {"=INDEX(F1..H3,4,1)", "#55"},
        {"=INDEX(F1..H3,2)", "#165"},
        {"=SUM(INDEX(F1..H3,2,3))", "5"},
        {"=INDEX(F1..F3,1e10)", "#55"},
        {"=COL(A1)", "0"},
        {"=COL(F1..G2)", "5"},
        {"=ROW(F2..G3)", "2"},
        {"=ROW()", "100"},
        {"=COL()", "10"},
        {"=ROW(3)", "#98"},
        {"=ROWS(F1..G3)", "3"},
        {"=COLS(F1..H3)", "3"},
        {"=SUM(CELLREF(5,2))", "20"},
        {"=CELLREF(5,0)", "#110"},
        {"=CELLREF(4096,1)", "#110"},
        {"=SUM(RANGEREF(5,1,5,3))", "60"},
        {"=RANGEREF(5,0,5,3)", "#112"},
        {"=ROWS(INTERSECT(F1..H3,G2..K9))", "2"},
        {"=INTERSECT(F1..F2,H1..H2)", "empty"},
        {"=NA()", "empty"},
        {"=TRUE()", "1"},
        {"=FALSE()", "0"},
        {"=ISNUMBER(F1)", "1"},
        {"=ISNUMBER(K9)", "1"},
        {"=ISNUMBER(G1)", "0"},
        {"=ISSTRING(G1)", "1"},
        {"=ISNUMBER(F1..F2)", "#98"},
        {"=ISERROR(1/0)", "1"},
        {"=ISERROR(J1)", "1"},
        {"=ISERROR(F1)", "0"},
        {"=ISERROR(SQRT(-1))", "1"},
        {"=ISERROR(F1..F2)", "#98"},
        {"=FILEEXISTS(\"C:\\\\no such file.txt\")", "0"},
        {"=FILEEXISTS(3)", "#98"},
        {"=INIT(0,1/0)", "0"},
        {"=CELLINFO(\"TYPE\",K9)", "'b'"},
        {"=CELLINFO(\"type\",G1)", "'l'"},
        {"=CELLINFO(\"Type\",F1)", "'v'"},
        {"=CELLINFO(\"row\",F2..G3)", "2"},
        {"=CELLINFO(\"col\",F2)", "5"},
        {"=CELLINFO(\"contents\",F2..G3)", "range"},
        {"=CELLINFO(\"bogus\",F1)", "#97"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
}

// MESSAGE posts its text once the sheet asks for the next error to be reported.
TEST_F(LookupTest, MessageFillsTheSheetsBuffer)
{
    GX_SHEET_CONTEXT* c = GXGetSheetContext(m_nSheet);
    c->szMessage[0] = 0;
    EXPECT_EQ("1", Eval(m_nSheet, "=MESSAGE(1,\"first\")"));
    EXPECT_STREQ("", c->szMessage);
    GXSetReportNextError(m_nSheet);
    EXPECT_EQ("0", Eval(m_nSheet, "=MESSAGE(0,\"zero\")"));
    EXPECT_STREQ("", c->szMessage);
    EXPECT_EQ("1", Eval(m_nSheet, "=MESSAGE(1,\"hello\")"));
    EXPECT_STREQ("hello", c->szMessage);
    EXPECT_EQ(0, c->bReportNextError);
    EXPECT_EQ("#98", Eval(m_nSheet, "=MESSAGE(1,5)"));
}

// MATCH answers a position in the range even where the store keeps constants and formulas
// apart.
TEST_F(LookupTest, MatchCountsPositionsInTheRange)
{
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 1, 11, "=2+0", NULL));
    GXStoreNumber(m_nSheet, 2, 11, 7);
    GXStoreNumber(m_nSheet, 4, 11, 8);
    GXRecalc(m_nSheet);
    EXPECT_EQ("1", Eval(m_nSheet, "=MATCH(2,L1..L5000)"));
    EXPECT_EQ("2", Eval(m_nSheet, "=MATCH(7,L1..L5000)"));
    EXPECT_EQ("4", Eval(m_nSheet, "=MATCH(8,L1..L5000)"));
    EXPECT_EQ("2", Eval(m_nSheet, "=MATCH(7.5,L1..L5000,1)"));
}
} // namespace
