// A cell holding an embedded object as bytes (user attribute 52794). Drawn as static text with
// a hot-spot button that opens the object in its server through a viewer; copy, cut, paste and
// Delete work on the object. Only a browser grid provides viewers.
#pragma once
#include "grid/core/Static.h"

class CGXHotSpotButton;
class CGXOleViewer;
class CGXViewerManager;

class CGXOlePreview : public CGXStatic
{
    GX_DECLARE_CONTROL(CGXOlePreview)

  public:
    // The manager owns pContext; an empty placeholder is used when it is NULL.
    CGXOlePreview(CGXGridCore* pGrid, CObject* pContext = NULL);
    ~CGXOlePreview() override;

    // A static cell keeps neither flag; this cell needs both while it edits its object.
    void SetActive(BOOL bActive) override;
    BOOL IsActive() override;
    void SetModify(BOOL bModified) override;
    BOOL GetModify() override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    BOOL EndEditing() override;
    BOOL QueryGridEditHook(int nArg1, int nArg2) override;
    CRect GetCellRect(ROWCOL nRow, ROWCOL nCol, LPRECT rectItem = NULL,
                      const CGXStyle* pStyle = NULL) override;
    CSize AddBorders(CSize size, const CGXStyle& style) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint pt) override;
    BOOL KeyDown(UINT nMessage, UINT nChar, UINT nFlags) override;
    BOOL Copy() override;
    BOOL Paste() override;
    BOOL Cut() override;
    BOOL CanCopy() override;
    BOOL CanCut() override;
    BOOL CanPaste() override;
    BOOL OnClickedButton(CGXChild* pChild) override;
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

    virtual BOOL HasByteArrayValue();
    // Keeps the keyboard away from the grid while a server window comes up; returns the focus.
    virtual HWND BeginViewerPopup();
    virtual void EndViewerPopup(HWND hFocus);
    virtual void RestorePopupFlag();
    virtual void RaisePopupFlag();
    // Message 20206, then the open object is brought forward.
    virtual void ShowAlreadyOpen();
    // The cell's viewer; NULL outside a browser grid.
    virtual CGXOleViewer* GetViewer();

    CGXGridCore* Grid() const
    {
        return m_pGrid;
    }
    CGXOleViewer* GetOpenViewer() const
    {
        return m_pOpenViewer;
    }

    CGXHotSpotButton* m_pButton;

  protected:
    // Puts a data object on the clipboard; FALSE (released) when either step fails.
    static HRESULT PutOnClipboard(IDataObject* pDataObject);

    CGXOleViewer* m_pOpenViewer = NULL;
    CGXViewerManager* m_pViewerManager;
    BOOL m_bSavedPopup = FALSE;
    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
};
