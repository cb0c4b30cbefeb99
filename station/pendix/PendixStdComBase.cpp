#include "station/pendix/PendixStdComBase.h"
#include "StationIds.h"
#include "station/pendix/VantuTool.h"
#include <stddef.h>
#include "ResourceText.h"

IMPLEMENT_DYNAMIC(CPendixStdComBase, CSerialBaseClass)

namespace
{
const double kVoltsPerStep = 3.3 / 1024; // 0.00322265625
const double kChannelGain = 184.3;
const double kBatteryLow = 3.56;

// The status block: where each field of PENDIX_STATUS lies, in the struct's order.
struct BlockField
{
    int nOffset;
    int nSize;  // 1 or 2 bytes, 16-bit values little-endian
    int nCount; // consecutive fields of this size
};
const BlockField g_blockLayout[] = {
    {0, 2, 1},                                      // serial number
    {2, 1, 7},                                      // three versions, seconds, minutes, hours, 500 Hz counter
    {9, 2, 1},                                      // 2 Hz counter
    {11, 2, 8},                                     // raw channels 0-7
    {27, 2, 1}, {29, 2, 1}, {31, 2, 1}, {33, 2, 1}, // -, internal temperature, -, battery
    {35, 2, 2},                                     // two values not shown
    {39, 2, 6}, // packet length, contact, analog memory size, free memory, contact and analog values
    {51, 1, 4}, // data, contact, analog overflow, temperature warning
    {55, 2, 1}, // maximum internal temperature
};
static_assert(sizeof(PENDIX_STATUS) == 34 * sizeof(DWORD), "the block layout fills every field");

// How a displayed entry is formatted, and from which field.
enum TextKind
{
    kindCount,
    kindMemory,
    kindTenth,
    kindTemperature,
    kindVoltage,
    kindClock
};
struct TextEntry
{
    CPendixStdComBase::StatusText text;
    TextKind kind;
    size_t nField; // offsetof in PENDIX_STATUS
};
const TextEntry g_texts[] = {
    {CPendixStdComBase::textSerialNumber, kindCount, offsetof(PENDIX_STATUS, dwSerialNumber)},
    {CPendixStdComBase::textSoftwareVersion, kindTenth, offsetof(PENDIX_STATUS, dwSoftwareVersion)},
    {CPendixStdComBase::textDigitalVersion, kindTenth, offsetof(PENDIX_STATUS, dwDigitalVersion)},
    {CPendixStdComBase::textAnalogVersion, kindTenth, offsetof(PENDIX_STATUS, dwAnalogVersion)},
    {CPendixStdComBase::textClock, kindClock, offsetof(PENDIX_STATUS, dwSeconds)},
    {CPendixStdComBase::textCounter500Hz, kindCount, offsetof(PENDIX_STATUS, dwCounter500Hz)},
    {CPendixStdComBase::textCounter2Hz, kindCount, offsetof(PENDIX_STATUS, dwCounter2Hz)},
    {CPendixStdComBase::textInternalTemperature, kindTemperature,
     offsetof(PENDIX_STATUS, dwInternalTemperatureRaw)},
    {CPendixStdComBase::textBatteryVoltage, kindVoltage, offsetof(PENDIX_STATUS, dwBatteryRaw)},
    {CPendixStdComBase::textPacketLength, kindCount, offsetof(PENDIX_STATUS, dwPacketLength)},
    {CPendixStdComBase::textContactMemorySize, kindMemory, offsetof(PENDIX_STATUS, dwContactMemorySize)},
    {CPendixStdComBase::textAnalogMemorySize, kindMemory, offsetof(PENDIX_STATUS, dwAnalogMemorySize)},
    {CPendixStdComBase::textFreeMemory, kindMemory, offsetof(PENDIX_STATUS, dwFreeMemory)},
    {CPendixStdComBase::textContactValues, kindCount, offsetof(PENDIX_STATUS, dwContactValues)},
    {CPendixStdComBase::textAnalogValues, kindCount, offsetof(PENDIX_STATUS, dwAnalogValues)},
    {CPendixStdComBase::textMaxInternalTemperature, kindTemperature,
     offsetof(PENDIX_STATUS, dwMaxInternalTemperatureRaw)},
};

double TemperatureOf(DWORD dwRaw)
{
    return dwRaw * kVoltsPerStep * 40;
}

} // namespace

