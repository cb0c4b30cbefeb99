// Input mask data: parsing, what each position accepts, putting and reading values and display
// texts, shifting inserts and deletes, free text, the prompt, and byte offsets of double-byte
// characters under code page 932.
#include "grid/controls/MaskData.h"
#include <gtest/gtest.h>
#include <mbctype.h>

namespace
{
CString Display(CGXMaskData& data)
{
    CString str;
    data.GetDisplayText(str);
    return str;
}

CString Value(CGXMaskData& data)
{
    CString str;
    data.GetInputText(str);
    return str;
}

int InputPositions(CGXMaskData& data)
{
    int n = 0;
    for (int i = 0; i < data.GetPositionCount(); i++)
        n += data.IsLiteral(i) ? 0 : 1;
    return n;
}

struct LayoutCase
{
    const char* pszMask;
    int nPositions, nInputs;
    const char* pszDisplay;
};

const LayoutCase s_layoutCases[] = {
    {"(###) ###-####", 14, 10, "(___) ___-____"},
    {"\\##", 2, 1, "#_"},
    {"##\\", 2, 2, "__"}, // a trailing escape escapes nothing
    {"-/", 2, 0, "-/"},
    {"&?AULx", 6, 5, "_____x"},
};

TEST(GridMaskData, MasksParseIntoLiteralAndInputPositions)
{
    for (const LayoutCase& c : s_layoutCases)
    {
        SCOPED_TRACE(c.pszMask);
        CGXMaskData data;
        data.ParseMask(c.pszMask);
        data.InitDisplay();
        EXPECT_EQ(c.nPositions, data.GetPositionCount());
        EXPECT_EQ(c.nInputs, InputPositions(data));
        EXPECT_STREQ(c.pszDisplay, Display(data));
        EXPECT_STREQ("", Value(data));
        EXPECT_TRUE(data.IsDataValid());
    }
}

struct PutCase
{
    const char* pszMask;
    const char* pszInput;
    const char* pszDisplay;
    const char* pszValue;
    int nResult;
};

const PutCase s_putCases[] = {
    {"LLL", "aBc", "abc", "abc", 3},
    {"UUU", "aBc", "ABC", "ABC", 3},
    {"LLL", "a1c", "a__", "a", 1}, // a digit ends the input
    {"####", "12 4", "12_4", "12 4", 4},
    {"##-##", "1234", "12-34", "1234", 5},
    {"##-##", "12345", "12-34", "1234", 5}, // surplus after the last input position is ignored
    {"##-", "123", "12-", "12", -1},        // a character left at a closing literal
    {"(###) ###-####", "5551234", "(555) 123-4___", "5551234", 11},
    {"???", "ab3", "ab_", "ab", 2},
    {"AAA", "a1-", "a1_", "a1", 2},
};

TEST(GridMaskData, ValuesGoIntoInputPositionsAsTheMaskAllows)
{
    for (const PutCase& c : s_putCases)
    {
        SCOPED_TRACE(testing::Message() << c.pszMask << " <- " << c.pszInput);
        CGXMaskData data;
        data.ParseMask(c.pszMask);
        EXPECT_EQ(c.nResult, data.PutInputText(c.pszInput));
        EXPECT_STREQ(c.pszDisplay, Display(data));
        EXPECT_STREQ(c.pszValue, Value(data));
    }
}

TEST(GridMaskData, DisplayTextMustMatchItsLiterals)
{
    CGXMaskData data;
    data.ParseMask("##-##");
    EXPECT_EQ(5, data.PutDisplayText("12-34"));
    EXPECT_STREQ("1234", Value(data));
    EXPECT_EQ(-1, data.PutDisplayText("12/34"));
    EXPECT_EQ(-1, data.PutDisplayText("1x-34"));
}

TEST(GridMaskData, InsertsAndDeletesShiftTheInputCharacters)
{
    CGXMaskData data;
    data.ParseMask("##-##");
    data.PutDisplayText("12-34");
    int nNew = 0;
    EXPECT_FALSE(data.InsertAt(0, "9", nNew)); // the last input position is filled
    EXPECT_STREQ("12-34", Display(data));
    data.DeleteRange(2, 1);
    EXPECT_STREQ("13-4_", Display(data));
    ASSERT_TRUE(data.InsertAt(0, "7", nNew));
    EXPECT_STREQ("71-34", Display(data));
    EXPECT_EQ(1, nNew);
    data.DeleteRange(5, 3);
    EXPECT_STREQ("71-__", Display(data)); // nothing after the range: the positions empty
}

TEST(GridMaskData, InputPositionsAndTheEndKeysTarget)
{
    CGXMaskData data;
    data.ParseMask("(###)");
    data.InitDisplay();
    EXPECT_EQ(1, data.NextInputPos(-1));
    EXPECT_EQ(3, data.PrevInputPos(5));
    EXPECT_EQ(-1, data.NextInputPos(3));
    EXPECT_EQ(1, data.GetInputEnd(5)); // nothing typed: the first input position
    data.PutInputText("12");
    EXPECT_EQ(3, data.GetInputEnd(5));
    data.PutInputText("123");
    EXPECT_EQ(4, data.GetInputEnd(5)); // behind the last digit, before the closing literal
}

TEST(GridMaskData, WithoutAMaskItIsFreeTextUpToTheMaximumLength)
{
    CGXMaskData data;
    data.ParseMask("");
    data.SetMaxLength(3);
    EXPECT_EQ(4, data.PutDisplayText("abcd")); // then cut to the maximum length
    EXPECT_STREQ("abc", Display(data));
    EXPECT_STREQ("abc", Value(data));
    int nNew = 0;
    EXPECT_FALSE(data.InsertAt(1, "x", nNew));
    data.DeleteRange(2, 1);
    EXPECT_STREQ("ac", Display(data));
    EXPECT_TRUE(data.InsertAt(1, "x", nNew));
    EXPECT_STREQ("axc", Display(data));
    EXPECT_FALSE(data.IsLiteral(0));
}

TEST(GridMaskData, ThePromptIsOneCharacter)
{
    CGXMaskData data;
    data.ParseMask("##");
    data.InitDisplay();
    EXPECT_FALSE(data.SetPromptChar("abc"));
    EXPECT_FALSE(data.SetPromptChar("ab"));
    EXPECT_STREQ("_", data.GetPromptChar());
    EXPECT_TRUE(data.SetPromptChar("*", TRUE));
    EXPECT_STREQ("**", Display(data));
    EXPECT_TRUE(data.SetPromptChar(""));
    EXPECT_STREQ("_", data.GetPromptChar());
}

TEST(GridMaskData, DoubleByteCharactersTakeOnePositionAndTwoBytes)
{
    ASSERT_EQ(0, _setmbcp(932));
    BOOL bOld = CGXMaskData::s_bDbcsEnabled;
    CGXMaskData::s_bDbcsEnabled = TRUE;
    CGXMaskData data;
    data.ParseMask("\x82\xa0&&&");
    EXPECT_EQ(4, data.GetPositionCount());
    EXPECT_TRUE(data.IsLiteral(0));
    EXPECT_EQ(4, data.PutInputText("\x82\xa2x\x82\xa4"));
    EXPECT_STREQ("\x82\xa0\x82\xa2x\x82\xa4", Display(data));
    const int anOffsets[] = {0, 2, 4, 5, 7};
    for (int nPos = 0; nPos <= 4; nPos++)
    {
        EXPECT_EQ(anOffsets[nPos], data.PosToByteOffset(nPos)) << nPos;
        EXPECT_EQ(nPos, data.ByteOffsetToPos(anOffsets[nPos])) << nPos;
    }
    EXPECT_EQ(-1, data.PosToByteOffset(-1));
    EXPECT_TRUE(data.SetPromptChar("\x81\x45"));
    CGXMaskData::s_bDbcsEnabled = FALSE;
    EXPECT_EQ(3, data.PosToByteOffset(3));
    CGXMaskData::s_bDbcsEnabled = bOld;
    _setmbcp(_MB_CP_ANSI);
}
} // namespace
