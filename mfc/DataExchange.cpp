// Dialog data exchange: the DDX_ transfers, the DDV_ checks and CWnd::UpdateData that runs them.
#include "DataExchange.h"
#include "AfxState.h"
#include "MessageSink.h"
#include "Exception.h"
#include <float.h>
#include <stdlib.h>
#include <errno.h>
#include <math.h>

// ---- CWnd members that drive an exchange

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    // Controls changed by the exchange must not send notifications back into it.
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    HWND hWndOldLockout = pState->m_hLockoutNotifyWindow;
    pState->m_hLockoutNotifyWindow = m_hWnd;
    BOOL bOK = FALSE;
    try
    {
        DoDataExchange(&dx);
        bOK = TRUE;
    }
    catch (CUserException* e)
    {
        e->Delete(); // the failing DDX/DDV has told the user already
    }
    catch (CException* e)
    {
        e->ReportError(MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
        e->Delete();
    }
    pState->m_hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

// ---- CDataExchange

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(NULL),
      m_bEditLastControl(FALSE), m_idLastControl(0)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = NULL;
    m_pDlgWnd->GetDlgItem(nIDC, &hWndCtrl);
    if (hWndCtrl == NULL)
        AfxThrowNotSupportedException(); // a control id the template does not have
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    m_idLastControl = nIDC;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != NULL)
    {
        // The user corrects the value where it was typed.
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

// ---- helpers

static CString AfxCtrlText(HWND hWndCtrl)
{
    CString str;
    int nLen = ::GetWindowTextLength(hWndCtrl);
    ::GetWindowText(hWndCtrl, str.GetBuffer(nLen), nLen + 1);
    str.ReleaseBuffer();
    return str;
}

static void AfxSetCtrlText(HWND hWndCtrl, LPCTSTR lpszNew)
{
    // Unchanged text is not written again, so edit controls keep their selection and undo.
    if (AfxCtrlText(hWndCtrl) != lpszNew)
        ::SetWindowText(hWndCtrl, lpszNew);
}

[[noreturn]] static void AfxFailWithMessage(CDataExchange* pDX, UINT nIDPrompt)
{
    AfxMessageBox(nIDPrompt, MB_ICONEXCLAMATION);
    pDX->Fail();
}

// Text holding one whole number (blanks around it allowed); FALSE for anything else.
static BOOL AfxParseSigned(LPCTSTR psz, long long minVal, long long maxVal, long long* pValue)
{
    while (*psz == ' ' || *psz == '\t')
        ++psz;
    if (*psz == 0)
        return FALSE;
    char* pEnd = NULL;
    errno = 0;
    long long v = _strtoi64(psz, &pEnd, 10);
    if (pEnd == psz || errno == ERANGE)
        return FALSE;
    while (*pEnd == ' ' || *pEnd == '\t')
        ++pEnd;
    if (*pEnd != 0 || v < minVal || v > maxVal)
        return FALSE;
    *pValue = v;
    return TRUE;
}

static BOOL AfxParseUnsigned(LPCTSTR psz, unsigned long long maxVal, unsigned long long* pValue)
{
    while (*psz == ' ' || *psz == '\t')
        ++psz;
    if (*psz < '0' || *psz > '9')
        return FALSE; // no sign: "-1" must not wrap round
    char* pEnd = NULL;
    errno = 0;
    unsigned long long v = _strtoui64(psz, &pEnd, 10);
    if (errno == ERANGE)
        return FALSE;
    while (*pEnd == ' ' || *pEnd == '\t')
        ++pEnd;
    if (*pEnd != 0 || v > maxVal)
        return FALSE;
    *pValue = v;
    return TRUE;
}

static BOOL AfxParseReal(LPCTSTR psz, double* pValue)
{
    while (*psz == ' ' || *psz == '\t')
        ++psz;
    if (*psz == 0)
        return FALSE;
    char* pEnd = NULL;
    double d = strtod(psz, &pEnd);
    if (pEnd == psz)
        return FALSE;
    while (*pEnd == ' ' || *pEnd == '\t')
        ++pEnd;
    if (*pEnd != 0 || !isfinite(d))
        return FALSE;
    *pValue = d;
    return TRUE;
}

template <class T>
static void AfxTextSigned(CDataExchange* pDX, int nIDC, T& value, long long minVal, long long maxVal,
                          UINT nIDPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        long long v = 0;
        if (!AfxParseSigned(AfxCtrlText(hWndCtrl), minVal, maxVal, &v))
            AfxFailWithMessage(pDX, nIDPrompt);
        value = (T)v;
    }
    else
    {
        CString str;
        str.Format(_T("%I64d"), (long long)value);
        AfxSetCtrlText(hWndCtrl, str);
    }
}

