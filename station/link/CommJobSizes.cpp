// Sizes of the records fixed by their 32-bit layout, checked again by the i686 compiler.
#include "station/link/CommJob.h"

#if !defined(_WIN64)
static_assert(sizeof(STRUCT_COMM_JOB) == 64, "the job record is sixteen 32-bit words");
#endif
static_assert(offsetof(STRUCT_COMM_JOB, dwParams) == 2 * sizeof(DWORD) + sizeof(void*),
              "parameter words follow word 2");
