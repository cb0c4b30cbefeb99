// SECSystemData: the process-wide record of the system colours, cursors and border metrics that
// the library's bars, splitters, grippers and drag feedback draw with, so they need not ask the
// system on every paint. One object for the process; library frames refresh its colours on
// WM_SYSCOLORCHANGE.
#pragma once
#include "afxwin.h"

class SECSystemData
{
  public:
    // Construction
    SECSystemData();
    SECSystemData(const SECSystemData&) = delete;
    SECSystemData& operator=(const SECSystemData&) = delete;

    // Operations
    // Reads the ten colours again; cursors and border metrics stay.
    void RefreshColors();
    // The splitter cursors, loaded once from the library's resources (the system's sizing
    // cursors when those are missing): over vertical bars, over horizontal bars and, with
    // bCrossing, over the crossing of two bars (kept in the spare slot).
    void LoadSplitterCursors(BOOL bCrossing);

    // Attributes
    int m_cxBorder;
    int m_cyBorder;
    COLORREF m_clrBtnFace;
    COLORREF m_clrBtnShadow;
    COLORREF m_clrBtnHilite;
    COLORREF m_clrWindowFrame;
    COLORREF m_clr3DLight;
    COLORREF m_clr3DDkShadow;
    COLORREF m_clrWindowText;
    COLORREF m_clrWindow;
    COLORREF m_clrHighlight;
    COLORREF m_clrHighlightText;
    HCURSOR m_hcurArrow;
    HCURSOR m_hcurVSplit; // loaded by the first dock bar
    HCURSOR m_hcurHSplit; // loaded by the first dock bar
    HCURSOR m_hcurSpare;  // the crossing cursor, loaded by the first splitter window
    BOOL m_bNewShell;

    // Process-wide switches of the dock bars.
    // The dock bars' context menu of bars; the main frame switches it on at creation.
    static void PASCAL EnableBarMenu(BOOL bEnable);
    static BOOL PASCAL IsBarMenuEnabled();
    // While positive, bars moved during a dock bar's layout move without redrawing and are
    // repainted afterwards.
    static int s_nDeferredPainting;
};

// The one record of the process.
SECSystemData& PASCAL SECGetSystemData();
