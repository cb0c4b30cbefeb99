// CPen: run-time class record.
#include "Pen.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)
