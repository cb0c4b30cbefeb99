#include "station/link/IRComBase.h"
#include "StationIds.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CIRComBase, CMotBusProtocoll)

namespace
{
// Firmware versions from which variables exist (single-precision, as the station reports them).
const float kGateParameters = 1.6f;
const float kGateOperatingTimes = 1.68f;
const float kGateCounters = 1.71f;

const DWORD kProbeRates[] = {9600, 14400, 19200, 38400};

struct TextEntry
{
    int nCode;
    UINT nID;
};
const TextEntry g_messageTexts[] = {
    {0, IDS_STATION_MSG_INNER_TEMP}, {3, IDS_STATION_MSG_TOP_TE_BROKEN}, {4, IDS_STATION_MSG_TOP_HEATING},
    {6, IDS_STATION_MSG_HEATING},    {7, IDS_STATION_MSG_SENSOR_BROKEN}, {9, IDS_STATION_MSG_EEPROM},
};
const TextEntry g_programTexts[] = {
    {StationVar::ProgramWarmUp, IDS_STATION_PROGRAM_WARMUP},
    {StationVar::ProgramReady, IDS_STATION_PROGRAM_READY},
    {StationVar::ProgramSoldering, IDS_STATION_PROGRAM_SOLDERING},
    {StationVar::ProgramDesoldering, IDS_STATION_PROGRAM_DESOLDERING},
    {StationVar::ProgramEnd, IDS_STATION_PROGRAM_END},
    {StationVar::ProgramCalibration, IDS_STATION_PROGRAM_CALIBRATION},
    {StationVar::ProgramEndurance, IDS_STATION_PROGRAM_ENDURANCE},
};

CString LoadText(const TextEntry* pEntries, size_t nEntries, int nCode, UINT nDefaultID)
{
    UINT nID = nDefaultID;
    for (size_t i = 0; i < nEntries; ++i)
        if (pEntries[i].nCode == nCode)
            nID = pEntries[i].nID;
    CString text;
    text.LoadString(nID);
    return text;
}

DWORD FloatBits(float value)
{
    DWORD dw;
    memcpy(&dw, &value, sizeof dw);
    return dw;
}
} // namespace

CIRComBase::CIRComBase(DWORD dwPort, DWORD dwBaud, DWORD dwDataBits, DWORD dwStopBits, DWORD dwParity,
                       DWORD dwFlow, BOOL bFixedRate)
    : CMotBusProtocoll(dwPort, dwBaud, 0, dwDataBits, dwStopBits, dwParity, dwFlow), m_nErrorCount(0),
      m_byAddress(0), m_bFixedRate(bFixedRate)
{
    memset(m_dwBlockWrite, 0, sizeof m_dwBlockWrite);
    memset(m_dwClockWrite, 0, sizeof m_dwClockWrite);
    memset(m_fVars54To62, 0, sizeof m_fVars54To62);
    ClearCache();
}

void CIRComBase::ClearCache()
{
    memset(m_fClock, 0, sizeof m_fClock);
    memset(m_fVars0To5, 0, sizeof m_fVars0To5);
    memset(m_fSetup, 0, sizeof m_fSetup);
    memset(m_fVars21To34, 0, sizeof m_fVars21To34);
    memset(m_fStatus, 0, sizeof m_fStatus);
    m_fVersion = 0.0f;
    m_fOperatingTimes[0] = m_fOperatingTimes[1] = 0.0f;
    m_fCounters52To53[0] = m_fCounters52To53[1] = -1.0f;
}

