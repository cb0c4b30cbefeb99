#include "FormulaTestSupport.h"
#include "TestSupport.h"
#include <stdio.h>
#include <string.h>
#include <windows.h>

namespace formula_test
{
int g_nCounted = 0;

std::string Describe(const GX_VALUE& v)
{
    char sz[64];
    switch (v.nKind)
    {
    case GX_VALUE_NUMBER:
        sprintf(sz, "%.14g", v.dValue);
        return sz;
    case GX_VALUE_STRING:
        return "'" + std::string(v.pszValue) + "'";
    case GX_VALUE_RANGE:
        return "range";
    case GX_VALUE_CELL:
        return "cell";
    case GX_VALUE_EMPTY:
        return "empty";
    case GX_VALUE_ERROR:
        sprintf(sz, "#%lu", (unsigned long)v.error.nCode);
        return sz;
    }
    sprintf(sz, "kind %lu", (unsigned long)v.nKind);
    return sz;
}

std::string Take(GX_VALUE v)
{
    std::string s = Describe(v);
    GXReleaseValue(v);
    return s;
}

std::string CellValue(int nSheet, DWORD nRow, DWORD nCol)
{
    GX_VALUE v;
    GX_CELL* p = GXGetCellValue(nSheet, nRow, nCol, &v);
    if (p == NULL)
        return "none";
    char sz[64];
    switch (v.nKind)
    {
    case GX_CELLVALUE_NUMBER:
        sprintf(sz, "%.14g", v.dValue);
        return sz;
    case GX_CELLVALUE_HEAPSTR: {
        std::string s = "'" + std::string(v.pszValue) + "'";
        GXFreeMemory(v.pszValue);
        return s;
    }
    case GX_CELLVALUE_ERROR:
        sprintf(sz, "#%lu", (unsigned long)v.error.nCode);
        return sz;
    case GX_CELLVALUE_EMPTY:
        return "empty";
    }
    return "no value";
}

std::string Eval(int nSheet, const char* pszText)
{
    GX_VALUE v;
    if (!GXEvaluateText(nSheet, pszText, 100, 10, &v))
    {
        char sz[32];
        sprintf(sz, "parse %d@%d", GXGetLastError(), GXGetLastErrorPos());
        return sz;
    }
    return Take(v);
}

std::string Reparse(int nSheet, const char* pszText)
{
    GX_FORMULA f;
    if (!GXParseFormula(nSheet, pszText, &f))
    {
        char sz[32];
        sprintf(sz, "%d@%d", GXGetLastError(), GXGetLastErrorPos());
        return sz;
    }
    std::string s;
    GXFormulaToText(nSheet, &f, s);
    GXFreeFormulaParts(&f);
    return s;
}

namespace
{
GX_VALUE* Count(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    g_nCounted++;
    *pResult = pArgs[1];
    pArgs[1].nKind = GX_VALUE_EMPTY; // handed on
    if (pResult->nKind == GX_VALUE_CELL)
    {
        double d;
        GXGetCellNumber(pResult->range.Row1(), pResult->range.Col1(), &d);
        *pResult = GXNumberValue(d);
    }
    return pResult;
}

GX_VALUE* Echo(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    *pResult = pArgs[1];
    pArgs[1].nKind = GX_VALUE_EMPTY;
    return pResult;
}

GX_VALUE* Empty(GX_VALUE* pResult, GX_VALUE*)
{
    *pResult = GXEmptyValue();
    return pResult;
}

// The numeric list walk of the aggregates.
GX_VALUE* Sum(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    double dSum = 0, d;
    for (DWORD i = 1; i <= pArgs[0].nCount; i++)
    {
        const GX_VALUE& v = pArgs[i];
        switch (v.nKind)
        {
        case GX_VALUE_NUMBER:
            dSum += v.dValue;
            break;
        case GX_VALUE_CELL:
            if (GXGetCellNumber(v.range.Row1(), v.range.Col1(), &d))
                dSum += d;
            break;
        case GX_VALUE_RANGE: {
            GX_RANGE_ITER it;
            GXRangeIterInit(&it, GXGetCurrentSheet(), v.range, GX_POOL_ALL);
            while (GX_CELL* p = GXRangeIterNext(&it))
                if (GXGetCellNumber(p->nRow, p->nCol, &d))
                    dSum += d;
            break;
        }
        case GX_VALUE_ERROR:
            GXRaiseValueError(v);
        }
    }
    *pResult = GXNumberValue(dSum);
    return pResult;
}

// Allocates n temporary arrays of 4 numbers.
GX_VALUE* Temp(GX_VALUE* pResult, GX_VALUE* pArgs)
{
    int n = (int)GXToInteger(pArgs[1].dValue);
    GX_MATRIX m[12];
    for (int i = 0; i < n && i < 12; i++)
    {
        m[i].nRows = 2;
        m[i].nCols = 2;
        GXAllocTempArray(&m[i]);
    }
    *pResult = GXNumberValue(n);
    return pResult;
}

#define ENTRY(name, proc, result, count, ...)                                                                \
    {                                                                                                        \
        name, proc, 0, 0, result, count, __VA_ARGS__, -1                                                     \
    }
const GX_FUNCTION_ENTRY s_aTest[] = {
    ENTRY("CNT", Count, 10, 1, {{10, 0}}), ENTRY("CSUM", Sum, 0, 2, {{7, 4}, {1, 1}}),
    ENTRY("ECHO", Echo, 10, 1, {{1, 0}}),  ENTRY("ECHOV", Echo, 10, 1, {{10, 0}}),
    ENTRY("EMPTY", Empty, 10, 0, {}),      ENTRY("NA", Empty, 10, 0, {}),
    ENTRY("SUM", Sum, 0, 1, {{2, 4}}),     ENTRY("TEMP", Temp, 0, 1, {{1, 0}}),
};

class TestFunctions : public CGXWorksheetFunctions
{
  public:
    const GX_FUNCTION_ENTRY* LookupFunction(const char* pszName) override
    {
        for (const GX_FUNCTION_ENTRY& e : s_aTest)
            if (strcmp(e.pszName, pszName) == 0)
                return &e;
        return NULL;
    }
};
} // namespace

bool RunDisabledTestInChild(const char* pszTest)
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(NULL, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return false;
    std::string report = testing_support::TempFolder() + "\\child-" + pszTest + ".xml";
    DeleteFileA(report.c_str());
    testing_support::ChildProcess process;
    if (!process.Start("\"" + std::string(path) + "\" --gtest_also_run_disabled_tests --gtest_filter=" +
                       pszTest + " --gtest_output=xml:" + report))
        return false;
    int nExit = process.Wait(60000);
    std::string xml;
    if (FILE* pFile = fopen(report.c_str(), "rb"))
    {
        char buf[4096];
        size_t nRead;
        while ((nRead = fread(buf, 1, sizeof(buf), pFile)) > 0)
            xml.append(buf, nRead);
        fclose(pFile);
    }
    DeleteFileA(report.c_str());
    return nExit == 0 && xml.find("tests=\"1\" failures=\"0\"") != std::string::npos;
}

void InstallTestFunctions()
{
    GXGetEngineState()->SetWorksheetFunctions(new TestFunctions);
}
} // namespace formula_test
