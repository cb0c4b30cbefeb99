// CMapStringToString: a map from strings to strings.
// Stored as the count and key, value string pairs.
//
// Differences from MFC:
// - Built on CMap (MFC writes each class out); the members and their behaviour are those of
//   CMap, see Map.h.
#pragma once
#include "Map.h"
#include "String.h"

class CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR>
{
    DECLARE_SERIAL(CMapStringToString)

    // Construction
  public:
    explicit CMapStringToString(int nBlockSize = 10) : CMap<CString, LPCTSTR, CString, LPCTSTR>(nBlockSize)
    {
    }
};