CPendixStdComBase::CPendixStdComBase(DWORD dwPort, DWORD dwBaud, DWORD dwDataBits, DWORD dwStopBits,
                                     DWORD dwParity, DWORD dwFlow, BOOL bUsbLink)
    : CSerialBaseClass(dwPort, dwBaud, 0, dwDataBits, dwStopBits, dwParity, dwFlow), m_nFailures(0),
      m_bCloseAfterTransfer(FALSE), m_bUsbLink(bUsbLink)
{
    memset(&m_status, 0, sizeof m_status);
    memset(m_offsets, 0, sizeof m_offsets);
}

void CPendixStdComBase::ParseStatus(const BYTE* pBlock, PENDIX_STATUS& out)
{
    DWORD* pField = (DWORD*)&out;
    for (const BlockField& field : g_blockLayout)
        for (int i = 0; i < field.nCount; ++i)
        {
            const BYTE* p = pBlock + field.nOffset + i * field.nSize;
            *pField++ = field.nSize == 2 ? (DWORD)(p[0] | p[1] << 8) : p[0];
        }
}

BOOL CPendixStdComBase::Command(const BYTE* pRequest, DWORD dwLength, DWORD dwReplyLength)
{
    return Transfer(pRequest, dwLength, dwReplyLength, m_bCloseAfterTransfer) == (int)dwReplyLength;
}

void CPendixStdComBase::CountResult(BOOL bOk)
{
    if (bOk)
        m_nFailures = 0;
    else
        ++m_nFailures;
}

BOOL CPendixStdComBase::Identify()
{
    static const BYTE request[] = {0x0D};
    BOOL bOk = Command(request, sizeof request, identityLength);
    if (bOk)
    {
        m_byReply[0] = m_byReply[1] = ' ';
        m_strIdentification.Format("%.40s", (const char*)m_byReply);
    }
    CountResult(bOk);
    return bOk;
}

BOOL CPendixStdComBase::ReadStatus()
{
    static const BYTE request[] = {'I'};
    BOOL bOk = Command(request, sizeof request, statusLength);
    if (bOk)
        ParseStatus(m_byReply, m_status);
    CountResult(bOk);
    return bOk;
}

BOOL CPendixStdComBase::SetSerialNumber(float fValue)
{
    int nValue = (int)fValue;
    const BYTE request[] = {'N', (BYTE)(nValue & 0xFF), (BYTE)((nValue >> 8) & 0xFF)};
    // The echo is 16 bits wide, so a number above 65535 is never confirmed.
    return Command(request, sizeof request, 2) && (int)GetReplyWord(0) == nValue;
}

BOOL CPendixStdComBase::TriggerReset()
{
    static const BYTE request[] = {' '};
    Command(request, sizeof request, 0);
    return TRUE;
}

BOOL CPendixStdComBase::SetClock()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const BYTE request[] = {'U', (BYTE)now.wSecond, (BYTE)now.wMinute, (BYTE)now.wHour};
    Command(request, sizeof request, 0);
    return TRUE;
}

BOOL CPendixStdComBase::SetCalibration(BOOL bEnd)
{
    const BYTE request[] = {(BYTE)(bEnd ? 'K' : 'k')};
    if (!bEnd)
        for (Offset& offset : m_offsets)
            offset.bCaptured = FALSE;
    return Command(request, sizeof request, 1);
}

BOOL CPendixStdComBase::SendOffsets()
{
    BYTE request[1 + 2 * channelCount];
    request[0] = 'O';
    for (int n = 0; n < channelCount; ++n)
    {
        int nOffset = m_offsets[n].bCaptured ? m_offsets[n].nOffset : 0;
        request[1 + 2 * n] = (BYTE)(nOffset & 0xFF);
        request[2 + 2 * n] = (BYTE)((nOffset >> 8) & 0xFF);
    }
    Command(request, sizeof request, 0);
    return TRUE;
}

BOOL CPendixStdComBase::ResetLog()
{
    static const BYTE request[] = {'R'};
    Command(request, sizeof request, 0);
    return TRUE;
}

BOOL CPendixStdComBase::ReadWord(BYTE byCommand, WORD* pwOut)
{
    const BYTE request[] = {byCommand};
    if (!Command(request, sizeof request, 2))
        return FALSE;
    if (pwOut)
        *pwOut = GetReplyWord(0);
    return TRUE;
}

