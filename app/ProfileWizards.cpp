// Shared parts of the profile wizards.
#include "app/ProfileWizards.h"
#include "app/IRControlView.h"
#include "app/Label.h"
#include "AppIds.h"

BOOL CProfileWizPage::OnCreatePage()
{
    CWnd* pHeading = GetDlgItem(IDC_WIZ_HEADING);
    CFont* pFont = GetFont();
    LOGFONT lf;
    if (pHeading != NULL && pFont != NULL && pFont->GetLogFont(&lf))
    {
        lf.lfWeight = FW_BOLD;
        m_headingFont.DeleteObject();
        if (m_headingFont.CreateFontIndirect(&lf))
            pHeading->SetFont(&m_headingFont);
    }
    return CNewWizPage::OnCreatePage();
}

namespace profile_wizards
{
void StyleLabel(CLabel& label, COLORREF colour, BOOL bBold, int nSize)
{
    label.SetFontName(_T("MS Sans Serif"));
    if (bBold)
        label.SetFontBold(TRUE);
    if (nSize > 0)
        label.SetFontSize(nSize);
    label.SetTextColor(colour);
}

CIRControlView* FindView(HWND hView)
{
    if (hView == NULL || !::IsWindow(hView))
        return NULL;
    return DYNAMIC_DOWNCAST(CIRControlView, CWnd::FromHandlePermanent(hView));
}
} // namespace profile_wizards
