// Scanner, recursive-descent parser and reference text. Nothing here ends the program: every
// failure is an error code with a position.
#include "grid/formula/FormulaParser.h"
#include "grid/formula/CellStore.h"
#include "grid/formula/EngineState.h"
#include "grid/formula/Evaluator.h"
#include "grid/formula/FormulaText.h"
#include "grid/formula/RangeNames.h"
#include "grid/formula/WorksheetFunctions.h"
#include <ctype.h>
#include <mbstring.h>
#include <stdlib.h>
#include <string.h>
#include <cmath>

namespace
{
BOOL IsLetter(int ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}
BOOL IsDigit(int ch)
{
    return ch >= '0' && ch <= '9';
}

// Operators and punctuation, longest first so that the first match is the longest.
struct Punctuation
{
    const char* pszText;
    int nCode;
};
const Punctuation s_aPunctuation[] = {
    {"#AND#", 24}, {"#NOT#", 14}, {"#OR#", 25}, {"**", 23}, {"&&", 24}, {"||", 25}, {"<<", 26}, {">>", 27},
    {"<=", 28},    {">=", 29},    {"!=", 30},   {"<>", 30}, {"==", 31}, {"..", 32}, {"??", 43}, {";", 0},
    {":", 1},      {",", 2},      {"?", 3},     {"#", 4},   {"\\", 5},  {"+", 6},   {"-", 7},   {"*", 8},
    {"/", 9},      {"%", 10},     {"|", 11},    {"^", 12},  {"&", 13},  {"!", 14},  {"~", 15},  {"<", 16},
    {">", 17},     {"(", 18},     {")", 19},    {"{", 20},  {"}", 21},  {"=", 22},  {".", 42},
};

// Length of a cell-reference lexeme at p: [$] 1-3 letters [$] 1-7 digits; 0 when none.
int MatchCellLexeme(const unsigned char* p, int& nLetters, int& nLetterStart)
{
    int i = 0;
    if (p[i] == '$')
        i++;
    nLetterStart = i;
    int n = 0;
    while (n < 3 && IsLetter(p[i + n]))
        n++;
    if (n == 0)
        return 0;
    nLetters = n;
    i += n;
    if (p[i] == '$')
        i++;
    int d = 0;
    while (d < 7 && IsDigit(p[i + d]))
        d++;
    return d == 0 ? 0 : i + d;
}

int MatchName(const unsigned char* p)
{
    if (!IsLetter(p[0]) && p[0] != '_' && p[0] != '$')
        return 0;
    int i = 1;
    while (IsLetter(p[i]) || IsDigit(p[i]) || p[i] == '_' || p[i] == '$' || p[i] == '.')
        i++;
    return i;
}

int MatchNumber(const unsigned char* p)
{
    int i = 0;
    if (IsDigit(p[0]))
    {
        while (IsDigit(p[i]))
            i++;
        if (p[i] == '.')
        {
            i++;
            while (IsDigit(p[i]))
                i++;
        }
    }
    else if (p[0] == '.' && IsDigit(p[1]))
    {
        i = 1;
        while (IsDigit(p[i]))
            i++;
    }
    else
        return 0;
    if (p[i] == 'e')
    {
        int j = i + 1;
        if (p[j] == '+' || p[j] == '-')
            j++;
        if (IsDigit(p[j]))
        {
            while (IsDigit(p[j]))
                j++;
            i = j;
        }
    }
    return i;
}

// The value of a number token: a plain integer of up to 15 digits is exact as it is read;
// anything else goes through the library's conversion.
double NumberValue(const GX_TOKEN& t)
{
    if (t.nLength <= 15)
    {
        long long n = 0;
        int i = 0;
        for (; i < t.nLength && IsDigit((unsigned char)t.pszText[i]); i++)
            n = n * 10 + (t.pszText[i] - '0');
        if (i == t.nLength)
            return (double)n;
    }
    return atof(t.Text());
}

GX_TOKEN MakeToken(int nCode, int nPos, const char* p = NULL, int n = 0)
{
    return GX_TOKEN{nCode, 0, nPos, p != NULL ? p : "", n};
}

int FoldAscii(int ch)
{
    return ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch;
}

// The entries of the punctuation table that start with the character, as bits in table order.
unsigned long long PunctuationStartingWith(unsigned char ch)
{
    static const std::vector<unsigned long long> s_byFirst = [] {
        static_assert(sizeof(s_aPunctuation) / sizeof(s_aPunctuation[0]) <= 64, "one bit per entry");
        std::vector<unsigned long long> v(256, 0);
        for (size_t i = 0; i < sizeof(s_aPunctuation) / sizeof(s_aPunctuation[0]); i++)
            v[(unsigned char)s_aPunctuation[i].pszText[0]] |= 1ull << i;
        return v;
    }();
    return s_byFirst[FoldAscii(ch)];
}

// Length of the punctuation at p, letters in either case; 0 when p does not start with it.
int MatchPunctuation(const unsigned char* p, const char* pszPunct)
{
    int i = 0;
    for (; pszPunct[i]; i++)
        if (FoldAscii(p[i]) != FoldAscii((unsigned char)pszPunct[i]))
            return 0;
    return i;
}
} // namespace

