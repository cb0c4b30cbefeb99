// CGXExcelMap<T>: the interface of a map from workbook record type to the one handler or table
// object that reads and writes records of that type, with the grid being read or written.
#pragma once
#include "mfc/AfxCore.h"

class CGXGridCore;

template <class T> class CGXExcelMap
{
  public:
    virtual ~CGXExcelMap() = default;
    // The object of the record type (made on first use), or NULL.
    virtual T* Lookup(WORD nType) = 0;
    // Makes every object and resets it.
    virtual void ResetAll() = 0;
    virtual void SetContext(CGXGridCore* pGrid) = 0;
    virtual CGXGridCore* GetContext() const = 0;
};
