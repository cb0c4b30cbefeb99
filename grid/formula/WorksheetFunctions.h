// The worksheet function library's frame: the sorted table of function entries, the function
// set interface installed in the engine state, the Excel function-number table, and the
// argument-fetch and string operations that every function uses.
#pragma once
#include "grid/formula/EngineState.h"

#define GX_MAX_ARGUMENTS 100
#define GX_MAX_DESCRIPTORS 9
#define GX_EXCEL_FUNCTIONS 337

typedef GX_VALUE* (*GXFunctionProc)(GX_VALUE* pResult, GX_VALUE* pArgs);

// Argument kinds and flags of a descriptor.
enum
{
    GX_ARG_NUMBER = 1,
    GX_ARG_LISTITEM = 2,
    GX_ARG_TEXTCELL = 3,
    GX_ARG_TEXT = 4,
    GX_ARG_REFERENCE = 7,
    GX_ARG_ARRAY = 8,
    GX_ARG_ANY = 10,

    GX_ARGF_UNEVALUATED = 1,
    GX_ARGF_OPTIONAL = 2,
    GX_ARGF_REPEATING = 4
};

struct GX_FUNCTION_ENTRY
{
    const char* pszName;
    GXFunctionProc pfn;
    DWORD nReserved1; // non-zero: the evaluator makes no call
    DWORD nReserved2;
    WORD nResultKind;
    WORD nArgCount;
    DWORD aArgs[GX_MAX_DESCRIPTORS][2]; // kind, flags
    int nExcelNumber;
};

struct GX_EXCEL_FUNCTION_ENTRY
{
    int nArgCount; // -1 variable
    const char* pszName;
    const GX_FUNCTION_ENTRY* pEntry; // resolved on first use
};

// The interface of a function set.
class CGXWorksheetFunctions : public CObject
{
  public:
    virtual const GX_FUNCTION_ENTRY* LookupFunction(const char* pszName) = 0;
};

// The built-in function set.
class CGXDefaultWorksheetFunctions : public CGXWorksheetFunctions
{
  public:
    const GX_FUNCTION_ENTRY* LookupFunction(const char* pszName) override;
    static const GX_FUNCTION_ENTRY* GetTable(int& nCount);
};

// The entry point of every function until the function bodies are installed.
GX_VALUE* GXFunctionNotInstalled(GX_VALUE* pResult, GX_VALUE* pArgs);

const GX_FUNCTION_ENTRY* GXLookupFunction(const char* pszName);
GX_EXCEL_FUNCTION_ENTRY* GXExcelFunctionEntry(int nNumber);

// Gives each of n written arguments its descriptor index; 0, or the parse error.
int GXAssignArgumentDescriptors(const GX_FUNCTION_ENTRY* pEntry, int n, int* pnDescriptor);

double GXFetchSingleNumber(GX_VALUE* pArgs);
int GXResolveArgument(GX_VALUE* pValue);
long long GXToInteger(double d);
int GXGetCellNumber(DWORD nRow, DWORD nCol, double* pd);
int GXGetCellDisplayNumber(DWORD nRow, DWORD nCol, double* pd);
int GXGetCellString(DWORD nRow, DWORD nCol, char* pszBuffer);
void GXCopyString(char* pszDest, const char* pszSource, int nCapacity);
void GXAppendString(char* pszDest, const char* pszSource, int nCapacity);
[[noreturn]] void GXRaiseFunctionError(int nCode);
[[noreturn]] void GXRaiseValueError(const GX_VALUE& value);
void GXFreeArguments();
