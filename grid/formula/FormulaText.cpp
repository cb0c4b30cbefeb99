// Error texts, formula text output and string escapes.
#include "grid/formula/FormulaText.h"
#include "grid/formula/Evaluator.h"
#include "grid/formula/FormulaParser.h"
#include "grid/formula/CellStore.h"
#include "grid/formula/WorksheetFunctions.h"
#include <mbctype.h>
#include <mbstring.h>
#include <stdio.h>
#include <string.h>

namespace
{
const char* const s_apszErrors[GX_ERROR_TEXTS] = {
    "unknown error",                                            // 0
    "",                                                         // 1
    "",                                                         // 2
    "",                                                         // 3
    "",                                                         // 4
    "out of memory",                                            // 5
    "illegal range specification",                              // 6
    "illegal cell address specification",                       // 7
    "",                                                         // 8
    "",                                                         // 9
    "",                                                         // 10
    "",                                                         // 11
    "",                                                         // 12
    "",                                                         // 13
    "",                                                         // 14
    "",                                                         // 15
    "",                                                         // 16
    "",                                                         // 17
    "",                                                         // 18
    "",                                                         // 19
    "invalid range name",                                       // 20
    "",                                                         // 21
    "",                                                         // 22
    "",                                                         // 23
    "",                                                         // 24
    "",                                                         // 25
    "",                                                         // 26
    "",                                                         // 27
    "",                                                         // 28
    "",                                                         // 29
    "",                                                         // 30
    "",                                                         // 31
    "",                                                         // 32
    "",                                                         // 33
    "",                                                         // 34
    "",                                                         // 35
    "",                                                         // 36
    "",                                                         // 37
    "",                                                         // 38
    "F must be >= 0",                                           // 39
    "IEEE Floating Exception (Infinity or NaN)",                // 40
    "\"#\" in primary expression",                              // 41
    "\"Life\" and \"Period\" must be integers",                 // 42
    "\"Life\" must be > 0",                                     // 43
    "\"PV\" and \"FV\" must be non-zero",                       // 44
    "\"PV\" and \"FV\" must have the same sign",                // 45
    "\"Payment\" and \"FV\" must have the same sign",           // 46
    "\"Payment\" must be non-zero",                             // 47
    "\"Period\" must be >= 0",                                  // 48
    "\"Period\" must be an integer > 0",                        // 49
    "\"Rate\" must be greater than -1",                         // 50
    "\"Rate\" must be non-zero",                                // 51
    "argument is negative",                                     // 52
    "argument must be an integer",                              // 53
    "argument not a cell or range",                             // 54
    "argument out of range",                                    // 55
    "arguments must be numeric",                                // 56
    "can not parse condition string",                           // 57
    "cash flow series must be a range",                         // 58
    "cash flow series must be single column or row",            // 59
    "cell operand contains error condition",                    // 60
    "coefficient matrix has linearly dependent columns",        // 61
    "column offset out of range",                               // 62
    "could not find real root",                                 // 63
    "count less than zero",                                     // 64
    "data set size must be >= 3",                               // 65
    "data set size must be >= polynomial degree + 2",           // 66
    "decimal places out of range",                              // 67
    "degrees of freedom must be > 0",                           // 68
    "dimension must be power of 2",                             // 69
    "divide by zero",                                           // 70
    "does not accept arguments",                                // 71
    "domain is -1 < x < 1",                                     // 72
    "domain is -1 <= x <= 1",                                   // 73
    "domain is 0 <= x <= 170",                                  // 74
    "domain is 0 <= x <= 33",                                   // 75
    "domain is x > 0",                                          // 76
    "domain is x >= 1",                                         // 77
    "error executing alarm action",                             // 78
    "error in regular expression",                              // 79
    "expecting a function",                                     // 80
    "expecting an operand",                                     // 81
    "expecting an operator",                                    // 82
    "extraneous operands",                                      // 83
    "first argument (\"Rate\") must be numeric",                // 84
    "first argument must be numeric",                           // 85
    "floating exception",                                       // 86
    "function stack overflow",                                  // 87
    "hex number greater than 32 bits",                          // 88
    "illegal cell or range reference",                          // 89
    "illegal operand of \"!=\"",                                // 90
    "illegal operand of \"&\"",                                 // 91
    "illegal operand of \"<=\"",                                // 92
    "illegal operand of \"<\"",                                 // 93
    "illegal operand of \"==\"",                                // 94
    "illegal operand of \">=\"",                                // 95
    "illegal operand of \">\"",                                 // 96
    "improper argument value",                                  // 97
    "improper argument type",                                   // 98
    "improper argument 1 type",                                 // 99
    "improper argument 2 type",                                 // 100
    "improper argument 3 type",                                 // 101
    "improper coefficient type",                                // 102
    "improper dimensions",                                      // 103
    "incompatible matrix dimensions",                           // 104
    "incompatible range dimensions",                            // 105
    "index column contains empty cell",                         // 106
    "index out of range",                                       // 107
    "index row contains empty cell",                            // 108
    "integer parameter out of range",                           // 109
    "invalid cell reference",                                   // 110
    "invalid date",                                             // 111
    "invalid range reference",                                  // 112
    "invalid time",                                             // 113
    "less than 2 arguments",                                    // 114
    "lookup failed to produce a match",                         // 115
    "magnitude too large",                                      // 116
    "matrix is singular",                                       // 117
    "matrix must be square",                                    // 118
    "matrix must be symmetric",                                 // 119
    "missing condition string",                                 // 120
    "incomplete or improper conditional operator (?:)",         // 121
    "modulo divide by zero",                                    // 122
    "must be -15 to +15 places",                                // 123
    "must have \"Cost\" >= \"Salvage\" >= 0",                   // 124
    "must have \"Life\" >= \"Period\" >= 1",                    // 125
    "need at least 2 cash flow values",                         // 126
    "non hex digits in string",                                 // 127
    "non-numeric operand",                                      // 128
    "non-numeric value in cash flow series",                    // 129
    "non-numeric value in matrix",                              // 130
    "non-numeric value in vector",                              // 131
    "one argument must be non-zero",                            // 132
    "operand contains error condition",                         // 133
    "operand equal to 0",                                       // 134
    "both index operands equal to 0",                           // 135
    "operand larger than 32 bits",                              // 136
    "operand less than or equal to 0",                          // 137
    "operand out of range",                                     // 138
    "operand stack overflow",                                   // 139
    "operands of \"&\" must be same type",                      // 140
    "operands of \"..\" must be cell references",               // 141
    "operator stack overflow",                                  // 142
    "polynomial degree must be between 1 and 10",               // 143
    "pooled sample size less than 3",                           // 144
    "population less than 1",                                   // 145
    "ranges must be same dimensions",                           // 146
    "rate found is less than -1",                               // 147
    "recursion too deep",                                       // 148
    "result of expression is a range",                          // 149
    "resultant string too long",                                // 150
    "row offset out of range",                                  // 151
    "sample missing from pair",                                 // 152
    "sample size less than 1",                                  // 153
    "sample size less than 2",                                  // 154
    "selector out of range",                                    // 155
    "string result",                                            // 156
    "substring longer than string",                             // 157
    "substring not found",                                      // 158
    "too few arguments",                                        // 159
    "too many arguments",                                       // 160
    "unexpected question mark",                                 // 161
    "unknown format",                                           // 162
    "unmatched left parenthesis",                               // 163
    "unmatched right parenthesis",                              // 164
    "wrong number of arguments",                                // 165
    "function not installed",                                   // 166
    "",                                                         // 167
    "",                                                         // 168
    "",                                                         // 169
    "",                                                         // 170
    "",                                                         // 171
    "",                                                         // 172
    "",                                                         // 173
    "",                                                         // 174
    "",                                                         // 175
    "",                                                         // 176
    "",                                                         // 177
    "",                                                         // 178
    "",                                                         // 179
    "",                                                         // 180
    "",                                                         // 181
    "",                                                         // 182
    "",                                                         // 183
    "",                                                         // 184
    "",                                                         // 185
    "label missing opening quote",                              // 186
    "label missing closing quote",                              // 187
    "",                                                         // 188
    "",                                                         // 189
    "",                                                         // 190
    "",                                                         // 191
    "",                                                         // 192
    "",                                                         // 193
    "",                                                         // 194
    "",                                                         // 195
    "",                                                         // 196
    "",                                                         // 197
    "",                                                         // 198
    "",                                                         // 199
    "",                                                         // 200
    "",                                                         // 201
    "",                                                         // 202
    "",                                                         // 203
    "",                                                         // 204
    "illegal combination of source/destination range",          // 205
    "",                                                         // 206
    "",                                                         // 207
    "",                                                         // 208
    "constraint check not supported with \"As Needed\"",        // 209
    "iterative calculcation not supported with \"As Needed\"",  // 210
    "",                                                         // 211
    "",                                                         // 212
    "unable to parse search condition",                         // 213
    "unable to parse extract filter",                           // 214
    "",                                                         // 215
    "",                                                         // 216
    "",                                                         // 217
    "",                                                         // 218
    "",                                                         // 219
    "",                                                         // 220
    "",                                                         // 221
    "",                                                         // 222
    "invalid character in formula",                             // 223
    "",                                                         // 224
    "found something unexpected here",                          // 225
    "cell reference out of range",                              // 226
    "undefined function",                                       // 227
    "internal error freeing node",                              // 228
    "too many arguments to function",                           // 229
    "not enough arguments to function",                         // 230
    "expected to find \";\" here",                              // 231
    "expected to find \":\" here",                              // 232
    "expected to find \",\" here",                              // 233
    "expected to find \"?\" here",                              // 234
    "expected to find \"#\" here",                              // 235
    "expected to find \"\\\" here",                             // 236
    "expected to find \"+\" here",                              // 237
    "expected to find \"-\" here",                              // 238
    "expected to find \"*\" here",                              // 239
    "expected to find \"/\" here",                              // 240
    "expected to find \"%\" here",                              // 241
    "expected to find \"|\" here",                              // 242
    "expected to find \"^\" here",                              // 243
    "expected to find \"&\" here",                              // 244
    "expected to find \"!\" here",                              // 245
    "expected to find \"~\" here",                              // 246
    "expected to find \"<\" here",                              // 247
    "expected to find \">\" here",                              // 248
    "expected to find \"(\" here",                              // 249
    "expected to find \")\" here",                              // 250
    "expected to find \"{\" here",                              // 251
    "expected to find \"}\" here",                              // 252
    "expected to find \"=\" here",                              // 253
    "expected to find \"**\" here",                             // 254
    "expected to find \"&&\" here",                             // 255
    "expected to find \"||\" here",                             // 256
    "expected to find \"<<\" here",                             // 257
    "expected to find \">>\" here",                             // 258
    "expected to find \"<=\" here",                             // 259
    "expected to find \">=\" here",                             // 260
    "expected to find \"!=\" here",                             // 261
    "expected to find \"==\" here",                             // 262
    "expected to find \"..\" here",                             // 263
    "expected to find a cell name here",                        // 264
    "expected to find a cell or range name here",               // 265
    "expected to find a function name here",                    // 266
    "expected to find a string here",                           // 267
    "expected to find a number here",                           // 268
    "expected to find a hex number here",                       // 269
    "expected to find a comment here",                          // 270
    "expected to find the end of formula here",                 // 271
    "expected to find an error here",                           // 272
    "expected to find a \".\" here",                            // 273
    "expected to find an operand here",                         // 274
    "expected the right hand side of a range here",             // 275
    "constraint expression not allowed",                        // 276
    "invalid offset specifier",                                 // 277
    "invalid operator",                                         // 278
    "operator not allowed",                                     // 279
    "token buffer overflow",                                    // 280
    "undefined symbolic name",                                  // 281
    "unrepresentable number",                                   // 282
    "unresolved name in expression",                            // 283
    "internal error---unconsumed operands",                     // 284
    "\"Start Period\" must be >= 1",                            // 285
    "\"End Period\" must be >= 1",                              // 286
    "\"End Period\" must be >= \"Start Period\"",               // 287
    "Invalid \"Period\"",                                       // 288
    "\"Fraction\" must be >= 1",                                // 289
    "interest rate should be > 0",                              // 290
    "number of compounding periods should be >= 1",             // 291
    "settlement date should be < maturity date",                // 292
    "settlement date should be >= issue date",                  // 293
    "invalid day count basis",                                  // 294
    "\"Frequency\" must be 1, 2 or 4",                          // 295
    "date series must be single column or row",                 // 296
    "\"values\" \"dates\" series must have same dimentions",    // 297
    "must have issue < first coupon < maturity",                // 298
    "must have issue < last coupon < maturity",                 // 299
    "no duplicate number found",                                // 300
    "\"Number\" is not in the reference list",                  // 301
    "\"Match Type\" must be 0 for string match",                // 302
    "no match was found",                                       // 303
    "\"Values\" must have at least one inflow and one outflow", // 304
    "Treasury Bill should not be outstanding more than 1 year", // 305
    "invalid table",                                            // 306
    "can not find interpolation",                               // 307
    "starting date should be at beginning of \"Dates\"",        // 308
    "interest schedule must be single column or row",           // 309
    "\"Lower limit\" must be >= 0",                             // 310
    "\"Upper limit\" must be >= 0",                             // 311
    "must have N > 0, K > 0 and N < K",                         // 312
    "arguments must be positive",                               // 313
    "non-existent object",                                      // 314
    "unknown object command",                                   // 315
    "odd character in numeric string",                          // 316
    "found number where string should be",                      // 317
    "",                                                         // 318
    "",                                                         // 319
    "",                                                         // 320
    "unspecified or invalid",                                   // 321
    "range should not be a row",                                // 322
    "range should not be a column",                             // 323
    "range should not be a block",                              // 324
    "",                                                         // 325
    "",                                                         // 326
    "",                                                         // 327
    "",                                                         // 328
    "",                                                         // 329
    "stacking different types of data",                         // 330
    "cannot stack non-numeric data",                            // 331
    "allocating negative-dimensional matrix",                   // 332
    "freeing negative-dimensional matrix",                      // 333
    "freeing data pointed to by NULL",                          // 334
    "",                                                         // 335
    "",                                                         // 336
    "",                                                         // 337
    "",                                                         // 338
    "",                                                         // 339
    "",                                                         // 340
    "",                                                         // 341
    "",                                                         // 342
    "",                                                         // 343
    "",                                                         // 344
    "",                                                         // 345
    "",                                                         // 346
    "",                                                         // 347
    "",                                                         // 348
    "",                                                         // 349
    "",                                                         // 350
    "",                                                         // 351
    "beginning line with subscript command",                    // 352
    "ending line with subscript command",                       // 353
    "ending line with a superscript command",                   // 354
    "ending line with a \\",                                    // 355
    "mismatched {}'s",                                          // 356
    "misplaced }",                                              // 357
    "misplaced newline",                                        // 358
    "",                                                         // 359
    "",                                                         // 360
    "",                                                         // 361
    "",                                                         // 362
    "normalizing zero-length vector",                           // 363
    "making null list",                                         // 364
    "removing NULL list",                                       // 365
    "removing NULL item",                                       // 366
    "searching NULL list",                                      // 367
    "searching list with a NULL function",                      // 368
    "showing NULL list",                                        // 369
    "showing list with a NULL function",                        // 370
    "unknown type of graph data",                               // 371
    "number is too large",                                      // 372
    "number is too small",                                      // 373
    "",                                                         // 374
    "",                                                         // 375
    "",                                                         // 376
    "contains an error indicator",                              // 377
    "",                                                         // 378
    "skewing is always ignored",                                // 379
    "skewing is always enforced",                               // 380
    "precompiled regular expression is invalid",                // 381
};
} // namespace

