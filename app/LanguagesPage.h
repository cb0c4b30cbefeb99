// CLanguagesPage: the language of the user interface, one of the installed ones; it becomes
// active at the next start.
#pragma once
#include "station/record/MyPropertyPage.h"

class CLanguagesPage : public CMyPropertyPage
{
    DECLARE_DYNAMIC(CLanguagesPage)

  public:
    // Construction
    CLanguagesPage();
    ~CLanguagesPage() override;

    // Attributes
    CString m_strLanguage;
    CMapStringToString m_languages; // name: its resource library

    // Overrides
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
};
