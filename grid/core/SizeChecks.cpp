// Sizes of the grid's fixed records on both targets.
#include "grid/core/CellBrush.h"
#include "grid/core/CellPen.h"
#include "grid/core/CellRange.h"
#include "grid/core/Font.h"

static_assert(sizeof(CGXCellRange) == 24, "a cell range is six 32-bit fields");
static_assert(sizeof(CGXCellBrush) == 8, "a cell brush is two words");
static_assert(sizeof(CGXCellPen) == 8, "a cell pen is two words");
