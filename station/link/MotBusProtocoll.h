// The station's bus frames: address, function, length, register, count, data and a CRC-16 sent
// low byte first. Building a request and checking a reply are pure functions of bytes; the
// four request kinds run them around one transfer of CSerialBaseClass.
#pragma once
#include "station/link/SerialBaseClass.h"

class CMotBusProtocoll : public CSerialBaseClass
{
    DECLARE_DYNAMIC(CMotBusProtocoll)

  public:
    enum
    {
        functionReadBlock = 0x2F,  // '/'
        functionWriteBlock = 0x4F, // 'O'
        errorBit = 0x80,
        maxFrameLength = 127,
        maxWriteCount = 29,
        maxReadCount = 127,
    };
    // Result of the reply check, in the order the stages run.
    enum ReplyCheck
    {
        replyOk,
        replyWrongLength,
        replyErrorBit,
        replyBadCrc,
        replyWrongAddress,
        replyWrongFunction,
        replyWrongRegister,
        replyNotSent, // the request was refused before anything was sent
    };

    // Construction
    CMotBusProtocoll(DWORD dwPort, DWORD dwBaud, DWORD dwReserved, DWORD dwDataBits, DWORD dwStopBits,
                     DWORD dwParity, DWORD dwFlow);

    // Operations
    // A non-zero dwBaud opens a closed port at that rate; 0 uses the stored rate.
    BOOL WriteValue(DWORD dwValue, BYTE byAddress, BYTE byFunction, DWORD dwBaud);
    BOOL ReadFloat(float* pOut, BYTE byAddress, BYTE byFunction, DWORD dwBaud);
    BOOL WriteValueBlock(const DWORD* pValues, BYTE byAddress, WORD wRegister, BYTE byCount);
    BOOL ReadFloatBlock(float* pOut, BYTE byAddress, WORD wRegister, BYTE byCount);

    BOOL GetCloseAfterTransfer() const
    {
        return m_bCloseAfterTransfer;
    }
    void SetCloseAfterTransfer(BOOL bClose)
    {
        m_bCloseAfterTransfer = bClose;
    }
    // Why the last request failed (replyOk after a success).
    ReplyCheck GetLastReplyCheck() const
    {
        return m_lastReplyCheck;
    }

    // Framing
    static WORD CalcCrc16(const BYTE* pData, DWORD dwLength);
    // Writes a request of 8 + 4 x dwValues bytes into pFrame and returns its length.
    static DWORD BuildRequest(BYTE* pFrame, BYTE byAddress, BYTE byFunction, WORD wRegister, BYTE byCount,
                              const DWORD* pValues, DWORD dwValues);
    // Checks a reply of dwRead bytes that should have been dwExpected long; pRegister NULL
    // skips the register echo (single-value replies).
    static ReplyCheck CheckReply(const BYTE* pReply, DWORD dwRead, DWORD dwExpected, BYTE byAddress,
                                 BYTE byFunction, const WORD* pRegister);

    // Implementation
  protected:
    BOOL Exchange(DWORD dwBaud, const BYTE* pRequest, DWORD dwRequestLength, DWORD dwReplyLength,
                  BYTE byAddress, BYTE byFunction, const WORD* pRegister);

    BOOL m_bCloseAfterTransfer;
    ReplyCheck m_lastReplyCheck;
};
