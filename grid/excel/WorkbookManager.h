// What a grid document needs of the keeper of its workbook (the sheet-tab manager or a
// document adapter): loading and storing every sheet and the sheets' modified flags; and what
// a workbook adapter needs: the tab window that shows the sheets.
#pragma once
#include "afx.h"

class CGXDocument;
class CWnd;

class CGXWorkbookManager
{
  public:
    virtual ~CGXWorkbookManager() = default;

    // Reads the workbook for the document (nReserved 0); FALSE when it cannot.
    virtual BOOL Load(CArchive& ar, CGXDocument* pDoc, int nReserved) = 0;
    virtual void Store(CArchive& ar) = 0;
    // TRUE when the document of any sheet is modified.
    virtual BOOL IsModified() = 0;
    virtual void SetModifiedFlagAll(BOOL bModified) = 0;
    // The tab window of the workbook, the window of a sheet, the sheet of a window: null and -1
    // where the keeper shows no tabs.
    virtual CWnd* GetTabWnd()
    {
        return NULL;
    }
    virtual CWnd* GetSheetWnd(int)
    {
        return NULL;
    }
    virtual int FindSheet(CWnd*)
    {
        return -1;
    }
    virtual int GetSheetCount()
    {
        return 0;
    }
};
