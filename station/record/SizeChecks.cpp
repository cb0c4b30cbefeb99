// Sizes of the records the recording file stores on the 32-bit program's layout.
#include <windows.h>

static_assert(sizeof(LOGFONTA) == 60, "a font takes 60 bytes in the file");
#if !defined(_WIN64)
static_assert(sizeof(RECT) == 16 && sizeof(LOGPEN) == 16 && sizeof(LOGBRUSH) == 12,
              "file layout of the records");
#endif
