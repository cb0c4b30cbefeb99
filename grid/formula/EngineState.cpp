// Process-wide engine state, tracked memory, raising errors and the temporary arrays.
#include "grid/formula/EngineState.h"
#include "grid/formula/CellStore.h"
#include "grid/formula/FormulaParser.h"
#include "grid/formula/WorksheetFunctions.h"
#include <stdlib.h>
#include <string.h>

GX_ENGINE_STATE::GX_ENGINE_STATE()
{
}

GX_ENGINE_STATE::~GX_ENGINE_STATE()
{
    delete m_pFunctions;
}

void GX_ENGINE_STATE::SetWorksheetFunctions(CGXWorksheetFunctions* pFunctions)
{
    if (pFunctions == m_pFunctions)
        return;
    delete m_pFunctions;
    m_pFunctions = pFunctions;
}

GX_ENGINE_MEMOBJ_STATE::GX_ENGINE_MEMOBJ_STATE()
{
    m_map.InitHashTable(10);
}

GX_ENGINE_MEMOBJ_STATE::~GX_ENGINE_MEMOBJ_STATE()
{
    POSITION pos = m_map.GetStartPosition();
    while (pos != NULL)
    {
        void* pKey;
        void* pValue;
        m_map.GetNextAssoc(pos, pKey, pValue);
        free(pKey);
    }
    m_map.RemoveAll();
}

GX_ENGINE_STATE* GXGetEngineState()
{
    static GX_ENGINE_STATE* s_pState = new GX_ENGINE_STATE;
    return s_pState;
}

namespace
{
GX_EVAL_STATE MakeEvalState()
{
    GX_EVAL_STATE s;
    memset(&s, 0, sizeof(s));
    return s;
}
} // namespace

GX_EVAL_STATE* GXGetEvalState()
{
    static GX_EVAL_STATE s_state = MakeEvalState();
    return &s_state;
}

GX_ENGINE_MEMOBJ_STATE* GXGetEngineMemObjState()
{
    static GX_ENGINE_MEMOBJ_STATE s_state;
    return &s_state;
}

void* GXTrackMemory(void* p)
{
    if (p != NULL)
        GXGetEngineMemObjState()->m_map.SetAt(p, p);
    return p;
}

BOOL GXIsTracked(const void* p)
{
    void* pValue;
    return p != NULL && GXGetEngineMemObjState()->m_map.Lookup(const_cast<void*>(p), pValue);
}

// Only blocks the map knows are freed, so that a block released twice on an error path is
// harmless.
void GXFreeMemory(void* p)
{
    if (p != NULL && GXGetEngineMemObjState()->m_map.RemoveKey(p))
        free(p);
}

char* GXStrDupLen(const char* psz, size_t n)
{
    char* p = (char*)malloc(n + 1);
    if (p == NULL)
        AfxThrowMemoryException();
    memcpy(p, psz, n);
    p[n] = 0;
    return (char*)GXTrackMemory(p);
}

char* GXStrDup(const char* psz)
{
    return psz != NULL ? GXStrDupLen(psz, strlen(psz)) : NULL;
}

char* GXShortStrDup(const char* psz)
{
    char* p = (char*)malloc(9);
    if (p == NULL)
        AfxThrowMemoryException();
    strncpy(p, psz, 8);
    p[8] = 0;
    return (char*)GXTrackMemory(p);
}

void GXRaiseError(int nCode, const char* pszDetail)
{
    GX_EVAL_STATE* pState = GXGetEvalState();
    pState->nErrorCode = nCode;
    pState->pszErrorDetail = pszDetail;
    if (pState->nMarker == 255)
        throw GXEvalException();
}

int GXGetCurrentSheet()
{
    return GXGetEvalState()->nSheet;
}

const char* GXGetCurrentFunction()
{
    return GXGetEvalState()->pszFunction;
}

char* GXGetScratchBuffer()
{
    return GXGetEvalState()->pszScratch;
}

void GXGetCurrentCell(DWORD& nRow, DWORD& nCol)
{
    nRow = GXGetEvalState()->nRow;
    nCol = GXGetEvalState()->nCol;
}

void GXSetArguments(GX_VALUE* pArgs)
{
    GXGetEvalState()->pArguments = pArgs;
}

GX_VALUE* GXGetArguments()
{
    return GXGetEvalState()->pArguments;
}

int GXGetLastFailed()
{
    return GXGetEngineState()->m_bLastFailed;
}

void GXSetLastFailed(int b)
{
    GXGetEngineState()->m_bLastFailed = b;
}

int GXGetLastError()
{
    return GXGetEngineState()->m_nLastError;
}

void GXSetLastError(int nCode)
{
    GXGetEngineState()->m_nLastError = nCode;
}

int GXGetLastErrorPos()
{
    return GXGetEngineState()->m_nErrorPos;
}

