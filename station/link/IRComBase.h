// The station's vocabulary: named operations on its numbered variables, the cache of the values
// last read, firmware gates, the baud probe, the consecutive-failure count that makes the link
// offline, and display texts. One per recording view; only the worker thread talks to the
// station through it, under the write lock; readers copy the cache under the read lock.
#pragma once
#include "station/link/MotBusProtocoll.h"
#include "station/link/StationVariables.h"

class CIRComBase : public CMotBusProtocoll
{
    DECLARE_DYNAMIC(CIRComBase)

  public:
    enum
    {
        functionReadBaud = 0x20,
        functionWriteBaud = 0x40,
        fixedRate = 115200,
        maxErrorCount = 3, // more consecutive failures than this: offline
    };

    // Construction
    CIRComBase(DWORD dwPort, DWORD dwBaud, DWORD dwDataBits, DWORD dwStopBits, DWORD dwParity, DWORD dwFlow,
               BOOL bFixedRate);

    // Station operations: TRUE when done, or skipped by a firmware gate.
    BOOL ReadBaudSetting(float* pOut, DWORD dwBaud);
    BOOL SetStationBaud(DWORD dwValue, DWORD dwBaud);
    BOOL Connect();
    BOOL ReadVars0To5();
    BOOL ReadSetupBlock();
    BOOL ReadVars21To34();
    BOOL ReadStatusBlock();
    BOOL ReadClock();
    BOOL ReadVars54To62();
    BOOL ReadOperatingTimes();
    BOOL ReadCounters52To53();
    BOOL WriteVar4(const DWORD* pValue, BOOL bStore);
    BOOL WriteVar5(const DWORD* pValue, BOOL bStore);
    BOOL WriteVars7To14(BOOL bStore);
    BOOL WriteBottomHeater(DWORD dwValue);
    BOOL WriteVar15(int nValue, BOOL bStore);
    BOOL WriteVar18(const DWORD* pValue, BOOL bStore);
    BOOL StoreParameters();
    BOOL FanOn();
    BOOL FanOff();
    BOOL PumpOn();
    BOOL PumpOff();
    BOOL Calibrate();
    BOOL WriteVar48(int nValue, BOOL bStore);
    BOOL WriteVar49(int nValue, BOOL bStore);
    BOOL WriteOperatingTimes(const DWORD* pValues);
    BOOL WriteClock();
    BOOL WriteVars54To57();
    BOOL SetMode56(BOOL bOn);
    BOOL ClearVars58To61();

    // Other operations
    float ProbeBaudRate();
    void CountResult(BOOL bOk);
    BOOL IsOffline() const;
    void ClearCache();
    void ClearErrorCount()
    {
        m_nErrorCount = 0;
    }
    int GetErrorCount() const
    {
        return m_nErrorCount;
    }
    BYTE GetStationAddress() const
    {
        return m_byAddress;
    }
    void SetStationAddress(int nAddress)
    {
        m_byAddress = (BYTE)nAddress;
    }
    BOOL IsFixedRate() const
    {
        return m_bFixedRate;
    }
    // A cached station variable by its bus number; 0.0 for a number the cache does not hold.
    float GetCachedVar(int nVariable) const;

    // Display texts of the cached values
    CString GetTemperatureText(BOOL bBare) const;
    CString GetUnitText() const;
    static CString FormatUnit(float fFlag);
    CString GetSensorText() const;
    static CString FormatSensorType(float fFlag);
    CString GetVersionText() const;
    CString GetModuleTimeText() const;
    CString GetOperatingTimeText(int n) const;
    CString GetMessageText() const;
    CString GetProgramText() const;

    // Attributes: the cache and the write buffers (read under the read lock)
    DWORD m_dwBlockWrite[StationVar::ProfileCount]; // the profile sent by WriteVars7To14
    DWORD m_dwClockWrite[StationVar::ClockCount];   // sent by WriteClock
    float m_fVars54To62[StationVar::LongLifeCount]; // the first four are also sent by WriteVars54To57
    float m_fClock[StationVar::ClockCount];         // seconds, minutes, hours
    float m_fVars0To5[StationVar::ProcessCount];
    float m_fSetup[StationVar::SetupCount];
    float m_fVars21To34[StationVar::LimitsCount];
    float m_fStatus[StationVar::StatusCount];
    float m_fVersion;
    float m_fOperatingTimes[StationVar::OperatingTimeCount]; // minutes
    float m_fCounters52To53[StationVar::CountersCount];      // -1.0: the firmware does not have them

    // Implementation
  protected:
    BOOL VersionBelow(float fGate) const
    {
        return m_fVersion < fGate;
    }
    BOOL ReadBlock(float* pOut, WORD wRegister, BYTE byCount);
    BOOL WriteBlock(const DWORD* pValues, WORD wRegister, BYTE byCount);
    BOOL WriteFloat(WORD wRegister, float fValue);
    // The store command after a successful write when asked, then the count.
    BOOL FinishWrite(BOOL bOk, BOOL bStore);

    int m_nErrorCount;
    BYTE m_byAddress;
    BOOL m_bFixedRate;
};
