// CFontDialog: ChooseFont on a LOGFONT of the object.
#include "FontDialog.h"
#include "DC.h"

IMPLEMENT_DYNAMIC(CFontDialog, CCommonDialog)

CFontDialog::CFontDialog(LPLOGFONT lplfInitial, DWORD dwFlags, CDC* pdcPrinter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_cf, 0, sizeof(m_cf));
    memset(&m_lf, 0, sizeof(m_lf));
    m_szStyleName[0] = '\0';
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.lpLogFont = &m_lf;
    m_cf.lpszStyle = m_szStyleName;
    m_cf.Flags = dwFlags | CF_ENABLEHOOK;
    m_cf.lpfnHook = &CCommonDialog::HookProc;
    if (lplfInitial != NULL)
    {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (pdcPrinter != NULL)
    {
        m_cf.hDC = pdcPrinter->m_hAttribDC;
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

static BOOL AfxRunFont(void* pRecord)
{
    return ::ChooseFont((CHOOSEFONT*)pRecord);
}

INT_PTR CFontDialog::DoModal()
{
    m_cf.hwndOwner = OwnerForSystemDialog();
    return RunSystemDialog(&AfxRunFont, &m_cf);
}

void CFontDialog::GetCurrentFont(LPLOGFONT lplf)
{
    if (m_hWnd != NULL)
        SendMessage(WM_CHOOSEFONT_GETLOGFONT, 0, (LPARAM)lplf); // the choice so far
    else
        *lplf = m_lf;
}