const char* FormulaErrorText(int nCode)
{
    if (nCode < 0 || nCode >= GX_ERROR_TEXTS)
        nCode = 0;
    return s_apszErrors[nCode];
}

void GXFormulaToText(int nSheet, const GX_FORMULA* pFormula, std::string& out)
{
    out.clear();
    if (pFormula == NULL || pFormula->nValueRoot == GX_NO_NODE)
        return;
    out += '=';
    GXNodeToText(nSheet, pFormula->pNodes, pFormula->nValueRoot, out);
    if (pFormula->nConstraintRoot != GX_NO_NODE)
    {
        out += ';';
        GXNodeToText(nSheet, pFormula->pNodes, pFormula->nConstraintRoot, out);
    }
    if (pFormula->nTargetRoot != GX_NO_NODE)
    {
        out += '\\';
        for (WORD i = pFormula->nTargetRoot; i != GX_NO_NODE; i = pFormula->pNodes[i].nLink2)
        {
            if (i != pFormula->nTargetRoot)
                out += ',';
            // The list links through the second link, which the node's own text does not use.
            GX_EXPR_NODE node = pFormula->pNodes[i];
            node.nLink2 = GX_NO_NODE;
            GXNodeToText(nSheet, &node, 0, out);
        }
    }
    if (pFormula->pszComment != NULL)
    {
        out += "//";
        out += pFormula->pszComment;
    }
}

