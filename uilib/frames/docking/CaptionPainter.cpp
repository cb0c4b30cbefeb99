// SECCaptionPainter: caption rectangle, fonts, gradient and title of the custom caption.
#include "uilib/frames/docking/CaptionPainter.h"
#include <algorithm>

namespace
{
const int kTextIndent = 3;
const int kPartGap = 6;
const UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;

BOOL IsSystemMenuCloseEnabled(CWnd* pWnd)
{
    HMENU hMenu = ::GetSystemMenu(pWnd->m_hWnd, FALSE);
    if (hMenu == NULL)
        return FALSE;
    const UINT nState = ::GetMenuState(hMenu, SC_CLOSE, MF_BYCOMMAND);
    return nState != (UINT)-1 && !(nState & (MF_GRAYED | MF_DISABLED));
}

int TextWidth(CDC* pDC, const CString& str)
{
    return str.IsEmpty() ? 0 : pDC->GetTextExtent(str).cx;
}
} // namespace

CRect SECCaptionPainter::CaptionRect(CWnd* pWnd)
{
    const DWORD dwStyle = pWnd->GetStyle();
    CRect rectWnd;
    pWnd->GetWindowRect(&rectWnd);
    CRect rect;
    const BOOL bThick = (dwStyle & WS_THICKFRAME) != 0;
    const int cxFrame = ::GetSystemMetrics(bThick ? SM_CXSIZEFRAME : SM_CXBORDER);
    rect.left = cxFrame;
    rect.top = bThick ? ::GetSystemMetrics(SM_CYSIZEFRAME) : ::GetSystemMetrics(SM_CYBORDER) + 1;
    rect.right = rectWnd.Width() - cxFrame;
    rect.bottom = rect.top + ::GetSystemMetrics(SM_CYSIZE);
    int nButtons = 0;
    if (dwStyle & WS_SYSMENU)
    {
        nButtons = ((dwStyle & WS_MINIMIZEBOX) && (dwStyle & WS_MAXIMIZEBOX)) ? 2
                   : (dwStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))            ? 1
                                                                              : 0;
    }
    const int nClose = IsSystemMenuCloseEnabled(pWnd) ? 1 : 0;
    rect.right -= (nButtons + nClose) * ::GetSystemMetrics(SM_CXSIZE);
    if (nButtons > 0)
        rect.right -= ::GetSystemMetrics(SM_CXBORDER);
    return rect;
}

