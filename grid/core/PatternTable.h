// The library's 41 fill patterns (8 x 8 monochrome bitmaps), made on first use of each and
// kept for the life of the process. Pattern brushes and dashed borders use them.
#pragma once
#include "afx.h"

#define GX_PATTERN_COUNT 41

// Rows of pattern n from top to bottom, one byte of pixels per 16-bit word.
extern const WORD _gxPatternRows[GX_PATTERN_COUNT][8];

// The monochrome bitmap of pattern nIndex; NULL for an index outside the table.
HBITMAP AFXAPI GXGetPatternBitmap(int nIndex);