namespace
{
void AppendReference(std::string& out, const GX_RANGE& r)
{
    const char* psz = FormatCellReference(r);
    out += psz != NULL ? psz : "??";
}
} // namespace

void GXNodeToText(int nSheet, const GX_EXPR_NODE* pNodes, WORD nIndex, std::string& out)
{
    const GX_EXPR_NODE& n = pNodes[nIndex];
    BOOL bParen = (n.nFlags & GX_NF_PAREN) != 0;
    if (bParen)
        out += '(';
    char sz[64];
    switch (n.nKind)
    {
    case GX_NODE_OPERATOR: {
        const GX_OPERATOR_INFO* pInfo = GXOperatorInfo(n.nOperator);
        if (pInfo == NULL)
            break;
        switch (pInfo->form)
        {
        case gxInfix:
            GXNodeToText(nSheet, pNodes, n.nLink1, out);
            out += pInfo->pszSymbol;
            GXNodeToText(nSheet, pNodes, n.nLink2, out);
            break;
        case gxPrefix:
            out += pInfo->pszSymbol;
            GXNodeToText(nSheet, pNodes, n.nLink2, out);
            break;
        case gxPostfix:
            GXNodeToText(nSheet, pNodes, n.nLink2, out);
            out += pInfo->pszSymbol;
            break;
        case gxOperand:
            out += pInfo->pszSymbol;
            break;
        }
        break;
    }
    case GX_NODE_NUMBER:
        if (n.nFlags & GX_NF_HEX)
            sprintf(sz, "0x%X", (unsigned)(int)n.dValue);
        else
            sprintf(sz, "%.14g", n.dValue);
        out += sz;
        break;
    case GX_NODE_STRING:
        out += '"';
        GXEscapeText(out, n.pszText, TRUE);
        out += '"';
        break;
    case GX_NODE_CELL:
    case GX_NODE_RANGE:
        AppendReference(out, n.range);
        break;
    case GX_NODE_NAME:
        out += n.pszText ? n.pszText : "";
        break;
    case GX_NODE_NAMEDCELL:
    case GX_NODE_NAMEDRANGE:
        out += n.pName->pszName;
        break;
    case GX_NODE_CALL:
        GXFunctionNameText(out, n.pEntry ? n.pEntry->pszName : "", FALSE);
        out += '(';
        if (n.nLink2 != GX_NO_NODE)
            GXNodeToText(nSheet, pNodes, n.nLink2, out);
        out += ')';
        break;
    case GX_NODE_ARGLIST:
        if (n.w[0] != GX_NO_NODE && pNodes[n.w[0]].nKind == GX_NODE_ARGLIST)
            out += ',';
        GXNodeToText(nSheet, pNodes, n.nLink1, out);
        if (n.nLink2 != GX_NO_NODE)
            GXNodeToText(nSheet, pNodes, n.nLink2, out);
        break;
    case GX_NODE_RELATIVE:
        out += '#';
        if (n.w[1] != GX_NO_NODE)
        {
            out += '{';
            GXNodeToText(nSheet, pNodes, n.w[1], out);
            if (n.w[0] != GX_NO_NODE)
            {
                out += ',';
                GXNodeToText(nSheet, pNodes, n.w[0], out);
            }
            out += '}';
        }
        break;
    case GX_NODE_BRANCHES:
        GXNodeToText(nSheet, pNodes, n.nLink1, out);
        out += ':';
        GXNodeToText(nSheet, pNodes, n.nLink2, out);
        break;
    }
    if (bParen)
        out += ')';
}

