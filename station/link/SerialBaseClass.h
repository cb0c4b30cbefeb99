// Request/reply transfer over one CSerialPort, with the reply buffer that the device protocols
// read. Base of the station and Pendix protocol classes; owns its port. The worker thread uses
// it under the write side of its CSWMRGuard.
#pragma once
#include "afx.h"
#include "station/link/SWMRGuard.h"
#include "station/link/SerialPort.h"

class CSerialBaseClass : public CObject, public CSWMRGuard
{
    DECLARE_DYNAMIC(CSerialBaseClass)

  public:
    enum
    {
        replyBufferSize = 1000
    };

    // Construction
    CSerialBaseClass(DWORD dwPort, DWORD dwBaud, DWORD dwReserved, DWORD dwDataBits, DWORD dwStopBits,
                     DWORD dwParity, DWORD dwFlow);
    ~CSerialBaseClass() override;
    CSerialBaseClass(const CSerialBaseClass&) = delete;
    CSerialBaseClass& operator=(const CSerialBaseClass&) = delete;

    // Operations
    // Time-outs in milliseconds; they take effect at the next open. Zero means what it means to
    // SetCommTimeouts (no interval limit, no total limit).
    void SetTransferTimeouts(DWORD readIntervalMs, DWORD readMultiplierMs, DWORD readConstantMs,
                             DWORD writeMultiplierMs, DWORD writeConstantMs);
    // Opens the port when closed, sends the request and reads replyLength bytes. Returns the
    // count read; a short count is how a silent or absent device shows.
    int Transfer(const BYTE* pRequest, DWORD dwRequestLength, DWORD dwReplyLength, BOOL bCloseAfter);
    // The same; a port that has to be opened is opened at dwBaud (the stored rate stays).
    int TransferAtBaud(DWORD dwBaud, const BYTE* pRequest, DWORD dwRequestLength, DWORD dwReplyLength,
                       BOOL bCloseAfter);
    void ClosePort();
    BOOL IsPortOpen() const
    {
        return m_pPort->IsOpen();
    }

    WORD GetReplyByte(int nOffset) const
    {
        return m_byReply[nOffset];
    }
    WORD GetReplyWord(int nOffset) const
    {
        return (WORD)(m_byReply[nOffset] | m_byReply[nOffset + 1] << 8);
    }
    float GetReplyFloat(int nOffset) const;
    const BYTE* GetReplyBuffer() const
    {
        return m_byReply;
    }

    BOOL IsPortUnavailable() const
    {
        return m_bPortUnavailable;
    }
    // Only the owner of the link clears the mark, when it switches the link on again; that also
    // starts a new connection for the port-error report.
    void ClearPortUnavailable();
    // The Win32 code of a port failure not yet reported on this connection, 0 when there is
    // none; each connection reports its first failure once.
    DWORD TakeTransferError();

    DWORD GetBaud() const
    {
        return m_dwBaud;
    }
    void SetBaud(DWORD dwBaud)
    {
        m_dwBaud = dwBaud;
    }
    DWORD GetPortNumber() const
    {
        return m_dwPort;
    }
    const COMMTIMEOUTS& GetTransferTimeouts() const
    {
        return m_timeouts;
    }

    // Debug switch: sent and received bytes go to the trace as [01 2F ...] and <01 2F ...>.
    static void SetTraceBytes(BOOL bTrace);

    // Implementation
  protected:
    // The write time-out of a request of dwLength bytes; INFINITE when none is set.
    DWORD WriteTimeoutMs(DWORD dwLength) const;
    int DoTransfer(DWORD dwBaud, BOOL bAtBaud, const BYTE* pRequest, DWORD dwRequestLength,
                   DWORD dwReplyLength, BOOL bCloseAfter);

    BYTE m_byReply[replyBufferSize];
    DWORD m_dwBaud;
    DWORD m_dwDataBits;
    DWORD m_dwParity;
    DWORD m_dwFlow;
    DWORD m_dwReserved;
    DWORD m_dwStopBits;
    DWORD m_dwPort;
    COMMTIMEOUTS m_timeouts;
    BOOL m_bPortUnavailable;
    CSerialPort* m_pPort;
    DWORD m_dwTransferError;
    BOOL m_bTransferErrorReported;
};
