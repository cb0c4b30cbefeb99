// Number fields: typing digits, committing them, stepping by keys.
#include "DTNumericGadget.h"

IMPLEMENT_DYNAMIC(CGXBDTNumericGadget, CGXBDTGadget)

BOOL CGXBDTNumericGadget::Initialise(CGXBDateTimeCtrl* pOwner, int nMin, int nMax, int nValue,
                                     BOOL bLeadingZeros, int nId)
{
    CGXBDTGadget::Initialise(pOwner, nId);
    m_nMin = nMin;
    m_nMax = nMax;
    m_nValue = nValue;
    m_bLeadingZeros = bLeadingZeros;
    m_nWidth = nMax < 10 ? 1 : nMax < 100 ? 2 : nMax < 1000 ? 3 : 4;
    return TRUE;
}

CString CGXBDTNumericGadget::FormatNumber(int nValue) const
{
    CString str;
    if (m_bLeadingZeros)
    {
        CString strFormat;
        strFormat.Format(_T("%%0%dd"), m_nWidth);
        str.Format(strFormat, nValue);
    }
    else
        str.Format(_T("%d"), nValue);
    return str;
}

CString CGXBDTNumericGadget::GetText() const
{
    return FormatNumber(m_nTyped > 0 ? m_nTypedValue : m_nValue);
}

void CGXBDTNumericGadget::CalcSize(CDC* pDC)
{
    CSize size = pDC->GetTextExtent(CString(_T("00000")).Left(m_nWidth));
    m_rect.SetRect(0, 0, size.cx, size.cy);
}

void CGXBDTNumericGadget::Draw(CDC* pDC)
{
    int nOldMode = pDC->SetBkMode(OPAQUE);
    COLORREF crOldText, crOldBk;
    if (m_bFocus)
    {
        crOldText = pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        crOldBk = pDC->SetBkColor(::GetSysColor(COLOR_HIGHLIGHT));
    }
    else
    {
        crOldText = pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
        crOldBk = pDC->SetBkColor(GetBkColour());
    }
    pDC->FillSolidRect(m_rect, pDC->GetBkColor());
    DrawGadgetText(pDC, GetText(), TRUE);
    pDC->SetTextColor(crOldText);
    pDC->SetBkColor(crOldBk);
    pDC->SetBkMode(nOldMode);
}

BOOL CGXBDTNumericGadget::Commit()
{
    m_nTyped = 0;
    BOOL bOk = Notify(GXDT_NOTIFY_VALIDATE, m_nId, m_nTypedValue);
    if (bOk)
    {
        m_nValue = m_nTypedValue;
        Notify(GXDT_NOTIFY_SET, m_nId, m_nTypedValue);
    }
    else
    {
        ::MessageBeep((UINT)-1);
        Invalidate(TRUE);
    }
    Notify(GXDT_NOTIFY_TYPING, m_nId, 0);
    return bOk;
}

void CGXBDTNumericGadget::Abandon()
{
    ::MessageBeep((UINT)-1);
    m_nTyped = 0;
    Invalidate(TRUE);
    Notify(GXDT_NOTIFY_TYPING, m_nId, 0);
}

BOOL CGXBDTNumericGadget::SetFocus(BOOL bFocus)
{
    if (m_nTyped > 0)
        Commit();
    return CGXBDTGadget::SetFocus(bFocus);
}

void CGXBDTNumericGadget::OnCancelMode()
{
    if (m_nTyped > 0)
        Commit();
}

void CGXBDTNumericGadget::OnKeyDown(UINT nChar)
{
    BOOL bDigit = (nChar >= '0' && nChar <= '9') || (nChar >= VK_NUMPAD0 && nChar <= VK_NUMPAD9);
    if (!bDigit && m_nTyped > 0 && !Commit())
        return;
    StepKey(nChar);
}

void CGXBDTNumericGadget::OnChar(UINT nChar)
{
    if (nChar < '0' || nChar > '9')
    {
        if (m_nTyped > 0)
            Abandon();
        return;
    }
    int nDigit = (int)(nChar - '0');
    if (m_nTyped == 0)
    {
        Notify(GXDT_NOTIFY_TYPING, m_nId, 1);
        m_nTypedValue = nDigit;
        m_nTyped = 1;
    }
    else if (m_nTypedValue == 0 && nDigit == 0)
        ; // a further leading zero does not count
    else
    {
        m_nTypedValue = m_nTypedValue * 10 + nDigit;
        m_nTyped++;
    }
    if (m_nTyped >= m_nWidth && Commit())
        Notify(GXDT_NOTIFY_TYPED, m_nId, 0);
    Invalidate(TRUE);
}
