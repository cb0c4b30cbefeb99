// Conditional aggregates: conditions relative to the visited cell, conditions given as text,
// and the empty selections.
#include "FunctionSheetTest.h"

using namespace formula_test;

namespace
{
TEST_F(FunctionSheetTest, ConditionalAggregates)
{
    // F1..F3 1, 2, 3; F4 "x"; G1 5.
    for (int i = 1; i <= 3; i++)
        GXStoreNumber(m_nSheet, i, 5, i);
    GXStoreText(m_nSheet, 4, 5, "x");
    GXStoreNumber(m_nSheet, 1, 6, 5);
    const EdgeCase aCases[] = {
        {"=CSUM(F1..F3,#>2)", "3"},       {"=CSUM(F1..F3,G1,#>1)", "10"}, {"=CSUM(F1..F3,\"#>1\")", "5"},
        {"=CSUM(F1..F3,\"#>\")", "#57"},  {"=CSUM(F1..F3,1/0)", "#70"},   {"=CSUM(F1..F3,#>9)", "0"},
        {"=CAVG(F1..F3,#>9)", "#153"},    {"=CAVG(F1..F3,#>1)", "2.5"},   {"=CMIN(F1..F3,#>1)", "2"},
        {"=CMAX(F1..F3,#<3)", "2"},       {"=CMAX(F1..F3,#>9)", "#153"},  {"=CVAR(F1..F3,#>2)", "0"},
        {"=CVAR(F1..F3,#>9)", "#145"},    {"=CVARS(F1..F3,#>2)", "#154"}, {"=CVARS(F1..F3,1)", "1"},
        {"=CSTDS(F1..F3,1)", "1"},        {"=CSTD(F1..F3,#>2)", "0"},     {"=CCOUNT(F1..F4,1)", "4"},
        {"=CSUM(F1..F4,1)", "6"},         {"=CCOUNT(F1..F4,#>=2)", "2"},  {"=CSUM(3,1)", "#98"},
        {"=CSUM(F1..F3,F1..F2)", "#128"},
    };
    CheckCases(aCases, sizeof(aCases) / sizeof(aCases[0]));
}
} // namespace
