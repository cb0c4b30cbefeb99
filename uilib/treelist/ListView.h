// SECListView: the owner-drawn list hosted in a view, so it sits in any document/view frame and
// prints page by page through the framework's print and preview commands. The engine is
// SECListBaseV (SECListBase over CView); this class adds printing, the run-time class and the
// message map. The tree view (SECTreeBaseV) derives from it.
#pragma once
#include "ListBase.h"
#include "Font.h"
#include "View.h"

typedef SECListBase<CView> SECListBaseV;

class SECListView : public SECListBaseV
{
    DECLARE_DYNCREATE(SECListView)

  public:
    // Construction
    SECListView() = default;
    ~SECListView() override;

    // Framework overrides
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = NULL) override;
    void OnDraw(CDC* pDC) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    // The list's geometry and drawing DC: the printer's while printing
    void GetClientRect(LPRECT lpRect) const override;
    CDC* CreateClientDC(BOOL& bDelete) override;

    // Printing
    // Moves the top row to the row after the last one that fits on the page; FALSE when none follows.
    virtual BOOL PrintNextPage(CDC* pDC);
    // One logical unit becomes one screen pixel on the printer.
    virtual void SetupPrintMapping(CDC* pDC);
    virtual void GoToPage(UINT nPage, CDC* pDC);
    virtual BOOL CreatePrintFonts(CDC* pDC);
    virtual BOOL DeletePrintFonts();

    BOOL IsPrinting() const
    {
        return m_bPrinting;
    }

    afx_msg void OnPaint();

  protected:
    HFONT m_hSavedLabelFont = NULL;
    HFONT m_hSavedHeaderFont = NULL;
    CFont m_fontPrintItem;
    CFont m_fontPrintHeader;
    CRect m_rcPrint{0, 0, 0, 0};
    BOOL m_bPrinting = FALSE;
    int m_nSavedTopIndex = 0;
    UINT m_nCurPage = 0;
    CDC* m_pPrintDC = NULL;
    CDC m_dcMeasure; // borrows the printer's attribute DC while printing
    // The scroll bars are the screen's: the page has none.
    BOOL m_bSavedVScroll = FALSE;
    BOOL m_bSavedHScroll = FALSE;

    DECLARE_MESSAGE_MAP()
};

// Message-map entries of the view-hosted list, shared by the list and tree views.
#define SEC_LIST_VIEW_MESSAGE_ENTRIES()                                                                      \
    SEC_LIST_MESSAGE_ENTRIES()                                                                               \
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)                                                            \
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
