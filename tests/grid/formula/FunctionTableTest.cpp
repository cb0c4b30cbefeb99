// The built-in function table, the Excel number table and the argument operations.
#include "FormulaTestSupport.h"
#include <math.h>
#include <string.h>

using namespace formula_test;

TEST(FunctionTable, EveryNameIsFoundInByteOrder)
{
    int n;
    const GX_FUNCTION_ENTRY* p = CGXDefaultWorksheetFunctions::GetTable(n);
    ASSERT_EQ(227, n);
    EXPECT_STREQ("@", p[0].pszName);
    EXPECT_STREQ("ABS", p[1].pszName);
    CGXDefaultWorksheetFunctions set;
    for (int i = 0; i < n; i++)
    {
        if (i > 0)
        {
            EXPECT_LT(strcmp(p[i - 1].pszName, p[i].pszName), 0) << p[i].pszName;
        }
        EXPECT_EQ(&p[i], set.LookupFunction(p[i].pszName)) << p[i].pszName;
        EXPECT_EQ(0u, p[i].nReserved1);
    }
    EXPECT_TRUE(set.LookupFunction("sum") == NULL);
    EXPECT_TRUE(set.LookupFunction("SUMX") == NULL);
}

TEST(FunctionTable, ExcelNumbers)
{
    GXGetEngineState()->SetWorksheetFunctions(new CGXDefaultWorksheetFunctions);
    int nNamed = 0;
    for (int i = 0; i < GX_EXCEL_FUNCTIONS; i++)
    {
        GX_EXCEL_FUNCTION_ENTRY* p = GXExcelFunctionEntry(i);
        if (p == NULL)
            continue;
        nNamed++;
        BOOL bNoEngine = i == 232 || i == 233 || i == 234;
        EXPECT_EQ(bNoEngine, p->pEntry == NULL) << i << " " << p->pszName;
    }
    EXPECT_EQ(112, nNamed);
    EXPECT_TRUE(GXExcelFunctionEntry(337) == NULL);
    EXPECT_TRUE(GXExcelFunctionEntry(-1) == NULL);
    EXPECT_TRUE(GXExcelFunctionEntry(1) == NULL);
    EXPECT_STREQ("ASINH", GXExcelFunctionEntry(232)->pszName);
    EXPECT_EQ(111, GXLookupFunction("CHAR")->nExcelNumber);
    EXPECT_EQ(-1, GXLookupFunction("CELLREF")->nExcelNumber);
    EXPECT_EQ(-1, GXLookupFunction("CELLINFO")->nExcelNumber);
    EXPECT_EQ(4, GXLookupFunction("SUM")->nExcelNumber);
    EXPECT_EQ(GXLookupFunction("SUM"), GXExcelFunctionEntry(4)->pEntry);
}

TEST(FunctionTable, EveryEntryButAtIsInstalled)
{
    GXGetEngineState()->SetWorksheetFunctions(new CGXDefaultWorksheetFunctions);
    int n;
    const GX_FUNCTION_ENTRY* p = CGXDefaultWorksheetFunctions::GetTable(n);
    for (int i = 0; i < n; i++)
        EXPECT_EQ(strcmp(p[i].pszName, "@") == 0, p[i].pfn == GXFunctionNotInstalled) << p[i].pszName;
    int nSheet = GXCreateSheet();
    // Argument counts checked at parse time.
    EXPECT_EQ("parse 230@1", Eval(nSheet, "=ABS()"));
    EXPECT_EQ("parse 229@1", Eval(nSheet, "=ABS(1,2)"));
    std::string s = "=SUM(1";
    for (int i = 0; i < 100; i++)
        s += ",1";
    s += ")";
    EXPECT_EQ("parse 229@1", Eval(nSheet, s.c_str()));
    EXPECT_EQ("parse 227@1", Eval(nSheet, "=XXX(1)"));
    GXDeleteSheet(nSheet);
}

namespace
{
// A1 5, A2 "abc", A3 an error, A4 an empty result, A5 missing.
class CoercionTest : public SheetTest
{
  protected:
    void SetUp() override
    {
        SheetTest::SetUp();
        GXStoreNumber(m_nSheet, 1, 0, 5);
        GXStoreText(m_nSheet, 2, 0, "abc");
        GXStoreFormula(m_nSheet, 3, 0, "=1/0", NULL);
        GXStoreFormula(m_nSheet, 4, 0, "=EMPTY()", NULL);
        GXStoreText(m_nSheet, 6, 0, "7.5");
        GXSetForeground(m_nSheet, 1);
        GXRecalc(m_nSheet);
    }
};
} // namespace

