// CDigistring: building the characters of the text and painting them double-buffered.
#include "app/Digistring.h"
#include "app/MemDC.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CDigistring, CStatic)

BEGIN_MESSAGE_MAP(CDigistring, CStatic)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace
{
// Masks by index: 0 blank, 1-10 the digits, 11 minus; the fourteen-segment table goes on with
// 12-37 the letters, 38 "*" and 39 "+".
const WORD s_mask7[12] = {0x00, 0x77, 0x24, 0x5D, 0x6D, 0x2E, 0x6B, 0x7B, 0x25, 0x7F, 0x6F, 0x08};
const WORD s_mask14[40] = {
    0x0000, 0x3F00, 0x1800, 0x36C0, 0x3CC0, 0x19C0,
    0x2DC0, 0x2FC0, 0x3800, 0x3FC0, 0x3DC0, 0x00C0, // blank-minus
    0x3BC0, 0x3CA1, 0x2700, 0x3C21, 0x27C0, 0x23C0,
    0x2F80, 0x1BC0, 0x2421, 0x1E00, 0x0354, 0x0700, // A-L
    0x1B06, 0x1B12, 0x3F00, 0x33C0, 0x3F10, 0x33D0,
    0x2DC0, 0x2021, 0x1F00, 0x030C, 0x1B18, 0x001E, // M-X
    0x11E0, 0x240C, 0x00FF, 0x00E1,                 // Y, Z, *, +
};
const WORD s_maskColonDot[2] = {0x04, 0x03};

// The character object of one text character, or none for those the display cannot show.
std::unique_ptr<CDigiChar> MakeChar(char ch, DWORD dwStyle)
{
    std::unique_ptr<CDigiChar> pChar;
    WORD wMask = 0;
    if ((ch >= '0' && ch <= '9') || ch == ' ' || ch == '-')
    {
        const int nIndex = ch == ' ' ? 0 : ch == '-' ? 11 : ch - 47;
        if (dwStyle & DIGI_14SEGMENT)
        {
            pChar.reset(new CDigi14Segment);
            wMask = s_mask14[nIndex];
        }
        else
        {
            pChar.reset(new CDigi7Segment);
            wMask = s_mask7[nIndex];
        }
    }
    else if (ch >= 'A' && ch <= 'Z')
    {
        pChar.reset(new CDigi14Segment);
        wMask = s_mask14[ch - 53];
    }
    else if (ch == '*' || ch == '+')
    {
        pChar.reset(new CDigi14Segment);
        wMask = s_mask14[ch == '*' ? 38 : 39];
    }
    else if (ch == '.' || ch == ':')
    {
        pChar.reset(new CDigiColonDotChar);
        wMask = s_maskColonDot[ch == '.' ? 0 : 1];
    }
    if (pChar)
        pChar->SetSegments(wMask, dwStyle);
    return pChar;
}

// Per channel a quarter of the background and three quarters of the colour.
COLORREF PenColor(COLORREF crBack, COLORREF cr)
{
    return RGB((int)(0.25 * GetRValue(crBack) + 0.75 * GetRValue(cr)),
               (int)(0.25 * GetGValue(crBack) + 0.75 * GetGValue(cr)),
               (int)(0.25 * GetBValue(crBack) + 0.75 * GetBValue(cr)));
}
} // namespace

CDigistring::CDigistring()
    : m_strText("-----"), m_bRebuild(TRUE), m_crOff(RGB(0, 52, 0)), m_crOn(RGB(0, 255, 0)),
      m_crBack(RGB(0, 0, 0)), m_dwStyle(DIGI_PROPORTIONAL)
{
    ::InitializeCriticalSection(&m_lock);
}

CDigistring::~CDigistring()
{
    ::DeleteCriticalSection(&m_lock);
}

// Invalidating marks the window only; it sends nothing, so any thread may do it.
void CDigistring::InvalidateControl()
{
    if (m_hWnd != NULL)
        ::InvalidateRect(m_hWnd, NULL, TRUE);
}