BOOL SECCaptionPainter::CreateCaptionFont(CFont& font, BOOL bItalic)
{
    NONCLIENTMETRICS ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (!::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        return FALSE;
    if (bItalic)
        ncm.lfCaptionFont.lfItalic = TRUE;
    font.DeleteObject();
    return font.CreateFontIndirect(&ncm.lfCaptionFont);
}

int SECCaptionPainter::FillGradient(CDC* pDC, const CRect& rect, COLORREF clrFrom, COLORREF clrTo)
{
    const int nWidth = rect.Width();
    // A caption without width gets no gradient (the band count would be 0).
    if (nWidth <= 0)
        return 0;
    const int nBands = std::min<int>(maxGradientBands, nWidth);
    const int from[3] = {GetRValue(clrFrom), GetGValue(clrFrom), GetBValue(clrFrom)};
    const int to[3] = {GetRValue(clrTo), GetGValue(clrTo), GetBValue(clrTo)};
    int value[3], step[3];
    for (int c = 0; c < 3; ++c)
    {
        value[c] = from[c] << 8;
        step[c] = (to[c] - from[c]) * 256 / nBands;
    }
    const int nBandWidth = nWidth / nBands;
    for (int i = 0; i < nBands; ++i)
    {
        int rgb[3];
        for (int c = 0; c < 3; ++c)
            rgb[c] = std::min(value[c] >> 8, to[c]);
        CRect band(rect.left + i * nBandWidth, rect.top, rect.left + (i + 1) * nBandWidth, rect.bottom);
        if (i == nBands - 1)
            band.right = rect.right;
        pDC->FillSolidRect(&band, RGB(rgb[0], rgb[1], rgb[2]));
        for (int c = 0; c < 3; ++c)
            value[c] += step[c];
    }
    return nBands;
}

BOOL SECCaptionPainter::HasCaption(CWnd* pWnd)
{
    return (pWnd->GetStyle() & WS_CAPTION) == WS_CAPTION;
}

BOOL SECCaptionPainter::Draw(CWnd* pWnd, const Caption& caption, CFont& fontItalic, CFont& fontPlain)
{
    // A frame that gave up its caption (full screen) has its client area there.
    if (!HasCaption(pWnd))
        return TRUE;
    const CRect rectCaption = CaptionRect(pWnd);
    CWindowDC dcWnd(pWnd);
    CDC dcMem;
    CBitmap bitmap;
    const int cx = std::max<int>(rectCaption.Width(), 1), cy = std::max<int>(rectCaption.Height(), 1);
    if (!dcMem.CreateCompatibleDC(&dcWnd) || !bitmap.CreateCompatibleBitmap(&dcWnd, cx, cy))
        return FALSE;
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    CRect rect(0, 0, rectCaption.Width(), rectCaption.Height());
    CRect rectText = rect;
    if (pWnd->GetStyle() & WS_SYSMENU)
    {
        const int cxIcon = ::GetSystemMetrics(SM_CXSMICON), cyIcon = ::GetSystemMetrics(SM_CYSMICON);
        HICON hIcon = (HICON)::GetClassLongPtr(pWnd->m_hWnd, cxIcon < 30 ? GCLP_HICONSM : GCLP_HICON);
        CRect rectIcon(0, 0, cxIcon, std::min<int>(cyIcon, rect.Height()));
        dcMem.FillSolidRect(&rectIcon, caption.clrIconBack);
        rectText.left = rectIcon.right;
        rectIcon.DeflateRect(2, 1, 0, 1);
        if (hIcon != NULL)
            ::DrawIconEx(dcMem.GetSafeHdc(), rectIcon.left, rectIcon.top, hIcon, rectIcon.Width(),
                         rectIcon.Height(), 0, NULL, DI_NORMAL);
    }
    CRect rectBack(rectText.left, rect.top, rect.right, rect.bottom + 1);
    if (caption.clrFrom == caption.clrTo)
    {
        if (rectBack.Width() > 0)
            dcMem.FillSolidRect(&rectBack, caption.clrFrom);
    }
    else
        FillGradient(&dcMem, rectBack, caption.clrFrom, caption.clrTo);

    // The title: up to the first '-' in the italic font, the rest in the plain one.
    CString strText;
    pWnd->GetWindowText(strText);
    const int nDash = strText.Find(_T('-'));
    const CString strFirst = nDash >= 0 ? strText.Left(nDash) : strText;
    const CString strSecond = nDash >= 0 ? strText.Mid(nDash) : CString();
    dcMem.SetBkMode(TRANSPARENT);
    dcMem.SetTextColor(caption.clrText);
    CFont* pOldFont = dcMem.SelectObject(&fontItalic);
    const int cxFirst = TextWidth(&dcMem, strFirst);
    const int cxEllipsis = TextWidth(&dcMem, CString(_T("W...")));
    dcMem.SelectObject(&fontPlain);
    const int cxSecond = TextWidth(&dcMem, strSecond);
    int x = rectText.left + kTextIndent;
    const int cxSpace = rectText.right - x;
    const BOOL bSecond = !strSecond.IsEmpty() && cxSpace >= cxFirst + kPartGap + cxEllipsis;
    const int cxTotal = cxFirst + (bSecond ? kPartGap + cxSecond : 0);
    if (caption.nAlign != 0 && cxSpace > cxTotal)
        x = caption.nAlign == 1 ? x + (rectText.right - cxTotal - x) / 2 : rectText.right - cxTotal - 1;
    dcMem.SelectObject(&fontItalic);
    CRect rectFirst(x, rect.top, rectText.right, rect.bottom);
    dcMem.DrawText(strFirst, &rectFirst, kTextFormat);
    if (bSecond)
    {
        dcMem.SelectObject(&fontPlain);
        CRect rectSecond(x + cxFirst + kPartGap, rect.top, rectText.right, rect.bottom);
        dcMem.DrawText(strSecond, &rectSecond, kTextFormat);
    }
    dcMem.SelectObject(pOldFont);
    if (rectCaption.Width() > 0 && rectCaption.Height() > 0)
        dcWnd.BitBlt(rectCaption.left, rectCaption.top, rectCaption.Width(), rectCaption.Height(), &dcMem, 0,
                     0, SRCCOPY);
    dcMem.SelectObject(pOldBitmap);
    return TRUE;
}

void SECCaptionPainter::NcActivate(CFrameWnd* pFrame, BOOL bActive, BOOL& bCaptionActive)
{
    BOOL bNow = (pFrame->m_nFlags & WF_STAYACTIVE) ? TRUE : bActive;
    if (!pFrame->IsWindowEnabled())
        bNow = FALSE;
    bCaptionActive = bNow;
    CFrameWnd* pActive = pFrame->GetActiveFrame();
    if (pActive != NULL && pActive != pFrame)
    {
        pActive->SendMessage(WM_NCACTIVATE, bNow);
        pActive->SendMessage(WM_NCPAINT, 1);
    }
    // Windows must not paint its own caption over ours.
    const BOOL bVisible = (pFrame->GetStyle() & WS_VISIBLE) != 0;
    if (bVisible)
        pFrame->ModifyStyle(WS_VISIBLE, 0);
    pFrame->DefWindowProc(WM_NCACTIVATE, bNow, 0);
    if (bVisible)
        pFrame->ModifyStyle(0, WS_VISIBLE);
    pFrame->SendMessage(WM_NCPAINT, 1);
}

BOOL SECCaptionPainter::PaintAroundCaption(CWnd* pWnd)
{
    if (!HasCaption(pWnd))
    {
        pWnd->Default();
        return FALSE;
    }
    HRGN hUpdate = (HRGN)CWnd::GetCurrentMessage()->wParam;
    CRect rectCaption = CaptionRect(pWnd);
    CRect rectWnd;
    pWnd->GetWindowRect(&rectWnd);
    rectCaption.OffsetRect(rectWnd.TopLeft()); // the update region is in screen coordinates
    const BOOL bRealRegion = (UINT_PTR)hUpdate > 1;
    if (bRealRegion && !::RectInRegion(hUpdate, &rectCaption))
    {
        pWnd->Default();
        return FALSE;
    }
    HRGN hRest = ::CreateRectRgnIndirect(&rectWnd);
    if (bRealRegion)
        ::CombineRgn(hRest, hUpdate, NULL, RGN_COPY);
    HRGN hCaption = ::CreateRectRgnIndirect(&rectCaption);
    ::CombineRgn(hRest, hRest, hCaption, RGN_DIFF);
    ::DeleteObject(hCaption);
    pWnd->DefWindowProc(WM_NCPAINT, (WPARAM)hRest, 0);
    ::DeleteObject(hRest);
    return TRUE;
}
