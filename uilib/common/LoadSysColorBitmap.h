// SECLoadSysColorBitmap: loads a bitmap resource so that its standard button greys (black, dark
// grey, light grey, white in the colour table) follow the user's current system colours. The
// self-drawn buttons and the toolbar images load through it.
#pragma once
#include "afxwin.h"

namespace tessaron
{
namespace foundation
{

// Loads the RT_BITMAP resource lpszResourceName into bitmap as a screen-compatible bitmap.
// Palette bitmaps (1, 4 or 8 bits per pixel) have their greys remapped; deeper ones load
// unchanged. FALSE when the resource is missing or malformed or the bitmap cannot be made;
// bitmap is then left as it was.
BOOL SECLoadSysColorBitmap(CBitmap& bitmap, LPCTSTR lpszResourceName);

} // namespace foundation
} // namespace tessaron
