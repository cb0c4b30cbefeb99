// CLanguagesPage: the language page of the options sheet.
#include "app/LanguagesPage.h"
#include "AppIds.h"
#include "ComboBox.h"
#include "app/SettingsSheet.h"
#include "station/config/ProjektConfig.h"
#include "station/record/ApplicationValues.h"

IMPLEMENT_DYNAMIC(CLanguagesPage, CMyPropertyPage)

CLanguagesPage::CLanguagesPage() : CMyPropertyPage(IDD_LANGUAGES_PAGE), m_languages(10)
{
    if (CProjektConfig* pConfig = GetProjektConfig())
    {
        m_strLanguage = pConfig->GetLanguage();
        pConfig->GetLanguages(m_languages);
    }
}

CLanguagesPage::~CLanguagesPage()
{
}

BOOL CLanguagesPage::OnInitDialog()
{
    CMyPropertyPage::OnInitDialog();
    CComboBox* pList = (CComboBox*)GetDlgItem(IDC_LANGUAGE_LIST);
    CString strName, strLibrary;
    for (POSITION pos = m_languages.GetStartPosition(); pos != NULL;)
    {
        m_languages.GetNextAssoc(pos, strName, strLibrary);
        pList->AddString(strName);
    }
    // The stored name may differ from the installed one in letter case.
    for (int i = 0; i < pList->GetCount(); i++)
    {
        pList->GetLBText(i, strName);
        if (::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, strName, -1, m_strLanguage, -1) ==
            CSTR_EQUAL)
        {
            pList->SetCurSel(i);
            break;
        }
    }
    CSettingsSheet::EnableForConfiguration(this);
    return TRUE;
}

BOOL CLanguagesPage::OnApply()
{
    CComboBox* pList = (CComboBox*)GetDlgItem(IDC_LANGUAGE_LIST);
    const int nSelected = pList->GetCurSel();
    if (nSelected != CB_ERR)
        pList->GetLBText(nSelected, m_strLanguage);
    if (CProjektConfig* pConfig = GetProjektConfig())
        pConfig->SetLanguage(m_strLanguage);
    return CMyPropertyPage::OnApply();
}