void GXSetLastErrorPos(int nPos)
{
    GXGetEngineState()->m_nErrorPos = nPos;
}

namespace
{
double* AllocSlot(long long nCount)
{
    GX_EVAL_STATE* pState = GXGetEvalState();
    int nSlot = 0;
    while (nSlot < GX_TEMP_ARRAYS && pState->apTemp[nSlot] != NULL)
        nSlot++;
    double* p = NULL;
    if (nSlot < GX_TEMP_ARRAYS && nCount >= 0 && nCount <= 0x7FFFFFF)
        p = (double*)calloc((size_t)(nCount > 0 ? nCount : 1), sizeof(double));
    if (p == NULL)
    {
        GXRaiseError(GX_ERR_NOMEM, NULL);
        return NULL;
    }
    pState->apTemp[nSlot] = p;
    return p;
}
} // namespace

void GXAllocTempArray(GX_MATRIX* pMatrix)
{
    pMatrix->pData = AllocSlot((long long)pMatrix->nRows * pMatrix->nCols);
}

double* GXAllocTempNumbers(int n)
{
    return AllocSlot(n);
}

int GXFreeTempArray(GX_MATRIX* pMatrix)
{
    GX_EVAL_STATE* pState = GXGetEvalState();
    for (int i = 0; i < GX_TEMP_ARRAYS; i++)
        if (pMatrix != NULL && pMatrix->pData != NULL && pState->apTemp[i] == pMatrix->pData)
        {
            free(pState->apTemp[i]);
            pState->apTemp[i] = NULL;
            pMatrix->pData = NULL;
            return 1;
        }
    return 0;
}

void GXFreeTempArrays()
{
    GX_EVAL_STATE* pState = GXGetEvalState();
    // Called after every evaluation, when the slots are nearly always empty: freeing NULL still
    // costs a call through the system heap.
    for (int i = 0; i < GX_TEMP_ARRAYS; i++)
        if (pState->apTemp[i] != NULL)
        {
            free(pState->apTemp[i]);
            pState->apTemp[i] = NULL;
        }
}

// Formula records and node arrays.

namespace
{
// Blocks of formula records and node arrays, kept on one free list per size: a sheet makes and
// drops them by the hundred thousand, which the heap serves several times more slowly. Blocks
// are cut from large chunks, which are kept for the life of the process; arrays larger than a
// parsed formula can be come from the heap.
class CFormulaBlocks
{
  public:
    static const size_t kUnit = 8;
    static const size_t kLargest = GX_MAX_NODES * sizeof(GX_EXPR_NODE);

    void* Alloc(size_t nBytes)
    {
        if (nBytes > kLargest)
            return Checked(malloc(nBytes));
        size_t nClass = (nBytes + kUnit - 1) / kUnit;
        if (void* p = m_apFree[nClass])
        {
            m_apFree[nClass] = *(void**)p;
            return p;
        }
        size_t nSize = nClass * kUnit;
        if (m_nLeft < nSize)
        {
            m_pNext = (char*)Checked(malloc(kChunk));
            m_nLeft = kChunk;
        }
        void* p = m_pNext;
        m_pNext += nSize;
        m_nLeft -= nSize;
        return p;
    }
    void Free(void* p, size_t nBytes)
    {
        if (p == NULL)
            return;
        if (nBytes > kLargest)
        {
            free(p);
            return;
        }
        size_t nClass = (nBytes + kUnit - 1) / kUnit;
        *(void**)p = m_apFree[nClass];
        m_apFree[nClass] = p;
    }

  private:
    static const size_t kChunk = 64 * 1024;
    static void* Checked(void* p)
    {
        if (p == NULL)
            AfxThrowMemoryException();
        return p;
    }
    void* m_apFree[kLargest / kUnit + 1] = {};
    char* m_pNext = NULL;
    size_t m_nLeft = 0;
};

CFormulaBlocks& FormulaBlocks()
{
    static CFormulaBlocks* s_pBlocks = new CFormulaBlocks;
    return *s_pBlocks;
}
} // namespace

GX_EXPR_NODE* GXAllocNodes(int nNodes)
{
    return (GX_EXPR_NODE*)FormulaBlocks().Alloc(sizeof(GX_EXPR_NODE) * (nNodes > 0 ? nNodes : 1));
}

void GXFreeNodes(GX_EXPR_NODE* pNodes, int nNodes)
{
    FormulaBlocks().Free(pNodes, sizeof(GX_EXPR_NODE) * (nNodes > 0 ? nNodes : 1));
}

GX_FORMULA* GXNewFormula()
{
    GX_FORMULA* p = (GX_FORMULA*)FormulaBlocks().Alloc(sizeof(GX_FORMULA));
    p->nValueRoot = p->nConstraintRoot = p->nTargetRoot = GX_NO_NODE;
    p->nNodes = 0;
    p->pNodes = NULL;
    p->pszComment = NULL;
    return p;
}

