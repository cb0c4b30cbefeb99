// The workbook adapter of a document.
#include "grid/core/ExcelDocAdapter.h"
#include "grid/core/AppData.h"
#include "grid/core/ExcelReader.h"
#include "grid/core/GridParam.h"
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
        // The document as its own storing owner has no target while GetDocument is null.
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
    // Without a reader, or for files that are not workbooks, the document's own format holds;
    // a document adapter has no document to hand them to yet.
    if (m_pReader == NULL)
        return;
    if (ar.IsStoring())
    {
        if (m_bSaveAsWorkbook)
            m_pReader->WriteToArchive(ar, this);
        return;
    }
    if (!IsExcelFile(GXGetArchivePath(ar)))
        return;
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

void CGXExcelDocAdapter::Serialize(CArchive&)
{
}

CGXGridParam* CGXExcelDocAdapter::GetGridParam(UINT nSheet)
{
    CGXNodeManagerAr<CGXGridParam>* pManager = GetParamManager();
    return pManager != NULL ? pManager->GetOrCreate(nSheet) : NULL;
}

CGXGridCore* CGXExcelDocAdapter::GetGrid(UINT)
{
    return NULL;
}

int CGXExcelDocAdapter::FindSheet(CWnd*)
{
    return 0;
}

CDocument* CGXExcelDocAdapter::GetDocument()
{
    return NULL;
}

CWnd* CGXExcelDocAdapter::GetTabWnd()
{
    return NULL;
}

CGXExcelDocAdapter* CGXExcelDocAdapter::GetOwnerAdapter()
{
    return NULL;
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
