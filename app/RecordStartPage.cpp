// CRecordStartPage: the recording-start page of the display settings sheet.
#include "app/RecordStartPage.h"
#include "AppIds.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"

IMPLEMENT_DYNAMIC(CRecordStartPage, CMyPropertyPage)

CRecordStartPage::CRecordStartPage() : CMyPropertyPage(IDD_RECORD_START_PAGE), m_nAutoRecord(2)
{
    m_bModifiedByCommands = TRUE;
    if (CProjektConfig* pConfig = GetProjektConfig())
        m_nAutoRecord = (int)pConfig->GetAutoRecord();
}

CRecordStartPage::~CRecordStartPage()
{
}

void CRecordStartPage::DoDataExchange(CDataExchange* pDX)
{
    CMyPropertyPage::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_RECORD_START_SWING, m_nAutoRecord);
}

BOOL CRecordStartPage::OnApply()
{
    if (!UpdateData(TRUE))
        return FALSE;
    if (CProjektConfig* pConfig = GetProjektConfig())
        pConfig->SetAutoRecord(m_nAutoRecord);
    return CMyPropertyPage::OnApply();
}