template <class T>
static void AfxTextUnsigned(CDataExchange* pDX, int nIDC, T& value, unsigned long long maxVal, UINT nIDPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        unsigned long long v = 0;
        if (!AfxParseUnsigned(AfxCtrlText(hWndCtrl), maxVal, &v))
            AfxFailWithMessage(pDX, nIDPrompt);
        value = (T)v;
    }
    else
    {
        CString str;
        str.Format(_T("%I64u"), (unsigned long long)value);
        AfxSetCtrlText(hWndCtrl, str);
    }
}

template <class T> static void AfxTextReal(CDataExchange* pDX, int nIDC, T& value, int nDigits)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        double d = 0;
        if (!AfxParseReal(AfxCtrlText(hWndCtrl), &d) || (sizeof(T) == sizeof(float) && fabs(d) > FLT_MAX))
            AfxFailWithMessage(pDX, AFX_IDP_PARSE_REAL);
        value = (T)d;
    }
    else
    {
        CString str;
        str.Format(_T("%.*g"), nDigits, (double)value);
        AfxSetCtrlText(hWndCtrl, str);
    }
}

// ---- DDX_Text

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    AfxTextUnsigned(pDX, nIDC, value, 255, AFX_IDP_PARSE_BYTE);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    AfxTextSigned(pDX, nIDC, value, SHRT_MIN, SHRT_MAX, AFX_IDP_PARSE_INT);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    AfxTextSigned(pDX, nIDC, value, INT_MIN, INT_MAX, AFX_IDP_PARSE_INT);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    AfxTextUnsigned(pDX, nIDC, value, UINT_MAX, AFX_IDP_PARSE_UINT);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    AfxTextSigned(pDX, nIDC, value, LONG_MIN, LONG_MAX, AFX_IDP_PARSE_INT);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    AfxTextUnsigned(pDX, nIDC, value, ULONG_MAX, AFX_IDP_PARSE_UINT);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    AfxTextReal(pDX, nIDC, value, FLT_DIG);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    AfxTextReal(pDX, nIDC, value, DBL_DIG);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = AfxCtrlText(hWndCtrl);
    else
        AfxSetCtrlText(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        ::GetWindowText(hWndCtrl, value, nMaxLen);
    else
        AfxSetCtrlText(hWndCtrl, value);
}

// ---- buttons

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0);
    else
    {
        if (value < 0 || value > 2)
            value = 0; // out-of-range states show unchecked, as the control would
        ::SendMessage(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
    }
}

