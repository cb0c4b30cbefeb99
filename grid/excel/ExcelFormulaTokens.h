// Translation between the formula engine's expression nodes and BIFF8 formula tokens (reverse
// Polish token bytes with little-endian operands), both directions, plus the FORMULA result
// field and the text conversions of BIFF8 strings that the formula records share.
#pragma once
#include "grid/formula/CellStore.h"
#include <vector>

class CGXGridCore;
struct formulaStruct;

// Largest token stream a FORMULA record holds (the record body is at most 8,224 bytes).
#define GX_EXCEL_MAX_TOKENS 8202

// Ends of a stream that the token reader reports besides the token byte that stopped it.
enum
{
    GX_TOKERR_UNSUPPORTED = 33,  // a function without an engine function
    GX_TOKERR_ASSIGN = 25,       // an assignment attribute
    GX_TOKERR_TRUNCATED = 0x100, // operand bytes past the end of the stream
    GX_TOKERR_STACK = 0x101,     // an operator or call without its operands
    GX_TOKERR_LEFTOVER = 0x102,  // not exactly one expression at the end
    GX_TOKERR_NODES = 0x103,     // more nodes than a formula holds
    GX_TOKERR_RANGE = 0x104,     // a reference outside the sheet
    GX_TOKERR_TEXT = 0x105       // the formula text does not parse back
};

// The argument count of a BIFF function number: -1 variable, else the fixed count.
int GXGetExcelFunctionFlag(int nNumber);
// Stores a word low byte first.
void GXStoreWord(BYTE* p, WORD w);

// Appends the tokens of a formula cell's value expression. FALSE when the formula holds
// something the token set cannot say as the engine means it; then nothing is appended.
BOOL GXWriteFormulaTokens(const GX_CELL* pCell, std::vector<BYTE>& tokens);
// The 8-byte result field of a FORMULA from the cell's current value; strText receives the
// text of a text result that needs a STRING record (empty otherwise).
void GXBuildFormulaResult(int nSheet, const GX_CELL* pCell, BYTE* pResult, CString& strText);
// The FORMULA record of a formula cell, with its STRING record when the result is a text,
// ready to write. Row and column are zero-based. FALSE: write the cell's value instead.
BOOL GXBuildFormulaRecords(int nSheet, const GX_CELL* pCell, WORD nRow, WORD nCol, WORD nXF,
                           std::vector<BYTE>& records);

// Reads a token stream of the cell at zero-based row and column into a formula. 0, or the
// token or condition that stopped the reading; a failed formula owns nothing.
int GXParseFormulaTokens(const BYTE* pTokens, int nLength, WORD nRow, WORD nCol, GX_FORMULA* pFormula);
// The same, as formula text ("=..."), checked by parsing it again.
int GXFormulaTokensToText(int nSheet, const BYTE* pTokens, int nLength, WORD nRow, WORD nCol,
                          CString& strText);
// Stores the formula of a FORMULA record in the grid's formula sheet, at grid row and column
// one past the record's. FALSE without a formula sheet or when the tokens do not translate.
BOOL GXApplyFormulaTokens(const formulaStruct& formula, CGXGridCore* pGrid);

// BIFF8 strings: a character count, an option byte (bit 0: 16-bit characters), the characters.
// Appends an ANSI text as count (a byte when bByteCount, else a word), option byte and
// characters, cut to nMaxChars characters.
void GXAppendBiffString(std::vector<BYTE>& out, const char* pszText, int nMaxChars, BOOL bByteCount);
// Converts nChars characters (8-bit when the option's bit 0 is clear) to ANSI text.
CString GXBiffCharsToText(const BYTE* p, int nChars, BYTE nOption);

// Makes a new default worksheet-function set and installs it in the engine.
void GXCreateDefaultWorksheetFunctions();
