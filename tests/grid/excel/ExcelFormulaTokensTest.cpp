// Formula tokens: engine formulas written as BIFF8 tokens, token streams read back into
// formulas, damaged streams, and the FORMULA result field with its STRING record.
#include "ExcelTestApp.h"
#include "grid/excel/ExcelFormulaTokens.h"
#include "grid/formula/Evaluator.h"
#include "grid/formula/FormulaText.h"
#include "grid/formula/RangeNames.h"
#include "grid/formula/WorksheetFunctions.h"
#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>

namespace
{
Bytes Num(double d)
{
    Bytes b(9, 0x1F);
    memcpy(&b[1], &d, 8);
    return b;
}

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

class FormulaTokens : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        GXCreateDefaultWorksheetFunctions();
        m_nSheet = GXCreateSheet();
    }
    void TearDown() override
    {
        GXDeleteSheet(m_nSheet);
    }
    // Stores a formula at engine row 5, column 3 (D5) and returns its cell.
    GX_CELL* Store(const char* pszFormula, DWORD nRow = 5, DWORD nCol = 3)
    {
        if (!GXStoreFormula(m_nSheet, nRow, nCol, pszFormula, NULL))
            return NULL;
        GXRecalcForced(m_nSheet);
        return GXFindCellRecord(m_nSheet, nRow, nCol);
    }
    std::string Text(const GX_CELL* pCell)
    {
        std::string s;
        GXFormulaToText(m_nSheet, pCell->pFormula, s);
        return s;
    }
    // The text read back from tokens, or "error N".
    std::string Read(const Bytes& tokens, WORD nRow = 4, WORD nCol = 3)
    {
        CString s;
        int nError = GXFormulaTokensToText(m_nSheet, tokens.data(), (int)tokens.size(), nRow, nCol, s);
        return nError != 0 ? "error " + std::to_string(nError) : std::string((LPCTSTR)s);
    }
    int m_nSheet = 0;
};

TEST_F(FormulaTokens, ConditionalIsWrittenInTheAttributeForm)
{
    const Bytes expected = Cat({{0x44, 0x00, 0x00, 0x00, 0xC0},
                                Num(0),
                                {0x0D, 0x19, 0x02, 13, 0x00},
                                Num(1),
                                {0x19, 0x08, 16, 0x00},
                                Num(2),
                                {0x19, 0x08, 0x03, 0x00, 0x42, 0x03, 0x01, 0x00}});
    for (const char* psz : {"=A1>0?1:2", "=IF(A1>0,1,2)"})
    {
        GX_CELL* pCell = Store(psz);
        ASSERT_TRUE(pCell != NULL) << psz;
        Bytes tokens;
        ASSERT_TRUE(GXWriteFormulaTokens(pCell, tokens)) << psz;
        EXPECT_EQ(HexOf(expected), HexOf(tokens)) << psz;
        EXPECT_EQ("=A1>0?1:2", Read(tokens)) << psz;
    }
}

// Formulas written and read back; an empty expectation means the same text.
struct RoundTrip
{
    const char* pszFormula;
    const char* pszReadBack;
};

const RoundTrip s_aRoundTrips[] = {
    {"=A1+B2*3", ""},
    {"=(A1+B2)*3", ""},
    {"=$A$1-B$2/$C3", ""},
    {"=-A1**2", "=-(A1**2)"},
    {"=(-A1)**2", ""},
    {"=2**3**2", "=(2**3)**2"},
    {"=A1%+5", ""},
    {"=A1==B1", ""},
    {"=A1!=B1", ""},
    {"=A1<B1", ""},
    {"=A1>=B1", ""},
    {"=A1<=B1==1", ""},
    {"=A1==(B1<=1)", ""},
    {"=A1>0?\"ja\":\"nein\"", ""},
    {"=A1?B1?1:2:3", ""},
    {"=(A1?1:2)+3", ""},
    {"=\"abc\"", ""},
    {"=\"Gr\xFC\xDF"
     "e \x80\"",
     ""},
    {"=\"\"", ""},
    {"=SUM(A1..B5,$C$1..D$2,7)", ""},
    {"=ROUND(A1/3,2)", ""},
    {"=ATAN2(1,2)", ""},
    {"=MODULUS(-7,3)", ""},
    {"=STRCAT(\"a\",B1)", ""},
    {"=PI()", ""},
    {"=MAX(A1..A3)-MIN(A1..A3)", ""},
    {"=$C20000", ""},
    {"=IV65536", ""},
    {"=A1&&B1", "=AND(A1,B1)"},
    {"=A1||B1", "=OR(A1,B1)"},
    {"=!A1", "=NOT(A1)"},
    {"=IF(A1,2,3)", "=A1?2:3"},
    {"=#{-1,2}", "=C7"},
    {"=??+1", ""},
};

