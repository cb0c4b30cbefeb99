// BIFF8 formula tokens to and from the formula engine's nodes.
#include "grid/excel/ExcelFormulaTokens.h"
#include "grid/excel/ExcelSharedFormulaTable.h"
#include "grid/excel/ExcelText.h"
#include "grid/core/GridCore.h"
#include "grid/formula/FormulaSheet.h"
#include "grid/formula/Evaluator.h"
#include "grid/formula/FormulaParser.h"
#include "grid/formula/FormulaText.h"
#include "grid/formula/WorksheetFunctions.h"
#include <math.h>
#include <stdlib.h>
#include <string.h>
#include <string>

namespace
{
// How an engine operator travels as tokens; the reader maps tokens back through the same table.
enum OperatorForm : BYTE
{
    opNone,     // not expressible: the cell is written as its value
    opBinary,   // both operands, then the token
    opUnary,    // the operand, then the token
    opFunction, // the operands, then a call of the function number
    opIf,       // the attribute form of IF
    opError     // an error constant
};

struct OperatorToken
{
    OperatorForm form;
    BYTE nToken;
    WORD nFunction;
};

const OperatorToken s_aOperators[GX_OP_COUNT] = {
    {opBinary, 0x03, 0},   // +
    {opBinary, 0x04, 0},   // -
    {opUnary, 0x12, 0},    // prefix +
    {opUnary, 0x13, 0},    // prefix -
    {opBinary, 0x05, 0},   // *
    {opBinary, 0x06, 0},   // /
    {opBinary, 0x07, 0},   // **
    {opNone, 0, 0},        // % keeps the dividend's sign, the file's MOD the divisor's
    {opFunction, 0, 36},   // && as AND
    {opFunction, 0, 37},   // || as OR
    {opFunction, 0, 38},   // ! as NOT
    {opNone, 0, 0},        // & (bitwise on numbers)
    {opNone, 0, 0},        // |
    {opNone, 0, 0},        // ^
    {opNone, 0, 0},        // ~
    {opNone, 0, 0},        // <<
    {opNone, 0, 0},        // >>
    {opBinary, 0x0B, 0},   // ==
    {opBinary, 0x0E, 0},   // !=
    {opBinary, 0x09, 0},   // <
    {opBinary, 0x0D, 0},   // >
    {opBinary, 0x0A, 0},   // <=
    {opBinary, 0x0C, 0},   // >=
    {opIf, 0, 1},          // ?:
    {opBinary, 0x11, 0},   // ..
    {opUnary, 0x14, 0},    // postfix %
    {opError, 0x1C, 0x17}, // ?? as #REF!
};

const BYTE TOK_ATTR = 0x19, ATTR_IF = 0x02, ATTR_CHOOSE = 0x04, ATTR_SKIP = 0x08, ATTR_SUM = 0x10,
           ATTR_ASSIGN = 0x20;
const BYTE TOK_PAREN = 0x15, TOK_STRING = 0x17, TOK_NUMBER = 0x1F, TOK_FUNC = 0x41, TOK_FUNCVAR = 0x42,
           TOK_REF = 0x44, TOK_AREA = 0x25;
const int FUNC_IF = 1;
// The file's limits: 65,536 rows, 256 columns, 255 characters in a string constant.
const DWORD MAX_FILE_ROW = 65536, MAX_FILE_COL = 255;
const int MAX_STRING_TOKEN = 255;

struct TokenFailure
{
    int nCode;
};

// Writes the tokens of one formula; any node it cannot say makes the whole formula fail.
class CTokenWriter
{
  public:
    CTokenWriter(const GX_FORMULA& f, DWORD nRow, DWORD nCol, std::vector<BYTE>& out)
        : m_f(f), m_nRow(nRow), m_nCol(nCol), m_out(out)
    {
    }
    BOOL Node(WORD i, int nDepth = 0);

  private:
    void Byte(BYTE b)
    {
        m_out.push_back(b);
    }
    void Word(WORD w)
    {
        m_out.push_back((BYTE)w);
        m_out.push_back((BYTE)(w >> 8));
    }
    void Double(double d)
    {
        BYTE b[8];
        memcpy(b, &d, 8);
        m_out.insert(m_out.end(), b, b + 8);
    }
    BOOL Reference(const GX_RANGE& r);
    BOOL Operator(const GX_EXPR_NODE& n, int nDepth);
    BOOL Call(const GX_EXPR_NODE& n, int nDepth);
    BOOL Conditional(WORD nCond, WORD nTrue, WORD nFalse, int nDepth);
    BOOL Relative(const GX_EXPR_NODE& n);
    BOOL FunctionToken(int nNumber, int nArgs);
    BOOL ConstantOffset(WORD i, long long& n) const;
    BOOL IsBarePower(WORD i) const
    {
        const GX_EXPR_NODE& n = m_f.pNodes[i];
        return n.nKind == GX_NODE_OPERATOR && n.nOperator == GX_OP_POW && !(n.nFlags & GX_NF_PAREN);
    }

