// Scanner, parser, formula text and error texts.
#include "FormulaTestSupport.h"

using namespace formula_test;

namespace
{
struct ParseCase
{
    const char* pszText;
    const char* pszExpected; // the formula's text again, or "code@position"
};

const ParseCase s_aParseCases[] = {
    {"=1E5", "271@2"},
    {"=1e5", "=100000"},
    {"=A1.B2", "=A1..B2"},
    {"=A1..B2", "=A1..B2"},
    {"=A1:B2", "=A1..B2"},
    {"=B2:A1", "=A1..B2"},
    {"=$A1:B$2", "=$A1..B$2"},
    {"=$B$2:$A$1", "=$A$1..$B$2"},
    {"=FAN1", "=FAN1"},
    {"=fan8388607", "=FAN8388607"},
    {"=FAO1", "281@1"},
    {"=A12345678", "281@1"},
    {"=A0", "226@1"},
    {"=A8388608", "226@1"},
    {"=10%", "=10%"},
    {"=10%3", "=10%3"},
    {"=10%(3)", "=10%(3)"},
    {"=10%-3", "=10%-3"},
    {"=2**3**2", "=2**3**2"},
    {"=-2**2", "=-2**2"},
    {"=--2", "274@2"},
    {"=1?2:3?4:5", "=1?2:3?4:5"},
    {"=1 ? 2", "232@6"},
    {"=sum(1,2)", "=SUM(1,2)"},
    {"=@SUM(1,2)", "=SUM(1,2)"},
    {"=@EMPTY", "=EMPTY()"},
    {"=EMPTY()", "=EMPTY()"},
    {"=NOSUCH(1)", "227@1"},
    {"=ECHO()", "230@1"},
    {"=ECHO(1,2)", "229@1"},
    {"=0xFFFFFFFF", "=0xFFFFFFFF"},
    {"=0xff", "=0xFF"},
    {"=0x1FFFFFFFF", "88@1"},
    {"==1", "274@1"},
    {"1", "253@0"},
    {"=\"abc", "223@1"},
    {"=1 ` 2", "223@3"},
    {"=(1+2", "250@5"},
    {"=1+", "274@3"},
    {"=A1:", "275@4"},
    {"=(1+2)*3", "=(1+2)*3"},
    {"=((1))", "=(1)"},
    {"=\"a\\tb\\0071\\\"\"", "=\"a\\tb\\0071\\\"\""},
    {"=\"\\x41\\101\\q\"", "=\"AAq\""},
    {"=#{1,2}", "=#{1,2}"},
    {"=#", "=#"},
    {"=A1;A1>0", "=A1;A1>0"},
    {"=A1\\B1,C1..C2", "=A1\\B1,C1..C2"},
    {"=1//note", "=1//note"},
    {"=??+1", "=??+1"},
    {"=1 #AND# 0 #or# #NOT# 1", "=1&&0||!1"},
    {"=1<>2", "=1!=2"},
    {"=1=2", "=1==2"},
    {"=undefined", "281@1"},
    {"=CSUM(A1..A3,B1..B3,#>2)", "=CSUM(A1..A3,B1..B3,#>2)"},
};
} // namespace

TEST_F(SheetTest, ParsesAndWritesBack)
{
    for (const ParseCase& c : s_aParseCases)
        EXPECT_EQ(c.pszExpected, Reparse(m_nSheet, c.pszText)) << c.pszText;
}