void FormulaScanner(const char* pszText, std::vector<GX_TOKEN>& tokens)
{
    const unsigned char* s = (const unsigned char*)pszText;
    int pos = 0;
    for (;;)
    {
        const unsigned char* p = s + pos;
        if (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r')
        {
            pos++;
            continue;
        }
        if (*p == 0)
        {
            tokens.push_back(MakeToken(GX_TOK_END, pos));
            return;
        }
        int nLetters = 0, nLetterStart = 0;
        BOOL bNameStart = IsLetter(*p) || *p == '_' || *p == '$';
        int nCell = bNameStart ? MatchCellLexeme(p, nLetters, nLetterStart) : 0;
        int nName = bNameStart ? MatchName(p) : 0;
        if (nCell > 0 && nCell >= nName)
        {
            char szLetters[4] = {};
            memcpy(szLetters, p + nLetterStart, nLetters);
            BOOL bColumn = ColumnFromLetters(szLetters) >= 0;
            tokens.push_back(MakeToken(bColumn ? GX_TOK_CELL : GX_TOK_NAME, pos, (const char*)p, nCell));
            pos += nCell;
            continue;
        }
        if (nName > 0)
        {
            const void* pDot = memchr(p, '.', nName);
            int nDot = pDot != NULL ? (int)((const unsigned char*)pDot - p) : -1;
            GX_RANGE r;
            if (nDot > 0 && ParseCellReference(CString((const char*)p, nName), &r))
                nName = nDot; // "A1.B2": the cell, then the rest again
            tokens.push_back(
                MakeToken(nDot > 0 && nName == nDot ? GX_TOK_CELL : GX_TOK_NAME, pos, (const char*)p, nName));
            pos += nName;
            continue;
        }
        if (*p == '@')
        {
            int i = 1;
            while (IsLetter(p[i]) || IsDigit(p[i]) || p[i] == '_' || p[i] == '@')
                i++;
            tokens.push_back(MakeToken(GX_TOK_FUNCTION, pos, (const char*)p + 1, i - 1));
            pos += i;
            continue;
        }
        if (*p == '"')
        {
            int i = 1;
            while (p[i] && p[i] != '"')
                i += p[i] == '\\' && p[i + 1] ? 2 : 1;
            if (p[i] != '"')
            {
                GX_TOKEN t = MakeToken(GX_TOK_ERROR, pos);
                t.nError = GX_ERR_BADCHAR;
                tokens.push_back(t);
                pos++;
                continue;
            }
            tokens.push_back(MakeToken(GX_TOK_STRING, pos, (const char*)p + 1, i - 1));
            pos += i + 1;
            continue;
        }
        if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && GXHexDigitValue(p[2]) >= 0)
        {
            int i = 2;
            while (GXHexDigitValue(p[i]) >= 0)
                i++;
            tokens.push_back(MakeToken(GX_TOK_HEX, pos, (const char*)p + 2, i - 2));
            pos += i;
            continue;
        }
        if (int n = MatchNumber(p))
        {
            tokens.push_back(MakeToken(GX_TOK_NUMBER, pos, (const char*)p, n));
            pos += n;
            continue;
        }
        if (p[0] == '/' && p[1] == '/')
        {
            int i = 2;
            while (p[i] && p[i] != '\n')
                i++;
            tokens.push_back(MakeToken(GX_TOK_COMMENT, pos, (const char*)p + 2, i - 2));
            pos += i;
            continue;
        }
        BOOL bFound = FALSE;
        for (unsigned long long bits = PunctuationStartingWith(*p); bits != 0; bits &= bits - 1)
        {
            const Punctuation& punct = s_aPunctuation[__builtin_ctzll(bits)];
            if (int n = MatchPunctuation(p, punct.pszText))
            {
                tokens.push_back(MakeToken(punct.nCode, pos));
                pos += n;
                bFound = TRUE;
                break;
            }
        }
        if (bFound)
            continue;
        GX_TOKEN t = MakeToken(GX_TOK_ERROR, pos);
        t.nError = GX_ERR_BADCHAR;
        tokens.push_back(t);
        pos += _ismbblead(*p) && p[1] ? 2 : 1;
    }
}

