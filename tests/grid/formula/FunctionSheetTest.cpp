#include "FunctionSheetTest.h"
#include "grid/formula/CellStore.h"
#include <math.h>

namespace formula_test
{
namespace
{
struct DataCell
{
    DWORD nRow;
    DWORD nCol;
    double d;
};

const DataCell s_aData[] = {
#include "OracleData.inc"
};
} // namespace

void FunctionSheetTest::SetUp()
{
    GXGetEngineState()->SetWorksheetFunctions(new CGXDefaultWorksheetFunctions);
    m_nSheet = GXCreateSheet();
    for (const DataCell& c : s_aData)
        GXStoreNumber(m_nSheet, c.nRow, c.nCol, c.d);
}

void FunctionSheetTest::TearDown()
{
    GXDeleteSheet(m_nSheet);
}

void FunctionSheetTest::CheckOracle(const OracleCase* pCases, size_t n)
{
    for (size_t i = 0; i < n; i++)
    {
        const OracleCase& c = pCases[i];
        GX_VALUE v;
        ASSERT_TRUE(GXEvaluateText(m_nSheet, c.pszOurs, 100, 10, &v)) << c.pszOurs;
        if (v.nKind == GX_VALUE_CELL) // a formula naming a cell of an array result
        {
            GX_VALUE cell;
            GX_CELL* p = GXGetCellValue(m_nSheet, v.range.Row1(), v.range.Col1(), &cell);
            ASSERT_TRUE(p != NULL && cell.nKind == GX_CELLVALUE_NUMBER) << c.pszOurs;
            v = GXNumberValue(cell.dValue);
        }
        ASSERT_EQ((DWORD)GX_VALUE_NUMBER, v.nKind) << c.pszOurs << " gave " << Take(v);
        double dAllowed = fmax(fabs(c.dExpected) * c.dTolerance, 1e-12);
        EXPECT_NEAR(c.dExpected, v.dValue, dAllowed) << c.pszOurs << " against " << c.pszCalc;
    }
}

void FunctionSheetTest::CheckCases(const EdgeCase* pCases, size_t n)
{
    for (size_t i = 0; i < n; i++)
        EXPECT_EQ(pCases[i].pszExpected, Eval(m_nSheet, pCases[i].pszFormula)) << pCases[i].pszFormula;
}
} // namespace formula_test