void GXFunctionNameText(std::string& out, const char* pszName, BOOL bParentheses)
{
    if (pszName[0] == '@')
        out += '@';
    out += pszName;
    if (bParentheses)
        out += "()";
}

namespace
{
// Control characters with a letter escape, as pairs: character, letter. The bell is read as
// "\a" but written in octal, as texts saved by earlier versions have it.
const char s_aEscapes[][2] = {{'\f', 'f'}, {'\r', 'r'}, {'\\', '\\'}, {'\v', 'v'},
                              {'\b', 'b'}, {'\t', 't'}, {'\n', 'n'},  {'\a', 'a'}};
const int s_nWrittenEscapes = 7;

BOOL IsOctal(int ch)
{
    return ch >= '0' && ch <= '7';
}
} // namespace

void GXEscapeText(std::string& out, const char* pszText, BOOL bQuote)
{
    const unsigned char* p = (const unsigned char*)(pszText ? pszText : "");
    for (; *p; p++)
    {
        unsigned ch = *p;
        BOOL bDone = FALSE;
        for (int i = 0; i < s_nWrittenEscapes; i++)
            if ((unsigned char)s_aEscapes[i][0] == ch)
            {
                out += '\\';
                out += s_aEscapes[i][1];
                bDone = TRUE;
                break;
            }
        if (bDone)
            continue;
        if (ch == '"')
        {
            if (bQuote)
                out += '\\';
            out += '"';
        }
        else if (ch >= 161 || (ch >= 32 && ch <= 126))
            out += (char)ch;
        else
        {
            char sz[8];
            if (ch >= 64 || IsOctal(p[1]))
                sprintf(sz, "\\%03o", ch);
            else
                sprintf(sz, "\\%o", ch);
            out += sz;
        }
    }
}

