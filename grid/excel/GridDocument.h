// The document of a workbook: several sheets shown in one tab window and saved in one file.
// It holds no sheets itself; loading, saving and the modified state go to the workbook
// manager that the application hands out. One document of a workbook, the primary one,
// stands for it; the others pass saving on to it.
#pragma once
#include "afxwin.h"

class CGXWorkbookManager;

class CGXDocument : public CDocument
{
    DECLARE_DYNCREATE(CGXDocument)

  public:
    // Construction
    CGXDocument() = default;

    // Operations
    void SetStoringDocument(CGXDocument* pDoc)
    {
        m_pPrimaryDocument = pDoc;
    }
    CGXDocument* GetStoringDocument() const
    {
        return m_pPrimaryDocument;
    }
    // The workbook manager the application hands out for this document, or null when the
    // application offers none.
    CGXWorkbookManager* LookupOwnerDocument();

    // Overridables
    // The data of this sheet's document, archived by the workbook after the list of sheets.
    virtual void SerializeSheet(CArchive&)
    {
    }
    void Serialize(CArchive& ar) override;
    BOOL SaveModified() override;
    BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE) override;

  protected:
    // Implementation
    // The document that stands for the workbook: the primary one, or this one while none is set.
    CGXDocument* Primary()
    {
        return m_pPrimaryDocument ? m_pPrimaryDocument : this;
    }

    CGXDocument* m_pPrimaryDocument = NULL;
};
