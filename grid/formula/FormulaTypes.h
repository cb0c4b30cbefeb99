// The shared vocabulary of the formula engine: packed references, evaluation values, expression
// nodes and compiled formulas. The engine is plain records and free functions named GX...;
// only its state holders are objects.
#pragma once
#include "afx.h"

// Limits of a sheet.
#define GX_MAX_ROW 8388607u
#define GX_MAX_COL 4095u
#define GX_MAX_TEXT 511
#define GX_NO_NODE 65535

// A cell or range reference in three words; a single cell has bit 30 of word 3 set.
struct GX_RANGE
{
    DWORD w1; // bits 0-23 top row
    DWORD w2; // bits 0-23 bottom row
    DWORD w3; // columns, absolute bits, single-cell bit

    enum : DWORD
    {
        absRow1 = 1u << 13,
        absCol1 = 1u << 14,
        absRow2 = 1u << 28,
        absCol2 = 1u << 29,
        single = 1u << 30
    };

    DWORD Row1() const
    {
        return w1 & 0xFFFFFF;
    }
    DWORD Row2() const
    {
        return w2 & 0xFFFFFF;
    }
    DWORD Col1() const
    {
        return w3 & 0x1FFF;
    }
    DWORD Col2() const
    {
        return (w3 >> 15) & 0x1FFF;
    }
    BOOL IsSingle() const
    {
        return (w3 & single) != 0;
    }
    // The corners as a box, whatever the single-cell bit says.
    DWORD Bottom() const
    {
        return IsSingle() ? Row1() : Row2();
    }
    DWORD Right() const
    {
        return IsSingle() ? Col1() : Col2();
    }
    void SetRow1(DWORD r)
    {
        w1 = (w1 & ~0xFFFFFFu) | (r & 0xFFFFFF);
    }
    void SetRow2(DWORD r)
    {
        w2 = (w2 & ~0xFFFFFFu) | (r & 0xFFFFFF);
    }
    void SetCol1(DWORD c)
    {
        w3 = (w3 & ~0x1FFFu) | (c & 0x1FFF);
    }
    void SetCol2(DWORD c)
    {
        w3 = (w3 & ~(0x1FFFu << 15)) | ((c & 0x1FFF) << 15);
    }
    void SetFlag(DWORD bit, BOOL b)
    {
        w3 = b ? (w3 | bit) : (w3 & ~bit);
    }
    // Cells of the box, in 64 bits: a whole sheet has more than 2^32.
    unsigned long long CellCount() const
    {
        return (unsigned long long)(Bottom() - Row1() + 1) * (Right() - Col1() + 1);
    }
    BOOL Contains(DWORD row, DWORD col) const
    {
        return row >= Row1() && row <= Bottom() && col >= Col1() && col <= Right();
    }
};

struct GX_EXPR_NODE;
struct GX_FUNCTION_ENTRY;

// Kinds of an evaluation value.
enum
{
    GX_VALUE_NUMBER = 0,
    GX_VALUE_STRING = 1,
    GX_VALUE_RANGE = 2,
    GX_VALUE_CELL = 3,
    GX_VALUE_EXPR = 4,
    GX_VALUE_EMPTY = 5,
    GX_VALUE_ERROR = 6
};

// What operators and worksheet functions pass around, by copy.
struct GX_VALUE
{
    DWORD nKind;
    union {
        double dValue;
        char* pszValue; // tracked block
        GX_RANGE range;
        struct
        {
            GX_EXPR_NODE* pNodes;
            DWORD nIndex;
        } expr;
        struct
        {
            DWORD nCode;
            const char* pszDetail; // name of the raising function, or NULL
        } error;
        DWORD nCount; // the header of an argument block
    };
};

// Value kinds kept in a stored cell.
enum
{
    GX_CELLVALUE_NONE = 0,
    GX_CELLVALUE_EMPTY = 1,
    GX_CELLVALUE_ERROR = 2,
    GX_CELLVALUE_NUMBER = 3,
    GX_CELLVALUE_HEAPSTR = 4,
    GX_CELLVALUE_INLINESTR = 5
};

// Node kinds.
enum
{
    GX_NODE_OPERATOR = 0,
    GX_NODE_NUMBER = 1,
    GX_NODE_STRING = 2,
    GX_NODE_CELL = 3,
    GX_NODE_RANGE = 4,
    GX_NODE_NAME = 5,
    GX_NODE_NAMEDCELL = 6,
    GX_NODE_NAMEDRANGE = 7,
    GX_NODE_CALL = 8,
    GX_NODE_ARGLIST = 9,
    GX_NODE_RELATIVE = 10,
    GX_NODE_BRANCHES = 11
};

// Node flags.
enum
{
    GX_NF_PAREN = 1,
    GX_NF_HEX = 2,
    GX_NF_UNEVALUATED = 4,
    GX_NF_NODEPS = 16
};

