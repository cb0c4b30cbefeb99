// Text functions: cutting, searching, case, conversions and concatenation, with their limits.
#include "FunctionSheetTest.h"

using namespace formula_test;

namespace
{
TEST_F(FunctionSheetTest, TextEdgeCasesAndErrors)
{
    // F1..G2 1, 2, 3, 4; H1 "abc"; J1 an error.
    for (int i = 0; i < 4; i++)
        GXStoreNumber(m_nSheet, 1 + i / 2, 5 + i % 2, i + 1);
    GXStoreText(m_nSheet, 1, 7, "abc");
    GXStoreFormula(m_nSheet, 1, 9, "=1/0", NULL);
    GXRecalc(m_nSheet);
    const EdgeCase aCases[] = {
        {"=FIND(\"c\",\"abcabc\",0)", "2"},
        {"=FIND(\"c\",\"abcabc\",3)", "5"},
        {"=FIND(\"x\",\"abc\",0)", "#158"},
        {"=FIND(\"abcd\",\"abc\",0)", "#157"},
        {"=FIND(\"a\",\"abc\",3)", "#107"},
        {"=FIND(\"a\",\"abc\",-1e10)", "#107"},
        {"=MID(\"abcdef\",2,3)", "'bcd'"},
        {"=MID(\"abc\",4,1)", "#107"},
        {"=MID(\"abc\",2,1e10)", "'bc'"},
        {"=MID(\"abc\",1,-1)", "#64"},
        {"=LEFT(\"abc\",5)", "'abc'"},
        {"=LEFT(\"abc\",-1)", "#64"},
        {"=RIGHT(\"abc\",2)", "'bc'"},
        {"=REPLACE(\"abcdef\",2,1,\"X\")", "'abXdef'"},
        {"=REPLACE(\"abc\",10,10,\"X\")", "'abcX'"},
        {"=REPLACE(\"abc\",-1,1,\"X\")", "#55"},
        {"=TRIM(\"  a   b \")", "'a b'"},
        {"=TRIM(\"   \")", "''"},
        {"=PROPER(\"hello wORLD-x\")", "'Hello World-x'"},
        {"=UPPER(5)", "''"},
        {"=UPPER(\"abc\")", "'ABC'"},
        {"=LOWER(\"AbC\")", "'abc'"},
        {"=HEXTONUM(\" 00ff \")", "255"},
        {"=HEXTONUM(\"FFFFFFFF\")", "-1"},
        {"=HEXTONUM(\"\")", "0"},
        {"=HEXTONUM(\"123456789\")", "#88"},
        {"=HEXTONUM(\"12g\")", "#127"},
        {"=HEXTONUM(\"12 3\")", "#127"},
        {"=NUMTOHEX(-1)", "'ffffffff'"},
        {"=NUMTOHEX(255)", "'ff'"},
        {"=NUMTOHEX(1e10)", "#116"},
        {"=STRING(3.14159,2)", "'3.14'"},
        {"=STRING(1,16)", "#67"},
        {"=LENGTH(REPEAT(\"ab\",255))", "510"},
        {"=REPEAT(\"ab\",256)", "#150"},
        {"=REPEAT(\"\",1e10)", "''"},
        {"=REPEAT(\"a\",-1)", "#64"},
        {"=CHAR(65)", "'A'"},
        {"=CHAR(0)", "#138"},
        {"=CHAR(256)", "#138"},
        {"=CODE(\"A\")", "65"},
        {"=CODE(\"\")", "0"},
        {"=CLEAN(\"a\tb\")", "'ab'"},
        {"=EXACT(\"a\",\"a\")", "1"},
        {"=EXACT(\"a\",\"A\")", "0"},
        {"=VALUE(\"2.5\")", "2.5"},
        {"=VALUE(\"x\")", "0"},
        {"=S(H1)", "'abc'"},
        {"=S(F1)", "''"},
        {"=S(5)", "''"},
        {"=N(F2)", "3"},
        {"=N(H1)", "0"},
        {"=N(\"x\")", "0"},
        {"=STRLEN(\"ab\",H1,K9)", "5"},
        {"=STRLEN(5)", "#98"},
        {"=STRCAT(\"a\",1.5,H1)", "'a1.5abc'"},
        {"=STRCAT(F1..G2)", "'1234'"},
        {"=TSV(F1..G2)", "'1\t2\r\n3\t4\r\n'"},
        {"=TSV(1,\"a\")", "'1\na\n'"},
        {"=STRCAT(1/0)", "#70"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
}
} // namespace