// A number literal beyond the largest double is refused with the floating-point error; the
// largest ones written back parse again to the same text.
TEST_F(SheetTest, NumberLiteralsBeyondTheLargestDoubleAreRefused)
{
    const std::string nines308 = "=" + std::string(308, '9');
    const std::string nines309 = "=" + std::string(309, '9');
    const struct
    {
        std::string text;
        bool bParses;
    } cases[] = {{nines308, true},
                 {nines308 + ".9", true},
                 {"=1e308", true},
                 {"=1.7976931348623157e308", true},
                 {"=1e-400", true},
                 {nines309, false},
                 {"=1e309", false},
                 {"=." + std::string(400, '0') + "1e700", true},
                 {"=1+" + nines309.substr(1), false}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text.substr(0, 40));
        std::string written = Reparse(m_nSheet, c.text.c_str());
        if (!c.bParses)
        {
            EXPECT_EQ(c.text.compare(0, 3, "=1+") == 0 ? "40@3" : "40@1", written);
            continue;
        }
        ASSERT_EQ('=', written[0]) << written;
        EXPECT_EQ(written, Reparse(m_nSheet, written.c_str()));
    }
}

TEST_F(SheetTest, NodeLimitAndNesting)
{
    std::string s = "=1";
    for (int i = 0; i < 100; i++)
        s += "+1"; // 201 nodes
    EXPECT_EQ("280@202", Reparse(m_nSheet, s.c_str()));
    s.resize(s.size() - 2);
    EXPECT_EQ(s, Reparse(m_nSheet, s.c_str()));
    std::string deep = "=" + std::string(150, '(') + "1" + std::string(150, ')');
    EXPECT_EQ("148@", Reparse(m_nSheet, deep.c_str()).substr(0, 4));
    std::string ok = "=" + std::string(40, '(') + "1" + std::string(40, ')');
    EXPECT_EQ("=(1)", Reparse(m_nSheet, ok.c_str()));
}

TEST_F(SheetTest, ParsedValues)
{
    EXPECT_EQ("64", Eval(m_nSheet, "=2**3**2"));
    EXPECT_EQ("-4", Eval(m_nSheet, "=-2**2"));
    EXPECT_EQ("0.1", Eval(m_nSheet, "=10%"));
    EXPECT_EQ("1", Eval(m_nSheet, "=10%3"));
    EXPECT_EQ("1", Eval(m_nSheet, "=10%(3)"));
    EXPECT_EQ("5", Eval(m_nSheet, "=0?2:0?4:5"));
    EXPECT_EQ("-1", Eval(m_nSheet, "=0xFFFFFFFF"));
    EXPECT_EQ("'a\tb'", Eval(m_nSheet, "=\"a\\tb\""));
    EXPECT_EQ("1", Eval(m_nSheet, "=2^3"));
}

TEST_F(SheetTest, ParsedRangeNodes)
{
    GX_FORMULA f;
    for (const char* psz : {"=A1.B2", "=A1..B2", "=A1:B2", "=B2:A1"})
    {
        ASSERT_TRUE(GXParseFormula(m_nSheet, psz, &f));
        EXPECT_EQ(1, f.nNodes) << psz;
        EXPECT_EQ(GX_NODE_RANGE, f.pNodes[f.nValueRoot].nKind);
        EXPECT_STREQ("A1..B2", FormatCellReference(f.pNodes[f.nValueRoot].range));
        GXFreeFormulaParts(&f);
    }
    // A repeating descriptor before a fixed one: the last argument takes the fixed one.
    ASSERT_TRUE(GXParseFormula(m_nSheet, "=CSUM(A1..A3, B1..B3, #>2)", &f));
    const GX_EXPR_NODE& call = f.pNodes[f.nValueRoot];
    ASSERT_EQ(GX_NODE_CALL, call.nKind);
    int nArgs = 0;
    for (WORD i = call.nLink2; i != GX_NO_NODE; i = f.pNodes[i].nLink2, nArgs++)
    {
        const GX_EXPR_NODE& a = f.pNodes[i];
        EXPECT_EQ(nArgs < 2 ? 7 : 1, a.w[1]);
        EXPECT_EQ(nArgs < 2 ? 0 : GX_NF_UNEVALUATED, a.nFlags & GX_NF_UNEVALUATED);
    }
    EXPECT_EQ(3, nArgs);
    GXFreeFormulaParts(&f);
}

