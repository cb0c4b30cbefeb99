// CColorDialog: ChooseColor with the program's custom colours.
#include "ColorDialog.h"

IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

COLORREF CColorDialog::c_CustColors[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd)
{
    memset(&m_cc, 0, sizeof(m_cc));
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = c_CustColors;
    m_cc.Flags = dwFlags | CC_ENABLEHOOK;
    m_cc.lpfnHook = &CCommonDialog::HookProc;
    if ((m_cc.rgbResult = clrInit) != 0)
        m_cc.Flags |= CC_RGBINIT;
}

static BOOL AfxRunColor(void* pRecord)
{
    return ::ChooseColor((CHOOSECOLOR*)pRecord);
}

INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = OwnerForSystemDialog();
    return RunSystemDialog(&AfxRunColor, &m_cc);
}
