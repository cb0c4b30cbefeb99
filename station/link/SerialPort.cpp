#include "station/link/SerialPort.h"
#include <stdio.h>

IMPLEMENT_DYNAMIC(CSerialPort, CObject)

namespace
{
CSerialPort::DCB_OBSERVER g_pfnDcbObserver = NULL;

const BYTE g_parityToDcb[] = {EVENPARITY, MARKPARITY, NOPARITY, ODDPARITY, SPACEPARITY};
const BYTE g_stopBitsToDcb[] = {ONESTOPBIT, ONE5STOPBITS, TWOSTOPBITS};

// One line per flow value: which handshakes are on, and which control line becomes a handshake.
struct FlowSetting
{
    BOOL bOutxCts;
    BOOL bOutxDsr;
    BOOL bXonXoff;
    BOOL bRtsHandshake;
    BOOL bDtrHandshake;
};
const FlowSetting g_flowSettings[] = {
    {FALSE, FALSE, FALSE, FALSE, FALSE}, // None: DTR and RTS control stay as read
    {TRUE, FALSE, FALSE, TRUE, FALSE},   // CtsRts
    {TRUE, FALSE, FALSE, FALSE, TRUE},   // CtsDtr
    {FALSE, TRUE, FALSE, TRUE, FALSE},   // DsrRts
    {FALSE, TRUE, FALSE, FALSE, TRUE},   // DsrDtr
    {FALSE, FALSE, TRUE, FALSE, FALSE},  // XonXoff
};
} // namespace

CSerialPort::CSerialPort() : m_hComm(INVALID_HANDLE_VALUE), m_bOverlapped(FALSE)
{
}

CSerialPort::~CSerialPort()
{
    Close();
}

CSerialPort::DCB_OBSERVER CSerialPort::SetDcbObserver(DCB_OBSERVER pfnObserver)
{
    DCB_OBSERVER pfnPrevious = g_pfnDcbObserver;
    g_pfnDcbObserver = pfnObserver;
    return pfnPrevious;
}

void CSerialPort::ApplyLineSettings(DCB& dcb, DWORD dwBaud, int nParity, BYTE byDataBits, int nStopBits,
                                    int nFlow)
{
    dcb.BaudRate = dwBaud;
    if (nParity >= 0 && nParity < (int)_countof(g_parityToDcb))
        dcb.Parity = g_parityToDcb[nParity];
    dcb.ByteSize = byDataBits;
    if (nStopBits >= 0 && nStopBits < (int)_countof(g_stopBitsToDcb))
        dcb.StopBits = g_stopBitsToDcb[nStopBits];
    dcb.fDsrSensitivity = FALSE;
    if (nFlow >= 0 && nFlow < (int)_countof(g_flowSettings))
    {
        const FlowSetting& flow = g_flowSettings[nFlow];
        dcb.fOutxCtsFlow = flow.bOutxCts;
        dcb.fOutxDsrFlow = flow.bOutxDsr;
        dcb.fOutX = flow.bXonXoff;
        dcb.fInX = flow.bXonXoff;
        if (flow.bRtsHandshake)
            dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
        if (flow.bDtrHandshake)
            dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
        if (flow.bXonXoff)
        {
            dcb.XonChar = 0x11;
            dcb.XoffChar = 0x13;
            dcb.XonLim = 100;
            dcb.XoffLim = 100;
        }
    }
}

void CSerialPort::Open(int nPort, DWORD dwBaud, int nParity, BYTE byDataBits, int nStopBits, int nFlow,
                       BOOL bOverlapped)
{
    ASSERT(!IsOpen());
    char szPath[32];
    sprintf(szPath, "\\\\.\\COM%d", nPort);
    HANDLE hComm = ::CreateFileA(szPath, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING,
                                 bOverlapped ? FILE_FLAG_OVERLAPPED : 0, NULL);
    if (hComm == INVALID_HANDLE_VALUE)
        AfxThrowSerialException();
    m_hComm = hComm;
    m_bOverlapped = bOverlapped;
    try
    {
        DCB dcb;
        GetState(&dcb);
        ApplyLineSettings(dcb, dwBaud, nParity, byDataBits, nStopBits, nFlow);
        if (g_pfnDcbObserver)
            g_pfnDcbObserver(dcb);
        SetState(&dcb);
    }
    catch (CSerialException*)
    {
        // A port left open without its settings would skip configuring at the next transfer.
        Close();
        throw;
    }
}

void CSerialPort::Close()
{
    if (m_hComm != INVALID_HANDLE_VALUE)
    {
        ::CloseHandle(m_hComm);
        m_hComm = INVALID_HANDLE_VALUE;
    }
    m_bOverlapped = FALSE;
}

DWORD CSerialPort::Read(void* pBuffer, DWORD dwCount)
{
    DWORD dwRead = 0;
    if (!::ReadFile(m_hComm, pBuffer, dwCount, &dwRead, NULL))
        AfxThrowSerialException();
    return dwRead;
}

DWORD CSerialPort::Write(const void* pBuffer, DWORD dwCount)
{
    DWORD dwWritten = 0;
    if (!::WriteFile(m_hComm, pBuffer, dwCount, &dwWritten, NULL))
        AfxThrowSerialException();
    return dwWritten;
}

void CSerialPort::Drain(DWORD dwTimeoutMs)
{
    DWORD start = ::GetTickCount();
    for (;;)
    {
        DWORD dwErrors = 0;
        COMSTAT status = {};
        if (!::ClearCommError(m_hComm, &dwErrors, &status))
            AfxThrowSerialException();
        if (status.cbOutQue == 0)
            break;
        if (dwTimeoutMs != INFINITE && ::GetTickCount() - start >= dwTimeoutMs)
            AfxThrowSerialException(ERROR_TIMEOUT);
        ::Sleep(1);
    }
    if (!::FlushFileBuffers(m_hComm))
        AfxThrowSerialException();
}

void CSerialPort::GetState(DCB* pDcb)
{
    pDcb->DCBlength = sizeof(DCB);
    if (!::GetCommState(m_hComm, pDcb))
        AfxThrowSerialException();
}

void CSerialPort::SetState(DCB* pDcb)
{
    if (!::SetCommState(m_hComm, pDcb))
        AfxThrowSerialException();
}

void CSerialPort::Purge(DWORD dwFlags)
{
    if (!::PurgeComm(m_hComm, dwFlags))
        AfxThrowSerialException();
}

void CSerialPort::SetTimeouts(COMMTIMEOUTS* pTimeouts)
{
    if (!::SetCommTimeouts(m_hComm, pTimeouts))
        AfxThrowSerialException();
}
