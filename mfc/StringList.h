// CStringList: a list of CStrings.
// Stored as the count and the strings.
//
// Differences from MFC:
// - Built on CList (MFC writes each class out); the members and their behaviour are those of
//   CList, see List.h.
#pragma once
#include "List.h"
#include "String.h"

class CStringList : public CList<CString, const CString&>
{
    DECLARE_SERIAL(CStringList)

    // Construction
  public:
    explicit CStringList(int nBlockSize = 10) : CList<CString, const CString&>(nBlockSize)
    {
    }
};
