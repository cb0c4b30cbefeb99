// Header cells.
#include "grid/core/Header.h"

GX_IMPLEMENT_CONTROL(CGXHeader, CGXStatic)

CGXHeader::CGXHeader(CGXGridCore* pGrid) : CGXStatic(pGrid)
{
}