float CIRComBase::GetCachedVar(int n) const
{
    struct Range
    {
        int nFirst;
        int nCount;
        const float* pValues;
    };
    using namespace StationVar;
    const Range ranges[] = {
        {ProcessFirst, ProcessCount, m_fVars0To5},
        {SetupFirst, SetupCount, m_fSetup},
        {FirmwareVersion, 1, &m_fVersion},
        {LimitsFirst, LimitsCount, m_fVars21To34},
        {StatusFirst, StatusCount, m_fStatus},
        {ClockFirst, ClockCount, m_fClock},
        {OperatingTimeFirst, OperatingTimeCount, m_fOperatingTimes},
        {CountersFirst, CountersCount, m_fCounters52To53},
        {LongLifeFirst, LongLifeCount, m_fVars54To62},
    };
    for (const Range& r : ranges)
        if (n >= r.nFirst && n < r.nFirst + r.nCount)
            return r.pValues[n - r.nFirst];
    return 0.0f;
}

void CIRComBase::CountResult(BOOL bOk)
{
    if (bOk)
        m_nErrorCount = 0;
    else
        ++m_nErrorCount;
}

BOOL CIRComBase::IsOffline() const
{
    return m_nErrorCount > maxErrorCount || m_bPortUnavailable;
}

BOOL CIRComBase::ReadBlock(float* pOut, WORD wRegister, BYTE byCount)
{
    // Into a scratch buffer first: the cache changes only on success.
    float values[maxReadCount];
    BOOL bOk = ReadFloatBlock(values, m_byAddress, wRegister, byCount);
    if (bOk)
        memcpy(pOut, values, byCount * sizeof(float));
    CountResult(bOk);
    return bOk;
}

BOOL CIRComBase::WriteBlock(const DWORD* pValues, WORD wRegister, BYTE byCount)
{
    return WriteValueBlock(pValues, m_byAddress, wRegister, byCount);
}

BOOL CIRComBase::WriteFloat(WORD wRegister, float fValue)
{
    DWORD dw = FloatBits(fValue);
    return WriteBlock(&dw, wRegister, 1);
}

BOOL CIRComBase::FinishWrite(BOOL bOk, BOOL bStore)
{
    if (bOk && bStore)
        bOk = StoreParameters();
    CountResult(bOk);
    return bOk;
}

BOOL CIRComBase::ReadBaudSetting(float* pOut, DWORD dwBaud)
{
    BOOL bOk = ReadFloat(pOut, m_byAddress, functionReadBaud, dwBaud);
    CountResult(bOk);
    return bOk;
}

BOOL CIRComBase::SetStationBaud(DWORD dwValue, DWORD dwBaud)
{
    BOOL bOk = WriteValue(dwValue, m_byAddress, functionWriteBaud, dwBaud);
    float fRate;
    memcpy(&fRate, &dwValue, sizeof fRate);
    m_dwBaud = (DWORD)(int)fRate;
    CountResult(bOk);
    return bOk;
}

float CIRComBase::ProbeBaudRate()
{
    if (m_bFixedRate)
        return (float)fixedRate;
    for (DWORD dwRate : kProbeRates)
    {
        float fRate = 0.0f;
        if (ReadBaudSetting(&fRate, dwRate))
            return fRate;
    }
    return 9600.0f;
}

BOOL CIRComBase::Connect()
{
    DWORD dwBaud = m_dwBaud;
    m_dwBaud = (DWORD)(int)ProbeBaudRate();
    CountResult(TRUE);
    BOOL bOk;
    do
    {
        bOk = ReadFloatBlock(&m_fVersion, m_byAddress, StationVar::FirmwareVersion, 1);
        CountResult(bOk);
    } while (!bOk && m_nErrorCount <= maxErrorCount);
    m_dwBaud = dwBaud;
    return bOk;
}

BOOL CIRComBase::ReadVars0To5()
{
    return ReadBlock(m_fVars0To5, StationVar::ProcessFirst, StationVar::ProcessCount);
}

BOOL CIRComBase::ReadSetupBlock()
{
    return ReadBlock(m_fSetup, StationVar::SetupFirst, StationVar::SetupCount);
}

BOOL CIRComBase::ReadVars21To34()
{
    return ReadBlock(m_fVars21To34, StationVar::LimitsFirst, StationVar::LimitsCount);
}

