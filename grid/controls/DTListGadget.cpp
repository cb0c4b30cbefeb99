// Name fields: type-ahead over the names, stepping by keys.
#include "DTListGadget.h"
#include <algorithm>
#include <mbstring.h>

IMPLEMENT_DYNAMIC(CGXBDTListGadget, CGXBDTGadget)

BOOL CGXBDTListGadget::Initialise(CGXBDateTimeCtrl* pOwner, const CStringArray& items, int nValue, int nId)
{
    CGXBDTGadget::Initialise(pOwner, nId);
    m_items.RemoveAll();
    for (INT_PTR i = 0; i < items.GetSize(); i++)
        m_items.Add(items[i]);
    m_nValue = nValue;
    return TRUE;
}

CString CGXBDTListGadget::GetText() const
{
    return m_nValue >= 0 && m_nValue < m_items.GetSize() ? m_items[m_nValue] : CString();
}

void CGXBDTListGadget::CalcSize(CDC* pDC)
{
    CSize sizeMax(0, 0);
    for (INT_PTR i = 0; i < m_items.GetSize(); i++)
    {
        CSize size = pDC->GetTextExtent(m_items[i]);
        sizeMax.cx = std::max(sizeMax.cx, size.cx);
        sizeMax.cy = std::max(sizeMax.cy, size.cy);
    }
    m_rect.SetRect(0, 0, sizeMax.cx, sizeMax.cy);
}

void CGXBDTListGadget::Draw(CDC* pDC)
{
    if (!m_bFocus)
    {
        DrawGadgetText(pDC, GetText(), TRUE);
        return;
    }
    int nOldMode = pDC->SetBkMode(OPAQUE);
    COLORREF crOldText = pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
    COLORREF crOldBk = pDC->SetBkColor(::GetSysColor(COLOR_HIGHLIGHT));
    pDC->FillSolidRect(m_rect, ::GetSysColor(COLOR_HIGHLIGHT));
    DrawGadgetText(pDC, GetText(), TRUE);
    pDC->SetTextColor(crOldText);
    pDC->SetBkColor(crOldBk);
    pDC->SetBkMode(nOldMode);
}

void CGXBDTListGadget::StopTypeAhead()
{
    if (m_bTimer)
        StopTimer();
    m_bTimer = FALSE;
    m_strPrefix.Empty();
}

BOOL CGXBDTListGadget::SetFocus(BOOL bFocus)
{
    StopTypeAhead();
    return CGXBDTGadget::SetFocus(bFocus);
}

void CGXBDTListGadget::OnTimer()
{
    StopTypeAhead();
}

void CGXBDTListGadget::OnKeyDown(UINT nChar)
{
    if (StepKey(nChar) && m_bTimer)
    {
        StopTimer();
        m_bTimer = FALSE;
    }
}

int CGXBDTListGadget::FindItem(int nStart, const CString& strText)
{
    INT_PTR n = m_items.GetSize();
    if (n == 0)
        return -1;
    if (nStart < 0 || nStart >= n)
        nStart = 0;
    int i = nStart;
    do
    {
        if (_mbsnbicmp((const unsigned char*)(LPCTSTR)m_items[i], (const unsigned char*)(LPCTSTR)strText,
                       strText.GetLength()) == 0 &&
            Notify(GXDT_NOTIFY_VALIDATE, m_nId, i))
            return i;
        i = (int)((i + 1) % n);
    } while (i != nStart);
    return -1;
}

BOOL CGXBDTListGadget::Search(int nStart, const CString& strText)
{
    int i = FindItem(nStart, strText);
    if (i < 0)
        return FALSE;
    Notify(GXDT_NOTIFY_SET, m_nId, i);
    return TRUE;
}

void CGXBDTListGadget::OnChar(UINT nChar)
{
    size_t nLen = strlen(m_szPending);
    if (nLen >= 2)
        nLen = 0;
    m_szPending[nLen] = (char)nChar;
    m_szPending[nLen + 1] = 0;
    if (nLen == 0 && _ismbblead((unsigned char)nChar))
        return; // waits for the trail byte
    CString c = m_szPending;
    m_szPending[0] = 0;
    int nNext = m_nValue + 1;
    if (m_strPrefix.IsEmpty())
    {
        if (!Search(nNext, c))
        {
            ::MessageBeep((UINT)-1);
            return;
        }
        m_strPrefix = c;
    }
    else if (m_strPrefix.CompareNoCase(c) == 0)
        Search(nNext, m_strPrefix);
    else if (!Search(m_nValue, m_strPrefix + c))
    {
        StopTypeAhead();
        ::MessageBeep((UINT)-1);
        return;
    }
    else
        m_strPrefix += c;
    Invalidate();
    StartTimer(2000);
    m_bTimer = TRUE;
}
