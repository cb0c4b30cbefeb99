// The workbook adapter of a grid window.
#include "grid/excel/ExcelWndDocAdapter.h"
#include "grid/excel/ExcelReader.h"
#include "grid/core/GridCore.h"
#include "grid/core/GridParam.h"

CGXExcelWndDocAdapter::CGXExcelWndDocAdapter()
{
    CreateReader();
    UpdateSheetCount();
}

void CGXExcelWndDocAdapter::SerializeWorkbook(CArchive& ar, BOOL)
{
    CGXExcelDocAdapter::SerializeWorkbook(ar, TRUE);
}

void CGXExcelWndDocAdapter::Serialize(CArchive& ar)
{
    if (m_pGrid == NULL)
        return;
    if (ar.IsStoring())
    {
        ar.WriteObject(m_pGrid->GetParam());
        return;
    }
    CObject* pObject = ar.ReadObject(RUNTIME_CLASS(CGXGridParam));
    if (CGXGridParam* pParam = dynamic_cast<CGXGridParam*>(pObject))
        m_pGrid->AttachParamObject(pParam, TRUE);
    else
        delete pObject;
}

CGXGridParam* CGXExcelWndDocAdapter::GetGridParam(UINT)
{
    return m_pGrid != NULL ? m_pGrid->GetParam() : NULL;
}

CGXGridCore* CGXExcelWndDocAdapter::GetGrid(UINT)
{
    return m_pGrid;
}

int CGXExcelWndDocAdapter::FindSheet(CWnd*)
{
    return 0;
}

CGXDocument* CGXExcelWndDocAdapter::GetDocument()
{
    return NULL;
}

CWnd* CGXExcelWndDocAdapter::GetTabWnd()
{
    return NULL;
}

CGXExcelDocAdapter* CGXExcelWndDocAdapter::GetOwnerAdapter()
{
    return NULL;
}

void CGXExcelWndDocAdapter::PrepareSheet(UINT, UINT)
{
}

void CGXExcelWndDocAdapter::PrepareFirstSheet(UINT nSheet)
{
    PrepareSheet(nSheet, noSecondSheet);
}

BOOL CGXExcelWndDocAdapter::SaveDocument(LPCTSTR pszPath)
{
    if (m_pReader == NULL)
        return FALSE;
    m_pReader->SetSheetCount(1);
    UpdateSheetCount();
    return m_pReader->WriteFile(pszPath, this);
}
