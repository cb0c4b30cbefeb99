// The workbook adapter of a document.
#include "grid/excel/ExcelDocAdapter.h"
#include "grid/core/AppData.h"
#include "grid/excel/ExcelReader.h"
#include "grid/core/GridCore.h"
#include "grid/excel/GridDocument.h"
#include "grid/core/GridParam.h"
#include "grid/excel/WorkbookManager.h"
#include "grid/core/Properties.h"
#include "grid/core/StylesMap.h"
#include <objbase.h>
#include <string.h>

CString AFXAPI GXGetArchivePath(CArchive& ar)
{
    CFile* pFile = ar.GetFile();
    return pFile != NULL ? pFile->GetFilePath() : CString();
}

CGXExcelDocAdapter::CGXExcelDocAdapter()
{
}

CGXExcelDocAdapter::~CGXExcelDocAdapter()
{
    delete m_pParamManager;
    delete m_pReader;
}

void CGXExcelDocAdapter::CreateReader()
{
    if (m_pReader == NULL && GXGetAppData()->m_pExcelReaderMaker != NULL)
        m_pReader = GXGetAppData()->m_pExcelReaderMaker->CreateReader();
}

void CGXExcelDocAdapter::PrepareSheet(UINT nSheet, UINT nSecond)
{
    if (nSheet == 0 && nSecond == noSecondSheet)
    {
        if (CGXDocument* pDoc = GetDocument())
            pDoc->SetStoringDocument(pDoc);
        GetGridParam(0);
        CreateSharedObjects();
    }
    GetGridParam(nSheet);
    AttachSharedObjects(nSheet, nSecond);
}

void CGXExcelDocAdapter::ReadExcelFile()
{
    if (m_pReader != NULL && IsExcelFile(m_strPath))
        m_pReader->ReadFile(m_strPath, this);
}

void CGXExcelDocAdapter::UpdateSheetCount()
{
    if (m_pReader != NULL)
        m_dwSheetCount = m_pReader->GetSheetCount();
}

void CGXExcelDocAdapter::SerializeWorkbook(CArchive& ar, BOOL bDirect)
{
    // Files that are not workbooks, and storing with the switch off, take the document's own
    // format.
    BOOL bWorkbook =
        m_pReader != NULL && (ar.IsStoring() ? m_bSaveAsWorkbook : IsExcelFile(GXGetArchivePath(ar)));
    if (!bWorkbook)
    {
        if (CGXDocument* pOwner = GetOwnerDocument())
            pOwner->CGXDocument::Serialize(ar);
        return;
    }
    if (ar.IsStoring())
    {
        m_pReader->WriteToArchive(ar, this);
        return;
    }
    if (bDirect)
    {
        m_pReader->ReadFromArchive(ar, this);
        m_bState = FALSE;
        return;
    }
    m_bState = TRUE;
    DWORD dwMode = m_pReader->SetMode(2);
    try
    {
        m_pReader->ReadFromArchive(ar, this);
    }
    catch (...)
    {
        m_pReader->SetMode(dwMode);
        throw;
    }
    m_pReader->SetMode(dwMode);
    UpdateSheetCount();
}

void CGXExcelDocAdapter::Serialize(CArchive& ar)
{
    UpdateSheetCount();
    if (ar.IsStoring())
    {
        ar << m_dwSheetCount;
        CGXWorkbookManager* pManager = GetWorkbookManager();
        int nSheets = pManager != NULL ? pManager->GetSheetCount() : 0;
        for (int i = 0; i < nSheets; i++)
            if (CGXGridParam* pParam = GetGridParam((UINT)i))
                pParam->Serialize(ar);
        return;
    }
    DWORD dwCount = 0;
    ar >> dwCount;
    m_dwSheetCount = dwCount;
    for (DWORD i = 0; i < dwCount; i++)
    {
        CGXGridParam* pParam = GetGridParam(i);
        if (pParam == NULL)
            AfxThrowArchiveException(CArchiveException::generic);
        pParam->Serialize(ar);
        if (i == 0)
        {
            m_pProperties = pParam->GetProperties();
            m_pStylesMap = pParam->GetStylesMap();
            m_pPrintDevice = pParam->GetPrintDevice();
        }
        else
            AttachSharedObjects(i, 0);
    }
    if (m_pReader != NULL)
        m_pReader->SetSheetCount(dwCount);
}