// Operator codes.
enum
{
    GX_OP_ADD,
    GX_OP_SUB,
    GX_OP_PLUS,
    GX_OP_NEG,
    GX_OP_MUL,
    GX_OP_DIV,
    GX_OP_POW,
    GX_OP_MOD,
    GX_OP_AND,
    GX_OP_OR,
    GX_OP_NOT,
    GX_OP_BITAND,
    GX_OP_BITOR,
    GX_OP_XOR,
    GX_OP_COMPL,
    GX_OP_SHL,
    GX_OP_SHR,
    GX_OP_EQ,
    GX_OP_NE,
    GX_OP_LT,
    GX_OP_GT,
    GX_OP_LE,
    GX_OP_GE,
    GX_OP_COND,
    GX_OP_RANGE,
    GX_OP_PERCENT,
    GX_OP_ERRLIT,
    GX_OP_COUNT
};

struct GX_RANGE_NAME;

// One node of a compiled formula; nodes link by index into the formula's node array.
struct GX_EXPR_NODE
{
    BYTE nKind;
    BYTE nFlags;
    WORD wUnused;
    WORD nLink1;
    WORD nLink2;
    union {
        double dValue;
        char* pszText; // string constant, unresolved name (owned)
        DWORD nOperator;
        GX_RANGE range;
        GX_RANGE_NAME* pName;            // named cell or range
        const GX_FUNCTION_ENTRY* pEntry; // function call
        WORD w[8];                       // argument list, relative reference, branches
    };
};

// A node of the kind, every field cleared and every link "none": how parsers start a node.
inline GX_EXPR_NODE GXBlankExprNode(int nKind)
{
    GX_EXPR_NODE n;
    memset(&n, 0, sizeof(n));
    n.nKind = (BYTE)nKind;
    n.nLink1 = n.nLink2 = GX_NO_NODE;
    n.w[0] = GX_NO_NODE;
    return n;
}

// A compiled formula, owned by its cell.
struct GX_FORMULA
{
    WORD nValueRoot;
    WORD nConstraintRoot;
    WORD nTargetRoot; // the list after "\"
    short nNodes;
    GX_EXPR_NODE* pNodes;
    char* pszComment;
};

// Error codes the engine itself raises (the texts are in FormulaText.cpp).
enum
{
    GX_ERR_NOMEM = 5,
    GX_ERR_IEEE = 40,
    GX_ERR_CELLERROR = 60,
    GX_ERR_DIVZERO = 70,
    GX_ERR_BADREF = 89,
    GX_ERR_CONCAT = 91,
    GX_ERR_EQ = 94,
    GX_ERR_BADARGTYPE = 98,
    GX_ERR_INTRANGE = 109,
    GX_ERR_BADCELLREF = 110,
    GX_ERR_MODZERO = 122,
    GX_ERR_NONNUMERIC = 128,
    GX_ERR_OPERROR = 133,
    GX_ERR_INT32 = 136,
    GX_ERR_SAMETYPE = 140,
    GX_ERR_RANGEOPS = 141,
    GX_ERR_RECURSION = 148,
    GX_ERR_ISRANGE = 149,
    GX_ERR_STRTOOLONG = 150,
    GX_ERR_WRONGARGS = 165,
    GX_ERR_NOTINSTALLED = 166,
    GX_ERR_UNEXPECTED = 225,
    GX_ERR_REFRANGE = 226,
    GX_ERR_UNDEFFUNC = 227,
    GX_ERR_FREENODE = 228,
    GX_ERR_TOOMANYARGS = 229,
    GX_ERR_TOOFEWARGS = 230,
    GX_ERR_EXPECTED = 231, // plus the token code
    GX_ERR_OPERAND = 274,
    GX_ERR_RANGERHS = 275,
    GX_ERR_NODES = 280,
    GX_ERR_UNDEFNAME = 281,
    GX_ERR_UNRESOLVED = 283,
    GX_ERR_UNCONSUMED = 284,
    GX_ERR_HEX32 = 88,
    GX_ERR_BADCHAR = 223
};

// Node scans used for bookkeeping.
int GXExprHasReferences(const GX_EXPR_NODE* pNodes, int n);
int GXExprHasFunctionCall(const GX_EXPR_NODE* pNodes, int n);

// Node arrays of formulas: every array a formula owns comes from here and goes back here.
GX_EXPR_NODE* GXAllocNodes(int nNodes);
void GXFreeNodes(GX_EXPR_NODE* pNodes, int nNodes);

// Formula records.
GX_FORMULA* GXNewFormula();
GX_FORMULA* GXCopyFormula(const GX_FORMULA* pSrc);
void GXFreeFormula(GX_FORMULA* pFormula);
// Frees what a formula record owns, not the record (for records on the stack).
void GXFreeFormulaParts(GX_FORMULA* pFormula);

// Makes a range's corners ordered (rows with their absolute bits, columns likewise); a single
// cell copies its first corner into the second. 0 when the reference is not valid.
int GXNormalizeRange(GX_RANGE* pRange);
BOOL GXIsValidRange(const GX_RANGE& r);