namespace
{
struct ParseFailure
{
    int nCode;
    int nPos;
};

// The nodes of the formula being parsed: never more than GX_MAX_NODES, so they stay on the stack.
class CNodeBuffer
{
  public:
    size_t size() const
    {
        return m_nCount;
    }
    GX_EXPR_NODE& operator[](size_t i)
    {
        return m_aNodes[i];
    }
    GX_EXPR_NODE* begin()
    {
        return m_aNodes;
    }
    GX_EXPR_NODE* end()
    {
        return m_aNodes + m_nCount;
    }
    const GX_EXPR_NODE* data() const
    {
        return m_aNodes;
    }
    void push_back(const GX_EXPR_NODE& n)
    {
        m_aNodes[m_nCount++] = n;
    }
    void pop_back()
    {
        m_nCount--;
    }
    void clear()
    {
        m_nCount = 0;
    }

  private:
    GX_EXPR_NODE m_aNodes[GX_MAX_NODES];
    size_t m_nCount = 0;
};

class CParser
{
  public:
    // The token list is kept from one formula to the next; a parse started while another one
    // runs (from a function lookup) has a list of its own.
    CParser(int nSheet, const char* pszText)
        : m_nSheet(nSheet), m_tokens(s_nParsing++ == 0 ? s_tokens : m_ownTokens)
    {
        m_tokens.clear();
        FormulaScanner(pszText, m_tokens);
    }
    ~CParser()
    {
        s_nParsing--;
        for (GX_EXPR_NODE& n : m_nodes)
            if (n.nKind == GX_NODE_STRING || n.nKind == GX_NODE_NAME)
                free(n.pszText);
    }
    CParser(const CParser&) = delete;
    CParser& operator=(const CParser&) = delete;

    void Formula(GX_FORMULA* f);
    CNodeBuffer m_nodes;

  private:
    const GX_TOKEN& Tok(size_t k = 0) const
    {
        size_t i = m_nCur + k;
        return m_tokens[i < m_tokens.size() ? i : m_tokens.size() - 1];
    }
    void Next()
    {
        if (m_nCur + 1 < m_tokens.size())
            m_nCur++;
    }
    [[noreturn]] void Fail(int nCode)
    {
        const GX_TOKEN& t = Tok();
        throw ParseFailure{t.nCode == GX_TOK_ERROR ? t.nError : nCode, t.nPos};
    }
    [[noreturn]] void FailAt(int nCode, int nPos)
    {
        throw ParseFailure{nCode, nPos};
    }
    void Expect(int nCode)
    {
        if (Tok().nCode != nCode)
            Fail(nCode >= 0 && nCode <= 42 ? GX_ERR_EXPECTED + nCode : GX_ERR_UNEXPECTED);
        Next();
    }
    WORD NewNode(int nKind)
    {
        if (m_nodes.size() >= GX_MAX_NODES)
            Fail(GX_ERR_NODES);
        m_nodes.push_back(GXBlankExprNode(nKind));
        return (WORD)(m_nodes.size() - 1);
    }
    WORD NewOperator(int nCode, WORD nLeft, WORD nRight)
    {
        WORD i = NewNode(GX_NODE_OPERATOR);
        m_nodes[i].nOperator = (DWORD)nCode;
        m_nodes[i].nLink1 = nLeft;
        m_nodes[i].nLink2 = nRight;
        return i;
    }
    static char* OwnedText(const char* psz)
    {
        return strdup(psz);
    }

    WORD Expression();
    WORD Binary(int nLevel);
    WORD Unary();
    WORD Power();
    WORD Postfix();
    WORD Primary();
    WORD CellReference();
    WORD NameOrCall(BOOL bFunctionToken);
    WORD Call(WORD nName, int nNamePos);
    WORD RangeSuffix(WORD nLeft);
    WORD Target();
    static BOOL BeginsOperand(int nCode);

