// Sizes of the chain record on both targets: four words.
#include "uilib/frames/plugins/WndListener.h"

#if defined(_WIN64)
static_assert(sizeof(tessaron::foundation::SECWndListener_MsgProcInfo_tag) == 32, "64-bit chain record");
#else
static_assert(sizeof(tessaron::foundation::SECWndListener_MsgProcInfo_tag) == 16, "32-bit chain record");
#endif
