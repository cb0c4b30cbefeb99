// CDocManager: the application's list of document templates; opens files with the template that
// fits best, File New and File Open, saving and closing all documents, shell registration.
//
// Differences from MFC:
// - With several templates, File New asks through CNewTypeChoice, a plain modal window.
// - No DDE: RegisterShellFileTypes writes the icon and the open, print and print-to commands with
//   the file as argument.
#pragma once
#include "CmdTarget.h"

class CDocTemplate;
class CDocument;

class CDocManager : public CObject
{
    DECLARE_DYNAMIC(CDocManager)

  public:
    // Construction
    CDocManager();
    ~CDocManager() override;

    // Operations
    virtual void AddDocTemplate(CDocTemplate* pTemplate);
    virtual POSITION GetFirstDocTemplatePosition() const
    {
        return m_templateList.GetHeadPosition();
    }
    virtual CDocTemplate* GetNextDocTemplate(POSITION& pos) const
    {
        return (CDocTemplate*)m_templateList.GetNext(pos);
    }
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);
    virtual int GetOpenDocumentCount();
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                                  CDocTemplate* pTemplate);
    virtual void RegisterShellFileTypes(BOOL bCompat);
    void UnregisterShellFileTypes();
    virtual void OnFileNew();
    virtual void OnFileOpen();

    // Implementation
    CPtrList m_templateList;
};
