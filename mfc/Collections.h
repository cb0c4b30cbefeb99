// The framework's collections that are not templates: arrays, lists and maps of object
// pointers, untyped pointers, numbers and strings, each a class of its own.
//
// Differences from MFC:
// - The classes are built on the templates of afxtempl.h (CArray, CList, CMap), which this
//   header therefore brings along; see Array.h, List.h and Map.h.
#pragma once
#include "Object.h"
#include "ObArray.h"
#include "PtrArray.h"
#include "DWordArray.h"
#include "WordArray.h"
#include "ByteArray.h"
#include "UIntArray.h"
#include "StringArray.h"
#include "ObList.h"
#include "PtrList.h"
#include "StringList.h"
#include "MapStringToOb.h"
#include "MapStringToPtr.h"
#include "MapStringToString.h"
#include "MapPtrToPtr.h"
#include "MapPtrToWord.h"
#include "MapWordToPtr.h"
#include "MapWordToOb.h"