    const GX_FORMULA& m_f;
    DWORD m_nRow, m_nCol;
    std::vector<BYTE>& m_out;
};

BOOL CTokenWriter::Node(WORD i, int nDepth)
{
    if (i >= (WORD)m_f.nNodes || nDepth > m_f.nNodes)
        return FALSE;
    const GX_EXPR_NODE& n = m_f.pNodes[i];
    BOOL bOk = FALSE;
    switch (n.nKind)
    {
    case GX_NODE_OPERATOR:
        bOk = Operator(n, nDepth);
        break;
    case GX_NODE_NUMBER:
        Byte(TOK_NUMBER);
        Double(n.dValue);
        bOk = TRUE;
        break;
    case GX_NODE_STRING:
        Byte(TOK_STRING);
        GXAppendBiffString(m_out, n.pszText, MAX_STRING_TOKEN, TRUE);
        bOk = TRUE;
        break;
    case GX_NODE_CELL:
    case GX_NODE_RANGE:
        bOk = Reference(n.range);
        break;
    case GX_NODE_NAMEDCELL:
    case GX_NODE_NAMEDRANGE:
        // The file has no names of ours: the reference stands in for the name.
        bOk = n.pName != NULL && Reference(n.pName->range);
        break;
    case GX_NODE_CALL:
        bOk = Call(n, nDepth);
        break;
    case GX_NODE_RELATIVE:
        bOk = Relative(n);
        break;
    }
    if (bOk && (n.nFlags & GX_NF_PAREN))
        Byte(TOK_PAREN);
    return bOk;
}

BOOL CTokenWriter::Reference(const GX_RANGE& r)
{
    DWORD nTop = r.Row1(), nBottom = r.Bottom(), nLeft = r.Col1(), nRight = r.Right();
    if (nTop < 1 || nBottom < 1 || nTop > MAX_FILE_ROW || nBottom > MAX_FILE_ROW || nLeft > MAX_FILE_COL ||
        nRight > MAX_FILE_COL)
        return FALSE;
    // A corner is relative unless its absolute bit is set.
    auto columnWord = [](DWORD nCol, BOOL bAbsRow, BOOL bAbsCol) {
        return (WORD)(nCol | (bAbsCol ? 0 : 0x4000) | (bAbsRow ? 0 : 0x8000));
    };
    if (r.IsSingle())
    {
        Byte(TOK_REF);
        Word((WORD)(nTop - 1));
        Word(columnWord(nLeft, r.w3 & GX_RANGE::absRow1, r.w3 & GX_RANGE::absCol1));
        return TRUE;
    }
    Byte(TOK_AREA);
    Word((WORD)(nTop - 1));
    Word((WORD)(nBottom - 1));
    Word(columnWord(nLeft, r.w3 & GX_RANGE::absRow1, r.w3 & GX_RANGE::absCol1));
    Word(columnWord(nRight, r.w3 & GX_RANGE::absRow2, r.w3 & GX_RANGE::absCol2));
    return TRUE;
}

BOOL CTokenWriter::FunctionToken(int nNumber, int nArgs)
{
    int nFixed = GXGetExcelFunctionFlag(nNumber);
    if (nFixed < 0)
    {
        if (nArgs > 0x7F)
            return FALSE;
        Byte(TOK_FUNCVAR);
        Byte((BYTE)nArgs);
        Word((WORD)nNumber);
        return TRUE;
    }
    // A call the file would read with another argument count cannot be written.
    if (nFixed != nArgs)
        return FALSE;
    Byte(TOK_FUNC);
    Word((WORD)nNumber);
    return TRUE;
}

BOOL CTokenWriter::Operator(const GX_EXPR_NODE& n, int nDepth)
{
    if (n.nOperator >= GX_OP_COUNT)
        return FALSE;
    const OperatorToken& op = s_aOperators[n.nOperator];
    switch (op.form)
    {
    case opNone:
        return FALSE;
    case opBinary:
        if (!Node(n.nLink1, nDepth + 1) || !Node(n.nLink2, nDepth + 1))
            return FALSE;
        Byte(op.nToken);
        return TRUE;
    case opUnary:
        if (!Node(n.nLink2, nDepth + 1))
            return FALSE;
        // Other programs bind a sign before a power; the engine after it.
        if (IsBarePower(n.nLink2))
            Byte(TOK_PAREN);
        Byte(op.nToken);
        return TRUE;
    case opFunction: {
        int nArgs = n.nOperator == GX_OP_NOT ? 1 : 2;
        if (nArgs == 2 && !Node(n.nLink1, nDepth + 1))
            return FALSE;
        if (!Node(n.nLink2, nDepth + 1))
            return FALSE;
        return FunctionToken(op.nFunction, nArgs);
    }
    case opIf: {
        if (n.nLink2 >= (WORD)m_f.nNodes || m_f.pNodes[n.nLink2].nKind != GX_NODE_BRANCHES)
            return FALSE;
        const GX_EXPR_NODE& br = m_f.pNodes[n.nLink2];
        return Conditional(n.nLink1, br.nLink1, br.nLink2, nDepth);
    }
    case opError:
        Byte(op.nToken);
        Byte((BYTE)op.nFunction);
        return TRUE;
    }
    return FALSE;
}

// IF in the attribute form: the condition, a jump over the true branch, the true branch, a
// skip over the false branch, the false branch, a skip of 3 and the call of IF.
BOOL CTokenWriter::Conditional(WORD nCond, WORD nTrue, WORD nFalse, int nDepth)
{
    if (!Node(nCond, nDepth + 1))
        return FALSE;
    size_t nIf = m_out.size();
    Byte(TOK_ATTR);
    Byte(ATTR_IF);
    Word(0);
    if (!Node(nTrue, nDepth + 1))
        return FALSE;
    size_t nSkip = m_out.size();
    Byte(TOK_ATTR);
    Byte(ATTR_SKIP);
    Word(0);
    if (!Node(nFalse, nDepth + 1))
        return FALSE;
    size_t nEnd = m_out.size();
    size_t nJumpTrue = nSkip - (nIf + 4) + 4, nJumpFalse = nEnd - (nSkip + 4) + 7;
    if (nJumpTrue > 0xFFFF || nJumpFalse > 0xFFFF)
        return FALSE;
    GXStoreWord(&m_out[nIf + 2], (WORD)nJumpTrue);
    GXStoreWord(&m_out[nSkip + 2], (WORD)nJumpFalse);
    static const BYTE tail[] = {TOK_ATTR, ATTR_SKIP, 3, 0, TOK_FUNCVAR, 3, FUNC_IF, 0};
    m_out.insert(m_out.end(), tail, tail + sizeof(tail));
    return TRUE;
}

BOOL CTokenWriter::Call(const GX_EXPR_NODE& n, int nDepth)
{
    if (n.pEntry == NULL)
        return FALSE;
    std::vector<WORD> args;
    for (WORD a = n.nLink2; a != GX_NO_NODE; a = m_f.pNodes[a].nLink2)
    {
        if (a >= (WORD)m_f.nNodes || args.size() > (size_t)m_f.nNodes)
            return FALSE;
        args.push_back(m_f.pNodes[a].nLink1);
    }
    // The engine's IF function is the file's IF.
    if (strcmp(n.pEntry->pszName, "IF") == 0)
        return args.size() == 3 && Conditional(args[0], args[1], args[2], nDepth);
    int nNumber = n.pEntry->nExcelNumber;
    if (nNumber < 0 || GXExcelFunctionEntry(nNumber) == NULL)
        return FALSE;
    for (WORD a : args)
        if (!Node(a, nDepth + 1))
            return FALSE;
    return FunctionToken(nNumber, (int)args.size());
}

BOOL CTokenWriter::ConstantOffset(WORD i, long long& n) const
{
    n = 0;
    if (i == GX_NO_NODE)
        return TRUE;
    if (i >= (WORD)m_f.nNodes)
        return FALSE;
    const GX_EXPR_NODE& node = m_f.pNodes[i];
    if (node.nKind == GX_NODE_NUMBER)
    {
        if (!(fabs(node.dValue) <= (double)MAX_FILE_ROW))
            return FALSE;
        n = (long long)node.dValue;
        return TRUE;
    }
    if (node.nKind == GX_NODE_OPERATOR && (node.nOperator == GX_OP_NEG || node.nOperator == GX_OP_PLUS) &&
        ConstantOffset(node.nLink2, n))
    {
        if (node.nOperator == GX_OP_NEG)
            n = -n;
        return TRUE;
    }
    return FALSE;
}

// A relative reference with constant offsets is the cell it names, relative in both parts;
// computed offsets have no counterpart that would not refer to the formula's own cell.
BOOL CTokenWriter::Relative(const GX_EXPR_NODE& n)
{
    long long nRows, nCols;
    if (!ConstantOffset(n.w[0], nRows) || !ConstantOffset(n.w[1], nCols))
        return FALSE;
    long long nRow = (long long)m_nRow + nRows, nCol = (long long)m_nCol + nCols;
    if (nRow < 1 || nRow > (long long)MAX_FILE_ROW || nCol < 0 || nCol > (long long)MAX_FILE_COL)
        return FALSE;
    return Reference(GXCellRef((DWORD)nRow, (DWORD)nCol));
}

// Reads a token stream into nodes on an operand stack.
class CTokenReader
{
  public:
    CTokenReader(const BYTE* p, int n, WORD nRow, WORD nCol) : m_p(p), m_n(n), m_nRow(nRow), m_nCol(nCol)
    {
    }
    ~CTokenReader()
    {
        for (GX_EXPR_NODE& node : m_nodes)
            if (node.nKind == GX_NODE_STRING)
                free(node.pszText);
    }
    int Parse(GX_FORMULA* pFormula);