    // The engine keeps its state for the whole process, as one thread uses it.
    static std::vector<GX_TOKEN> s_tokens;
    static int s_nParsing;
    int m_nSheet;
    std::vector<GX_TOKEN> m_ownTokens;
    std::vector<GX_TOKEN>& m_tokens;
    size_t m_nCur = 0;
    int m_nDepth = 0;
};

std::vector<GX_TOKEN> CParser::s_tokens;
int CParser::s_nParsing = 0;

// Binary operator levels, loosest first: token code and operator code.
struct BinaryOperator
{
    int nToken;
    int nOperator;
};
const BinaryOperator s_aLevels[][5] = {
    {{25, GX_OP_OR}, {-1, 0}},
    {{24, GX_OP_AND}, {-1, 0}},
    {{11, GX_OP_BITOR}, {-1, 0}},
    {{12, GX_OP_XOR}, {-1, 0}},
    {{13, GX_OP_BITAND}, {-1, 0}},
    {{22, GX_OP_EQ}, {31, GX_OP_EQ}, {30, GX_OP_NE}, {-1, 0}},
    {{16, GX_OP_LT}, {17, GX_OP_GT}, {28, GX_OP_LE}, {29, GX_OP_GE}, {-1, 0}},
    {{26, GX_OP_SHL}, {27, GX_OP_SHR}, {-1, 0}},
    {{6, GX_OP_ADD}, {7, GX_OP_SUB}, {-1, 0}},
    {{8, GX_OP_MUL}, {9, GX_OP_DIV}, {10, GX_OP_MOD}, {-1, 0}},
};
const int s_nLevels = sizeof(s_aLevels) / sizeof(s_aLevels[0]);

// Prefix operators: token code and operator code.
const BinaryOperator s_aPrefix[] = {{6, GX_OP_PLUS}, {7, GX_OP_NEG}, {14, GX_OP_NOT}, {15, GX_OP_COMPL}};

void CParser::Formula(GX_FORMULA* f)
{
    if (Tok().nCode == GX_TOK_EQUAL)
        FailAt(GX_ERR_OPERAND, 1);
    Expect(GX_TOK_ASSIGN);
    f->nValueRoot = Expression();
    if (Tok().nCode == GX_TOK_SEMICOLON)
    {
        Next();
        f->nConstraintRoot = Expression();
    }
    if (Tok().nCode == GX_TOK_BACKSLASH)
    {
        Next();
        WORD nLast = f->nTargetRoot = Target();
        while (Tok().nCode == GX_TOK_COMMA)
        {
            Next();
            WORD n = Target();
            m_nodes[nLast].nLink2 = n;
            nLast = n;
        }
    }
    if (Tok().nCode == GX_TOK_COMMENT)
    {
        f->pszComment = OwnedText(Tok().Text());
        Next();
    }
    if (Tok().nCode != GX_TOK_END)
    {
        free(f->pszComment);
        f->pszComment = NULL;
        Fail(GX_ERR_EXPECTED + GX_TOK_END);
    }
}

WORD CParser::Target()
{
    if (Tok().nCode == GX_TOK_CELL)
    {
        WORD n = CellReference();
        int nSep = Tok().nCode;
        if ((nSep == GX_TOK_COLON || nSep == GX_TOK_DOTDOT || nSep == GX_TOK_DOT) &&
            Tok(1).nCode == GX_TOK_CELL)
            return RangeSuffix(n);
        return n;
    }
    if (Tok().nCode == GX_TOK_NAME)
        return NameOrCall(FALSE);
    Fail(GX_ERR_EXPECTED + GX_TOK_CELL);
}

WORD CParser::Expression()
{
    if (++m_nDepth > GX_MAX_NESTING)
        Fail(GX_ERR_RECURSION);
    WORD c = Binary(0);
    if (Tok().nCode == GX_TOK_QUESTION)
    {
        Next();
        WORD a = Expression();
        Expect(GX_TOK_COLON);
        WORD b = Expression();
        WORD br = NewNode(GX_NODE_BRANCHES);
        m_nodes[br].nLink1 = a;
        m_nodes[br].nLink2 = b;
        c = NewOperator(GX_OP_COND, c, br);
        m_nodes[br].w[0] = c;
    }
    m_nDepth--;
    return c;
}

// The level and operator of a binary operator token; FALSE for any other token.
BOOL BinaryOperatorOf(int nToken, int& nLevel, int& nOperator)
{
    struct Entry
    {
        signed char nLevel, nOperator;
    };
    static const std::vector<Entry> s_byToken = [] {
        std::vector<Entry> v(GX_TOK_ERRLIT + 1, Entry{-1, 0});
        for (int i = 0; i < s_nLevels; i++)
            for (const BinaryOperator& op : s_aLevels[i])
            {
                if (op.nToken < 0)
                    break;
                v[op.nToken] = Entry{(signed char)i, (signed char)op.nOperator};
            }
        return v;
    }();
    if (nToken < 0 || nToken >= (int)s_byToken.size() || s_byToken[nToken].nLevel < 0)
        return FALSE;
    nLevel = s_byToken[nToken].nLevel;
    nOperator = s_byToken[nToken].nOperator;
    return TRUE;
}

// The operands joined by operators of the level or tighter ones, each level left to right.
WORD CParser::Binary(int nLevel)
{
    WORD left = Unary();
    int nOpLevel, nOp;
    while (BinaryOperatorOf(Tok().nCode, nOpLevel, nOp) && nOpLevel >= nLevel)
    {
        Next();
        WORD right = Binary(nOpLevel + 1);
        left = NewOperator(nOp, left, right);
    }
    return left;
}

WORD CParser::Unary()
{
    for (const BinaryOperator& op : s_aPrefix)
        if (op.nToken == Tok().nCode)
        {
            Next();
            WORD operand = Power();
            return NewOperator(op.nOperator, GX_NO_NODE, operand);
        }
    return Power();
}

WORD CParser::Power()
{
    WORD left = Postfix();
    while (Tok().nCode == GX_TOK_POWER)
    {
        Next();
        WORD right = Postfix();
        left = NewOperator(GX_OP_POW, left, right);
    }
    return left;
}

BOOL CParser::BeginsOperand(int nCode)
{
    return nCode == GX_TOK_HASH || nCode == GX_TOK_LPAREN || nCode == GX_TOK_CELL || nCode == GX_TOK_NAME ||
           nCode == GX_TOK_FUNCTION || nCode == GX_TOK_STRING || nCode == GX_TOK_NUMBER ||
           nCode == GX_TOK_HEX || nCode == GX_TOK_ERRLIT;
}

WORD CParser::Postfix()
{
    WORD p = Primary();
    if (Tok().nCode == 10 && !BeginsOperand(Tok(1).nCode))
    {
        Next();
        p = NewOperator(GX_OP_PERCENT, GX_NO_NODE, p);
    }
    return p;
}

WORD CParser::Primary()
{
    const GX_TOKEN& t = Tok();
    switch (t.nCode)
    {
    case GX_TOK_STRING: {
        char sz[GX_MAX_TEXT + 1];
        GXUnescapeText(sz, t.Text());
        WORD n = NewNode(GX_NODE_STRING);
        m_nodes[n].pszText = OwnedText(sz);
        Next();
        return n;
    }
    case GX_TOK_NUMBER: {
        // A literal beyond the largest double would be written back as text that does not parse.
        double d = NumberValue(t);
        if (!std::isfinite(d))
            Fail(GX_ERR_IEEE);
        WORD n = NewNode(GX_NODE_NUMBER);
        m_nodes[n].dValue = d;
        Next();
        return n;
    }
    case GX_TOK_HEX: {
        CString strDigits = t.Text();
        LPCTSTR psz = strDigits;
        while (*psz == '0' && psz[1])
            psz++;
        if (strlen(psz) > 8)
            Fail(GX_ERR_HEX32);
        DWORD dw = 0;
        for (; *psz; psz++)
            dw = dw * 16 + (DWORD)GXHexDigitValue((unsigned char)*psz);
        WORD n = NewNode(GX_NODE_NUMBER);
        m_nodes[n].dValue = (double)(int)dw;
        m_nodes[n].nFlags |= GX_NF_HEX;
        Next();
        return n;
    }
    case GX_TOK_ERRLIT:
        Next();
        return NewOperator(GX_OP_ERRLIT, GX_NO_NODE, GX_NO_NODE);
    case GX_TOK_HASH: {
        Next();
        WORD n = NewNode(GX_NODE_RELATIVE);
        m_nodes[n].w[0] = m_nodes[n].w[1] = GX_NO_NODE;
        if (Tok().nCode == GX_TOK_LBRACE)
        {
            Next();
            WORD nCol = Expression();
            m_nodes[n].w[1] = nCol;
            if (Tok().nCode == GX_TOK_COMMA)
            {
                Next();
                WORD nRow = Expression();
                m_nodes[n].w[0] = nRow;
            }
            Expect(GX_TOK_RBRACE);
        }
        return n;
    }
    case GX_TOK_LPAREN: {
        Next();
        if (++m_nDepth > GX_MAX_NESTING)
            Fail(GX_ERR_RECURSION);
        WORD n = Expression();
        m_nDepth--;
        Expect(GX_TOK_RPAREN);
        m_nodes[n].nFlags |= GX_NF_PAREN;
        return n;
    }
    case GX_TOK_FUNCTION:
        return RangeSuffix(NameOrCall(TRUE));
    case GX_TOK_CELL:
        return RangeSuffix(CellReference());
    case GX_TOK_NAME:
        return RangeSuffix(NameOrCall(FALSE));
    }
    Fail(GX_ERR_OPERAND);
}

WORD CParser::CellReference()
{
    GX_RANGE r;
    // A cell token is at most "$ABC$1234567".
    char sz[16];
    const GX_TOKEN& t = Tok();
    if (t.nLength >= (int)sizeof(sz))
        Fail(GX_ERR_REFRANGE);
    memcpy(sz, t.pszText, t.nLength);
    sz[t.nLength] = 0;
    if (!ParseCellReference(sz, &r) || !r.IsSingle())
        Fail(GX_ERR_REFRANGE);
    WORD n = NewNode(GX_NODE_CELL);
    m_nodes[n].range = r;
    Next();
    return n;
}

// A name: a call when "(" follows (or always for the "@" form), else a defined name.
WORD CParser::NameOrCall(BOOL bFunctionToken)
{
    const GX_TOKEN t = Tok();
    Next();
    if (bFunctionToken || Tok().nCode == GX_TOK_LPAREN)
    {
        WORD n = NewNode(GX_NODE_NAME);
        m_nodes[n].pszText = OwnedText(t.Text());
        return Call(n, t.nPos);
    }
    GX_RANGE_NAME* pName = GXFindRangeName(m_nSheet, t.Text(), NULL);
    if (pName == NULL)
        FailAt(GX_ERR_UNDEFNAME, t.nPos);
    WORD n = NewNode(pName->range.IsSingle() ? GX_NODE_NAMEDCELL : GX_NODE_NAMEDRANGE);
    m_nodes[n].pName = pName;
    return n;
}

WORD CParser::Call(WORD nName, int nNamePos)
{
    std::vector<WORD> args;
    if (Tok().nCode == GX_TOK_LPAREN)
    {
        Next();
        if (Tok().nCode != GX_TOK_RPAREN)
            for (;;)
            {
                args.push_back(Expression());
                if (Tok().nCode != GX_TOK_COMMA)
                    break;
                Next();
            }
        Expect(GX_TOK_RPAREN);
    }
    int n = (int)args.size();
    if (n > GX_MAX_ARGUMENTS)
        FailAt(GX_ERR_TOOMANYARGS, nNamePos);
    GXUpperCaseText(m_nodes[nName].pszText);
    const GX_FUNCTION_ENTRY* pEntry = GXLookupFunction(m_nodes[nName].pszText);
    if (pEntry == NULL)
        FailAt(GX_ERR_UNDEFFUNC, nNamePos);
    int nDescriptors[GX_MAX_ARGUMENTS];
    int nError = GXAssignArgumentDescriptors(pEntry, n, nDescriptors);
    if (nError != 0)
        FailAt(nError, nNamePos);
    WORD nPrev = nName, nFirst = GX_NO_NODE;
    for (int i = 0; i < n; i++)
    {
        WORD a = NewNode(GX_NODE_ARGLIST);
        const DWORD* pDesc = pEntry->aArgs[nDescriptors[i]];
        m_nodes[a].nLink1 = args[i];
        m_nodes[a].w[0] = nPrev;
        m_nodes[a].w[1] = (WORD)pDesc[0];
        if (pDesc[1] & 1)
            m_nodes[a].nFlags |= GX_NF_UNEVALUATED;
        if (nPrev == nName)
            nFirst = a;
        else
            m_nodes[nPrev].nLink2 = a;
        nPrev = a;
    }
    if (n >= 2 && strcmp(m_nodes[nName].pszText, "XVALUE") == 0)
        m_nodes[args[1]].nFlags |= GX_NF_NODEPS;
    free(m_nodes[nName].pszText);
    m_nodes[nName].pszText = NULL;
    m_nodes[nName].nKind = GX_NODE_CALL;
    m_nodes[nName].pEntry = pEntry;
    m_nodes[nName].nLink2 = nFirst;
    return nName;
}

WORD CParser::RangeSuffix(WORD nLeft)
{
    int nSep = Tok().nCode;
    if (nSep != GX_TOK_COLON && nSep != GX_TOK_DOTDOT && nSep != GX_TOK_DOT)
        return nLeft;
    Next();
    WORD nRight;
    switch (Tok().nCode)
    {
    case GX_TOK_CELL:
        nRight = CellReference();
        break;
    case GX_TOK_NAME:
        nRight = NameOrCall(FALSE);
        break;
    case GX_TOK_FUNCTION:
        nRight = NameOrCall(TRUE);
        break;
    default:
        Fail(GX_ERR_RANGERHS);
    }
    if (m_nodes[nLeft].nKind == GX_NODE_CELL && m_nodes[nRight].nKind == GX_NODE_CELL)
    {
        if (nRight != m_nodes.size() - 1)
            Fail(GX_ERR_FREENODE);
        GX_RANGE& r = m_nodes[nLeft].range;
        const GX_RANGE& s = m_nodes[nRight].range;
        r.w3 &= ~GX_RANGE::single;
        r.SetRow2(s.Row1());
        r.SetCol2(s.Col1());
        r.SetFlag(GX_RANGE::absRow2, (s.w3 & GX_RANGE::absRow1) != 0);
        r.SetFlag(GX_RANGE::absCol2, (s.w3 & GX_RANGE::absCol1) != 0);
        GXNormalizeRange(&r);
        m_nodes[nLeft].nKind = GX_NODE_RANGE;
        m_nodes.pop_back();
        return nLeft;
    }
    return NewOperator(GX_OP_RANGE, nLeft, nRight);
}
} // namespace

