// One Windows COM port, opened by number, with the line settings taken from small enumerations.
// Every failure of the system is thrown as a CSerialException. Owned by CSerialBaseClass, which
// uses it only under its write lock.
#pragma once
#include "afx.h"
#include "station/link/SerialException.h"

// Parity values as callers and the configuration store them (alphabetical, not DCB order).
enum SerialParity
{
    parityEven = 0,
    parityMark = 1,
    parityNone = 2,
    parityOdd = 3,
    paritySpace = 4
};
enum SerialStopBits
{
    stopBitsOne = 0,
    stopBitsOneHalf = 1,
    stopBitsTwo = 2
};
enum SerialFlow
{
    flowNone = 0,
    flowCtsRts = 1,
    flowCtsDtr = 2,
    flowDsrRts = 3,
    flowDsrDtr = 4,
    flowXonXoff = 5
};

class CSerialPort : public CObject
{
    DECLARE_DYNAMIC(CSerialPort)

  public:
    // Construction
    CSerialPort();
    ~CSerialPort() override;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Operations
    // Opens "\\.\COMn" and sets the line. When the line cannot be configured the handle is
    // closed again before the exception leaves, so no port stays open without its settings.
    void Open(int nPort, DWORD dwBaud, int nParity, BYTE byDataBits, int nStopBits, int nFlow,
              BOOL bOverlapped);
    void Close();
    BOOL IsOpen() const
    {
        return m_hComm != INVALID_HANDLE_VALUE;
    }
    BOOL IsOverlapped() const
    {
        return m_bOverlapped;
    }

    // Returns the count read; fewer than asked for when the time-outs ran out.
    DWORD Read(void* pBuffer, DWORD dwCount);
    DWORD Write(const void* pBuffer, DWORD dwCount);
    // Waits until what was written has left the driver's queue, at most dwTimeoutMs (INFINITE:
    // no limit), then for the line (FlushFileBuffers). A line held by flow control or a peer that
    // stops reading throws ERROR_TIMEOUT instead of holding the caller for ever.
    void Drain(DWORD dwTimeoutMs = INFINITE);
    void GetState(DCB* pDcb);
    void SetState(DCB* pDcb);
    void Purge(DWORD dwFlags);
    void TxAbort()
    {
        Purge(PURGE_TXABORT);
    }
    void RxAbort()
    {
        Purge(PURGE_RXABORT);
    }
    void TxClear()
    {
        Purge(PURGE_TXCLEAR);
    }
    void RxClear()
    {
        Purge(PURGE_RXCLEAR);
    }
    void SetTimeouts(COMMTIMEOUTS* pTimeouts);

    // Puts the rate, parity, data bits, stop bits and flow of the enumerations into a DCB read
    // from the driver; values outside an enumeration leave that part as read.
    static void ApplyLineSettings(DCB& dcb, DWORD dwBaud, int nParity, BYTE byDataBits, int nStopBits,
                                  int nFlow);

    // Test seam: called with the DCB that Open is about to hand to SetCommState.
    typedef void (*DCB_OBSERVER)(const DCB& dcb);
    static DCB_OBSERVER SetDcbObserver(DCB_OBSERVER pfnObserver);

    // Implementation
  protected:
    HANDLE m_hComm;
    BOOL m_bOverlapped;
};
