// CKuvoInfoDlg: filling the about box from the version resource.
#include "app/KuvoInfoDlg.h"
#include "AppIds.h"
#include "app/Version.h"

IMPLEMENT_DYNAMIC(CKuvoInfoDlg, CMyDialog)

CKuvoInfoDlg::CKuvoInfoDlg(CWnd* pParent) : CMyDialog(IDD_KUVO_INFO, pParent)
{
}

CKuvoInfoDlg::~CKuvoInfoDlg()
{
}

BOOL CKuvoInfoDlg::OnInitDialog()
{
    CMyDialog::OnInitDialog();
    m_linkMail.SubclassDlgItem(IDC_INFO_MAIL, this);
    m_linkWeb.SubclassDlgItem(IDC_INFO_WEB, this);
    m_labelTitle.SubclassDlgItem(IDC_INFO_TITLE, this);
    m_labelNotice1.SubclassDlgItem(IDC_INFO_NOTICE1, this);
    m_labelNotice2.SubclassDlgItem(IDC_INFO_NOTICE2, this);

    CString strMail;
    GetDlgItem(IDC_INFO_MAIL)->GetWindowText(strMail);
    m_linkMail.m_link = "mailto:" + strMail;

    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, szPath, sizeof(szPath));
    CVersion version(szPath);
    const CString strProduct = version.GetProductName();
    m_labelTitle.SetText(strProduct);
    CString strVersion = version.GetFileVersion();
    strVersion.Replace(",", ".");
    strVersion.Remove(' ');
    SetDlgItemText(IDC_INFO_VERSION, strVersion);
    SetDlgItemText(IDC_INFO_COPYRIGHT, version.GetCopyright());
    SetDlgItemText(IDC_INFO_COMMENTS, version.GetComments());

    m_labelTitle.SetFontBold(TRUE).SetFontName("MS Sans Serif");
    m_labelNotice1.SetFontName("Times New Roman").SetFontSize(10);
    m_labelNotice2.SetFontName("Times New Roman").SetFontSize(10);

    CString strTitle;
    strTitle.LoadString(IDS_INFO_TITLE);
    SetWindowText(strTitle + strProduct);
    return TRUE;
}
