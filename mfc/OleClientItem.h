// COleClientItem: an item of a COleDocument with its activation state and the view it is
// active in. The document owns its items and deletes those left when it goes.
//
// Differences from MFC:
// - No embedding: items are not created from the clipboard, files or servers here, and no
//   OLE object stands behind them. Derived classes set m_nItemState and m_pView themselves.
// - Derives from CCmdTarget directly (no CDocItem).
#pragma once
#include "CmdTarget.h"

class COleDocument;
class CView;

class COleClientItem : public CCmdTarget
{
    DECLARE_DYNAMIC(COleClientItem)

  public:
    enum ItemState
    {
        emptyState = 0,
        loadedState = 1,
        openState = 2,
        activeState = 3,
        activeUIState = 4
    };

    // Construction
    // Joins pContainerDoc when given.
    explicit COleClientItem(COleDocument* pContainerDoc = NULL);
    ~COleClientItem() override;
    COleClientItem(const COleClientItem&) = delete;
    COleClientItem& operator=(const COleClientItem&) = delete;

    // Attributes
    COleDocument* GetDocument() const
    {
        return m_pDocument;
    }
    UINT GetItemState() const
    {
        return m_nItemState;
    }
    BOOL IsInPlaceActive() const
    {
        return m_nItemState == activeState || m_nItemState == activeUIState;
    }
    CView* GetActiveView() const
    {
        return m_pView;
    }

    // Operations
    // Activates the item in place in pView; the verb (OLEIVERB_SHOW and the like) is for derived
    // classes, as no server stands behind the item here.
    virtual void Activate(LONG nVerb, CView* pView);
    // Ends in-place activation: UI first, then the activation itself.
    virtual void DeactivateUI();
    virtual void Deactivate();
    // Closes the item back to the loaded state.
    virtual void Close();

    // Implementation
    COleDocument* m_pDocument;
    CView* m_pView; // the view it is in-place active in, else NULL

  protected:
    UINT m_nItemState;
};
