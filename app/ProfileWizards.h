// What the download and upload wizards share: one modeless instance each, bound to the
// recording view that started it, and the red and blue labels of their pages.
#pragma once
#include "afxwin.h"
#include "station/record/NewWizPage.h"

class CIRControlView;
class CLabel;

// A page of the profile wizards: its heading (the page's first text) shows in bold.
class CProfileWizPage : public CNewWizPage
{
  public:
    explicit CProfileWizPage(UINT nIDTemplate) : CNewWizPage(nIDTemplate)
    {
    }
    BOOL OnCreatePage() override;

  protected:
    CFont m_headingFont;
};

namespace profile_wizards
{
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// Face "MS Sans Serif", bold when asked, the size when given (0 keeps it), the colour.
void StyleLabel(CLabel& label, COLORREF colour, BOOL bBold, int nSize);

// The recording view behind the window handle; NULL once it is gone.
CIRControlView* FindView(HWND hView);

// The instance in pInstance, or a new one, parented to the running thread's main window and
// created modeless; the wizard's destructor clears pInstance.
template <class TWizard> TWizard* GetSingleWizard(TWizard*& pInstance)
{
    if (pInstance != NULL)
        return pInstance;
    CWinThread* pThread = AfxGetThread();
    TWizard* pWizard = new TWizard(pThread != NULL ? pThread->m_pMainWnd : NULL);
    pInstance = pWizard;
    if (!pWizard->CreateModeless())
    {
        delete pWizard;
        return NULL;
    }
    return pWizard;
}
} // namespace profile_wizards
