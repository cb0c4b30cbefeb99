// Size of the extended-command record: 108 bytes of 32-bit words on the 32-bit target; the
// handle, result and the two pointers are pointer-sized on 64-bit.
#include "uilib/frames/mdi/SysCommandEx.h"

#if defined(_WIN64)
static_assert(sizeof(nsSysCommandEx::ScxCommandRecord) == 136, "64-bit extended-command record");
#else
static_assert(sizeof(nsSysCommandEx::ScxCommandRecord) == 108, "32-bit extended-command record");
#endif
