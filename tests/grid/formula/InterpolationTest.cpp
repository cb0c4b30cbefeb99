// INTERP2D and INTERP3D, values worked out by hand, their array results and errors.
#include "FunctionSheetTest.h"

using namespace formula_test;

namespace
{
TEST_F(FunctionSheetTest, InterpolationInTables)
{
    // F1..F3 1, 2, 4 with G1..G3 10, 20, 40; H1..H2 targets 1.5, 4. A 3 x 3 table at F10 with
    // x breakpoints 0, 1 below the corner, y breakpoints 0, 10 right of it and data 0 10 / 100 110.
    const double x[] = {1, 2, 4};
    for (int i = 0; i < 3; i++)
    {
        GXStoreNumber(m_nSheet, 1 + i, 5, x[i]);
        GXStoreNumber(m_nSheet, 1 + i, 6, 10 * x[i]);
    }
    GXStoreNumber(m_nSheet, 1, 7, 1.5);
    GXStoreNumber(m_nSheet, 2, 7, 4);
    const double table[] = {0, 0, 10, 0, 0, 10, 1, 100, 110};
    for (int i = 0; i < 9; i++)
        if (i != 0)
            GXStoreNumber(m_nSheet, 10 + i / 3, 5 + i % 3, table[i]);
    const EdgeCase aCases[] = {
        {"=INTERP2D(F1..F3,G1..G3,3)", "30"},        {"=INTERP2D(F1..F3,G1..G3,5)", "#307"},
        {"=INTERP2D(F1..F3,G1..G2,3)", "#103"},      {"=INTERP2D(F1..F4,G1..G4,3)", "#131"},
        {"=INTERP2D(F1..F3,G1..G3,F1..G2)", "#103"}, {"=INTERP3D(F10..H12,0.5,5)", "55"},
        {"=INTERP3D(F10..H12,1,10)", "110"},         {"=INTERP3D(F10..H12,2,5)", "#307"},
        {"=INTERP3D(F10..H11,0.5,5)", "#103"},       {"=INTERP3D(F9..H11,0.5,5)", "#306"},
        {"=INTERP3D(F10..H12,H1..H2,0)", "#103"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
    ASSERT_TRUE(GXStoreFormula(m_nSheet, 30, 10, "=INTERP2D(F1..F3,G1..G3,H1..H2)", NULL));
    GXRecalc(m_nSheet);
    EXPECT_EQ("15", CellValue(m_nSheet, 30, 10));
    EXPECT_EQ("40", CellValue(m_nSheet, 31, 10));
    EXPECT_EQ("none", CellValue(m_nSheet, 32, 10));
}
} // namespace
