// Machine-wide settings of the program (HKEY_LOCAL_MACHINE\Software\KUVO GmbH\Helvon): files,
// plot scales, profile limits, station options, the external application, print logos and
// the installed languages. Owned by the application; opened read-only for users who may not
// change machine-wide settings.
#pragma once
#include "station/config/Config.h"

class CProjektConfig : public CConfig
{
  public:
    // Every value of the machine-wide configuration; the index into its table.
    enum Value
    {
        // clang-format off
        ProfilFile, FirstStart, TempIntervall, TimeIntervall, TempBase, TimeBase, ControlRate, Language,
        DownloadWizzard, UploadWizzard, AutoCom, Module, AutoRecord, QuickSaveDir,
        T1Min, T1Max, T1Default, T2Min, T2Max, T2Default, T3Min, T3Max, T3Default,
        TLMin, TLMax, TLDefault, TimeMin, TimeMax, TimeDefault, EnergyMin, EnergyMax, EnergyDefault,
        TinitMin, TinitMax, TinitDefault,
        PipCal, SoftCal, BuzzerMode,
        ExternApp, ExternOptions,
        LeftLogo, RightLogo, PrintLogo,
        ValueCount
        // clang-format on
    };

    struct SValueInfo
    {
        LPCSTR section;
        LPCSTR name;
        BOOL isText;
        DWORD defaultNumber;
        LPCSTR defaultText;
        BOOL hasSetter;
    };

    // Construction
  public:
    explicit CProjektConfig(BOOL readOnly);
    CProjektConfig(const CProjektConfig&) = delete;
    CProjektConfig& operator=(const CProjektConfig&) = delete;

    // Operations
  public:
    static const SValueInfo& GetValueInfo(Value value);
    BOOL IsReadOnlyConfig() const
    {
        return m_bReadOnly;
    }

    // Table-driven access; a setter answers FALSE on a read-only object, for a value without
    // setter, and when the registry refuses the write.
    CString GetText(Value value);
    DWORD GetNumber(Value value);
    BOOL GetFlag(Value value)
    {
        return GetNumber(value) > 0;
    }
    BOOL SetText(Value value, LPCSTR text);
    BOOL SetNumber(Value value, DWORD number);

    // "Settings"
    CString GetProfilFile()
    {
        return GetText(ProfilFile);
    }
    BOOL GetFirstStart()
    {
        return GetFlag(FirstStart);
    }
    BOOL SetFirstStart(BOOL b)
    {
        return SetNumber(FirstStart, b ? 1 : 0);
    }
    DWORD GetTempIntervall()
    {
        return GetNumber(TempIntervall);
    }
    BOOL SetTempIntervall(DWORD n)
    {
        return SetNumber(TempIntervall, n);
    }
    DWORD GetTimeIntervall()
    {
        return GetNumber(TimeIntervall);
    }
    BOOL SetTimeIntervall(DWORD n)
    {
        return SetNumber(TimeIntervall, n);
    }
    DWORD GetTempBase()
    {
        return GetNumber(TempBase);
    }
    BOOL SetTempBase(DWORD n)
    {
        return SetNumber(TempBase, n);
    }
    DWORD GetTimeBase()
    {
        return GetNumber(TimeBase);
    }
    BOOL SetTimeBase(DWORD n)
    {
        return SetNumber(TimeBase, n);
    }
    DWORD GetControlRate()
    {
        return GetNumber(ControlRate);
    }
    BOOL SetControlRate(DWORD n)
    {
        return SetNumber(ControlRate, n);
    }
    CString GetLanguage()
    {
        return GetText(Language);
    }
    BOOL SetLanguage(LPCSTR s)
    {
        return SetText(Language, s);
    }
    BOOL GetDownloadWizzard()
    {
        return GetFlag(DownloadWizzard);
    }
    BOOL SetDownloadWizzard(BOOL b)
    {
        return SetNumber(DownloadWizzard, b ? 1 : 0);
    }
    BOOL GetUploadWizzard()
    {
        return GetFlag(UploadWizzard);
    }
    BOOL SetUploadWizzard(BOOL b)
    {
        return SetNumber(UploadWizzard, b ? 1 : 0);
    }
    BOOL GetAutoCom()
    {
        return GetFlag(AutoCom);
    }
    BOOL SetAutoCom(BOOL b)
    {
        return SetNumber(AutoCom, b ? 1 : 0);
    }
    // The parameter-protection password, as the user typed it.
    CString GetModule()
    {
        return GetText(Module);
    }
    BOOL SetModule(LPCSTR s)
    {
        return SetText(Module, s);
    }
    DWORD GetAutoRecord()
    {
        return GetNumber(AutoRecord);
    }
    BOOL SetAutoRecord(DWORD n)
    {
        return SetNumber(AutoRecord, n);
    }
    CString GetQuickSaveDir()
    {
        return GetText(QuickSaveDir);
    }
    BOOL SetQuickSaveDir(LPCSTR s)
    {
        return SetText(QuickSaveDir, s);
    }

