// Helpers of the formula engine tests: a sheet per test, a small function set of our own and
// a one-line description of values.
#pragma once
#include "grid/formula/Evaluator.h"
#include "grid/formula/FormulaParser.h"
#include "grid/formula/FormulaText.h"
#include "grid/formula/RangeNames.h"
#include "grid/formula/ReferenceAdjust.h"
#include "grid/formula/WorksheetFunctions.h"
#include <gtest/gtest.h>
#include <string>

namespace formula_test
{
// "3", "'text'", "#70", "empty", "cell", "range", "kind N".
std::string Describe(const GX_VALUE& v);
// Describes and releases.
std::string Take(GX_VALUE v);
// The value of a stored cell as Describe gives it ("none" when missing).
std::string CellValue(int nSheet, DWORD nRow, DWORD nCol);
// Evaluates a formula text at row 100, column 10.
std::string Eval(int nSheet, const char* pszText);
// Parse error as "code@pos", or the formula's text again.
std::string Reparse(int nSheet, const char* pszText);
// Runs one disabled test of this executable in a child process, for checks of process-wide
// state as a fresh process has it; true when the child passed and its report shows that the
// case ran (a filter matching nothing also passes).
bool RunDisabledTestInChild(const char* pszTest);

// Counts calls of CNT().
extern int g_nCounted;
// Installs the test function set: CNT(v), ECHO(n), ECHOV(v), EMPTY(), SUM(l...), TEMP(n),
// CSUM(r... n').
void InstallTestFunctions();

class SheetTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        InstallTestFunctions();
        m_nSheet = GXCreateSheet();
    }
    void TearDown() override
    {
        GXDeleteSheet(m_nSheet);
    }
    int m_nSheet = 0;
};
} // namespace formula_test