TEST(ReferenceText, ColumnsAndReferences)
{
    struct
    {
        DWORD nCol;
        const char* pszLetters;
    } cols[] = {{0, "A"}, {25, "Z"}, {26, "AA"}, {701, "ZZ"}, {702, "AAA"}, {4095, "FAN"}};
    for (auto& c : cols)
    {
        EXPECT_STREQ(c.pszLetters, ColumnLetters(c.nCol));
        EXPECT_EQ((int)c.nCol, ColumnFromLetters(c.pszLetters));
    }
    EXPECT_TRUE(ColumnLetters(4096) == NULL);
    EXPECT_EQ(-1, ColumnFromLetters("FAO"));
    EXPECT_EQ(-1, ColumnFromLetters("AAAA"));
    GX_RANGE r;
    EXPECT_EQ(1, ParseCellReference("b$3:$a1", &r));
    EXPECT_STREQ("$A1..B$3", FormatCellReference(r));
    EXPECT_EQ(0, ParseCellReference("A1:B2x", &r));
    EXPECT_EQ(0, ParseCellReference("A0", &r));
    GX_RANGE a = MakeReference(1, 0, 4, 3, 0), b = MakeReference(3, 2, 9, 9, 0), i;
    EXPECT_EQ(1, IntersectReferences(a, b, &i));
    EXPECT_STREQ("C3..D4", FormatCellReference(i));
    EXPECT_EQ(0, ReferencesOverlap(a, MakeReference(5, 0, 6, 0, 0)));
    EXPECT_EQ(1, SameReference(MakeReference(1, 1, 1, 1, 1), MakeReference(1, 1, 1, 1, 31)));
    EXPECT_EQ(0u, MakeReference(0, 4096, 1, 1, 0).Row1());
}

TEST(ErrorText, TableEnds)
{
    EXPECT_STREQ("unknown error", FormulaErrorText(0));
    EXPECT_STREQ("", FormulaErrorText(1));
    EXPECT_STREQ("expected to find \")\" here", FormulaErrorText(250));
    EXPECT_STREQ("precompiled regular expression is invalid", FormulaErrorText(381));
    EXPECT_STREQ("unknown error", FormulaErrorText(382));
    EXPECT_STREQ("unknown error", FormulaErrorText(-1));
    EXPECT_STREQ("divide by zero", FormulaErrorText(70));
}

TEST(FormulaTextEscapes, EscapeAndUnescape)
{
    std::string s;
    GXEscapeText(s,
                 "a\t\x07"
                 "1\x01z\xA9\x7F\"",
                 TRUE);
    EXPECT_EQ("a\\t\\0071\\1z\xA9\\177\\\"", s);
    s.clear();
    GXEscapeText(s, "\"", FALSE);
    EXPECT_EQ("\"", s);
    char sz[512];
    GXUnescapeText(sz, "a\\t\\0071\\1z\\177\\\"\\");
    EXPECT_STREQ("a\t\x07"
                 "1\x01z\x7F\"",
                 sz);
    std::string longText(600, 'q');
    GXUnescapeText(sz, longText.c_str());
    EXPECT_EQ(511u, strlen(sz));
}

// A string of 511 characters that each need four: the text is longer than any fixed buffer and
// parses back to the same string.
TEST_F(SheetTest, LongEscapedStringsRoundTrip)
{
    std::string text(511, '\x01');
    std::string formula = "=\"";
    GXEscapeText(formula, text.c_str(), TRUE);
    formula += "\"";
    EXPECT_GT(formula.size(), 1024u);
    GX_FORMULA f;
    ASSERT_TRUE(GXParseFormula(m_nSheet, formula.c_str(), &f));
    std::string back;
    GXFormulaToText(m_nSheet, &f, back);
    EXPECT_EQ(formula, back);
    EXPECT_EQ(text, f.pNodes[f.nValueRoot].pszText);
    GXFreeFormulaParts(&f);
}