void CDigistring::SetText(LPCTSTR lpszText)
{
    ::EnterCriticalSection(&m_lock);
    const bool bSame = strcmp(m_strText, lpszText) == 0;
    if (!bSame)
    {
        m_strText = lpszText;
        m_bRebuild = TRUE;
    }
    ::LeaveCriticalSection(&m_lock);
    if (!bSame)
        InvalidateControl();
}

void CDigistring::SetText(UINT nIDText)
{
    CString strText;
    strText.LoadString(nIDText);
    SetText(strText);
}

CString CDigistring::GetText() const
{
    ::EnterCriticalSection(&m_lock);
    CString strText = m_strText;
    ::LeaveCriticalSection(&m_lock);
    return strText;
}

void CDigistring::SetColors(COLORREF crOff, COLORREF crOn)
{
    if (crOff == m_crOff && crOn == m_crOn)
        return;
    m_crOff = crOff;
    m_crOn = crOn;
    InvalidateControl();
}

BOOL CDigistring::ModifyDisplayStyle(DWORD dwRemove, DWORD dwAdd)
{
    if (dwRemove & dwAdd)
        return FALSE;
    ::EnterCriticalSection(&m_lock);
    m_dwStyle = (m_dwStyle | dwAdd) & ~dwRemove;
    m_bRebuild = TRUE;
    ::LeaveCriticalSection(&m_lock);
    InvalidateControl();
    return TRUE;
}

// Called on paint with the lock held: the text becomes upper case and each character one object.
void CDigistring::BuildString()
{
    m_chars.clear();
    m_strText.MakeUpper();
    for (int i = 0; i < m_strText.GetLength(); i++)
    {
        std::unique_ptr<CDigiChar> pChar = MakeChar(m_strText[i], m_dwStyle);
        if (pChar)
            m_chars.push_back(std::move(pChar));
    }
    m_bRebuild = FALSE;
}

void CDigistring::OnPaint()
{
    CRect rc;
    GetClientRect(&rc);
    CPaintDC dc(this);
    dc.SetBkColor(m_crBack);
    CMemDC memDC(&dc, &rc);
    CBrush brushOff, brushOn;
    brushOff.CreateSolidBrush(m_crOff);
    brushOn.CreateSolidBrush(m_crOn);
    CBrush* pOldBrush = memDC.SelectObject(&brushOn);
    CPen penOff, penOn;
    penOff.CreatePen(PS_SOLID, 1, PenColor(m_crBack, m_crOff));
    penOn.CreatePen(PS_SOLID, 1, PenColor(m_crBack, m_crOn));
    CPen* pOldPen = memDC.SelectObject(&penOff);

    ::EnterCriticalSection(&m_lock);
    if (m_bRebuild)
        BuildString();
    ::LeaveCriticalSection(&m_lock);

    int nDesignWidth = 0;
    for (const auto& pChar : m_chars)
        nDesignWidth += pChar->GetWidth();
    if (nDesignWidth > 0)
    {
        double sx = (double)rc.Width() / nDesignWidth;
        double sy = (double)rc.Height() / CDigiSegment::designHeight;
        double x0 = 0.0, y0 = 0.0;
        if (m_dwStyle & DIGI_PROPORTIONAL)
        {
            const double s = sx < sy ? sx : sy;
            sx = sy = s;
            x0 = (rc.Width() - nDesignWidth * s) / 2.0;
            y0 = (rc.Height() - CDigiSegment::designHeight * s) / 2.0;
        }
        double x = x0;
        for (const auto& pChar : m_chars)
        {
            const double cx = pChar->GetWidth() * sx;
            pChar->Draw(&memDC, x, y0, x + cx, y0 + CDigiSegment::designHeight * sy, &penOff, &penOn,
                        &brushOff, &brushOn);
            x += cx;
        }
    }
    memDC.SelectObject(pOldPen);
    memDC.SelectObject(pOldBrush);
}

BOOL CDigistring::OnEraseBkgnd(CDC*)
{
    return FALSE;
}
