// Fixture of the worksheet function tests: a sheet with the built-in functions and the data
// cells of the LibreOffice oracle; checks of oracle rows and of formula/result tables.
#pragma once
#include "FormulaTestSupport.h"

namespace formula_test
{
struct OracleCase
{
    const char* pszOurs;
    const char* pszCalc;
    double dTolerance;
    double dExpected;
};

struct EdgeCase
{
    const char* pszFormula;
    const char* pszExpected; // as Describe gives it
};

class FunctionSheetTest : public ::testing::Test
{
  protected:
    void SetUp() override;
    void TearDown() override;
    void CheckOracle(const OracleCase* pCases, size_t n);
    void CheckCases(const EdgeCase* pCases, size_t n);
    int m_nSheet = 0;
};
} // namespace formula_test
