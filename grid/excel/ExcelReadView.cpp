// The Excel-capable grid view.
#include "grid/excel/ExcelReadView.h"
#include "grid/core/AppData.h"
#include "grid/excel/ExcelDocAdapter.h"
#include "grid/excel/ExcelReadWnd.h"
#include "grid/core/GridParam.h"
#include "grid/core/Properties.h"
#include "Document.h"

IMPLEMENT_DYNCREATE(CGXExcelReadView, CGXGridView)

// 0x7E5: wParam -1 runs the options and then the defaults of the sheet set-up; answers 0.
BEGIN_MESSAGE_MAP(CGXExcelReadView, CGXGridView)
ON_MESSAGE(0x7E5, OnInitSheet)
END_MESSAGE_MAP()

CGXGridParam* CGXExcelReadView::GetDocParam()
{
    return NULL;
}

CGXExcelDocAdapter* CGXExcelReadView::GetDocAdapter()
{
    return NULL;
}

void CGXExcelReadView::OnInitialUpdate()
{
    CGXExcelDocAdapter* pAdapter = GetDocAdapter();
    if (pAdapter != NULL && pAdapter->m_bState)
        return; // the adapter drives the set-up
    CGXGridView::OnInitialUpdate();
}

void CGXExcelReadView::InitSheetParam()
{
    if (CGXGridParam* pParam = GetDocParam())
        AttachParamObject(pParam, FALSE);
    CGXGridView::OnInitialUpdate();
    GXInitExcelSheetSize(this);
}

void CGXExcelReadView::InitSheetDefaults()
{
    GXInitExcelSheetDefaults(this);
    SetHintsEnabled(TRUE);
    if (CDocument* pDoc = GetDocument())
        pDoc->SetModifiedFlag(FALSE);
}

void CGXExcelReadView::InitSheetOptions()
{
    // The properties' two further options (the pair archived after the print settings).
    if (CGXGridParam* pParam = GetParam())
        if (CGXProperties* pProp = pParam->GetProperties())
            pProp->m_w1 = pProp->m_w2 = 1;
    GXSetParamDefaults(1, 2, 1);
}

LRESULT CGXExcelReadView::OnInitSheet(WPARAM wParam, LPARAM)
{
    if ((int)wParam == -1)
    {
        InitSheetOptions();
        InitSheetDefaults();
    }
    return 0;
}

void CGXExcelReadView::ShowGridScrollBar(int nBar, BOOL bShow)
{
    ShowScrollBar(nBar, bShow);
}
