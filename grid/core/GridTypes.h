// Types and small helpers shared by the whole grid library: row and column numbers, the
// style merge modes and the encoding of colour values that may name system colours.
#pragma once
#include "afx.h"

// Row and column numbers: row 0 is the column-header row, column 0 the row-header column.
typedef DWORD ROWCOL;

// How one style (or font, or attribute map) is merged into another.
enum GXModifyType
{
    gxOverride = 0, // take every attribute the source includes
    gxApplyNew = 1, // take only attributes not included yet
    gxCopy = 2,     // become a copy of the source
    gxExclude = 3   // remove every attribute the source includes
};

// Colour values: a high byte of 65..254 names the system colour 254 - high byte; otherwise the
// low two bits of the high byte are the colour-reference kind and the low 24 bits the colour.
#define GXSYSCOLOR(index) ((COLORREF)((DWORD)(254 - (index)) << 24))

// Stored form of a colour value: kind 0-2 as in a COLORREF, kind 3 a system-colour index.
struct GXColorParts
{
    DWORD nKind;   // 2 bits
    DWORD dwColor; // 24 bits
};

GXColorParts AFXAPI GXSplitColorValue(COLORREF value);
// The colour to draw with: system colours resolved through the library's colour table.
COLORREF AFXAPI GXResolveColor(DWORD nKind, DWORD dwColor);
// The colour value again, so that a system colour stays one when stored elsewhere.
COLORREF AFXAPI GXColorValue(DWORD nKind, DWORD dwColor);