CGXGridParam* CGXExcelDocAdapter::GetGridParam(UINT nSheet)
{
    CGXNodeManagerAr<CGXGridParam>* pManager = GetParamManager();
    return pManager != NULL ? pManager->GetOrCreate(nSheet) : NULL;
}

CGXGridCore* CGXExcelDocAdapter::GetGrid(UINT nSheet)
{
    CGXWorkbookManager* pManager = GetWorkbookManager();
    return pManager != NULL ? dynamic_cast<CGXGridCore*>(pManager->GetSheetWnd((int)nSheet)) : NULL;
}

int CGXExcelDocAdapter::FindSheet(CWnd* pWnd)
{
    CGXWorkbookManager* pManager = GetWorkbookManager();
    return pManager != NULL ? pManager->FindSheet(pWnd) : -1;
}

CGXDocument* CGXExcelDocAdapter::GetDocument()
{
    return dynamic_cast<CGXDocument*>(this);
}

CWnd* CGXExcelDocAdapter::GetTabWnd()
{
    CGXWorkbookManager* pManager = GetWorkbookManager();
    return pManager != NULL ? pManager->GetTabWnd() : NULL;
}

CGXExcelDocAdapter* CGXExcelDocAdapter::GetOwnerAdapter()
{
    return dynamic_cast<CGXExcelDocAdapter*>(GetOwnerDocument());
}

CGXDocument* CGXExcelDocAdapter::GetOwnerDocument()
{
    CGXDocument* pDoc = GetDocument();
    if (pDoc == NULL)
        return NULL;
    return pDoc->GetStoringDocument() != NULL ? pDoc->GetStoringDocument() : pDoc;
}

CGXWorkbookManager* CGXExcelDocAdapter::GetWorkbookManager()
{
    CGXDocument* pOwner = GetOwnerDocument();
    return pOwner != NULL ? pOwner->LookupOwnerDocument() : NULL;
}

BOOL CGXExcelDocAdapter::IsExcelFile(LPCTSTR pszPath)
{
    size_t nLength = pszPath != NULL ? strlen(pszPath) : 0;
    if (nLength < 3 || memcmp(pszPath + nLength - 3, "xls", 3) != 0)
        return FALSE;
    int nWide = ::MultiByteToWideChar(CP_ACP, 0, pszPath, -1, NULL, 0);
    if (nWide <= 0)
        return FALSE;
    CArray<WCHAR, WCHAR> wide;
    wide.SetSize(nWide);
    ::MultiByteToWideChar(CP_ACP, 0, pszPath, -1, wide.GetData(), nWide);
    return ::StgIsStorageFile(wide.GetData()) == S_OK;
}

CGXExcelReader* CGXExcelDocAdapter::GetReader()
{
    return m_pReader;
}

CGXNodeManagerAr<CGXGridParam>* CGXExcelDocAdapter::GetParamManager()
{
    // The owner document's adapter keeps the parameter objects; without one this adapter does.
    CGXExcelDocAdapter* pOwner = GetOwnerAdapter();
    if (pOwner != NULL && pOwner != this)
        return pOwner->GetParamManager();
    if (m_pParamManager == NULL)
        m_pParamManager = new CGXNodeManagerAr<CGXGridParam>("CGXGridParam");
    return m_pParamManager;
}

void CGXExcelDocAdapter::CreateSharedObjects()
{
    m_pProperties = new CGXProperties;
    m_pStylesMap = new CGXStylesMap;
    m_pStylesMap->CreateStandardStyles();
    // The print device lives in the features library: made by its class name.
    CRuntimeClass* pClass = CRuntimeClass::FromName("CGXPrintDevice");
    m_pPrintDevice = pClass != NULL ? pClass->CreateObject() : NULL;
}

void CGXExcelDocAdapter::AttachSharedObjects(UINT nSheet, UINT nSecond)
{
    CGXGridParam* pParam = GetGridParam(nSheet);
    if (pParam == NULL || (nSecond != noSecondSheet && nSecond == nSheet))
        return;
    BOOL bOwn = nSheet == 0 && nSecond == noSecondSheet;
    // Installing what the parameter object already holds keeps it (the setters check).
    pParam->SetStylesMapObject(m_pStylesMap, bOwn);
    pParam->SetPropertiesObject(m_pProperties, bOwn);
    pParam->SetPrintDeviceObject(m_pPrintDevice, bOwn);
}