  private:
    CTokenReader(const CTokenReader&) = delete;
    CTokenReader& operator=(const CTokenReader&) = delete;

    [[noreturn]] static void Fail(int nCode)
    {
        throw TokenFailure{nCode};
    }
    const BYTE* Take(int nBytes)
    {
        if (nBytes > m_n - m_nPos)
            Fail(GX_TOKERR_TRUNCATED);
        const BYTE* p = m_p + m_nPos;
        m_nPos += nBytes;
        return p;
    }
    static WORD WordAt(const BYTE* p)
    {
        return (WORD)(p[0] | (p[1] << 8));
    }
    WORD NewNode(int nKind);
    WORD Pop()
    {
        if (m_stack.empty())
            Fail(GX_TOKERR_STACK);
        WORD i = m_stack.back();
        m_stack.pop_back();
        return i;
    }
    WORD Number(double d)
    {
        WORD i = NewNode(GX_NODE_NUMBER);
        m_nodes[i].dValue = d;
        return i;
    }
    WORD NewOperator(int nCode, WORD nLeft, WORD nRight)
    {
        WORD i = NewNode(GX_NODE_OPERATOR);
        m_nodes[i].nOperator = (DWORD)nCode;
        m_nodes[i].nLink1 = nLeft;
        m_nodes[i].nLink2 = nRight;
        return i;
    }
    void Token(BYTE t);
    void Attribute();
    void Call(const GX_FUNCTION_ENTRY* pEntry, int nArgs);
    void ExcelCall(int nNumber, int nArgs);
    void If(int nArgs);
    void Reference(int nCorners, BOOL bRelative);
    void Corner(WORD r, WORD c, BOOL bRelative, DWORD& nRow, DWORD& nCol, BOOL& bAbsRow, BOOL& bAbsCol) const;

