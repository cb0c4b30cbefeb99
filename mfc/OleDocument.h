// COleDocument: a document that holds client items. It owns them, deactivates those active in
// a frame that closes, and closes and deletes them with the document.
//
// Differences from MFC:
// - No compound files, no linking, no item serialization, no Paste commands.
#pragma once
#include "Document.h"
#include "PtrList.h"

class COleClientItem;
class CView;
class CWnd;

class COleDocument : public CDocument
{
    DECLARE_DYNAMIC(COleDocument)

  public:
    // Construction
    COleDocument();
    ~COleDocument() override;

    // Operations
    void AddItem(COleClientItem* pItem);
    void RemoveItem(COleClientItem* pItem);
    POSITION GetStartPosition() const
    {
        return m_docItemList.GetHeadPosition();
    }
    COleClientItem* GetNextClientItem(POSITION& pos) const;
    // The item in-place active in pWnd (a view), else NULL.
    COleClientItem* GetInPlaceActiveItem(CWnd* pWnd);

    // Overrides
    BOOL CanCloseFrame(CFrameWnd* pFrame) override;
    void OnCloseDocument() override;
    void DeleteContents() override;

    // Implementation
  private:
    CPtrList m_docItemList;
};
