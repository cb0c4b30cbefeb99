// Error texts of the formula engine, the text form of compiled formulas (for editing, copying
// and saving) and the escaped form of string constants. Formula text goes into a growing
// buffer: escaping can make a text four times longer, and nothing is ever cut.
#pragma once
#include "grid/formula/FormulaTypes.h"
#include <string>

#define GX_ERROR_TEXTS 382

// The message of an error code; "unknown error" for codes outside the table.
const char* FormulaErrorText(int nCode);

void GXFormulaToText(int nSheet, const GX_FORMULA* pFormula, std::string& out);
void GXNodeToText(int nSheet, const GX_EXPR_NODE* pNodes, WORD nIndex, std::string& out);
void GXFunctionNameText(std::string& out, const char* pszName, BOOL bParentheses);
void GXEscapeText(std::string& out, const char* pszText, BOOL bQuote);
// Decodes escapes into a buffer of at least 512 bytes; at most 511 characters are written.
void GXUnescapeText(char* pszOut, const char* pszText);
int GXHexDigitValue(int ch);
void GXUpperCaseText(char* psz);
void GXLowerCaseText(char* psz);