TEST_F(CoercionTest, PerArgumentKind)
{
    struct
    {
        const char* pszFormula;
        int bBlankIsZero;
        const char* pszExpected;
    } cases[] = {
        {"=ECHO(\"5\")", 0, "5"},  {"=ECHO(\"x\")", 0, "0"},       {"=ECHO(A1)", 0, "5"},
        {"=ECHO(A6)", 0, "7.5"},   {"=ECHO(A2)", 0, "0"},          {"=ECHO(A3)", 0, "#133"},
        {"=ECHO(A4)", 0, "#128"},  {"=ECHO(A5)", 0, "#128"},       {"=ECHO(A5)", 1, "0"},
        {"=ECHO(1/0)", 0, "#70"},  {"=ECHO(A1..A2)", 0, "#149"},   {"=ECHOV(\"5\")", 0, "'5'"},
        {"=ECHOV(A5)", 0, "cell"}, {"=ECHO(EMPTY())", 0, "empty"},
    };
    for (auto& c : cases)
    {
        GXSetBlankIsZero(m_nSheet, c.bBlankIsZero);
        std::string s = Eval(m_nSheet, c.pszFormula);
        if (s == "range")
            s = "#149"; // what a cell would store
        EXPECT_EQ(c.pszExpected, s) << c.pszFormula;
    }
}

TEST(FunctionTable, IntegerBoundsAndStringCapacity)
{
    EXPECT_EQ(4294967295LL, GXToInteger(4294967295.9));
    EXPECT_EQ(-2147483648LL, GXToInteger(-2147483648.9));
    for (double d : {4294967296.0, -2147483649.0, nan("")})
    {
        GXGetEvalState()->nErrorCode = 0;
        EXPECT_THROW(GXToInteger(d), GXEvalException);
        EXPECT_EQ(109, GXGetEvalState()->nErrorCode);
    }
    char sz[512];
    std::string s511(511, 'a'), s512(512, 'b');
    GXCopyString(sz, s511.c_str(), 512);
    EXPECT_EQ(511u, strlen(sz));
    GXGetEvalState()->nErrorCode = 0;
    EXPECT_THROW(GXCopyString(sz, s512.c_str(), 512), GXEvalException);
    EXPECT_EQ(150, GXGetEvalState()->nErrorCode);
    EXPECT_EQ(511u, strlen(sz));
    strcpy(sz, "abc");
    GXAppendString(sz, "def", 512);
    EXPECT_STREQ("abcdef", sz);
}

TEST(FunctionTable, DescriptorAssignment)
{
    int n;
    const GX_FUNCTION_ENTRY* p = CGXDefaultWorksheetFunctions::GetTable(n);
    const GX_FUNCTION_ENTRY* pCsum = NULL;
    const GX_FUNCTION_ENTRY* pAccrint = NULL;
    for (int i = 0; i < n; i++)
    {
        if (strcmp(p[i].pszName, "CSUM") == 0)
            pCsum = &p[i];
        if (strcmp(p[i].pszName, "ACCRINT") == 0)
            pAccrint = &p[i];
    }
    int d[GX_MAX_ARGUMENTS];
    ASSERT_EQ(0, GXAssignArgumentDescriptors(pCsum, 4, d));
    EXPECT_EQ(0, d[0]);
    EXPECT_EQ(0, d[2]);
    EXPECT_EQ(1, d[3]);
    EXPECT_EQ(GX_ERR_TOOFEWARGS, GXAssignArgumentDescriptors(pCsum, 1, d));
    EXPECT_EQ(GX_ERR_TOOMANYARGS, GXAssignArgumentDescriptors(pCsum, 101, d));
    EXPECT_EQ(0, GXAssignArgumentDescriptors(pAccrint, 6, d));
    EXPECT_EQ(0, GXAssignArgumentDescriptors(pAccrint, 7, d));
    EXPECT_EQ(GX_ERR_TOOFEWARGS, GXAssignArgumentDescriptors(pAccrint, 5, d));
    EXPECT_EQ(GX_ERR_TOOMANYARGS, GXAssignArgumentDescriptors(pAccrint, 8, d));
}
