#include "station/link/MotBusProtocoll.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CMotBusProtocoll, CSerialBaseClass)

CMotBusProtocoll::CMotBusProtocoll(DWORD dwPort, DWORD dwBaud, DWORD dwReserved, DWORD dwDataBits,
                                   DWORD dwStopBits, DWORD dwParity, DWORD dwFlow)
    : CSerialBaseClass(dwPort, dwBaud, dwReserved, dwDataBits, dwStopBits, dwParity, dwFlow),
      m_bCloseAfterTransfer(TRUE), m_lastReplyCheck(replyOk)
{
}

// CRC-16 with polynomial 0x1021, initial value 0, nothing reflected, no final XOR.
WORD CMotBusProtocoll::CalcCrc16(const BYTE* pData, DWORD dwLength)
{
    WORD crc = 0;
    for (DWORD i = 0; i < dwLength; ++i)
    {
        crc ^= (WORD)(pData[i] << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? (WORD)((crc << 1) ^ 0x1021) : (WORD)(crc << 1);
    }
    return crc;
}

DWORD CMotBusProtocoll::BuildRequest(BYTE* pFrame, BYTE byAddress, BYTE byFunction, WORD wRegister,
                                     BYTE byCount, const DWORD* pValues, DWORD dwValues)
{
    DWORD dwLength = 8 + 4 * dwValues;
    pFrame[0] = byAddress;
    pFrame[1] = byFunction;
    pFrame[2] = (BYTE)dwLength;
    pFrame[3] = LOBYTE(wRegister);
    pFrame[4] = HIBYTE(wRegister);
    pFrame[5] = byCount;
    for (DWORD i = 0; i < dwValues; ++i)
    {
        DWORD v = pValues[i];
        pFrame[6 + 4 * i] = (BYTE)v;
        pFrame[7 + 4 * i] = (BYTE)(v >> 8);
        pFrame[8 + 4 * i] = (BYTE)(v >> 16);
        pFrame[9 + 4 * i] = (BYTE)(v >> 24);
    }
    WORD crc = CalcCrc16(pFrame, dwLength - 2);
    pFrame[dwLength - 2] = LOBYTE(crc);
    pFrame[dwLength - 1] = HIBYTE(crc);
    return dwLength;
}

CMotBusProtocoll::ReplyCheck CMotBusProtocoll::CheckReply(const BYTE* pReply, DWORD dwRead, DWORD dwExpected,
                                                          BYTE byAddress, BYTE byFunction,
                                                          const WORD* pRegister)
{
    if (dwRead != dwExpected || dwExpected < 7)
        return replyWrongLength;
    if (pReply[1] & errorBit)
        return replyErrorBit;
    WORD crc = CalcCrc16(pReply, dwExpected - 2);
    if (pReply[dwExpected - 2] != LOBYTE(crc) || pReply[dwExpected - 1] != HIBYTE(crc))
        return replyBadCrc;
    if (pReply[0] != byAddress)
        return replyWrongAddress;
    if (pReply[1] != byFunction)
        return replyWrongFunction;
    if (pRegister && (WORD)(pReply[3] | pReply[4] << 8) != *pRegister)
        return replyWrongRegister;
    return replyOk;
}

BOOL CMotBusProtocoll::Exchange(DWORD dwBaud, const BYTE* pRequest, DWORD dwRequestLength,
                                DWORD dwReplyLength, BYTE byAddress, BYTE byFunction, const WORD* pRegister)
{
    int nRead = dwBaud
                    ? TransferAtBaud(dwBaud, pRequest, dwRequestLength, dwReplyLength, m_bCloseAfterTransfer)
                    : Transfer(pRequest, dwRequestLength, dwReplyLength, m_bCloseAfterTransfer);
    m_lastReplyCheck = CheckReply(m_byReply, (DWORD)nRead, dwReplyLength, byAddress, byFunction, pRegister);
    return m_lastReplyCheck == replyOk;
}

BOOL CMotBusProtocoll::WriteValue(DWORD dwValue, BYTE byAddress, BYTE byFunction, DWORD dwBaud)
{
    BYTE request[12];
    DWORD dwLength = BuildRequest(request, byAddress, byFunction, 0, 1, &dwValue, 1);
    return Exchange(dwBaud, request, dwLength, 7, byAddress, byFunction, NULL);
}

BOOL CMotBusProtocoll::ReadFloat(float* pOut, BYTE byAddress, BYTE byFunction, DWORD dwBaud)
{
    if (pOut == NULL)
        return FALSE;
    BYTE request[8];
    DWORD dwLength = BuildRequest(request, byAddress, byFunction, 0, 1, NULL, 0);
    if (!Exchange(dwBaud, request, dwLength, 12, byAddress, byFunction, NULL))
        return FALSE;
    *pOut = GetReplyFloat(6);
    return TRUE;
}

BOOL CMotBusProtocoll::WriteValueBlock(const DWORD* pValues, BYTE byAddress, WORD wRegister, BYTE byCount)
{
    if (pValues == NULL || byCount < 1 || byCount > maxWriteCount)
    {
        m_lastReplyCheck = replyNotSent;
        return FALSE;
    }
    BYTE request[maxFrameLength];
    DWORD dwLength =
        BuildRequest(request, byAddress, functionWriteBlock, wRegister, byCount, pValues, byCount);
    return Exchange(0, request, dwLength, 7, byAddress, functionWriteBlock, &wRegister);
}

BOOL CMotBusProtocoll::ReadFloatBlock(float* pOut, BYTE byAddress, WORD wRegister, BYTE byCount)
{
    if ((pOut == NULL && byCount > 0) || byCount > maxReadCount)
    {
        m_lastReplyCheck = replyNotSent;
        return FALSE;
    }
    BYTE request[8];
    DWORD dwLength = BuildRequest(request, byAddress, functionReadBlock, wRegister, byCount, NULL, 0);
    DWORD dwReplyLength = 4 * (DWORD)byCount + 8;
    if (!Exchange(0, request, dwLength, dwReplyLength, byAddress, functionReadBlock, &wRegister))
        return FALSE;
    if (byCount > 0)
        memcpy(pOut, m_byReply + 6, 4 * (size_t)byCount);
    return TRUE;
}