BOOL CIRComBase::ReadStatusBlock()
{
    return ReadBlock(m_fStatus, StationVar::StatusFirst, StationVar::StatusCount);
}

BOOL CIRComBase::ReadClock()
{
    return ReadBlock(m_fClock, StationVar::ClockFirst, StationVar::ClockCount);
}

BOOL CIRComBase::ReadVars54To62()
{
    return ReadBlock(m_fVars54To62, StationVar::LongLifeFirst, StationVar::LongLifeCount);
}

BOOL CIRComBase::ReadOperatingTimes()
{
    if (VersionBelow(kGateOperatingTimes))
        return TRUE;
    return ReadBlock(m_fOperatingTimes, StationVar::OperatingTimeFirst, StationVar::OperatingTimeCount);
}

BOOL CIRComBase::ReadCounters52To53()
{
    if (VersionBelow(kGateCounters))
    {
        m_fCounters52To53[0] = m_fCounters52To53[1] = -1.0f;
        return TRUE;
    }
    return ReadBlock(m_fCounters52To53, StationVar::CountersFirst, StationVar::CountersCount);
}

BOOL CIRComBase::WriteVar4(const DWORD* pValue, BOOL bStore)
{
    if (VersionBelow(kGateParameters))
        return TRUE;
    return FinishWrite(WriteBlock(pValue, StationVar::SensorFactorTE, 1), bStore);
}

BOOL CIRComBase::WriteVar5(const DWORD* pValue, BOOL bStore)
{
    if (VersionBelow(kGateParameters))
        return TRUE;
    return FinishWrite(WriteBlock(pValue, StationVar::SensorFactorIR, 1), bStore);
}

BOOL CIRComBase::WriteVars7To14(BOOL bStore)
{
    return FinishWrite(WriteBlock(m_dwBlockWrite, StationVar::ProfileFirst, StationVar::ProfileCount),
                       bStore);
}

BOOL CIRComBase::WriteBottomHeater(DWORD dwValue)
{
    return WriteBlock(&dwValue, StationVar::Energy, 1);
}

BOOL CIRComBase::WriteVar15(int nValue, BOOL bStore)
{
    return FinishWrite(WriteFloat(StationVar::StationPassword, (float)nValue), bStore);
}

BOOL CIRComBase::WriteVar18(const DWORD* pValue, BOOL bStore)
{
    return FinishWrite(WriteBlock(pValue, StationVar::SerialNumber, 1), bStore);
}

BOOL CIRComBase::StoreParameters()
{
    return WriteFloat(StationVar::Commit, 1.0f);
}

BOOL CIRComBase::FanOn()
{
    return WriteFloat(StationVar::Fan, 1.0f);
}

BOOL CIRComBase::FanOff()
{
    return WriteFloat(StationVar::Fan, 0.0f);
}

BOOL CIRComBase::PumpOn()
{
    return WriteFloat(StationVar::Pump, 1.0f);
}

BOOL CIRComBase::PumpOff()
{
    return WriteFloat(StationVar::Pump, 0.0f);
}

BOOL CIRComBase::Calibrate()
{
    return WriteFloat(StationVar::CalibrateTrigger, 1.0f);
}

BOOL CIRComBase::WriteVar48(int nValue, BOOL bStore)
{
    if (VersionBelow(kGateParameters))
        return TRUE;
    return FinishWrite(WriteFloat(StationVar::PipetteCalibration, (float)nValue), bStore);
}

BOOL CIRComBase::WriteVar49(int nValue, BOOL bStore)
{
    if (VersionBelow(kGateParameters))
        return TRUE;
    return FinishWrite(WriteFloat(StationVar::BuzzerMode, (float)nValue), bStore);
}

BOOL CIRComBase::WriteOperatingTimes(const DWORD* pValues)
{
    if (VersionBelow(kGateOperatingTimes))
        return TRUE;
    return FinishWrite(WriteBlock(pValues, StationVar::OperatingTimeFirst, StationVar::OperatingTimeCount),
                       FALSE);
}