BOOL ParseFormula(int nSheet, const char* pszText, GX_FORMULA* f, int& nErrorCode, int& nErrorPos)
{
    nErrorCode = 0;
    nErrorPos = 0;
    try
    {
        CParser parser(nSheet, pszText != NULL ? pszText : "");
        parser.Formula(f);
        f->nNodes = (short)parser.m_nodes.size();
        f->pNodes = GXAllocNodes(f->nNodes);
        memcpy(f->pNodes, parser.m_nodes.data(), sizeof(GX_EXPR_NODE) * f->nNodes);
        parser.m_nodes.clear(); // the texts belong to the formula now
        return TRUE;
    }
    catch (ParseFailure& e)
    {
        nErrorCode = e.nCode;
        nErrorPos = e.nPos;
        f->pszComment = NULL;
        return FALSE;
    }
}

int GXParseFormula(int nSheet, const char* pszText, GX_FORMULA* f)
{
    f->nValueRoot = f->nConstraintRoot = f->nTargetRoot = GX_NO_NODE;
    f->nNodes = 0;
    f->pNodes = NULL;
    f->pszComment = NULL;
    GXSetLastFailed(0);
    int nCode, nPos;
    BOOL bOk = ParseFormula(nSheet, pszText, f, nCode, nPos);
    GXSetLastError(nCode);
    GXSetLastErrorPos(nPos);
    if (!bOk)
        GXSetLastFailed(1);
    return bOk;
}

