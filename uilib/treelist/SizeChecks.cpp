// The tree's records are the system's own; on the 32-bit target they keep these sizes.
#include <windows.h>
#include <commctrl.h>

#ifndef _WIN64
static_assert(sizeof(TVITEMA) == 40, "TVITEM");
static_assert(sizeof(NMTREEVIEWA) == 104, "NMTREEVIEW");
static_assert(sizeof(NMTVDISPINFOA) == 52, "NMTVDISPINFO");
static_assert(sizeof(TVHITTESTINFO) == 16, "TVHITTESTINFO");
#endif
