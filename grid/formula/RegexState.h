// The REGEX worksheet function: a small compiler of basic regular expressions into byte codes
// and a backtracking matcher, sharing one process-wide state so that an empty pattern can reuse
// the last compiled one.
#pragma once
#include "grid/formula/FormulaTypes.h"
#include "mfc/NoTrackObject.h"

enum
{
    RX_END = 0,
    RX_CHAR = 1,
    RX_ANY = 2,
    RX_CLASS = 3,
    RX_NOT_CLASS = 4,
    RX_TEXT_START = 5,
    RX_TEXT_END = 6,
    RX_GROUP_OPEN = 7,
    RX_GROUP_CLOSE = 8,
    RX_WORD_START = 9,
    RX_WORD_END = 10,
    RX_BACKREF = 11,
    RX_CLOSURE = 12
};

const int GX_REGEX_CODE_SIZE = 1024;
// Matcher steps one GXRegexExec may take; patterns like 'a*a*a*a*b' backtrack exponentially.
const long GX_REGEX_STEP_BUDGET = 10000000;

struct GX_REGEX_STATE : public CNoTrackObject
{
    int anGroupStack[10]; // open group numbers while compiling
    BYTE abCode[GX_REGEX_CODE_SIZE];
    int bValid;
    BYTE abSet[16];
    const char* pszText;
    const char* apGroupStart[10];
    const char* apGroupEnd[10];
    long nStepsLeft;
};

GX_REGEX_STATE* GXGetRegexState();
// NULL on success, else why the pattern was refused.
const char* GXRegexCompile(const char* pszPattern);
// 1 when the compiled pattern matches somewhere in the text, 0 when not, -1 when the matcher
// ran out of its step budget.
int GXRegexExec(const char* pszText);

GX_VALUE* GXRegex(GX_VALUE* pResult, GX_VALUE* pArgs);
