// The collection templates: arrays, lists and maps of any element type, the element helpers
// they call, and the typed wrappers of the pointer collections.
//
// Differences from MFC:
// - See the headers of the single templates. The non-template collections of afx.h are built on
//   these templates, so afx.h already brings CArray, CList and CMap along.
#pragma once
#include "afx.h"
#include "ElementHelpers.h"
#include "Array.h"
#include "List.h"
#include "Map.h"
#include "TypedPtrArray.h"
#include "TypedPtrList.h"
#include "TypedPtrMap.h"