    const BYTE* m_p;
    int m_n;
    int m_nPos = 0;
    WORD m_nRow, m_nCol; // the formula's cell, zero-based
    std::vector<GX_EXPR_NODE> m_nodes;
    std::vector<WORD> m_stack;
};

WORD CTokenReader::NewNode(int nKind)
{
    if (m_nodes.size() >= GX_MAX_NODES)
        Fail(GX_TOKERR_NODES);
    m_nodes.push_back(GXBlankExprNode(nKind));
    return (WORD)(m_nodes.size() - 1);
}

int CTokenReader::Parse(GX_FORMULA* pFormula)
{
    try
    {
        while (m_nPos < m_n)
            Token(m_p[m_nPos]);
        if (m_stack.size() != 1)
            Fail(GX_TOKERR_LEFTOVER);
    }
    catch (TokenFailure& e)
    {
        return e.nCode;
    }
    pFormula->nValueRoot = m_stack[0];
    pFormula->nConstraintRoot = pFormula->nTargetRoot = GX_NO_NODE;
    pFormula->nNodes = (short)m_nodes.size();
    pFormula->pNodes = GXAllocNodes((int)m_nodes.size());
    memcpy(pFormula->pNodes, m_nodes.data(), sizeof(GX_EXPR_NODE) * m_nodes.size());
    pFormula->pszComment = NULL;
    m_nodes.clear(); // the texts belong to the formula now
    return 0;
}

void CTokenReader::Token(BYTE t)
{
    // Operand tokens come in reference, value and array classes (0x20, 0x40, 0x60).
    BYTE nBase = t >= 0x20 ? (BYTE)((t & 0x1F) | 0x20) : t;
    for (int i = 0; i < GX_OP_COUNT && t < 0x20; i++)
    {
        const OperatorToken& op = s_aOperators[i];
        if ((op.form == opBinary || op.form == opUnary) && op.nToken == t)
        {
            Take(1);
            WORD nRight = Pop();
            WORD nLeft = op.form == opBinary ? Pop() : GX_NO_NODE;
            m_stack.push_back(NewOperator(i, nLeft, nRight));
            return;
        }
    }
    switch (nBase)
    {
    case 0x00:
        Take(1);
        return;
    case 0x08: // concatenation
        Take(1);
        Call(GXLookupFunction("STRCAT"), 2);
        return;
    case 0x0F: // intersection
        Take(1);
        Call(GXLookupFunction("INTERSECT"), 2);
        return;
    case TOK_PAREN:
        Take(1);
        if (m_stack.empty())
            Fail(GX_TOKERR_STACK);
        m_nodes[m_stack.back()].nFlags |= GX_NF_PAREN;
        return;
    case TOK_STRING: {
        const BYTE* p = Take(3);
        int nChars = p[1];
        BYTE nOption = p[2];
        const BYTE* pChars = Take(nChars * ((nOption & 1) ? 2 : 1));
        CString s = GXBiffCharsToText(pChars, nChars, nOption);
        WORD i = NewNode(GX_NODE_STRING);
        m_nodes[i].pszText = strdup(s);
        m_stack.push_back(i);
        return;
    }
    case TOK_ATTR:
        Attribute();
        return;
    case 0x1C: // error constant
    case 0x2A: // reference to a deleted cell
    case 0x2B: // area of deleted cells
        Take(nBase == 0x1C ? 2 : nBase == 0x2A ? 5 : 9);
        m_stack.push_back(NewOperator(GX_OP_ERRLIT, GX_NO_NODE, GX_NO_NODE));
        return;
    case 0x1D: // boolean
        m_stack.push_back(Number(Take(2)[1] ? 1 : 0));
        return;
    case 0x1E: // integer
        m_stack.push_back(Number(WordAt(Take(3) + 1)));
        return;
    case TOK_NUMBER: {
        double d;
        memcpy(&d, Take(9) + 1, 8);
        m_stack.push_back(Number(d));
        return;
    }
    case 0x21: { // function with a fixed argument count
        int nNumber = WordAt(Take(3) + 1) & 0x7FFF;
        int nArgs = GXGetExcelFunctionFlag(nNumber);
        if (nArgs < 0)
            Fail(GX_TOKERR_UNSUPPORTED);
        ExcelCall(nNumber, nArgs);
        return;
    }
    case 0x22: { // function with its argument count
        const BYTE* p = Take(4);
        ExcelCall(WordAt(p + 2) & 0x7FFF, p[1] & 0x7F);
        return;
    }
    case 0x24:
        Reference(1, FALSE);
        return;
    case 0x25:
        Reference(2, FALSE);
        return;
    case 0x2C:
        Reference(1, TRUE);
        return;
    case 0x2D:
        Reference(2, TRUE);
        return;
    case 0x26: // cached areas, an error or no memory: the subexpression follows as usual
    case 0x27:
    case 0x28:
        Take(7);
        return;
    case 0x29: // the length of a subexpression
        Take(3);
        return;
    }
    Fail(t);
}

void CTokenReader::Attribute()
{
    const BYTE* p = Take(4);
    BYTE nAttr = p[1];
    WORD nData = WordAt(p + 2);
    if (nAttr & ATTR_ASSIGN)
        Fail(GX_TOKERR_ASSIGN);
    if (nAttr & ATTR_CHOOSE)
        Take(2 * nData + 2);
    if (nAttr & ATTR_SUM)
        Call(GXLookupFunction("SUM"), 1);
    // IF's jumps and skips need nothing: the branches are on the stack when IF is called.
}

void CTokenReader::Call(const GX_FUNCTION_ENTRY* pEntry, int nArgs)
{
    if (pEntry == NULL)
        Fail(GX_TOKERR_UNSUPPORTED);
    if (nArgs > (int)m_stack.size())
        Fail(GX_TOKERR_STACK);
    int nDescriptors[GX_MAX_ARGUMENTS];
    int nError = GXAssignArgumentDescriptors(pEntry, nArgs, nDescriptors);
    if (nError != 0)
        Fail(nError);
    std::vector<WORD> args(m_stack.end() - nArgs, m_stack.end());
    m_stack.resize(m_stack.size() - nArgs);
    WORD nCall = NewNode(GX_NODE_CALL);
    WORD nPrev = nCall;
    for (int i = 0; i < nArgs; i++)
    {
        WORD a = NewNode(GX_NODE_ARGLIST);
        const DWORD* pDesc = pEntry->aArgs[nDescriptors[i]];
        m_nodes[a].nLink1 = args[i];
        m_nodes[a].w[0] = nPrev;
        m_nodes[a].w[1] = (WORD)pDesc[0];
        if (pDesc[1] & GX_ARGF_UNEVALUATED)
            m_nodes[a].nFlags |= GX_NF_UNEVALUATED;
        if (nPrev == nCall)
            m_nodes[nCall].nLink2 = a;
        else
            m_nodes[nPrev].nLink2 = a;
        nPrev = a;
    }
    m_nodes[nCall].pEntry = pEntry;
    m_stack.push_back(nCall);
}

void CTokenReader::ExcelCall(int nNumber, int nArgs)
{
    if (nNumber == FUNC_IF)
    {
        If(nArgs);
        return;
    }
    GX_EXCEL_FUNCTION_ENTRY* p = GXExcelFunctionEntry(nNumber);
    Call(p != NULL ? p->pEntry : NULL, nArgs);
}

// IF of two or three arguments; without a false branch the result is FALSE (0).
void CTokenReader::If(int nArgs)
{
    if (nArgs < 2)
        Fail(GX_ERR_TOOFEWARGS);
    if (nArgs > 3)
        Fail(GX_ERR_TOOMANYARGS);
    if (nArgs > (int)m_stack.size())
        Fail(GX_TOKERR_STACK);
    WORD nFalse = nArgs == 3 ? Pop() : Number(0);
    WORD nTrue = Pop();
    WORD nCond = Pop();
    WORD nBranches = NewNode(GX_NODE_BRANCHES);
    m_nodes[nBranches].nLink1 = nTrue;
    m_nodes[nBranches].nLink2 = nFalse;
    WORD nOp = NewOperator(GX_OP_COND, nCond, nBranches);
    m_nodes[nBranches].w[0] = nOp;
    m_stack.push_back(nOp);
}

// A corner of a reference. In the relative form (shared formulas) a relative row is a signed
// offset from the formula's row and a relative column a signed 8-bit offset from its column;
// both wrap at the sheet's edge as in the file's own arithmetic.
void CTokenReader::Corner(WORD r, WORD c, BOOL bRelative, DWORD& nRow, DWORD& nCol, BOOL& bAbsRow,
                          BOOL& bAbsCol) const
{
    BOOL bRelRow = (c & 0x8000) != 0, bRelCol = (c & 0x4000) != 0;
    if (bRelative)
    {
        nRow = bRelRow ? (WORD)(m_nRow + (short)r) : r;
        nCol = bRelCol ? (BYTE)(m_nCol + (signed char)(c & 0xFF)) : (c & 0xFF);
    }
    else
    {
        nRow = r;
        nCol = c & 0x3FFF;
    }
    nRow++;
    if (nCol > GX_MAX_COL)
        Fail(GX_TOKERR_RANGE);
    bAbsRow = !bRelRow;
    bAbsCol = !bRelCol;
}

void CTokenReader::Reference(int nCorners, BOOL bRelative)
{
    const BYTE* p = Take(nCorners == 1 ? 5 : 9);
    WORD r1 = WordAt(p + 1), r2 = r1, c1, c2;
    if (nCorners == 1)
        c1 = c2 = WordAt(p + 3);
    else
    {
        r2 = WordAt(p + 3);
        c1 = WordAt(p + 5);
        c2 = WordAt(p + 7);
    }
    DWORD nRow1, nCol1, nRow2, nCol2;
    BOOL bAbsRow1, bAbsCol1, bAbsRow2, bAbsCol2;
    Corner(r1, c1, bRelative, nRow1, nCol1, bAbsRow1, bAbsCol1);
    Corner(r2, c2, bRelative, nRow2, nCol2, bAbsRow2, bAbsCol2);
    BOOL bSingle = r1 == r2 && c1 == c2;
    WORD i = NewNode(bSingle ? GX_NODE_CELL : GX_NODE_RANGE);
    GX_RANGE& range = m_nodes[i].range;
    range.w1 = range.w2 = range.w3 = 0;
    range.SetRow1(nRow1);
    range.SetCol1(nCol1);
    range.SetRow2(nRow2);
    range.SetCol2(nCol2);
    range.SetFlag(GX_RANGE::absRow1, bAbsRow1);
    range.SetFlag(GX_RANGE::absCol1, bAbsCol1);
    range.SetFlag(GX_RANGE::absRow2, bAbsRow2);
    range.SetFlag(GX_RANGE::absCol2, bAbsCol2);
    range.SetFlag(GX_RANGE::single, bSingle);
    GXNormalizeRange(&range);
    m_stack.push_back(i);
}

// How tightly an operator binds in the engine's text, loosest 0; operands are 14.
int OperatorLevel(const GX_EXPR_NODE& n)
{
    static const BYTE s_aLevels[GX_OP_COUNT] = {9,  9, 11, 11, 10, 10, 12, 10, 2, 1, 11, 5,  3, 4,
                                                11, 8, 8,  6,  6,  7,  7,  7,  7, 0, 13, 13, 14};
    if (n.nKind == GX_NODE_NUMBER)
        return n.dValue < 0 ? 11 : 14; // written with a leading minus
    if (n.nKind != GX_NODE_OPERATOR || n.nOperator >= GX_OP_COUNT)
        return 14;
    return s_aLevels[n.nOperator];
}

int Precedence(const GX_EXPR_NODE& n)
{
    return (n.nFlags & GX_NF_PAREN) ? 14 : OperatorLevel(n);
}

// Tokens carry no precedence; the text must. Marks the operands that need parentheses.
void AddParentheses(GX_FORMULA& f, WORD i, int nDepth)
{
    if (i >= (WORD)f.nNodes || nDepth > f.nNodes)
        return;
    GX_EXPR_NODE& n = f.pNodes[i];
    auto need = [&](WORD c, int nLevel) {
        if (c < (WORD)f.nNodes && Precedence(f.pNodes[c]) < nLevel)
            f.pNodes[c].nFlags |= GX_NF_PAREN;
    };
    if (n.nKind == GX_NODE_OPERATOR && n.nOperator < GX_OP_COUNT)
    {
        int nLevel = OperatorLevel(n);
        switch (n.nOperator)
        {
        case GX_OP_PLUS:
        case GX_OP_NEG:
        case GX_OP_NOT:
        case GX_OP_COMPL:
            need(n.nLink2, 12);
            break;
        case GX_OP_POW:
            need(n.nLink1, 13);
            need(n.nLink2, 13);
            break;
        case GX_OP_PERCENT:
            need(n.nLink2, 14);
            break;
        case GX_OP_RANGE:
            need(n.nLink1, 14);
            need(n.nLink2, 14);
            break;
        case GX_OP_COND:
            need(n.nLink1, 1);
            break;
        case GX_OP_ERRLIT:
            break;
        default: // left-associative binary operators
            need(n.nLink1, nLevel);
            need(n.nLink2, nLevel + 1);
            break;
        }
    }
    if (n.nKind == GX_NODE_OPERATOR || n.nKind == GX_NODE_ARGLIST || n.nKind == GX_NODE_BRANCHES)
    {
        AddParentheses(f, n.nLink1, nDepth + 1);
        AddParentheses(f, n.nLink2, nDepth + 1);
    }
    else if (n.nKind == GX_NODE_CALL)
        AddParentheses(f, n.nLink2, nDepth + 1);
}

void AppendWord(std::vector<BYTE>& out, WORD w)
{
    out.push_back((BYTE)w);
    out.push_back((BYTE)(w >> 8));
}
} // namespace

