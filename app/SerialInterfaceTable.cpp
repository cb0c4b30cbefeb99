// The serial-interface table: loading from the ports and the configuration, classification and
// the queue order.
#include "app/SerialInterfaceTable.h"
#include "station/config/SerialUserConfig.h"
#include <stdlib.h>

namespace
{
// Friendly-name parts that make a port a USB device.
const char* const s_usbNames[] = {"QM240D", "Pendix2004", "Serial Port"};

// The records in key order (the table is keyed 0 .. count - 1).
template <class F> void ForEachInKeyOrder(CSerialInterfaceMap& table, F f)
{
    int nCount = (int)table.GetCount();
    for (int nKey = 0; nKey < nCount; nKey++)
    {
        STRUCT_SERIAL_INTERFACE record;
        if (table.Lookup(nKey, record) && f(nKey, record))
            return;
    }
}

// The first record in key order that passes the test gets the queue index; TRUE when one did.
template <class P> BOOL GiveFirst(CSerialInterfaceMap& table, int q, P pass)
{
    BOOL bGiven = FALSE;
    ForEachInKeyOrder(table, [&](int nKey, STRUCT_SERIAL_INTERFACE& record) {
        if (!pass(record))
            return false;
        record.nQueueIndex = q;
        table.SetAt(nKey, record);
        bGiven = TRUE;
        return true;
    });
    return bGiven;
}
} // namespace

BOOL IsUsbSerialDevice(const CString& friendlyName)
{
    for (const char* pszName : s_usbNames)
        if (friendlyName.Find(pszName) >= 0)
            return TRUE;
    return FALSE;
}

void LoadInterfaceTable(CSerialInterfaceMap& table, CSerialEnumSystem& system)
{
    CSerInfoArray ports;
    CString error;
    if (!EnumSerialPorts(ports, FALSE, error, system) && !error.IsEmpty())
        AfxMessageBox(error, MB_ICONERROR);
    FillInterfaceTable(ports, table);
}

void FillInterfaceTable(const CSerInfoArray& ports, CSerialInterfaceMap& table)
{
    table.RemoveAll();
    CSerialUserConfig config;
    for (int nKey = 0; nKey < ports.GetSize(); nKey++)
    {
        const SSerInfo& port = ports[nKey];
        LPCSTR name = port.strPortName;
        STRUCT_SERIAL_INTERFACE record;
        record.strPortName = port.strPortName;
        record.bUseInterface = config.GetUseInterface(name);
        record.strDevice = config.GetDevice(name);
        record.strDescription = port.strFriendlyName;
        record.bUsbDevice = IsUsbSerialDevice(port.strFriendlyName);
        record.nPortNumber = atoi((LPCSTR)port.strPortName + (port.strPortName.Left(3) == "COM" ? 3 : 0));
        // An index an enabled port already holds moves this one up.
        int q = (int)config.GetQueueIndex(name);
        for (BOOL bTaken = TRUE; bTaken;)
        {
            bTaken = FALSE;
            ForEachInKeyOrder(table, [&](int, STRUCT_SERIAL_INTERFACE& other) {
                bTaken = other.bUseInterface == 1 && other.nQueueIndex == q;
                return bTaken != FALSE;
            });
            if (bTaken)
                q++;
        }
        record.nQueueIndex = q;
        record.dwBaudRate = config.GetBaudrate(name);
        record.nStopBits = (int)config.GetStopbits(name);
        record.nStartBits = (int)config.GetStartbits(name);
        record.nProtocol = (int)config.GetProtokoll(name);
        record.nParity = (int)config.GetParitaet(name);
        record.nDataBits = (int)config.GetDatenbits(name);
        record.dwReadTimeout = config.GetReadTimeout(name);
        record.dwReadTimeoutMul = config.GetReadTimeoutMul(name);
        record.dwReadTimeoutConstant = config.GetReadTimeOutConstant(name);
        record.dwWriteTimeoutMul = config.GetWriteTimeOutMul(name);
        record.dwWriteTimeoutConstant = config.GetWriteTimeOutConstant(name);
        record.pOwner = NULL;
        record.bySpare = 0;
        table.SetAt(nKey, record);
    }
    NormalizeQueueIndices(table);
}

void NormalizeQueueIndices(CSerialInterfaceMap& table)
{
    int nCount = (int)table.GetCount();
    for (int q = 0; q < nCount; q++)
    {
        BOOL bTaken = FALSE;
        ForEachInKeyOrder(table, [&](int nKey, STRUCT_SERIAL_INTERFACE& record) {
            if (record.nQueueIndex != q)
                return false;
            if (record.bUseInterface == 1)
            {
                bTaken = TRUE;
                return true;
            }
            // A disabled port gives its place up.
            record.nQueueIndex = SERIAL_QUEUE_NOT_PLACED;
            table.SetAt(nKey, record);
            return false;
        });
        if (bTaken)
            continue;
        if (GiveFirst(table, q, [q](const STRUCT_SERIAL_INTERFACE& r) {
                return r.nQueueIndex > q && r.nQueueIndex < SERIAL_QUEUE_NOT_PLACED && r.bUseInterface == 1;
            }))
            continue;
        if (GiveFirst(table, q, [](const STRUCT_SERIAL_INTERFACE& r) {
                return r.nQueueIndex == SERIAL_QUEUE_NOT_PLACED && r.bUseInterface == 1;
            }))
            continue;
        GiveFirst(table, q, [](const STRUCT_SERIAL_INTERFACE& r) {
            return r.nQueueIndex == SERIAL_QUEUE_NOT_PLACED && r.bUseInterface == 0;
        });
    }
}