// Reference text.

int ColumnFromLetters(const char* pszLetters)
{
    long n = 0;
    int i = 0;
    for (; IsLetter((unsigned char)pszLetters[i]); i++)
    {
        if (i >= 3)
            return -1;
        n = n * 26 + (FoldAscii((unsigned char)pszLetters[i]) - 'A' + 1);
    }
    if (i == 0 || pszLetters[i] != 0 || n - 1 > (long)GX_MAX_COL)
        return -1;
    return (int)(n - 1);
}

const char* ColumnLetters(DWORD nCol)
{
    if (nCol > GX_MAX_COL)
        return NULL;
    char sz[4];
    int n = 0;
    DWORD v = nCol;
    for (;;)
    {
        sz[n++] = (char)('A' + v % 26);
        v /= 26;
        if (v == 0)
            break;
        v--;
    }
    char* pOut = GXGetEngineState()->m_szColumnLetters;
    for (int i = 0; i < n; i++)
        pOut[i] = sz[n - 1 - i];
    pOut[n] = 0;
    return pOut;
}

namespace
{
// One corner: [$]letters[$]digits; advances p.
BOOL ParseCorner(const unsigned char*& p, DWORD& nRow, DWORD& nCol, BOOL& bAbsRow, BOOL& bAbsCol)
{
    bAbsCol = *p == '$';
    if (bAbsCol)
        p++;
    char szLetters[8];
    int n = 0;
    while (IsLetter(*p))
    {
        if (n >= 3)
            return FALSE;
        szLetters[n++] = (char)*p++;
    }
    szLetters[n] = 0;
    int nColumn = ColumnFromLetters(szLetters);
    if (nColumn < 0)
        return FALSE;
    bAbsRow = *p == '$';
    if (bAbsRow)
        p++;
    int d = 0;
    long long nValue = 0;
    while (IsDigit(*p))
    {
        if (++d > 9)
            return FALSE;
        nValue = nValue * 10 + (*p++ - '0');
    }
    if (d == 0 || nValue < 1 || nValue > GX_MAX_ROW)
        return FALSE;
    nRow = (DWORD)nValue;
    nCol = (DWORD)nColumn;
    return TRUE;
}
} // namespace