int GXGetExcelFunctionFlag(int nNumber)
{
    GX_EXCEL_FUNCTION_ENTRY* p = GXExcelFunctionEntry(nNumber);
    return p != NULL ? p->nArgCount : 0;
}

void GXStoreWord(BYTE* p, WORD w)
{
    p[0] = (BYTE)w;
    p[1] = (BYTE)(w >> 8);
}

BOOL GXWriteFormulaTokens(const GX_CELL* pCell, std::vector<BYTE>& tokens)
{
    if (pCell == NULL || pCell->pFormula == NULL || pCell->pFormula->pNodes == NULL)
        return FALSE;
    size_t nStart = tokens.size();
    CTokenWriter writer(*pCell->pFormula, pCell->nRow, pCell->nCol, tokens);
    if (!writer.Node(pCell->pFormula->nValueRoot) || tokens.size() - nStart > GX_EXCEL_MAX_TOKENS)
    {
        tokens.resize(nStart);
        return FALSE;
    }
    return TRUE;
}

void GXBuildFormulaResult(int nSheet, const GX_CELL* pCell, BYTE* pResult, CString& strText)
{
    memset(pResult, 0, 8);
    pResult[6] = pResult[7] = 0xFF;
    strText.Empty();
    GX_VALUE v;
    v.nKind = GX_CELLVALUE_NONE;
    if (pCell != NULL)
        GXGetCellValue(nSheet, pCell->nRow, pCell->nCol, &v);
    switch (v.nKind)
    {
    case GX_CELLVALUE_EMPTY:
        pResult[0] = 2;
        pResult[2] = 0x2A; // #N/A
        break;
    case GX_CELLVALUE_ERROR:
        pResult[0] = 2;
        pResult[2] = 0x0F; // #VALUE!
        break;
    case GX_CELLVALUE_NUMBER:
        memcpy(pResult, &v.dValue, 8);
        break;
    case GX_CELLVALUE_HEAPSTR:
    case GX_CELLVALUE_INLINESTR:
        strText = v.pszValue;
        GXFreeMemory(v.pszValue);
        break;
    }
    // A text result without characters has a marker of its own and no STRING record.
    if (pResult[6] == 0xFF && pResult[7] == 0xFF && pResult[0] == 0 && strText.IsEmpty())
        pResult[0] = 3;
}

