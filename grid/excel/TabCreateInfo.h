// CGXTabCreateInfo: how one sheet of a workbook is made (view class, document class, template,
// document, name) and the little of it that a workbook archive keeps. The manager owns these.
#pragma once
#include "afxwin.h"
#include "mfc/CreateContext.h"

class CGXTabCreateInfo : public CObject
{
    DECLARE_SERIAL(CGXTabCreateInfo)

  public:
    // Construction
    CGXTabCreateInfo() = default;
    CGXTabCreateInfo(CRuntimeClass* pViewClass, CDocument* pDocument, CDocTemplate* pTemplate,
                     LPCTSTR pszName = NULL);
    ~CGXTabCreateInfo() override;
    CGXTabCreateInfo(const CGXTabCreateInfo& src);
    CGXTabCreateInfo& operator=(const CGXTabCreateInfo& src);

    enum : WORD
    {
        shareCurrent = 0, // view class, document and template of the current sheet
        shareSheet = 1    // those of the sheet m_nSheet
    };
    // Longest class name an archive may hold.
    enum
    {
        nMaxClassName = 63
    };

    // Operations
    // The create context for the sheet, built on first use and owned.
    CCreateContext* GetCreateContext();
    void SetDocument(CDocument* pDocument);
    CDocument* GetDocument() const
    {
        return m_pDocument;
    }
    void Serialize(CArchive& ar) override;

    // Attributes
    CRuntimeClass* m_pViewClass = NULL;
    CRuntimeClass* m_pDocClass = NULL;
    DWORD m_bPrepared = 0; // 0: the manager supplies document and context before creating
    CString m_strName;     // not archived
    CDocTemplate* m_pTemplate = NULL;
    WORD m_nShareMode = shareCurrent;
    BOOL m_bLoaded = FALSE; // read from an archive or copied
    LONG m_nSheet = -1;

  protected:
    // Implementation
    CCreateContext* m_pContext = NULL; // owned
    CDocument* m_pDocument = NULL;
};