BOOL CIRComBase::WriteClock()
{
    return FinishWrite(WriteBlock(m_dwClockWrite, StationVar::ClockFirst, StationVar::ClockCount), FALSE);
}

BOOL CIRComBase::WriteVars54To57()
{
    DWORD values[StationVar::LongLifeParameterCount];
    memcpy(values, m_fVars54To62, sizeof values);
    return FinishWrite(WriteBlock(values, StationVar::LongLifeFirst, StationVar::LongLifeParameterCount),
                       FALSE);
}

BOOL CIRComBase::SetMode56(BOOL bOn)
{
    DWORD values[StationVar::LongLifeModeCount] = {FloatBits(bOn ? 1.0f : 0.0f), FloatBits(1.0f)};
    return FinishWrite(WriteBlock(values, StationVar::LongLifeActive, StationVar::LongLifeModeCount), FALSE);
}

BOOL CIRComBase::ClearVars58To61()
{
    DWORD zeros[StationVar::LongLifeResetCount] = {};
    BOOL bOk =
        FinishWrite(WriteBlock(zeros, StationVar::LongLifeResetFirst, StationVar::LongLifeResetCount), FALSE);
    if (bOk)
        bOk = SetMode56(FALSE);
    return bOk;
}

CString CIRComBase::FormatUnit(float fFlag)
{
    CString text;
    text.LoadString(fFlag != 0.0f ? IDS_STATION_UNIT_FAHRENHEIT : IDS_STATION_UNIT_CELSIUS);
    return text;
}

CString CIRComBase::FormatSensorType(float fFlag)
{
    CString text;
    text.LoadString(fFlag != 0.0f ? IDS_STATION_SENSOR_IR : IDS_STATION_SENSOR_TE);
    return text;
}

CString CIRComBase::GetUnitText() const
{
    return FormatUnit(GetCachedVar(StationVar::Unit));
}

CString CIRComBase::GetSensorText() const
{
    return FormatSensorType(GetCachedVar(StationVar::SensorType));
}

CString CIRComBase::GetTemperatureText(BOOL bBare) const
{
    double value = GetCachedVar(StationVar::Temperature);
    if (GetCachedVar(StationVar::Unit) > 0.0f)
        value = value * 1.8 + 32.0;
    CString text;
    text.Format("%#4.1f", value);
    text += GetUnitText();
    if (bBare)
    {
        text.Remove('\xB0');
        text.Remove(' ');
    }
    return text;
}

CString CIRComBase::GetVersionText() const
{
    CString text;
    text.Format("%#4.2f", (double)m_fVersion);
    return text;
}

CString CIRComBase::GetModuleTimeText() const
{
    CString text;
    text.Format("%2.2d:%2.2d:%2.2d", (int)GetCachedVar(StationVar::ClockHours),
                (int)GetCachedVar(StationVar::ClockMinutes), (int)GetCachedVar(StationVar::ClockSeconds));
    return text;
}

CString CIRComBase::GetOperatingTimeText(int n) const
{
    float fMinutes = (n == 0 || n == 1) ? GetCachedVar(StationVar::OperatingTimeIR + n) : 0.0f;
    int nHours = (int)(fMinutes * 0.016666668f);
    int nRest = (int)(fMinutes - nHours * 60.0);
    CString text;
    text.Format(IDS_STATION_OPERATING_TIME, (unsigned long)nHours, (unsigned long)nRest);
    return text;
}

CString CIRComBase::GetMessageText() const
{
    return LoadText(g_messageTexts, _countof(g_messageTexts), (int)GetCachedVar(StationVar::Message),
                    IDS_STATION_MSG_NONE);
}

CString CIRComBase::GetProgramText() const
{
    return LoadText(g_programTexts, _countof(g_programTexts), (int)GetCachedVar(StationVar::ProgramState),
                    IDS_STATION_PROGRAM_UNKNOWN);
}
