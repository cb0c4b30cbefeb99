// Private messages of the Pendix worker and timer threads. All are posted with lParam 0; the tick
// goes to every Pendix view with a link, the others to the window of the job (word 13).
// Handlers return 0. Port errors come as WM_COMM_PORT_ERROR (station/link/CommMessages.h).
#pragma once
#include "AfxCore.h"

#define WM_PENDIX_TICK 0x4C8     // tick from the Pendix timer thread, every 250 ms
#define WM_PENDIX_STATUS 0x4C9   // job 3 read the status block
#define WM_PENDIX_IDENTITY 0x4CA // job 2 read the identification
#define WM_PENDIX_CLOSED 0x4CB   // job 11 (stop) closed the port
#define WM_PENDIX_BROKEN 0x4CC   // the device stopped answering; wParam 240 when the USB port is gone, else 0