TEST_F(FormulaTokens, FormulasReadBackToTheirText)
{
    for (const RoundTrip& c : s_aRoundTrips)
    {
        GX_CELL* pCell = Store(c.pszFormula);
        ASSERT_TRUE(pCell != NULL) << c.pszFormula;
        ASSERT_TRUE(pCell->pFormula != NULL) << c.pszFormula;
        Bytes tokens;
        ASSERT_TRUE(GXWriteFormulaTokens(pCell, tokens)) << c.pszFormula;
        std::string expected = *c.pszReadBack ? c.pszReadBack : Text(pCell);
        EXPECT_EQ(expected, Read(tokens)) << c.pszFormula << ": " << HexOf(tokens);
    }
}

TEST_F(FormulaTokens, WhatTheTokensCannotSayIsRefused)
{
    const char* const apszFormulas[] = {
        "=A1%3",      // remainder with the dividend's sign
        "=MOD(-7,3)", // likewise
        "=A1&B1",     // bitwise and
        "=A1|B1",
        "=A1^B1",
        "=~A1",
        "=A1<<2",
        "=A1>>2",
        "=FLOOR(2.5)",   // the file's function takes two arguments
        "=CELLREF(1,1)", // no function number
        "=A65537",       // past the file's rows
        "=IW1",          // past its columns
        "=#{A1,0}",      // a computed offset
        "=UNKNOWNNAME(1)",
    };
    for (const char* psz : apszFormulas)
    {
        GX_CELL* pCell = Store(psz);
        if (pCell == NULL || pCell->pFormula == NULL)
            continue; // not a formula of the engine either
        Bytes tokens(3, 0xAA);
        EXPECT_FALSE(GXWriteFormulaTokens(pCell, tokens)) << psz;
        EXPECT_EQ(3u, tokens.size()) << psz;
        std::vector<BYTE> records;
        EXPECT_FALSE(GXBuildFormulaRecords(m_nSheet, pCell, 4, 3, 15, records)) << psz;
        EXPECT_TRUE(records.empty()) << psz;
    }
    EXPECT_TRUE(Store("=MOD(-7,3)") != NULL);
    EXPECT_TRUE(Store("=A1%3") != NULL);
}

TEST_F(FormulaTokens, NamedRangesAreWrittenAsTheirReferences)
{
    ASSERT_TRUE(GXDefineRangeName(m_nSheet, "WERTE", GXBoxRef(1, 0, 3, 1)));
    ASSERT_TRUE(GXDefineRangeName(m_nSheet, "ECKE", GXCellRef(2, 2)));
    GX_CELL* pCell = Store("=SUM(WERTE)+ECKE");
    ASSERT_TRUE(pCell != NULL);
    Bytes tokens;
    ASSERT_TRUE(GXWriteFormulaTokens(pCell, tokens));
    EXPECT_EQ("=SUM(A1..B3)+C2", Read(tokens));
}

TEST_F(FormulaTokens, StringConstantsCarryTheOptionByte)
{
    Bytes tokens;
    ASSERT_TRUE(GXWriteFormulaTokens(Store("=\"ab\""), tokens));
    EXPECT_EQ(HexBytes("17 02 00 61 62"), tokens);
    tokens.clear();
    ASSERT_TRUE(GXWriteFormulaTokens(Store("=\"\x80\""), tokens));
    EXPECT_EQ(HexBytes("17 01 01 AC 20"), tokens);
    std::string s300(300, 'x');
    tokens.clear();
    ASSERT_TRUE(GXWriteFormulaTokens(Store(("=\"" + s300 + "\"").c_str()), tokens));
    ASSERT_EQ(3u + 255u, tokens.size());
    EXPECT_EQ(255, tokens[1]);
    EXPECT_EQ("=\"" + std::string(255, 'x') + "\"", Read(tokens));
}

