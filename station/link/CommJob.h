// The job record that a window hands to a device worker through a CMutexQueue: sixteen words,
// copied by value. The protocol object, window and event are pointer-sized on x86-64; on the
// 32-bit build the record keeps its 64 bytes.
#pragma once
#include "AfxCore.h"
#include <string.h>

class CSerialBaseClass;

struct STRUCT_COMM_JOB
{
    CSerialBaseClass* pProtocol; // word 0: the object that executes the job
    DWORD dwCode;                // word 1: job code
    DWORD dwArgument;            // word 2: for station write jobs the store flag
    DWORD dwParams[10];          // words 3-12: float bits or raw words, as the job code defines
    HWND hWnd;                   // word 13: receives the result message
    HANDLE hEvent;               // word 14: signalled by a stop job
    DWORD dwTries;               // word 15: 0 when queued; the worker counts each requeue
};

// Float bits of a parameter word and back.
inline DWORD CommJobWord(float value)
{
    DWORD dw;
    memcpy(&dw, &value, sizeof dw);
    return dw;
}
inline float CommJobFloat(DWORD dw)
{
    float value;
    memcpy(&value, &dw, sizeof value);
    return value;
}