int ParseCellReference(const char* pszText, GX_RANGE* pRange)
{
    const unsigned char* p = (const unsigned char*)pszText;
    DWORD r1, c1, r2, c2;
    BOOL ar1, ac1, ar2, ac2;
    if (!ParseCorner(p, r1, c1, ar1, ac1))
        return 0;
    GX_RANGE r = {0, 0, 0};
    r.SetRow1(r1);
    r.SetCol1(c1);
    r.SetFlag(GX_RANGE::absRow1, ar1);
    r.SetFlag(GX_RANGE::absCol1, ac1);
    if (*p == 0)
    {
        r.w3 |= GX_RANGE::single;
        GXNormalizeRange(&r);
        *pRange = r;
        return 1;
    }
    if (*p != '.' && *p != ':')
        return 0;
    p++;
    if (*p == '.')
        p++;
    if (!ParseCorner(p, r2, c2, ar2, ac2) || *p != 0)
        return 0;
    r.SetRow2(r2);
    r.SetCol2(c2);
    r.SetFlag(GX_RANGE::absRow2, ar2);
    r.SetFlag(GX_RANGE::absCol2, ac2);
    GXNormalizeRange(&r);
    *pRange = r;
    return 1;
}

namespace
{
void FormatCorner(char* psz, DWORD nRow, DWORD nCol, BOOL bAbsRow, BOOL bAbsCol)
{
    sprintf(psz, "%s%s%s%lu", bAbsCol ? "$" : "", ColumnLetters(nCol), bAbsRow ? "$" : "",
            (unsigned long)nRow);
}
} // namespace

