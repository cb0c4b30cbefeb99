// The Pendix device's protocol: one-letter commands with fixed-length replies, the last status
// block and identification, the calibration offsets of the eight channels and the count of
// failed reads that marks the device broken. One per Pendix view; only the Pendix worker thread
// talks to the device through it, under the write lock; the view copies values under the read
// lock.
#pragma once
#include "station/link/SerialBaseClass.h"

// The status block as the device sends it, one field per entry (16-bit values widened).
struct PENDIX_STATUS
{
    DWORD dwSerialNumber;
    DWORD dwSoftwareVersion; // tenths
    DWORD dwDigitalVersion;  // tenths
    DWORD dwAnalogVersion;   // tenths
    DWORD dwSeconds;
    DWORD dwMinutes;
    DWORD dwHours;
    DWORD dwCounter500Hz;
    DWORD dwCounter2Hz;
    DWORD dwChannelRaw[8];
    DWORD dwReserved27;
    DWORD dwInternalTemperatureRaw;
    DWORD dwReserved31;
    DWORD dwBatteryRaw;
    DWORD dwReserved35[2];
    DWORD dwPacketLength;
    DWORD dwContactMemorySize;
    DWORD dwAnalogMemorySize;
    DWORD dwFreeMemory;
    DWORD dwContactValues;
    DWORD dwAnalogValues;
    DWORD dwDataOverflow;
    DWORD dwContactOverflow;
    DWORD dwAnalogOverflow;
    DWORD dwTemperatureWarning;
    DWORD dwMaxInternalTemperatureRaw;
};

class CPendixStdComBase : public CSerialBaseClass
{
    DECLARE_DYNAMIC(CPendixStdComBase)

  public:
    enum
    {
        statusLength = 57,
        identityLength = 43,
        channelCount = 8,
        calibrationRaw = 581, // the reading of a channel at 250 °C
        brokenAfter = 2,      // more consecutive failures than this: broken
    };

    // The displayed status entries, each with its own format.
    enum StatusText
    {
        textSerialNumber,
        textSoftwareVersion,
        textDigitalVersion,
        textAnalogVersion,
        textClock,
        textCounter500Hz,
        textCounter2Hz,
        textInternalTemperature,
        textBatteryVoltage,
        textPacketLength,
        textContactMemorySize,
        textAnalogMemorySize,
        textFreeMemory,
        textContactValues,
        textAnalogValues,
        textMaxInternalTemperature,
        textCount
    };

    // Construction
    CPendixStdComBase(DWORD dwPort, DWORD dwBaud, DWORD dwDataBits, DWORD dwStopBits, DWORD dwParity,
                      DWORD dwFlow, BOOL bUsbLink);

    // Device commands
    BOOL Identify();
    BOOL ReadStatus();
    BOOL SetSerialNumber(float fValue);
    BOOL TriggerReset();
    BOOL SetClock();
    BOOL SetCalibration(BOOL bEnd);
    BOOL SendOffsets();
    BOOL ResetLog();
    BOOL GetLogStart(WORD* pwOut);
    BOOL GetLogEnd(WORD* pwOut);
    BOOL SetLogStart(WORD wStart);
    BOOL ReadLog();

    // Failure count
    void CountResult(BOOL bOk);
    BOOL IsBroken() const
    {
        return m_nFailures > brokenAfter;
    }
    void ClearFailures()
    {
        m_nFailures = 0;
    }
    int GetFailures() const
    {
        return m_nFailures;
    }
    BOOL IsUsbLink() const
    {
        return m_bUsbLink;
    }
    BOOL GetCloseAfterTransfer() const
    {
        return m_bCloseAfterTransfer;
    }
    void SetCloseAfterTransfer(BOOL bClose)
    {
        m_bCloseAfterTransfer = bClose;
    }

    // Values (read under the read lock)
    const CString& GetIdentification() const
    {
        return m_strIdentification;
    }
    const PENDIX_STATUS& GetStatus() const
    {
        return m_status;
    }
    double GetChannelTemperature(int n) const;
    CString FormatChannelTemperature(int n) const;
    // The channel's captured mark; *pnOffset gets the live value raw - 581.
    BOOL GetChannelOffset(int n, int* pnOffset) const;
    void CaptureChannelOffset(int n);
    CString GetStatusText(StatusText which) const;
    double GetBatteryVoltage() const;
    BOOL IsBatteryLow() const;
    double GetInternalTemperature() const;
    double GetMaxInternalTemperature() const;

    // Decoding of a status block (statusLength bytes) into its fields.
    static void ParseStatus(const BYTE* pBlock, PENDIX_STATUS& out);

    // Implementation
  protected:
    // One command: the request, the reply length it waits for; TRUE on a full reply.
    BOOL Command(const BYTE* pRequest, DWORD dwLength, DWORD dwReplyLength);
    BOOL ReadWord(BYTE byCommand, WORD* pwOut);

    CString m_strIdentification;
    PENDIX_STATUS m_status;
    int m_nFailures;
    struct Offset
    {
        int nOffset;
        BOOL bCaptured;
    } m_offsets[channelCount];
    BOOL m_bCloseAfterTransfer;
    BOOL m_bUsbLink;
};
