// Evaluation of compiled formulas at a cell position, the operators, storing results into cells,
// constraint checks and the recalculation of a sheet (stale formulas, generation stamps,
// cycles and iteration). Dependencies are found anew each time from the reference nodes.
#pragma once
#include "grid/formula/CellStore.h"

// Operators: one table drives evaluation and text output.
enum GXOperatorForm
{
    gxInfix,
    gxPrefix,
    gxPostfix,
    gxOperand
};

struct GX_OPERATOR_INFO
{
    const char* pszSymbol;
    GXOperatorForm form;
    GX_VALUE (*pfnEvaluate)(const GX_EXPR_NODE* pNodes, const GX_EXPR_NODE& node);
};

const GX_OPERATOR_INFO* GXOperatorInfo(DWORD nCode);

GX_VALUE GXEvaluateExpression(int nSheet, DWORD nRow, DWORD nCol, GX_EXPR_NODE* pNodes, WORD nRoot);
GX_VALUE EvaluateNode(GX_EXPR_NODE* pNodes, WORD nIndex, int bTrack);
GX_VALUE EvaluateOperator(GX_EXPR_NODE* pNodes, WORD nIndex);
GX_VALUE GXEvaluateFunctionCall(GX_EXPR_NODE* pNodes, WORD nIndex, int bTrack);

int GXEvaluateCell(int nSheet, GX_CELL* pCell);
int GXCheckConstraint(int nSheet, GX_CELL* pCell);
void GXRecalcCell(int nSheet, GX_CELL* pCell);
int GXRecalcPass(int nSheet);
int GXRecalc(int nSheet);
int GXRecalcForced(int nSheet);
void GXAddChangedRange(int nSheet, const GX_RANGE& range);
void GXClearChangedRanges(int nSheet);
int GXCellNeedsRecalc(int nSheet, const GX_CELL* pCell);
int GXCountConstraintViolations(int nSheet, int nPoolBit);
int GXEvaluateText(int nSheet, const char* pszText, DWORD nRow, DWORD nCol, GX_VALUE* pValue);
int GXParseFormula(int nSheet, const char* pszText, GX_FORMULA* pFormula);
void GXReportCellError(int nSheet, const GX_CELL* pCell);
void GXSetReportNextError(int nSheet);

// Conversions of the operator table.
double GXValueToNumber(int nSheet, GX_VALUE value);
int GXValueToInteger(int nSheet, GX_VALUE value);
GX_VALUE GXResolveValue(int nSheet, GX_VALUE value);
int GXCompareText(const char* psz1, const char* psz2);

// Value makers.
GX_VALUE GXNumberValue(double d);
GX_VALUE GXErrorValue(int nCode, const char* pszDetail);
GX_VALUE GXEmptyValue();
// Frees the string a value holds, if any.
void GXReleaseValue(GX_VALUE& value);
