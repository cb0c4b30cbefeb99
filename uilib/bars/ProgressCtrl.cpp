#include "uilib/bars/ProgressCtrl.h"
#include <algorithm>

namespace tessaron
{
namespace foundation
{

IMPLEMENT_DYNAMIC(SECProgressCtrl, CProgressCtrl)

SECProgressCtrl::SECProgressCtrl()
    : m_nPos(0), m_nStep(10), m_nLower(0), m_nUpper(100), m_crBar(RGB(0, 0, 0x80)),
      m_crBk(RGB(0xFF, 0xFF, 0xFF)), m_pFont(NULL), m_bVisible(TRUE), m_bCreated(FALSE),
      m_dwProgressStyle(SEC_PROGRESS_DEFAULT), m_rcClient(), m_nTimerID(kAutoStepTimer)
{
}

SECProgressCtrl::~SECProgressCtrl() = default;

BEGIN_MESSAGE_MAP(SECProgressCtrl, CProgressCtrl)
ON_WM_CREATE()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_SHOWWINDOW()
ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL SECProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, DWORD dwProgressStyle)
{
    if (m_bCreated)
        return FALSE;
    m_dwProgressStyle = dwProgressStyle;
    m_bCreated = CProgressCtrl::Create(dwStyle, rect, pParent, nID);
    return m_bCreated;
}

BOOL SECProgressCtrl::Attach(UINT nID, CWnd* pParent)
{
    if (!SubclassDlgItem(nID, pParent))
        return FALSE;
    m_bCreated = TRUE;
    return OnCreateHook();
}

void SECProgressCtrl::SetRange(int nLower, int nUpper)
{
    m_nLower = nLower;
    m_nUpper = nUpper;
    if (m_hWnd != NULL)
        SetRange32(nLower, nUpper);
}

UINT SECProgressCtrl::SetPos(UINT nPos, BOOL bRedrawNow)
{
    UINT nOld = m_nPos;
    m_nPos = nPos;
    if (IsNative() && m_hWnd != NULL)
        nOld = (UINT)Send(PBM_SETPOS, nPos);
    if (m_bCreated)
        Invalidate(TRUE);
    if (bRedrawNow)
        FlushPaints();
    return nOld;
}

// Paints every window of the thread waiting for it, so a long job shows its progress.
void SECProgressCtrl::FlushPaints()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, WM_PAINT, WM_PAINT, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

void SECProgressCtrl::OffsetPos(int nDelta, BOOL bRedrawNow)
{
    if (IsNative())
    {
        m_nPos += nDelta;
        if (m_hWnd != NULL)
            Send(PBM_DELTAPOS, nDelta);
        return;
    }
    SetPos(m_nPos + nDelta, bRedrawNow);
}

int SECProgressCtrl::SetStep(int nStep)
{
    int nOld = m_nStep;
    m_nStep = nStep;
    if (m_hWnd != NULL)
        Send(PBM_SETSTEP, nStep);
    return nOld;
}

void SECProgressCtrl::SetColors(COLORREF crBar, COLORREF crBk)
{
    m_crBar = crBar;
    m_crBk = crBk;
    if (m_bCreated)
        Invalidate(TRUE);
}

void SECProgressCtrl::SetFont(CFont* pFont, BOOL bRedraw)
{
    m_pFont = pFont;
    if (bRedraw && m_bCreated)
        Invalidate(TRUE);
}

void SECProgressCtrl::SetText(LPCTSTR lpszText)
{
    m_strText = lpszText;
}

void SECProgressCtrl::GetText(CString& strText) const
{
    strText = m_strText;
}

void SECProgressCtrl::StepIt(BOOL bRedrawNow)
{
    if (IsNative())
    {
        m_nPos += m_nStep;
        if (m_hWnd != NULL)
            Send(PBM_STEPIT);
        return;
    }
    OffsetPos(m_nStep, bRedrawNow);
}

void SECProgressCtrl::Reset()
{
    SetPos((UINT)m_nLower, TRUE);
    if (m_bCreated)
    {
        RefreshClientRect();
        Invalidate(TRUE);
    }
}

BOOL SECProgressCtrl::SetAutoStep(UINT nElapse)
{
    if ((int)m_nPos >= m_nUpper)
    {
        KillTimer(m_nTimerID);
        return FALSE;
    }
    if (nElapse == 0)
        KillTimer(m_nTimerID);
    else if (SetTimer(m_nTimerID, nElapse) == 0)
        return FALSE;
    return TRUE;
}

void SECProgressCtrl::SetProgressStyle(DWORD dwStyle)
{
    if ((dwStyle & SEC_PROGRESS_NATIVE) != 0 && !IsNative() && m_hWnd != NULL)
        Send(PBM_SETPOS, m_nPos);
    m_dwProgressStyle = dwStyle;
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

// The position is compared as the signed number the bounds are, so a negative lower bound works.
float SECProgressCtrl::GetPercent()
{
    double dPos = (int)m_nPos;
    if (dPos < m_nLower)
        dPos = m_nLower;
    if (dPos > m_nUpper)
        dPos = m_nUpper;
    double dRange = m_nUpper == m_nLower ? 1.0 : (double)m_nUpper - m_nLower;
    return (float)((dPos - m_nLower) / dRange * 100.0);
}

BOOL SECProgressCtrl::OnCreateHook()
{
    RefreshClientRect();
    return TRUE;
}

void SECProgressCtrl::RefreshClientRect()
{
    GetClientRect(&m_rcClient);
}

void SECProgressCtrl::FillBar(CDC* pDC, RECT rc)
{
    CBrush brush(m_crBar);
    pDC->FillRect(&rc, &brush);
}

void SECProgressCtrl::FillBackground(CDC* pDC, RECT rc)
{
    CBrush brush(m_crBk);
    pDC->FillRect(&rc, &brush);
}

void SECProgressCtrl::AdjustText(CString&)
{
}

void SECProgressCtrl::DrawProgressText(CDC* pDC, float fPercent, RECT rcRest, RECT rcDone)
{
    CString strText;
    if ((m_dwProgressStyle & SEC_PROGRESS_PERCENT) != 0)
        strText.Format(_T("%d %%"), std::min((int)(fPercent + 0.5f), 100));
    else if ((m_dwProgressStyle & SEC_PROGRESS_TEXT) != 0)
        strText = m_strText;
    else
        return;
    AdjustText(strText);

    UINT nFormat = DT_VCENTER | DT_SINGLELINE; // DT_LEFT is 0
    if ((m_dwProgressStyle & SEC_PROGRESS_TEXT_RIGHT) != 0 &&
        (m_dwProgressStyle & SEC_PROGRESS_TEXT_LEFT) == 0)
        nFormat |= DT_RIGHT;
    else if ((m_dwProgressStyle & (SEC_PROGRESS_TEXT_LEFT | SEC_PROGRESS_TEXT_RIGHT)) == 0)
        nFormat |= DT_CENTER;

    CFont* pOldFont = m_pFont != NULL ? pDC->SelectObject(m_pFont) : NULL;
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    // Over each part in the other part's colour, so the text stays readable where the bar
    // passes through it.
    const struct
    {
        const RECT& rcClip;
        COLORREF crText;
    } passes[] = {{rcDone, m_crBk}, {rcRest, m_crBar}};
    for (const auto& pass : passes)
    {
        int nSaved = pDC->SaveDC();
        pDC->IntersectClipRect(&pass.rcClip);
        pDC->SetTextColor(pass.crText);
        RECT rc = m_rcClient;
        pDC->DrawText(strText, &rc, nFormat);
        pDC->RestoreDC(nSaved);
    }
    pDC->SetBkMode(nOldMode);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
}

void SECProgressCtrl::CalcRects(float fPercent, RECT* prcDone, RECT* prcRest)
{
    const float fFraction = fPercent * 0.01f;
    *prcDone = m_rcClient;
    *prcRest = m_rcClient;
    if ((m_dwProgressStyle & SEC_PROGRESS_VERTICAL) != 0)
    {
        int h = (int)((m_rcClient.bottom - m_rcClient.top) * fFraction);
        if ((m_dwProgressStyle & SEC_PROGRESS_FROM_TOP) != 0)
            prcDone->bottom = prcRest->top = m_rcClient.top + h;
        else
            prcDone->top = prcRest->bottom = m_rcClient.bottom - h;
    }
    else
    {
        int w = (int)((m_rcClient.right - m_rcClient.left) * fFraction);
        if ((m_dwProgressStyle & SEC_PROGRESS_FROM_RIGHT) != 0)
            prcDone->left = prcRest->right = m_rcClient.right - w;
        else
            prcDone->right = prcRest->left = m_rcClient.left + w;
    }
}

BOOL SECProgressCtrl::DrawProgress(float fPercent, RECT rcDone, RECT rcRest, CDC* pDC)
{
    int cx = m_rcClient.right - m_rcClient.left;
    int cy = m_rcClient.bottom - m_rcClient.top;
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(pDC))
        return FALSE;
    if (!bitmap.CreateCompatibleBitmap(pDC, cx, cy))
        return FALSE;
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    FillBackground(&memDC, rcRest);
    FillBar(&memDC, rcDone);
    DrawProgressText(&memDC, fPercent, rcRest, rcDone);
    pDC->BitBlt(m_rcClient.left, m_rcClient.top, cx, cy, &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
    return TRUE;
}

void SECProgressCtrl::Paint(CDC* pDC)
{
    if (!m_bVisible)
        return;
    float fPercent = GetPercent();
    RECT rcDone, rcRest;
    CalcRects(fPercent, &rcDone, &rcRest);
    DrawProgress(fPercent, rcDone, rcRest, pDC);
}

int SECProgressCtrl::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    return OnCreateHook() ? 0 : -1;
}

BOOL SECProgressCtrl::OnEraseBkgnd(CDC*)
{
    if (IsNative())
        return (BOOL)Default();
    return TRUE;
}

void SECProgressCtrl::OnPaint()
{
    if (IsNative())
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    Paint(&dc);
}

void SECProgressCtrl::OnSize(UINT, int, int)
{
    Default();
    RefreshClientRect();
}

void SECProgressCtrl::OnShowWindow(BOOL bShow, UINT)
{
    Default();
    m_bVisible = bShow;
}

void SECProgressCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == m_nTimerID)
    {
        StepIt(TRUE);
        if ((int)m_nPos >= m_nUpper)
            KillTimer(m_nTimerID);
    }
    Default();
}

} // namespace foundation
} // namespace tessaron