BOOL GXBuildFormulaRecords(int nSheet, const GX_CELL* pCell, WORD nRow, WORD nCol, WORD nXF,
                           std::vector<BYTE>& records)
{
    std::vector<BYTE> tokens;
    if (!GXWriteFormulaTokens(pCell, tokens) || tokens.empty())
        return FALSE;
    BYTE result[8];
    CString strText;
    GXBuildFormulaResult(nSheet, pCell, result, strText);
    AppendWord(records, 0x06);
    AppendWord(records, (WORD)(22 + tokens.size()));
    AppendWord(records, nRow);
    AppendWord(records, nCol);
    AppendWord(records, nXF);
    records.insert(records.end(), result, result + 8);
    AppendWord(records, 3); // calculate on load
    AppendWord(records, 0);
    AppendWord(records, 0);
    AppendWord(records, (WORD)tokens.size());
    records.insert(records.end(), tokens.begin(), tokens.end());
    if (!strText.IsEmpty())
    {
        std::vector<BYTE> body;
        GXAppendBiffString(body, strText, GX_MAX_TEXT, FALSE);
        AppendWord(records, 0x207);
        AppendWord(records, (WORD)body.size());
        records.insert(records.end(), body.begin(), body.end());
    }
    return TRUE;
}

int GXParseFormulaTokens(const BYTE* pTokens, int nLength, WORD nRow, WORD nCol, GX_FORMULA* pFormula)
{
    pFormula->nValueRoot = pFormula->nConstraintRoot = pFormula->nTargetRoot = GX_NO_NODE;
    pFormula->nNodes = 0;
    pFormula->pNodes = NULL;
    pFormula->pszComment = NULL;
    if (pTokens == NULL || nLength <= 0)
        return GX_TOKERR_LEFTOVER;
    CTokenReader reader(pTokens, nLength, nRow, nCol);
    int nError = reader.Parse(pFormula);
    if (nError == 0)
        AddParentheses(*pFormula, pFormula->nValueRoot, 0);
    return nError;
}

