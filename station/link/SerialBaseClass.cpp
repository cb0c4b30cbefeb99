#include "station/link/SerialBaseClass.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CSerialBaseClass, CObject)

namespace
{
volatile BOOL g_bTraceBytes = FALSE;

void TraceBytes(char chOpen, char chClose, const BYTE* pBytes, DWORD dwCount)
{
    if (!g_bTraceBytes)
        return;
    char szLine[3 * 256 + 4];
    DWORD dwShown = dwCount < 256 ? dwCount : 256;
    char* p = szLine;
    *p++ = chOpen;
    for (DWORD i = 0; i < dwShown; ++i)
        p += wsprintfA(p, i ? " %02X" : "%02X", pBytes[i]);
    *p++ = chClose;
    *p = 0;
    TRACE("%s\n", szLine);
}

// A port that another program holds or that does not exist is marked, not reported. Wine
// reports a held port as a sharing violation rather than access denied.
BOOL IsUnavailableError(DWORD dwError)
{
    return dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_ACCESS_DENIED ||
           dwError == ERROR_SHARING_VIOLATION;
}
} // namespace

CSerialBaseClass::CSerialBaseClass(DWORD dwPort, DWORD dwBaud, DWORD dwReserved, DWORD dwDataBits,
                                   DWORD dwStopBits, DWORD dwParity, DWORD dwFlow)
    : m_dwBaud(dwBaud), m_dwDataBits(dwDataBits), m_dwParity(dwParity), m_dwFlow(dwFlow),
      m_dwReserved(dwReserved), m_dwStopBits(dwStopBits), m_dwPort(dwPort), m_bPortUnavailable(FALSE),
      m_pPort(new CSerialPort), m_dwTransferError(0), m_bTransferErrorReported(FALSE)
{
    memset(m_byReply, 0, sizeof m_byReply);
    SetTransferTimeouts(20, 10, 100, 10, 100);
}

CSerialBaseClass::~CSerialBaseClass()
{
    ClosePort();
    delete m_pPort;
}

void CSerialBaseClass::SetTraceBytes(BOOL bTrace)
{
    g_bTraceBytes = bTrace;
}

void CSerialBaseClass::SetTransferTimeouts(DWORD readIntervalMs, DWORD readMultiplierMs, DWORD readConstantMs,
                                           DWORD writeMultiplierMs, DWORD writeConstantMs)
{
    m_timeouts.ReadIntervalTimeout = readIntervalMs;
    m_timeouts.ReadTotalTimeoutMultiplier = readMultiplierMs;
    m_timeouts.ReadTotalTimeoutConstant = readConstantMs;
    m_timeouts.WriteTotalTimeoutMultiplier = writeMultiplierMs;
    m_timeouts.WriteTotalTimeoutConstant = writeConstantMs;
}

DWORD CSerialBaseClass::WriteTimeoutMs(DWORD dwLength) const
{
    // Zero multiplier and constant mean no limit, as they do for the port's own writes.
    if (m_timeouts.WriteTotalTimeoutMultiplier == 0 && m_timeouts.WriteTotalTimeoutConstant == 0)
        return INFINITE;
    return m_timeouts.WriteTotalTimeoutMultiplier * dwLength + m_timeouts.WriteTotalTimeoutConstant;
}

void CSerialBaseClass::ClosePort()
{
    m_pPort->Close();
}

float CSerialBaseClass::GetReplyFloat(int nOffset) const
{
    float value;
    memcpy(&value, m_byReply + nOffset, sizeof value);
    return value;
}

void CSerialBaseClass::ClearPortUnavailable()
{
    m_bPortUnavailable = FALSE;
    m_dwTransferError = 0;
    m_bTransferErrorReported = FALSE;
}

DWORD CSerialBaseClass::TakeTransferError()
{
    DWORD dwError = m_dwTransferError;
    m_dwTransferError = 0;
    if (dwError == 0 || m_bTransferErrorReported)
        return 0;
    m_bTransferErrorReported = TRUE;
    return dwError;
}

int CSerialBaseClass::Transfer(const BYTE* pRequest, DWORD dwRequestLength, DWORD dwReplyLength,
                               BOOL bCloseAfter)
{
    return DoTransfer(m_dwBaud, FALSE, pRequest, dwRequestLength, dwReplyLength, bCloseAfter);
}

int CSerialBaseClass::TransferAtBaud(DWORD dwBaud, const BYTE* pRequest, DWORD dwRequestLength,
                                     DWORD dwReplyLength, BOOL bCloseAfter)
{
    return DoTransfer(dwBaud, TRUE, pRequest, dwRequestLength, dwReplyLength, bCloseAfter);
}

int CSerialBaseClass::DoTransfer(DWORD dwBaud, BOOL bAtBaud, const BYTE* pRequest, DWORD dwRequestLength,
                                 DWORD dwReplyLength, BOOL bCloseAfter)
{
    if (pRequest == NULL || dwReplyLength > replyBufferSize)
        return 0;
    DWORD dwRead = 0;
    try
    {
        if (!m_pPort->IsOpen())
        {
            m_pPort->Open((int)m_dwPort, dwBaud, (int)m_dwParity, (BYTE)m_dwDataBits, (int)m_dwStopBits,
                          (int)m_dwFlow, FALSE);
            try
            {
                m_pPort->SetTimeouts(&m_timeouts);
            }
            catch (CSerialException*)
            {
                // Without time-outs a read could block for ever under the write lock.
                m_pPort->Close();
                throw;
            }
        }
        m_pPort->TxClear();
        m_pPort->RxClear();
        TraceBytes('[', ']', pRequest, dwRequestLength);
        // A request the line did not take within the write time-out is a failed transfer, like
        // a silent device: nothing is read.
        if (m_pPort->Write(pRequest, dwRequestLength) < dwRequestLength)
            AfxThrowSerialException(ERROR_TIMEOUT);
        // Wine turns the transmit purge below into a flush of unsent output: let the request
        // leave first, within the write time-out. On Windows this changes nothing the purge
        // relies on.
        m_pPort->Drain(WriteTimeoutMs(dwRequestLength));
        if (!bAtBaud)
        {
            m_pPort->TxAbort();
            dwRead = m_pPort->Read(m_byReply, dwReplyLength);
            m_pPort->RxAbort();
        }
        else
        {
            dwRead = m_pPort->Read(m_byReply, dwReplyLength);
            m_pPort->RxAbort();
            m_pPort->TxAbort();
        }
        TraceBytes('<', '>', m_byReply, dwRead);
        if (bCloseAfter)
            m_pPort->Close();
    }
    catch (CSerialException* e)
    {
        if (IsUnavailableError(e->m_dwError))
            m_bPortUnavailable = TRUE;
        else if (e->m_dwError == ERROR_TIMEOUT)
        {
            // the line is held: a failed transfer, no fault of the port
        }
        else
            m_dwTransferError = e->m_dwError; // reported by the worker to the user interface
        e->Delete();
    }
    return (int)dwRead;
}
