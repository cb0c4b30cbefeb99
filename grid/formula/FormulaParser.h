// The formula scanner and parser: formula text to a compiled formula, with the first error's
// code and position. Also the text form of cell and range references and the small reference
// operations the worksheet functions use.
#pragma once
#include "grid/formula/FormulaTypes.h"
#include <vector>

#define GX_MAX_NODES 200
// Deeper nesting of parentheses, calls or conditions fails with "recursion too deep".
#define GX_MAX_NESTING 100

// Token codes of the scanner.
enum
{
    GX_TOK_SEMICOLON = 0,
    GX_TOK_COLON = 1,
    GX_TOK_COMMA = 2,
    GX_TOK_QUESTION = 3,
    GX_TOK_HASH = 4,
    GX_TOK_BACKSLASH = 5,
    GX_TOK_LPAREN = 18,
    GX_TOK_RPAREN = 19,
    GX_TOK_LBRACE = 20,
    GX_TOK_RBRACE = 21,
    GX_TOK_ASSIGN = 22,
    GX_TOK_POWER = 23,
    GX_TOK_EQUAL = 31,
    GX_TOK_DOTDOT = 32,
    GX_TOK_CELL = 33,
    GX_TOK_NAME = 34,
    GX_TOK_FUNCTION = 35,
    GX_TOK_STRING = 36,
    GX_TOK_NUMBER = 37,
    GX_TOK_HEX = 38,
    GX_TOK_COMMENT = 39,
    GX_TOK_END = 40,
    GX_TOK_ERROR = 41,
    GX_TOK_DOT = 42,
    GX_TOK_ERRLIT = 43
};

// A token points into the formula text it was cut from, which outlives it.
struct GX_TOKEN
{
    int nCode;
    int nError;
    int nPos;
    const char* pszText; // not terminated: nLength characters
    int nLength;

    CString Text() const
    {
        return CString(pszText, nLength);
    }
};

// Cuts a formula text into tokens; the last is the end of the formula.
void FormulaScanner(const char* pszText, std::vector<GX_TOKEN>& tokens);

// Runs the grammar on a formula text. On success the formula's fields are set (its node array
// is heap memory that the formula owns); otherwise nErrorCode and nErrorPos tell why.
BOOL ParseFormula(int nSheet, const char* pszText, GX_FORMULA* pFormula, int& nErrorCode, int& nErrorPos);

// Reference text.
int ParseCellReference(const char* pszText, GX_RANGE* pRange);
const char* FormatCellReference(const GX_RANGE& range);
const char* ColumnLetters(DWORD nCol);
int ColumnFromLetters(const char* pszLetters);

// Reference operations.
int ReferencesOverlap(const GX_RANGE& a, const GX_RANGE& b);
int IntersectReferences(const GX_RANGE& a, const GX_RANGE& b, GX_RANGE* pOut);
int SameReference(const GX_RANGE& a, const GX_RANGE& b);
GX_RANGE MakeReference(long nRow1, long nCol1, long nRow2, long nCol2, int nFlags);