BOOL CPendixStdComBase::GetLogStart(WORD* pwOut)
{
    return ReadWord('g', pwOut);
}

BOOL CPendixStdComBase::GetLogEnd(WORD* pwOut)
{
    return ReadWord('P', pwOut);
}

BOOL CPendixStdComBase::SetLogStart(WORD wStart)
{
    const BYTE request[] = {'S', (BYTE)(wStart & 0xFF), (BYTE)(wStart >> 8)};
    Command(request, sizeof request, 0);
    return TRUE;
}

BOOL CPendixStdComBase::ReadLog()
{
    ResetLog();
    WORD wStart = 0;
    WORD wEnd = 0;
    // Without both figures the length is unknown: nothing more is asked of the device.
    if (!GetLogStart(&wStart) || !GetLogEnd(&wEnd))
        return FALSE;
    DWORD dwLength = wEnd;
    if (wStart < wEnd)
    {
        SetLogStart(wStart);
        dwLength = wStart;
    }
    // A longer log than the reply buffer is read as far as the buffer goes.
    if (dwLength > replyBufferSize)
        dwLength = replyBufferSize;
    // The log is fetched only: neither its head (four 16-bit values, eight bytes) nor the rest
    // is kept, so the operation reports no result.
    static const BYTE request[] = {'l'};
    Command(request, sizeof request, dwLength);
    return FALSE;
}

double CPendixStdComBase::GetChannelTemperature(int n) const
{
    if (n < 0 || n >= channelCount)
        return 0.0;
    return CVantuTool().Convert(m_status.dwChannelRaw[n] * kVoltsPerStep, kChannelGain, 0.0, 1);
}

CString CPendixStdComBase::FormatChannelTemperature(int n) const
{
    CString text;
    text.Format("%-4.1f %s", GetChannelTemperature(n), (LPCSTR)LoadText(IDS_STATION_UNIT_CELSIUS));
    return text;
}

BOOL CPendixStdComBase::GetChannelOffset(int n, int* pnOffset) const
{
    if (n < 0 || n >= channelCount)
        return FALSE;
    if (pnOffset)
        *pnOffset = (int)m_status.dwChannelRaw[n] - calibrationRaw;
    return m_offsets[n].bCaptured;
}

void CPendixStdComBase::CaptureChannelOffset(int n)
{
    if (n < 0 || n >= channelCount)
        return;
    m_offsets[n].nOffset = (int)m_status.dwChannelRaw[n] - calibrationRaw;
    m_offsets[n].bCaptured = TRUE;
}

double CPendixStdComBase::GetBatteryVoltage() const
{
    return m_status.dwBatteryRaw * kVoltsPerStep * 2;
}

BOOL CPendixStdComBase::IsBatteryLow() const
{
    return GetBatteryVoltage() < kBatteryLow;
}

double CPendixStdComBase::GetInternalTemperature() const
{
    return TemperatureOf(m_status.dwInternalTemperatureRaw);
}

double CPendixStdComBase::GetMaxInternalTemperature() const
{
    return TemperatureOf(m_status.dwMaxInternalTemperatureRaw);
}

CString CPendixStdComBase::GetStatusText(StatusText which) const
{
    CString text;
    for (const TextEntry& entry : g_texts)
    {
        if (entry.text != which)
            continue;
        const DWORD* pField = (const DWORD*)((const BYTE*)&m_status + entry.nField);
        switch (entry.kind)
        {
        case kindCount:
            text.Format("%lu", pField[0]);
            break;
        case kindMemory:
            text.Format("%.5lu", pField[0]);
            break;
        case kindTenth:
            text.Format("%-4.1f", pField[0] * 0.1);
            break;
        case kindTemperature:
            text.Format("%-2.1f %s", TemperatureOf(pField[0]), (LPCSTR)LoadText(IDS_STATION_UNIT_CELSIUS));
            break;
        case kindVoltage:
            text.Format("%-3.2f %s", pField[0] * kVoltsPerStep * 2, (LPCSTR)LoadText(IDS_PENDIX_VOLT));
            break;
        case kindClock:
            // hours, minutes, seconds; the fields lie seconds first
            text.Format("%.2lu:%.2lu:%.2lu", pField[2], pField[1], pField[0]);
            break;
        }
    }
    return text;
}
