// SECCaptionPainter: the custom caption the library's frames draw themselves: a gradient
// background, the class icon and the title in an italic and a plain caption font. Shared by the
// single-document and the MDI frame; it holds nothing between calls.
#pragma once
#include "afxwin.h"

class SECCaptionPainter
{
  public:
    enum
    {
        maxGradientBands = 120
    };

    // What a frame hands over for one caption.
    struct Caption
    {
        BOOL bActive;
        int nAlign;       // 0 left, 1 centred, other right
        COLORREF clrFrom; // gradient start (left)
        COLORREF clrTo;   // gradient end (right); equal to clrFrom for a plain fill
        COLORREF clrText;
        COLORREF clrIconBack; // behind the icon
    };

    // The window has a caption to paint (both caption style bits).
    static BOOL HasCaption(CWnd* pWnd);
    // The caption's rectangle in window coordinates, less the caption buttons.
    static CRect CaptionRect(CWnd* pWnd);
    // The system's caption font, italic or not; FALSE when it cannot be made.
    static BOOL CreateCaptionFont(CFont& font, BOOL bItalic);
    // Fills rect left to right from clrFrom to clrTo in at most maxGradientBands bands; the
    // number of bands drawn (0 for a rectangle without width).
    static int FillGradient(CDC* pDC, const CRect& rect, COLORREF clrFrom, COLORREF clrTo);
    // Paints the caption of pWnd (nothing without a caption); FALSE when the memory DC or bitmap
    // cannot be made.
    static BOOL Draw(CWnd* pWnd, const Caption& caption, CFont& fontItalic, CFont& fontPlain);
    // WM_NCACTIVATE of a frame that paints its own caption: sets bCaptionActive to the state the
    // caption shows before the active child frame and the frame itself repaint theirs.
    static void NcActivate(CFrameWnd* pFrame, BOOL bActive, BOOL& bCaptionActive);
    // WM_NCPAINT of such a frame, while it is the current message: the non-client area but the
    // caption through the default window procedure. FALSE when the update region misses the
    // caption or the window has none (the default painted it all); TRUE when the frame is to
    // draw its caption.
    static BOOL PaintAroundCaption(CWnd* pWnd);
};
