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
class CGXDocument;
class CGXWorkbookManager;

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
    // The library's own multi-sheet format: the sheet count and each sheet's parameter object.
    virtual void Serialize(CArchive& ar);
    virtual CGXGridParam* GetGridParam(UINT nSheet);
    // The grids of a document are the sheets of its workbook's tab window: null and -1 where
    // there is none.
    virtual CGXGridCore* GetGrid(UINT nSheet);
    virtual int FindSheet(CWnd* pWnd);
    // This object as the grid document it is mixed into, or null.
    virtual CGXDocument* GetDocument();
    virtual CWnd* GetTabWnd();
    // The adapter of the document that stands for the workbook.
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
    // The document that stands for the workbook (this one's own while none is set), or null.
    CGXDocument* GetOwnerDocument();
    // The keeper of the owner document's workbook, or null.
    CGXWorkbookManager* GetWorkbookManager();

    CGXNodeManagerAr<CGXGridParam>* m_pParamManager = NULL; // owned
};

// The path of an archive's file (empty without a file).
CString AFXAPI GXGetArchivePath(CArchive& ar);
