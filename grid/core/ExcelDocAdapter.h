// Stands between the workbook reader and the grids of a document: owns the reader, hands it the
// grid and parameter object of each sheet ordinal, prepares sheets while a workbook is counted
// and offers loading and storing through the reader. Used as a mix-in of a document.
#pragma once
#include "grid/core/NodeManagerAr.h"
#include "afxwin.h"

class CGXExcelReader;
class CGXGridCore;
class CGXGridParam;
class CGXProperties;
class CGXStylesMap;
class CDocument;

class CGXExcelDocAdapter
{
  public:
    // Construction
    CGXExcelDocAdapter();
    virtual ~CGXExcelDocAdapter();
    CGXExcelDocAdapter(const CGXExcelDocAdapter&) = delete;
    CGXExcelDocAdapter& operator=(const CGXExcelDocAdapter&) = delete;

    enum : UINT
    {
        noSecondSheet = 0xFFFF
    };

    // Overridables
    virtual void PrepareSheet(UINT nSheet, UINT nSecond);
    virtual void ReadExcelFile();
    virtual void UpdateSheetCount();
    virtual void SerializeWorkbook(CArchive& ar, BOOL bDirect);
    // The library's own multi-sheet format needs the sheet-tab window: nothing yet.
    virtual void Serialize(CArchive& ar);
    virtual CGXGridParam* GetGridParam(UINT nSheet);
    // The grids of a document are its sheet tabs, which are not there yet: null and 0.
    virtual CGXGridCore* GetGrid(UINT nSheet);
    virtual int FindSheet(CWnd* pWnd);
    virtual CDocument* GetDocument();
    virtual CWnd* GetTabWnd();
    virtual CGXExcelDocAdapter* GetOwnerAdapter();
    // TRUE for a path ending in "xls" that names a compound file.
    virtual BOOL IsExcelFile(LPCTSTR pszPath);
    virtual CGXExcelReader* GetReader();
    virtual CGXNodeManagerAr<CGXGridParam>* GetParamManager();
    virtual void CreateSharedObjects();
    virtual void AttachSharedObjects(UINT nSheet, UINT nSecond);

    // Attributes
    CGXExcelReader* m_pReader = NULL; // owned; null where no reader is installed
    BOOL m_bSaveAsWorkbook = TRUE;    // FALSE: storing goes to the document's own format
    BOOL m_bState = TRUE;             // the second pass: TRUE after counting, FALSE after a full read
    DWORD m_dwSheetCount = 0;
    CString m_strPath;
    CGXProperties* m_pProperties = NULL; // shared by every sheet, owned by sheet 0's parameters
    CGXStylesMap* m_pStylesMap = NULL;
    CObject* m_pPrintDevice = NULL;

  protected:
    // Makes the reader through the installed maker (none without the workbook library).
    void CreateReader();

    CGXNodeManagerAr<CGXGridParam>* m_pParamManager = NULL; // owned
};

// The path of an archive's file (empty without a file).
CString AFXAPI GXGetArchivePath(CArchive& ar);
