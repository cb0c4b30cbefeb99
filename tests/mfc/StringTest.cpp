// CString: searching, editing, buffers, formatting with msvcrt's printf and string resources.
#include "String.h"
#include "res/FrameworkIds.h"
#include <ctype.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>
#include <thread>
#include <vector>

namespace
{
struct FindCase
{
    const char* text;
    const char* sub;
    int start;
    int expected;
};

TEST(StringTest, FindSubstringFromIndex)
{
    const FindCase cases[] = {
        {"abcabc", "bc", 0, 1}, {"abcabc", "bc", 2, 4}, {"abcabc", "bc", 5, -1}, {"abcabc", "bc", 7, -1},
        {"abc", "x", 0, -1},    {"abc", "c", -5, 2},    {"abc", "", 3, 3},       {"", "a", 0, -1},
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(c.expected, CString(c.text).Find(c.sub, c.start))
            << c.text << " / " << c.sub << " @" << c.start;
    EXPECT_EQ(1, CString("abcabc").Find("bc"));
}

TEST(StringTest, FindCharacterReverseFindAndFindOneOf)
{
    const CString s("hello");
    EXPECT_EQ(2, s.Find('l'));
    EXPECT_EQ(3, s.Find('l', 3));
    EXPECT_EQ(-1, s.Find('l', 4));
    EXPECT_EQ(-1, s.Find('o', 5)); // a start at the end finds nothing
    EXPECT_EQ(3, s.ReverseFind('l'));
    EXPECT_EQ(-1, s.ReverseFind('x'));
    EXPECT_EQ(6, CString("C:\\dir\\sub\\f.txt").Find('\\', 3));
    EXPECT_EQ(10, CString("C:\\dir\\sub\\f.txt").ReverseFind('\\'));
    EXPECT_EQ(4, CString("hello world").FindOneOf(" o"));
    EXPECT_EQ(-1, CString("hello").FindOneOf("xyz"));
}

struct ReplaceCase
{
    const char* text;
    const char* oldText;
    const char* newText;
    int count;
    const char* result;
};

TEST(StringTest, ReplaceCountsNonOverlappingMatches)
{
    const ReplaceCase cases[] = {
        {"aaa", "a", "bb", 3, "bbbbbb"}, {"abcabc", "bc", "", 2, "aa"}, {"aaaa", "aa", "a", 2, "aa"},
        {"aaa", "aa", "x", 1, "xa"},     {"abc", "", "x", 0, "abc"},    {"abc", "x", "y", 0, "abc"},
        {"x", "x", "", 1, ""},           {"a-b", "-", NULL, 1, "ab"},
    };
    for (const ReplaceCase& c : cases)
    {
        CString s(c.text);
        EXPECT_EQ(c.count, s.Replace(c.oldText, c.newText)) << c.text;
        EXPECT_STREQ(c.result, s) << c.text;
    }

    CString s("a.b.c");
    const CString shared = s;
    EXPECT_EQ(2, s.Replace('.', ','));
    EXPECT_STREQ("a,b,c", s);
    EXPECT_STREQ("a.b.c", shared); // the copy kept its own text
    EXPECT_EQ(0, s.Replace(',', ','));
}

TEST(StringTest, RemoveInsertDelete)
{
    CString s("a b c ");
    EXPECT_EQ(3, s.Remove(' '));
    EXPECT_STREQ("abc", s);
    EXPECT_EQ(3, s.GetLength());
    EXPECT_EQ(0, s.Remove('x'));

    struct InsertCase
    {
        int index;
        const char* insert;
        const char* result;
    } inserts[] = {{1, "XY", "aXYbc"}, {10, "Z", "abcZ"}, {-2, "Z", "Zabc"}, {0, "", "abc"}};
    for (const InsertCase& c : inserts)
    {
        CString t("abc");
        EXPECT_EQ(static_cast<int>(strlen(c.result)), t.Insert(c.index, c.insert));
        EXPECT_STREQ(c.result, t);
    }
    CString t("ac");
    EXPECT_EQ(3, t.Insert(1, 'b'));
    EXPECT_STREQ("abc", t);

    struct DeleteCase
    {
        int index;
        int count;
        const char* result;
    } deletes[] = {{2, 2, "abef"},  {1, 10, "a"},     {6, 1, "abcdef"},
                   {5, 1, "abcde"}, {0, 0, "abcdef"}, {-1, 1, "bcdef"}};
    for (const DeleteCase& c : deletes)
    {
        CString u("abcdef");
        EXPECT_EQ(static_cast<int>(strlen(c.result)), u.Delete(c.index, c.count));
        EXPECT_STREQ(c.result, u);
    }
}

TEST(StringTest, MidLeftRightClampOutOfRange)
{
    const CString s("Hello");
    struct
    {
        int first;
        int count;
        const char* result;
    } cases[] = {{1, 3, "ell"}, {3, 10, "lo"}, {10, 2, ""}, {-1, 2, "He"}, {2, -1, ""}, {0, 5, "Hello"}};
    for (const auto& c : cases)
        EXPECT_STREQ(c.result, s.Mid(c.first, c.count)) << c.first << "," << c.count;
    EXPECT_STREQ("llo", s.Mid(2));
    EXPECT_STREQ("", s.Mid(7));
    EXPECT_STREQ("He", s.Left(2));
    EXPECT_STREQ("Hello", s.Left(10));
    EXPECT_STREQ("", s.Left(-1));
    EXPECT_STREQ("lo", s.Right(2));
    EXPECT_STREQ("Hello", s.Right(99));
    EXPECT_STREQ("123", CString("123abc").SpanIncluding("0123456789"));
    EXPECT_STREQ("ab", CString("ab;cd").SpanExcluding(",;"));
    EXPECT_STREQ("", CString("abc").SpanIncluding("x"));
}

TEST(StringTest, TrimWhitespaceCharacterAndSet)
{
    CString s(" \t x y \r\n");
    s.TrimLeft();
    EXPECT_STREQ("x y \r\n", s);
    s.TrimRight();
    EXPECT_STREQ("x y", s);

    CString dots("..a...");
    dots.TrimRight('.');
    EXPECT_STREQ("..a", dots);
    dots.TrimLeft('.');
    EXPECT_STREQ("a", dots);

    CString set("xyxazyx");
    set.TrimLeft("xy");
    EXPECT_STREQ("azyx", set);
    set.TrimRight("xyz");
    EXPECT_STREQ("a", set);

    CString blank("   ");
    blank.TrimRight();
    EXPECT_TRUE(blank.IsEmpty());
}

TEST(StringTest, CaseReverseAndComparison)
{
    CString s("Abc1");
    s.MakeUpper();
    EXPECT_STREQ("ABC1", s);
    s.MakeLower();
    EXPECT_STREQ("abc1", s);
    s.MakeReverse();
    EXPECT_STREQ("1cba", s);

    const CString a("abc");
    EXPECT_EQ(0, a.Compare("abc"));
    EXPECT_LT(a.Compare("abd"), 0);
    EXPECT_GT(a.Compare("ABC"), 0);
    EXPECT_EQ(0, a.CompareNoCase("ABC"));
    EXPECT_EQ(0, a.Collate("abc"));
    EXPECT_EQ(0, a.CollateNoCase("AbC"));
    EXPECT_TRUE(a == "abc");
    EXPECT_TRUE("abc" == a);
    EXPECT_TRUE(a != CString("abd"));
    EXPECT_TRUE(a < "abd");
    EXPECT_TRUE("abd" > a);
    EXPECT_TRUE(a <= CString("abc"));
    EXPECT_TRUE(a >= "ab");
}

TEST(StringTest, ConstructionAssignmentAndConcatenation)
{
    EXPECT_STREQ("xxx", CString('x', 3));
    EXPECT_STREQ("", CString('x', 0));
    EXPECT_STREQ("ab", CString("abcdef", 2));
    EXPECT_STREQ("", CString(static_cast<LPCSTR>(NULL)));
    // Wide text goes to code page 1252.
    EXPECT_STREQ("Gr\xFC\xDF"
                 "e",
                 CString(L"Gr\u00FC\u00DFe"));

    CString s = CString("a") + CString("b") + 'c' + "d";
    EXPECT_STREQ("abcd", s);
    EXPECT_STREQ("xabcd", 'x' + s);
    EXPECT_STREQ("yyabcd", "yy" + s);
    s += s;
    EXPECT_STREQ("abcdabcd", s);
    s += static_cast<LPCSTR>(s) + 6; // text from our own buffer
    EXPECT_STREQ("abcdabcdcd", s);
    s = 'z';
    EXPECT_STREQ("z", s);
    s = L"w";
    EXPECT_STREQ("w", s);
    EXPECT_EQ('w', s[0]);
    EXPECT_EQ('w', s.GetAt(0));

    CString grown;
    for (int i = 0; i < 1000; ++i)
        grown += 'a';
    EXPECT_EQ(1000, grown.GetLength());
}

TEST(StringTest, CopiesShareUntilWritten)
{
    CString a("shared");
    CString b = a;
    EXPECT_EQ(static_cast<LPCSTR>(a), static_cast<LPCSTR>(b));
    b.SetAt(0, 'S');
    EXPECT_STREQ("shared", a);
    EXPECT_STREQ("Shared", b);
    b.Empty();
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_STREQ("shared", a);
}

TEST(StringTest, GetBufferAndReleaseBuffer)
{
    CString s("abc");
    const CString copy = s;
    LPSTR p = s.GetBuffer(20);
    strcpy(p, "longer text");
    s.ReleaseBuffer(); // -1: up to the terminator
    EXPECT_STREQ("longer text", s);
    EXPECT_EQ(11, s.GetLength());
    EXPECT_STREQ("abc", copy);

    s.GetBuffer(0);
    s.ReleaseBuffer(6);
    EXPECT_STREQ("longer", s);

    p = s.GetBufferSetLength(3);
    EXPECT_STREQ("lon", p);
    EXPECT_EQ(3, s.GetLength());
    s.FreeExtra();
    EXPECT_STREQ("lon", s);

    CString empty;
    p = empty.GetBuffer(10);
    p[0] = '\0';
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(StringTest, LockedBufferIsNeverShared)
{
    CString s("locked");
    LPSTR p = s.LockBuffer();
    CString copy = s;
    EXPECT_NE(static_cast<LPCSTR>(copy), static_cast<LPCSTR>(s));
    p[0] = 'L';
    EXPECT_STREQ("Locked", s);
    EXPECT_STREQ("locked", copy);
    s.UnlockBuffer();
    CString shared = s;
    EXPECT_EQ(static_cast<LPCSTR>(shared), static_cast<LPCSTR>(s));
}

// Formats one double with a format from the table (not checked at compile time on purpose).
CString FormatDouble(LPCSTR lpszFormat, double dbl)
{
    CString s;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    s.Format(lpszFormat, dbl);
#pragma GCC diagnostic pop
    return s;
}

TEST(StringTest, FormatUsesMsvcrtRules)
{
    const struct
    {
        const char* format;
        double value;
        const char* expected;
    } cases[] = {
        {"%g", 1e20, "1e+020"},
        {"%e", 1.5, "1.500000e+000"},
        {"%g", 0.00001, "1e-005"},
        {"%#4.2f", 3.14159, "3.14"},
        {"%#.0f", 2.0, "2."},
        {"%5.1f", 2.5, "  2.5"},
        {"%.3E", 12345.678, "1.235E+004"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, FormatDouble(c.format, c.value)) << c.format;

    CString s("old");
    s.Format("%s|%d|%x|%03d", "ab", -5, 255, 7);
    EXPECT_STREQ("ab|-5|ff|007", s);
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());

    s = "x";
    s.Format("%s!", static_cast<LPCSTR>(s)); // own text as an argument
    EXPECT_STREQ("x!", s);

    CString big('y', 5000);
    s.Format("[%s]", static_cast<LPCSTR>(big));
    EXPECT_EQ(5002, s.GetLength());
}

TEST(StringTest, LoadStringFromResources)
{
    CString s;
    ASSERT_TRUE(s.LoadString(AFX_IDS_USER_EXCEPTION));
    EXPECT_STREQ("Die Operation wurde abgebrochen.", s);
    ASSERT_TRUE(s.LoadString(AFX_IDS_MEMORY_EXCEPTION));
    EXPECT_STREQ("Es steht nicht gen\xFCgend Arbeitsspeicher zur Verf\xFCgung.", s);
    EXPECT_FALSE(s.LoadString(0x7FF3));
    EXPECT_TRUE(s.IsEmpty());

    EXPECT_STREQ("Die Operation wurde abgebrochen.", CString(MAKEINTRESOURCEA(AFX_IDS_USER_EXCEPTION)));
}

TEST(StringTest, FormatStringInsertsNumberedTexts)
{
    CString s;
    AfxFormatString1(s, AFX_IDP_FILE_NOT_FOUND, "a.txt");
    EXPECT_STREQ("a.txt wurde nicht gefunden.", s);
    AfxFormatString2(s, AFX_IDP_FAILED_INVALID_PATH, "C:\\x.hlv", "unused");
    EXPECT_STREQ("C:\\x.hlv\nDie Datei wurde nicht gefunden. Bitte Pfad und Dateinamen pr\xFC"
                 "fen.",
                 s);

    LPCSTR texts[] = {"a", "b"};
    AfxFormatStrings(s, "%2 und %1 %3 100%", texts, 2);
    EXPECT_STREQ("b und a %3 100%", s);
}

TEST(StringTest, SysStringRoundTrip)
{
    const CString s("Gr\xFC\xDF"
                    "e");
    BSTR bstr = s.AllocSysString();
    ASSERT_NE(nullptr, bstr);
    EXPECT_STREQ(L"Gr\u00FC\u00DFe", bstr);
    EXPECT_EQ(5u, ::SysStringLen(bstr));
    CString("neu").SetSysString(&bstr);
    EXPECT_STREQ(L"neu", bstr);
    ::SysFreeString(bstr);
}
} // namespace

// Short strings share blocks of one size: growing through that size one character at a time,
// every length keeps its text, also in the copies made on the way and after edits of them.
TEST(StringTest, GrowingStringsKeepEveryLengthsText)
{
    CString s;
    std::string expected;
    std::vector<CString> copies;
    for (int i = 0; i < 80; i++)
    {
        s += (char)('a' + i % 26);
        expected += (char)('a' + i % 26);
        copies.push_back(s);
        ASSERT_EQ(expected, std::string(s));
    }
    for (CString& c : copies)
        c.MakeUpper();
    for (size_t i = 0; i < copies.size(); i++)
    {
        std::string upper = expected.substr(0, i + 1);
        for (char& ch : upper)
            ch = (char)toupper((unsigned char)ch);
        EXPECT_EQ(upper, std::string(copies[i]));
    }
    EXPECT_EQ(expected, std::string(s));
    LPSTR p = s.GetBuffer(5);
    p[3] = 0;
    s.ReleaseBuffer();
    EXPECT_STREQ("abc", s);
}

// Strings made and freed on several threads at once keep their own texts.
TEST(StringTest, StringsOfManyThreadsKeepTheirTexts)
{
    const int kThreads = 4;
    int failures[kThreads] = {};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; t++)
        threads.emplace_back([t, &failures]() {
            std::vector<CString> kept;
            for (int i = 0; i < 20000; i++)
            {
                CString s;
                s.Format("%d-%d-%.*s", t, i, i % 40, "0123456789012345678901234567890123456789");
                kept.push_back(s);
                if (kept.size() > 64)
                    kept.erase(kept.begin());
                CString check;
                check.Format("%d-%d-", t, i);
                if (s.Left(check.GetLength()) != check || s.GetLength() != check.GetLength() + i % 40)
                    failures[t]++;
            }
            for (size_t k = 0; k < kept.size(); k++)
                if (atoi(kept[k]) != t)
                    failures[t]++;
        });
    for (std::thread& th : threads)
        th.join();
    for (int t = 0; t < kThreads; t++)
        EXPECT_EQ(0, failures[t]) << "thread " << t;
}