    // "Limits"; the defaults have no setters, nor has Tinit.
    DWORD GetT1Min()
    {
        return GetNumber(T1Min);
    }
    BOOL SetT1Min(DWORD n)
    {
        return SetNumber(T1Min, n);
    }
    DWORD GetT1Max()
    {
        return GetNumber(T1Max);
    }
    BOOL SetT1Max(DWORD n)
    {
        return SetNumber(T1Max, n);
    }
    DWORD GetT1Default()
    {
        return GetNumber(T1Default);
    }
    DWORD GetT2Min()
    {
        return GetNumber(T2Min);
    }
    BOOL SetT2Min(DWORD n)
    {
        return SetNumber(T2Min, n);
    }
    DWORD GetT2Max()
    {
        return GetNumber(T2Max);
    }
    BOOL SetT2Max(DWORD n)
    {
        return SetNumber(T2Max, n);
    }
    DWORD GetT2Default()
    {
        return GetNumber(T2Default);
    }
    DWORD GetT3Min()
    {
        return GetNumber(T3Min);
    }
    BOOL SetT3Min(DWORD n)
    {
        return SetNumber(T3Min, n);
    }
    DWORD GetT3Max()
    {
        return GetNumber(T3Max);
    }
    BOOL SetT3Max(DWORD n)
    {
        return SetNumber(T3Max, n);
    }
    DWORD GetT3Default()
    {
        return GetNumber(T3Default);
    }
    DWORD GetTLMin()
    {
        return GetNumber(TLMin);
    }
    BOOL SetTLMin(DWORD n)
    {
        return SetNumber(TLMin, n);
    }
    DWORD GetTLMax()
    {
        return GetNumber(TLMax);
    }
    BOOL SetTLMax(DWORD n)
    {
        return SetNumber(TLMax, n);
    }
    DWORD GetTLDefault()
    {
        return GetNumber(TLDefault);
    }
    DWORD GetTimeMin()
    {
        return GetNumber(TimeMin);
    }
    BOOL SetTimeMin(DWORD n)
    {
        return SetNumber(TimeMin, n);
    }
    DWORD GetTimeMax()
    {
        return GetNumber(TimeMax);
    }
    BOOL SetTimeMax(DWORD n)
    {
        return SetNumber(TimeMax, n);
    }
    DWORD GetTimeDefault()
    {
        return GetNumber(TimeDefault);
    }
    DWORD GetEnergyMin()
    {
        return GetNumber(EnergyMin);
    }
    BOOL SetEnergyMin(DWORD n)
    {
        return SetNumber(EnergyMin, n);
    }
    DWORD GetEnergyMax()
    {
        return GetNumber(EnergyMax);
    }
    BOOL SetEnergyMax(DWORD n)
    {
        return SetNumber(EnergyMax, n);
    }
    DWORD GetEnergyDefault()
    {
        return GetNumber(EnergyDefault);
    }
    DWORD GetTinitMin()
    {
        return GetNumber(TinitMin);
    }
    DWORD GetTinitMax()
    {
        return GetNumber(TinitMax);
    }
    DWORD GetTinitDefault()
    {
        return GetNumber(TinitDefault);
    }

    // "IR Options"
    BOOL GetPipCal();
    BOOL SetPipCal(BOOL b)
    {
        return SetNumber(PipCal, b ? 1 : 0);
    }
    BOOL GetSoftCal()
    {
        return GetFlag(SoftCal);
    }
    BOOL SetSoftCal(BOOL b)
    {
        return SetNumber(SoftCal, b ? 1 : 0);
    }
    DWORD GetBuzzerMode()
    {
        return GetNumber(BuzzerMode);
    }
    BOOL SetBuzzerMode(DWORD n)
    {
        return SetNumber(BuzzerMode, n);
    }

    // "Application"
    CString GetExternApp()
    {
        return GetText(ExternApp);
    }
    BOOL SetExternApp(LPCSTR s)
    {
        return SetText(ExternApp, s);
    }
    CString GetExternOptions()
    {
        return GetText(ExternOptions);
    }
    BOOL SetExternOptions(LPCSTR s)
    {
        return SetText(ExternOptions, s);
    }

    // "Logos"
    BOOL GetLeftLogo()
    {
        return GetFlag(LeftLogo);
    }
    BOOL SetLeftLogo(BOOL b)
    {
        return SetNumber(LeftLogo, b ? 1 : 0);
    }
    BOOL GetRightLogo()
    {
        return GetFlag(RightLogo);
    }
    BOOL SetRightLogo(BOOL b)
    {
        return SetNumber(RightLogo, b ? 1 : 0);
    }
    CString GetPrintLogo()
    {
        return GetText(PrintLogo);
    }
    BOOL SetPrintLogo(LPCSTR s)
    {
        return SetText(PrintLogo, s);
    }

    // "Language" and "Help": language name -> resource library, help file.
    BOOL GetLanguages(CMapStringToString& out);
    CString GetLanguageDll(LPCSTR language);
    CString GetHelpFile(LPCSTR language);

    // Implementation
  private:
    BOOL m_bReadOnly;
};
