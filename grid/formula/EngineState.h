// The formula engine's process-wide state: options and last error (GX_ENGINE_STATE), the state
// of the running evaluation (GX_EVAL_STATE, saved and restored around nested evaluations) and
// the map of heap blocks handed out for strings and arrays (GX_ENGINE_MEMOBJ_STATE). Each is
// created on first use and lives until the process ends.
#pragma once
#include "grid/formula/FormulaTypes.h"

class CGXWorksheetFunctions;

// A matrix of doubles made during one evaluation.
struct GX_MATRIX
{
    int nRows;
    int nCols;
    double* pData;
};

#define GX_TEMP_ARRAYS 8

struct GX_ENGINE_STATE : public CObject
{
    GX_ENGINE_STATE();
    ~GX_ENGINE_STATE() override;
    void SetWorksheetFunctions(CGXWorksheetFunctions* pFunctions);

    DWORD m_nTextOptions[3] = {}; // read by the text output, always zero here
    int m_bLastFailed = 0;
    int m_nLastError = 0;
    int m_nErrorPos = 0;
    int m_bAdjusting = 0; // rows or columns being inserted, removed or moved
    char m_szColumnLetters[4] = {};
    char m_szCellReference[32] = {};
    DWORD m_nEscapeOptions = 0;
    CString m_strDisplayText;
    CPtrArray m_aSheets; // sheet id n is entry n - 1
    CGXWorksheetFunctions* m_pFunctions = NULL;

  private:
    GX_ENGINE_STATE(const GX_ENGINE_STATE&) = delete;
    GX_ENGINE_STATE& operator=(const GX_ENGINE_STATE&) = delete;
};

struct GX_EVAL_STATE
{
    int nSheet;
    const char* pszFunction;
    char* pszScratch;
    DWORD nRow;
    DWORD nCol;
    int nErrorCode;
    const char* pszErrorDetail;
    GX_VALUE* pArguments;
    double* apTemp[GX_TEMP_ARRAYS]; // data of the temporary arrays
    int nMarker;                    // 255 while an evaluation runs
    DWORD dwReserved[15];
};

struct GX_ENGINE_MEMOBJ_STATE : public CNoTrackObject
{
    GX_ENGINE_MEMOBJ_STATE();
    ~GX_ENGINE_MEMOBJ_STATE() override;
    CMapPtrToPtr m_map;
};

// What a raised error throws; the evaluation entry catches it. Code and detail are in the
// evaluation state.
struct GXEvalException
{
};

GX_ENGINE_STATE* GXGetEngineState();
GX_EVAL_STATE* GXGetEvalState();
GX_ENGINE_MEMOBJ_STATE* GXGetEngineMemObjState();

// Tracked heap blocks.
void* GXTrackMemory(void* p);
void GXFreeMemory(void* p);
BOOL GXIsTracked(const void* p);
char* GXStrDup(const char* psz);
char* GXShortStrDup(const char* psz);
char* GXStrDupLen(const char* psz, size_t n);

// Records the error; inside an evaluation it also unwinds to the evaluation entry.
void GXRaiseError(int nCode, const char* pszDetail);

// Evaluation state.
int GXGetCurrentSheet();
const char* GXGetCurrentFunction();
char* GXGetScratchBuffer();
void GXGetCurrentCell(DWORD& nRow, DWORD& nCol);
void GXSetArguments(GX_VALUE* pArgs);
GX_VALUE* GXGetArguments();

// Engine state.
int GXGetLastFailed();
void GXSetLastFailed(int b);
int GXGetLastError();
void GXSetLastError(int nCode);
int GXGetLastErrorPos();
void GXSetLastErrorPos(int nPos);

// Temporary arrays of one evaluation (at most eight; a ninth raises "out of memory").
void GXAllocTempArray(GX_MATRIX* pMatrix);
double* GXAllocTempNumbers(int n);
int GXFreeTempArray(GX_MATRIX* pMatrix);
void GXFreeTempArrays();
