// The workbook reader and writer as the adapters see it: reading a workbook file into the
// adapter's grids, writing them as one, and the mode, sheet count and sheet index of a read.
// The implementation lives with the record handlers; an adapter gets one from the maker that
// the library installs in CGXAppData.
#pragma once
#include "afx.h"

class CGXExcelDocAdapter;

class CGXExcelReader
{
  public:
    // Construction
    virtual ~CGXExcelReader() = default;

    // Operations (a read raises the reader's error codes; a write reports its own errors and
    // answers whether the file was written)
    virtual void ReadFile(const CString& strPath, CGXExcelDocAdapter* pAdapter) = 0;
    virtual void ReadFromArchive(CArchive& ar, CGXExcelDocAdapter* pAdapter) = 0;
    virtual BOOL WriteFile(const CString& strPath, CGXExcelDocAdapter* pAdapter) = 0;
    virtual BOOL WriteToArchive(CArchive& ar, CGXExcelDocAdapter* pAdapter) = 0;
    // Answers the previous mode.
    virtual DWORD SetMode(DWORD dwMode) = 0;
    virtual DWORD GetMode() = 0;
    virtual DWORD GetSheetCount() = 0;
    virtual void SetSheetCount(DWORD dwCount) = 0;
    virtual void SetSheetIndex(DWORD dwIndex)
    {
        m_dwSheetIndex = dwIndex;
    }
    virtual DWORD GetSheetIndex()
    {
        return m_dwSheetIndex;
    }

  protected:
    DWORD m_dwSheetIndex = 0; // the one sheet a single-sheet read processes
};
