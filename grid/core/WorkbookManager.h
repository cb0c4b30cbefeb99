// What a grid document needs of the keeper of its workbook (the sheet-tab manager or a
// document adapter): loading and storing every sheet and the sheets' modified flags.
#pragma once
#include "afx.h"

class CGXDocument;

class CGXWorkbookManager
{
  public:
    virtual ~CGXWorkbookManager() = default;

    // Reads the workbook for the document (nReserved 0).
    virtual void Load(CArchive& ar, CGXDocument* pDoc, int nReserved) = 0;
    virtual void Store(CArchive& ar) = 0;
    // TRUE when the document of any sheet is modified.
    virtual BOOL IsModified() = 0;
    virtual void SetModifiedFlagAll(BOOL bModified) = 0;
};
