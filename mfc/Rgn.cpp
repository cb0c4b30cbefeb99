// CRgn: run-time class record.
#include "Rgn.h"

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