void GXUnescapeText(char* pszOut, const char* pszText)
{
    const unsigned char* p = (const unsigned char*)(pszText ? pszText : "");
    int n = 0;
    while (*p && n < GX_MAX_TEXT)
    {
        if (*p != '\\')
        {
            pszOut[n++] = (char)*p++;
            continue;
        }
        p++;
        if (*p == 0)
            break;
        int ch = *p;
        const char* pEscape = NULL;
        for (const auto& e : s_aEscapes)
            if (e[1] == ch)
                pEscape = e;
        if (pEscape != NULL)
        {
            pszOut[n++] = pEscape[0];
            p++;
        }
        else if (ch == 'x' && GXHexDigitValue(p[1]) >= 0)
        {
            p++;
            int v = 0;
            for (int i = 0; i < 2 && GXHexDigitValue(*p) >= 0; i++)
                v = v * 16 + GXHexDigitValue(*p++);
            pszOut[n++] = (char)v;
        }
        else if (IsOctal(ch))
        {
            int v = 0;
            for (int i = 0; i < 3 && IsOctal(*p); i++)
                v = v * 8 + (*p++ - '0');
            pszOut[n++] = (char)v;
        }
        else
        {
            pszOut[n++] = (char)ch;
            p++;
        }
    }
    pszOut[n] = 0;
}

int GXHexDigitValue(int ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

namespace
{
void ConvertCase(char* psz, BOOL bUpper)
{
    unsigned char* p = (unsigned char*)psz;
    while (*p)
    {
        if (_ismbblead(*p) && p[1])
        {
            unsigned int ch = (p[0] << 8) | p[1];
            unsigned int c2 =
                bUpper ? (_ismbclower(ch) ? _mbctoupper(ch) : ch) : (_ismbcupper(ch) ? _mbctolower(ch) : ch);
            p[0] = (unsigned char)(c2 >> 8);
            p[1] = (unsigned char)c2;
            p += 2;
        }
        else
        {
            unsigned int ch = *p;
            *p++ = (unsigned char)(bUpper ? (_ismbclower(ch) ? _mbctoupper(ch) : ch)
                                          : (_ismbcupper(ch) ? _mbctolower(ch) : ch));
        }
    }
}
} // namespace

void GXUpperCaseText(char* psz)
{
    ConvertCase(psz, TRUE);
}

void GXLowerCaseText(char* psz)
{
    ConvertCase(psz, FALSE);
}
