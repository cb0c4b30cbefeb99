// One serial interface known to the application, copied by value: the line settings and
// time-outs of a port from the per-user configuration, its names, and who holds it. The
// application keeps a table of them and hands them to the views that talk to devices.
#pragma once
#include "afx.h"

class CWnd;

struct STRUCT_SERIAL_INTERFACE
{
    DWORD dwBaudRate;
    int nDataBits;
    int nParity;   // SerialParity
    int nProtocol; // SerialFlow
    int nStartBits;
    int nStopBits; // SerialStopBits
    int nPortNumber;
    int nQueueIndex;        // order in which ports are handed out; 999: not placed
    CString strDevice;      // the assignment text: the device used on the port
    CString strPortName;    // "COM5"
    CString strDescription; // the port's friendly name
    DWORD dwReadTimeout;
    DWORD dwReadTimeoutMul;
    DWORD dwReadTimeoutConstant;
    DWORD dwWriteTimeoutMul;
    DWORD dwWriteTimeoutConstant;
    CWnd* pOwner; // the window that has taken the port; NULL when free
    BYTE bySpare;
    BOOL bUseInterface;
    BOOL bUsbDevice; // the description names a known device or a USB serial adapter
};
