// CAnalyseDlg: the analysis cursor's values.
#include "app/AnalyseDlg.h"
#include "AppIds.h"
#include "station/record/MeasureCurve.h"

IMPLEMENT_DYNAMIC(CAnalyseDlg, CMyDialog)

CAnalyseDlg::CAnalyseDlg() : CMyDialog(IDD_ANALYSE, NULL)
{
}

CAnalyseDlg::~CAnalyseDlg()
{
}

CDialog* CAnalyseDlg::CreateForDocument()
{
    CAnalyseDlg* pDlg = new CAnalyseDlg;
    // Owned by the main window: a click on the page brings the main window to the front, and a
    // window it owns comes along instead of disappearing behind it.
    if (!pDlg->Create(IDD_ANALYSE, AfxGetMainWnd()))
    {
        delete pDlg;
        return NULL;
    }
    return pDlg;
}

void CAnalyseDlg::ShowValuesOf(CDialog* pDlg, CObList& objects, const CString& strPosition, int nTime)
{
    if (CAnalyseDlg* pAnalyse = dynamic_cast<CAnalyseDlg*>(pDlg))
        pAnalyse->ShowValuesAt(objects, strPosition, nTime);
}

BOOL CAnalyseDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    return FALSE;
}

void CAnalyseDlg::DoDataExchange(CDataExchange* pDX)
{
    CMyDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ANALYSE_POSITION, m_strText[0]);
    DDX_Text(pDX, IDC_ANALYSE_VALUE1, m_strText[1]);
    DDX_Text(pDX, IDC_ANALYSE_VALUE2, m_strText[2]);
}

void CAnalyseDlg::ShowValuesAt(CObList& objects, CString strPosition, int nTime)
{
    m_strText[0] = strPosition;
    int n = 1;
    for (POSITION pos = objects.GetHeadPosition(); pos != NULL && n < TextCount;)
        if (CMeasureCurve* pCurve = dynamic_cast<CMeasureCurve*>(objects.GetNext(pos)))
            pCurve->GetValueTextAt(m_strText[n++], nTime);
    for (; n < TextCount; n++)
        m_strText[n].Empty();
    if (m_hWnd != NULL)
        UpdateData(FALSE);
}