int GXFormulaTokensToText(int nSheet, const BYTE* pTokens, int nLength, WORD nRow, WORD nCol,
                          CString& strText)
{
    strText.Empty();
    GX_FORMULA f;
    int nError = GXParseFormulaTokens(pTokens, nLength, nRow, nCol, &f);
    if (nError != 0)
        return nError;
    std::string s;
    GXFormulaToText(nSheet, &f, s);
    GXFreeFormulaParts(&f);
    GX_FORMULA check = {GX_NO_NODE, GX_NO_NODE, GX_NO_NODE, 0, NULL, NULL};
    int nCode, nPos;
    if (!ParseFormula(nSheet, s.c_str(), &check, nCode, nPos))
        return GX_TOKERR_TEXT;
    GXFreeFormulaParts(&check);
    strText = s.c_str();
    return 0;
}

BOOL GXApplyFormulaTokens(const formulaStruct& formula, CGXGridCore* pGrid)
{
    CGXFormulaSheet* pSheet = pGrid != NULL ? pGrid->GetFormulaSheet() : NULL;
    CString strFormula;
    return pSheet != NULL &&
           GXFormulaTokensToText(pSheet->GetEngineSheet(), formula.pTokens, formula.nTokens, formula.nRow,
                                 formula.nCol, strFormula) == 0 &&
           pSheet->SetExpressionRowCol((ROWCOL)formula.nRow + 1, (ROWCOL)formula.nCol + 1, strFormula);
}

