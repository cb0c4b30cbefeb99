// SECBitmapDialog: background image, its palette and transparent statics.
#include "uilib/common/BitmapDialog.h"

using tessaron::foundation::SECImage;

IMPLEMENT_DYNAMIC(SECBitmapDialog, CDialog)

BEGIN_MESSAGE_MAP(SECBitmapDialog, CDialog)
ON_WM_QUERYNEWPALETTE()
ON_WM_PALETTECHANGED()
ON_WM_CREATE()
ON_WM_CTLCOLOR()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

SECBitmapDialog::SECBitmapDialog(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_pImage(NULL), m_nDisplayMode(displayCentred), m_pPalette(NULL)
{
    m_brushBk.CreateStockObject(NULL_BRUSH);
}

SECBitmapDialog::~SECBitmapDialog()
{
    delete m_pImage;
}

void SECBitmapDialog::SetImage(SECImage* pImage, int nDisplayMode)
{
    if (pImage != m_pImage)
        delete m_pImage;
    m_pImage = pImage;
    m_nDisplayMode = nDisplayMode;
    if (m_hWnd != NULL)
    {
        SetPalette(m_pImage != NULL ? m_pImage->GetPalette() : NULL);
        Invalidate(TRUE);
    }
}

CPalette* SECBitmapDialog::SetPalette(CPalette* pPalette)
{
    CPalette* pOld = m_pPalette;
    m_pPalette = pPalette;
    RealizeDialogPalette(FALSE);
    return pOld;
}

HBRUSH SECBitmapDialog::GetCtlBrush(CDC* pDC, CWnd*)
{
    pDC->SetBkMode(TRANSPARENT);
    return GetBkBrush();
}

void SECBitmapDialog::SetImageHalftone(BOOL bHalftone)
{
    if (m_pImage != NULL)
        m_pImage->SetHalftone(bHalftone);
}

HBRUSH SECBitmapDialog::GetBkBrush()
{
    return (HBRUSH)m_brushBk.GetSafeHandle();
}

BOOL SECBitmapDialog::RealizeDialogPalette(BOOL bBackground)
{
    if (m_pPalette == NULL || m_hWnd == NULL)
        return FALSE;
    CClientDC dc(this);
    CPalette* pOld = dc.SelectPalette(m_pPalette, bBackground);
    const UINT nChanged = dc.RealizePalette();
    if (pOld != NULL)
        dc.SelectPalette(pOld, TRUE);
    if (nChanged == 0)
        return FALSE;
    Invalidate(TRUE);
    return TRUE;
}

BOOL SECBitmapDialog::OnQueryNewPalette()
{
    return RealizeDialogPalette(FALSE);
}

void SECBitmapDialog::OnPaletteChanged(CWnd* pFocusWnd)
{
    // Our own realisation (or a child's) changed it: nothing to follow.
    if (pFocusWnd != NULL && (pFocusWnd == this || IsChild(pFocusWnd)))
        return;
    RealizeDialogPalette(TRUE);
}

int SECBitmapDialog::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_pImage != NULL)
        SetPalette(m_pImage->GetPalette());
    else
        m_pPalette = NULL;
    return 0;
}

HBRUSH SECBitmapDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (m_pImage != NULL && nCtlColor == CTLCOLOR_STATIC && pWnd != NULL)
    {
        // A trackbar paints its own channel; hollow it would leave garbage behind its thumb.
        TCHAR szClass[32] = {};
        ::GetClassName(pWnd->m_hWnd, szClass, 32);
        if (lstrcmpi(szClass, TRACKBAR_CLASS) != 0)
            return GetCtlBrush(pDC, pWnd);
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void SECBitmapDialog::DrawImage(CDC* pDC, int x, int y, int cx, int cy)
{
    m_pImage->StretchDIBits(pDC, x, y, cx, cy, 0, 0, m_pImage->GetWidth(), m_pImage->GetHeight(),
                            m_pImage->GetBits(), m_pImage->GetBitmapInfo(), DIB_RGB_COLORS, SRCCOPY);
}

BOOL SECBitmapDialog::OnEraseBkgnd(CDC* pDC)
{
    if (m_pImage == NULL || m_pImage->IsEmpty())
        return CDialog::OnEraseBkgnd(pDC);
    CPalette* pOldPalette = NULL;
    if (m_pImage->GetPalette() != NULL)
    {
        pOldPalette = pDC->SelectPalette(m_pImage->GetPalette(), FALSE);
        pDC->RealizePalette();
    }
    CRect rect;
    GetClientRect(&rect);
    const int cxImage = m_pImage->GetWidth(), cyImage = m_pImage->GetHeight();
    if (m_nDisplayMode == displayCentred)
    {
        CDialog::OnEraseBkgnd(pDC);
        DrawImage(pDC, (rect.Width() - cxImage) / 2, (rect.Height() - cyImage) / 2, cxImage, cyImage);
    }
    else if (m_nDisplayMode == displayStretched)
        DrawImage(pDC, 0, 0, rect.Width(), rect.Height());
    else if (cxImage > 0 && cyImage > 0)
    {
        for (int y = 0; y < rect.Height(); y += cyImage)
            for (int x = 0; x < rect.Width(); x += cxImage)
                DrawImage(pDC, x, y, cxImage, cyImage);
    }
    if (m_pImage->GetPalette() != NULL)
        pDC->SelectPalette(pOldPalette, FALSE);
    return TRUE;
}
