// What the Pendix view needs of the application: the serial interfaces, the flag that a Pendix
// view is open, and the serial-number dialog. The application installs its own functions; until
// then no interface is free and the dialog is cancelled. Tests install theirs.
#pragma once
#include "station/config/SerialInterface.h"

struct PENDIX_SERVICES
{
    // Takes the first free interface in use whose USB flag equals bUsbDevice and whose
    // description contains lpszDevice, for pOwner; FALSE (out untouched) when none qualifies.
    BOOL(*pfnAcquireSerialInterface)
    (STRUCT_SERIAL_INTERFACE& out, CWnd* pOwner, BOOL bUsbDevice, LPCTSTR lpszDevice);
    // Frees the interface pOwner holds; nothing when it holds none.
    void (*pfnReleaseSerialInterface)(CWnd* pOwner);
    void (*pfnSetPendixViewOpen)(BOOL bOpen);
    // The serial-number dialog: TRUE with the number entered on OK, FALSE on Cancel.
    BOOL (*pfnAskSerialNumber)(CWnd* pParent, float* pfNumber);
};

// Installs the services (copied); returns the previous ones. Missing functions fall back to the
// defaults.
PENDIX_SERVICES SetPendixServices(const PENDIX_SERVICES& services);
const PENDIX_SERVICES& GetPendixServices();