void GXAppendBiffString(std::vector<BYTE>& out, const char* pszText, int nMaxChars, BOOL bByteCount)
{
    std::vector<WORD> w = GXExAnsiToWide(pszText);
    if ((int)w.size() > nMaxChars)
        w.resize(nMaxChars);
    BOOL bWide = FALSE;
    for (WORD ch : w)
        bWide = bWide || ch > 0xFF;
    if (bByteCount)
        out.push_back((BYTE)w.size());
    else
        AppendWord(out, (WORD)w.size());
    out.push_back(bWide ? 1 : 0);
    for (WORD ch : w)
    {
        out.push_back((BYTE)ch);
        if (bWide)
            out.push_back((BYTE)(ch >> 8));
    }
}

CString GXBiffCharsToText(const BYTE* p, int nChars, BYTE nOption)
{
    std::vector<WORD> w(nChars);
    for (int i = 0; i < nChars; i++)
        w[i] = (nOption & 1) ? (WORD)(p[2 * i] | (p[2 * i + 1] << 8)) : (WORD)p[i];
    CString s;
    GXExWideToAnsi(w.data(), (DWORD)nChars, s);
    return s;
}

void GXCreateDefaultWorksheetFunctions()
{
    GXGetEngineState()->SetWorksheetFunctions(new CGXDefaultWorksheetFunctions);
}
