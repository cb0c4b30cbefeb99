// REGEX: the pattern syntax, compile failures and the bound on backtracking.
#include "FunctionSheetTest.h"
#include "grid/formula/RegexState.h"
#include <stdio.h>
#include <string>
#include <windows.h>

using namespace formula_test;

namespace
{
TEST_F(FunctionSheetTest, RegexCasesAndErrors)
{
    const EdgeCase aCases[] = {
        {"=REGEX(\"b+c\",\"abbbc\")", "1"},
        {"=REGEX(\"b+c\",\"ac\")", "0"},
        {"=REGEX(\"^b\",\"abc\")", "0"},
        {"=REGEX(\"^a\",\"abc\")", "1"},
        {"=REGEX(\"c$\",\"abc\")", "1"},
        {"=REGEX(\"b$\",\"abc\")", "0"},
        {"=REGEX(\"a$b\",\"a$b\")", "1"},
        {"=REGEX(\"a^b\",\"a^b\")", "1"},
        {"=REGEX(\"\\\\(ab\\\\)\\\\1\",\"xabab\")", "1"},
        {"=REGEX(\"\\\\(ab\\\\)\\\\1\",\"xabac\")", "0"},
        {"=REGEX(\"\\\\<is\\\\>\",\"this is\")", "1"},
        {"=REGEX(\"\\\\<is\\\\>\",\"this\")", "0"},
        {"=REGEX(\"[a-c]x\",\"bx\")", "1"},
        {"=REGEX(\"[^a-c]x\",\"bx\")", "0"},
        {"=REGEX(\"[^a-c]x\",\"dx\")", "1"},
        {"=REGEX(\"[]]\",\"]\")", "1"},
        {"=REGEX(\"[-a]\",\"-\")", "1"},
        {"=REGEX(\"[a-]\",\"-\")", "1"},
        {"=REGEX(\"a.c\",\"abc\")", "1"},
        {"=REGEX(\"a.c\",\"ac\")", "0"},
        {"=REGEX(\"x*\",\"\")", "0"},
        {"=REGEX(\"x*\",\"b\")", "1"},
        {"=REGEX(\"a*b\",\"aaab\")", "1"},
        {"=REGEX(\"^a*$\",\"aaab\")", "0"},
        {"=REGEX(\"\\\\.\",\"a.b\")", "1"},
        {"=REGEX(\"\\\\.\",\"ab\")", "0"},
        {"=REGEX(\"a+*\",\"a\")", "1"},
        // Compile failures.
        {"=REGEX(\"*a\",\"a\")", "#79"},
        {"=REGEX(\"+a\",\"a\")", "#79"},
        {"=REGEX(\"^*\",\"a\")", "#79"},
        {"=REGEX(\"\\\\(a\",\"a\")", "#79"},
        {"=REGEX(\"a\\\\)\",\"a\")", "#79"},
        {"=REGEX(\"\\\\(\\\\)\",\"a\")", "#79"},
        {"=REGEX(\"\\\\(a\\\\)*\",\"a\")", "#79"},
        {"=REGEX(\"[ab\",\"a\")", "#79"},
        {"=REGEX(\"\\\\1\",\"a\")", "#79"},
        {"=REGEX(\"\\\\(a\\\\1\\\\)\",\"a\")", "#79"},
        {"=REGEX(\"\\\\<\\\\>\",\"a\")", "#79"},
        {"=REGEX(\"\\\\(\\\\(\\\\(\\\\(\\\\(\\\\(\\\\(\\\\(\\\\(\\\\(a\\\\)\\\\)\\\\)\\\\)\\\\)\\\\)\\\\)"
         "\\\\)\\\\)\\\\)\",\"a\")",
         "#79"},
        // Arguments.
        {"=REGEX(1,\"a\")", "#98"},
        {"=REGEX(\"a\",1)", "#98"},
        {"=REGEX(\"a\",1/0)", "#70"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
    // Nine groups are allowed.
    EXPECT_EQ(nullptr, GXRegexCompile("\\(\\(\\(\\(\\(\\(\\(\\(\\(a\\)\\)\\)\\)\\)\\)\\)\\)\\)"));
    EXPECT_STREQ("Too many \\(\\) pairs",
                 GXRegexCompile("\\(\\(\\(\\(\\(\\(\\(\\(\\(\\(a\\)\\)\\)\\)\\)\\)\\)\\)\\)\\)"));
}

TEST_F(FunctionSheetTest, RegexEmptyPatternReusesTheLastOne)
{
    EXPECT_EQ("1", Eval(m_nSheet, "=REGEX(\"b\",\"xbx\")"));
    EXPECT_EQ("1", Eval(m_nSheet, "=REGEX(\"\",\"abc\")"));
    EXPECT_EQ("0", Eval(m_nSheet, "=REGEX(\"\",\"xyz\")"));
    // A failed compile leaves nothing to reuse.
    EXPECT_EQ("#79", Eval(m_nSheet, "=REGEX(\"[\",\"abc\")"));
    EXPECT_EQ("#79", Eval(m_nSheet, "=REGEX(\"\",\"abc\")"));
}

TEST_F(FunctionSheetTest, RegexGroupsAndLimits)
{
    ASSERT_EQ(nullptr, GXRegexCompile("\\(b+\\)c"));
    const char* psz = "xabbbcy";
    ASSERT_EQ(1, GXRegexExec(psz));
    GX_REGEX_STATE* s = GXGetRegexState();
    EXPECT_EQ(psz + 2, s->apGroupStart[0]);
    EXPECT_EQ(psz + 6, s->apGroupEnd[0]);
    EXPECT_EQ(psz + 2, s->apGroupStart[1]);
    EXPECT_EQ(psz + 5, s->apGroupEnd[1]);
    // 60 classes take 1,020 bytes; 61 do not fit the compiled form.
    std::string sFits, sTooLong;
    for (int i = 0; i < 60; i++)
        sFits += "[ab]";
    sTooLong = sFits + "[ab]";
    EXPECT_EQ(nullptr, GXRegexCompile(sFits.c_str()));
    EXPECT_NE(nullptr, GXRegexCompile(sTooLong.c_str()));
    EXPECT_EQ(0, s->bValid);
    // Exponential backtracking stops at the step budget with 148, quickly.
    std::string sFormula = "=REGEX(\"a*a*a*a*a*a*a*a*a*a*b\",\"" + std::string(500, 'a') + "\")";
    DWORD dwStart = GetTickCount();
    EXPECT_EQ("#148", Eval(m_nSheet, sFormula.c_str()));
    EXPECT_LT(GetTickCount() - dwStart, 10000u);
    // The same pattern still matches where a match is found early.
    sFormula = "=REGEX(\"a*a*a*a*a*a*a*a*a*a*b\",\"" + std::string(500, 'a') + "b\")";
    EXPECT_EQ("1", Eval(m_nSheet, sFormula.c_str()));
}
} // namespace

namespace
{
// Runs in a process of its own (below): an empty pattern has nothing to reuse there.
TEST_F(FunctionSheetTest, DISABLED_RegexEmptyPatternAsFirstCall)
{
    EXPECT_EQ(0, GXGetRegexState()->bValid);
    EXPECT_EQ("#79", Eval(m_nSheet, "=REGEX(\"\",\"abc\")"));
}

TEST(RegexProcess, EmptyPatternAsTheProcessFirstCallRaises79)
{
    EXPECT_TRUE(RunDisabledTestInChild("FunctionSheetTest.DISABLED_RegexEmptyPatternAsFirstCall"));
}
} // namespace
