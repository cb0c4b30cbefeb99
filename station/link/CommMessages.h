// Private messages of the station worker and timer threads. All are posted with lParam 0 to the
// window of the job (word 13), the tick to every registered window; handlers return 0.
#pragma once
#include "AfxCore.h"

#define WM_COMM_CLOCK 0x465    // job 0 read the clock
#define WM_COMM_STATUS 0x466   // job 1 read the status block, or jobs 2, 3, 5-8 wrote and then read it
#define WM_COMM_SAMPLE 0x467   // job 14 read variables 0-5
#define WM_COMM_PROFILE 0x468  // job 15 read the setup block
#define WM_COMM_LIMITS 0x469   // job 16 read variables 21-34
#define WM_COMM_BAUD 0x46A     // job 18 (baud change) ended, whatever its result
#define WM_COMM_VERSION 0x46B  // job 19 (connect) succeeded
#define WM_COMM_TICK 0x46C     // poll tick from the timer thread, every 200 ms
#define WM_COMM_CLOSED 0x46D   // job 30 (stop) closed the port
#define WM_COMM_OFFLINE 0x46E  // station offline; wParam 240 fixed-rate port lost, 1 failed connect, else 0
#define WM_COMM_LONGLIFE 0x46F // job 25 read variables 54-62
#define WM_COMM_LONGLIFE_JOB                                                                                 \
    0x470                   // posted by the long-life window itself (wParam job code), never by the worker
#define WM_COMM_HOURS 0x471 // job 24 read the operating times and variables 52-53
#define WM_COMM_PROFILE_WRITTEN 0x473 // jobs 11-13 wrote the profile or the sensor factor
#define WM_COMM_PORT_ERROR                                                                                   \
    0x472 // a port operation failed; wParam the Win32 error code. Once per connection;
          // the user interface shows the text (GetCommPortErrorText)
