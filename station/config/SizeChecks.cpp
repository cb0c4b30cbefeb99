// Sizes the setup library expects on each build: the interface detail record's size word is
// 5 on 32-bit Windows (packed) and 8 on 64-bit.
#include <windows.h>
#include <setupapi.h>

#if defined(_WIN64)
static_assert(sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A) == 8, "64-bit detail record");
#else
static_assert(sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A) == 5, "32-bit detail record");
#endif

// The interface record keeps the 32-bit program's 80 bytes (three strings of one pointer each).
#include "station/config/SerialInterface.h"
#if !defined(_WIN64)
static_assert(sizeof(STRUCT_SERIAL_INTERFACE) == 80, "serial interface record");
#endif