// nIDC is the first button of a group (WS_GROUP); value is the index of the checked one or -1.
void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int iButton = 0;
    do
    {
        if (::SendMessage(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (pDX->m_bSaveAndValidate)
            {
                if (::SendMessage(hWndCtrl, BM_GETCHECK, 0, 0) != 0)
                    value = iButton;
            }
            else
                ::SendMessage(hWndCtrl, BM_SETCHECK, iButton == value, 0);
            iButton++;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != NULL && !(::GetWindowLong(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

// ---- list and combo boxes

static CString AfxItemText(HWND hWndCtrl, UINT nLenMsg, UINT nTextMsg, int nIndex)
{
    CString str;
    int nLen = (int)::SendMessage(hWndCtrl, nLenMsg, nIndex, 0);
    if (nLen > 0)
    {
        ::SendMessage(hWndCtrl, nTextMsg, nIndex, (LPARAM)str.GetBuffer(nLen));
        str.ReleaseBuffer(nLen);
    }
    return str;
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        int nIndex = (int)::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0);
        value = nIndex != LB_ERR ? AfxItemText(hWndCtrl, LB_GETTEXTLEN, LB_GETTEXT, nIndex) : CString();
    }
    else if (::SendMessage(hWndCtrl, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == LB_ERR)
        ::SendMessage(hWndCtrl, LB_SETCURSEL, (WPARAM)-1, 0);
}

void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        DDX_LBString(pDX, nIDC, value);
    else
    {
        int i = (int)::SendMessage(hWndCtrl, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
        ::SendMessage(hWndCtrl, LB_SETCURSEL, (WPARAM)i, 0);
    }
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessage(hWndCtrl, LB_GETCURSEL, 0, 0);
    else
        ::SendMessage(hWndCtrl, LB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        // A drop-down list has no edit: its text is that of the selected item.
        if ((::GetWindowLong(hWndCtrl, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST)
        {
            int nIndex = (int)::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0);
            value =
                nIndex != CB_ERR ? AfxItemText(hWndCtrl, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex) : CString();
        }
        else
            value = AfxCtrlText(hWndCtrl);
    }
    else if (::SendMessage(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)value) == CB_ERR)
        AfxSetCtrlText(hWndCtrl, value); // ignored by drop-down lists
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        DDX_CBString(pDX, nIDC, value);
    else
    {
        int i = (int)::SendMessage(hWndCtrl, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
        if (i == CB_ERR)
            AfxSetCtrlText(hWndCtrl, value);
        else
            ::SendMessage(hWndCtrl, CB_SETCURSEL, (WPARAM)i, 0);
    }
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessage(hWndCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessage(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_Scroll(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ::GetScrollPos(hWndCtrl, SB_CTL);
    else
        ::SetScrollPos(hWndCtrl, SB_CTL, value, TRUE);
}

void AFXAPI DDX_Slider(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessage(hWndCtrl, TBM_GETPOS, 0, 0);
    else
        ::SendMessage(hWndCtrl, TBM_SETPOS, TRUE, value);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != NULL)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

// ---- DDV

static void AfxFailRange(CDataExchange* pDX, UINT nIDPrompt, LPCTSTR lpszMin, LPCTSTR lpszMax)
{
    if (!pDX->m_bSaveAndValidate)
        return; // the check belongs to reading only
    CString prompt;
    AfxFormatString2(prompt, nIDPrompt, lpszMin, lpszMax);
    AfxMessageBox(prompt, MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

static void AfxCheckSigned(CDataExchange* pDX, long long value, long long minVal, long long maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strMin, strMax;
    strMin.Format(_T("%I64d"), minVal);
    strMax.Format(_T("%I64d"), maxVal);
    AfxFailRange(pDX, AFX_IDP_PARSE_INT_RANGE, strMin, strMax);
}

static void AfxCheckUnsigned(CDataExchange* pDX, unsigned long long value, unsigned long long minVal,
                             unsigned long long maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strMin, strMax;
    strMin.Format(_T("%I64u"), minVal);
    strMax.Format(_T("%I64u"), maxVal);
    AfxFailRange(pDX, AFX_IDP_PARSE_INT_RANGE, strMin, strMax);
}

static void AfxCheckReal(CDataExchange* pDX, double value, double minVal, double maxVal, int nDigits)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strMin, strMax;
    strMin.Format(_T("%.*g"), nDigits, minVal);
    strMax.Format(_T("%.*g"), nDigits, maxVal);
    AfxFailRange(pDX, AFX_IDP_PARSE_REAL_RANGE, strMin, strMax);
}

void AFXAPI DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    AfxCheckUnsigned(pDX, value, minVal, maxVal);
}
void AFXAPI DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal)
{
    AfxCheckSigned(pDX, value, minVal, maxVal);
}
void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    AfxCheckSigned(pDX, value, minVal, maxVal);
}
void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    AfxCheckSigned(pDX, value, minVal, maxVal);
}
void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    AfxCheckUnsigned(pDX, value, minVal, maxVal);
}
void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    AfxCheckUnsigned(pDX, value, minVal, maxVal);
}
void AFXAPI DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal, float maxVal)
{
    AfxCheckReal(pDX, value, minVal, maxVal, FLT_DIG);
}
void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal)
{
    AfxCheckReal(pDX, value, minVal, maxVal, DBL_DIG);
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars)
{
    if (pDX->m_bSaveAndValidate)
    {
        if (value.GetLength() <= nChars)
            return;
        CString strMax;
        strMax.Format(_T("%d"), nChars);
        CString prompt;
        AfxFormatString1(prompt, AFX_IDP_PARSE_STRING_SIZE, strMax);
        AfxMessageBox(prompt, MB_ICONEXCLAMATION, AFX_IDP_PARSE_STRING_SIZE);
        pDX->Fail();
    }
    else if (pDX->m_hWndLastControl != NULL && pDX->m_bEditLastControl)
        ::SendMessage(pDX->m_hWndLastControl, EM_LIMITTEXT, (WPARAM)nChars, 0);
}
