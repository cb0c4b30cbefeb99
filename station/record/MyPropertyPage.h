// CMyPropertyPage: the base of the program's property pages, made from a dialog template. The
// application adds its help to it.
#pragma once
#include "afxdlgs.h"

class CMyPropertyPage : public CPropertyPage
{
    DECLARE_DYNAMIC(CMyPropertyPage)

  public:
    explicit CMyPropertyPage(UINT nIDTemplate) : CPropertyPage(nIDTemplate)
    {
    }
};