namespace
{
char* OwnedCopy(const char* psz)
{
    if (psz == NULL)
        return NULL;
    size_t n = strlen(psz);
    char* p = (char*)malloc(n + 1);
    if (p == NULL)
        AfxThrowMemoryException();
    memcpy(p, psz, n + 1);
    return p;
}
} // namespace

GX_FORMULA* GXCopyFormula(const GX_FORMULA* pSrc)
{
    if (pSrc == NULL)
        return NULL;
    GX_FORMULA* p = GXNewFormula();
    *p = *pSrc;
    p->pNodes = NULL;
    p->pszComment = NULL;
    if (pSrc->nNodes > 0)
    {
        p->pNodes = GXAllocNodes(pSrc->nNodes);
        memcpy(p->pNodes, pSrc->pNodes, sizeof(GX_EXPR_NODE) * pSrc->nNodes);
        for (int i = 0; i < pSrc->nNodes; i++)
            if (p->pNodes[i].nKind == GX_NODE_STRING || p->pNodes[i].nKind == GX_NODE_NAME)
                p->pNodes[i].pszText = OwnedCopy(pSrc->pNodes[i].pszText);
    }
    p->pszComment = OwnedCopy(pSrc->pszComment);
    return p;
}

void GXFreeFormulaParts(GX_FORMULA* pFormula)
{
    for (int i = 0; i < pFormula->nNodes; i++)
        if (pFormula->pNodes[i].nKind == GX_NODE_STRING || pFormula->pNodes[i].nKind == GX_NODE_NAME)
            free(pFormula->pNodes[i].pszText);
    if (pFormula->pNodes != NULL)
        GXFreeNodes(pFormula->pNodes, pFormula->nNodes);
    free(pFormula->pszComment);
    pFormula->pNodes = NULL;
    pFormula->pszComment = NULL;
    pFormula->nNodes = 0;
}

void GXFreeFormula(GX_FORMULA* pFormula)
{
    if (pFormula == NULL)
        return;
    GXFreeFormulaParts(pFormula);
    FormulaBlocks().Free(pFormula, sizeof(GX_FORMULA));
}

int GXExprHasReferences(const GX_EXPR_NODE* pNodes, int n)
{
    for (int i = 0; i < n; i++)
    {
        BYTE k = pNodes[i].nKind;
        if (k == GX_NODE_CELL || k == GX_NODE_RANGE || k == GX_NODE_NAMEDCELL || k == GX_NODE_NAMEDRANGE)
            return 1;
    }
    return 0;
}

int GXExprHasFunctionCall(const GX_EXPR_NODE* pNodes, int n)
{
    for (int i = 0; i < n; i++)
        if (pNodes[i].nKind == GX_NODE_CALL)
            return 1;
    return 0;
}

BOOL GXIsValidRange(const GX_RANGE& r)
{
    if (r.Row1() < 1 || r.Row1() > GX_MAX_ROW || r.Col1() > GX_MAX_COL)
        return FALSE;
    if (!r.IsSingle() && (r.Row2() < 1 || r.Row2() > GX_MAX_ROW || r.Col2() > GX_MAX_COL))
        return FALSE;
    return TRUE;
}

int GXNormalizeRange(GX_RANGE* p)
{
    if (p->IsSingle())
    {
        p->SetRow2(p->Row1());
        p->SetCol2(p->Col1());
        p->SetFlag(GX_RANGE::absRow2, (p->w3 & GX_RANGE::absRow1) != 0);
        p->SetFlag(GX_RANGE::absCol2, (p->w3 & GX_RANGE::absCol1) != 0);
    }
    else
    {
        if (p->Row2() < p->Row1())
        {
            DWORD r1 = p->Row1(), r2 = p->Row2();
            BOOL a1 = (p->w3 & GX_RANGE::absRow1) != 0, a2 = (p->w3 & GX_RANGE::absRow2) != 0;
            p->SetRow1(r2);
            p->SetRow2(r1);
            p->SetFlag(GX_RANGE::absRow1, a2);
            p->SetFlag(GX_RANGE::absRow2, a1);
        }
        if (p->Col2() < p->Col1())
        {
            DWORD c1 = p->Col1(), c2 = p->Col2();
            BOOL a1 = (p->w3 & GX_RANGE::absCol1) != 0, a2 = (p->w3 & GX_RANGE::absCol2) != 0;
            p->SetCol1(c2);
            p->SetCol2(c1);
            p->SetFlag(GX_RANGE::absCol1, a2);
            p->SetFlag(GX_RANGE::absCol2, a1);
        }
    }
    return GXIsValidRange(*p);
}
