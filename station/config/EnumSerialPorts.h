// Lists the machine's serial ports with device path, name and description, by the setup API's
// device interfaces, the DOS device names or the Windows 9x hardware tree (by Windows version).
// The caller owns the array; the application classifies the friendly names.
#pragma once
#include "afx.h"
#include "afxtempl.h"
#include "station/config/SerialEnumSystem.h"

struct SSerInfo
{
    SSerInfo() : bUsbDevice(FALSE)
    {
    }

    CString strDevPath;      // path to open, "\\.\COM3" or a device-interface path
    CString strPortName;     // "COM3"
    CString strFriendlyName; // "Communications Port (COM3)"
    BOOL bUsbDevice;         // the port belongs to a USB device
    CString strPortDesc;     // the device description
};

typedef CArray<SSerInfo, SSerInfo&> CSerInfoArray;

// Empties ports and fills it. TRUE when the enumeration ran to its end. FALSE when it stopped:
// ports then holds what was found before, and error the message to show, or "" when the user
// has already been told (the setup library or one of its entry points is missing).
BOOL EnumSerialPorts(CSerInfoArray& ports, BOOL ignoreBusyPorts, CString& error,
                     CSerialEnumSystem& system = CSerialEnumSystem::Real());

// The same, throwing the message as a CString when the enumeration stops with one; the ports found
// before stay in the array.
void EnumSerialPorts(CSerInfoArray& ports, BOOL ignoreBusyPorts,
                     CSerialEnumSystem& system = CSerialEnumSystem::Real());