const char* FormatCellReference(const GX_RANGE& r)
{
    if (!GXIsValidRange(r))
        return NULL;
    char* pOut = GXGetEngineState()->m_szCellReference;
    FormatCorner(pOut, r.Row1(), r.Col1(), (r.w3 & GX_RANGE::absRow1) != 0, (r.w3 & GX_RANGE::absCol1) != 0);
    if (!r.IsSingle())
    {
        strcat(pOut, "..");
        FormatCorner(pOut + strlen(pOut), r.Row2(), r.Col2(), (r.w3 & GX_RANGE::absRow2) != 0,
                     (r.w3 & GX_RANGE::absCol2) != 0);
    }
    return pOut;
}

int ReferencesOverlap(const GX_RANGE& a, const GX_RANGE& b)
{
    return a.Row1() <= b.Bottom() && b.Row1() <= a.Bottom() && a.Col1() <= b.Right() && b.Col1() <= a.Right();
}

int IntersectReferences(const GX_RANGE& a, const GX_RANGE& b, GX_RANGE* pOut)
{
    if (!ReferencesOverlap(a, b))
        return 0;
    *pOut = GXBoxRef(a.Row1() > b.Row1() ? a.Row1() : b.Row1(), a.Col1() > b.Col1() ? a.Col1() : b.Col1(),
                     a.Bottom() < b.Bottom() ? a.Bottom() : b.Bottom(),
                     a.Right() < b.Right() ? a.Right() : b.Right());
    return 1;
}

int SameReference(const GX_RANGE& a, const GX_RANGE& b)
{
    return a.Row1() == b.Row1() && a.Col1() == b.Col1() && a.Bottom() == b.Bottom() && a.Right() == b.Right();
}

GX_RANGE MakeReference(long nRow1, long nCol1, long nRow2, long nCol2, int nFlags)
{
    auto row = [](long n) { return n >= 1 && n <= (long)GX_MAX_ROW ? (DWORD)n : 0u; };
    auto col = [](long n) { return n >= 0 && n <= (long)GX_MAX_COL ? (DWORD)n : 0u; };
    GX_RANGE r = {0, 0, 0};
    r.SetRow1(row(nRow1));
    r.SetCol1(col(nCol1));
    r.SetRow2(row(nRow2));
    r.SetCol2(col(nCol2));
    r.SetFlag(GX_RANGE::single, nFlags & 1);
    r.SetFlag(GX_RANGE::absCol1, nFlags & 2);
    r.SetFlag(GX_RANGE::absRow1, nFlags & 4);
    r.SetFlag(GX_RANGE::absCol2, nFlags & 8);
    r.SetFlag(GX_RANGE::absRow2, nFlags & 16);
    return r;
}