// Token streams as other programs write them, and damaged ones.
struct ReadCase
{
    const char* pszName;
    Bytes tokens;
    const char* pszExpected; // formula text, or "error N"
};

Bytes Many(const Bytes& unit, int n)
{
    Bytes out;
    for (int i = 0; i < n; i++)
        out.insert(out.end(), unit.begin(), unit.end());
    return out;
}

TEST_F(FormulaTokens, TokenStreamsAreReadOrRefused)
{
    const Bytes a1 = {0x44, 0x00, 0x00, 0x00, 0xC0};
    const ReadCase cases[] = {
        {"concatenation", {0x17, 1, 0, 'a', 0x17, 1, 0, 'b', 0x08}, "=STRCAT(\"a\",\"b\")"},
        {"16-bit string", {0x17, 2, 1, 0xFC, 0x00, 0xAC, 0x20}, "=\"\xFC\\200\""},
        {"integer, boolean", {0x1E, 7, 0, 0x1D, 1, 0x03}, "=7+1"},
        {"two-argument IF", Cat({a1, {0x19, 0x02, 7, 0}, {0x1E, 1, 0}, {0x19, 0x08, 3, 0}, {0x42, 2, 1, 0}}),
         "=A1?1:0"},
        {"IF as LibreOffice writes it",
         Cat({a1,
              {0x1E, 0, 0, 0x0D},
              {0x19, 0x02, 7, 0},
              {0x17, 1, 0, 'x'},
              {0x19, 0x08, 10, 0},
              {0x17, 1, 0, 'y'},
              {0x19, 0x08, 3, 0},
              {0x42, 3, 1, 0}}),
         "=A1>0?\"x\":\"y\""},
        {"one-argument IF", Cat({a1, {0x42, 1, 1, 0}}), "error 230"},
        {"IF without operands", {0x42, 3, 1, 0}, "error 257"},
        {"operator without operands", {0x03}, "error 257"},
        {"operator with one operand", {0x1E, 1, 0, 0x03}, "error 257"},
        {"parentheses of nothing", {0x15}, "error 257"},
        {"two expressions", {0x1E, 1, 0, 0x1E, 2, 0}, "error 258"},
        {"300 nodes", Cat({Many({0x1E, 1, 0}, 150), Many({0x03}, 149), {0x13}}), "error 259"},
        {"unknown token", {0x1E, 1, 0, 0xFF}, "error 255"},
        {"missing argument", {0x16}, "error 22"},
        {"name", {0x23, 1, 0, 0, 0}, "error 35"},
        {"unresolved shared formula", {0x01, 0, 0, 0, 0}, "error 1"},
        {"cut number", {0x1F, 0, 0}, "error 256"},
        {"cut string", {0x17, 5, 0, 'a'}, "error 256"},
        {"cut choose table", {0x1E, 1, 0, 0x19, 0x04, 2, 0}, "error 256"},
        {"function without engine function", {0x1E, 1, 0, 0x41, 232, 0}, "error 33"},
        {"too many arguments", {0x1E, 1, 0, 0x1E, 1, 0, 0x42, 2, 24, 0}, "error 229"},
        {"assignment attribute", {0x1E, 1, 0, 0x19, 0x20, 0, 0}, "error 25"},
        {"sum attribute", {0x1E, 1, 0, 0x19, 0x10, 0, 0}, "=SUM(1)"},
        {"volatile and space attributes", {0x19, 0x01, 0, 0, 0x19, 0x40, 0, 1, 0x1E, 1, 0}, "=1"},
        {"choose",
         Cat({{0x1E, 2, 0},
              {0x19, 0x04, 2, 0, 6, 0, 13, 0, 19, 0},
              {0x1E, 7, 0},
              {0x19, 0x08, 6, 0},
              {0x1E, 8, 0},
              {0x19, 0x08, 3, 0},
              {0x42, 3, 100, 0}}),
         "=CHOOSE(2,7,8)"},
        {"reference error in step", {0x4A, 0, 0, 0, 0, 0x1E, 1, 0, 0x03}, "=??+1"},
        {"area error", {0x2B, 0, 0, 0, 0, 0, 0, 0, 0}, "=??"},
        {"error constant", {0x1C, 0x07}, "=??"},
        {"absolute reference", {0x44, 0x1F, 0x4E, 0x02, 0x00}, "=$C$20000"},
        {"relative row, absolute column", {0x24, 0x1F, 0x4E, 0x02, 0x80}, "=$C20000"},
        {"array-class area", {0x65, 0, 0, 4, 0, 0x00, 0xC0, 0x01, 0x40}, "=A1..B$5"},
        {"relative reference: a row down, a column left", {0x4C, 0x01, 0x00, 0xFF, 0xC0}, "=C6"},
        {"relative reference, absolute parts", {0x2C, 0x02, 0x00, 0x01, 0x00}, "=$B$3"},
        {"relative area", {0x2D, 0xFF, 0xFF, 0x00, 0x00, 0xFE, 0xC0, 0x00, 0xC0}, "=B4..D5"},
        {"intersection",
         {0x25, 0, 0, 1, 0, 0, 0xC0, 1, 0xC0, 0x25, 0, 0, 1, 0, 1, 0xC0, 2, 0xC0, 0x0F},
         "=INTERSECT(A1..B2,B1..C2)"},
        {"subexpression length",
         {0x29, 9, 0, 0x25, 0, 0, 1, 0, 0, 0xC0, 1, 0xC0, 0x42, 1, 4, 0},
         "=SUM(A1..B2)"},
        {"MOD is the divisor's", {0x1E, 7, 0, 0x1E, 3, 0, 0x13, 0x41, 39, 0}, "=MODULUS(7,-3)"},
        {"ATAN2 takes two", {0x1E, 1, 0, 0x1E, 2, 0, 0x41, 97, 0}, "=ATAN2(1,2)"},
        {"unary minus binds before power", {0x1E, 2, 0, 0x13, 0x1E, 2, 0, 0x07}, "=(-2)**2"},
        {"right operand of a minus", {0x1E, 1, 0, 0x1E, 2, 0, 0x1E, 3, 0, 0x04, 0x04}, "=1-(2-3)"},
        {"negative number in a power", Cat({Num(-1), {0x1E, 2, 0, 0x07}}), "=(-1)**2"},
        {"percent of a sum", {0x1E, 1, 0, 0x1E, 2, 0, 0x03, 0x14}, "=(1+2)%"},
        {"empty stream", {}, "error 258"},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(c.pszExpected, Read(c.tokens)) << c.pszName << ": " << HexOf(c.tokens);
}

TEST_F(FormulaTokens, ResultFieldFollowsTheValue)
{
    struct ResultCase
    {
        const char* pszFormula;
        const char* pszResult;
        const char* pszString; // text of the STRING record
    };
    const ResultCase cases[] = {
        {"=1+2", "00 00 00 00 00 00 08 40 ", ""},
        {"=STRCAT(\"ab\",\"c\")", "00 00 00 00 00 00 FF FF ", "abc"},
        {"=STRCAT(\"\",\"\")", "03 00 00 00 00 00 FF FF ", ""},
        {"=1/0", "02 00 0F 00 00 00 FF FF ", ""},
    };
    for (const ResultCase& c : cases)
    {
        GX_CELL* pCell = Store(c.pszFormula);
        ASSERT_TRUE(pCell != NULL) << c.pszFormula;
        BYTE result[8];
        CString strText;
        GXBuildFormulaResult(m_nSheet, pCell, result, strText);
        EXPECT_EQ(HexBytes(c.pszResult), Bytes(result, result + 8)) << c.pszFormula;
        EXPECT_STREQ(c.pszString, strText) << c.pszFormula;
    }
}

TEST_F(FormulaTokens, RecordsCarryResultAndString)
{
    GX_CELL* pCell = Store("=STRCAT(\"a\",\"b\")");
    ASSERT_TRUE(pCell != NULL);
    Bytes records;
    ASSERT_TRUE(GXBuildFormulaRecords(m_nSheet, pCell, 4, 3, 15, records));
    const Bytes formula =
        Cat({{0x06, 0x00, 34, 0x00, 4, 0, 3, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 3, 0, 0, 0, 0, 0, 12, 0},
             {0x17, 1, 0, 'a', 0x17, 1, 0, 'b', 0x42, 2, 0x50, 0x01}});
    const Bytes string = {0x07, 0x02, 5, 0, 2, 0, 0, 'a', 'b'};
    EXPECT_EQ(HexOf(Cat({formula, string})), HexOf(records));
}
} // namespace
