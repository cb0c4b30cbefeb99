// Per-user settings of each serial interface, one section "Interface\<name>" per interface
// (HKEY_CURRENT_USER\Software\KUVO GmbH\Helvon): use flag, order, line settings, time-outs and
// the device last seen on it. Owned by the application; read by the views that open a link.
#pragma once
#include "station/config/Config.h"

class CSerialUserConfig : public CConfig
{
  public:
    // Every value of an interface; the index into its table.
    enum Value
    {
        UseInterface,
        QueueIndex,
        Paritaet,
        Protokoll,
        Baudrate,
        Stopbits,
        Datenbits,
        Startbits,
        ReadTimeout,
        ReadTimeoutMul,
        ReadTimeOutConstant,
        WriteTimeOutMul,
        WriteTimeOutConstant,
        Device,
        ValueCount
    };

    struct SValueInfo
    {
        LPCSTR name;
        BOOL isText;
        DWORD defaultNumber;
        LPCSTR defaultText;
    };

    // Construction
  public:
    CSerialUserConfig();
    CSerialUserConfig(const CSerialUserConfig&) = delete;
    CSerialUserConfig& operator=(const CSerialUserConfig&) = delete;

    // Operations
  public:
    static const SValueInfo& GetValueInfo(Value value);
    // "Interface\<name>"
    static CString InterfaceSection(LPCSTR name);

    // Table-driven access; setters answer with the registry's result.
    DWORD GetNumber(Value value, LPCSTR name);
    CString GetText(Value value, LPCSTR name);
    BOOL SetNumber(Value value, DWORD number, LPCSTR name);
    BOOL SetText(Value value, LPCSTR text, LPCSTR name);

    DWORD GetUseInterface(LPCSTR name)
    {
        return GetNumber(UseInterface, name);
    }
    BOOL SetUseInterface(DWORD n, LPCSTR name)
    {
        return SetNumber(UseInterface, n, name);
    }
    DWORD GetQueueIndex(LPCSTR name)
    {
        return GetNumber(QueueIndex, name);
    }
    BOOL SetQueueIndex(DWORD n, LPCSTR name)
    {
        return SetNumber(QueueIndex, n, name);
    }
    // 0 even, 1 mark, 2 none, 3 odd, 4 space
    DWORD GetParitaet(LPCSTR name)
    {
        return GetNumber(Paritaet, name);
    }
    BOOL SetParitaet(DWORD n, LPCSTR name)
    {
        return SetNumber(Paritaet, n, name);
    }
    // The interface's flow control, handed to the link as its flow setting: 0 none, 1 CTS-RTS,
    // 2 CTS-DTR, 3 DSR-RTS, 4 DSR-DTR, 5 Xon-Xoff.
    DWORD GetProtokoll(LPCSTR name)
    {
        return GetNumber(Protokoll, name);
    }
    BOOL SetProtokoll(DWORD n, LPCSTR name)
    {
        return SetNumber(Protokoll, n, name);
    }
    DWORD GetBaudrate(LPCSTR name)
    {
        return GetNumber(Baudrate, name);
    }
    BOOL SetBaudrate(DWORD n, LPCSTR name)
    {
        return SetNumber(Baudrate, n, name);
    }
    // 0 one, 1 one and a half, 2 two
    DWORD GetStopbits(LPCSTR name)
    {
        return GetNumber(Stopbits, name);
    }
    BOOL SetStopbits(DWORD n, LPCSTR name)
    {
        return SetNumber(Stopbits, n, name);
    }
    DWORD GetDatenbits(LPCSTR name)
    {
        return GetNumber(Datenbits, name);
    }
    BOOL SetDatenbits(DWORD n, LPCSTR name)
    {
        return SetNumber(Datenbits, n, name);
    }
    DWORD GetStartbits(LPCSTR name)
    {
        return GetNumber(Startbits, name);
    }
    BOOL SetStartbits(DWORD n, LPCSTR name)
    {
        return SetNumber(Startbits, n, name);
    }
    // Time-outs in ms (multipliers in ms per byte).
    DWORD GetReadTimeout(LPCSTR name)
    {
        return GetNumber(ReadTimeout, name);
    }
    BOOL SetReadTimeout(DWORD n, LPCSTR name)
    {
        return SetNumber(ReadTimeout, n, name);
    }
    DWORD GetReadTimeoutMul(LPCSTR name)
    {
        return GetNumber(ReadTimeoutMul, name);
    }
    BOOL SetReadTimeoutMul(DWORD n, LPCSTR name)
    {
        return SetNumber(ReadTimeoutMul, n, name);
    }
    DWORD GetReadTimeOutConstant(LPCSTR name)
    {
        return GetNumber(ReadTimeOutConstant, name);
    }
    BOOL SetReadTimeOutConstant(DWORD n, LPCSTR name)
    {
        return SetNumber(ReadTimeOutConstant, n, name);
    }
    DWORD GetWriteTimeOutMul(LPCSTR name)
    {
        return GetNumber(WriteTimeOutMul, name);
    }
    BOOL SetWriteTimeOutMul(DWORD n, LPCSTR name)
    {
        return SetNumber(WriteTimeOutMul, n, name);
    }
    DWORD GetWriteTimeOutConstant(LPCSTR name)
    {
        return GetNumber(WriteTimeOutConstant, name);
    }
    BOOL SetWriteTimeOutConstant(DWORD n, LPCSTR name)
    {
        return SetNumber(WriteTimeOutConstant, n, name);
    }
    CString GetDevice(LPCSTR name)
    {
        return GetText(Device, name);
    }
    BOOL SetDevice(LPCSTR text, LPCSTR name)
    {
        return SetText(Device, text, name);
    }
};
